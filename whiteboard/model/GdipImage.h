// CGdipImage: one decoded raster picture for the picture strokes and the screen capture. Loads
// JPEG, PNG, BMP and GIF (first frame) pictures from a file or from memory, draws them stretched
// into a device context, and encodes them as BMP, JPEG or PNG into a file or a caller's buffer.
#pragma once

#include "platform/gdiplus/GdiPlus.h"
#include "platform/gdiplus/GpImage.h"

class CDC;

// Starts GDI+ for the module; the token is kept module-wide. Calling it again is harmless.
Gdiplus::Status GdiplusInit();
// Stops GDI+ with the kept token.
void GdiplusTerm();
// The index of the first installed encoder whose MIME type equals mimeType exactly (case
// matters), with its class id in *clsid; -1 when none matches.
int GetEncoderClsid(const char* mimeType, CLSID* clsid);

class CGdipImage {
 public:
  CGdipImage() = default;
  CGdipImage(const CGdipImage& other);
  CGdipImage& operator=(const CGdipImage& other);
  virtual ~CGdipImage();

  // Paths are GBK, as everywhere in the module. A file that is not a picture shows
  // "不支持的文件格式！" and leaves the holder empty.
  BOOL LoadFromFile(const char* path);
  BOOL LoadBmpFromFile(const char* path) { return LoadFromFile(path); }
  BOOL LoadJpegFromFile(const char* path) { return LoadFromFile(path); }
  BOOL LoadPngFromFile(const char* path) { return LoadFromFile(path); }

  // Any failure (bad or truncated data, NULL, no bytes) leaves the holder empty, silently.
  BOOL LoadFromMemory(const void* data, UINT size);
  BOOL LoadBmpFromMemory(const void* data, UINT size) { return LoadFromMemory(data, size); }
  BOOL LoadJpegFromMemory(const void* data, UINT size) { return LoadFromMemory(data, size); }
  BOOL LoadPngFromMemory(const void* data, UINT size) { return LoadFromMemory(data, size); }

  // Draws the source rectangle of the picture stretched into the destination rectangle, in
  // pixels; FALSE when the holder is empty.
  BOOL Draw(CDC* dc, int x, int y, int width, int height, int srcX, int srcY, int srcWidth, int srcHeight);

  // The picture's size in pixels; 0 when empty.
  UINT GetWidth() const;
  UINT GetHeight() const;

  // FALSE when empty, without an encoder, or when the file cannot be written.
  BOOL SaveBmpToFile(const char* path);
  BOOL SaveJpegToFile(const char* path, int quality);
  BOOL SavePngToFile(const char* path, int quality);

  // The number of bytes written into buffer; 0 (buffer untouched) when empty, when encoding
  // fails, or when the encoded picture is larger than size. JPEG takes quality 1..100; PNG and
  // BMP are lossless and ignore it.
  UINT SaveBmpToMemory(BYTE* buffer, UINT size);
  UINT SaveJpegToMemory(BYTE* buffer, UINT size, int quality);
  UINT SavePngToMemory(BYTE* buffer, UINT size, int quality);

 private:
  void Dispose();
  BOOL SaveToFile(const char* path, const char* mimeType, int quality);
  UINT SaveToMemory(BYTE* buffer, UINT size, const char* mimeType, int quality);

  GpImage* m_pImage = nullptr;
};
