// The user's own point-to-point offers (host codes 3 and 4): the request, its answer, and the
// peer's offer of the same session crossing it.
#include "common/ConfMethodRecord.h"
#include "common/UriParts.h"
#include "module/TavorineModule.h"
#include "platform/ui/MessageBox.h"
#include "setup/DlgPtopInvite.h"
#include "setup/SetupRefusals.h"
#include "vezadazavo/VezadaZavo.h"

namespace {

const char kTooManyBoards[] = "打开的点对点白板太多，请先关闭不用的白板！";

// An address as both sides compare it: user@host, lower case.
CString ComparableAddress(const CString& uri) {
  CString address = GetURIPart(uri, kUriUserAtHost);
  address.MakeLower();
  return address;
}

}  // namespace

int CTavorineModule::OfferP2PSession(const char* peerURI, int kind) {
  const CString peer = peerURI ? peerURI : "";
  if (peer.IsEmpty()) {
    WriteLog("[ERROR]CTavorineModule::OfferP2PSession(no peer)\n", 1);
    return 0;
  }
  // The peer offered this very session already: taking it is what the user asks for.
  if (CDlgPtopInvite* waiting = FindP2PInvitation(peer, kind)) {
    ::SendMessage(waiting->m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);  // the window goes
    return 1;
  }
  CString refusal = P2PRefusal();
  if (refusal.IsEmpty() && kind == kP2PWhiteboard && !RoomForP2PWhiteBoard()) refusal = kTooManyBoards;
  if (!refusal.IsEmpty()) {
    ::MessageBox(nullptr, refusal, GetMsgTitle(), MB_OK | MB_ICONINFORMATION);
    return 1;
  }
  SetP2PBusy(TRUE);
  AddP2PSession(peer, kind, TRUE);
  CConfMethodRecordPtr record;
  BuildConfCreateP2P(*record, peer, kind);
  if (bIMSConfMethod(1, record.get())) return 1;
  // The host did not take the request: no answer will come.
  WriteLog("[ERROR]CTavorineModule::OfferP2PSession(the request was not taken)\n", 1);
  DropP2POffer(peer, kind);
  return 1;
}

BOOL CTavorineModule::IsP2POffer(const CString& peer, int kind) const {
  for (int i = 0; i < m_aP2PSessions.GetSize(); ++i) {
    const P2PSession& session = m_aP2PSessions[i];
    if (session.bOffered && session.csPeerURI == peer && session.iType == kind) return TRUE;
  }
  return FALSE;
}

void CTavorineModule::MarkP2POfferAnswered(const CString& peer, int kind) {
  for (int i = 0; i < m_aP2PSessions.GetSize(); ++i)
    if (m_aP2PSessions[i].csPeerURI == peer && m_aP2PSessions[i].iType == kind) m_aP2PSessions[i].bOffered = FALSE;
}

void CTavorineModule::DropP2POffer(const CString& peer, int kind) {
  RemoveP2PSession(peer, kind);
  SetP2PBusy(!m_aP2PSessions.IsEmpty());
  NotifyStateChanged();
}

void CTavorineModule::WithdrawP2POffer(const CString& peer, int kind) {
  CConfMethodRecordPtr record;
  BuildConfLeave(*record, peer);
  bIMSConfMethod(1, record.get());
  CloseInvitationWindows(m_aRingDlgs, peer);
  DropP2POffer(peer, kind);
}

// Both sides know both addresses, so both keep the same offer: exactly one session results.
BOOL CTavorineModule::OwnOfferStands(const CString& peer) const {
  return ComparableAddress(GetMyInfo()->csSipURI).Compare(ComparableAddress(peer)) < 0;
}

void CTavorineModule::AnswerCrossingOffer(const CString& peer, int kind) {
  if (OwnOfferStands(peer)) {
    WriteLog("CTavorineModule::AnswerCrossingOffer(our offer stands: the peer's is refused)\n", 1);
    AnswerP2PSession(peer, kind, kP2PRefuse);
    return;
  }
  WriteLog("CTavorineModule::AnswerCrossingOffer(the peer's offer stands: ours is withdrawn)\n", 1);
  WithdrawP2POffer(peer, kind);
  AnswerP2PSession(peer, kind, kP2PAccept);
}

CDlgPtopInvite* CTavorineModule::FindP2PInvitation(const CString& peer, int kind) const {
  for (int i = 0; i < m_aInviteDlgs.GetSize(); ++i)
    if (m_aInviteDlgs[i]->GetPeerURI() == peer && m_aInviteDlgs[i]->m_nInviteType == kind) return m_aInviteDlgs[i];
  return nullptr;
}

BOOL CTavorineModule::RoomForP2PWhiteBoard() const {
  int count = m_aP2PWhiteBoards.GetSize();
  for (int i = 0; i < m_aInviteDlgs.GetSize(); ++i)
    if (m_aInviteDlgs[i]->m_nInviteType == kP2PWhiteboard) ++count;
  for (int i = 0; i < m_aP2PSessions.GetSize(); ++i)
    if (m_aP2PSessions[i].bOffered && m_aP2PSessions[i].iType == kP2PWhiteboard) ++count;
  return count < kMaxP2PWhiteBoards;
}
