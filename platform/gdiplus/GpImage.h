// GDI+ image objects of the stand-in: decoding JPEG, PNG, BMP and GIF (first frame) pictures,
// size queries, clone and dispose.
#pragma once

#include <vector>

#include "platform/gdiplus/GdiPlus.h"

// A decoded picture: rows top first, no padding, 3 bytes (R, G, B) per pixel for an opaque
// picture or 4 (R, G, B, A, not premultiplied) when any pixel is not fully opaque.
struct GpImage {
  int width = 0;
  int height = 0;
  int channels = 0;
  std::vector<BYTE> pixels;
};

namespace Gdiplus {

// The largest picture accepted, in pixels (width x height): 16,777,216, for example 4096 x 4096
// (64 MiB of RGBA). It is checked against the header before anything is decoded, so a small
// hostile file cannot make the decoder allocate more.
constexpr unsigned long long kMaxImagePixels = 1ull << 24;
// The largest picture file read from disk (an uncompressed bitmap at the pixel limit fits).
constexpr long long kMaxImageFileBytes = 128ll << 20;

// The loads leave *image NULL when they fail.
// Decodes the bytes. UnknownImageFormat for bytes that do not decode as a JPEG, PNG, BMP or GIF
// picture (a JPEG, BMP or GIF cut short still loads, its missing pixels filled, as the decoder
// does); ValueOverflow for a picture larger than kMaxImagePixels, or announcing more pixels
// than its bytes can carry.
Status GdipLoadImageFromMemory(const void* data, UINT size, GpImage** image);
// Reads and decodes a file; the path is UTF-8, and '\' separators are taken as '/'.
// FileNotFound when it cannot be read, otherwise as GdipLoadImageFromMemory.
Status GdipLoadImageFromFile(const char* path, GpImage** image);
Status GdipCloneImage(const GpImage* image, GpImage** clone);
Status GdipDisposeImage(GpImage* image);
Status GdipGetImageWidth(const GpImage* image, UINT* width);
Status GdipGetImageHeight(const GpImage* image, UINT* height);

}  // namespace Gdiplus
