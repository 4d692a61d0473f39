// Pictures for the picture-object and page tests: BMP bytes drawn here, the same picture
// re-encoded through the image holder, files in a temporary folder, and a fixture whose
// application folder holds "Hand.bmp" and "laser.gif".
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/CString.h"
#include "platform/gdi/Dc.h"
#include "platform/gdi/Surface.h"
#include "tests/support/DesktopTest.h"
#include "vezadazavo/VezadaZavo.h"

namespace wbtest {

typedef std::vector<BYTE> Bytes;

// A 24-bit BMP whose pixel (x, y) has colour(x, y), followed by `trailing` zero bytes that the
// header's file size counts.
Bytes MakeBmp(int width, int height, const std::function<COLORREF(int, int)>& colour, size_t trailing = 0);
// A width x height picture: red left half, blue right half.
Bytes HalvesBmp(int width, int height);
// bmp decoded and encoded again as "png" or "jpeg" by the image holder.
Bytes Reencode(const Bytes& bmp, const char* format);
CString Base64(const Bytes& bytes);
CString DataUrl(const char* format, const Bytes& bytes);
Bytes ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const Bytes& bytes);
std::string AppPicturesDir();

// A white canvas with a DC drawing into it.
class Canvas {
 public:
  Canvas(int width, int height);
  CDC* dc() { return &dc_; }
  COLORREF At(int x, int y) const { return surface_.GetPixel(x, y); }
  BOOL WritePng(const char* path) const { return surface_.WritePng(path); }

 private:
  gdi::SurfaceRef surface_;
  CDC dc_;
};

// A fresh desktop, the application folder pointed at the pictures' folder and a fresh
// temporary folder for files.
class PictureTest : public tavtest::DesktopTest {
 protected:
  void SetUp() override;
  void TearDown() override;
  std::string TempPath(const char* name) const { return tempDir_ + name; }

 private:
  VzDataSet saved_;
  std::string tempDir_;
};

}  // namespace wbtest
