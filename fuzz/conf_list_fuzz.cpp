// The saved conference list "mmc.dat" of any bytes: read, and what was read written and read
// again to the same list.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "module/DataConfList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = "/tmp/tav-conf-list-fuzz-" + std::to_string(getpid()) + ".dat";
  FILE* file = fopen(path.c_str(), "wb");
  if (!file) return 0;
  // A saved list as it is; of other inputs, half are given the marker and scrambled, so that
  // the list itself is reached.
  std::string content(reinterpret_cast<const char*>(data), size);
  bool saved = content.compare(0, strlen(kDataConfMarker), kDataConfMarker) == 0;
  if (!saved && size > 0 && (data[0] & 1)) content = kDataConfMarker + ScrambleBytes(content.substr(1));
  fwrite(content.data(), 1, content.size(), file);
  fclose(file);
  DataConfInfoList list;
  if (!LoadDataConfListFile(path.c_str(), &list)) return 0;
  DataConfInfoList again;
  if (!ParseDataConfList(FormatDataConfList(list), &again) || again.GetSize() != list.GetSize()) abort();
  return 0;
}
