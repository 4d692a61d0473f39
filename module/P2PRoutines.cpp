// Point-to-point sessions (whiteboard and assistance) outside a conference.
#include <cstring>

#include "common/ConfMethodRecord.h"
#include "module/TavorineModule.h"
#include "protocol/HostBlocks.h"
#include "protocol/WbRecords.h"
#include "whiteboard/windows/DlgDFP2PWhiteBoard.h"

const char kAnyPeerURI[] = "ingore-uri";

namespace {

bool Matches(const P2PSession& session, const CString& uri, int type) {
  return (uri == kAnyPeerURI || session.csPeerURI == uri) && (type == kAnyP2PType || session.iType == type);
}

}  // namespace

BOOL CTavorineModule::SetP2PBusy(BOOL busy) {
  BOOL previous = m_bP2PBusy;
  m_bP2PBusy = busy ? TRUE : FALSE;
  return previous;
}

CString CTavorineModule::GetP2PSessionName() const {
  if (!m_bP2PBusy || m_aP2PSessions.IsEmpty()) return CString();
  switch (m_aP2PSessions[0].iType) {
    case kP2PWhiteboard: return "点对点白板";
    case kP2PAssist: return "点对点请求协助";
    default: return CString();
  }
}

// A peer's session of one type is listed once, however often it was accepted, so that its end
// leaves no stale entry that a later end could take for a running session.
void CTavorineModule::AddP2PSession(CString uri, int type, BOOL bOffered) {
  if (bP2PSessionExist(uri, type)) return;
  P2PSession session;
  session.csPeerURI = uri;
  session.iType = type;
  session.bOffered = bOffered;
  m_aP2PSessions.Add(session);
}

BOOL CTavorineModule::bP2PSessionExist(CString uri, int type) const {
  for (int i = 0; i < m_aP2PSessions.GetSize(); ++i)
    if (Matches(m_aP2PSessions[i], uri, type)) return TRUE;
  return FALSE;
}

void CTavorineModule::RemoveP2PSession(CString uri, int type) {
  for (int i = 0; i < m_aP2PSessions.GetSize(); ++i) {
    if (Matches(m_aP2PSessions[i], uri, type)) {
      m_aP2PSessions.RemoveAt(i);
      return;
    }
  }
}

int CTavorineModule::BeginDataSession() {
  int result = SendEvent(kHostBeginDataSession, nullptr);
  m_bDataSession = TRUE;
  return result;
}

int CTavorineModule::EndDataSession() {
  if (!m_bDataSession) return 0;
  int result = SendEvent(kHostEndDataSession, nullptr);
  m_bDataSession = FALSE;
  return result;
}

// An accepted session is listed until it ends. When its window cannot be made the peer is
// refused instead, and the user is free again.
void CTavorineModule::AnswerP2PSession(CString peerURI, int iSessionType, int nAnswer) {
  if (nAnswer != kP2PAccept && nAnswer != kP2PRefuse) return;
  if (nAnswer == kP2PAccept) {
    SetP2PBusy(TRUE);
    BeginDataSession();
    if (OpenP2PSessionWindow(peerURI, iSessionType)) {
      AddP2PSession(peerURI, iSessionType);
    } else {
      SetP2PBusy(FALSE);
      EndDataSession();
      nAnswer = kP2PRefuse;
    }
  }
  CConfMethodRecordPtr record;
  BuildConfAnswer(*record, peerURI, iSessionType, nAnswer == kP2PAccept ? 1 : 0);
  bIMSConfMethod(1, record.get());
}

CDlgDFP2PWhiteBoard* CTavorineModule::FindP2PWhiteBoard(const char* peerURI) const {
  if (!peerURI || !*peerURI) return nullptr;
  for (int i = 0; i < m_aP2PWhiteBoards.GetSize(); ++i)
    if (strcmp(m_aP2PWhiteBoards[i]->GetPeerURI(), peerURI) == 0) return m_aP2PWhiteBoards[i];
  return nullptr;
}

BOOL CTavorineModule::RouteP2PWhiteboardRecord(void* record) {
  if (!record) return FALSE;
  // The head's session URI is the peer's point to point. It is read no further than a board's
  // peer URI and its terminator, so that an unterminated URI matches nothing.
  const char* uri = static_cast<const WbRecvMsgHeader*>(record)->head.szSessionURI;
  for (int i = 0; i < m_aP2PWhiteBoards.GetSize(); ++i) {
    CDlgDFP2PWhiteBoard* board = m_aP2PWhiteBoards[i];
    size_t length = strlen(board->GetPeerURI());
    if (length == 0 || length >= sizeof(MrsRecordHead::szSessionURI)) continue;
    if (strncmp(uri, board->GetPeerURI(), length) != 0 || uri[length] != 0) continue;
    board->DispatchBoardRecord(record);
    return TRUE;
  }
  return FALSE;
}
