#include <gtest/gtest.h>

#include "tests/platform/GdiCanvas.h"

namespace {

// The rubber band a surface draws while dragging: grey pen, black brush, XOR.
void RubberBand(CDC& dc) {
  CPen grey(PS_SOLID, 1, RGB(70, 70, 70));
  CBrush black(kBlack);
  CPen* oldPen = dc.SelectObject(&grey);
  CBrush* oldBrush = dc.SelectObject(&black);
  dc.Rectangle(10, 10, 50, 40);
  dc.Ellipse(30, 5, 70, 45);
  dc.MoveTo(0, 0);
  dc.LineTo(79, 47);
  POINT pts[] = {{5, 45}, {40, 2}, {75, 45}, {5, 20}};
  dc.Polyline(pts, 4);
  CPen wide(PS_SOLID, 7, RGB(70, 70, 70));
  dc.SelectObject(&wide);
  dc.MoveTo(60, 10);
  dc.LineTo(20, 30);
  dc.SelectObject(oldPen);
  dc.SelectObject(oldBrush);
}

}  // namespace

TEST(GdiRasterOpTest, XorDrawnTwiceLeavesTheCanvasUnchanged) {
  GdiCanvas c(80, 48);
  c.Stripes();
  std::vector<COLORREF> before = c.Snapshot();
  c.dc.SetROP2(R2_XORPEN);
  RubberBand(c.dc);
  std::vector<COLORREF> during = c.Snapshot();
  EXPECT_NE(before, during);
  // The black brush changes nothing inside; the grey outline is XORed onto the stripes.
  EXPECT_EQ(before[20 * 80 + 20], during[20 * 80 + 20]);
  EXPECT_EQ(before[10 * 80 + 20] ^ RGB(70, 70, 70), during[10 * 80 + 20]);
  RubberBand(c.dc);
  EXPECT_EQ(before, c.Snapshot());
}

TEST(GdiRasterOpTest, NotXorInvertsTheXorOfPenAndDestination) {
  GdiCanvas c(20, 20);
  const COLORREF below = RGB(200, 100, 50), pen = RGB(70, 70, 70);
  c.dc.FillSolidRect(0, 0, 20, 20, below);
  CPen p(PS_SOLID, 1, pen);
  c.dc.SelectObject(&p);
  c.dc.SetROP2(R2_NOTXORPEN);
  c.dc.MoveTo(0, 5);
  c.dc.LineTo(20, 5);
  EXPECT_EQ(~(below ^ pen) & 0x00FFFFFFu, c.At(7, 5));
  EXPECT_EQ(below, c.At(7, 6));
  // Black on white under NOT-XOR is black; drawing it again restores white.
  c.dc.FillSolidRect(0, 10, 20, 10, kWhite);
  c.dc.SelectStockObject(BLACK_PEN);
  c.dc.MoveTo(0, 12);
  c.dc.LineTo(20, 12);
  EXPECT_EQ(kBlack, c.At(3, 12));
  c.dc.MoveTo(0, 12);
  c.dc.LineTo(20, 12);
  EXPECT_EQ(kWhite, c.At(3, 12));
}

TEST(GdiRasterOpTest, MaskPenOnlyDarkensWhatLiesBelow) {
  GdiCanvas c(30, 10);
  c.dc.FillSolidRect(0, 0, 10, 10, kRed);
  c.dc.FillSolidRect(10, 0, 10, 10, kBlue);
  CPen yellow(PS_SOLID, 4, RGB(255, 255, 0));
  c.dc.SelectObject(&yellow);
  EXPECT_EQ(R2_COPYPEN, c.dc.SetROP2(R2_MASKPEN));
  c.dc.MoveTo(2, 5);
  c.dc.LineTo(27, 5);
  EXPECT_EQ(kRed, c.At(5, 5));          // red & yellow
  EXPECT_EQ(kBlack, c.At(15, 5));       // blue & yellow
  EXPECT_EQ(RGB(255, 255, 0), c.At(25, 5));  // white & yellow
  EXPECT_EQ(kWhite, c.At(25, 1));
}

TEST(GdiRasterOpTest, EveryBinaryRasterOperationFollowsItsTruthTable) {
  const COLORREF pen = RGB(0xF0, 0x3C, 0x55), dst = RGB(0xCC, 0xAA, 0x0F);
  const COLORREF expected[16] = {0,           ~(pen | dst), ~pen & dst,  ~pen,       pen & ~dst,   ~dst,
                                 pen ^ dst,   ~(pen & dst), pen & dst,   ~(pen ^ dst), dst,        ~pen | dst,
                                 pen,         pen | ~dst,   pen | dst,   0xFFFFFF};
  for (int rop = R2_BLACK; rop <= R2_WHITE; ++rop) {
    GdiCanvas c(4, 4);
    c.dc.FillSolidRect(0, 0, 4, 4, dst);
    c.dc.SetROP2(rop);
    CPen p(PS_SOLID, 1, pen);
    c.dc.SelectObject(&p);
    c.dc.MoveTo(0, 1);
    c.dc.LineTo(4, 1);
    EXPECT_EQ(expected[rop - 1] & 0x00FFFFFFu, c.At(2, 1)) << "rop " << rop;
  }
}

TEST(GdiRasterOpTest, XorPolylineCrossingItselfCancelsAtTheCrossing) {
  GdiCanvas c(20, 20);
  c.dc.SetROP2(R2_XORPEN);
  CPen white(PS_SOLID, 1, kWhite);
  c.dc.SelectObject(&white);
  POINT pts[] = {{0, 10}, {19, 10}, {10, 19}, {10, 0}};
  c.dc.Polyline(pts, 4);
  EXPECT_EQ(kBlack, c.At(5, 10));
  EXPECT_EQ(kWhite, c.At(10, 10));  // lit twice
}
