#include "whiteboard/model/GdipImage.h"

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "common/ModuleLog.h"
#include "platform/Charset.h"
#include "platform/gdiplus/GpDraw.h"
#include "platform/gdiplus/GpEncoders.h"
#include "platform/ui/MessageBox.h"

using namespace Gdiplus;

namespace {

ULONG_PTR g_gdiplusToken = 0;

// File names are GBK in the module and UTF-8 on disk.
bool ToFileSystemPath(const char* path, std::string* utf8) {
  return path && *path && charset::TryGbkToUtf8(path, utf8);
}

// Owned by the desktop: no owner window.
void ShowUnsupportedFormat() { MessageBox(nullptr, "不支持的文件格式！", "Error", MB_OK); }

}  // namespace

Status GdiplusInit() {
  GdiplusStartupInput input;
  return GdiplusStartup(&g_gdiplusToken, &input, nullptr);
}

void GdiplusTerm() { GdiplusShutdown(g_gdiplusToken); }

int GetEncoderClsid(const char* mimeType, CLSID* clsid) {
  UINT count = 0, size = 0;
  if (!mimeType || GdipGetImageEncodersSize(&count, &size) != Ok || count == 0 || size == 0) return -1;
  std::unique_ptr<ImageCodecInfo[]> encoders(new (std::nothrow) ImageCodecInfo[count]);
  if (!encoders || GdipGetImageEncoders(count, size, encoders.get()) != Ok) return -1;
  for (UINT i = 0; i < count; ++i) {
    if (strcmp(encoders[i].MimeType, mimeType) == 0) {
      if (clsid) *clsid = encoders[i].Clsid;
      return (int)i;
    }
  }
  return -1;
}

CGdipImage::CGdipImage(const CGdipImage& other) {
  if (other.m_pImage) GdipCloneImage(other.m_pImage, &m_pImage);
}

CGdipImage& CGdipImage::operator=(const CGdipImage& other) {
  if (this == &other) return *this;
  Dispose();
  if (other.m_pImage) GdipCloneImage(other.m_pImage, &m_pImage);
  return *this;
}

CGdipImage::~CGdipImage() { Dispose(); }

void CGdipImage::Dispose() {
  if (m_pImage) GdipDisposeImage(m_pImage);
  m_pImage = nullptr;
}

BOOL CGdipImage::LoadFromFile(const char* path) {
  Dispose();
  std::string utf8;
  if (ToFileSystemPath(path, &utf8) && GdipLoadImageFromFile(utf8.c_str(), &m_pImage) == Ok) return TRUE;
  ShowUnsupportedFormat();  // a failed load leaves no image
  return FALSE;
}

BOOL CGdipImage::LoadFromMemory(const void* data, UINT size) {
  Dispose();
  Status status = GdipLoadImageFromMemory(data, size, &m_pImage);
  if (status == ValueOverflow) {
    CString line;
    line.Format("[ERROR]picture refused: over %llu pixels, or more than its %u bytes can hold\n",
                kMaxImagePixels, size);
    ModuleLog(line);
  }
  return status == Ok;
}

BOOL CGdipImage::Draw(CDC* dc, int x, int y, int width, int height, int srcX, int srcY, int srcWidth,
                      int srcHeight) {
  if (!m_pImage || !dc) return FALSE;
  return GdipDrawImageRectRect(dc, m_pImage, x, y, width, height, srcX, srcY, srcWidth, srcHeight) == Ok;
}

UINT CGdipImage::GetWidth() const {
  UINT width = 0;
  if (m_pImage) GdipGetImageWidth(m_pImage, &width);
  return width;
}

UINT CGdipImage::GetHeight() const {
  UINT height = 0;
  if (m_pImage) GdipGetImageHeight(m_pImage, &height);
  return height;
}

BOOL CGdipImage::SaveToFile(const char* path, const char* mimeType, int quality) {
  CLSID encoder;
  std::string utf8;
  if (!m_pImage || GetEncoderClsid(mimeType, &encoder) < 0 || !ToFileSystemPath(path, &utf8)) return FALSE;
  EncoderParameters params{quality};
  return GdipSaveImageToFile(m_pImage, utf8.c_str(), &encoder, &params) == Ok;
}

BOOL CGdipImage::SaveBmpToFile(const char* path) { return SaveToFile(path, "image/bmp", 0); }
BOOL CGdipImage::SaveJpegToFile(const char* path, int quality) {
  return SaveToFile(path, "image/jpeg", quality);
}
BOOL CGdipImage::SavePngToFile(const char* path, int quality) {
  return SaveToFile(path, "image/png", quality);
}

UINT CGdipImage::SaveToMemory(BYTE* buffer, UINT size, const char* mimeType, int quality) {
  CLSID encoder;
  if (!m_pImage || !buffer || GetEncoderClsid(mimeType, &encoder) < 0) return 0;
  std::vector<BYTE> encoded;
  EncoderParameters params{quality};
  if (GdipSaveImageToMemory(m_pImage, &encoder, &params, &encoded) != Ok) return 0;
  if (encoded.empty() || encoded.size() > size) return 0;
  memcpy(buffer, encoded.data(), encoded.size());
  return (UINT)encoded.size();
}

UINT CGdipImage::SaveBmpToMemory(BYTE* buffer, UINT size) {
  return SaveToMemory(buffer, size, "image/bmp", 0);
}
UINT CGdipImage::SaveJpegToMemory(BYTE* buffer, UINT size, int quality) {
  return SaveToMemory(buffer, size, "image/jpeg", quality);
}
UINT CGdipImage::SavePngToMemory(BYTE* buffer, UINT size, int quality) {
  return SaveToMemory(buffer, size, "image/png", quality);
}
