#include "whiteboard/windows/PageNumEdit.h"

#include <cstdio>

#include "whiteboard/model/StrokePage.h"
#include "whiteboard/windows/DlgDFP2PWhiteBoard.h"
#include "whiteboard/windows/DlgDFWhiteBoard.h"
#include "whiteboard/windows/DrawContentDlg.h"
#include "whiteboard/windows/P2PDrawContentDlg.h"

BOOL CPageNumEdit::PreTranslateMessage(MSG* msg) {
  if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN)
    if (CDrawSurface* surface = ActiveSurface()) OnEnter(surface);
  return CEdit::PreTranslateMessage(msg);
}

void CPageNumEdit::OnEnter(CDrawSurface* surface) {
  CString text;
  GetWindowText(text);
  int page = 0;
  if (sscanf(text, "%d", &page) != 1) {
    surface->SetFocus();
    return;
  }
  // Only a page the board holds: a member who joined late lacks the earlier ones.
  CStrokePage* target = page >= 1 ? surface->FindPage(page) : nullptr;
  if (!target) return;
  surface->TurnToPage(target, page);
  AfterJump(page);
  surface->SetFocus();
}

CDrawSurface* CWBPageNumEdit::ActiveSurface() const {
  if (!m_pOwner || !m_pOwner->m_hWnd || !m_pOwner->m_bPageTurning) return nullptr;
  return m_pOwner->GetSurface();
}

void CWBPageNumEdit::AfterJump(int nPage) {
  m_pOwner->DisablePageControls();
  m_pOwner->SendPageContent(nPage);
}

CDrawSurface* CP2PPageNumEdit::ActiveSurface() const {
  if (!m_pOwner || !m_pOwner->m_hWnd) return nullptr;
  return m_pOwner->GetSurface();
}

void CP2PPageNumEdit::AfterJump(int nPage) {
  m_pOwner->DisablePageControls();
  m_pOwner->SendPageContent(nPage);
}
