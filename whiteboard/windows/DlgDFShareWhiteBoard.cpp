#include "whiteboard/windows/DlgDFShareWhiteBoard.h"

#include "res/SisterBoardTemplates.h"
#include "whiteboard/windows/DlgDFWhiteBoard.h"
#include "whiteboard/windows/ShareDrawContentDlg.h"
#include "whiteboard/windows/WbMsgHeaders.h"

CDlgDFShareWhiteBoard::CDlgDFShareWhiteBoard() : CWbBoardWindow(IDD_DF_SHARE_WHITEBOARD) {
  RegisterSisterBoardResources();
}

CDlgDFShareWhiteBoard::~CDlgDFShareWhiteBoard() {
  DeleteSurface(m_pDrawContent);
  DestroyWindow();
}

BOOL CDlgDFShareWhiteBoard::CreateBoard(CWnd* parent) { return Create(IDD_DF_SHARE_WHITEBOARD, parent); }

BOOL CDlgDFShareWhiteBoard::OnInitDialog() {
  CDialog::OnInitDialog();
  m_pDrawContent = new CShareDrawContentDlg(this);
  m_pDrawContent->m_pOwner = this;
  if (!CreateSurface(m_pDrawContent, IDD_SHARE_DRAW_CONTENT, "CShareDrawContentDlg")) {
    m_pDrawContent = nullptr;
    return TRUE;
  }
  AttachToolButtons();
  return TRUE;
}

void CDlgDFShareWhiteBoard::StartBoard() {
  if (!m_pDrawContent) return;
  if (m_pDrawContent->m_listPages.IsEmpty()) m_pDrawContent->AppendCanvasPage(1);
  ShowWindow(SW_SHOW);
}

void CDlgDFShareWhiteBoard::OnClose() {
  if (OfferToSave(m_bContentChanged)) ShowWindow(SW_HIDE);
}

CDrawSurface* CDlgDFShareWhiteBoard::BoardSurface() const { return m_pDrawContent; }

// ---- Received records ----

void CDlgDFShareWhiteBoard::DispatchBoardRecord(void* record) {
  const WbRecvMsgHeader* header = static_cast<const WbRecvMsgHeader*>(record);
  if (!header || !m_pDrawContent) return;
  const WbPageOpRecord* pageOp = header->pPageOp;
  DWORD code = header->head.op;
  if (code == WB_RECV_BOARD_SYNC && (!pageOp || !pageOp->pList)) return;
  if (code == WB_RECV_PAGE_CONTENT) m_pDrawContent->m_nRemotePageCount = header->nValue;
  if (!m_bHasControlRight && pageOp) {
    CString count, page;
    count.Format("%d", m_pDrawContent->m_nRemotePageCount);
    page.Format("%d", (int)pageOp->nPage);
    SetDlgItemText(IDC_WB_PAGE_NO2, "1");
    SetDlgItemText(IDC_WB_PAGE_COUNT, count);
    SetDlgItemText(IDC_WB_PAGE_NO, page);
  }
  CWbBoardWindow::DispatchBoardRecord(record);
}

int CDlgDFShareWhiteBoard::ClearBoard() {
  if (m_pDrawContent) m_pDrawContent->ResetBoard();
  return 1;
}

void CDlgDFShareWhiteBoard::OnBoardClosed(int) {
  ClearBoard();
  if (m_pDrawContent) {
    m_pDrawContent->SetCanvasSize(0, 0);
    m_pDrawContent->RecalcScrollBars(TRUE);
  }
  ShowWindow(SW_HIDE);
}

// ---- Sending and documents ----

WbMsgHeader* CDlgDFShareWhiteBoard::NewBoardHeader(DWORD type, DWORD value) { return NewShareWbMsgHeader(type, value); }

CString CDlgDFShareWhiteBoard::WriteXwbDocument() {
  return m_pDrawContent ? m_pDrawContent->WriteXwbDocument() : CString();
}

BOOL CDlgDFShareWhiteBoard::ReadXwbDocument(const char* pszDoc, size_t nLength) {
  if (!m_pDrawContent || !m_pDrawContent->ReadXwbDocument(pszDoc, nLength)) return FALSE;
  if (!m_pDrawContent->m_listPages.IsEmpty()) m_pDrawContent->m_nCurPageNo = 1;
  m_bContentChanged = FALSE;
  return TRUE;
}
