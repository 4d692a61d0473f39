// In-place text editing: a multi-line edit over the text object's box.
#include "platform/ui/WindowSurface.h"
#include "whiteboard/model/StrokePage.h"
#include "whiteboard/model/StrokeText.h"
#include "whiteboard/surface/DrawSurface.h"

namespace {

const DWORD kEditStyle = WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;

}  // namespace

BOOL CDrawSurface::BeginTextEdit(CStrokeText* pText) {
  if (!pText) return FALSE;
  if (m_pEdit) {
    m_pEdit->DestroyWindow();
    delete m_pEdit;
    m_pEdit = nullptr;
  }
  CRect box(ToClient(pText->m_rcDraw));
  if (m_bNewText) {
    delete m_pTextTracker;
    m_pTextTracker = new CRectTracker(&box, CRectTracker::dottedLine);
    m_pTextTracker->m_nHandleSize = 0;
    CClientDC dc(this);
    m_pTextTracker->Draw(&dc);
  }
  m_pEditText = pText;
  box.NormalizeRect();
  m_pEdit = new CEdit();
  if (!m_pEdit->Create(kEditStyle, box, this, 0)) {
    delete m_pEdit;
    m_pEdit = nullptr;
    return FALSE;
  }
  m_pEdit->SetWindowText(pText->m_csText);
  m_pEdit->ShowWindow(SW_SHOW);
  m_pEdit->BringWindowToTop();
  m_pEdit->SetFocus();
  m_pEdit->SetSel(65535, 65535);
  return TRUE;
}

BOOL CDrawSurface::EndTextEdit() {
  if (!m_pCurPage || !m_pEditText || !m_pEdit) return FALSE;
  CStrokeText* text = m_pEditText;
  BOOL isNew = m_bNewText;
  text->m_crColor = m_crColor;
  m_pEdit->GetWindowText(text->m_csText);
  // The edit closes before anything is sent: a record the host delivers during the send
  // (a new page) may delete the text with its page.
  m_pEditText = nullptr;
  m_bNewText = FALSE;
  CancelTextEdit();
  if (text->m_csText.IsEmpty() && isNew) {
    delete text;  // an empty new text is dropped without a record
  } else if (text->m_csText.IsEmpty()) {
    RemoveEmptiedText(text);
  } else if (isNew) {
    text->UpdateTracker();
    m_pCurPage->AddStroke(text);
    SendStrokeMethod(WB_MSG_OBJECT_ADD, 5, text);
  } else {
    SendStrokeMethod(WB_MSG_OBJECT_CHANGE, 5, text);
  }
  OnContentChanged();
  return TRUE;
}

// A text whose words were all erased would stay on the page invisible yet selectable: it goes,
// and its deletion is sent as the Delete key's is.
void CDrawSurface::RemoveEmptiedText(CStrokeText* text) {
  if (m_pCurPage->IndexOfStroke(text) < 0) return;
  InvalidateDocRect(text->m_rcDraw, 2);
  // Off the page before the record goes: the host may deliver records during the send.
  m_pCurPage->DetachStroke(text);
  if (CSurfaceOwner* owner = Owner()) owner->SendStroke(text);
  delete text;
}

void CDrawSurface::CancelTextEdit() {
  if (m_pTextTracker) {
    CRect frame(m_pTextTracker->m_rect);
    frame.NormalizeRect();
    frame.InflateRect(2, 2);
    if (m_hWnd) InvalidateRect(&frame, FALSE);
    delete m_pTextTracker;
    m_pTextTracker = nullptr;
  }
  if (m_pEdit) {
    m_pEdit->DestroyWindow();
    delete m_pEdit;
    m_pEdit = nullptr;
  }
  // A new text is not on any page yet: nobody else would free it.
  if (m_pEditText && m_bNewText) delete m_pEditText;
  m_pEditText = nullptr;
  m_bNewText = FALSE;
}
