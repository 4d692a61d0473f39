#include <gtest/gtest.h>

#include "tests/platform/GdiCanvas.h"

TEST(GdiDcTest, SelectObjectReturnsThePreviousObject) {
  CDC dc;
  CPen red(PS_SOLID, 1, kRed), blue(PS_SOLID, 3, kBlue);
  EXPECT_EQ(GetStockObject(BLACK_PEN), dc.SelectObject(&red));
  EXPECT_EQ(&red, dc.SelectObject(&blue));
  EXPECT_EQ(&blue, dc.SelectStockObject(NULL_PEN));
  CPen never;
  EXPECT_EQ(nullptr, dc.SelectObject(&never));  // not created: refused
  EXPECT_EQ(GetStockObject(NULL_PEN), dc.GetCurrentPen());
  EXPECT_FALSE(static_cast<CPen*>(GetStockObject(NULL_PEN))->DeleteObject());
}

TEST(GdiDcTest, RestoreDcBringsBackObjectsAttributesAndOrigin) {
  GdiCanvas c(20, 20);
  CPen red(PS_SOLID, 1, kRed);
  int level = c.dc.SaveDC();
  EXPECT_EQ(1, level);
  c.dc.SelectObject(&red);
  c.dc.SetROP2(R2_XORPEN);
  c.dc.SetViewportOrg(5, 5);
  c.dc.IntersectClipRect(0, 0, 2, 2);
  EXPECT_EQ(2, c.dc.SaveDC());
  c.dc.SetBkColor(kBlue);
  EXPECT_TRUE(c.dc.RestoreDC(-1));
  EXPECT_EQ(kWhite, c.dc.GetBkColor());
  EXPECT_EQ(R2_XORPEN, c.dc.GetROP2());
  EXPECT_TRUE(c.dc.RestoreDC(level));
  EXPECT_EQ(R2_COPYPEN, c.dc.GetROP2());
  EXPECT_EQ(CPoint(0, 0), c.dc.GetViewportOrg());
  EXPECT_EQ(GetStockObject(BLACK_PEN), c.dc.GetCurrentPen());
  EXPECT_FALSE(c.dc.RestoreDC(1));  // nothing left to restore
  c.dc.FillSolidRect(0, 0, 20, 20, kBlue);
  EXPECT_EQ(kBlue, c.At(19, 19));  // the clip went with the restored state
}

TEST(GdiDcTest, DeletingASelectedPenDoesNotChangeWhatIsDrawn) {
  GdiCanvas c(10, 10);
  auto* pen = new CPen(PS_SOLID, 1, kRed);
  c.dc.SelectObject(pen);
  delete pen;
  c.dc.MoveTo(0, 0);
  c.dc.LineTo(5, 0);
  EXPECT_EQ(kRed, c.At(2, 0));
}

TEST(GdiDcTest, ASelectedBitmapOutlivesItsObject) {
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  auto* bitmap = new CBitmap;
  ASSERT_TRUE(bitmap->CreateCompatibleBitmap(&dc, 8, 8));
  EXPECT_EQ(nullptr, dc.SelectObject(bitmap));  // a fresh memory DC has no bitmap to hand back
  delete bitmap;
  dc.FillSolidRect(0, 0, 8, 8, kRed);
  EXPECT_EQ(kRed, dc.GetPixel(7, 7));
}

TEST(GdiDcTest, ViewportOriginShiftsDrawingByMinusTheScrollOrigin) {
  GdiCanvas c(50, 50);
  EXPECT_EQ(CPoint(0, 0), c.dc.SetViewportOrg(-100, -50));
  c.dc.SetPixel(110, 60, kRed);
  c.dc.SetViewportOrg(0, 0);
  EXPECT_EQ(kRed, c.At(10, 10));
  c.dc.OffsetViewportOrg(3, 4);
  EXPECT_EQ(kRed, c.At(7, 6));
  POINT p{1, 1};
  c.dc.LPtoDP(&p);
  EXPECT_EQ(CPoint(4, 5), CPoint(p));
}

TEST(GdiDcTest, ClippingLimitsEveryKindOfDrawing) {
  GdiCanvas c(40, 40);
  EXPECT_EQ(SIMPLEREGION, c.dc.IntersectClipRect(10, 10, 30, 30));
  c.dc.FillSolidRect(0, 0, 40, 40, kRed);
  c.dc.MoveTo(0, 20);
  c.dc.LineTo(40, 20);
  EXPECT_EQ(kRed, c.At(10, 10));
  EXPECT_EQ(kBlack, c.At(15, 20));
  EXPECT_EQ(CLR_INVALID, c.At(5, 20));
  c.dc.SelectClipRgn(nullptr);
  EXPECT_EQ(kWhite, c.At(5, 20));
  EXPECT_EQ(kWhite, c.At(9, 9));
  CRgn round;
  round.CreateEllipticRgn(0, 0, 40, 40);
  EXPECT_EQ(COMPLEXREGION, c.dc.SelectClipRgn(&round));
  c.dc.FillSolidRect(0, 0, 40, 40, kBlue);
  c.dc.SelectClipRgn(nullptr);
  EXPECT_EQ(kWhite, c.At(0, 0));
  EXPECT_EQ(kBlue, c.At(20, 20));
  RECT box;
  EXPECT_EQ(SIMPLEREGION, c.dc.GetClipBox(&box));
  EXPECT_EQ(CRect(0, 0, 40, 40), CRect(box));
  EXPECT_EQ(COMPLEXREGION, c.dc.ExcludeClipRect(0, 0, 10, 10));
  c.dc.FillSolidRect(0, 0, 40, 40, kBlack);
  EXPECT_EQ(CLR_INVALID, c.At(0, 0));  // reads outside the clip answer nothing ...
  c.dc.SelectClipRgn(nullptr);
  EXPECT_EQ(kWhite, c.At(0, 0));  // ... and the pixel kept its colour
  EXPECT_EQ(kBlack, c.At(10, 0));
}

TEST(GdiDcTest, MemoryDcWithoutBitmapDrawsNothing) {
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  dc.Rectangle(0, 0, 10, 10);
  EXPECT_EQ(CLR_INVALID, dc.GetPixel(1, 1));
  EXPECT_EQ(nullptr, dc.GetSurface());
}

TEST(GdiDcTest, AttachedSurfaceIsSharedWithItsOwner) {
  gdi::SurfaceRef buffer = gdi::SurfaceRef::CreateRgb(16, 16);
  {
    CDC dc;
    ASSERT_TRUE(dc.AttachSurface(buffer.Get()));
    dc.FillSolidRect(0, 0, 4, 4, kRed);
  }
  EXPECT_EQ(kRed, buffer.GetPixel(3, 3));
  EXPECT_EQ(kWhite, buffer.GetPixel(4, 4));
  cairo_surface_t* a8 = cairo_image_surface_create(CAIRO_FORMAT_A8, 4, 4);
  CDC dc;
  EXPECT_FALSE(dc.AttachSurface(a8));  // not a colour surface
  cairo_surface_destroy(a8);
}

TEST(GdiDcTest, BitBltCopiesAndClipsAtTheEdges) {
  GdiCanvas src(20, 20), dst(30, 30);
  src.Stripes();
  src.dc.SetPixel(0, 0, kRed);
  ASSERT_TRUE(dst.dc.BitBlt(5, 5, 20, 20, &src.dc, 0, 0, SRCCOPY));
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) ASSERT_EQ(src.At(x, y), dst.At(x + 5, y + 5));
  EXPECT_EQ(kWhite, dst.At(4, 4));
  EXPECT_EQ(kWhite, dst.At(25, 25));
  // A source rectangle hanging off the source leaves the rest of the destination alone.
  GdiCanvas edge(30, 30);
  edge.dc.BitBlt(0, 0, 30, 30, &src.dc, 10, 10, SRCCOPY);
  EXPECT_EQ(src.At(10, 10), edge.At(0, 0));
  EXPECT_EQ(kWhite, edge.At(15, 15));
  // Blitting with a viewport origin reads the source at the given logical point.
  GdiCanvas view(20, 20);
  view.dc.BitBlt(0, 0, 20, 20, &src.dc, 0, 0, SRCCOPY);
  src.dc.SetViewportOrg(-5, -5);
  GdiCanvas shifted(20, 20);
  shifted.dc.BitBlt(0, 0, 10, 10, &src.dc, 5, 5, SRCCOPY);
  EXPECT_EQ(view.At(0, 0), shifted.At(0, 0));
}

TEST(GdiDcTest, BitBltRasterOperations) {
  GdiCanvas src(4, 4), dst(4, 4);
  const COLORREF s = RGB(0xF0, 0x0F, 0x33), d = RGB(0x3C, 0xFF, 0x55);
  src.dc.FillSolidRect(0, 0, 4, 4, s);
  struct Case {
    DWORD rop;
    COLORREF expected;
  } cases[] = {{SRCAND, s & d}, {SRCPAINT, s | d}, {SRCINVERT, s ^ d}, {BLACKNESS, 0}, {WHITENESS, kWhite}};
  for (const Case& k : cases) {
    dst.dc.FillSolidRect(0, 0, 4, 4, d);
    ASSERT_TRUE(dst.dc.BitBlt(0, 0, 4, 4, &src.dc, 0, 0, k.rop));
    EXPECT_EQ(k.expected, dst.At(1, 1)) << std::hex << k.rop;
  }
  EXPECT_FALSE(dst.dc.BitBlt(0, 0, 4, 4, nullptr, 0, 0, SRCCOPY));
  EXPECT_TRUE(dst.dc.PatBlt(0, 0, 4, 4, BLACKNESS));
}

TEST(GdiDcTest, BlitWithinOneSurfaceScrollsWithoutSmearing) {
  GdiCanvas c(20, 4);
  for (int x = 0; x < 20; ++x) c.dc.SetPixel(x, 0, RGB(x * 10, 0, 0));
  c.dc.BitBlt(2, 0, 18, 1, &c.dc, 0, 0, SRCCOPY);
  for (int x = 2; x < 20; ++x) EXPECT_EQ(RGB((x - 2) * 10, 0, 0), c.At(x, 0)) << x;
}

TEST(GdiDcTest, StretchBltScalesByNearestPixel) {
  GdiCanvas src(2, 2), dst(8, 8);
  src.dc.SetPixel(0, 0, kRed);
  src.dc.SetPixel(1, 1, kBlue);
  ASSERT_TRUE(dst.dc.StretchBlt(0, 0, 8, 8, &src.dc, 0, 0, 2, 2, SRCCOPY));
  EXPECT_EQ(kRed, dst.At(0, 0));
  EXPECT_EQ(kRed, dst.At(3, 3));
  EXPECT_EQ(kWhite, dst.At(4, 3));
  EXPECT_EQ(kBlue, dst.At(4, 4));
  EXPECT_EQ(kBlue, dst.At(7, 7));
}

TEST(GdiDcTest, HandlesMapBackToTheirObjects) {
  GdiCanvas c(4, 4);
  EXPECT_EQ(&c.dc, CDC::FromHandle(c.dc.GetSafeHdc()));
  CBrush red(kRed), unmade;
  HBRUSH handle = red;
  EXPECT_EQ(&red, CBrush::FromHandle(handle));
  EXPECT_EQ(nullptr, (HBRUSH)unmade);
  RECT all{0, 0, 4, 4};
  CDC::FromHandle(c.dc.GetSafeHdc())->FillRect(&all, CBrush::FromHandle(handle));
  EXPECT_EQ(kRed, c.At(3, 3));
}
