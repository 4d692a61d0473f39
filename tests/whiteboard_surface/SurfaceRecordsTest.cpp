// Received board records: routing, pages, objects added, changed and deleted, and documents.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "confwindow/DlgDataConf.h"
#include "platform/Tick.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/UserInput.h"
#include "tests/whiteboard_surface/SurfaceFixture.h"
#include "whiteboard/model/StrokeBase.h"
#include "whiteboard/model/StrokeLine.h"
#include "whiteboard/model/StrokePage.h"
#include "whiteboard/model/StrokeText.h"
#include "whiteboard/model/WbBlocks.h"

namespace surftest {
namespace {

typedef SurfaceTest SurfaceRecords;

// A red line payload of width 3 from (50, 60) to (250, 60).
struct LinePayload {
  WbLinePayload line = {};
  WbStyleRecord style = {};
  explicit LinePayload(const char* id = "line:0123456789abcdef0") {
    line.head.nObjType = WB_OBJ_LINE;
    SetWbText(line.head.szID, id);
    SetWbText(line.szX1, "50");
    SetWbText(line.szY1, "60");
    SetWbText(line.szX2, "250");
    SetWbText(line.szY2, "60");
    SetWbText(style.szPenColor, "255");
    style.nPenWidth = 3;
    line.pStyle = &style;
  }
};

TEST_F(SurfaceRecords, AReceivedObjectIsAddedAndPainted) {
  LinePayload payload;
  ReceivedRecord record(WB_RECV_OBJECT_ADD, 1, WB_PAGEOP_OBJECT, &payload.line);
  EXPECT_EQ(Receive(record), 1);
  ASSERT_EQ(Strokes().size(), 1u);
  CStrokeLine* line = dynamic_cast<CStrokeLine*>(Strokes()[0]);
  ASSERT_NE(line, nullptr);
  EXPECT_STREQ(line->m_szID, "line:0123456789abcdef0");
  EXPECT_EQ(line->m_crColor, kRed);
  EXPECT_EQ(line->m_nPenWidth, 3);
  Paint();
  EXPECT_EQ(Pixel(150, 60), kRed);
  EXPECT_EQ(Pixel(150, 80), kWhite);
}

TEST_F(SurfaceRecords, EveryKindIsBuiltFromItsPayload) {
  WbStyleRecord fill = {};
  SetWbText(fill.szFillColor, "255");
  WbRectPayload rect = {};
  rect.head.nObjType = WB_OBJ_RECT;
  SetWbText(rect.head.szID, "solidrectangle:00000000000000001");
  SetWbText(rect.szX, "20"), SetWbText(rect.szY, "30"), SetWbText(rect.szWidth, "60"), SetWbText(rect.szHeight, "40");
  rect.pStyle = &fill;
  WbEllipsePayload ellipse = {};
  ellipse.head.nObjType = WB_OBJ_ELLIPSE;
  SetWbText(ellipse.head.szID, "solidellipse:00000000000000002");
  SetWbText(ellipse.szCX, "200"), SetWbText(ellipse.szCY, "50"), SetWbText(ellipse.szRX, "40"), SetWbText(ellipse.szRY, "20");
  ellipse.pStyle = &fill;
  WbCirclePayload circle = {};
  circle.head.nObjType = WB_OBJ_CIRCLE;
  SetWbText(circle.head.szID, "circle:00000000000000003");
  SetWbText(circle.szCX, "330"), SetWbText(circle.szCY, "50"), SetWbText(circle.szR, "25");
  circle.pStyle = &fill;
  WbStyleRecord pen = {};
  SetWbText(pen.szPenColor, "16711680");
  pen.nPenWidth = 5;
  WbPathPayload path = {};
  path.head.nObjType = WB_OBJ_PATH;
  SetWbText(path.head.szID, "polyline:00000000000000004");
  char points[] = "M 20 150 L 120 150 L 120 250";
  path.pszPath = points;
  path.pStyle = &pen;
  for (void* payload : {(void*)&rect, (void*)&ellipse, (void*)&circle, (void*)&path}) {
    ReceivedRecord record(WB_RECV_OBJECT_ADD, 1, WB_PAGEOP_OBJECT, payload);
    Receive(record);
  }
  std::vector<CStrokeBase*> strokes = Strokes();
  ASSERT_EQ(strokes.size(), 4u);
  EXPECT_EQ(CRect(strokes[0]->m_rcDraw), CRect(20, 30, 80, 70));
  EXPECT_EQ(CRect(strokes[1]->m_rcDraw), CRect(160, 30, 240, 70));
  EXPECT_EQ(CRect(strokes[2]->m_rcDraw), CRect(305, 25, 355, 75));
  EXPECT_EQ(strokes[3]->m_nPenWidth, 5);
  Paint();
  EXPECT_EQ(Pixel(50, 50), kRed);
  EXPECT_EQ(Pixel(200, 50), kRed);
  EXPECT_EQ(Pixel(330, 50), kRed);
  EXPECT_EQ(Pixel(70, 150), kBlue);
  EXPECT_EQ(Pixel(120, 200), kBlue);

  ReceivedRecord toBack(WB_RECV_OBJECT_CHANGE, 1, WB_PAGEOP_OBJECT, &path);
  path.head.nSubOp = WB_SUBOP_TO_BACK;
  Receive(toBack);
  EXPECT_EQ(Strokes().front(), strokes[3]);
}

TEST_F(SurfaceRecords, ARecordForAnotherPageIsIgnored) {
  LinePayload payload;
  ReceivedRecord record(WB_RECV_OBJECT_ADD, 2, WB_PAGEOP_OBJECT, &payload.line);
  Receive(record);
  EXPECT_TRUE(Strokes().empty());
}

TEST_F(SurfaceRecords, ChangesAndDeletionsFindTheirObjectById) {
  LinePayload payload;
  ReceivedRecord add(WB_RECV_OBJECT_ADD, 1, WB_PAGEOP_OBJECT, &payload.line);
  Receive(add);
  SetWbText(payload.line.szY1, "90");
  SetWbText(payload.style.szPenColor, "16711680");
  ReceivedRecord change(WB_RECV_OBJECT_CHANGE, 1, WB_PAGEOP_OBJECT, &payload.line);
  Receive(change);
  ASSERT_EQ(Strokes().size(), 1u);
  EXPECT_EQ(Strokes()[0]->m_rcDraw.top, 90);
  EXPECT_EQ(Strokes()[0]->m_crColor, kBlue);
  ReceivedRecord remove(WB_RECV_OBJECT_DELETE, 1, WB_PAGEOP_OBJECT, &payload.line);
  Receive(remove);
  EXPECT_TRUE(Strokes().empty());
}

TEST_F(SurfaceRecords, ANewPageReplacesTheBoard) {
  LinePayload payload;
  ReceivedRecord add(WB_RECV_OBJECT_ADD, 1, WB_PAGEOP_OBJECT, &payload.line);
  Receive(add);
  OpenPage(2);
  EXPECT_EQ(Surface()->m_nCurPageNo, 2);
  EXPECT_EQ(Surface()->m_listPages.GetCount(), 1);
  EXPECT_TRUE(Strokes().empty());
  CString number, count;
  Board()->GetDlgItemText(IDC_WB_PAGE_NO, number);
  Board()->GetDlgItemText(IDC_WB_PAGE_COUNT, count);
  EXPECT_STREQ(number, "2");
  EXPECT_STREQ(count, "1");
  EXPECT_EQ(Surface()->GetCanvasSize(), CSize(1600, 1200));
}

TEST_F(SurfaceRecords, OnlyTheLastPageRemovedEmptiesTheBoard) {
  ReceivedRecord twoPages(WB_RECV_PAGE_DELETE, 1, WB_PAGEOP_DELETE_PAGE, nullptr, 2);
  Receive(twoPages);
  EXPECT_EQ(Surface()->m_listPages.GetCount(), 1);
  ReceivedRecord last(WB_RECV_PAGE_DELETE, 1, WB_PAGEOP_DELETE_PAGE, nullptr, 1);
  Receive(last);
  EXPECT_TRUE(Surface()->m_listPages.IsEmpty());
  EXPECT_EQ(Surface()->m_pCurPage, nullptr);
  EXPECT_EQ(Surface()->GetCanvasSize(), CSize(0, 0));
  Paint();
  EXPECT_EQ(Pixel(100, 100), kWhite);
  OpenPage(1);
}

TEST_F(SurfaceRecords, APageWithContentFillsTheNewPage) {
  LinePayload first("line:aaaaaaaaaaaaaaaaa");
  LinePayload second("line:bbbbbbbbbbbbbbbbb");
  ReceivedRecord content(WB_RECV_PAGE_CONTENT, 3, WB_PAGEOP_PAGE_CONTENT, &first.line);
  WbListNode next = {&second.line, nullptr};
  content.node.pNext = &next;
  Receive(content);
  EXPECT_EQ(Surface()->m_nCurPageNo, 3);
  ASSERT_EQ(Strokes().size(), 2u);
  EXPECT_STREQ(Strokes()[1]->m_szID, "line:bbbbbbbbbbbbbbbbb");
}

TEST_F(SurfaceRecords, ARecordOfAnotherSubConferenceIsOfferedAgainThenRefused) {
  LinePayload payload;
  ReceivedRecord record(WB_RECV_OBJECT_ADD, 1, WB_PAGEOP_OBJECT, &payload.line);
  record.header.head.nSubConfID = 99;
  DWORD before = GetTickCount();
  EXPECT_EQ(Receive(record), 0);
  EXPECT_EQ(GetTickCount() - before, 6000u);  // six more offers, one second apart
  EXPECT_TRUE(Strokes().empty());
}

TEST_F(SurfaceRecords, ARecordIsOfferedAgainUntilItsBoardRuns) {
  CDlgDataConf* conf = Module()->m_pDlgDataConf;
  conf->SetSubConf(kSubConfWhiteboard, FALSE, -1);
  bool started = false;
  OnModal([&](const platform::ModalState& state) {
    if (state.kind != platform::ModalKind::Wait || started) return;
    started = true;  // the board's sub-conference starts while the module waits
    conf->SetSubConf(kSubConfWhiteboard, TRUE, (int)kWhiteboardSubConf);
  });
  DWORD before = GetTickCount();
  LinePayload payload;
  ReceivedRecord record(WB_RECV_OBJECT_ADD, 1, WB_PAGEOP_OBJECT, &payload.line);
  EXPECT_EQ(Receive(record), 1);
  OnModal(nullptr);
  EXPECT_TRUE(started);
  EXPECT_EQ(Strokes().size(), 1u);
  EXPECT_LE(GetTickCount() - before, 1000u);
}

TEST_F(SurfaceRecords, AHostileRecordIsRefusedWithoutHarm) {
  WbLinePayload line = {};
  line.head.nObjType = WB_OBJ_LINE;
  memset(line.head.szID, 'x', sizeof line.head.szID);  // no terminating zero, no kind
  ReceivedRecord noKind(WB_RECV_OBJECT_ADD, 1, WB_PAGEOP_OBJECT, &line);
  Receive(noKind);
  memcpy(line.head.szID, "line:", 5);
  ReceivedRecord noGeometry(WB_RECV_OBJECT_ADD, 1, WB_PAGEOP_OBJECT, &line);
  Receive(noGeometry);
  ReceivedRecord noPayload(WB_RECV_OBJECT_ADD, 1, WB_PAGEOP_OBJECT, nullptr);
  Receive(noPayload);
  EXPECT_TRUE(Strokes().empty());
}

// Fields filled to their last byte are read within their bounds, not on into the next field.
TEST_F(SurfaceRecords, AFieldWithoutItsTerminatorIsReadWithinItsSize) {
  LinePayload payload;
  memset(payload.line.szX1, '0', sizeof payload.line.szX1);
  payload.line.szX1[sizeof payload.line.szX1 - 1] = '5';
  memset(payload.style.szPenColor, '0', sizeof payload.style.szPenColor);
  payload.style.szPenColor[sizeof payload.style.szPenColor - 1] = '9';
  payload.style.nPenWidth = 0x31;  // "1" in the byte after the colour
  ReceivedRecord add(WB_RECV_OBJECT_ADD, 1, WB_PAGEOP_OBJECT, &payload.line);
  Receive(add);
  ASSERT_EQ(Strokes().size(), 1u);
  EXPECT_EQ(Strokes()[0]->m_rcDraw.left, 5);
  EXPECT_EQ(Strokes()[0]->m_crColor, 9u);
}

TEST_F(SurfaceRecords, ADocumentReadsBackAsItWasWritten) {
  LinePayload payload;
  ReceivedRecord add(WB_RECV_OBJECT_ADD, 1, WB_PAGEOP_OBJECT, &payload.line);
  Receive(add);
  CString doc = Surface()->WriteXwbDocument();
  ASSERT_GT(doc.GetLength(), 46);
  EXPECT_EQ(doc.Left(2), CString("WB"));
  uint32_t length = 0;
  memcpy(&length, (LPCTSTR)doc + 2, 4);
  EXPECT_EQ(length, (uint32_t)doc.GetLength());
  EXPECT_GT(doc.Find("<style><size>1600*1200</size>"), 46);

  ASSERT_TRUE(Surface()->ReadXwbDocument(doc, doc.GetLength()));
  EXPECT_EQ(Surface()->m_listPages.GetCount(), 1);
  ASSERT_EQ(Strokes().size(), 1u);
  EXPECT_STREQ(Strokes()[0]->m_szID, "line:0123456789abcdef0");
  EXPECT_EQ(Surface()->GetCanvasSize(), CSize(1600, 1200));
}

TEST_F(SurfaceRecords, ADocumentWithAnotherRootLeavesTheBoard) {
  CString doc = CString("WB") + CString(' ', 44) + "<wb><page/></wb>";
  EXPECT_FALSE(Surface()->ReadXwbDocument(doc, doc.GetLength()));
  EXPECT_EQ(Surface()->m_listPages.GetCount(), 1);
  CString noSize = CString("WB") + CString(' ', 44) + "<xwb><style><size>12</size></style></xwb>";
  EXPECT_FALSE(Surface()->ReadXwbDocument(noSize, noSize.GetLength()));
  OpenPage(1);
}

// Numbers a board never sends, in the fields of what it sends: sums such as x + width would
// overflow, so the object is refused.
TEST_F(SurfaceRecords, GeometryBeyondTheCoordinateRangeIsRefused) {
  struct Case {
    int tool;
    size_t field;  // offset of the first number field changed
    const char* value;
  } cases[] = {{kToolSolidRectangle, offsetof(WbRectPayload, szX), "2147483000"},
               {kToolRectangle, offsetof(WbRectPayload, szWidth), "-2147483000"},
               {kToolEllipse, offsetof(WbEllipsePayload, szCX), "-2147483000"},
               {kToolCircle, offsetof(WbCirclePayload, szR), "99999999999999"},
               {kToolLine, offsetof(WbLinePayload, szX2), "2147483647"}};
  for (const Case& c : cases) {
    OpenPage(1);
    UseTool(c.tool, kRed);
    Drag({100, 100}, {200, 160});
    WbMsgHeader* sent = const_cast<WbMsgHeader*>(Sent().back());
    char* field = static_cast<char*>(sent->pPageOp->pList->pItem) + c.field;
    strncpy(field, c.value, WB_NUMBER_LEN - 1);
    OpenPage(1);
    Receive(Relayed(sent));
    EXPECT_TRUE(Strokes().empty()) << c.tool;
  }
  OpenPage(1);
  UseTool(kToolPen, kRed);
  Drag({100, 100}, {200, 160});
  WbMsgHeader* sent = const_cast<WbMsgHeader*>(Sent().back());
  WbPathPayload* path = static_cast<WbPathPayload*>(sent->pPageOp->pList->pItem);
  char far[] = "M 2147483647 -2147483648 L 0 0";
  path->pszPath = far;
  OpenPage(1);
  Receive(Relayed(sent));
  EXPECT_TRUE(Strokes().empty());
}

// A pointer's place is read from a picture payload; a pen stroke's payload is smaller.
TEST_F(SurfaceRecords, APointerIdOnAPayloadThatIsNoPictureIsRefused) {
  UseTool(kToolPen, kRed);
  Drag({100, 100}, {200, 160});
  WbMsgHeader* sent = const_cast<WbMsgHeader*>(Sent().back());
  WbPathPayload* path = static_cast<WbPathPayload*>(sent->pPageOp->pList->pItem);
  for (const char* id : {"hand:0123456789abcdef0", "laser:0123456789abcdef0"}) {
    SetWbText(path->head.szID, id);
    OpenPage(1);
    Receive(Relayed(sent));
    EXPECT_TRUE(Strokes().empty()) << id;
  }
}

}  // namespace
}  // namespace surftest
