// The module's GBK texts as the host prints them: quoted UTF-8 with control characters escaped.
// The event printer and the whiteboard message printers share them.
#pragma once

#include <cstddef>
#include <string>

namespace host {

// A GBK text as a quoted UTF-8 text with control characters escaped; NULL prints as NULL.
std::string QuoteGbk(const char* gbk);
// The same for a fixed char field, read up to its size and never past it.
std::string QuoteField(const char* field, size_t size);

}  // namespace host
