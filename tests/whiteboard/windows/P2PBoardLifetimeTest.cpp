// How long a point-to-point board lives after its session: peers that offer a whiteboard, are
// accepted and end the session again cannot pile boards up in the module.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "common/ConfMethodRecord.h"
#include "host/relay/WbRelay.h"
#include "module/TavorineModule.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/WindowRelease.h"
#include "protocol/ConfMethodRecord.h"
#include "protocol/HostBlocks.h"
#include "protocol/InviteEvents.h"
#include "tests/support/boards/SisterBoardFixture.h"
#include "vezadazavo/VezadaZavo.h"
#include "whiteboard/windows/DlgDFP2PWhiteBoard.h"
#include "whiteboard/windows/P2PDrawContentDlg.h"

namespace surftest {
namespace {

const char kDrawer[] = "sip:13800000000@ims.example.cn";

class P2PBoardLifetime : public SisterBoardTest {
 protected:
  // A line as a peer's board really sends it: drawn on a board of this module, whose session
  // then ends (its drawing keeps it open). Returns the packed message.
  std::string LineAsSent() {
    CDlgDFP2PWhiteBoard* board = OpenP2PBoard(kDrawer);
    if (!board) return "";
    UseToolOn(board, kToolLine);
    Drag(board->GetSurface(), {40, 40}, {240, 90});
    EndP2PSessionOf(kDrawer);
    std::vector<const WbMsgHeader*> sent = Sent();
    return sent.empty() ? "" : host::PackWbMessage(sent.back());
  }
  // The peer's board sends the message: it arrives from peer, through the relay.
  void ArrivesFrom(const char* peer, const std::string& packed) {
    host::BlockArena arena;
    HostRecordBlock block{1, host::UnpackReceivedWbMessage(packed, arena, peer), 0};
    Deliver(kModuleDataConfRecord, block);
  }
  // The answer (1 accepted, 0 refused) of the last invitation answered.
  int LastAnswer() {
    const ConfMethodRecord* last = nullptr;
    for (size_t i = 0; const ConfMethodRecord* record = Host().ConfMethod1(i); ++i)
      if (record->iSubType == kConfAnswer) last = record;
    return last ? +last->iAnswer : -1;
  }
  int Boards() { return Module()->m_aP2PWhiteBoards.GetSize(); }
};

// 300 peers offer a whiteboard, the option accepts each, every other one draws a line, and each
// ends the session. The boards without drawing go with their sessions; those with drawing stay
// for their save offer until the bound is reached, and then further offers are refused: the
// module's boards, windows and pending deletions never grow past the bound.
TEST_F(P2PBoardLifetime, PeersEndingTheirSessionsCannotPileUpBoards) {
  const size_t windowsBefore = platform::Desktop::WindowCount();
  const std::string line = LineAsSent();
  ASSERT_FALSE(line.empty());
  ASSERT_EQ(Boards(), 1);
  const size_t windowsPerBoard = platform::Desktop::WindowCount() - windowsBefore;
  GetUserData()->m_bAutoAccept = TRUE;
  int mostBoards = 0, accepted = 0, refused = 0;
  size_t mostWindows = 0;
  for (int i = 0; i < 300; ++i) {
    char peer[64];
    std::snprintf(peer, sizeof peer, "sip:139%08d@ims.example.cn", i);
    DeliverConfResult(kDetailP2PInvite, peer, kP2PWhiteboard);
    Pump();
    if (LastAnswer() == 1) {
      ++accepted;
      if (i % 2) ArrivesFrom(peer, line);
    } else {
      ++refused;
    }
    mostBoards = std::max(mostBoards, Boards());
    DeliverConfResult(kDetailP2PPeerEnd, peer, kP2PWhiteboard);
    Pump();
    mostWindows = std::max(mostWindows, platform::Desktop::WindowCount());
  }
  EXPECT_LE(mostBoards, kMaxP2PWhiteBoards);
  EXPECT_LE(mostWindows, windowsBefore + kMaxP2PWhiteBoards * windowsPerBoard);
  EXPECT_EQ(platform::PendingWindowDeletes(), 0u);
  EXPECT_GT(accepted, kMaxP2PWhiteBoards) << "boards without drawing made room again";
  EXPECT_GT(refused, 0);
  ASSERT_EQ(Boards(), kMaxP2PWhiteBoards);
  for (int i = 0; i < Boards(); ++i) {
    CDlgDFP2PWhiteBoard* board = Module()->m_aP2PWhiteBoards[i];
    EXPECT_FALSE(board->m_bBoardLive);
    EXPECT_TRUE(board->HoldsUnsavedDrawing()) << board->GetPeerURI();
  }
  EXPECT_FALSE(Module()->GetP2PBusy());
}

}  // namespace
}  // namespace surftest
