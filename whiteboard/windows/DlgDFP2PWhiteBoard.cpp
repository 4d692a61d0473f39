#include "whiteboard/windows/DlgDFP2PWhiteBoard.h"

#include "module/TavorineModule.h"
#include "platform/Mbcs.h"
#include "platform/ui/WindowRelease.h"
#include "res/SisterBoardTemplates.h"
#include "whiteboard/model/StrokePage.h"
#include "whiteboard/windows/DlgDFWhiteBoard.h"
#include "whiteboard/windows/P2PColorBarDlg.h"
#include "whiteboard/windows/P2PDrawContentDlg.h"
#include "whiteboard/windows/WbMsgHeaders.h"

CDlgDFP2PWhiteBoard::CDlgDFP2PWhiteBoard() : CWbBoardWindow(IDD_DF_P2P_WHITEBOARD) { RegisterSisterBoardResources(); }

CDlgDFP2PWhiteBoard::~CDlgDFP2PWhiteBoard() {
  DeleteColorBar();
  DeleteSurface(m_pDrawContent);
  DestroyWindow();
}

void CDlgDFP2PWhiteBoard::SetPeerURI(const char* uri) {
  mbcs::CopyLimited(m_szPeerURI, sizeof(m_szPeerURI), uri);
}

BOOL CDlgDFP2PWhiteBoard::CreateBoard(CWnd* parent) { return Create(IDD_DF_P2P_WHITEBOARD, parent); }

BOOL CDlgDFP2PWhiteBoard::OnInitDialog() {
  CDialog::OnInitDialog();
  m_pDrawContent = new CP2PDrawContentDlg(this);
  m_pDrawContent->m_pOwner = this;
  if (!CreateSurface(m_pDrawContent, IDD_P2P_DRAW_CONTENT, "CP2PDrawContentDlg")) {
    m_pDrawContent = nullptr;
    return TRUE;
  }
  CP2PColorBarDlg* bar = new CP2PColorBarDlg(this);
  bar->m_pBoard = this;
  PlaceColorBar(bar, IDD_P2P_COLOR_BAR);
  AttachLineWidthList();
  AttachToolButtons();
  AttachNewPageButton();
  m_editPageNo.m_pOwner = this;
  m_editPageNo.SubclassDlgItem(IDC_WB_PAGE_NO, this);
  return TRUE;
}

CDrawSurface* CDlgDFP2PWhiteBoard::BoardSurface() const { return m_pDrawContent; }

void CDlgDFP2PWhiteBoard::OnClose() {
  if (!OfferToSave(m_bContentChanged)) return;
  if (CTavorineModule* module = TavorineModule()) module->EndP2PWhiteBoard(this);
  platform::DestroyAndDelete(this);
}

BOOL CDlgDFP2PWhiteBoard::HoldsUnsavedDrawing() const {
  if (!m_bContentChanged || !m_pDrawContent) return FALSE;
  for (POSITION pos = m_pDrawContent->m_listPages.GetHeadPosition(); pos;) {
    const CStrokePage* page = static_cast<const CStrokePage*>(m_pDrawContent->m_listPages.GetNext(pos));
    if (!page->m_listStroke.IsEmpty()) return TRUE;
  }
  return FALSE;
}

WbMsgHeader* CDlgDFP2PWhiteBoard::NewBoardHeader(DWORD type, DWORD value) {
  return NewP2PWbMsgHeader(type, this, value);
}

BOOL CDlgDFP2PWhiteBoard::CreatePageForP2P() {
  if (!m_pDrawContent) return FALSE;
  ClearBoard();
  m_pDrawContent->AppendCanvasPage(1);
  m_pDrawContent->SetScrollOrigin(0, 0);
  ShowReceivedPage(1);
  m_pDrawContent->Invalidate(TRUE);
  return TRUE;
}
