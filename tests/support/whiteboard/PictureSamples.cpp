#include "tests/support/whiteboard/PictureSamples.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "common/Codecs.h"
#include "whiteboard/model/GdipImage.h"

namespace wbtest {

namespace {

void PutLittleEndian(Bytes* out, uint32_t value, int size) {
  for (int i = 0; i < size; ++i) out->push_back((BYTE)(value >> (8 * i)));
}

}  // namespace

Bytes MakeBmp(int width, int height, const std::function<COLORREF(int, int)>& colour, size_t trailing) {
  const uint32_t stride = (uint32_t)(width * 3 + 3) & ~3u;
  const uint32_t offset = 54;
  const uint32_t size = offset + stride * (uint32_t)height + (uint32_t)trailing;
  Bytes out = {'B', 'M'};
  PutLittleEndian(&out, size, 4);
  PutLittleEndian(&out, 0, 4);
  PutLittleEndian(&out, offset, 4);
  for (uint32_t v : {40u, (uint32_t)width, (uint32_t)height}) PutLittleEndian(&out, v, 4);
  PutLittleEndian(&out, 1, 2);
  PutLittleEndian(&out, 24, 2);
  for (uint32_t v : {0u, stride * (uint32_t)height, 2835u, 2835u, 0u, 0u}) PutLittleEndian(&out, v, 4);
  out.resize(offset, 0);
  for (int y = height - 1; y >= 0; --y) {  // bottom row first
    size_t rowStart = out.size();
    for (int x = 0; x < width; ++x) {
      COLORREF c = colour(x, y);
      out.insert(out.end(), {GetBValue(c), GetGValue(c), GetRValue(c)});
    }
    out.resize(rowStart + stride, 0);
  }
  out.resize(size, 0);
  return out;
}

Bytes HalvesBmp(int width, int height) {
  return MakeBmp(width, height, [width](int x, int) { return x < width / 2 ? RGB(255, 0, 0) : RGB(0, 0, 255); });
}

Bytes Reencode(const Bytes& bmp, const char* format) {
  CGdipImage image;
  EXPECT_TRUE(image.LoadFromMemory(bmp.data(), (UINT)bmp.size()));
  Bytes out(1 << 20);
  UINT n = strcmp(format, "png") == 0 ? image.SavePngToMemory(out.data(), (UINT)out.size(), 100)
                                      : image.SaveJpegToMemory(out.data(), (UINT)out.size(), 95);
  EXPECT_GT(n, 0u);
  out.resize(n);
  return out;
}

CString Base64(const Bytes& bytes) {
  std::vector<BYTE> text((bytes.size() + 2) / 3 * 4 + 1);
  DWORD length = 0;
  EXPECT_EQ(0, drm_Base64Encode(bytes.data(), (int)bytes.size(), text.data(), &length));
  return CString((const char*)text.data(), (int)length);
}

CString DataUrl(const char* format, const Bytes& bytes) {
  return CString("data:image/") + format + ";base64," + Base64(bytes);
}

Bytes ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write((const char*)bytes.data(), (std::streamsize)bytes.size());
  ASSERT_TRUE(out.good()) << path;
}

std::string AppPicturesDir() { return TAV_APP_PICTURES_DIR; }

Canvas::Canvas(int width, int height) : surface_(gdi::SurfaceRef::CreateRgb(width, height)) {
  EXPECT_TRUE(dc_.AttachSurface(surface_.Get()));
}

void PictureTest::SetUp() {
  tavtest::DesktopTest::SetUp();
  saved_ = VzData();
  VzData().csAppPath = AppPicturesDir().c_str();
  char pattern[] = "/tmp/tav-page-test-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  tempDir_ = std::string(pattern) + "/";
}

void PictureTest::TearDown() {
  std::error_code error;
  std::filesystem::remove_all(tempDir_, error);
  VzSetDataSet(saved_);
  tavtest::DesktopTest::TearDown();
}

}  // namespace wbtest
