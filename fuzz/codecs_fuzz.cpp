// Feeds outside text to the module's decoders: Base64, hexadecimal (the defaults file's
// form) and the tag reader (the defaults file's content). The first byte picks the reader.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/Codecs.h"
#include "common/TagReader.h"

namespace {

void FuzzBase64(const uint8_t* data, size_t size) {
  // An output exactly as large as the caller believes, sometimes one byte short.
  DWORD outSize = (DWORD)(size / 4 * 3);
  if (size % 2 && outSize > 0) --outSize;
  std::vector<BYTE> out(outSize);
  DWORD outLen = 0;
  if (Base64Decode(data, (int)size, out.data(), &outLen, outSize) == 0 && outLen > outSize) __builtin_trap();
}

void FuzzHex(const uint8_t* data, size_t size) {
  CString hex(std::string(reinterpret_cast<const char*>(data), size).c_str());
  std::vector<BYTE> out(size / 3);
  int n = HexDecodeString(hex, out.data(), (int)out.size());
  if (n > (int)out.size()) __builtin_trap();
}

void FuzzTagReader(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  CTagReader reader;
  if (!reader.LoadText(text.c_str())) return;
  reader.FindTag("mmc_dfs");
  char value[260];
  for (int step = 0; step < 64; ++step) {
    reader.GetTagAttribute("subject", value, sizeof value);
    reader.GetTagAttribute("maxnum", value, 8);
    if (!reader.EnterTag() && !reader.NextTag()) reader.LeaveTag();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  switch (data[0] % 3) {
    case 0: FuzzBase64(data + 1, size - 1); break;
    case 1: FuzzHex(data + 1, size - 1); break;
    default: FuzzTagReader(data + 1, size - 1); break;
  }
  return 0;
}
