// Received board records: routing, pages, objects added, changed and deleted, and documents.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "confwindow/DlgDataConf.h"
#include "platform/Tick.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/Menu.h"
#include "platform/ui/UserInput.h"
#include "tests/support/boards/SurfaceFixture.h"
#include "whiteboard/model/StrokeBase.h"
#include "whiteboard/model/StrokeLine.h"
#include "whiteboard/model/StrokePage.h"
#include "whiteboard/model/StrokeText.h"
#include "whiteboard/model/WbBlocks.h"
#include "whiteboard/windows/ColorBarDlg.h"
#include "whiteboard/windows/WbToolButtons.h"

namespace surftest {
namespace {

using platform::ModalKind;
using platform::ModalState;
namespace user = platform::user;

class SurfaceRecords : public SurfaceTest {
 protected:
  // The member picks a colour in its palette bar.
  void MemberColor(int swatch) {
    ASSERT_TRUE(user::Click(::GetDlgItem(Member()->GetColorBar()->m_hWnd, swatch)));
  }
  // The member's red line from `from` to `to`: its record.
  const WbMsgHeader* MemberLine(POINT from = {50, 60}, POINT to = {250, 60}) {
    std::vector<const WbMsgHeader*> sent = MemberSends([&](CDlgDFWhiteBoard*) {
      MemberColor(kRedSwatch);
      MemberTool(kToolLine);
      MemberDrag(from, to);
    });
    return sent.empty() ? nullptr : sent.back();
  }
  // The member's last object on its page.
  CStrokeBase* MemberStroke() {
    CStrokePage* page = Member()->GetSurface()->m_pCurPage;
    return page && !page->m_listStroke.IsEmpty() ? static_cast<CStrokeBase*>(page->m_listStroke.GetTail()) : nullptr;
  }
  static WbLinePayload* LinePayloadOf(WbRecvMsgHeader* record) {
    return static_cast<WbLinePayload*>(record->pPageOp->pList->pItem);
  }
  // With its select tool, the member presses on an object at `from` and its tracker follows
  // to `to`.
  void MemberDragSelected(POINT from, POINT to) {
    MemberTool(kToolSelect);
    HWND surface = Member()->GetSurface()->m_hWnd;
    OnceInModal(ModalKind::Tracker, [surface, to](const ModalState&) {
      user::MouseMove(surface, to, true);
      user::MouseUp(surface, to);
    });
    user::MouseDown(surface, from);
    user::MouseUp(surface, to);
  }
  // The member right-clicks an object with its select tool and chooses command in its menu.
  void MemberMenu(POINT at, UINT command) {
    MemberTool(kToolSelect);
    HWND surface = Member()->GetSurface()->m_hWnd;
    OnceInModal(ModalKind::Menu, [command](const ModalState&) { platform::Menus::Choose(command); });
    user::MouseDown(surface, at, true);
    user::MouseUp(surface, at, true);
  }
};

TEST_F(SurfaceRecords, AReceivedObjectIsAddedAndPainted) {
  EXPECT_EQ(Receive(Relayed(MemberLine())), 1);
  ASSERT_EQ(Strokes().size(), 1u);
  CStrokeLine* line = dynamic_cast<CStrokeLine*>(Strokes()[0]);
  ASSERT_NE(line, nullptr);
  EXPECT_STREQ(line->m_szID, MemberStroke()->m_szID);
  EXPECT_EQ(line->m_crColor, kRed);
  EXPECT_EQ(line->m_nPenWidth, MemberStroke()->m_nPenWidth);
  Paint();
  EXPECT_EQ(Pixel(150, 60), kRed);
  EXPECT_EQ(Pixel(150, 80), kWhite);
}

TEST_F(SurfaceRecords, EveryKindIsBuiltFromItsPayload) {
  std::vector<const WbMsgHeader*> sent = MemberSends([this](CDlgDFWhiteBoard*) {
    MemberColor(kRedSwatch);
    MemberTool(kToolSolidRectangle);
    MemberDrag({20, 30}, {80, 70});
    MemberTool(kToolSolidEllipse);
    MemberDrag({160, 30}, {240, 70});
    MemberTool(kToolCircle);
    MemberDrag({305, 25}, {355, 75});
    MemberColor(kBlueSwatch);
    MemberTool(kToolPolyline);
    HWND surface = Member()->GetSurface()->m_hWnd;
    for (POINT p : {POINT{20, 150}, POINT{120, 150}, POINT{120, 250}}) {
      user::MouseDown(surface, p);
      user::MouseUp(surface, p);
    }
    user::MouseDown(surface, {120, 250}, true);
  });
  ASSERT_EQ(sent.size(), 4u);
  for (const WbMsgHeader* record : sent) Receive(Relayed(record));
  std::vector<CStrokeBase*> strokes = Strokes();
  ASSERT_EQ(strokes.size(), 4u);
  CObList& drawn = Member()->GetSurface()->m_pCurPage->m_listStroke;
  for (int i = 0; i < 4; ++i) {
    CStrokeBase* original = static_cast<CStrokeBase*>(drawn.GetAt(drawn.FindIndex(i)));
    EXPECT_EQ(CRect(strokes[i]->m_rcDraw), CRect(original->m_rcDraw)) << i;
    EXPECT_EQ(strokes[i]->m_nPenWidth, original->m_nPenWidth) << i;
  }
  Paint();
  EXPECT_EQ(Pixel(50, 50), kRed);
  EXPECT_EQ(Pixel(200, 50), kRed);
  EXPECT_EQ(Pixel(330, 50), kRed);
  EXPECT_EQ(Pixel(70, 150), kBlue);
  EXPECT_EQ(Pixel(120, 200), kBlue);

  sent = MemberSends([this](CDlgDFWhiteBoard*) { MemberMenu({70, 150}, ID_WB_SEND_TO_BACK); });
  ASSERT_EQ(sent.size(), 1u);
  Receive(Relayed(sent[0]));
  EXPECT_EQ(Strokes().front(), strokes[3]);
}

TEST_F(SurfaceRecords, ARecordForAnotherPageIsIgnored) {
  MemberNewPage(2);
  Receive(Relayed(MemberLine()));
  EXPECT_TRUE(Strokes().empty());
}

TEST_F(SurfaceRecords, ChangesAndDeletionsFindTheirObjectById) {
  Receive(Relayed(MemberLine()));
  std::vector<const WbMsgHeader*> moved =
      MemberSends([this](CDlgDFWhiteBoard*) { MemberDragSelected({150, 60}, {150, 90}); });
  ASSERT_EQ(moved.size(), 1u);
  Receive(Relayed(moved[0]));
  ASSERT_EQ(Strokes().size(), 1u);
  const CRect changed(MemberStroke()->m_rcDraw);
  EXPECT_NE(changed, CRect(50, 60, 250, 60));
  EXPECT_EQ(CRect(Strokes()[0]->m_rcDraw), changed);
  std::vector<const WbMsgHeader*> recoloured = MemberSends([this](CDlgDFWhiteBoard*) { MemberColor(kBlueSwatch); });
  ASSERT_EQ(recoloured.size(), 1u);
  Receive(Relayed(recoloured[0]));
  EXPECT_EQ(Strokes()[0]->m_crColor, kBlue);
  std::vector<const WbMsgHeader*> deleted =
      MemberSends([this, changed](CDlgDFWhiteBoard*) { MemberMenu(changed.CenterPoint(), ID_WB_DELETE_OBJECT); });
  ASSERT_EQ(deleted.size(), 1u);
  Receive(Relayed(deleted[0]));
  EXPECT_TRUE(Strokes().empty());
}

// Each member holds the pages it saw: another member's new page, and its turn back to a page 1
// it holds empty, leave the board's pages and their objects in place.
TEST_F(SurfaceRecords, ANewPageKeepsTheBoardsOtherPages) {
  Receive(Relayed(MemberLine()));
  CStrokeBase* line = Strokes().at(0);
  ASSERT_EQ(Receive(Relayed(MemberNewPage(2))), 1);
  EXPECT_EQ(Surface()->m_nCurPageNo, 2);
  EXPECT_EQ(Surface()->m_listPages.GetCount(), 2);
  EXPECT_TRUE(Strokes().empty());
  CString number, count;
  Board()->GetDlgItemText(IDC_WB_PAGE_NO, number);
  Board()->GetDlgItemText(IDC_WB_PAGE_COUNT, count);
  EXPECT_STREQ(number, "2");
  EXPECT_STREQ(count, "2");
  EXPECT_EQ(Surface()->GetCanvasSize(), CSize(1600, 1200));
  std::vector<const WbMsgHeader*> back = MemberSends([](CDlgDFWhiteBoard* member) { member->SendPageContent(1); });
  ASSERT_EQ(back.size(), 1u);
  Receive(Relayed(back[0]));
  EXPECT_EQ(Surface()->m_nCurPageNo, 1);
  ASSERT_EQ(Strokes().size(), 1u);
  EXPECT_EQ(Strokes()[0], line);
}

// No board of this module deletes a page: the record is the one the conference delivers.
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
  MemberNewPage(3);
  MemberLine({50, 60}, {250, 60});
  MemberLine({50, 160}, {250, 160});
  CString second = MemberStroke()->m_szID;
  std::vector<const WbMsgHeader*> content = MemberSends([](CDlgDFWhiteBoard* member) { member->SendPageContent(3); });
  ASSERT_EQ(content.size(), 1u);
  Receive(Relayed(content[0]));
  EXPECT_EQ(Surface()->m_nCurPageNo, 3);
  ASSERT_EQ(Strokes().size(), 2u);
  EXPECT_STREQ(Strokes()[1]->m_szID, second);
}

TEST_F(SurfaceRecords, ARecordOfAnotherSubConferenceIsOfferedAgainThenRefused) {
  WbRecvMsgHeader* record = Relayed(MemberLine());
  record->head.nSubConfID = 99;
  DWORD before = GetTickCount();
  EXPECT_EQ(Receive(record), 0);
  EXPECT_EQ(GetTickCount() - before, 6000u);  // six more offers, one second apart
  EXPECT_TRUE(Strokes().empty());
}

TEST_F(SurfaceRecords, ARecordIsOfferedAgainUntilItsBoardRuns) {
  WbRecvMsgHeader* record = Relayed(MemberLine());
  CDlgDataConf* conf = Module()->m_pDlgDataConf;
  conf->SetSubConf(kSubConfWhiteboard, FALSE, -1);
  bool started = false;
  OnModal([&](const platform::ModalState& state) {
    if (state.kind != platform::ModalKind::Wait || started) return;
    started = true;  // the board's sub-conference starts while the module waits
    conf->SetSubConf(kSubConfWhiteboard, TRUE, (int)kWhiteboardSubConf);
  });
  DWORD before = GetTickCount();
  EXPECT_EQ(Receive(record), 1);
  OnModal(nullptr);
  EXPECT_TRUE(started);
  EXPECT_EQ(Strokes().size(), 1u);
  EXPECT_LE(GetTickCount() - before, 1000u);
}

// The member's line damaged on its way.
TEST_F(SurfaceRecords, AHostileRecordIsRefusedWithoutHarm) {
  const WbMsgHeader* sent = MemberLine();
  WbRecvMsgHeader* noKind = Relayed(sent);
  WbLinePayload* line = LinePayloadOf(noKind);
  memset(line->head.szID, 'x', sizeof line->head.szID);  // no terminating zero, no kind
  Receive(noKind);
  WbRecvMsgHeader* noGeometry = Relayed(sent);
  line = LinePayloadOf(noGeometry);
  memset(line->head.szID, 'x', sizeof line->head.szID);
  memcpy(line->head.szID, "line:", 5);
  for (char* field : {line->szX1, line->szY1, line->szX2, line->szY2}) memset(field, 0, WB_NUMBER_LEN);
  line->pStyle = nullptr;
  Receive(noGeometry);
  WbRecvMsgHeader* noPayload = Relayed(sent);
  noPayload->pPageOp->pList->pItem = nullptr;
  Receive(noPayload);
  EXPECT_TRUE(Strokes().empty());
}

// Fields filled to their last byte are read within their bounds, not on into the next field.
TEST_F(SurfaceRecords, AFieldWithoutItsTerminatorIsReadWithinItsSize) {
  WbRecvMsgHeader* record = Relayed(MemberLine());
  WbLinePayload* line = LinePayloadOf(record);
  memset(line->szX1, '0', sizeof line->szX1);
  line->szX1[sizeof line->szX1 - 1] = '5';
  WbStyleRecord* style = line->pStyle;
  memset(style->szPenColor, '0', sizeof style->szPenColor);
  style->szPenColor[sizeof style->szPenColor - 1] = '9';
  style->nPenWidth = 0x31;  // "1" in the byte after the colour
  Receive(record);
  ASSERT_EQ(Strokes().size(), 1u);
  EXPECT_EQ(Strokes()[0]->m_rcDraw.left, 5);
  EXPECT_EQ(Strokes()[0]->m_crColor, 9u);
}

TEST_F(SurfaceRecords, ADocumentReadsBackAsItWasWritten) {
  Receive(Relayed(MemberLine()));
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
  EXPECT_STREQ(Strokes()[0]->m_szID, MemberStroke()->m_szID);
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
