#include "platform/gdiplus/GpImage.h"

#include <stb/stb_image.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

#include "platform/gdiplus/GpFileIo.h"

namespace Gdiplus {
namespace {

struct StbFree {
  void operator()(stbi_uc* pixels) const { stbi_image_free(pixels); }
};

// The bytes as a stream that stb reads through callbacks. stb's direct memory reader advances
// its pointer by untrusted lengths without bounds (a wild read in a 32-bit process); through
// callbacks every skip and read is bounded here.
struct ByteStream {
  const BYTE* data;
  size_t size;
  size_t position;

  static int Read(void* user, char* out, int count) {
    ByteStream* s = static_cast<ByteStream*>(user);
    size_t n = std::min((size_t)std::max(count, 0), s->size - s->position);
    memcpy(out, s->data + s->position, n);
    s->position += n;
    return (int)n;
  }
  static void Skip(void* user, int count) {
    ByteStream* s = static_cast<ByteStream*>(user);
    if (count < 0)
      s->position -= std::min((size_t) - (long long)count, s->position);
    else
      s->position += std::min((size_t)count, s->size - s->position);
  }
  static int AtEnd(void* user) {
    ByteStream* s = static_cast<ByteStream*>(user);
    return s->position >= s->size;
  }
};
const stbi_io_callbacks kStreamCallbacks = {ByteStream::Read, ByteStream::Skip, ByteStream::AtEnd};

uint32_t BigEndian32(const BYTE* p) { return (uint32_t)p[0] << 24 | p[1] << 16 | p[2] << 8 | p[3]; }

// stb sizes its buffer for a PNG chunk from the chunk's length before reading it, so a few
// bytes could ask for gigabytes: a PNG whose chunk overruns the data is refused first.
bool PngChunksFit(const BYTE* data, size_t size) {
  static const BYTE kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (size < 8 || memcmp(data, kSignature, 8) != 0) return true;  // not a PNG
  for (size_t at = 8; size - at >= 8;) {
    uint32_t length = BigEndian32(data + at);
    if (length > size - at - 8) return false;
    if (memcmp(data + at + 4, "IEND", 4) == 0) return true;
    at += 8 + (size_t)length;
    at += std::min<size_t>(4, size - at);  // the CRC
  }
  return true;
}

bool IsWithinPixelLimit(long long width, long long height) {
  return width > 0 && height > 0 && width * height <= (long long)kMaxImagePixels;
}

// The most pixels that `size` bytes of the picture can carry. A BMP stores its rows as they
// are (8 pixels a byte at best); a JPEG spends at least a bit on every 8 x 8 block. Their
// decoders fill a cut picture's missing pixels one by one, so without this bound a few bytes
// announcing millions of pixels cost as much as a real picture of that size. The PNG and GIF
// decoders stop where their data ends.
unsigned long long MostPixelsCarried(const BYTE* data, size_t size) {
  if (size >= 2 && data[0] == 'B' && data[1] == 'M') return size * 8ull;
  if (size >= 2 && data[0] == 0xFF && data[1] == 0xD8) return size * 512ull;
  return kMaxImagePixels;
}

bool IsOpaque(const stbi_uc* rgba, size_t pixelCount) {
  for (size_t i = 0; i < pixelCount; ++i) {
    if (rgba[i * 4 + 3] != 255) return false;
  }
  return true;
}

// Keeps the decoder's RGBA output, or its RGB part when every pixel is opaque.
void TakePixels(const stbi_uc* rgba, GpImage* image) {
  size_t count = (size_t)image->width * (size_t)image->height;
  image->channels = IsOpaque(rgba, count) ? 3 : 4;
  if (image->channels == 4) {
    image->pixels.assign(rgba, rgba + count * 4);
    return;
  }
  image->pixels.resize(count * 3);
  BYTE* out = image->pixels.data();
  for (size_t i = 0; i < count; ++i) memcpy(out + i * 3, rgba + i * 4, 3);
}

Status Decode(const BYTE* data, size_t size, GpImage** result) {
  int width = 0, height = 0, components = 0;
  if (!PngChunksFit(data, size)) return UnknownImageFormat;
  ByteStream header{data, size, 0};
  if (!stbi_info_from_callbacks(&kStreamCallbacks, &header, &width, &height, &components))
    return UnknownImageFormat;
  // A top-down BMP announces a negative height; the decoder turns its rows over.
  long long rows = std::llabs((long long)height);
  if (!IsWithinPixelLimit(width, rows) || (unsigned long long)(width * rows) > MostPixelsCarried(data, size))
    return ValueOverflow;
  ByteStream whole{data, size, 0};
  std::unique_ptr<stbi_uc, StbFree> rgba(
      stbi_load_from_callbacks(&kStreamCallbacks, &whole, &width, &height, &components, 4));
  if (!rgba) return UnknownImageFormat;
  if (!IsWithinPixelLimit(width, height))
    return ValueOverflow;  // should the decoder disagree with the header
  std::unique_ptr<GpImage> image(new GpImage);
  image->width = width;
  image->height = height;
  TakePixels(rgba.get(), image.get());
  *result = image.release();
  return Ok;
}

}  // namespace

Status GdipLoadImageFromMemory(const void* data, UINT size, GpImage** image) {
  if (!image) return InvalidParameter;
  *image = nullptr;
  if (!data || size == 0) return InvalidParameter;
  try {
    return Decode(static_cast<const BYTE*>(data), size, image);
  } catch (const std::bad_alloc&) {
    return OutOfMemory;
  }
}

Status GdipLoadImageFromFile(const char* path, GpImage** image) {
  if (!image) return InvalidParameter;
  *image = nullptr;
  if (!path || !*path) return InvalidParameter;
  std::vector<BYTE> bytes;
  if (!gpfile::ReadFile(path, kMaxImageFileBytes, &bytes)) return FileNotFound;
  if (bytes.empty()) return UnknownImageFormat;
  return GdipLoadImageFromMemory(bytes.data(), (UINT)bytes.size(), image);
}

Status GdipCloneImage(const GpImage* image, GpImage** clone) {
  if (!image || !clone) return InvalidParameter;
  try {
    *clone = new GpImage(*image);
    return Ok;
  } catch (const std::bad_alloc&) {
    *clone = nullptr;
    return OutOfMemory;
  }
}

Status GdipDisposeImage(GpImage* image) {
  if (!image) return InvalidParameter;
  delete image;
  return Ok;
}

Status GdipGetImageWidth(const GpImage* image, UINT* width) {
  if (!image || !width) return InvalidParameter;
  *width = (UINT)image->width;
  return Ok;
}

Status GdipGetImageHeight(const GpImage* image, UINT* height) {
  if (!image || !height) return InvalidParameter;
  *height = (UINT)image->height;
  return Ok;
}

}  // namespace Gdiplus
