// Hit tests of the shapes: the band of pen width + 2 around outlines, rings, regions.
#include <gtest/gtest.h>

#include <climits>

#include "platform/gdi/Rgn.h"
#include "whiteboard/model/StrokeEllipse.h"
#include "whiteboard/model/StrokeFluorescencePen.h"
#include "whiteboard/model/StrokeFreeLine.h"
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

template <class Shape>
void SetRect(Shape& shape, const RECT& rect, int penWidth = 2) {
  shape.m_rcDraw = rect;
  shape.m_nPenWidth = penWidth;
  shape.UpdateTracker();
}

void AddPoints(CStrokeFreeLine& shape, std::initializer_list<CPoint> points) {
  for (CPoint p : points) shape.m_arrPoint.Add(p);
  shape.UpdateTracker();
}

TEST(ShapeHit, LineBandIsPenWidthPlusTwoInEveryDirection) {
  CStrokeLine line;
  SetRect(line, RECT{10, 10, 110, 60});
  EXPECT_TRUE(line.HitTest(60, 35));
  EXPECT_TRUE(line.m_bSelected);
  EXPECT_TRUE(line.HitTest(60, 37));
  EXPECT_FALSE(line.HitTest(60, 10));
  EXPECT_FALSE(line.m_bSelected);
  EXPECT_FALSE(line.HitTest(60, 41));

  // The same segment drawn in each direction, and the axis-parallel ones.
  const RECT directions[] = {{110, 60, 10, 10}, {110, 10, 10, 60}, {10, 60, 110, 10}};
  for (const RECT& r : directions) {
    SetRect(line, r);
    bool rising = (r.top > r.bottom) == (r.left < r.right);  // from bottom-left to top-right
    EXPECT_TRUE(line.HitTest(60, 35)) << r.left << "," << r.top;
    EXPECT_FALSE(line.HitTest(60, rising ? 10 : 60));
  }
  SetRect(line, RECT{10, 50, 200, 50}, 1);
  EXPECT_TRUE(line.HitTest(100, 47));
  EXPECT_TRUE(line.HitTest(100, 52));
  EXPECT_FALSE(line.HitTest(100, 53));
  SetRect(line, RECT{40, 10, 40, 200}, 1);
  EXPECT_TRUE(line.HitTest(37, 100));
  EXPECT_TRUE(line.HitTest(42, 100));
  EXPECT_FALSE(line.HitTest(43, 100));  // the band's right edge lies outside, as in a region
  EXPECT_FALSE(line.HitTest(40, 300));
}

TEST(ShapeHit, HollowFiguresAnswerOnTheirOutlineOnly) {
  CStrokeRectangle rect;
  SetRect(rect, RECT{0, 0, 100, 100});
  EXPECT_TRUE(rect.HitTest(2, 50));
  EXPECT_TRUE(rect.HitTest(-3, 50));
  EXPECT_FALSE(rect.HitTest(50, 50));
  EXPECT_FALSE(rect.HitTest(-10, 50));

  CStrokeEllipse ellipse;
  SetRect(ellipse, RECT{0, 0, 200, 100}, 4);
  EXPECT_TRUE(ellipse.HitTest(100, 1));
  EXPECT_TRUE(ellipse.HitTest(0, 50));
  EXPECT_FALSE(ellipse.HitTest(100, 50));
  EXPECT_FALSE(ellipse.HitTest(2, 2));  // the corner of the box lies off the ellipse
}

TEST(ShapeHit, HollowRectangleDrawnWithOneAxisReversedKeepsItsRing) {
  // Right to left but top to bottom: the band still follows the outline.
  CStrokeRectangle rect;
  SetRect(rect, RECT{100, 0, 0, 100});
  EXPECT_TRUE(rect.HitTest(2, 50));
  EXPECT_TRUE(rect.HitTest(50, 98));
  EXPECT_FALSE(rect.HitTest(50, 50));
  EXPECT_FALSE(rect.HitTest(50, -20));
}

TEST(ShapeHit, FilledFiguresAnswerInside) {
  CStrokeSolidRectangle solid;
  SetRect(solid, RECT{0, 0, 100, 100});
  EXPECT_TRUE(solid.HitTest(50, 50));
  EXPECT_FALSE(solid.HitTest(100, 50));
  CStrokeRoundRect round;
  SetRect(round, RECT{100, 100, 0, 0});
  EXPECT_TRUE(round.HitTest(50, 50));
  EXPECT_TRUE(round.HitTest(1, 1));  // the rectangle region, corners included
  CStrokeSolidEllipse ellipse;
  SetRect(ellipse, RECT{0, 0, 100, 100});
  EXPECT_TRUE(ellipse.HitTest(50, 50));
  EXPECT_FALSE(ellipse.HitTest(3, 3));
}

TEST(ShapeHit, CircleAnswersInsideItsSquare) {
  CStrokeRoundCircle circle;
  SetRect(circle, RECT{10, 10, 110, 60});
  EXPECT_EQ(CRect(circle.m_tracker.m_rect), CRect(10, 10, 60, 60));
  EXPECT_TRUE(circle.HitTest(35, 35));
  EXPECT_FALSE(circle.HitTest(80, 35));
  EXPECT_FALSE(circle.HitTest(12, 12));
}

TEST(ShapeHit, FreeLineAnswersAlongItsSegmentsAndKeepsTheLastAnswerOnAMiss) {
  CStrokeFreeLine line;
  AddPoints(line, {CPoint(10, 10), CPoint(100, 10), CPoint(100, 100)});
  EXPECT_TRUE(line.HitTest(50, 13));
  EXPECT_TRUE(line.HitTest(103, 50));
  EXPECT_TRUE(line.m_bSelected);
  EXPECT_FALSE(line.HitTest(50, 50));
  EXPECT_TRUE(line.m_bSelected);  // a miss leaves the flag
  line.m_bSelected = FALSE;
  EXPECT_FALSE(line.HitTest(50, 50));
  EXPECT_FALSE(line.m_bSelected);

  CStrokeFluorescencePen pen;
  AddPoints(pen, {CPoint(0, 0), CPoint(50, 0)});
  pen.m_nPenWidth = 10;
  EXPECT_TRUE(pen.HitTest(25, 11));
  EXPECT_FALSE(pen.HitTest(25, 13));
}

TEST(ShapeHit, OnePointStrokeHasItsTrackerAroundThePointAndCanBeHit) {
  CStrokeFreeLine dot;
  dot.m_nPenWidth = 4;
  AddPoints(dot, {CPoint(300, 200)});
  EXPECT_EQ(CRect(dot.m_tracker.m_rect), CRect(298, 198, 302, 202));
  EXPECT_TRUE(dot.HitTest(300, 200));
  EXPECT_TRUE(dot.HitTest(306, 194));
  EXPECT_FALSE(dot.HitTest(307, 200));
  long lo = 0, hi = 0;
  EXPECT_TRUE(CStrokeFreeLine::GetXRange(dot.m_arrPoint, &lo, &hi));
  EXPECT_EQ(lo, 300);
  EXPECT_EQ(hi, 300);
  CStrokeFreeLine empty;
  EXPECT_FALSE(CStrokeFreeLine::GetYRange(empty.m_arrPoint, &lo, &hi));
  EXPECT_FALSE(empty.HitTest(0, 0));
}

TEST(ShapeHit, PolygonAnswersOnEveryEdgeIncludingTheClosingOneButNotInside) {
  CStrokePolygon polygon;
  AddPoints(polygon, {CPoint(0, 0), CPoint(100, 0), CPoint(100, 100), CPoint(0, 100)});
  EXPECT_TRUE(polygon.HitTest(0, 50));  // closing edge
  EXPECT_TRUE(polygon.HitTest(50, 0));
  EXPECT_TRUE(polygon.HitTest(100, 50));
  EXPECT_FALSE(polygon.HitTest(50, 50));
  CStrokePolyline polyline;
  AddPoints(polyline, {CPoint(0, 0), CPoint(100, 0), CPoint(100, 100), CPoint(0, 100)});
  EXPECT_FALSE(polyline.HitTest(0, 50));  // open: no closing edge
}

TEST(ShapeHit, TriangleAndTrapeziumAnswerAnywhereInside) {
  CStrokeTriangle triangle;
  RECT r = {0, 0, 100, 60};
  triangle.m_rcDraw = r;
  triangle.ScaleTo(&r);
  triangle.UpdateTracker();
  EXPECT_TRUE(triangle.HitTest(50, 30));
  EXPECT_TRUE(triangle.m_bSelected);
  EXPECT_FALSE(triangle.HitTest(5, 5));
  EXPECT_FALSE(triangle.m_bSelected);
  CStrokeTrapezia trapezium;
  trapezium.ScaleTo(&r);
  EXPECT_TRUE(trapezium.HitTest(50, 2));
  EXPECT_TRUE(trapezium.HitTest(5, 55));
  EXPECT_FALSE(trapezium.HitTest(5, 5));
}

// The hit tests answer exactly for the pixels of the regions they describe.
TEST(ShapeHit, AnswersMatchTheWholeRegionPixelForPixel) {
  CStrokeEllipse ellipse;
  SetRect(ellipse, RECT{97, 61, 3, 5}, 3);
  CRgn outer, inner, ring;
  outer.CreateEllipticRgn(-2, 0, 102, 66);
  inner.CreateEllipticRgn(8, 10, 92, 56);
  ring.CreateRectRgn(0, 0, 0, 0);
  ring.CombineRgn(&outer, &inner, RGN_XOR);
  CStrokeLine line;
  SetRect(line, RECT{90, 5, 10, 60}, 1);
  POINT band[] = {{90, 2}, {93, 5}, {10, 63}, {7, 60}};
  CRgn bandRgn;
  bandRgn.CreatePolygonRgn(band, 4, ALTERNATE);
  for (int y = -10; y < 80; ++y)
    for (int x = -10; x < 110; ++x) {
      ASSERT_EQ(ellipse.HitTest(x, y), ring.PtInRegion(x, y)) << x << "," << y;
      ASSERT_EQ(line.HitTest(x, y), bandRgn.PtInRegion(x, y)) << x << "," << y;
    }
}

TEST(ShapeHit, AbsurdCoordinatesAndWidthsDoNotOverflow) {
  CStrokeLine line;
  SetRect(line, RECT{INT_MAX, INT_MIN, INT_MIN, INT_MAX}, INT_MAX);
  line.HitTest(0, 0);
  CStrokeRectangle rect;
  SetRect(rect, RECT{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, INT_MIN);
  rect.HitTest(5, 5);
  CStrokeFreeLine path;
  path.m_nPenWidth = INT_MAX;
  AddPoints(path, {CPoint(INT_MAX, INT_MAX), CPoint(INT_MIN, INT_MIN)});
  path.HitTest(0, 0);
  CStrokeRoundCircle circle;
  SetRect(circle, RECT{INT_MAX, INT_MAX, INT_MIN, INT_MIN});
  circle.HitTest(0, 0);
}

}  // namespace
