// Loading pictures from memory: every format, sizes, and the refusal of bad input.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "tests/whiteboard/model/ImageSamples.h"
#include "whiteboard/model/GdipImage.h"

using samples::Bytes;

namespace {

const char kIend[] = "IEND";

bool Load(CGdipImage* image, const Bytes& bytes) {
  return image->LoadFromMemory(bytes.data(), (UINT)bytes.size());
}

TEST(GdipImageLoad, EveryFormatReportsItsSize) {
  samples::Pixels pattern = samples::Pattern(7, 3, 3);  // odd width: padded BMP rows
  const Bytes encodings[] = {samples::EncodePng(pattern), samples::EncodeBmp(pattern),
                             samples::EncodeJpeg(pattern, 90)};
  for (const Bytes& bytes : encodings) {
    CGdipImage image;
    ASSERT_TRUE(Load(&image, bytes));
    EXPECT_EQ(7u, image.GetWidth());
    EXPECT_EQ(3u, image.GetHeight());
  }
}

// A BMP whose height is negative stores its rows top first; it is as valid as the usual kind.
TEST(GdipImageLoad, ATopDownBmpLoadsTheRightWayUp) {
  samples::Pixels pattern = samples::Pattern(5, 3, 3);
  Bytes bmp = samples::EncodeBmp(pattern);
  uint32_t dataOffset = 0;
  int32_t height = 0;
  memcpy(&dataOffset, &bmp[10], 4);
  memcpy(&height, &bmp[22], 4);
  ASSERT_EQ(3, height);
  const size_t row = (5 * 3 + 3) & ~3u;
  Bytes topDown(bmp.begin(), bmp.begin() + dataOffset);
  for (int y = height - 1; y >= 0; --y) {
    auto from = bmp.begin() + dataOffset + (size_t)y * row;
    topDown.insert(topDown.end(), from, from + row);
  }
  int32_t negative = -height;
  memcpy(&topDown[22], &negative, 4);
  CGdipImage image;
  ASSERT_TRUE(Load(&image, topDown));
  EXPECT_EQ(5u, image.GetWidth());
  EXPECT_EQ(3u, image.GetHeight());
  std::vector<BYTE> png(4096);
  UINT size = image.SavePngToMemory(png.data(), (UINT)png.size(), 100);
  ASSERT_GT(size, 0u);
  EXPECT_EQ(0, samples::MaxChannelDifference(samples::Decode(Bytes(png.begin(), png.begin() + size), 3), pattern));
}

TEST(GdipImageLoad, GifGivesItsFirstFrame) {
  CGdipImage image;
  ASSERT_TRUE(Load(&image, samples::TwoFrameGif()));
  ASSERT_EQ(2u, image.GetWidth());
  ASSERT_EQ(2u, image.GetHeight());
  std::vector<BYTE> png(1024);
  UINT size = image.SavePngToMemory(png.data(), (UINT)png.size(), 100);
  ASSERT_GT(size, 0u);
  samples::Pixels frame = samples::Decode(Bytes(png.begin(), png.begin() + size), 3);
  const uint8_t expected[4][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
  for (int i = 0; i < 4; ++i) {
    const uint8_t* px = frame.At(i % 2, i / 2);
    EXPECT_EQ(expected[i][0], px[0]) << i;
    EXPECT_EQ(expected[i][1], px[1]) << i;
    EXPECT_EQ(expected[i][2], px[2]) << i;
  }
}

TEST(GdipImageLoad, NothingUsableIsRefusedAndLeavesTheHolderEmpty) {
  Bytes garbage(300);
  for (size_t i = 0; i < garbage.size(); ++i) garbage[i] = (uint8_t)(i * 7 + 3);
  Bytes good = samples::EncodePng(samples::Pattern(3, 3, 3));
  CGdipImage image;
  ASSERT_TRUE(Load(&image, good));
  EXPECT_FALSE(Load(&image, garbage));
  EXPECT_EQ(0u, image.GetWidth());
  EXPECT_EQ(0u, image.GetHeight());

  ASSERT_TRUE(Load(&image, good));
  EXPECT_FALSE(image.LoadFromMemory(nullptr, 100));
  EXPECT_EQ(0u, image.GetWidth());
  EXPECT_FALSE(image.LoadFromMemory(good.data(), 0));
  EXPECT_FALSE(image.LoadFromMemory("", 0));
  EXPECT_FALSE(Load(&image, Bytes(good.begin(), good.begin() + 8)));  // the signature alone
}

TEST(GdipImageLoad, APngCutShortOfItsEndChunkIsRefused) {
  Bytes png = samples::EncodePng(samples::Pattern(9, 6, 4));
  size_t endChunk = std::search(png.begin(), png.end(), kIend, kIend + 4) - png.begin() - 4;
  ASSERT_LT(endChunk, png.size());
  for (size_t cut = 1; cut <= endChunk; ++cut) {
    CGdipImage image;
    EXPECT_FALSE(Load(&image, Bytes(png.begin(), png.begin() + cut))) << "cut at " << cut;
    EXPECT_EQ(0u, image.GetWidth());
  }
}

TEST(GdipImageLoad, CutJpegBmpAndGifNeverReadPastTheirData) {
  // These decoders fill a cut-off tail of pixel data; what matters is that nothing outside the
  // buffer is read (ASan) and that a load either fails or reports the whole size.
  const Bytes whole[] = {samples::EncodeJpeg(samples::Pattern(16, 16, 3), 80),
                         samples::EncodeBmp(samples::Pattern(5, 4, 3)), samples::TwoFrameGif()};
  for (const Bytes& bytes : whole) {
    for (size_t cut = 1; cut < bytes.size(); ++cut) {
      CGdipImage image;
      if (Load(&image, Bytes(bytes.begin(), bytes.begin() + cut))) {
        EXPECT_NE(0u, image.GetWidth() * image.GetHeight()) << cut;
      } else {
        EXPECT_EQ(0u, image.GetWidth()) << cut;
      }
    }
  }
}

TEST(GdipImageLoad, PicturesBeyondThePixelLimitAreRefusedFromTheirHeader) {
  CGdipImage image;
  ASSERT_TRUE(Load(&image, samples::OnePixelGif(1000, 1000)));
  EXPECT_EQ(1000u, image.GetWidth());
  EXPECT_FALSE(Load(&image, samples::OnePixelGif(4097, 4096)));
  EXPECT_FALSE(Load(&image, samples::OnePixelGif(65535, 65535)));
  EXPECT_FALSE(Load(&image, samples::PngHeaderOnly(4097, 4096)));
  EXPECT_FALSE(Load(&image, samples::PngHeaderOnly(1u << 24, 2)));
  EXPECT_FALSE(Load(&image, samples::PngHeaderOnly(0x7fffffff, 0x7fffffff)));
}

TEST(GdipImageLoad, PicturesAnnouncingMorePixelsThanTheirBytesCarryAreRefused) {
  // A few hundred bytes announcing 4096 x 4096 pixels: a BMP carries 8 pixels a byte at best, a
  // JPEG at least a bit for every 8 x 8 block. The decoders would fill the rest pixel by pixel.
  Bytes bmp = samples::EncodeBmp(samples::Pattern(5, 4, 3));
  const uint8_t side[4] = {0x00, 0x10, 0x00, 0x00};
  memcpy(&bmp[18], side, 4);
  memcpy(&bmp[22], side, 4);
  Bytes jpeg = samples::EncodeJpeg(samples::Pattern(16, 16, 3), 80);
  const uint8_t sof[2] = {0xFF, 0xC0};
  auto at = std::search(jpeg.begin(), jpeg.end(), sof, sof + 2);
  ASSERT_NE(at, jpeg.end());
  const uint8_t size[4] = {0x10, 0x00, 0x10, 0x00};  // height, width (big-endian)
  std::copy(size, size + 4, at + 5);
  for (const Bytes& bytes : {bmp, jpeg}) {
    CGdipImage image;
    EXPECT_FALSE(Load(&image, bytes));
    EXPECT_EQ(0u, image.GetWidth());
  }
}

TEST(GdipImageLoad, AJpegHuffmanTableWithTooManyCodesIsRefused) {
  // 16 code lengths of 255 codes each: 4,080 codes where a table holds 256. (The sanitizer
  // build traps on the write past the table should the bound ever go missing.)
  Bytes jpeg = {0xFF, 0xD8, 0xFF, 0xC4, 0x0F, 0xF3, 0x03};
  jpeg.insert(jpeg.end(), 16, 0xFF);
  jpeg.insert(jpeg.end(), 16 * 255, 0x00);
  jpeg.insert(jpeg.end(), {0xFF, 0xD9});
  CGdipImage image;
  EXPECT_FALSE(Load(&image, jpeg));
}

TEST(GdipImageLoad, CopiesOwnTheirOwnPicture) {
  CGdipImage original;
  ASSERT_TRUE(Load(&original, samples::EncodePng(samples::Pattern(6, 2, 3))));
  CGdipImage copy(original);
  CGdipImage assigned;
  assigned = original;
  ASSERT_TRUE(Load(&original, samples::EncodePng(samples::Pattern(1, 9, 3))));
  EXPECT_EQ(6u, copy.GetWidth());
  EXPECT_EQ(6u, assigned.GetWidth());
  const CGdipImage& same = assigned;
  assigned = same;
  EXPECT_EQ(2u, assigned.GetHeight());
  CGdipImage empty;
  assigned = empty;
  EXPECT_EQ(0u, assigned.GetWidth());
}

}  // namespace
