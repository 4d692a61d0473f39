// The module's string table: texts by id, registered by res/ at start-up and read through
// CString::LoadString.
#pragma once

#include <cstddef>

#include "platform/Win32Types.h"

namespace res {

struct StringEntry {
  UINT id;
  const char* text;
};

// Adds (or replaces) entries; the first call installs the table as CString's lookup.
void AddStrings(const StringEntry* entries, size_t count);

}  // namespace res
