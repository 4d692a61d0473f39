#include "res/StringTable.h"

#include <map>

#include "platform/CString.h"

namespace res {
namespace {

std::map<UINT, const char*>& Table() {
  static auto* table = new std::map<UINT, const char*>;
  return *table;
}

const char* Lookup(UINT id) {
  auto it = Table().find(id);
  return it == Table().end() ? nullptr : it->second;
}

}  // namespace

void AddStrings(const StringEntry* entries, size_t count) {
  for (size_t i = 0; i < count; ++i) Table()[entries[i].id] = entries[i].text;
  SetStringTableLookup(Lookup);
}

}  // namespace res
