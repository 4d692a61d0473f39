#include "fuzz/FuzzBoards.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "confwindow/DlgDataConf.h"
#include "host/scenario/ConfEventWords.h"
#include "module/WindowRoutines.h"
#include "platform/Clock.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/UserInput.h"
#include "platform/ui/Wnd.h"
#include "protocol/ConfStatisEvent.h"
#include "protocol/HostBlocks.h"
#include "setup/InviteIds.h"
#include "vezadazavo/VezadaZavo.h"
#include "whiteboard/windows/DrawContentDlg.h"
#include "whiteboard/windows/P2PDrawContentDlg.h"
#include "whiteboard/windows/ShareDrawContentDlg.h"

namespace fuzzboards {
namespace {

Boards* Make() {
  platform::Clock::UseVirtual(1700000000);
  platform::Desktop::Reset();
  VzDataSet data = VzDefaultDataSet();
  data.csAppPath = TAV_APP_PICTURES_DIR;  // "Hand.bmp" and "laser.gif"
  data.csUserPath = TAV_FUZZ_USER_DIR;
  VzSetDataSet(data);
  Boards* b = new Boards;
  b->module = CreateTavorineModule(&b->host, nullptr, nullptr);
  b->host.Attach(b->module);
  b->p2p = new CDlgDFP2PWhiteBoard();
  b->p2p->CreateBoard(nullptr);
  b->p2p->SetPeerURI(kPeer);
  b->p2p->m_bBoardLive = TRUE;
  b->p2p->ShowWindow(SW_SHOW);
  b->share = new CDlgDFShareWhiteBoard();
  b->share->CreateBoard(nullptr);
  b->share->ShowWindow(SW_SHOW);
  return b;
}

// The answer to our create request, naming the whiteboard among the conference's types: the
// conference window opens its board.
void OpenConference(Boards& b) {
  const std::string subConf = "subconf=" + std::to_string(kWhiteboardSubConf);
  host::DeliverConfEvent(b.host, kModuleConfEvent,
                         {"1", "1", "200", kConfURI, "type=4", subConf, "dconf=dconf-77"});
  if (!ConferenceBoard()) abort();  // a created conference with the whiteboard opens it
}

// An input may leave the user in another conference (joined or invited); a create answer is
// then left at once, so the conference it joined ends first, as its server would end it. The
// end event names the URI byte for byte: an input's URI may hold bytes that the scenario words
// (UTF-8) cannot carry.
void EndRunningConference(Boards& b, CDlgDataConf* conf) {
  if (!conf || !conf->m_bInConf) return;
  auto end = std::make_unique<confStatisEvent>();  // zero-filled
  end->detailType = kStatisConfEnded;
  strncpy(end->szConfURI, conf->GetConfURI(), sizeof end->szConfURI - 1);
  HostRecordBlock block{};
  block.nKind = 7;
  block.pRecord = end.get();
  b.host.Deliver(kModuleConfEvent, block);
}

void FreshPage(CWbBoardWindow* board, CDrawSurface* surface) {
  if (!board || !surface) return;
  board->ClearBoard();
  surface->CancelTextEdit();
  surface->AppendNewPage();
  surface->m_nCurPageNo = 1;
  surface->SetCanvasSize(1600, 1200);
  surface->RecalcScrollBars(TRUE);
}

}  // namespace

Boards& Get() {
  static Boards* boards = Make();
  return *boards;
}

CDlgDFWhiteBoard* ConferenceBoard() {
  CDlgDataConf* conf = Get().module->m_pDlgDataConf;
  return conf ? conf->GetWhiteBoard() : nullptr;
}

void Reset() {
  Boards& b = Get();
  CDlgDataConf* conf = b.module->m_pDlgDataConf;
  if (!conf || !conf->m_bInConf || !conf->GetWhiteBoard() ||
      conf->GetSubConfID(kSubConfWhiteboard, FALSE) != (int)kWhiteboardSubConf) {
    EndRunningConference(b, conf);
    OpenConference(b);
  }
  b.host.Clear();
  platform::MessageBoxes::Reset();
  for (int i = 0; i < 3; ++i) FreshPage(Board(i), Surface(i));
}

void CloseDialogs() {
  Boards& b = Get();
  b.module->ClosePopupDialogs();
  // The host's refusal ends one received invitation at a time.
  for (int n = 0; n < 64 && (FindOwnWindowByTitle("收到加入多媒体会议邀请") || FindOwnWindowByTitle("点对点邀请")); ++n) {
    HostPlainBlock refuse{};
    b.host.Deliver(kModuleRefuseInvite, refuse);
    platform::Desktop::PumpMessages();
  }
  // The user withdraws each call that still rings.
  for (int n = 0; n < 64; ++n) {
    HWND ring = FindOwnWindowByTitle("被叫振铃");
    if (!ring || !::IsWindowVisible(ring)) break;
    platform::user::ClickItem(ring, IDC_PTOP_RING_CANCEL);
    platform::Desktop::PumpMessages();
  }
  platform::MessageBoxes::Reset();
}

CWbBoardWindow* Board(int index) {
  Boards& b = Get();
  switch (((index % 3) + 3) % 3) {
    case 0: return ConferenceBoard();
    case 1: return b.p2p;
    default: return b.share;
  }
}

CDrawSurface* Surface(int index) {
  Boards& b = Get();
  switch (((index % 3) + 3) % 3) {
    case 0: return ConferenceBoard() ? ConferenceBoard()->GetSurface() : nullptr;
    case 1: return b.p2p ? b.p2p->GetSurface() : nullptr;
    default: return b.share ? b.share->GetSurface() : nullptr;
  }
}

void Paint(int index) {
  if (CDrawSurface* surface = Surface(index)) ::UpdateWindow(surface->m_hWnd);
}

}  // namespace fuzzboards
