#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

#include "tests/platform/GdiCanvas.h"

TEST(GdiShapesTest, RectangleOutlineIncludesLeftTopAndExcludesRightBottom) {
  GdiCanvas c(40, 40);
  CBrush red(kRed);
  c.dc.SelectObject(&red);
  c.dc.Rectangle(10, 10, 20, 20);
  EXPECT_EQ(kBlack, c.At(10, 10));
  EXPECT_EQ(kBlack, c.At(19, 10));
  EXPECT_EQ(kBlack, c.At(10, 19));
  EXPECT_EQ(kBlack, c.At(19, 19));
  EXPECT_EQ(kWhite, c.At(20, 15));
  EXPECT_EQ(kWhite, c.At(15, 20));
  EXPECT_EQ(kWhite, c.At(9, 15));
  EXPECT_EQ(kRed, c.At(11, 11));
  EXPECT_EQ(kRed, c.At(18, 18));
}

TEST(GdiShapesTest, LineToLightsEveryPixelButTheEndPoint) {
  GdiCanvas c(40, 40);
  EXPECT_EQ(CPoint(0, 0), c.dc.MoveTo(2, 5));
  c.dc.LineTo(12, 5);
  EXPECT_EQ(kBlack, c.At(2, 5));
  EXPECT_EQ(kBlack, c.At(11, 5));
  EXPECT_EQ(kWhite, c.At(12, 5));
  EXPECT_EQ(CPoint(12, 5), c.dc.GetCurrentPosition());
  // A diagonal lights one pixel per column and also stops short of its end.
  c.dc.MoveTo(0, 10);
  c.dc.LineTo(10, 20);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(kBlack, c.At(i, 10 + i)) << i;
  EXPECT_EQ(kWhite, c.At(10, 20));
}

TEST(GdiShapesTest, FillSolidRectFillsHalfOpenRectangle) {
  GdiCanvas c(30, 30);
  c.dc.FillSolidRect(5, 5, 10, 10, kBlue);
  EXPECT_EQ(kBlue, c.At(5, 5));
  EXPECT_EQ(kBlue, c.At(14, 14));
  EXPECT_EQ(kWhite, c.At(15, 14));
  EXPECT_EQ(kWhite, c.At(14, 15));
  EXPECT_EQ(kWhite, c.At(4, 5));
}

TEST(GdiShapesTest, RedIsRedInTheSurfaceAndInThePng) {
  GdiCanvas c(8, 8);
  CPen red(PS_SOLID, 1, kRed);
  c.dc.SelectObject(&red);
  c.dc.MoveTo(0, 0);
  c.dc.LineTo(8, 0);
  EXPECT_EQ(kRed, c.At(3, 0));
  cairo_surface_t* s = c.dc.GetSurface();
  cairo_surface_flush(s);
  auto* words = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(s));
  EXPECT_EQ(0x00FF0000u, words[3] & 0x00FFFFFFu);  // Cairo's red channel

  char path[] = "/tmp/gdi_red_XXXXXX.png";
  int fd = mkstemps(path, 4);
  ASSERT_GE(fd, 0);
  close(fd);
  ASSERT_TRUE(c.dc.WritePng(path));
  cairo_surface_t* back = cairo_image_surface_create_from_png(path);
  ASSERT_EQ(CAIRO_STATUS_SUCCESS, cairo_surface_status(back));
  EXPECT_EQ(kRed, gdi::SurfaceRef(back).GetPixel(3, 0));
  EXPECT_EQ(kWhite, gdi::SurfaceRef(back).GetPixel(3, 1));
  cairo_surface_destroy(back);
  std::remove(path);
}

TEST(GdiShapesTest, EllipseStaysInsideItsBoxAndIsSymmetric) {
  GdiCanvas c(40, 30);
  CBrush blue(kBlue);
  c.dc.SelectObject(&blue);
  c.dc.Ellipse(5, 5, 25, 15);
  EXPECT_EQ(kBlack, c.At(5, 10));   // left extreme
  EXPECT_EQ(kBlack, c.At(24, 10));  // right extreme, inside the box
  EXPECT_EQ(kWhite, c.At(25, 10));
  EXPECT_EQ(kWhite, c.At(5, 5));    // the box's corner is outside the ellipse
  EXPECT_EQ(kBlue, c.At(15, 10));
  for (int y = 5; y < 15; ++y)
    for (int x = 5; x < 25; ++x) {
      EXPECT_EQ(c.At(x, y), c.At(29 - x, y)) << x << "," << y;
      EXPECT_EQ(c.At(x, y), c.At(x, 19 - y)) << x << "," << y;
    }
}

TEST(GdiShapesTest, NullBrushLeavesTheInsideAndNullPenLeavesNoFrame) {
  GdiCanvas c(40, 40);
  c.dc.FillSolidRect(0, 0, 40, 40, kBlue);
  CGdiObject* previous = c.dc.SelectStockObject(NULL_BRUSH);
  EXPECT_EQ(GetStockObject(WHITE_BRUSH), previous);
  c.dc.Rectangle(5, 5, 15, 15);
  EXPECT_EQ(kBlack, c.At(5, 5));
  EXPECT_EQ(kBlue, c.At(10, 10));

  c.dc.SelectStockObject(NULL_PEN);
  c.dc.SelectStockObject(WHITE_BRUSH);
  c.dc.Rectangle(20, 20, 30, 30);
  EXPECT_EQ(kWhite, c.At(20, 20));
  EXPECT_EQ(kWhite, c.At(28, 28));
  EXPECT_EQ(kBlue, c.At(29, 29));  // without a pen GDI fills a pixel less to the right and below
  c.dc.Ellipse(20, 0, 30, 10);
  EXPECT_EQ(kWhite, c.At(29, 5));
}

TEST(GdiShapesTest, WidePenHasRoundCapsAndItsFullWidth) {
  GdiCanvas c(80, 40);
  CPen wide(PS_SOLID, 9, kRed);
  c.dc.SelectObject(&wide);
  c.dc.MoveTo(20, 20);
  c.dc.LineTo(60, 20);
  for (int y = 16; y <= 24; ++y) EXPECT_EQ(kRed, c.At(40, y)) << y;
  EXPECT_EQ(kWhite, c.At(40, 15));
  EXPECT_EQ(kWhite, c.At(40, 25));
  EXPECT_EQ(kRed, c.At(16, 20));   // the cap reaches half the width past the start
  EXPECT_EQ(kWhite, c.At(15, 20));
  EXPECT_EQ(kRed, c.At(64, 20));
  EXPECT_EQ(kWhite, c.At(16, 16));  // round, not square
  EXPECT_EQ(kRed, c.At(20, 16));
}

TEST(GdiShapesTest, DottedPenAlternatesAndOpaqueBackgroundFillsTheGaps) {
  GdiCanvas c(30, 10);
  CPen dots(PS_DOT, 1, kBlack);
  c.dc.SelectObject(&dots);
  c.dc.SetBkMode(TRANSPARENT);
  c.dc.MoveTo(0, 2);
  c.dc.LineTo(12, 2);
  const COLORREF expected[12] = {kBlack, kBlack, kBlack, kWhite, kWhite, kWhite,
                                 kBlack, kBlack, kBlack, kWhite, kWhite, kWhite};
  for (int x = 0; x < 12; ++x) EXPECT_EQ(expected[x], c.At(x, 2)) << x;
  c.dc.SetBkMode(OPAQUE);
  c.dc.SetBkColor(kRed);
  c.dc.MoveTo(0, 4);
  c.dc.LineTo(12, 4);
  EXPECT_EQ(kBlack, c.At(0, 4));
  EXPECT_EQ(kRed, c.At(3, 4));
}

namespace {

// A five-pointed star drawn in one stroke: its middle pentagon is crossed twice.
std::vector<POINT> Star(int cx, int cy, int r) {
  std::vector<POINT> pts;
  for (int k = 0; k < 5; ++k) {
    double a = (-90 + k * 144) * M_PI / 180;
    pts.push_back(POINT{(LONG)std::lround(cx + r * std::cos(a)), (LONG)std::lround(cy + r * std::sin(a))});
  }
  return pts;
}

}  // namespace

TEST(GdiShapesTest, PolygonFillModeDecidesTheStarsMiddle) {
  GdiCanvas c(100, 100);
  std::vector<POINT> star = Star(50, 50, 40);
  CBrush red(kRed);
  c.dc.SelectObject(&red);
  c.dc.SelectStockObject(NULL_PEN);
  EXPECT_EQ(ALTERNATE, c.dc.GetPolyFillMode());
  c.dc.Polygon(star.data(), 5);
  EXPECT_EQ(kWhite, c.At(50, 50));
  EXPECT_EQ(kRed, c.At(50, 15));  // inside the top point
  c.dc.SetPolyFillMode(WINDING);
  c.dc.Polygon(star.data(), 5);
  EXPECT_EQ(kRed, c.At(50, 50));
}

TEST(GdiShapesTest, PolygonOutlineClosesBackToTheFirstPoint) {
  GdiCanvas c(40, 40);
  POINT tri[] = {{5, 5}, {30, 5}, {5, 30}};
  c.dc.SelectStockObject(NULL_BRUSH);
  c.dc.Polygon(tri, 3);
  EXPECT_EQ(kBlack, c.At(5, 20));   // closing edge
  EXPECT_EQ(kBlack, c.At(20, 5));
  EXPECT_EQ(kWhite, c.At(10, 10));
}

TEST(GdiShapesTest, RoundRectCutsItsCorners) {
  GdiCanvas c(60, 60);
  CBrush red(kRed);
  c.dc.SelectObject(&red);
  c.dc.RoundRect(10, 10, 50, 40, 20, 20);
  EXPECT_EQ(kWhite, c.At(10, 10));
  EXPECT_EQ(kBlack, c.At(30, 10));
  EXPECT_EQ(kBlack, c.At(10, 25));
  EXPECT_EQ(kRed, c.At(30, 25));
}

TEST(GdiShapesTest, PathsFillTheirFiguresWithoutAnOutline) {
  GdiCanvas c(120, 80);
  CBrush blue(kBlue);
  c.dc.SelectObject(&blue);
  ASSERT_TRUE(c.dc.BeginPath());
  c.dc.MoveTo(50, 0);
  c.dc.LineTo(0, 60);
  c.dc.LineTo(100, 60);
  c.dc.LineTo(50, 0);
  ASSERT_TRUE(c.dc.EndPath());
  ASSERT_TRUE(c.dc.FillPath());
  EXPECT_EQ(kBlue, c.At(50, 30));
  EXPECT_EQ(kBlue, c.At(1, 59));
  EXPECT_EQ(kWhite, c.At(50, 60));
  EXPECT_EQ(kWhite, c.At(5, 5));
  EXPECT_FALSE(c.dc.FillPath());  // the path is used up

  ASSERT_TRUE(c.dc.BeginPath());
  c.dc.Rectangle(105, 10, 115, 20);
  c.dc.EndPath();
  c.dc.StrokePath();
  EXPECT_EQ(kBlack, c.At(105, 10));
  EXPECT_EQ(kWhite, c.At(110, 15));

  // A move without a line leaves no dot behind, even with a wide pen.
  CPen wide(PS_SOLID, 5, kRed);
  c.dc.SelectObject(&wide);
  c.dc.BeginPath();
  c.dc.MoveTo(10, 70);
  c.dc.MoveTo(60, 70);
  c.dc.LineTo(80, 70);
  c.dc.EndPath();
  c.dc.StrokePath();
  EXPECT_EQ(kWhite, c.At(10, 70));
  EXPECT_EQ(kRed, c.At(70, 70));
}

TEST(GdiShapesTest, HatchBrushWithTransparentBackgroundKeepsWhatIsBelow) {
  GdiCanvas c(16, 16);
  c.dc.FillSolidRect(0, 0, 16, 16, kBlue);
  CBrush hatch(HS_BDIAGONAL, kBlack);
  c.dc.SetBkMode(TRANSPARENT);
  RECT r{0, 0, 16, 16};
  c.dc.FillRect(&r, &hatch);
  int black = 0, blue = 0;
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) (c.At(x, y) == kBlack ? black : blue) += 1;
  EXPECT_EQ(8, black);
  EXPECT_EQ(56, blue);
}

TEST(GdiShapesTest, FrameInvertAndPaintRegion) {
  GdiCanvas c(30, 30);
  CBrush red(kRed);
  RECT frame{2, 2, 12, 12};
  c.dc.FrameRect(&frame, &red);
  EXPECT_EQ(kRed, c.At(2, 2));
  EXPECT_EQ(kRed, c.At(11, 11));
  EXPECT_EQ(kWhite, c.At(6, 6));
  EXPECT_EQ(kWhite, c.At(12, 12));
  c.dc.InvertRect(&frame);
  EXPECT_EQ(RGB(0, 255, 255), c.At(2, 2));
  EXPECT_EQ(kBlack, c.At(6, 6));
  CRgn rgn;
  rgn.CreateEllipticRgn(15, 15, 30, 30);
  c.dc.SelectObject(&red);
  c.dc.PaintRgn(&rgn);
  EXPECT_EQ(kRed, c.At(22, 22));
  EXPECT_EQ(kWhite, c.At(15, 15));
}

TEST(GdiShapesTest, PensAndBrushesRoundTripTheirLogicalForm) {
  LOGPEN logPen{PS_DOT, POINT{3, 0}, kBlue};
  CPen pen;
  ASSERT_TRUE(pen.CreatePenIndirect(&logPen));
  LOGPEN back{};
  EXPECT_EQ((int)sizeof(LOGPEN), pen.GetLogPen(&back));
  EXPECT_EQ((UINT)PS_DOT, back.lopnStyle);
  EXPECT_EQ(3, back.lopnWidth.x);
  EXPECT_EQ(kBlue, back.lopnColor);
  EXPECT_FALSE(pen.CreatePen(42, 1, kBlue));

  LOGBRUSH logBrush{BS_HATCHED, kRed, HS_CROSS};
  CBrush brush;
  ASSERT_TRUE(brush.CreateBrushIndirect(&logBrush));
  LOGBRUSH brushBack{};
  brush.GetLogBrush(&brushBack);
  EXPECT_EQ((UINT)BS_HATCHED, brushBack.lbStyle);
  EXPECT_EQ((uintptr_t)HS_CROSS, brushBack.lbHatch);

  CBrush hollow;
  ASSERT_TRUE(hollow.CreateStockObject(NULL_BRUSH));
  EXPECT_TRUE(hollow.Attrs().IsNull());
  EXPECT_FALSE(hollow.CreateStockObject(BLACK_PEN));  // a pen is no brush
  EXPECT_TRUE(hollow.DeleteObject());
  EXPECT_FALSE(hollow.DeleteObject());
}

// Long wide-pen segments repainted in small areas light exactly the pixels of a repaint of the
// whole canvas, wherever an area's edge cuts them.
TEST(GdiShapesTest, ACutWideSegmentLightsThePixelsOfAWholeOne) {
  const int kW = 400, kH = 300, kArea = 8;
  GdiCanvas whole(kW, kH), part(kW, kH);
  unsigned seed = 10;  // its segment 147 was lit differently when cut
  auto next = [&seed](int n) { return (int)((seed = seed * 1103515245u + 12345u) >> 8) % n; };
  int wrong = 0;
  for (int i = 0; i < 300; ++i) {
    CPen pen(PS_SOLID, 2 + next(8), kBlack);
    CPoint a(next(kW), next(kH)), b(next(kW), next(kH));
    whole.dc.FillSolidRect(0, 0, kW, kH, kWhite);
    CPen* old = whole.dc.SelectObject(&pen);
    whole.dc.MoveTo(a);
    whole.dc.LineTo(b);
    whole.dc.SelectObject(old);
    for (int k = 1; k < 8; ++k) {  // areas along the segment, cutting it at random offsets
      CRect area(CPoint(a.x + (b.x - a.x) * k / 8 - next(kArea), a.y + (b.y - a.y) * k / 8 - next(kArea)),
                 CSize(kArea, kArea));
      part.dc.FillSolidRect(&area, kWhite);
      int saved = part.dc.SaveDC();
      part.dc.IntersectClipRect(&area);
      part.dc.SelectObject(&pen);
      part.dc.MoveTo(a);
      part.dc.LineTo(b);
      part.dc.RestoreDC(saved);
      for (int y = std::max(0, (int)area.top); y < std::min(kH, (int)area.bottom); ++y)
        for (int x = std::max(0, (int)area.left); x < std::min(kW, (int)area.right); ++x)
          wrong += whole.At(x, y) != part.At(x, y);
    }
  }
  EXPECT_EQ(0, wrong);
}
