#include "tests/support/boards/RelayedBoardsFixture.h"

#include <cstring>

#include "host/relay/WbRelay.h"
#include "module/TavorineModule.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/UserInput.h"
#include "platform/ui/WindowSurface.h"
#include "protocol/ConfCtrlResult.h"
#include "protocol/HostBlocks.h"
#include "protocol/InviteEvents.h"
#include "whiteboard/model/StrokePage.h"
#include "whiteboard/windows/P2PDrawContentDlg.h"

namespace surftest {

const char RelayedBoards::kAlice[] = "sip:13700000001@ims.example.cn";
const char RelayedBoards::kBob[] = "sip:13700000002@ims.example.cn";

void RelayedBoards::SetUp() {
  SisterBoardTest::SetUp();
  alice_ = OpenBoard(kBob);
  bob_ = OpenBoard(kAlice);
  ASSERT_NE(alice_, nullptr);
  ASSERT_NE(bob_, nullptr);
  // Side by side, so that each side's mouse reaches its own board.
  CRect r;
  bob_->GetWindowRect(&r);
  bob_->MoveWindow(r.Width() + 20, 0, r.Width(), r.Height());
  Relay();
}

// Our point-to-point whiteboard with peer was taken: the module opens the peer's board.
CDlgDFP2PWhiteBoard* RelayedBoards::OpenBoard(const char* peer) {
  DeliverConfResult(kDetailP2PCreated, peer, kP2PWhiteboard, kConfResultOK);
  CTavorineModule* module = Module();
  for (int i = 0; i < module->m_aP2PWhiteBoards.GetSize(); ++i)
    if (strcmp(module->m_aP2PWhiteBoards[i]->GetPeerURI(), peer) == 0) return module->m_aP2PWhiteBoards[i];
  return nullptr;
}

int RelayedBoards::Relay(DWORD method, CWbBoardWindow* into) {
  int count = 0;
  while (relayed_ < Host().Events().size()) {
    const host::HostEvent event = Host().Events()[relayed_++];
    if (event.channel != host::Channel::kMessage || event.code != kHostDataConfRecord || !event.copy) continue;
    const WbMsgHeader* sent = static_cast<const WbMsgHeader*>(event.As<HostMethodBlock>()->pRecord);
    if (!sent) continue;
    // The receiver sees the sender's URI where the sender wrote the receiver's.
    const char* from = strcmp(sent->head.szSessionURI, kBob) == 0 ? kAlice : kBob;
    host::BlockArena arena;
    void* received = host::UnpackReceivedWbMessage(host::PackWbMessage(sent), arena, from, method);
    HostRecordBlock block{1, received, 0};
    if (into) into->DispatchBoardRecord(received);
    else Deliver(kModuleDataConfRecord, block);
    ++count;
  }
  return count;
}

void RelayedBoards::ChooseTool(CDlgDFP2PWhiteBoard* board, int buttonId) {
  ASSERT_TRUE(platform::user::ClickItem(board->m_hWnd, buttonId));
}

void RelayedBoards::DragOn(CDlgDFP2PWhiteBoard* board, POINT from, POINT to) { Drag(board->GetSurface(), from, to); }

void RelayedBoards::ClickOn(CDlgDFP2PWhiteBoard* board, POINT at) { Click(board->GetSurface(), at); }

void RelayedBoards::DragSelected(CDlgDFP2PWhiteBoard* board, POINT from, POINT to) {
  HWND surface = board->GetSurface()->m_hWnd;
  OnceInModal(platform::ModalKind::Tracker, [surface, to](const platform::ModalState&) {
    platform::user::MouseMove(surface, to, true);
    platform::user::MouseUp(surface, to);
  });
  platform::user::MouseDown(surface, from);
  platform::user::MouseUp(surface, to);
}

std::string RelayedBoards::PageXml(CDlgDFP2PWhiteBoard* board) {
  CStrokePage* page = board->GetSurface()->m_pCurPage;
  return page ? std::string((LPCTSTR)page->ToXml(0)) : std::string();
}

bool RelayedBoards::SamePixels(CDlgDFP2PWhiteBoard* a, CDlgDFP2PWhiteBoard* b) {
  HWND sa = a->GetSurface()->m_hWnd, sb = b->GetSurface()->m_hWnd;
  ::InvalidateRect(sa, nullptr, TRUE);
  ::InvalidateRect(sb, nullptr, TRUE);
  platform::Desktop::PumpMessages();
  RECT client;
  ::GetClientRect(sa, &client);
  for (int y = 0; y < client.bottom; ++y)
    for (int x = 0; x < client.right; ++x)
      if (platform::WindowPixel(sa, x, y) != platform::WindowPixel(sb, x, y)) return false;
  return true;
}

}  // namespace surftest
