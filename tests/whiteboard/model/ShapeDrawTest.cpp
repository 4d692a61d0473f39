// Drawing of the shapes and their rubber bands, checked pixel by pixel.
#include <gtest/gtest.h>

#include <cairo.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>

#include "tests/platform/GdiCanvas.h"
#include "tests/support/whiteboard/ShapeKinds.h"
#include "whiteboard/model/GestureShared.h"
#include "whiteboard/model/StrokeEllipse.h"
#include "whiteboard/model/StrokeFluorescencePen.h"
#include "whiteboard/model/StrokeFreeLine.h"
#include "whiteboard/model/StrokeIndex.h"
#include "whiteboard/model/StrokeLine.h"
#include "whiteboard/model/StrokePolygon.h"
#include "whiteboard/model/StrokeRectangle.h"
#include "whiteboard/model/StrokeRoundCircle.h"
#include "whiteboard/model/StrokeRoundRect.h"
#include "whiteboard/model/StrokeSolidEllipse.h"
#include "whiteboard/model/StrokeSolidRectangle.h"
#include "whiteboard/model/StrokeTrapezia.h"
#include "whiteboard/model/StrokeTriangle.h"

namespace {

const COLORREF kGreen = RGB(0, 160, 0);
const COLORREF kBand = RGB(70, 70, 70);

// Draws a shape as the surface paints it: with its tracker rectangle.
void Paint(CStrokeBase& shape, CDC& dc) { shape.Draw(&dc, shape.GetTracker()->m_rect); }

template <class Shape>
void Place(Shape& shape, const RECT& rect, COLORREF color, int penWidth) {
  shape.m_rcDraw = rect;
  shape.m_crColor = color;
  shape.m_nPenWidth = penWidth;
  shape.UpdateTracker();
}

TEST(ShapeDraw, LineWithItsPen) {
  GdiCanvas canvas(100, 60);
  CStrokeLine line;
  Place(line, RECT{10, 30, 90, 30}, kRed, 5);
  Paint(line, canvas.dc);
  EXPECT_EQ(canvas.At(50, 30), kRed);
  EXPECT_EQ(canvas.At(50, 32), kRed);
  EXPECT_EQ(canvas.At(50, 34), kWhite);
  EXPECT_EQ(canvas.At(50, 20), kWhite);
  line.m_rcDraw = RECT{0, 0, 0, 0};
  line.Draw(&canvas.dc, nullptr);
  EXPECT_EQ(CRect(line.m_rcDraw), CRect(0, 0, 0, 0));  // nothing drawn, nothing recorded
  Paint(line, canvas.dc);
  EXPECT_EQ(CRect(line.m_rcDraw), CRect(10, 30, 90, 30));
}

TEST(ShapeDraw, HollowFiguresAreARingOfThePenWidth) {
  GdiCanvas canvas(100, 100);
  CStrokeRectangle rect;
  Place(rect, RECT{80, 90, 10, 10}, kBlue, 3);  // drawn right to left, bottom to top
  Paint(rect, canvas.dc);
  EXPECT_EQ(canvas.At(10, 50), kBlue);
  EXPECT_EQ(canvas.At(12, 50), kBlue);
  EXPECT_EQ(canvas.At(13, 50), kWhite);
  EXPECT_EQ(canvas.At(77, 50), kBlue);
  EXPECT_EQ(canvas.At(40, 87), kBlue);
  EXPECT_EQ(canvas.At(40, 50), kWhite);
  EXPECT_EQ(canvas.At(80, 50), kWhite);

  GdiCanvas oval(100, 100);
  CStrokeEllipse ellipse;
  Place(ellipse, RECT{0, 0, 100, 60}, kGreen, 4);
  Paint(ellipse, oval.dc);
  EXPECT_EQ(oval.At(50, 1), kGreen);
  EXPECT_EQ(oval.At(50, 30), kWhite);
  EXPECT_EQ(oval.At(1, 1), kWhite);
}

TEST(ShapeDraw, FilledFiguresHaveABlackOutlineAndKeepTheDcObjects) {
  GdiCanvas canvas(200, 100);
  CPen* pen = canvas.dc.GetCurrentPen();
  CBrush* brush = canvas.dc.GetCurrentBrush();
  CStrokeSolidRectangle rect;
  Place(rect, RECT{10, 10, 60, 60}, kRed, 9);
  Paint(rect, canvas.dc);
  EXPECT_EQ(canvas.At(10, 30), kBlack);
  EXPECT_EQ(canvas.At(11, 30), kRed);  // the pen width is not drawn
  EXPECT_EQ(canvas.At(35, 35), kRed);
  CStrokeSolidEllipse ellipse;
  Place(ellipse, RECT{100, 10, 150, 60}, kBlue, 2);
  Paint(ellipse, canvas.dc);
  EXPECT_EQ(canvas.At(125, 35), kBlue);
  EXPECT_EQ(canvas.At(101, 11), kWhite);
  EXPECT_EQ(canvas.dc.GetCurrentPen(), pen);
  EXPECT_EQ(canvas.dc.GetCurrentBrush(), brush);
}


TEST(ShapeDraw, CircleFillsWithTheColourInsideThePenTheDcHolds) {
  GdiCanvas canvas(100, 100);
  CPen green(PS_SOLID, 1, kGreen);
  canvas.dc.SelectObject(&green);
  CStrokeRoundCircle circle;
  Place(circle, RECT{10, 10, 90, 50}, kRed, 2);
  EXPECT_EQ(CRect(circle.m_tracker.m_rect), CRect(10, 10, 50, 50));
  Paint(circle, canvas.dc);
  EXPECT_EQ(canvas.At(30, 30), kRed);
  EXPECT_EQ(canvas.At(10, 30), kGreen);
  EXPECT_EQ(canvas.At(70, 30), kWhite);
  EXPECT_EQ(canvas.dc.GetCurrentPen(), &green);
}

TEST(ShapeDraw, RoundRectangleHasRoundCorners) {
  GdiCanvas canvas(120, 60);
  CStrokeRoundRect round;
  RECT r = {10, 10, 110, 50};
  round.SetCorner(&r);
  EXPECT_EQ(round.m_nRx, 10);
  EXPECT_EQ(round.m_nRy, 10);
  Place(round, r, kBlue, 2);
  Paint(round, canvas.dc);
  EXPECT_EQ(canvas.At(60, 30), kBlue);
  EXPECT_EQ(canvas.At(60, 10), kBlack);
  EXPECT_EQ(canvas.At(10, 10), kWhite);  // the corner is cut off
  RECT tiny = {0, 0, 3, -3};
  round.SetCorner(&tiny);
  EXPECT_EQ(round.m_nRx, 0);
  round.SetCorner(nullptr);
  EXPECT_EQ(round.m_nRy, 0);
}

TEST(ShapeDraw, PointListsDrawTheirPoints) {
  GdiCanvas canvas(120, 120);
  CStrokeFreeLine free;
  free.m_crColor = kRed;
  for (CPoint p : {CPoint(10, 10), CPoint(100, 10), CPoint(100, 100)}) free.m_arrPoint.Add(p);
  free.UpdateTracker();
  Paint(free, canvas.dc);
  EXPECT_EQ(canvas.At(50, 10), kRed);
  EXPECT_EQ(canvas.At(100, 50), kRed);
  EXPECT_EQ(canvas.At(50, 55), kWhite);  // open: no closing segment

  GdiCanvas closed(120, 120);
  CStrokePolygon polygon;
  polygon.m_crColor = kBlue;
  for (CPoint p : {CPoint(10, 10), CPoint(100, 10), CPoint(100, 100)}) polygon.m_arrPoint.Add(p);
  polygon.UpdateTracker();
  RECT given = {1, 2, 3, 4};
  polygon.Draw(&closed.dc, &given);
  EXPECT_EQ(closed.At(55, 55), kBlue);  // the closing segment
  EXPECT_EQ(closed.At(80, 40), kWhite);
  EXPECT_EQ(CRect(polygon.m_rcDraw), CRect(given));
}

TEST(ShapeDraw, TriangleAndTrapeziumAreFilledWithoutAnOutline) {
  GdiCanvas canvas(220, 80);
  RECT r = {0, 10, 100, 70};
  CStrokeTriangle triangle;
  Place(triangle, r, kRed, 2);
  triangle.ScaleTo(&r);
  Paint(triangle, canvas.dc);
  EXPECT_EQ(canvas.At(50, 40), kRed);
  EXPECT_EQ(canvas.At(50, 11), kRed);
  EXPECT_EQ(canvas.At(5, 15), kWhite);
  CStrokeTrapezia trapezium;
  RECT t = {110, 10, 210, 70};
  Place(trapezium, t, kBlue, 2);
  trapezium.ScaleTo(&t);
  Paint(trapezium, canvas.dc);
  EXPECT_EQ(canvas.At(160, 11), kBlue);
  EXPECT_EQ(canvas.At(112, 68), kBlue);
  EXPECT_EQ(canvas.At(112, 12), kWhite);
}

TEST(ShapeDraw, HighlighterAndsWithWhatLiesBelow) {
  GdiCanvas canvas(100, 40);
  canvas.dc.FillSolidRect(0, 0, 50, 40, RGB(200, 100, 255));
  const COLORREF yellow = RGB(255, 255, 0);
  CStrokeFluorescencePen pen;
  pen.m_crColor = yellow;
  pen.m_nPenWidth = 9;
  pen.m_arrPoint.Add(CPoint(5, 20));
  pen.m_arrPoint.Add(CPoint(95, 20));
  pen.UpdateTracker();
  canvas.dc.SetROP2(R2_NOTXORPEN);
  Paint(pen, canvas.dc);
  EXPECT_EQ(canvas.dc.GetROP2(), R2_NOTXORPEN);
  EXPECT_EQ(canvas.At(25, 20), RGB(200, 100, 0));
  EXPECT_EQ(canvas.At(75, 20), yellow);
  EXPECT_EQ(canvas.At(75, 10), kWhite);
}

// The pixels a pen segment lights when Cairo strokes it on its own: through pixel centres,
// round caps, without antialiasing.
void StrokeSegment(cairo_surface_t* mask, CPoint a, CPoint b, int width) {
  cairo_t* cr = cairo_create(mask);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, a.x + 0.5, a.y + 0.5);
  cairo_line_to(cr, b.x + 0.5, b.y + 0.5);
  cairo_stroke(cr);
  cairo_destroy(cr);
}

// Pen paths of every pen width through every kind of join (straight on, a right angle, a turn
// back, a repeated point, steps that recur, a long segment, a closing segment), also off the
// canvas, light exactly the pixels of their segments each stroked on its own.
TEST(ShapeDraw, PenPathsLightThePixelsOfTheirSegments) {
  const CPoint path[] = {{-5, 30}, {20, 20}, {28, 20}, {36, 20}, {36, 28}, {28, 20}, {28, 20}, {60, 90},
                         {64, 86}, {68, 90}, {72, 86}, {76, 90}, {125, 128}};
  const int n = (int)std::size(path);
  for (int width = 2; width <= 40; ++width) {
    for (bool closed : {false, true}) {
      CStrokeFreeLine open;
      CStrokePolygon polygon;
      CStrokeFreeLine& shape = closed ? polygon : open;
      for (CPoint p : path) shape.m_arrPoint.Add(p);
      shape.m_crColor = kBlue, shape.m_nPenWidth = width;
      shape.UpdateTracker();
      GdiCanvas canvas(120, 120);
      Paint(shape, canvas.dc);
      cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A1, 120, 120);
      for (int i = 1; i < n + closed; ++i) StrokeSegment(mask, path[i - 1], path[i % n], width);
      cairo_surface_flush(mask);
      const unsigned char* bits = cairo_image_surface_get_data(mask);
      int stride = cairo_image_surface_get_stride(mask), wrong = 0;
      for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 120; ++x) {
          bool lit = (reinterpret_cast<const uint32_t*>(bits + y * stride)[x / 32] >> (x % 32)) & 1;
          wrong += (canvas.At(x, y) == (lit ? kBlue : kWhite)) ? 0 : 1;
        }
      cairo_surface_destroy(mask);
      EXPECT_EQ(wrong, 0) << "width " << width << (closed ? ", closed" : "");
    }
  }
}

// A repaint draws only the objects that say they draw into its area: every pixel a shape lights
// lies in its draw extent and in an area it says it draws into, small shapes under wide pens
// included (a ring's inner edge then crosses its outer one).
TEST(ShapeDraw, EveryLitPixelLiesWhereTheShapeSaysItDraws) {
  unsigned seed = 77;
  auto next = [&seed](int n) { return (int)((seed = seed * 1103515245u + 12345u) >> 8) % n; };
  int misplaced = 0, lit = 0;
  for (const StrokeKind& kind : wbtest::AllShapeKinds()) {
    for (int i = 0; i < 12; ++i) {
      GdiCanvas canvas(120, 120);
      canvas.dc.FillSolidRect(0, 0, 120, 120, kWhite);
      RECT rect{40 + next(10), 40 + next(10), 0, 0};
      rect.right = rect.left + 1 + next(30), rect.bottom = rect.top + 1 + next(30);
      std::unique_ptr<CStrokeBase> shape = wbtest::MakeShapeIn(kind, rect, kRed, 1 + next(40));
      Paint(*shape, canvas.dc);
      RECT extent = StrokeDrawExtent(shape.get());
      for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 120; ++x) {
          if (canvas.At(x, y) == kWhite) continue;
          ++lit;
          bool inExtent = x >= extent.left && x < extent.right && y >= extent.top && y < extent.bottom;
          misplaced += !inExtent || !shape->DrawsInto(RECT{x, y, x + 1, y + 1});
        }
    }
  }
  EXPECT_EQ(0, misplaced);
  EXPECT_GT(lit, 1000);
}

// Every tool's rubber band, with the corners of a drag.
TEST(ShapeRubberBand, XorBandDrawnTwiceLeavesTheCanvasAsItWas) {
  for (const StrokeKind& kind : kStrokeKinds) {
    if (!kind.band) continue;
    SCOPED_TRACE(kind.word);
    const RubberBandProc band = kind.band;
    GdiCanvas canvas(120, 100);
    canvas.Stripes();
    canvas.dc.SetROP2(R2_XORPEN);
    const std::vector<COLORREF> before = canvas.Snapshot();
    band(&canvas.dc, 90, 80, 10, 20);  // dragged up and to the left
    EXPECT_NE(canvas.Snapshot(), before);
    band(&canvas.dc, 90, 80, 10, 20);
    EXPECT_EQ(canvas.Snapshot(), before);
  }
}

TEST(ShapeRubberBand, BandsUseTheGreyPenAndLeaveTheInsideAlone) {
  GdiCanvas canvas(100, 100);
  CStrokeSolidRectangle::DrawRubberBand(&canvas.dc, 10, 10, 90, 90);
  EXPECT_EQ(canvas.At(10, 50), kBand);
  CPen* pen = canvas.dc.GetCurrentPen();
  GdiCanvas striped(100, 100);
  striped.Stripes();
  COLORREF inside = striped.At(50, 50);
  striped.dc.SetROP2(R2_XORPEN);
  CStrokeRoundRect::DrawRubberBand(&striped.dc, 10, 10, 90, 90);
  EXPECT_EQ(striped.At(50, 50), inside);  // XOR with the black brush
  EXPECT_EQ(canvas.dc.GetCurrentPen(), pen);
  CStrokeLine::DrawRubberBand(nullptr, 0, 0, 1, 1);
}

TEST(ShapeRubberBand, CircleBandIsTheSquareAtTheNormalisedCorner) {
  GdiCanvas canvas(100, 100);
  CStrokeRoundCircle::DrawRubberBand(&canvas.dc, 90, 50, 10, 10);  // 80 x 40: a circle of 40
  EXPECT_EQ(canvas.At(10, 30), kBand);
  EXPECT_EQ(canvas.At(49, 30), kBand);
  EXPECT_EQ(canvas.At(70, 30), kWhite);
}

TEST(ShapeRubberBand, TriangleAndTrapeziumBandsFollowTheirCorners) {
  GdiCanvas canvas(100, 100);
  CStrokeTriangle::DrawRubberBand(&canvas.dc, 0, 0, 100, 60);
  EXPECT_EQ(canvas.At(50, 0), kBand);
  EXPECT_EQ(canvas.At(50, 60), kBand);
  EXPECT_EQ(canvas.At(50, 30), kWhite);
  GdiCanvas trapezium(100, 100);
  CStrokeTrapezia::DrawRubberBand(&trapezium.dc, 0, 0, 100, 60);
  EXPECT_EQ(trapezium.At(50, 0), kBand);
  EXPECT_EQ(trapezium.At(10, 0), kWhite);
}

class GestureBand : public testing::Test {
 protected:
  void TearDown() override {
    g_arGesturePoints.RemoveAll();
    g_ptScrollOrigin = CPoint(0, 0);
    g_bScrolledInGesture = FALSE;
  }
};

TEST_F(GestureBand, FreeLineDrawsTheGatheredPointsInClientCoordinates) {
  GdiCanvas canvas(200, 100);
  for (CPoint p : {CPoint(110, 20), CPoint(150, 20), CPoint(150, 60)}) g_arGesturePoints.Add(p);
  g_ptScrollOrigin = CPoint(100, 0);
  CStrokeFreeLine::DrawRubberBand(&canvas.dc, 10, 20, 10, 90);
  EXPECT_EQ(canvas.At(30, 20), kBand);
  EXPECT_EQ(canvas.At(50, 40), kBand);
  EXPECT_EQ(canvas.At(30, 75), kBand);  // the last segment to the pointer (10, 90)
  EXPECT_EQ(canvas.At(130, 20), kWhite);
}

TEST_F(GestureBand, PolylineRedrawsTheWholeGestureOnceAfterAScroll) {
  for (CPoint p : {CPoint(20, 20), CPoint(80, 20)}) g_arGesturePoints.Add(p);
  GdiCanvas plain(100, 100);
  CStrokePolyline::DrawRubberBand(&plain.dc, 80, 20, 80, 80);
  EXPECT_EQ(plain.At(80, 50), kBand);
  EXPECT_EQ(plain.At(50, 20), kWhite);  // only the segment from the last click

  g_bScrolledInGesture = TRUE;
  g_ptScrollOrigin = CPoint(0, 10);
  GdiCanvas scrolled(100, 100);
  CStrokePolyline::DrawRubberBand(&scrolled.dc, 80, 10, 80, 80);
  EXPECT_EQ(scrolled.At(50, 10), kBand);
  EXPECT_EQ(scrolled.At(80, 50), kBand);
  EXPECT_FALSE(g_bScrolledInGesture);
}

// A page of every shape kind, the top row selected, for a person to look at: a grid of the
// kinds, the highlighter across a blue bar, and an XOR rubber band.
TEST(ShapePicture, PageOfEveryKind) {
  const char* dir = getenv("TAV_PICTURES_DIR");
  if (!dir) GTEST_SKIP() << "TAV_PICTURES_DIR not set";
  GdiCanvas page(800, 520);
  const COLORREF colors[] = {RGB(200, 30, 30), RGB(30, 90, 200), RGB(20, 150, 60), RGB(230, 150, 0),
                             RGB(140, 40, 170), RGB(0, 150, 160), RGB(90, 90, 90)};
  page.dc.FillSolidRect(40, 430, 720, 30, RGB(120, 200, 255));
  int i = 0;
  for (const StrokeKind& kind : wbtest::AllShapeKinds()) {
    std::unique_ptr<CStrokeBase> shape;
    if (kind.tool == kToolHighlighter) {
      shape = wbtest::MakeShapeIn(kind, RECT{60, 420, 740, 470}, RGB(255, 255, 0), 20);
    } else {
      const int col = i % 4, row = i / 4;
      RECT cell = {40 + col * 190, 30 + row * 130, 180 + col * 190, 130 + row * 130};
      shape = wbtest::MakeShapeIn(kind, cell, colors[i % 7], 4);
      ++i;
    }
    Paint(*shape, page.dc);
    if (i <= 4) shape->GetTracker()->Draw(&page.dc);
  }
  page.dc.SetROP2(R2_XORPEN);
  CStrokeEllipse::DrawRubberBand(&page.dc, 600, 410, 760, 500);
  std::string path = std::string(dir) + "/shapes.png";
  EXPECT_TRUE(page.dc.WritePng(path.c_str())) << path;
}

}  // namespace
