#include "whiteboard/windows/P2PDrawContentDlg.h"

#include "whiteboard/model/StrokeBase.h"
#include "whiteboard/model/WbBlocks.h"
#include "whiteboard/windows/DlgDFP2PWhiteBoard.h"

CP2PDrawContentDlg::CP2PDrawContentDlg(CWnd* pParent) : CDrawSurface(IDD_P2P_DRAW_CONTENT, pParent) {}

CSurfaceOwner* CP2PDrawContentDlg::Owner() const { return m_pOwner; }

void CP2PDrawContentDlg::OnContentChanged() {
  if (m_pOwner) m_pOwner->m_bContentChanged = TRUE;
}

// The object's method record for the peer: the board's conference id, sub-conference 0, and
// the peer's URI over the record's address.
WbMsgHeader* CP2PDrawContentDlg::BuildMethodRecord(CStrokeBase* stroke, int nMethod, int nKind) {
  if (!m_pOwner) return nullptr;
  CString peer = m_pOwner->GetPeerURI();
  WbMsgHeader* record = stroke->BuildOpRecord((DWORD)nMethod, (DWORD)nKind, m_pOwner->GetConfID(),
                                              (DWORD)m_pOwner->m_nSubConfValue, (DWORD)m_nCurPageNo, peer);
  if (record && !peer.IsEmpty()) SetWbText(record->head.szSessionURI, peer);
  return record;
}
