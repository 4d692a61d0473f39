// New objects drawn with the mouse and the records that announce them.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/ui/ScrollBars.h"
#include "platform/ui/UserInput.h"
#include "whiteboard/windows/WbToolButtons.h"
#include "tests/support/boards/SurfaceFixture.h"
#include "whiteboard/model/StrokeBase.h"
#include "whiteboard/model/StrokeFreeLine.h"
#include "whiteboard/model/StrokeLine.h"
#include "whiteboard/model/StrokePage.h"

namespace surftest {
namespace {

typedef SurfaceTest SurfaceSend;

bool IsHexDigits(const char* text, size_t length) {
  if (strlen(text) != length) return false;
  for (size_t i = 0; i < length; ++i)
    if (!strchr("0123456789abcdef", text[i])) return false;
  return true;
}

TEST_F(SurfaceSend, LineDrawnWithTheMouseTravelsAsTheRoadOfOneStroke) {
  UseTool(kToolLine, kRed, 4);
  Drag({300, 200}, {100, 50});

  std::vector<CStrokeBase*> strokes = Strokes();
  ASSERT_EQ(strokes.size(), 1u);
  ASSERT_NE(dynamic_cast<CStrokeLine*>(strokes[0]), nullptr);
  std::vector<const WbMsgHeader*> sent = Sent();
  ASSERT_EQ(sent.size(), 1u) << Traffic();
  const WbMsgHeader* header = sent[0];
  DWORD type = header->head.op, subConf = header->head.nSubConfID;
  int32_t pageCount = header->nValue;
  EXPECT_EQ(type, 7u);
  EXPECT_EQ(pageCount, 1);
  EXPECT_EQ(subConf, kWhiteboardSubConf);
  EXPECT_STREQ(header->head.szSessionURI, "sip:conf001@ims.example.cn");
  const WbPageOpRecord* pageOp = header->pPageOp;
  ASSERT_NE(pageOp, nullptr);
  int32_t page = pageOp->nPage, op = pageOp->nOp;
  EXPECT_EQ(page, 1);
  EXPECT_EQ(op, 3);
  const WbListNode* node = pageOp->pList;
  ASSERT_NE(node, nullptr);
  const WbListNode* next = node->pNext;
  EXPECT_EQ(next, nullptr);
  const WbLinePayload* line = wbtest::FirstPayload<WbLinePayload>(header);
  DWORD objType = line->head.nObjType;
  int32_t subOp = line->head.nSubOp;
  EXPECT_EQ(objType, 2u);
  EXPECT_EQ(subOp, 0);
  EXPECT_EQ(std::string(line->head.szID, 5), "line:");
  EXPECT_TRUE(IsHexDigits(line->head.szID + 5, 17)) << line->head.szID;
  EXPECT_STREQ(line->head.szID, strokes[0]->m_szID);
  EXPECT_STREQ(line->szX1, "300");
  EXPECT_STREQ(line->szY1, "200");
  EXPECT_STREQ(line->szX2, "100");
  EXPECT_STREQ(line->szY2, "50");
  const WbStyleRecord* style = line->pStyle;
  ASSERT_NE(style, nullptr);
  int32_t width = line->pStyle->nPenWidth;
  EXPECT_STREQ(line->pStyle->szPenColor, "255");
  EXPECT_EQ(width, 4);
  EXPECT_STREQ(line->pStyle->szFillColor, "");
}

TEST_F(SurfaceSend, OutlineShapesCarryTheirGeometryAndPen) {
  UseTool(kToolRectangle, kBlue, 4);
  Drag({100, 50}, {300, 200});
  const WbRectPayload* rect = LastPayload<WbRectPayload>();
  ASSERT_NE(rect, nullptr);
  EXPECT_STREQ(rect->szX, "100");
  EXPECT_STREQ(rect->szY, "50");
  EXPECT_STREQ(rect->szWidth, "200");
  EXPECT_STREQ(rect->szHeight, "150");
  EXPECT_STREQ(rect->pStyle->szPenColor, "16711680");

  UseTool(kToolEllipse);
  Drag({301, 201}, {100, 50});  // dragged backwards: the box is normalised
  const WbEllipsePayload* ellipse = LastPayload<WbEllipsePayload>();
  ASSERT_NE(ellipse, nullptr);
  DWORD type = ellipse->head.nObjType;
  EXPECT_EQ(type, 4u);
  EXPECT_STREQ(ellipse->szCX, "200");
  EXPECT_STREQ(ellipse->szCY, "125");
  EXPECT_STREQ(ellipse->szRX, "100");
  EXPECT_STREQ(ellipse->szRY, "75");
}

TEST_F(SurfaceSend, FilledShapesPutTheirColourFirstAndNoWidth) {
  UseTool(kToolSolidRectangle, kRed, 8);
  Drag({100, 50}, {300, 200});
  const WbRectPayload* rect = LastPayload<WbRectPayload>();
  ASSERT_NE(rect, nullptr);
  int32_t width = rect->pStyle->nPenWidth;
  EXPECT_STREQ(rect->pStyle->szFillColor, "255");
  EXPECT_STREQ(rect->pStyle->szPenColor, "");
  EXPECT_EQ(width, -1);
  EXPECT_EQ(Strokes().back()->m_nPenWidth, 2);  // filled kinds keep their own width

  UseTool(kToolRoundRect, kRed);
  Drag({100, 100}, {300, 180});
  const WbRectPayload* round = LastPayload<WbRectPayload>();
  ASSERT_NE(round, nullptr);
  EXPECT_STREQ(round->szCornerX, "20");  // a quarter of the smaller side
  EXPECT_STREQ(round->szCornerY, "20");

  UseTool(kToolCircle, kRed);
  Drag({100, 100}, {160, 200});
  const WbCirclePayload* circle = LastPayload<WbCirclePayload>();
  ASSERT_NE(circle, nullptr);
  EXPECT_STREQ(circle->szCX, "130");
  EXPECT_STREQ(circle->szCY, "130");
  EXPECT_STREQ(circle->szR, "30");
  EXPECT_STREQ(circle->pStyle->szFillColor, "255");

  UseTool(kToolTriangle, kRed, 4);
  Drag({100, 100}, {200, 200});
  const WbPathPayload* triangle = LastPayload<WbPathPayload>();
  ASSERT_NE(triangle, nullptr);
  EXPECT_STREQ(triangle->pszPath, "M 150 100 L 100 200 L 200 200");
  EXPECT_STREQ(triangle->pStyle->szPenColor, "255");
}

TEST_F(SurfaceSend, TooSmallDragsAreDropped) {
  UseTool(kToolLine);
  Drag({100, 100}, {104, 140});
  EXPECT_EQ(Sent().size(), 1u);
  UseTool(kToolRectangle);
  Drag({100, 100}, {104, 140});
  UseTool(kToolLine);
  Drag({200, 200}, {204, 204});
  EXPECT_EQ(Sent().size(), 1u);
  EXPECT_EQ(Strokes().size(), 1u);
}

TEST_F(SurfaceSend, PenClickKeepsADotOnlyWhenThePenIsWide) {
  UseTool(kToolPen, kRed, 2);
  Click({100, 100});
  EXPECT_TRUE(Sent().empty());
  UseTool(kToolPen, kRed, 16);
  Click({100, 100});
  const WbPathPayload* dot = LastPayload<WbPathPayload>();
  ASSERT_NE(dot, nullptr);
  EXPECT_STREQ(dot->pszPath, "M 100 100");
}

TEST_F(SurfaceSend, PenStrokeSendsEveryPointAsPathText) {
  UseTool(kToolHighlighter, kBlue, 8);
  HWND surface = SurfaceWnd();
  platform::user::MouseDown(surface, {100, 100});
  platform::user::MouseMove(surface, {120, 110}, true);
  platform::user::MouseMove(surface, {150, 130}, true);
  platform::user::MouseUp(surface, {150, 130});
  const WbPathPayload* path = LastPayload<WbPathPayload>();
  ASSERT_NE(path, nullptr);
  EXPECT_STREQ(path->pszPath, "M 100 100 L 120 110 L 150 130");
  EXPECT_EQ(std::string(path->head.szID, 13), "fluorescence:");
  int32_t width = path->pStyle->nPenWidth;
  EXPECT_EQ(width, 8);
}

TEST_F(SurfaceSend, PolygonClosedNearItsFirstVertexDropsTheClosingClick) {
  UseTool(kToolPolygon, kRed, 2);
  for (POINT p : {POINT{100, 100}, POINT{200, 100}, POINT{150, 200}, POINT{103, 98}}) Click(p);
  const WbPathPayload* polygon = LastPayload<WbPathPayload>();
  ASSERT_NE(polygon, nullptr);
  EXPECT_STREQ(polygon->pszPath, "M 100 100 L 200 100 L 150 200");
  EXPECT_TRUE(Surface()->m_bPolygonStart);
  EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(SurfaceSend, PolylineEndsWithTheRightButton) {
  UseTool(kToolPolyline, kRed, 2);
  for (POINT p : {POINT{100, 100}, POINT{200, 150}, POINT{300, 100}}) Click(p);
  EXPECT_TRUE(Sent().empty());
  platform::user::MouseDown(SurfaceWnd(), {300, 100}, true);
  const WbPathPayload* polyline = LastPayload<WbPathPayload>();
  ASSERT_NE(polyline, nullptr);
  EXPECT_STREQ(polyline->pszPath, "M 100 100 L 200 150 L 300 100");
  EXPECT_EQ(std::string(polyline->head.szID, 9), "polyline:");
  EXPECT_EQ(Surface()->m_arPoints.GetSize(), 0);
}

TEST_F(SurfaceSend, ATooSmallPolylineDoesNotCarryOverToTheNextOne) {
  UseTool(kToolPolyline, kRed, 2);
  Click({100, 100});
  Click({101, 101});
  platform::user::MouseDown(SurfaceWnd(), {101, 101}, true);
  EXPECT_TRUE(Sent().empty());
  for (POINT p : {POINT{200, 200}, POINT{260, 200}}) Click(p);
  platform::user::MouseDown(SurfaceWnd(), {260, 200}, true);
  const WbPathPayload* polyline = LastPayload<WbPathPayload>();
  ASSERT_NE(polyline, nullptr);
  EXPECT_STREQ(polyline->pszPath, "M 200 200 L 260 200");
}

// A member's new-page record damaged to page 0 leaves a page without a number.
// A page without a number names no page of the board: the board stays on its page, and what is
// drawn there goes out with that page's number.
TEST_F(SurfaceSend, ANewPageWithoutANumberIsRefused) {
  ASSERT_TRUE(platform::user::ClickItem(Board()->m_hWnd, IDC_WB_NEW_PAGE));
  WbMsgHeader* newPage = const_cast<WbMsgHeader*>(Sent().back());
  newPage->pPageOp->nPage = 0;
  Receive(Relayed(newPage));
  EXPECT_EQ(Surface()->m_nCurPageNo, 2);
  UseTool(kToolRectangle);
  Drag({100, 50}, {300, 200});
  ASSERT_EQ(Strokes().size(), 1u);
  const WbPageOpRecord* pageOp = Sent().back()->pPageOp;
  ASSERT_NE(pageOp, nullptr);
  const int page = pageOp->nPage;  // a packed field, read by value
  EXPECT_EQ(page, 2);
}

TEST_F(SurfaceSend, DrawingAfterScrollingSendsDocumentCoordinates) {
  platform::user::Scroll(SurfaceWnd(), SB_HORZ, SB_THUMBPOSITION, 200);
  platform::user::Scroll(SurfaceWnd(), SB_VERT, SB_THUMBPOSITION, 100);
  UseTool(kToolLine);
  Drag({100, 100}, {200, 150});
  const WbLinePayload* line = LastPayload<WbLinePayload>();
  ASSERT_NE(line, nullptr);
  EXPECT_STREQ(line->szX1, "300");
  EXPECT_STREQ(line->szY1, "200");
  EXPECT_STREQ(line->szX2, "400");
  EXPECT_STREQ(line->szY2, "250");
}

TEST_F(SurfaceSend, ReleaseWithoutAPageReturnsToTheSelectTool) {
  EndBoard();
  UseTool(kToolLine);
  Drag({100, 100}, {200, 200});
  EXPECT_EQ(Surface()->m_nTool, kToolSelect);
  EXPECT_TRUE(Sent().empty());
  EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(Board()->m_hWnd, IDC_WB_SELECT_TOOL)));
}

}  // namespace
}  // namespace surftest
