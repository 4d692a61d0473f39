// The text-font command of the object menus (13438 on the conference and point-to-point
// surfaces, 13466 on the shared board's): the font dialog on the selected text.
#include "platform/ui/FontDialog.h"
#include "whiteboard/model/StrokePage.h"
#include "whiteboard/model/StrokeText.h"
#include "whiteboard/surface/DrawSurface.h"

void CDrawSurface::OnTextFont() {
  CStrokeText* text = dynamic_cast<CStrokeText*>(m_pSelected);
  CSurfaceOwner* owner = Owner();
  if (!m_pCurPage || !text || !owner) return;
  CFontDialog dialog(&text->m_logFont, CF_EFFECTS | CF_SCREENFONTS, nullptr, this);
  dialog.SetCurrentColor(text->m_crColor);
  INT_PTR answer = owner->RunPopupDialog(dialog);
  // A received record may have taken the text or the whole board away meanwhile.
  if (answer != IDOK || !IsSelectedOnPage(text)) return;
  LOGFONT chosen = text->m_logFont;
  dialog.GetCurrentFont(&chosen);
  text->SetFont(chosen);
  text->m_crColor = dialog.GetColor();
  OnContentChanged();
  CRect area(text->m_rcDraw);
  area.NormalizeRect();
  area.OffsetRect(-m_ptOrigin.x, -m_ptOrigin.y);
  InvalidateRect(&area, TRUE);
  SendStrokeMethod(WB_MSG_OBJECT_CHANGE, 5, text);
}
