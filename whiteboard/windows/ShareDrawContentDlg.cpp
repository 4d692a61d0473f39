#include "whiteboard/windows/ShareDrawContentDlg.h"

#include <typeinfo>

#include "confwindow/DlgDataConf.h"
#include "module/TavorineModule.h"
#include "platform/ui/ColorDialog.h"
#include "platform/ui/Menu.h"
#include "whiteboard/model/StrokeEllipse.h"
#include "whiteboard/model/StrokeFluorescencePen.h"
#include "whiteboard/model/StrokeFreeLine.h"
#include "whiteboard/model/StrokeLine.h"
#include "whiteboard/model/StrokePage.h"
#include "whiteboard/model/StrokePolygon.h"
#include "whiteboard/model/StrokePolyline.h"
#include "whiteboard/model/StrokeRectangle.h"
#include "whiteboard/model/StrokeRoundCircle.h"
#include "whiteboard/model/StrokeRoundRect.h"
#include "whiteboard/model/StrokeSolidEllipse.h"
#include "whiteboard/model/StrokeSolidRectangle.h"
#include "whiteboard/model/StrokeText.h"
#include "whiteboard/model/StrokeTrapezia.h"
#include "whiteboard/model/StrokeTriangle.h"
#include "whiteboard/surface/LineWidthListBox.h"
#include "whiteboard/windows/DlgDFShareWhiteBoard.h"

namespace {

template <class T>
bool Is(CStrokeBase* stroke) {
  return dynamic_cast<T*>(stroke) != nullptr;
}

template <class T>
bool IsExactly(CStrokeBase* stroke) {
  return typeid(*stroke) == typeid(T);
}

// The classes whose line width the menu offers to change.
bool TakesLineWidth(CStrokeBase* s) {
  return IsExactly<CStrokeLine>(s) || IsExactly<CStrokeRectangle>(s) || IsExactly<CStrokeEllipse>(s) ||
         IsExactly<CStrokeFreeLine>(s) || IsExactly<CStrokeFluorescencePen>(s) || IsExactly<CStrokePolyline>(s) ||
         IsExactly<CStrokePolygon>(s);
}

CDlgDataConf* ConfWindow() {
  CTavorineModule* module = TavorineModule();
  return module ? module->m_pDlgDataConf : nullptr;
}

}  // namespace

CShareDrawContentDlg::CShareDrawContentDlg(CWnd* pParent) : CDrawSurface(IDD_SHARE_DRAW_CONTENT, pParent) {
  MapCommand(ID_WB_SHARE_DELETE, &CShareDrawContentDlg::OnDeleteObject);
  MapCommand(ID_WB_SHARE_EDIT_TEXT, &CShareDrawContentDlg::OnEditText);
  MapCommand(ID_WB_SHARE_COLOR, &CShareDrawContentDlg::OnObjectColor);
  MapCommand(ID_WB_SHARE_TEXT_FONT, &CShareDrawContentDlg::OnTextFont);
  MapCommand(ID_WB_SHARE_LINE_WIDTH, &CShareDrawContentDlg::OnObjectLineWidth);
}

CSurfaceOwner* CShareDrawContentDlg::Owner() const { return m_pOwner; }

void CShareDrawContentDlg::OnContentChanged() {
  if (m_pOwner) m_pOwner->m_bContentChanged = TRUE;
}

// No page filter; new pages and page removals are the window's business.
BOOL CShareDrawContentDlg::AcceptsRecord(DWORD code, int) const {
  return code != WB_RECV_PAGE_ADD && code != WB_RECV_PAGE_DELETE && code != 4;
}

// The object's method record for the document-share sub-conference, with the page count.
WbMsgHeader* CShareDrawContentDlg::BuildMethodRecord(CStrokeBase* stroke, int nMethod, int nKind) {
  CDlgDataConf* conf = ConfWindow();
  if (!conf) return nullptr;
  int subConf = conf->GetSubConfID(kSubConfDocShare, FALSE);
  WbMsgHeader* record = stroke->BuildOpRecord((DWORD)nMethod, (DWORD)nKind, conf->GetDConfID(kDConfID),
                                              (DWORD)subConf, (DWORD)m_nCurPageNo, CString());
  if (record) record->nValue = m_listPages.GetCount();
  return record;
}

int CShareDrawContentDlg::SendStrokeMethod(int nMethod, int nKind, CStrokeBase* pStroke, int nRight, int nBottom,
                                           CDC* pDC) {
  if (!pStroke) return 0;
  ReleaseCapture();
  if (pDC) {
    CRect rect(pStroke->m_rcDraw);
    rect.right = nRight;
    rect.bottom = nBottom;
    rect.NormalizeRect();
    pStroke->m_rcDraw = rect;
    pStroke->UpdateTracker();
    pStroke->Draw(pDC, &pStroke->GetTracker()->m_rect);
  }
  InvalidateDocRect(pStroke->GetTracker()->m_rect, 0);
  WbMsgHeader* record = BuildMethodRecord(pStroke, nMethod, nKind);
  // The block belongs to the objects' shared record and is not freed here.
  return record ? SendToHost(record) : 0;
}

void CShareDrawContentDlg::ReleaseWithoutPage() {
  if (HoldsCapture()) ReleaseCapture();
  Invalidate();
}

void CShareDrawContentDlg::OnSize(UINT type, int cx, int cy) {
  CDrawSurface::OnSize(type, cx, cy);
  if (m_listPages.IsEmpty()) RecalcScrollBars(FALSE);
}

// ---- Object menu ----

void CShareDrawContentDlg::PrepareObjectMenu(CMenu* popup, CStrokeBase* stroke) {
  if (IsExactly<CStrokeText>(stroke)) {
    popup->EnableMenuItem(ID_WB_SHARE_EDIT_TEXT, MF_BYCOMMAND | MF_ENABLED);
    popup->EnableMenuItem(ID_WB_SHARE_TEXT_FONT, MF_BYCOMMAND | MF_ENABLED);
  }
  if (TakesLineWidth(stroke)) popup->EnableMenuItem(ID_WB_SHARE_LINE_WIDTH, MF_BYCOMMAND | MF_ENABLED);
}

void CShareDrawContentDlg::OnObjectColor() {
  CStrokeBase* stroke = m_pSelected;
  CTavorineModule* module = TavorineModule();
  if (!m_pCurPage || !stroke || !module) return;
  CColorDialog dialog(0, 0, this);
  INT_PTR answer;
  {
    CTavorineModule::PopupSlot slot(*module, dialog);
    answer = dialog.DoModal();
  }
  // A received record may have taken the object or the whole board away meanwhile.
  if (answer != IDOK || !IsSelectedOnPage(stroke)) return;
  stroke->m_crColor = dialog.GetColor();
  OnContentChanged();
  SendColorChange(stroke);
  CRect area(stroke->m_rcDraw);
  area.OffsetRect(-m_ptOrigin.x, -m_ptOrigin.y);
  InvalidateRect(&area, FALSE);
}

void CShareDrawContentDlg::OnObjectLineWidth() {
  CStrokeBase* stroke = m_pSelected;
  CTavorineModule* module = TavorineModule();
  if (!m_pCurPage || !stroke || !module) return;
  CLineWidthDlg dialog(stroke->m_nPenWidth, this);
  INT_PTR answer = module->RunPopupDialog(dialog);
  if (answer != IDOK || !IsSelectedOnPage(stroke)) return;
  m_nPenWidth = stroke->m_nPenWidth = dialog.m_nWidth;
  m_pCurPage->StrokeChanged(stroke);  // a wider pen reaches farther
  OnContentChanged();
  SendChange(WB_CHANGE_PEN_WIDTH, stroke);
  Invalidate(FALSE);
}

void CShareDrawContentDlg::SendColorChange(CStrokeBase* s) {
  if (!IsOnCurrentPage(s)) return;
  if (Is<CStrokeLine>(s) || Is<CStrokeRectangle>(s) || Is<CStrokeEllipse>(s) || Is<CStrokeFluorescencePen>(s) ||
      Is<CStrokePolygon>(s))
    SendChange(WB_CHANGE_PEN_COLOR, s);
  else if (Is<CStrokeSolidRectangle>(s) || Is<CStrokeSolidEllipse>(s) || Is<CStrokeTriangle>(s) ||
           Is<CStrokeTrapezia>(s) || Is<CStrokeRoundCircle>(s) || Is<CStrokeRoundRect>(s))
    SendChange(WB_CHANGE_FILL_COLOR, s);
  else if (Is<CStrokeText>(s))
    SendStrokeMethod(WB_MSG_OBJECT_CHANGE, 5, s);
  else if (Is<CStrokePolyline>(s) || Is<CStrokeFreeLine>(s))
    SendChange(WB_CHANGE_PEN_COLOR, s);
}
