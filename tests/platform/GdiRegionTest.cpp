#include <gtest/gtest.h>

#include "tests/platform/GdiCanvas.h"

namespace {

// Fills the region red on a white canvas offset by (ox, oy) and checks that exactly the
// pixels the region contains were painted.
void ExpectFillMatchesHitTest(CRgn& rgn, int width, int height) {
  GdiCanvas c(width, height);
  CBrush red(kRed);
  ASSERT_TRUE(c.dc.FillRgn(&rgn, &red));
  int painted = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      bool in = rgn.PtInRegion(x, y);
      painted += in;
      ASSERT_EQ(in ? kRed : kWhite, c.At(x, y)) << x << "," << y;
    }
  EXPECT_GT(painted, 0);
}

}  // namespace

TEST(GdiRegionTest, EllipsePolygonAndCombinationsPaintWhatTheyHitTest) {
  CRgn ellipse, polygon, both, ring;
  ASSERT_TRUE(ellipse.CreateEllipticRgn(5, 8, 70, 50));
  POINT pts[] = {{40, 2}, {78, 30}, {50, 58}, {10, 40}, {60, 20}};
  ASSERT_TRUE(polygon.CreatePolygonRgn(pts, 5, ALTERNATE));
  ExpectFillMatchesHitTest(ellipse, 80, 60);
  ExpectFillMatchesHitTest(polygon, 80, 60);
  both.CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(COMPLEXREGION, both.CombineRgn(&ellipse, &polygon, RGN_XOR));
  ExpectFillMatchesHitTest(both, 80, 60);
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 80; ++x)
      ASSERT_EQ(ellipse.PtInRegion(x, y) != polygon.PtInRegion(x, y), (bool)both.PtInRegion(x, y));
  ring.CreateRectRgn(0, 0, 0, 0);
  ring.CombineRgn(&ellipse, &polygon, RGN_OR);
  ExpectFillMatchesHitTest(ring, 80, 60);
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 80; ++x)
      ASSERT_EQ(ellipse.PtInRegion(x, y) || polygon.PtInRegion(x, y), (bool)ring.PtInRegion(x, y));
}

TEST(GdiRegionTest, HollowRectangleRingIsHitOnTheBandOnly) {
  // The ring a hollow rectangle of width 2 uses for hit tests: d = 4 either side of the edge.
  CRgn outer, inner;
  outer.CreateRectRgn(-4, -4, 104, 104);
  inner.CreateRectRgn(4, 4, 96, 96);
  EXPECT_EQ(COMPLEXREGION, outer.CombineRgn(&outer, &inner, RGN_XOR));
  EXPECT_TRUE(outer.PtInRegion(2, 50));
  EXPECT_FALSE(outer.PtInRegion(50, 50));
  EXPECT_TRUE(outer.PtInRegion(-4, -4));
  EXPECT_FALSE(outer.PtInRegion(104, 50));
  CRect box;
  EXPECT_EQ(COMPLEXREGION, outer.GetRgnBox(&box));
  EXPECT_EQ(CRect(-4, -4, 104, 104), box);
}

TEST(GdiRegionTest, LineBandPolygonHitsAlongTheSegment) {
  // The four-corner band around the line (10,10)-(110,60) with d = 4.
  POINT band[] = {{6, 10}, {10, 6}, {114, 60}, {110, 64}};
  CRgn rgn;
  rgn.CreatePolygonRgn(band, 4, ALTERNATE);
  EXPECT_TRUE(rgn.PtInRegion(60, 35));
  EXPECT_TRUE(rgn.PtInRegion(60, 37));
  EXPECT_FALSE(rgn.PtInRegion(60, 10));
  // A single-point band is empty and never hit.
  POINT dot[] = {{5, 1}, {5, 1}, {5, 9}, {5, 9}};
  CRgn none;
  none.CreatePolygonRgn(dot, 4, ALTERNATE);
  EXPECT_FALSE(none.PtInRegion(5, 5));
  RECT box;
  EXPECT_EQ(NULLREGION, none.GetRgnBox(&box));
}

TEST(GdiRegionTest, CombineModesAndErrors) {
  CRgn a, b, out;
  a.CreateRectRgn(0, 0, 10, 10);
  b.CreateRectRgn(5, 0, 15, 10);
  EXPECT_EQ(RGN_ERROR, out.CombineRgn(&a, &b, RGN_AND));  // never created
  out.CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(SIMPLEREGION, out.CombineRgn(&a, &b, RGN_AND));
  RECT box;
  out.GetRgnBox(&box);
  EXPECT_EQ(CRect(5, 0, 10, 10), CRect(box));
  EXPECT_EQ(SIMPLEREGION, out.CombineRgn(&a, &b, RGN_OR));
  out.GetRgnBox(&box);
  EXPECT_EQ(CRect(0, 0, 15, 10), CRect(box));
  EXPECT_EQ(SIMPLEREGION, out.CombineRgn(&a, &b, RGN_DIFF));
  EXPECT_TRUE(out.PtInRegion(4, 4));
  EXPECT_FALSE(out.PtInRegion(5, 4));
  EXPECT_EQ(NULLREGION, out.CombineRgn(&a, &a, RGN_DIFF));
  EXPECT_EQ(SIMPLEREGION, out.CombineRgn(&b, nullptr, RGN_COPY));
  EXPECT_TRUE(out.EqualRgn(&b));
  EXPECT_EQ(SIMPLEREGION, out.OffsetRgn(100, 0));
  EXPECT_TRUE(out.PtInRegion(105, 0));
  EXPECT_EQ(RGN_ERROR, out.CombineRgn(&a, nullptr, RGN_XOR));
}

TEST(GdiRegionTest, RoundRectRegionAndFillThroughTheViewport) {
  CRgn rr;
  rr.CreateRoundRectRgn(100, 100, 140, 130, 20, 20);
  EXPECT_FALSE(rr.PtInRegion(100, 100));
  EXPECT_TRUE(rr.PtInRegion(120, 100));
  EXPECT_TRUE(rr.PtInRegion(120, 115));
  GdiCanvas c(60, 60);
  c.dc.SetViewportOrg(-90, -90);  // logical (100, 100) shows at (10, 10)
  CBrush red(kRed);
  c.dc.FillRgn(&rr, &red);
  EXPECT_EQ(kRed, c.At(120, 115));
  EXPECT_EQ(kWhite, c.At(100, 100));
  c.dc.SetViewportOrg(0, 0);
  EXPECT_EQ(kRed, c.At(30, 25));
}

TEST(GdiRegionTest, PolygonVerticesNamePixelsLeftAndTopEdgesInside) {
  // Pixel (x, y) belongs to the polygon when the point (x, y) does, so the outline a pen
  // draws through the same vertices meets the fill.
  POINT tri[] = {{0, 0}, {10, 0}, {0, 10}};
  CRgn rgn;
  rgn.CreatePolygonRgn(tri, 3, ALTERNATE);
  for (int y = -1; y <= 10; ++y)
    for (int x = -1; x <= 10; ++x)
      ASSERT_EQ(x >= 0 && y >= 0 && x + y < 10, (bool)rgn.PtInRegion(x, y)) << x << "," << y;
}
