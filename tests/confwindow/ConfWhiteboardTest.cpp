// The conference whiteboard's life: it opens with a created or joined conference that includes
// the whiteboard, takes the whiteboard records of that conference at once, and goes when the
// conference ends or the module closes.
#include <gtest/gtest.h>

#include "host/relay/WbRelay.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/UserInput.h"
#include "platform/ui/WindowRelease.h"
#include "protocol/HostBlocks.h"
#include "protocol/InviteEvents.h"
#include "tests/confwindow/ConfWindowFixture.h"
#include "tests/support/boards/SentWbMessages.h"
#include "whiteboard/windows/ColorBarDlg.h"
#include "whiteboard/windows/DlgDFShareWhiteBoard.h"
#include "whiteboard/windows/DlgDFWhiteBoard.h"
#include "whiteboard/windows/DrawContentDlg.h"
#include "whiteboard/windows/ShareDrawContentDlg.h"
#include "whiteboard/windows/WbToolButtons.h"

namespace tavtest {
namespace {

class ConfWhiteboardTest : public ConfWindowTest {
 protected:
  CDlgDFWhiteBoard* Board() { return Conf()->GetWhiteBoard(); }
};

TEST_F(ConfWhiteboardTest, AConferenceWithoutTheWhiteboardOpensNoBoard) {
  ASSERT_EQ(1, DeliverCtrlResult({kDetailCreate, 200, "sip:c@ims.example.cn", "", "", 0}));
  EXPECT_EQ(Board(), nullptr);
}

TEST_F(ConfWhiteboardTest, ACreatedConferenceOpensItsBoardWhichTakesRecordsAtOnceAndGoesWithIt) {
  ASSERT_EQ(1, DeliverCtrlResult({kDetailCreate, 200, "sip:c@ims.example.cn", "", "", kSubConfWhiteboard}));
  ASSERT_NE(Board(), nullptr);
  EXPECT_TRUE(::IsWindowVisible(Board()->m_hWnd));
  EXPECT_EQ(Board()->GetSurface()->m_nCurPageNo, 1);
  EXPECT_TRUE(Board()->m_bPageTurning);
  // Opening sends nothing to the conference: no board style.
  std::vector<const WbMsgHeader*> sent = wbtest::SentWbMessages(Host());
  EXPECT_TRUE(sent.empty());

  // A line drawn with the line tool button, relayed back as a member's record, is taken on
  // its first offer: no retry waits.
  ASSERT_TRUE(platform::user::ClickItem(Board()->m_hWnd, IDC_WB_TOOL_FIRST + kToolLine));
  EXPECT_EQ(Board()->GetSurface()->m_nTool, kToolLine);
  HWND surface = Board()->GetSurface()->m_hWnd;
  platform::user::MouseDown(surface, {20, 20});
  platform::user::MouseMove(surface, {120, 90}, true);
  platform::user::MouseUp(surface, {120, 90});
  sent = wbtest::SentWbMessages(Host());
  ASSERT_EQ(sent.size(), 1u);
  host::BlockArena arena;
  HostRecordBlock block{1, host::UnpackReceivedWbMessage(host::PackWbMessage(sent[0]), arena), 0};
  EXPECT_EQ(1, Deliver(kModuleDataConfRecord, block));
  EXPECT_EQ(0, CountLog("[ERROR]CTavorineModule::OnHostMessage(no whiteboard takes the record)\n"));

  HostPlainBlock close{};
  Deliver(kModuleAssistWindow, close);  // the conference window's close: the conference is left
  EXPECT_FALSE(Conf()->m_bInConf);
  EXPECT_EQ(Board(), nullptr);
}

TEST_F(ConfWhiteboardTest, AJoinedConferenceOpensItsBoardAskingForTheContentAndCloseRemovesIt) {
  ASSERT_EQ(1, DeliverCtrlResult({kDetailJoin, 200, "sip:c@ims.example.cn", "", "", kSubConfWhiteboard}));
  ASSERT_NE(Board(), nullptr);
  // Its only message is the content request: no board style.
  std::vector<const WbMsgHeader*> sent = wbtest::SentWbMessages(Host());
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0]->head.op, (DWORD)WB_MSG_REQUEST_SYNC);
  HWND board = Board()->m_hWnd;
  Module()->Close();
  EXPECT_EQ(Board(), nullptr);
  EXPECT_FALSE(::IsWindow(board));
}

// The module closes (the conference is left, its board goes) while the board's colour dialog
// runs under the palette's handler: the board's window goes at once, its objects once the
// handler has returned, and the handler changes nothing.
TEST_F(ConfWhiteboardTest, AModuleClosedInsideTheBoardsColourDialog) {
  ASSERT_EQ(1, DeliverCtrlResult({kDetailCreate, 200, "sip:c@ims.example.cn", "", "", kSubConfWhiteboard}));
  HWND board = Board()->m_hWnd;
  HWND swatch = ::GetDlgItem(Board()->GetColorBar()->m_hWnd, IDC_COLOR_SWATCH_FIRST + 3);
  size_t sent = wbtest::SentWbMessages(Host()).size();
  bool closed = false;
  OnceInModal(platform::ModalKind::Dialog, [&](const platform::ModalState&) {
    Module()->Close();
    closed = true;
  });
  POINT at{3, 3};
  ::ClientToScreen(swatch, &at);
  for (UINT msg : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
    platform::Desktop::DeliverMouseTo(swatch, msg, at, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON);
  EXPECT_TRUE(closed);
  EXPECT_EQ(Board(), nullptr);
  EXPECT_FALSE(::IsWindow(board));
  EXPECT_EQ(nullptr, Module()->m_pActiveCommonDlg);
  EXPECT_EQ(wbtest::SentWbMessages(Host()).size(), sent);
}

// The user leaves the conference while the board's colour dialog runs, so the board's deletion
// waits for the dialog's handler; meanwhile a new conference with the whiteboard starts. The
// records of the new conference reach its new board, not the closed one. The line the first
// board drew stands for a member's record (both whiteboard sub-conferences have the same id).
TEST_F(ConfWhiteboardTest, ARecordReachesTheNewBoardWhileTheClosedOnesDeletionWaits) {
  ASSERT_EQ(1, DeliverCtrlResult({kDetailCreate, 200, "sip:c@ims.example.cn", "", "", kSubConfWhiteboard}));
  CDlgDFWhiteBoard* closed = Board();
  ASSERT_TRUE(platform::user::ClickItem(closed->m_hWnd, IDC_WB_TOOL_FIRST + kToolLine));
  HWND surface = closed->GetSurface()->m_hWnd;
  platform::user::MouseDown(surface, {20, 20});
  platform::user::MouseMove(surface, {120, 90}, true);
  platform::user::MouseUp(surface, {120, 90});
  host::BlockArena arena;
  void* line = host::UnpackReceivedWbMessage(host::PackWbMessage(wbtest::SentWbMessages(Host()).back()), arena);
  ASSERT_NE(line, nullptr);

  HWND swatch = ::GetDlgItem(closed->GetColorBar()->m_hWnd, IDC_COLOR_SWATCH_FIRST + 3);
  bool ran = false;
  OnceInModal(platform::ModalKind::Dialog, [&](const platform::ModalState&) {
    HostPlainBlock close{};
    Deliver(kModuleAssistWindow, close);  // the conference window's close: the conference is left
    EXPECT_EQ(Board(), nullptr);
    EXPECT_GT(platform::PendingWindowDeletes(), 0u) << "the closed board is deleted once the dialog returns";
    ASSERT_EQ(1, DeliverCtrlResult({kDetailCreate, 200, "sip:d@ims.example.cn", "", "", kSubConfWhiteboard}));
    ASSERT_NE(Board(), nullptr);
    HostRecordBlock block{1, line, 0};
    EXPECT_EQ(1, Deliver(kModuleDataConfRecord, block));
    EXPECT_EQ(Board()->GetSurface()->m_pCurPage->m_listStroke.GetCount(), 1);
    ran = true;
  });
  POINT at{3, 3};
  ::ClientToScreen(swatch, &at);
  for (UINT msg : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
    platform::Desktop::DeliverMouseTo(swatch, msg, at, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON);
  EXPECT_TRUE(ran);
  EXPECT_EQ(platform::PendingWindowDeletes(), 0u);
  ASSERT_NE(Board(), nullptr);
  EXPECT_TRUE(::IsWindowVisible(Board()->m_hWnd));
  EXPECT_EQ(Board()->GetSurface()->m_pCurPage->m_listStroke.GetCount(), 1);
  EXPECT_EQ(0, CountLog("[ERROR]CTavorineModule::OnHostMessage(no whiteboard takes the record)\n"));
}

// The same inside the font dialog of a text, opened from the object menu.
TEST_F(ConfWhiteboardTest, AModuleClosedInsideTheBoardsFontDialog) {
  ASSERT_EQ(1, DeliverCtrlResult({kDetailCreate, 200, "sip:c@ims.example.cn", "", "", kSubConfWhiteboard}));
  HWND board = Board()->m_hWnd;
  HWND surface = Board()->GetSurface()->m_hWnd;
  ASSERT_TRUE(platform::user::ClickItem(board, IDC_WB_TOOL_FIRST + kToolText));
  platform::user::MouseDown(surface, {60, 150});
  platform::user::MouseMove(surface, {300, 200}, true);
  platform::user::MouseUp(surface, {300, 200});
  ASSERT_NE(Board()->GetSurface()->m_pEdit, nullptr);
  platform::user::Type(Board()->GetSurface()->m_pEdit->m_hWnd, "字体");
  ASSERT_TRUE(platform::user::ClickItem(board, IDC_WB_SELECT_TOOL));
  platform::user::MouseDown(surface, {400, 300});
  platform::user::MouseUp(surface, {400, 300});
  size_t sent = wbtest::SentWbMessages(Host()).size();
  EXPECT_TRUE(CloseModuleInsideContextCommand(surface, {180, 175}, ID_WB_TEXT_FONT));
  EXPECT_EQ(Board(), nullptr);
  EXPECT_FALSE(::IsWindow(board));
  EXPECT_EQ(nullptr, Module()->m_pActiveCommonDlg);
  EXPECT_EQ(wbtest::SentWbMessages(Host()).size(), sent);
}

// A conference with document share opens the shared-document board, which takes the records of
// the document-share sub-conference; it goes with the conference.
TEST_F(ConfWhiteboardTest, AConferenceWithDocumentShareOpensTheSharedBoardWhichTakesItsRecords) {
  ASSERT_EQ(1, DeliverCtrlResult({kDetailJoin, 200, "sip:c@ims.example.cn", "", "", kSubConfDocShare}));
  EXPECT_EQ(Board(), nullptr);
  CDlgDFShareWhiteBoard* share = Conf()->GetShareWhiteBoard();
  ASSERT_NE(share, nullptr);
  EXPECT_TRUE(::IsWindowVisible(share->m_hWnd));
  // A rectangle drawn on it, relayed back as a member's record, is taken at once.
  ASSERT_TRUE(platform::user::ClickItem(share->m_hWnd, IDC_WB_TOOL_FIRST + kToolRectangle));
  HWND surface = share->GetSurface()->m_hWnd;
  platform::user::MouseDown(surface, {20, 20});
  platform::user::MouseMove(surface, {120, 90}, true);
  platform::user::MouseUp(surface, {120, 90});
  std::vector<const WbMsgHeader*> sent = wbtest::SentWbMessages(Host());
  ASSERT_EQ(sent.size(), 1u);
  host::BlockArena arena;
  HostRecordBlock block{1, host::UnpackReceivedWbMessage(host::PackWbMessage(sent[0]), arena), 0};
  EXPECT_EQ(1, Deliver(kModuleDataConfRecord, block));
  EXPECT_EQ(0, CountLog("[ERROR]CTavorineModule::OnHostMessage(no whiteboard takes the record)\n"));
  DeliverStatus(kStatisConfEnded, "sip:c@ims.example.cn");
  EXPECT_EQ(Conf()->GetShareWhiteBoard(), nullptr);
}

}  // namespace
}  // namespace tavtest
