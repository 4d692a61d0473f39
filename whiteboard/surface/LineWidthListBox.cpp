#include "whiteboard/surface/LineWidthListBox.h"

#include "platform/gdi/Dc.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/ui/DataExchange.h"

// ---- The list ----

void CLineWidthListBox::FillWidths(int nWidth) {
  ResetContent();
  for (int width : kLineWidths) {
    CString text;
    text.Format("%d", width);
    int item = AddString(text);
    SetItemData(item, (DWORD_PTR)width);
    if (width == nWidth) SetCurSel(item);
  }
  for (int i = 0; i < GetCount(); ++i) SetItemHeight(i, kLineWidthItemHeight);
}

int CLineWidthListBox::GetSelectedWidth() const {
  int item = GetCurSel();
  return item == LB_ERR ? LB_ERR : (int)GetItemData(item);
}

void CLineWidthListBox::DrawItem(LPDRAWITEMSTRUCT dis) {
  CDC* dc = CDC::FromHandle(dis->hDC);
  const RECT& r = dis->rcItem;
  dc->FillSolidRect(&r, (dis->itemState & ODS_SELECTED) ? 0xFFFFFF : kLineWidthItemBack);
  CPen pen(PS_SOLID, (int)dis->itemData, 0);
  CPen* old = dc->SelectObject(&pen);
  int middle = (r.top + r.bottom) / 2;
  dc->MoveTo(r.left, middle);
  dc->LineTo(r.right, middle);
  dc->SelectObject(old);
}

void CLineWidthListBox::OnPaint() {
  platform::PaintOwnerDrawnList(this, [this](LPDRAWITEMSTRUCT dis) { DrawItem(dis); });
}

// ---- The dialog ----

CLineWidthDlg::CLineWidthDlg(int nWidth, CWnd* pParent) : CDialog(IDD_LINE_WIDTH, pParent), m_nWidth(nWidth) {}

void CLineWidthDlg::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Control(dx, IDC_LINE_WIDTH_LIST, m_listWidth);
}

BOOL CLineWidthDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_listWidth.FillWidths(m_nWidth);
  return TRUE;
}

// With no item chosen the width stays as it was rather than becoming LB_ERR.
void CLineWidthDlg::OnOK() {
  int width = m_listWidth.GetSelectedWidth();
  if (width != LB_ERR) m_nWidth = width;
  EndDialog(IDOK);
}
