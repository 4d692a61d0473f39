// Encoding into memory: round trips through every format, the buffer contract, the encoders.
#include <gtest/gtest.h>

#include "tests/whiteboard/model/ImageSamples.h"
#include "whiteboard/model/GdipImage.h"

using samples::Bytes;
using samples::Pixels;

namespace {

enum class Format { Bmp, Jpeg, Png };

UINT Save(CGdipImage& image, Format format, BYTE* buffer, UINT size, int quality = 85) {
  switch (format) {
    case Format::Bmp:
      return image.SaveBmpToMemory(buffer, size);
    case Format::Jpeg:
      return image.SaveJpegToMemory(buffer, size, quality);
    case Format::Png:
      return image.SavePngToMemory(buffer, size, quality);
  }
  return 0;
}

Bytes SaveAll(CGdipImage& image, Format format, int quality = 85) {
  Bytes buffer(1 << 20);
  buffer.resize(Save(image, format, buffer.data(), (UINT)buffer.size(), quality));
  return buffer;
}

CGdipImage Loaded(const Bytes& bytes) {
  CGdipImage image;
  EXPECT_TRUE(image.LoadFromMemory(bytes.data(), (UINT)bytes.size()));
  return image;
}

TEST(GdipImageSave, PngAndBmpKeepEveryPixelAndTheAlpha) {
  for (int channels : {3, 4}) {
    Pixels pattern = samples::Pattern(13, 7, channels);
    for (Format format : {Format::Png, Format::Bmp}) {
      CGdipImage image = Loaded(samples::EncodePng(pattern));
      Pixels back = samples::Decode(SaveAll(image, format), channels);
      ASSERT_EQ(13, back.width);
      ASSERT_EQ(7, back.height);
      EXPECT_EQ(pattern.data, back.data) << "channels " << channels;
    }
  }
}

TEST(GdipImageSave, AChainOfFormatsEndsWithTheSamePixels) {
  Pixels pattern = samples::Pattern(10, 10, 3);
  CGdipImage first = Loaded(samples::EncodeBmp(pattern));
  CGdipImage second = Loaded(SaveAll(first, Format::Png));
  CGdipImage third = Loaded(SaveAll(second, Format::Bmp));
  EXPECT_EQ(pattern.data, samples::Decode(SaveAll(third, Format::Png), 3).data);
}

TEST(GdipImageSave, JpegStaysCloseAndQualityMatters) {
  Pixels gradient = samples::Gradient(40, 30);
  CGdipImage image = Loaded(samples::EncodePng(gradient));
  Bytes good = SaveAll(image, Format::Jpeg, 95);
  Bytes poor = SaveAll(image, Format::Jpeg, 5);
  ASSERT_FALSE(poor.empty());
  EXPECT_LT(poor.size(), good.size());
  Pixels back = samples::Decode(good, 3);
  ASSERT_EQ(40, back.width);
  ASSERT_EQ(30, back.height);
  EXPECT_LE(samples::MaxChannelDifference(gradient, back), 8);
  // A JPEG loaded and saved again keeps its colours too.
  CGdipImage jpeg = Loaded(samples::EncodeJpeg(gradient, 90));
  EXPECT_LE(samples::MaxChannelDifference(gradient, samples::Decode(SaveAll(jpeg, Format::Jpeg, 85), 3)), 12);
}

TEST(GdipImageSave, ABufferOneByteShortGetsNothing) {
  CGdipImage image = Loaded(samples::EncodePng(samples::Pattern(8, 8, 3)));
  for (Format format : {Format::Bmp, Format::Jpeg, Format::Png}) {
    UINT needed = (UINT)SaveAll(image, format).size();
    ASSERT_GT(needed, 0u);
    Bytes buffer(needed, 0xAB);
    EXPECT_EQ(0u, Save(image, format, buffer.data(), needed - 1));
    EXPECT_EQ(Bytes(needed, 0xAB), buffer) << "the buffer stays untouched";
    EXPECT_EQ(needed, Save(image, format, buffer.data(), needed));
    EXPECT_EQ(SaveAll(image, format), buffer);
  }
}

TEST(GdipImageSave, AnEmptyHolderEncodesNothing) {
  CGdipImage empty;
  BYTE buffer[64];
  for (Format format : {Format::Bmp, Format::Jpeg, Format::Png}) {
    EXPECT_EQ(0u, Save(empty, format, buffer, sizeof(buffer)));
  }
  CGdipImage image = Loaded(samples::EncodePng(samples::Pattern(2, 2, 3)));
  EXPECT_EQ(0u, image.SavePngToMemory(nullptr, 1000, 0));
}

TEST(GdipImageSave, EncoderLookupGoesByTheExactMimeType) {
  CLSID jpeg{}, png{};
  EXPECT_GE(GetEncoderClsid("image/jpeg", &jpeg), 0);
  EXPECT_GE(GetEncoderClsid("image/png", &png), 0);
  EXPECT_GE(GetEncoderClsid("image/bmp", nullptr), 0);
  EXPECT_NE(0, memcmp(&jpeg, &png, sizeof(CLSID)));
  EXPECT_NE(GetEncoderClsid("image/jpeg", nullptr), GetEncoderClsid("image/png", nullptr));
  EXPECT_EQ(-1, GetEncoderClsid("image/JPEG", &jpeg));
  EXPECT_EQ(-1, GetEncoderClsid("image/gif", &jpeg));
  EXPECT_EQ(-1, GetEncoderClsid("", &jpeg));
  EXPECT_EQ(-1, GetEncoderClsid(nullptr, &jpeg));
}

TEST(GdipImageSave, StartAndStopKeepCountOfSessions) {
  int before = Gdiplus::GdiplusOpenSessions();
  EXPECT_EQ(Gdiplus::Ok, GdiplusInit());
  EXPECT_EQ(before + 1, Gdiplus::GdiplusOpenSessions());
  GdiplusTerm();
  EXPECT_EQ(before, Gdiplus::GdiplusOpenSessions());
  GdiplusTerm();  // the token is spent: nothing more happens
  EXPECT_EQ(before, Gdiplus::GdiplusOpenSessions());

  ULONG_PTR token = 0;
  Gdiplus::GdiplusStartupInput version2;
  version2.GdiplusVersion = 2;
  EXPECT_EQ(Gdiplus::UnsupportedGdiplusVersion, Gdiplus::GdiplusStartup(&token, &version2, nullptr));
  EXPECT_EQ(before, Gdiplus::GdiplusOpenSessions());
}

}  // namespace
