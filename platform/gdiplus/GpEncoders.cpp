#include "platform/gdiplus/GpEncoders.h"

#include <stb/stb_image_write.h>

#include <algorithm>
#include <cstring>
#include <new>

#include "platform/gdiplus/GpFileIo.h"

namespace Gdiplus {
namespace {

// Class ids of this stand-in's encoders and their formats (our own values).
constexpr CLSID MakeId(DWORD kind) {
  return CLSID{0x54a6e000u + kind, 0x7c31, 0x4d1e, {0x9b, 0x52, 0x1f, 0x0e, 0x6d, 0x33, 0xa4, 0x70}};
}

struct Encoder {
  ImageCodecInfo info;
  int (*write)(stbi_write_func* sink, void* context, const GpImage& image, int quality);
};

int WriteBmp(stbi_write_func* sink, void* context, const GpImage& image, int) {
  return stbi_write_bmp_to_func(sink, context, image.width, image.height, image.channels,
                                image.pixels.data());
}

int WriteJpeg(stbi_write_func* sink, void* context, const GpImage& image, int quality) {
  return stbi_write_jpg_to_func(sink, context, image.width, image.height, image.channels, image.pixels.data(),
                                quality);
}

int WritePng(stbi_write_func* sink, void* context, const GpImage& image, int) {
  return stbi_write_png_to_func(sink, context, image.width, image.height, image.channels, image.pixels.data(),
                                image.width * image.channels);
}

const Encoder kEncoders[] = {
    {{MakeId(0x10), MakeId(0x20), "Built-in BMP Codec", "BMP", "*.BMP;*.DIB;*.RLE", "image/bmp"}, WriteBmp},
    {{MakeId(0x11), MakeId(0x21), "Built-in JPEG Codec", "JPEG", "*.JPG;*.JPEG;*.JPE;*.JFIF", "image/jpeg"},
     WriteJpeg},
    {{MakeId(0x12), MakeId(0x22), "Built-in PNG Codec", "PNG", "*.PNG", "image/png"}, WritePng},
};
constexpr UINT kEncoderCount = sizeof(kEncoders) / sizeof(kEncoders[0]);

const Encoder* FindEncoder(const CLSID* clsid) {
  for (const Encoder& encoder : kEncoders) {
    if (memcmp(&encoder.info.Clsid, clsid, sizeof(CLSID)) == 0) return &encoder;
  }
  return nullptr;
}

// stb hands the encoded bytes over in pieces; a failed allocation is remembered.
struct Sink {
  std::vector<BYTE>* out;
  bool failed;
};

void Append(void* context, void* data, int size) {
  Sink* sink = static_cast<Sink*>(context);
  if (sink->failed) return;
  try {
    const BYTE* bytes = static_cast<const BYTE*>(data);
    sink->out->insert(sink->out->end(), bytes, bytes + size);
  } catch (const std::bad_alloc&) {
    sink->failed = true;
  }
}

}  // namespace

Status GdipGetImageEncodersSize(UINT* numEncoders, UINT* size) {
  if (!numEncoders || !size) return InvalidParameter;
  *numEncoders = kEncoderCount;
  *size = kEncoderCount * sizeof(ImageCodecInfo);
  return Ok;
}

Status GdipGetImageEncoders(UINT numEncoders, UINT size, ImageCodecInfo* encoders) {
  if (!encoders || numEncoders != kEncoderCount || size != kEncoderCount * sizeof(ImageCodecInfo)) {
    return InvalidParameter;
  }
  for (UINT i = 0; i < kEncoderCount; ++i) encoders[i] = kEncoders[i].info;
  return Ok;
}

Status GdipSaveImageToMemory(const GpImage* image, const CLSID* encoder, const EncoderParameters* params,
                             std::vector<BYTE>* out) {
  if (!image || !encoder || !out) return InvalidParameter;
  const Encoder* found = FindEncoder(encoder);
  if (!found) return FileNotFound;
  int quality = params ? std::min(100, std::max(1, params->Quality)) : kDefaultJpegQuality;
  out->clear();
  Sink sink{out, false};
  if (!found->write(Append, &sink, *image, quality) || sink.failed) {
    out->clear();
    return OutOfMemory;
  }
  return Ok;
}

Status GdipSaveImageToFile(const GpImage* image, const char* path, const CLSID* encoder,
                           const EncoderParameters* params) {
  if (!path || !*path) return InvalidParameter;
  std::vector<BYTE> bytes;
  Status status = GdipSaveImageToMemory(image, encoder, params, &bytes);
  if (status != Ok) return status;
  return gpfile::WriteFile(path, bytes) ? Ok : Win32Error;
}

}  // namespace Gdiplus
