#include "platform/ui/FontDialog.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(CFontDialog, CDialog)

const char* const CFontDialog::kCaption = "字体";

namespace {

// A pixel height (lfHeight) as tenths of a point at 96 pixels to the inch.
int PointSizeOf(const LOGFONT& font) { return (int)(std::labs(font.lfHeight) * 720 / 96); }

}  // namespace

CFontDialog::CFontDialog(const LOGFONT* initial, DWORD flags, CDC*, CWnd* parent) : CDialog(kTemplateId, parent) {
  if (!platform::FindDialogTemplate(kTemplateId))
    platform::RegisterDialogTemplate({kTemplateId, kCaption, WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 200, 140,
                                      {{IDOK, "Button", "确定", BS_DEFPUSHBUTTON | WS_VISIBLE | WS_TABSTOP, 40, 116, 50, 14},
                                       {IDCANCEL, "Button", "取消", BS_PUSHBUTTON | WS_VISIBLE | WS_TABSTOP, 110, 116, 50, 14}}});
  if (initial) m_lf = *initial;
  m_cf.lStructSize = sizeof(m_cf);
  m_cf.hwndOwner = parent ? parent->m_hWnd : nullptr;
  m_cf.lpLogFont = &m_lf;
  m_cf.Flags = flags | (initial ? CF_INITTOLOGFONTSTRUCT : 0);
  m_cf.iPointSize = PointSizeOf(m_lf);
}

void CFontDialog::SetCurrentFont(const LOGFONT& font) {
  m_lf = font;
  m_cf.iPointSize = PointSizeOf(font);
}
