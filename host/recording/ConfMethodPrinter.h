// Readable lines for a conference method record: the sub-type, then every field it fills.
#pragma once

#include <string>

#include "protocol/ConfMethodRecord.h"

namespace host {

// Name of a sub-type of conference method 1 ("create", "leave" ...), "" when unknown.
const char* ConfSubTypeName(int subType);

// One line per field that is set (zero fields are left out, except the conference type of
// the sub-types that always carry it), each beginning with indent and ending in a newline.
std::string FormatConfMethodRecord(const ConfMethodRecord& rec, const std::string& indent);

}  // namespace host
