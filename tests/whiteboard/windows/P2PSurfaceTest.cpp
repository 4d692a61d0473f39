// The point-to-point surface: records to the one peer (nConfType 1, header flavour 4), nothing
// sent while the session is not live, and its own canvas. Alice's board is the one under test;
// what Bob's board sends reaches it through the host's relay.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/ui/Desktop.h"
#include "platform/ui/Menu.h"
#include "platform/ui/UserInput.h"
#include "platform/ui/WindowSurface.h"
#include "tests/support/boards/RelayedBoardsFixture.h"
#include "whiteboard/model/StrokeLine.h"
#include "whiteboard/model/StrokePage.h"
#include "whiteboard/model/StrokeText.h"
#include "whiteboard/windows/DlgDFP2PWhiteBoard.h"
#include "whiteboard/windows/DrawContentDlg.h"
#include "whiteboard/windows/P2PDrawContentDlg.h"
#include "whiteboard/windows/WbToolButtons.h"

namespace surftest {
namespace {

namespace user = platform::user;
using platform::ModalKind;
using platform::ModalState;

class P2PSurface : public RelayedBoards {
 protected:
  void SetUp() override {
    RelayedBoards::SetUp();
    opening_ = SisterBoardTest::Sent().size();
  }
  CDlgDFP2PWhiteBoard* Board() { return Alice(); }
  CP2PDrawContentDlg* Surface() { return Alice()->GetSurface(); }
  // From now on Sent() holds only what the boards send after this.
  void ForgetSent() { opening_ = SisterBoardTest::Sent().size(); }
  // What the boards sent since they opened.
  std::vector<const WbMsgHeader*> Sent() {
    std::vector<const WbMsgHeader*> sent = SisterBoardTest::Sent();
    sent.erase(sent.begin(), sent.begin() + std::min(opening_, sent.size()));
    return sent;
  }
  void DrawLine(POINT from = {100, 50}, POINT to = {300, 200}) {
    UseToolOn(Board(), kToolLine);
    Drag(Surface(), from, to);
  }
  // A line and, over its middle, a solid rectangle.
  std::vector<CStrokeBase*> DrawLineUnderARectangle() {
    DrawLine();
    UseToolOn(Board(), kToolSolidRectangle);
    Drag(Surface(), {150, 100}, {250, 180});
    return Strokes(Surface());
  }
  // With the select tool: the object menu of the object at `at`, and command chosen from it.
  void FromObjectMenu(POINT at, UINT command) {
    UseToolOn(Board(), kToolSelect);
    OnceInModal(ModalKind::Menu, [command](const ModalState&) { platform::Menus::Choose(command); });
    user::MouseDown(Surface()->m_hWnd, at, true);
    user::MouseUp(Surface()->m_hWnd, at, true);
  }
  // Bob turns to page n with his page box.
  void BobTurnsTo(const char* n) {
    HWND box = Bob()->m_editPageNo.m_hWnd;
    ::SetWindowText(box, "");
    ASSERT_TRUE(user::Type(box, n));
    ASSERT_TRUE(user::PressEnter());
    platform::Desktop::Advance(500);
  }
  static void ExpectAddressedToPeer(const WbMsgHeader* header) {
    DWORD subConf = header->head.nSubConfID;
    EXPECT_STREQ(header->head.szSessionURI, kBob);
    EXPECT_EQ(subConf, 0u);
  }

 private:
  size_t opening_ = 0;
};

const POINT kOnTheLine{120, 65};       // left of the rectangle
const POINT kOnTheRectangle{240, 110};  // away from the line

// The band that a drag draws straight onto the window is forgotten at once: a paint during the
// drag leaves the page without it.
TEST_F(P2PSurface, APaintDuringADragLeavesOutItsBand) {
  UseToolOn(Board(), kToolRectangle);
  user::MouseDown(Surface()->m_hWnd, {100, 100});
  user::MouseMove(Surface()->m_hWnd, {200, 160}, true);
  EXPECT_NE(platform::WindowPixel(Surface()->m_hWnd, 150, 100), kWhite) << "drawn as the pointer moved";
  Surface()->Invalidate(FALSE);
  Surface()->UpdateWindow();
  EXPECT_EQ(platform::WindowPixel(Surface()->m_hWnd, 150, 100), kWhite);
  user::MouseUp(Surface()->m_hWnd, {200, 160});
}

TEST_F(P2PSurface, ALineGoesToThePeerWithoutAConference) {
  size_t logLines = Host().EventsWithCode(kHostWriteLog).size();
  DrawLine({300, 200}, {100, 50});
  std::vector<CStrokeBase*> strokes = Strokes(Surface());
  ASSERT_EQ(strokes.size(), 1u);
  EXPECT_EQ(strokes[0]->m_pOwner, Board());
  // No conference runs, so only transport 1 lets the record out.
  std::vector<const WbMsgHeader*> sent = Sent();
  ASSERT_EQ(sent.size(), 1u) << Traffic();
  DWORD type = sent[0]->head.op;
  int32_t pageCount = sent[0]->nValue;
  EXPECT_EQ(type, (DWORD)WB_MSG_OBJECT_ADD);
  EXPECT_EQ(pageCount, 1);
  ExpectAddressedToPeer(sent[0]);
  const WbLinePayload* line = wbtest::FirstPayload<WbLinePayload>(sent[0]);
  ASSERT_NE(line, nullptr);
  EXPECT_STREQ(line->head.szID, strokes[0]->m_szID);
  EXPECT_STREQ(line->szX1, "300");
  EXPECT_STREQ(line->szY2, "50");
  // The release of a point-to-point gesture writes no log line.
  EXPECT_EQ(Host().EventsWithCode(kHostWriteLog).size(), logLines) << Traffic();
}

// After Bob ended the session Alice's board (kept for the line she drew) still draws, restacks
// and deletes, but nothing leaves.
TEST_F(P2PSurface, NothingLeavesWhileTheBoardIsNotLive) {
  DrawLine();
  ForgetSent();
  EndP2PSessionOf(kBob);
  ASSERT_FALSE(Board()->m_bBoardLive);
  EXPECT_EQ(Strokes(Surface()).size(), 1u);
  UseToolOn(Board(), kToolSolidRectangle);
  Drag(Surface(), {150, 100}, {250, 180});
  std::vector<CStrokeBase*> strokes = Strokes(Surface());
  ASSERT_EQ(strokes.size(), 2u);
  FromObjectMenu(kOnTheLine, ID_WB_BRING_TO_FRONT);
  EXPECT_EQ(Strokes(Surface()), (std::vector<CStrokeBase*>{strokes[1], strokes[0]}));
  FromObjectMenu(kOnTheRectangle, ID_WB_DELETE_OBJECT);
  EXPECT_EQ(Strokes(Surface()), (std::vector<CStrokeBase*>{strokes[0]}));
  EXPECT_TRUE(Sent().empty()) << Traffic();
}

TEST_F(P2PSurface, ChangesAndDeletionsCarryThePeersAddress) {
  std::vector<CStrokeBase*> strokes = DrawLineUnderARectangle();
  ASSERT_EQ(strokes.size(), 2u);
  CString deletedId = strokes[1]->m_szID;
  FromObjectMenu(kOnTheLine, ID_WB_BRING_TO_FRONT);
  FromObjectMenu(kOnTheRectangle, ID_WB_DELETE_OBJECT);

  std::vector<const WbMsgHeader*> sent = Sent();
  ASSERT_EQ(sent.size(), 4u) << Traffic();
  for (const WbMsgHeader* header : sent) ExpectAddressedToPeer(header);
  int32_t frontOp = wbtest::FirstPayload<WbShapePayload>(sent[2])->nSubOp;
  EXPECT_EQ(frontOp, WB_SUBOP_TO_FRONT);
  DWORD deleteType = sent[3]->head.op;
  EXPECT_EQ(deleteType, (DWORD)WB_MSG_OBJECT_DELETE);
  EXPECT_STREQ(wbtest::FirstPayload<WbShapePayload>(sent[3])->szID, deletedId);
  EXPECT_EQ(Relay(), 4);
  EXPECT_EQ(PageXml(Bob()), PageXml(Alice()));
}

TEST_F(P2PSurface, ATextRecordIsReaddressedToThePeer) {
  UseToolOn(Board(), kToolText);
  Drag(Surface(), {100, 100}, {300, 160});
  ASSERT_NE(Surface()->m_pEdit, nullptr);
  ASSERT_TRUE(user::Type(Surface()->m_pEdit->m_hWnd, "你好"));
  Click(Surface(), {400, 280});  // a click beside it commits the text
  std::vector<CStrokeBase*> strokes = Strokes(Surface());
  ASSERT_EQ(strokes.size(), 1u);
  EXPECT_EQ(strokes[0]->m_pOwner, Board());
  std::vector<const WbMsgHeader*> sent = Sent();
  ASSERT_EQ(sent.size(), 1u) << Traffic();
  ExpectAddressedToPeer(sent[0]);
  EXPECT_EQ(Relay(), 1);
  EXPECT_EQ(PageXml(Bob()), PageXml(Alice()));
}

// Bob's new page, his line on it and the page's content when he turns back to it: Alice's
// board builds the page and the objects as its own.
TEST_F(P2PSurface, ReceivedRecordsBuildPagesAndObjectsOfThisBoard) {
  ASSERT_TRUE(user::ClickItem(Bob()->m_hWnd, IDC_WB_NEW_PAGE));
  UseToolOn(Bob(), kToolLine);
  Drag(Bob()->GetSurface(), {50, 60}, {250, 60});
  ASSERT_TRUE(user::ClickItem(Bob()->m_hWnd, IDC_WB_NEW_PAGE));
  EXPECT_EQ(Relay(), 3);
  EXPECT_EQ(Surface()->m_nCurPageNo, 3);
  BobTurnsTo("2");
  EXPECT_EQ(Relay(), 1);
  ASSERT_NE(Surface()->m_pCurPage, nullptr);
  EXPECT_EQ(Surface()->m_pCurPage->m_pOwner, Board());
  EXPECT_EQ(Surface()->m_nCurPageNo, 2);
  EXPECT_EQ(Surface()->GetCanvasSize(), CSize(1600, 1200));
  std::vector<CStrokeBase*> strokes = Strokes(Surface());
  ASSERT_EQ(strokes.size(), 1u);
  EXPECT_EQ(strokes[0]->m_pOwner, Board());
  CString first = strokes[0]->m_szID;

  Drag(Bob()->GetSurface(), {50, 160}, {250, 160});
  EXPECT_EQ(Relay(), 1);
  strokes = Strokes(Surface());
  ASSERT_EQ(strokes.size(), 2u);
  CString second = strokes[1]->m_szID;

  UseToolOn(Bob(), kToolSelect);
  OnceInModal(ModalKind::Menu, [](const ModalState&) { platform::Menus::Choose(ID_WB_DELETE_OBJECT); });
  user::MouseDown(Bob()->GetSurface()->m_hWnd, {150, 60}, true);
  user::MouseUp(Bob()->GetSurface()->m_hWnd, {150, 60}, true);
  EXPECT_EQ(Relay(), 1);
  strokes = Strokes(Surface());
  ASSERT_EQ(strokes.size(), 1u);
  EXPECT_STREQ(strokes[0]->m_szID, second);
  EXPECT_STRNE(strokes[0]->m_szID, first);
}

// A page content of page 0 names no page: the board keeps its pages and canvas, as the
// conference board does. No board sends one (a board sends only pages it has), so the record is
// built here as the host would deliver it.
TEST_F(P2PSurface, APageContentOfPageZeroIsRefused) {
  CStrokePage* page = Surface()->m_pCurPage;
  ASSERT_NE(page, nullptr);
  ReceivedRecord empty(WB_RECV_PAGE_CONTENT, 0, WB_PAGEOP_PAGE_CONTENT, nullptr);
  Board()->DispatchBoardRecord(&empty.header);
  EXPECT_EQ(Surface()->GetCanvasSize(), CSize(1600, 1200));
  EXPECT_EQ(Surface()->m_pCurPage, page);
  EXPECT_EQ(Surface()->m_nCurPageNo, 1);
}

TEST_F(P2PSurface, ANewPageDropsAnOpenTextEdit) {
  UseToolOn(Board(), kToolText);
  Drag(Surface(), {100, 100}, {300, 160});
  ASSERT_NE(Surface()->m_pEdit, nullptr);
  ASSERT_TRUE(user::Type(Surface()->m_pEdit->m_hWnd, "draft"));
  ASSERT_TRUE(user::ClickItem(Bob()->m_hWnd, IDC_WB_NEW_PAGE));
  EXPECT_EQ(Relay(), 1);
  EXPECT_EQ(Surface()->m_pEdit, nullptr);
  Click(Surface(), {50, 50});
  EXPECT_TRUE(Strokes(Surface()).empty());
  EXPECT_EQ(Relay(), 0) << Traffic();
}

TEST_F(P2PSurface, TheBoardSurvivesAsSessionDataWithoutAWindow) {
  CDlgDFP2PWhiteBoard data;
  data.SetPeerURI(kBob);
  EXPECT_STREQ(data.GetPeerURI(), kBob);
  EXPECT_EQ(data.GetSurface(), nullptr);
  EXPECT_EQ(data.SendStroke(nullptr), 0);
}

}  // namespace
}  // namespace surftest
