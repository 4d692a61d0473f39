#include "whiteboard/windows/ColorBarDlg.h"

#include "module/TavorineModule.h"
#include "platform/gdi/Dc.h"
#include "platform/ui/ColorDialog.h"
#include "platform/ui/DataExchange.h"
#include "protocol/WbRecords.h"
#include "whiteboard/model/StrokeBase.h"
#include "whiteboard/model/StrokeKinds.h"
#include "whiteboard/model/StrokePage.h"
#include "whiteboard/windows/DlgDFWhiteBoard.h"
#include "whiteboard/windows/DrawContentDlg.h"

namespace {

// The swatch controls in member order, as the exchange binds them.
const int kSwatchIds[kColorSwatchCount] = {1840, 1839, 1838, 1837, 1836, 1835, 1834, 1859, 1858, 1857,
                                           1856, 1855, 1854, 1853, 1852, 1851, 1850, 1849, 1848, 1847,
                                           1846, 1845, 1844, 1843, 1842, 1841, 1833, 1832};

// The colours of controls 1832..1859.
const COLORREF kDefaultColors[kColorSwatchCount] = {
    0xFFFFFF, 0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF, 0xFFFF00, 0x000080, 0x008000, 0x800000,
    0x008080, 0x800080, 0x808000, 0x808080, 0x8080FF, 0x80FF80, 0xFF8080, 0xFFFF80, 0xFF80FF, 0x80FFFF,
    0x408040, 0x804040, 0x404080, 0x40FFFF, 0xFF40FF, 0xFFFF40, 0xC8C8C8, 0x000000};

// The change that recolours an object of a kind: pen colour, fill colour, or 0 for text and
// kinds whose colour does not travel.
int ColorChangeOp(const CString& kind) {
  const StrokeKind* described = FindStrokeKind(kind);
  if (!described) return 0;
  switch (described->colour) {
    case kStrokeColourPen: return WB_CHANGE_PEN_COLOR;
    case kStrokeColourFill: return WB_CHANGE_FILL_COLOR;
    default: return 0;
  }
}

}  // namespace

// ---- Swatches ----

void CColorFillButton::DrawItem(LPDRAWITEMSTRUCT dis) {
  CDC::FromHandle(dis->hDC)->FillSolidRect(&dis->rcItem, m_crColor);
}

void CColorFillButton::OnPaint() {
  platform::PaintOwnerDrawnButton(this, [this](LPDRAWITEMSTRUCT dis) { DrawItem(dis); });
}

// ---- The bar ----

CColorBarDlg::CColorBarDlg(UINT templateId, CWnd* parent) : CDialog(templateId, parent) {
  for (int i = 0; i < kColorSwatchCount; ++i) m_aSwatches[i].m_crColor = DefaultColorOf(kSwatchIds[i]);
  m_btnCurColor.m_crColor = 0;
  for (int id = IDC_COLOR_SWATCH_FIRST; id <= IDC_COLOR_SWATCH_LAST; ++id) {
    MapControl(BN_CLICKED, id, [this, id] { OnSwatchClicked(id); });
    MapControl(BN_DOUBLECLICKED, id, [this, id] { OnSwatchDoubleClicked(id); });
  }
}

COLORREF CColorBarDlg::DefaultColorOf(int controlId) {
  int at = controlId - IDC_COLOR_SWATCH_FIRST;
  return at >= 0 && at < kColorSwatchCount ? kDefaultColors[at] : 0;
}

void CColorBarDlg::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  for (int i = 0; i < kColorSwatchCount; ++i) DDX_Control(dx, kSwatchIds[i], m_aSwatches[i]);
  DDX_Control(dx, IDC_CUR_COLOR, m_btnCurColor);
}

BOOL CColorBarDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (CTavorineModule* module = TavorineModule()) {
    module->SkinWindow(m_hWnd, "proppage.skn", "");
    module->SkinWindow(m_hWnd, "proppage.skn", "window01");
  }
  return TRUE;
}

CDrawSurface* CColorBarDlg::Surface() const { return m_pOwner ? m_pOwner->GetSurface() : nullptr; }

CColorSwatchButton& CColorBarDlg::SwatchOf(int controlId) {
  int i = 0;
  while (i < kColorSwatchCount - 1 && kSwatchIds[i] != controlId) ++i;
  return m_aSwatches[i];
}

void CColorBarDlg::ShowCurrentColor(COLORREF color) {
  m_btnCurColor.m_crColor = color;
  if (m_btnCurColor.m_hWnd) m_btnCurColor.Invalidate(TRUE);
}

BOOL CColorBarDlg::ApplyColor(COLORREF color) {
  CDrawSurface* surface = Surface();
  if (!surface || !surface->m_pCurPage) return FALSE;
  // Only an object that shows selected on the page shown takes the colour. One selected on a
  // page that a jump left, or one whose tracker a click elsewhere took away, stays as it is and
  // the colour becomes the drawing colour, as the current-colour button then shows.
  CStrokeBase* selected = surface->m_pSelected;
  if (!surface->IsSelectedOnPage(selected) || !selected->m_bSelected) {
    surface->m_crColor = color;
  } else {
    selected->m_crColor = color;
    CRect shown(selected->m_rcDraw);
    shown.OffsetRect(-surface->m_ptOrigin.x, -surface->m_ptOrigin.y);
    surface->InvalidateRect(&shown, TRUE);
    OnObjectRecoloured();
    SendColorChange(selected);
  }
  ShowCurrentColor(color);
  return TRUE;
}

void CColorBarDlg::OnSwatchClicked(int controlId) { ApplyColor(SwatchOf(controlId).m_crColor); }

void CColorBarDlg::OnSwatchDoubleClicked(int controlId) {
  CColorDialog dialog(0, 0, this);
  CTavorineModule* module = TavorineModule();
  INT_PTR answer = module ? module->RunPopupDialog(dialog) : dialog.DoModal();
  if (answer != IDOK) return;
  CColorSwatchButton& swatch = SwatchOf(controlId);
  swatch.m_crColor = dialog.GetColor();
  ApplyColor(swatch.m_crColor);
  swatch.Invalidate(TRUE);
}

void CColorBarDlg::SendColorChange(CStrokeBase* pStroke) {
  CDrawSurface* surface = Surface();
  if (!surface || !pStroke || !surface->IsOnCurrentPage(pStroke)) return;
  CString kind = pStroke->GetTypeName();
  if (kind == "text") {
    surface->SendStrokeMethod(8, 5, pStroke);
  } else if (int op = ColorChangeOp(kind)) {
    surface->SendChange(op, pStroke);
  }
}
