// The point-to-point events the module handles itself (received invitations, the callee's
// ringing, the creation result and the peer's end of a session) and the answer to a received
// invitation, with the windows each opens.
#include <cstring>

#include "common/ConfMethodRecord.h"
#include "protocol/HostBlocks.h"
#include "protocol/InviteEvents.h"
#include "protocol/ConfCtrlResult.h"
#include "module/TavorineModule.h"
#include "module/WindowRoutines.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WindowRelease.h"
#include "setup/DlgmmConfPreCreate.h"
#include "setup/DlgPtopInvite.h"
#include "setup/DlgVNCTip.h"
#include "setup/PeerText.h"
#include "vezadazavo/VezadaZavo.h"
#include "whiteboard/windows/DlgDFP2PWhiteBoard.h"

namespace {

const DWORD kAutoAcceptDelayMs = 500;
const char kNoResources[] = "系统资源不足,请关闭并重新启动客户端。";

bool IsP2PKind(int kind) { return kind == kP2PWhiteboard || kind == kP2PAssist; }

}  // namespace

BOOL CTavorineModule::OnP2PEvent(const confCtrlResult& event) {
  const CString peer = RecordText(event.szConfURI);
  switch (event.detailType) {
    case kDetailP2PInvite: ShowP2PInvitation(peer, event.iConfType); return TRUE;
    case kDetailP2PRing: ShowRingingWindow(peer); return TRUE;
    case kDetailP2PCreated: OnP2PCreated(peer, event.iConfType, event.iResult); return TRUE;
    case kDetailP2PPeerEnd: OnP2PPeerEnd(peer, event.iConfType); return TRUE;
    default: return FALSE;
  }
}

// A new invitation window, or NULL after telling the user that it could not be made.
CDlgPtopInvite* CTavorineModule::CreatePtopInvite() {
  CDlgPtopInvite* window = new CDlgPtopInvite(nullptr);
  if (window->Create(IDD_PTOP_INVITE, nullptr)) return window;
  delete window;
  ::MessageBox(nullptr, kNoResources, GetMsgTitle(), MB_OK | MB_ICONINFORMATION);
  WriteLog("CDlgPtopInvite Create Failed!", 1);
  return nullptr;
}

void CTavorineModule::ShowP2PInvitation(const CString& peer, int kind) {
  if (!IsP2PKind(kind)) {
    CString line;
    line.Format("[ERROR]CTavorineModule::ShowP2PInvitation(kind %d)\n", kind);
    WriteLog(line, 1);
    return;
  }
  if (kind == kP2PWhiteboard && !RoomForP2PWhiteBoard()) {
    CString line;
    line.Format("[ERROR]CTavorineModule::ShowP2PInvitation(%d point-to-point whiteboards: refused)\n", kMaxP2PWhiteBoards);
    WriteLog(line, 1);
    AnswerP2PSession(peer, kind, kP2PRefuse);
    return;
  }
  if (IsP2POffer(peer, kind)) {
    AnswerCrossingOffer(peer, kind);
    return;
  }
  CPellUser* user = GetUserData();
  user->m_bInvitePending = TRUE;
  const CString inviter = PeerDisplayText(peer);
  SendEvent(kHostInviteComing, nullptr);
  CDlgPtopInvite* window = CreatePtopInvite();
  if (!window) {
    // Nobody can answer it here: the peer hears a refusal instead of waiting.
    user->m_bInvitePending = FALSE;
    AnswerP2PSession(peer, kind, kP2PRefuse);
    return;
  }
  window->SetInviteType(CDlgPtopInvite::KindText(kind), kind);
  window->SetInviteFrom(inviter);
  window->SetPeerURI(peer);
  window->CenterWindow();
  SendEvent(kHostP2PInviteWindow, (void*)(intptr_t)0);
  window->ShowWindow(SW_SHOW);
  window->BringWindowToTop();
  m_aInviteDlgs.Add(window);
  if (!user->m_bAutoAccept) return;
  WaitWithMessages(kAutoAcceptDelayMs, nullptr, nullptr);
  // The window may have been answered meanwhile: post only to one still listed.
  for (int i = 0; i < m_aInviteDlgs.GetSize(); ++i)
    if (m_aInviteDlgs[i] == window) window->PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

void CTavorineModule::ShowRingingWindow(const CString& peer) {
  // The callee's terminal rings once for the user: a repeated ring keeps the one window.
  for (int i = 0; i < m_aRingDlgs.GetSize(); ++i)
    if (m_aRingDlgs[i]->GetPeerURI() == peer) return;
  CDlgPtopInvite* window = CreatePtopInvite();
  if (!window) return;
  window->SetPeerURI(peer);
  window->RingCome(PeerDisplayText(peer), kPtopCall);
  window->CenterWindow();
  window->ShowWindow(SW_SHOW);
  m_aRingDlgs.Add(window);
}

void CTavorineModule::AnswerP2PInvite(int nAnswer, CDlgPtopInvite* window) {
  if (!window) return;
  AnswerP2PSession(window->GetPeerURI(), window->m_nInviteType, nAnswer);
}

BOOL CTavorineModule::OpenP2PSessionWindow(const CString& peer, int kind) {
  if (kind == kP2PWhiteboard) return OpenP2PWhiteBoard(peer) != nullptr;
  if (kind != kP2PAssist) return FALSE;
  CDlgVNCTip* bar = EnsureAssistBar();
  if (!bar) return FALSE;
  bar->BeginAssist(0, peer);
  return TRUE;
}

CDlgVNCTip* CTavorineModule::EnsureAssistBar() {
  if (!m_pDlgVNCTip) m_pDlgVNCTip = CDlgVNCTip::CreateBar();
  return m_pDlgVNCTip;
}

CDlgDFP2PWhiteBoard* CTavorineModule::OpenP2PWhiteBoard(const CString& peer) {
  CDlgDFP2PWhiteBoard* board = FindP2PWhiteBoard(peer);
  if (!board && m_aP2PWhiteBoards.GetSize() >= kMaxP2PWhiteBoards) {
    CString line;
    line.Format("[ERROR]CTavorineModule::OpenP2PWhiteBoard(%d point-to-point whiteboards are open)\n", kMaxP2PWhiteBoards);
    WriteLog(line, 1);
    return nullptr;
  }
  if (!board) {
    board = new CDlgDFP2PWhiteBoard();
    board->SetPeerURI(peer);
    if (!board->CreateBoard(nullptr)) {
      delete board;
      ReportCreateFailure(nullptr, "CDlgDFP2PWhiteBoard");
      return nullptr;
    }
    board->CreatePageForP2P();
    m_aP2PWhiteBoards.Add(board);
  }
  board->m_bBoardLive = TRUE;
  board->ShowWindow(SW_SHOW);
  return board;
}

// The creation result ends the ringing of that peer. Our whiteboard invitation was taken: the
// board opens and the data session begins. Our assistance request was taken: the requesting
// side shows the bar. Our offer refused or failed: the user is free again.
void CTavorineModule::OnP2PCreated(const CString& peer, int kind, int result) {
  CloseInvitationWindows(m_aRingDlgs, peer);
  if (!IsP2PKind(kind) || result != kConfResultOK) {
    CString line;
    line.Format("CTavorineModule::OnP2PCreated(kind %d, result %d)\n", kind, result);
    WriteLog(line, 1);
    if (IsP2POffer(peer, kind)) DropP2POffer(peer, kind);
    return;
  }
  MarkP2POfferAnswered(peer, kind);
  if (kind == kP2PAssist) {
    if (CDlgVNCTip* bar = EnsureAssistBar()) bar->BeginAssist(1, peer);
    return;
  }
  if (!OpenP2PWhiteBoard(peer)) {
    // No board can show the session: the peer is left at once.
    CConfMethodRecordPtr record;
    BuildConfLeave(*record, peer, kP2PWhiteboard);
    bIMSConfMethod(1, record.get());
    DropP2POffer(peer, kind);
    return;
  }
  // The session runs until the peer or the user ends it.
  SetP2PBusy(TRUE);
  AddP2PSession(peer, kP2PWhiteboard);
  BeginDataSession();
}

// The peer's invitation and ringing windows go unanswered: the peer has nobody to answer.
void CTavorineModule::OnP2PPeerEnd(const CString& peer, int kind) {
  if (CloseInvitationWindows(m_aInviteDlgs, peer)) GetUserData()->m_bInvitePending = FALSE;
  CloseInvitationWindows(m_aRingDlgs, peer);
  if (kind == kP2PWhiteboard) {
    // Nothing more goes to the peer, and the user is free.
    EndP2PSession(peer, kP2PWhiteboard);
    if (CDlgDFP2PWhiteBoard* board = FindP2PWhiteBoard(peer)) ReleaseEndedP2PWhiteBoard(board);
    return;
  }
  if (kind != kP2PAssist) {
    CString line;
    line.Format("CTavorineModule::OnP2PPeerEnd(kind %d)\n", kind);
    WriteLog(line, 1);
    return;
  }
  RemoveP2PSession(peer, kP2PAssist);  // also an offer still waiting for its answer
  SetP2PBusy(FALSE);
  if (m_pDlgVNCTip) m_pDlgVNCTip->EndAssist();
}

// A board whose session ended stays only for its save offer: with no drawing left unsaved it
// goes at once (freed once the handlers running on it have returned).
void CTavorineModule::ReleaseEndedP2PWhiteBoard(CDlgDFP2PWhiteBoard* board) {
  board->m_bBoardLive = FALSE;
  if (board->HoldsUnsavedDrawing()) return;
  for (int i = 0; i < m_aP2PWhiteBoards.GetSize(); ++i)
    if (m_aP2PWhiteBoards[i] == board) m_aP2PWhiteBoards.RemoveAt(i--);
  platform::DestroyAndDelete(board);
}

// Module close: every open invitation is refused and the ringing windows go.
void CTavorineModule::CloseP2PWindows() {
  while (m_aInviteDlgs.GetSize() > 0) {
    CDlgPtopInvite* window = m_aInviteDlgs[0];
    m_aInviteDlgs.RemoveAt(0);
    AnswerP2PInvite(kP2PRefuse, window);
    platform::DestroyAndDelete(window);
  }
  DeleteWindows(m_aRingDlgs);
  DeleteP2PWhiteBoards();
  // A running assistance is ended from this side, and the bar goes with the module.
  if (m_pDlgVNCTip) {
    m_pDlgVNCTip->OnEndAssist();
    platform::DestroyAndDelete(m_pDlgVNCTip);
    m_pDlgVNCTip = nullptr;
  }
}

// A window may be inside its own handler: it goes now, the object once that has returned.
BOOL CTavorineModule::CloseInvitationWindows(CArray<CDlgPtopInvite*>& list, const CString& peer) {
  BOOL closed = FALSE;
  for (int i = 0; i < list.GetSize(); ++i) {
    if (list[i]->GetPeerURI() != peer) continue;
    CDlgPtopInvite* window = list[i];
    list.RemoveAt(i--);
    platform::DestroyAndDelete(window);
    closed = TRUE;
  }
  return closed;
}

void CTavorineModule::DeleteWindows(CArray<CDlgPtopInvite*>& list) {
  for (int i = 0; i < list.GetSize(); ++i) platform::DestroyAndDelete(list[i]);
  list.RemoveAll();
}

// The session of a board the user closes, or that host code 13 closes, ends here: a board
// still live leaves its peer (sub-type 5 with the session type), the session goes and the user
// is free again. The board leaves the list; its owner deletes it.
void CTavorineModule::EndP2PWhiteBoard(CDlgDFP2PWhiteBoard* board) {
  const CString peer = board->GetPeerURI();
  if (board->m_bBoardLive) {
    board->m_bBoardLive = FALSE;
    CConfMethodRecordPtr record;
    BuildConfLeave(*record, peer, kP2PWhiteboard);
    bIMSConfMethod(1, record.get());
  }
  for (int i = 0; i < m_aP2PWhiteBoards.GetSize(); ++i)
    if (m_aP2PWhiteBoards[i] == board) m_aP2PWhiteBoards.RemoveAt(i--);
  EndP2PSession(peer, kP2PWhiteboard);
}

// Only a listed session frees the user: a board whose peer has already gone leaves a session
// that began since alone.
void CTavorineModule::EndP2PSession(const CString& peer, int type) {
  if (!bP2PSessionExist(peer, type)) return;
  RemoveP2PSession(peer, type);
  SetP2PBusy(FALSE);
  EndDataSession();
}

// A board may be running a dialog of its own when the host asks: it is freed once that ends.
void CTavorineModule::CloseP2PWhiteBoards() {
  while (m_aP2PWhiteBoards.GetSize() > 0) {
    CDlgDFP2PWhiteBoard* board = m_aP2PWhiteBoards[0];
    EndP2PWhiteBoard(board);
    platform::DestroyAndDelete(board);
  }
}

void CTavorineModule::DeleteP2PWhiteBoards() {
  for (int i = 0; i < m_aP2PWhiteBoards.GetSize(); ++i) platform::DestroyAndDelete(m_aP2PWhiteBoards[i]);
  m_aP2PWhiteBoards.RemoveAll();
}

// The module goes: its invitation, ringing and whiteboard windows and the assistance bar go
// with it, unanswered.
void CTavorineModule::DeleteP2PWindows() {
  DeleteWindows(m_aInviteDlgs);
  DeleteWindows(m_aRingDlgs);
  DeleteP2PWhiteBoards();
  if (m_pDlgVNCTip) {
    platform::DestroyAndDelete(m_pDlgVNCTip);
    m_pDlgVNCTip = nullptr;
  }
}
