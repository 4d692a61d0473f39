// The module's point-to-point boards: accepting or creating a whiteboard session opens the
// peer's board window, live; the peer's end stops the exchange; a record head whose session URI
// has no end reaches no board (which board a relayed record reaches: RelayedBoardsTest).
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "common/ConfMethodRecord.h"
#include "host/relay/WbRelay.h"
#include "module/TavorineModule.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/UserInput.h"
#include "protocol/ConfCtrlResult.h"
#include "protocol/ConfMethodRecord.h"
#include "protocol/HostBlocks.h"
#include "protocol/InviteEvents.h"
#include "setup/DlgPtopInvite.h"
#include "tests/support/boards/SisterBoardFixture.h"
#include "whiteboard/model/StrokeBase.h"
#include "whiteboard/windows/ColorBarDlg.h"
#include "whiteboard/windows/DlgDFP2PWhiteBoard.h"
#include "whiteboard/windows/P2PDrawContentDlg.h"

namespace surftest {
namespace {

const char kPeer[] = "sip:13766660001@ims.example.cn";
const char kOtherPeer[] = "sip:13766660002@ims.example.cn";

class P2PBoardRouting : public SisterBoardTest {
 protected:
  int Event(int detail, const char* peer, int kind, int result = 0) {
    return DeliverConfResult(detail, peer, kind, result);
  }
  // A whiteboard invitation from peer, accepted with the window's OK button.
  void AcceptWhiteboardFrom(const char* peer) {
    Event(kDetailP2PInvite, peer, kP2PWhiteboard);
    ASSERT_EQ(Module()->m_aInviteDlgs.GetSize(), 1);
    ASSERT_TRUE(platform::user::ClickItem(Module()->m_aInviteDlgs[0]->m_hWnd, IDOK));
  }
  CDlgDFP2PWhiteBoard* Board(int i) { return Module()->m_aP2PWhiteBoards[i]; }
};

TEST_F(P2PBoardRouting, AcceptingAWhiteboardOpensTheLiveBoardWindowOfThePeer) {
  AcceptWhiteboardFrom(kPeer);
  ASSERT_EQ(Module()->m_aP2PWhiteBoards.GetSize(), 1);
  CDlgDFP2PWhiteBoard* board = Board(0);
  EXPECT_STREQ(board->GetPeerURI(), kPeer);
  ASSERT_NE(board->m_hWnd, nullptr);
  EXPECT_TRUE(::IsWindowVisible(board->m_hWnd));
  EXPECT_TRUE(board->m_bBoardLive);
  ASSERT_NE(board->GetSurface(), nullptr);
  EXPECT_EQ(board->GetSurface()->m_nCurPageNo, 1);
  EXPECT_NE(board->GetSurface()->m_pCurPage, nullptr);
}

TEST_F(P2PBoardRouting, OurTakenInvitationOpensTheBoardAndThePeersEndStopsIt) {
  Event(kDetailP2PCreated, kPeer, kP2PWhiteboard, kConfResultOK);
  ASSERT_EQ(Module()->m_aP2PWhiteBoards.GetSize(), 1);
  CDlgDFP2PWhiteBoard* board = Board(0);
  EXPECT_TRUE(board->m_bBoardLive);
  Event(kDetailP2PCreated, kPeer, kP2PWhiteboard, kConfResultOK);
  EXPECT_EQ(Module()->m_aP2PWhiteBoards.GetSize(), 1) << "one board per peer";

  Event(kDetailP2PPeerEnd, kOtherPeer, kP2PWhiteboard);
  EXPECT_TRUE(board->m_bBoardLive) << "another peer's end";
  Event(kDetailP2PPeerEnd, kPeer, kP2PWhiteboard);
  EXPECT_EQ(Module()->m_aP2PWhiteBoards.GetSize(), 0) << "a board with nothing drawn goes with its session";
}

// The host closes the module while the board's colour dialog runs under the palette's handler:
// the board goes at once, the handler returns through its live object and changes nothing.
TEST_F(P2PBoardRouting, ModuleCloseInsideTheColourDialogLeavesTheBoardsHandlerSafe) {
  AcceptWhiteboardFrom(kPeer);
  CDlgDFP2PWhiteBoard* board = Board(0);
  HWND boardWindow = board->m_hWnd;
  HWND swatch = ::GetDlgItem(board->GetColorBar()->m_hWnd, IDC_COLOR_SWATCH_FIRST + 3);
  bool closed = false;
  OnceInModal(platform::ModalKind::Dialog, [&](const platform::ModalState&) {
    Module()->Close();
    closed = true;
  });
  size_t sent = Sent().size();
  // Straight to the swatch: at the board's opening size the bar reaches past its lower edge.
  POINT at{3, 3};
  ::ClientToScreen(swatch, &at);
  for (UINT msg : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
    platform::Desktop::DeliverMouseTo(swatch, msg, at, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON);
  EXPECT_TRUE(closed);
  EXPECT_FALSE(::IsWindow(boardWindow));
  EXPECT_EQ(Module()->m_aP2PWhiteBoards.GetSize(), 0);
  EXPECT_EQ(nullptr, Module()->m_pActiveCommonDlg);
  EXPECT_EQ(Sent().size(), sent);
}

// The same inside the font dialog of a text on the board, opened from its object menu.
TEST_F(P2PBoardRouting, ModuleCloseInsideTheFontDialogLeavesTheSurfacesHandlerSafe) {
  AcceptWhiteboardFrom(kPeer);
  CP2PDrawContentDlg* surface = Board(0)->GetSurface();
  HWND surfaceWindow = surface->m_hWnd;
  UseToolOn(Board(0), kToolText);
  Drag(surface, {60, 150}, {300, 200});
  ASSERT_NE(surface->m_pEdit, nullptr);
  platform::user::Type(surface->m_pEdit->m_hWnd, "字体");
  UseToolOn(Board(0), kToolSelect);
  Click(surface, {400, 300});
  size_t sent = Sent().size();
  EXPECT_TRUE(CloseModuleInsideContextCommand(surfaceWindow, {180, 175}, ID_WB_TEXT_FONT));
  EXPECT_FALSE(::IsWindow(surfaceWindow));
  EXPECT_EQ(Module()->m_aP2PWhiteBoards.GetSize(), 0);
  EXPECT_EQ(nullptr, Module()->m_pActiveCommonDlg);
  EXPECT_EQ(Sent().size(), sent);
}

// The user leaves a changed board and the host closes the module while the board asks whether
// to save it, or while the save dialog runs (the user then answers Yes and picks a file): the
// board goes once, nothing is written.
class P2PBoardSaveOffer : public P2PBoardRouting, public testing::WithParamInterface<platform::ModalKind> {};

TEST_P(P2PBoardSaveOffer, ModuleCloseInsideTheSaveOfferOfALeftBoard) {
  const platform::ModalKind closeIn = GetParam();
  AcceptWhiteboardFrom(kPeer);
  HWND boardWindow = Board(0)->m_hWnd;
  UseToolOn(Board(0), kToolLine);
  Drag(Board(0)->GetSurface(), {40, 40}, {200, 120});
  std::string path = testing::TempDir() + "closed-board.xwb";
  std::remove(path.c_str());
  bool closed = false;
  platform::Desktop::SetModalHook([&](const platform::ModalState& state) {
    if (state.kind == closeIn && !closed) {
      Module()->Close();
      closed = true;
    }
    if (state.kind == platform::ModalKind::MessageBox) {
      platform::MessageBoxes::AnswerCurrent(IDYES);
    } else if (CFileDialog* dialog = dynamic_cast<CFileDialog*>(CWnd::FromHandlePermanent(state.window))) {
      dialog->SetPathName(path.c_str());
      dialog->EndDialog(IDOK);
    }
  });
  platform::user::CloseWindow(boardWindow);
  platform::Desktop::SetModalHook(nullptr);
  EXPECT_TRUE(closed);
  EXPECT_FALSE(::IsWindow(boardWindow));
  EXPECT_EQ(Module()->m_aP2PWhiteBoards.GetSize(), 0);
  EXPECT_FALSE(std::filesystem::exists(path));
}

INSTANTIATE_TEST_SUITE_P(Modals, P2PBoardSaveOffer,
                         testing::Values(platform::ModalKind::MessageBox, platform::ModalKind::Dialog));

TEST_F(P2PBoardRouting, ModuleCloseDestroysThePointToPointBoards) {
  AcceptWhiteboardFrom(kPeer);
  ASSERT_EQ(Module()->m_aP2PWhiteBoards.GetSize(), 1);
  HWND board = Board(0)->m_hWnd;
  Module()->Close();
  EXPECT_EQ(Module()->m_aP2PWhiteBoards.GetSize(), 0);
  EXPECT_FALSE(::IsWindow(board));
}

TEST_F(P2PBoardRouting, AnUnterminatedSessionUriIsRefused) {
  AcceptWhiteboardFrom(kPeer);
  CDlgDFP2PWhiteBoard* board = Board(0);
  // The peer's line, as the relay delivers it, its session URI then overwritten to the end.
  UseToolOn(board, kToolLine);
  Drag(board->GetSurface(), {40, 40}, {200, 120});
  ASSERT_EQ(Strokes(board->GetSurface()).size(), 1u);
  host::BlockArena arena;
  auto* record = static_cast<WbRecvMsgHeader*>(
      host::UnpackReceivedWbMessage(host::PackWbMessage(Sent().back()), arena, kPeer));
  ASSERT_NE(record, nullptr);
  memset(record->head.szSessionURI, 's', sizeof record->head.szSessionURI);
  HostRecordBlock block = {1, record, 0};
  EXPECT_EQ(Deliver(kModuleDataConfRecord, block), 0);
  EXPECT_EQ(Strokes(board->GetSurface()).size(), 1u);
}

}  // namespace
}  // namespace surftest
