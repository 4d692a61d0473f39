// GDI+ image encoders of the stand-in: the installed-encoder list and saving an image as BMP,
// JPEG or PNG into memory or a file.
#pragma once

#include <vector>

#include "platform/gdiplus/GpImage.h"

namespace Gdiplus {

// One installed encoder. The strings are static (GDI+ keeps them in the caller's buffer).
struct ImageCodecInfo {
  CLSID Clsid;
  CLSID FormatID;
  const char* CodecName;
  const char* FormatDescription;
  const char* FilenameExtension;
  const char* MimeType;
};

// Encoder settings; a NULL pointer takes the defaults.
struct EncoderParameters {
  int Quality;  // JPEG quality 1..100 (clamped); the other encoders are lossless and ignore it
};
constexpr int kDefaultJpegQuality = 75;

// The number of installed encoders and the bytes their list takes.
Status GdipGetImageEncodersSize(UINT* numEncoders, UINT* size);
// Copies the list into encoders; InvalidParameter unless the count and size are those reported.
Status GdipGetImageEncoders(UINT numEncoders, UINT size, ImageCodecInfo* encoders);

// Encodes the image with the encoder of that class id; `out` receives the whole encoded file.
// FileNotFound for an unknown encoder (as GDI+ answers), OutOfMemory when encoding fails.
Status GdipSaveImageToMemory(const GpImage* image, const CLSID* encoder, const EncoderParameters* params,
                             std::vector<BYTE>* out);
// As GdipSaveImageToMemory, then writes the file (UTF-8 path, '\' taken as '/'); Win32Error when
// the file cannot be written.
Status GdipSaveImageToFile(const GpImage* image, const char* path, const CLSID* encoder,
                           const EncoderParameters* params);

}  // namespace Gdiplus
