// Run-time classes of the shapes, their trackers and how they follow a new rectangle.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/whiteboard/ShapeKinds.h"
#include "whiteboard/model/StrokeBitmap.h"
#include "whiteboard/model/StrokeFreeLine.h"
#include "whiteboard/model/StrokePolygon.h"
#include "whiteboard/model/StrokeTrapezia.h"
#include "whiteboard/model/StrokeTriangle.h"
#include "whiteboard/windows/DlgDFP2PWhiteBoard.h"

namespace {

std::vector<CPoint> PointsOf(const CStrokeFreeLine& line) {
  std::vector<CPoint> points;
  for (int i = 0; i < line.m_arrPoint.GetSize(); ++i) points.push_back(line.m_arrPoint[i]);
  return points;
}

// Every kind of the table is made as its class, and the class writes the table's word and
// element: the word a tool gives an id is the one that chooses the class when it is read back.
TEST(ShapeClass, EveryKindIsMadeAsItsClassWithItsWordAndElement) {
  for (const StrokeKind& kind : kStrokeKinds) {
    SCOPED_TRACE(kind.word);
    std::unique_ptr<CStrokeBase> object(kind.create(nullptr));
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->GetRuntimeClass(), kind.runtimeClass);
    EXPECT_EQ(object->m_pOwner, nullptr);
    EXPECT_EQ(object->m_nPenWidth, 2);
    if (auto* picture = dynamic_cast<CStrokeBitmap*>(object.get())) {
      EXPECT_EQ(std::string(picture->ToXmlImage()).rfind(std::string("<") + kind.element + " ", 0), 0u);
    } else {
      EXPECT_STREQ(object->GetTypeName(), kind.word);
      EXPECT_STREQ(object->GetElementName(), kind.element);
    }
  }
}

TEST(ShapeClass, OneRectangleKindsTrackTheirDrawnRectangle) {
  for (const StrokeKind& kind : wbtest::AllShapeKinds()) {
    if (wbtest::IsPointList(kind)) continue;
    SCOPED_TRACE(kind.word);
    auto shape = wbtest::MakeShape(kind);
    shape->m_rcDraw = RECT{110, 60, 10, 10};
    EXPECT_TRUE(shape->UpdateTracker());
    EXPECT_EQ(shape->m_tracker.m_nHandleSize, 5);
    EXPECT_EQ(shape->m_tracker.m_nStyle, UINT(CRectTracker::dottedLine | CRectTracker::resizeOutside));
    CRect expected = kind.payloadType == WB_OBJ_CIRCLE ? CRect(110, 60, 10, -40) : CRect(110, 60, 10, 10);
    EXPECT_EQ(CRect(shape->m_tracker.m_rect), expected);
  }
}

TEST(ShapeClass, FreeLineScalesFromItsDrawnRectangle) {
  CStrokeFreeLine line;
  line.m_arrPoint.Add(CPoint(100, 50));
  line.m_arrPoint.Add(CPoint(0, 0));
  line.m_rcDraw = RECT{0, 0, 100, 100};
  RECT to = {0, 0, 50, 200};
  line.ScaleTo(&to);
  EXPECT_EQ(PointsOf(line), (std::vector<CPoint>{CPoint(50, 100), CPoint(0, 0)}));
  EXPECT_EQ(CRect(line.m_rcDraw), CRect(to));
  line.ScaleTo(nullptr);
  EXPECT_EQ(CRect(line.m_rcDraw), CRect(to));
}

TEST(ShapeClass, ScalingFromAFlatRectangleMovesInsteadOfDividingByZero) {
  CStrokePolygon line;  // a straight horizontal stroke: no height
  line.m_arrPoint.Add(CPoint(10, 40));
  line.m_arrPoint.Add(CPoint(30, 40));
  line.m_rcDraw = RECT{10, 40, 30, 40};
  RECT to = {20, 100, 60, 120};
  line.ScaleTo(&to);
  EXPECT_EQ(PointsOf(line), (std::vector<CPoint>{CPoint(20, 100), CPoint(60, 100)}));
}

TEST(ShapeClass, TriangleAndTrapeziumAreRebuiltFromTheRectangle) {
  CStrokeTriangle triangle;
  RECT r = {0, 0, 100, 60};
  triangle.m_rcDraw = RECT{1, 2, 3, 4};
  triangle.ScaleTo(&r);
  EXPECT_EQ(PointsOf(triangle), (std::vector<CPoint>{CPoint(50, 0), CPoint(0, 60), CPoint(100, 60)}));
  EXPECT_EQ(CRect(triangle.m_rcDraw), CRect(1, 2, 3, 4));  // kept until the next draw
  CStrokeTrapezia trapezium;
  trapezium.m_arrPoint.Add(CPoint(7, 7));
  trapezium.ScaleTo(&r);
  EXPECT_EQ(PointsOf(trapezium),
            (std::vector<CPoint>{CPoint(25, 0), CPoint(0, 60), CPoint(100, 60), CPoint(75, 0)}));
  RECT dragged = {100, 60, 0, 0};  // drawn the other way: the rules hold with signed sizes
  trapezium.ScaleTo(&dragged);
  EXPECT_EQ(PointsOf(trapezium),
            (std::vector<CPoint>{CPoint(75, 60), CPoint(100, 0), CPoint(0, 0), CPoint(25, 60)}));
}

TEST(ShapeClass, PointListTrackerGrowsByHalfThePenWidth) {
  CStrokeFreeLine line;
  line.m_nPenWidth = 5;
  line.m_arrPoint.Add(CPoint(40, 30));
  line.m_arrPoint.Add(CPoint(10, 50));
  ASSERT_TRUE(line.UpdateTracker());
  EXPECT_EQ(CRect(line.m_tracker.m_rect), CRect(8, 28, 42, 52));
  EXPECT_EQ(CRect(line.m_rcDraw), CRect(8, 28, 42, 52));
  CDlgDFP2PWhiteBoard board;
  CStrokeTriangle triangle(&board);
  EXPECT_EQ(triangle.m_pOwner, &board);
  triangle.m_rcDraw = RECT{5, 6, 7, 8};
  EXPECT_TRUE(triangle.UpdateTracker());  // no points needed: the tracker is the rectangle
  EXPECT_EQ(CRect(triangle.m_tracker.m_rect), CRect(5, 6, 7, 8));
}

}  // namespace
