// Picture decoding from untrusted bytes (received picture records, page XML, files): every input
// must load or be refused without a fault; small pictures that load are encoded again.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "whiteboard/model/GdipImage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CGdipImage image;
  if (!image.LoadFromMemory(data, (UINT)size)) return 0;
  if (image.GetWidth() * image.GetHeight() <= 64 * 64) {
    std::vector<BYTE> out(64 * 64 * 4 + 1024);
    image.SavePngToMemory(out.data(), (UINT)out.size(), 0);
    image.SaveJpegToMemory(out.data(), (UINT)out.size(), 85);
  }
  return 0;
}
