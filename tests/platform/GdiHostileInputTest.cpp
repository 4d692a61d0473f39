// Coordinates from received records can be anything; drawing and regions must stay quick
// and draw the visible part.
#include <gtest/gtest.h>

#include "tests/platform/GdiCanvas.h"

namespace {
const int kMin = INT32_MIN, kMax = INT32_MAX;
}

TEST(GdiHostileInputTest, HugeFiguresFillTheVisiblePartOnly) {
  GdiCanvas c(50, 40);
  CBrush red(kRed);
  c.dc.SelectObject(&red);
  c.dc.Rectangle(kMin, kMin, kMax, kMax);
  EXPECT_EQ(kRed, c.At(0, 0));  // the outline lies far outside
  EXPECT_EQ(kRed, c.At(49, 39));
  CBrush blue(kBlue);
  c.dc.SelectObject(&blue);
  c.dc.Ellipse(-1000000000, -1000000000, 1000000000, 1000000000);
  EXPECT_EQ(kBlue, c.At(0, 0));
  POINT tri[] = {{kMin, kMin}, {kMax, 0}, {kMin, kMax}};
  c.dc.SelectStockObject(WHITE_BRUSH);
  c.dc.Polygon(tri, 3);
  EXPECT_EQ(kWhite, c.At(25, 20));
  c.dc.RoundRect(kMin, kMin, kMax, kMax, kMax, kMin);
  RECT all{kMin, kMin, kMax, kMax};
  c.dc.FillSolidRect(&all, kRed);
  c.dc.FillSolidRect(kMax, kMax, kMax, kMax, kBlue);
  EXPECT_EQ(kRed, c.At(10, 10));
}

TEST(GdiHostileInputTest, HugeLinesDrawTheirVisiblePixels) {
  GdiCanvas c(50, 40);
  c.dc.MoveTo(kMin, 5);
  c.dc.LineTo(kMax, 5);
  for (int x = 0; x < 50; ++x) ASSERT_EQ(kBlack, c.At(x, 5)) << x;
  c.dc.MoveTo(kMin, kMin);
  c.dc.LineTo(kMax, kMax);  // a diagonal through the canvas, drawn without walking 2^32 steps
  CPen wide(PS_SOLID, kMax, kRed);
  c.dc.SelectObject(&wide);
  c.dc.MoveTo(kMin, 20);
  c.dc.LineTo(kMax, 20);
  EXPECT_EQ(kRed, c.At(25, 20));
  CPen dots(PS_DOT, 1, kBlue);
  c.dc.SelectObject(&dots);
  POINT far[] = {{kMax, kMax}, {kMin, 30}, {kMax, 30}};
  c.dc.Polyline(far, 3);
}

TEST(GdiHostileInputTest, SteepLinesLeavingTheSideStayOnTheSurface) {
  GdiCanvas c(10, 40);
  c.dc.MoveTo(-3, -5);
  c.dc.LineTo(3, 45);  // runs along y, enters and leaves through the left edge and the top
  c.dc.MoveTo(12, 0);
  c.dc.LineTo(6, 40);
  int black = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 10; ++x) black += c.At(x, y) == kBlack;
  EXPECT_GT(black, 20);
}

TEST(GdiHostileInputTest, OriginNearTheCoordinateLimitSaturates) {
  GdiCanvas c(20, 20);
  c.dc.SetViewportOrg(kMax, kMax);
  c.dc.Rectangle(kMax - 5, kMax - 5, kMax, kMax);
  c.dc.SetViewportOrg(kMin, kMin);
  c.dc.LineTo(kMin, 0);
  POINT p{kMin, kMin};
  c.dc.LPtoDP(&p);
  EXPECT_EQ(kMin, p.x);
}

TEST(GdiHostileInputTest, HugeRegionsStayBoundedAndAnswer) {
  CRgn ellipse, polygon, both;
  ellipse.CreateEllipticRgn(kMin, kMin, kMax, kMax);
  EXPECT_TRUE(ellipse.PtInRegion(0, 0));
  POINT band[] = {{kMin, kMin}, {kMax, kMin}, {kMax, kMax}, {kMin + 1, kMax}};
  polygon.CreatePolygonRgn(band, 4, WINDING);
  EXPECT_TRUE(polygon.PtInRegion(100, 100));
  both.CreateRectRgn(0, 0, 0, 0);
  both.CombineRgn(&ellipse, &polygon, RGN_XOR);
  EXPECT_FALSE(both.PtInRegion(100, 100));
  EXPECT_FALSE(both.PtInRegion(kMax - 1, 0));  // beyond the region window
  CRgn far;
  far.CreateRectRgn(kMax - 10, 0, kMax, 10);
  RECT box;
  EXPECT_EQ(NULLREGION, far.GetRgnBox(&box));
}
