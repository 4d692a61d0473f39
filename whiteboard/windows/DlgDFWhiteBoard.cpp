#include "whiteboard/windows/DlgDFWhiteBoard.h"

#include "res/WhiteboardTemplates.h"
#include "whiteboard/windows/ColorBarDlg.h"
#include "whiteboard/windows/DrawContentDlg.h"
#include "whiteboard/windows/WbMsgHeaders.h"
#include "whiteboard/windows/WbToolButtons.h"

CDlgDFWhiteBoard::CDlgDFWhiteBoard() : CWbBoardWindow(IDD_DF_WHITEBOARD) {
  RegisterWhiteboardResources();
}

CDlgDFWhiteBoard::~CDlgDFWhiteBoard() {
  DeleteColorBar();
  DeleteSurface(m_pDrawContent);
  DestroyWindow();
}

BOOL CDlgDFWhiteBoard::CreateBoard(CWnd* parent) { return Create(IDD_DF_WHITEBOARD, parent); }

BOOL CDlgDFWhiteBoard::OnInitDialog() {
  CDialog::OnInitDialog();
  m_pDrawContent = new CDrawContentDlg(this);
  m_pDrawContent->m_pOwner = this;
  if (!CreateSurface(m_pDrawContent, IDD_DRAW_CONTENT, "CDrawContentDlg")) {
    m_pDrawContent = nullptr;
    return TRUE;
  }
  CreateControls();
  return TRUE;
}

// The palette bar over its frame, the width list and the page box.
void CDlgDFWhiteBoard::CreateControls() {
  CColorBarDlg* bar = new CColorBarDlg(this);
  bar->m_pOwner = this;
  PlaceColorBar(bar, IDD_COLOR_BAR);
  AttachLineWidthList();
  AttachToolButtons();
  AttachNewPageButton();
  m_editPageNo.m_pOwner = this;
  m_editPageNo.SubclassDlgItem(IDC_WB_PAGE_NO, this);
}

CDrawSurface* CDlgDFWhiteBoard::BoardSurface() const { return m_pDrawContent; }

WbMsgHeader* CDlgDFWhiteBoard::NewBoardHeader(DWORD type, DWORD value) { return NewWbMsgHeader(type, value); }

void CDlgDFWhiteBoard::StartBoard(BOOL joined) {
  if (!m_pDrawContent) return;
  if (m_pDrawContent->m_listPages.IsEmpty()) {
    m_pDrawContent->AppendCanvasPage(1);
    m_pDrawContent->SetScrollOrigin(0, 0);
    ShowReceivedPage(1);
  }
  SetPresenter(!joined);
  ShowWindow(SW_SHOW);
  if (joined) RequestBoardContent();
}

void CDlgDFWhiteBoard::SetPresenter(BOOL presenter) {
  m_bPageTurning = presenter;
  for (int id : {(int)IDC_WB_PAGE_NO, (int)IDC_WB_NEW_PAGE})
    if (CWnd* control = GetDlgItem(id)) control->EnableWindow(presenter);
}
