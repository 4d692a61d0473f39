// The conference defaults file "mmc_dfs.dat" of any bytes, read as the defaults page reads it.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "fuzz/FuzzBoards.h"
#include "platform/Files.h"
#include "setup/mmconfDefaultSet.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzboards::Reset();
  CString path = CmmconfDefaultSet::DefaultsFilePath();
  FILE* file = fopen(platform::NativePath(path).c_str(), "wb");
  if (!file) return 0;
  fwrite(data, 1, size, file);
  fclose(file);
  CmmconfDefaultSet page;
  page.LoadDefaultDataFromFile();
  return 0;
}
