// Drawing a picture stretched into a device context, checked by sampling pixels.
#include <gtest/gtest.h>

#include "platform/gdi/Dc.h"
#include "platform/gdi/Surface.h"
#include "tests/whiteboard/model/ImageSamples.h"
#include "whiteboard/model/GdipImage.h"

using samples::Bytes;

namespace {

const COLORREF kPaper = RGB(250, 250, 250);

class GdipImageDraw : public ::testing::Test {
 protected:
  void SetUp() override {
    surface_ = gdi::SurfaceRef::CreateRgb(120, 80);
    ASSERT_TRUE(dc_.AttachSurface(surface_.Get()));
    dc_.FillSolidRect(0, 0, 120, 80, kPaper);
  }

  // A 2 x 2 picture: red, green / blue, and a half-transparent black (or opaque yellow).
  void LoadQuarters(bool translucent) {
    samples::Pixels p{2, 2, 4, {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 0, 0, 0, 128}};
    if (!translucent) p.data = {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 0, 255};
    Bytes png = samples::EncodePng(p);
    ASSERT_TRUE(image_.LoadFromMemory(png.data(), (UINT)png.size()));
  }

  COLORREF At(int x, int y) { return dc_.GetPixel(x, y); }

  gdi::SurfaceRef surface_;
  CDC dc_;
  CGdipImage image_;
};

TEST_F(GdipImageDraw, StretchesEachSourcePixelOverItsShareOfTheRectangle) {
  LoadQuarters(false);
  ASSERT_TRUE(image_.Draw(&dc_, 10, 20, 40, 30, 0, 0, 2, 2));
  EXPECT_EQ(RGB(255, 0, 0), At(10, 20));
  EXPECT_EQ(RGB(255, 0, 0), At(29, 34));
  EXPECT_EQ(RGB(0, 255, 0), At(30, 20));
  EXPECT_EQ(RGB(0, 255, 0), At(49, 34));
  EXPECT_EQ(RGB(0, 0, 255), At(10, 35));
  EXPECT_EQ(RGB(255, 255, 0), At(49, 49));
  // Nothing outside the destination rectangle.
  EXPECT_EQ(kPaper, At(9, 20));
  EXPECT_EQ(kPaper, At(50, 20));
  EXPECT_EQ(kPaper, At(10, 19));
  EXPECT_EQ(kPaper, At(10, 50));
}

TEST_F(GdipImageDraw, ASourceRectangleSelectsPartOfThePicture) {
  LoadQuarters(false);
  ASSERT_TRUE(image_.Draw(&dc_, 0, 0, 6, 6, 1, 0, 1, 1));
  for (int i = 0; i < 6; ++i) EXPECT_EQ(RGB(0, 255, 0), At(i, 5 - i)) << i;
  EXPECT_EQ(kPaper, At(6, 0));
  // A source reaching past the picture leaves the paper showing there.
  ASSERT_TRUE(image_.Draw(&dc_, 60, 0, 4, 4, 1, 1, 2, 2));
  EXPECT_EQ(RGB(255, 255, 0), At(60, 0));
  EXPECT_EQ(kPaper, At(63, 0));
  EXPECT_EQ(kPaper, At(60, 3));
}

TEST_F(GdipImageDraw, AlphaBlendsOverWhatIsThere) {
  LoadQuarters(true);
  ASSERT_TRUE(image_.Draw(&dc_, 0, 0, 4, 4, 0, 0, 2, 2));
  COLORREF half = At(3, 3);
  EXPECT_NEAR(125, GetRValue(half), 1);
  EXPECT_NEAR(125, GetGValue(half), 1);
  EXPECT_NEAR(125, GetBValue(half), 1);
  EXPECT_EQ(RGB(255, 0, 0), At(0, 0));
}

TEST_F(GdipImageDraw, ViewportOriginAndClipApply) {
  LoadQuarters(false);
  dc_.SetViewportOrg(-5, -7);
  dc_.IntersectClipRect(0, 0, 20, 20);  // logical; device 0..15 x 0..13 once the origin applies
  ASSERT_TRUE(image_.Draw(&dc_, 5, 7, 20, 20, 0, 0, 2, 2));
  dc_.SetViewportOrg(0, 0);
  dc_.SelectClipRgn(nullptr);
  EXPECT_EQ(RGB(255, 0, 0), At(0, 0));
  EXPECT_EQ(RGB(0, 255, 0), At(14, 0));
  EXPECT_EQ(kPaper, At(15, 0));
  EXPECT_EQ(kPaper, At(0, 13));
}

TEST_F(GdipImageDraw, AHugeDestinationCostsOnlyTheVisiblePart) {
  LoadQuarters(false);
  ASSERT_TRUE(image_.Draw(&dc_, -1000000, -1000000, 3000000, 3000000, 0, 0, 2, 2));
  EXPECT_EQ(RGB(255, 0, 0), At(0, 0));
  EXPECT_EQ(RGB(255, 0, 0), At(119, 79));
  ASSERT_TRUE(image_.Draw(&dc_, 2147483000, 0, 2147483000, 10, 0, 0, 2, 2));
}

TEST_F(GdipImageDraw, EmptyHolderOrRectangleDrawsNothing) {
  EXPECT_FALSE(image_.Draw(&dc_, 0, 0, 50, 50, 0, 0, 1, 1));
  EXPECT_EQ(kPaper, At(0, 0));
  LoadQuarters(false);
  EXPECT_FALSE(image_.Draw(nullptr, 0, 0, 50, 50, 0, 0, 2, 2));
  EXPECT_TRUE(image_.Draw(&dc_, 0, 0, 0, 50, 0, 0, 2, 2));
  EXPECT_TRUE(image_.Draw(&dc_, 0, 0, 50, 50, 0, 0, 2, -2));
  EXPECT_EQ(kPaper, At(0, 0));
}

}  // namespace
