// The conference defaults file "mmc_dfs.dat" of any bytes, read as the module reads it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "module/ConfDefaultsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ConfDefaultData d;
  ParseConfDefaultsFile(std::string(reinterpret_cast<const char*>(data), size), &d);
  return 0;
}
