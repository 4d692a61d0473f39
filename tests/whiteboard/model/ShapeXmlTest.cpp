// Page XML of the outline, filled and point-list shapes: write, read, write again.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "tests/support/whiteboard/ShapeKinds.h"
#include "whiteboard/model/StrokeFreeLine.h"
#include "whiteboard/model/StrokeRoundRect.h"
#include "xml/XmlParse.h"
#include "xml/XmlTree.h"

namespace {

using wbtest::AllShapeKinds;

BOOL ReadElement(CStrokeBase& stroke, const char* xml) {
  XmlElement* root = XmlLoadString(xml);
  EXPECT_NE(root, nullptr) << xml;
  BOOL ok = stroke.FromXml(root);
  XmlFreeTree(root);
  return ok;
}

std::vector<CPoint> PointsOf(const CStrokeBase& stroke) {
  std::vector<CPoint> points;
  if (auto* path = dynamic_cast<const CStrokeFreeLine*>(&stroke))
    for (int i = 0; i < path->m_arrPoint.GetSize(); ++i) points.push_back(path->m_arrPoint[i]);
  return points;
}

TEST(ShapeXml, EveryKindSurvivesWriteReadWriteDrawnRightToLeft) {
  const RECT dragged = {120, 90, 20, 10};  // right to left and bottom to top: not normalised
  for (const StrokeKind& kind : AllShapeKinds()) {
    SCOPED_TRACE(kind.word);
    auto written = wbtest::MakeShapeIn(kind, dragged, RGB(12, 34, 56), 3);
    CString xml = written->ToXml();
    EXPECT_EQ(std::string(xml).rfind(std::string("<") + kind.element + " id=\"" + kind.word + ":", 0), 0u)
        << (LPCTSTR)xml;

    auto read = wbtest::MakeShape(kind);
    ASSERT_TRUE(ReadElement(*read, xml));
    EXPECT_STREQ(read->m_szID, written->m_szID);
    EXPECT_EQ(CRect(read->m_tracker.m_rect), CRect(written->m_tracker.m_rect));
    EXPECT_EQ(read->m_crColor, RGB(12, 34, 56));
    EXPECT_EQ(read->m_nPenWidth, 3);
    EXPECT_EQ(PointsOf(*read), PointsOf(*written));
    EXPECT_STREQ(read->ToXml(), xml);
  }
}

TEST(ShapeXml, OneRectangleKindsKeepTheDragDirection) {
  for (const StrokeKind& kind : AllShapeKinds()) {
    if (wbtest::IsPointList(kind) || kind.payloadType == WB_OBJ_CIRCLE) continue;
    SCOPED_TRACE(kind.word);
    auto shape = wbtest::MakeShapeIn(kind, RECT{110, 70, 10, 20}, RGB(255, 0, 0), 2);
    EXPECT_NE(std::string(shape->ToXml()).find(" x1=\"110\" y1=\"70\" x2=\"10\" y2=\"20\" "), std::string::npos);
  }
}

TEST(ShapeXml, FreeLinePathTextAndTracker) {
  CStrokeFreeLine line;
  strcpy(line.m_szID, "freeline:1");
  line.m_nPenWidth = 4;
  for (CPoint p : {CPoint(10, 10), CPoint(20, 30), CPoint(40, 30)}) line.m_arrPoint.Add(p);
  ASSERT_TRUE(line.UpdateTracker());
  EXPECT_EQ(CRect(line.m_tracker.m_rect), CRect(8, 8, 42, 32));
  EXPECT_EQ(CRect(line.m_rcDraw), CRect(8, 8, 42, 32));
  EXPECT_STREQ(line.ToXml(), "<path id=\"freeline:1\" x1=\"8\" y1=\"8\" x2=\"42\" y2=\"32\" "
                             "style=\"stroke:0;stroke-width:4\" d=\"M 10 10 L 20 30 L 40 30 Z\"/>");
  line.ClearPoints();
  EXPECT_STREQ(line.GetExtraAttributes(), "d=\"\"");
  EXPECT_FALSE(line.UpdateTracker());
}

TEST(ShapeXml, PathTextIsReadPointByPoint) {
  struct Case {
    const char* d;
    std::vector<CPoint> points;
  } cases[] = {
      {"M 10 10 L 20 30 Z", {CPoint(10, 10), CPoint(20, 30)}},
      {"M 5 5 L 6 6", {CPoint(5, 5), CPoint(6, 6)}},
      {"M -5 7 L 0 0 L 99999 -3 Z", {CPoint(-5, 7), CPoint(0, 0), CPoint(99999, -3)}},
      // A point without two numbers is skipped, not appended with made-up values.
      {"M 1 2 L 3 L x y L 5 6 L  Z", {CPoint(1, 2), CPoint(5, 6)}},
      {"M", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.d);
    CStrokeFreeLine line;
    std::string xml = std::string("<path id=\"freeline:1\" d=\"") + c.d + "\"/>";
    EXPECT_TRUE(ReadElement(line, xml.c_str()));
    EXPECT_EQ(PointsOf(line), c.points);
  }
}

TEST(ShapeXml, PathWithoutPointsIsRefused) {
  CStrokeFreeLine line;
  line.m_arrPoint.Add(CPoint(1, 1));
  EXPECT_FALSE(ReadElement(line, "<path id=\"freeline:1\" x1=\"1\"/>"));
  EXPECT_TRUE(PointsOf(line).empty());
  EXPECT_FALSE(ReadElement(line, "<path id=\"freeline:1\" d=\"\"/>"));
  EXPECT_FALSE(ReadElement(line, "<path d=\"M 1 1 L 2 2\"/>"));  // no id
}

TEST(ShapeXml, RoundRectWritesItsCornersBeforeTheStyle) {
  CStrokeRoundRect shape;
  strcpy(shape.m_szID, "roundrect:1");
  shape.m_tracker.m_rect = CRect(100, 40, 0, 0);
  shape.m_nRx = 10;
  shape.m_nRy = 7;
  shape.m_crColor = 255;
  EXPECT_STREQ(shape.ToXml(), "<roundrect id=\"roundrect:1\" x1=\"100\" y1=\"40\" x2=\"0\" y2=\"0\" rx=\"10\" "
                              "ry=\"7\" style=\"stroke:255;stroke-width:2\"/>");
  CStrokeRoundRect read;
  ASSERT_TRUE(ReadElement(read, shape.ToXml()));
  EXPECT_EQ(read.m_nRx, 10);
  EXPECT_EQ(read.m_nRy, 7);
  ASSERT_TRUE(ReadElement(read, "<roundrect id=\"roundrect:2\" ry=\"99999999999\"/>"));
  EXPECT_EQ(read.m_nRx, 0);
  EXPECT_EQ(read.m_nRy, INT_MAX);
}

TEST(ShapeXml, RoundRectIdWithMarkupStaysOneAttribute) {
  CStrokeRoundRect shape;
  strcpy(shape.m_szID, "roundrect:\" style=\"x");
  CStrokeRoundRect read;
  ASSERT_TRUE(ReadElement(read, shape.ToXml()));
  EXPECT_STREQ(read.m_szID, shape.m_szID);
  EXPECT_EQ(read.m_nPenWidth, 2);
}

}  // namespace
