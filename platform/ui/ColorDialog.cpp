#include "platform/ui/ColorDialog.h"

IMPLEMENT_DYNAMIC(CColorDialog, CDialog)

const char* const CColorDialog::kCaption = "颜色";

CColorDialog::CColorDialog(COLORREF initial, DWORD flags, CWnd* parent) : CDialog(kTemplateId, parent) {
  if (!platform::FindDialogTemplate(kTemplateId))
    platform::RegisterDialogTemplate({kTemplateId, kCaption, WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 150, 120,
                                      {{IDOK, "Button", "确定", BS_DEFPUSHBUTTON | WS_VISIBLE | WS_TABSTOP, 20, 96, 50, 14},
                                       {IDCANCEL, "Button", "取消", BS_PUSHBUTTON | WS_VISIBLE | WS_TABSTOP, 80, 96, 50, 14}}});
  m_cc.lStructSize = sizeof(m_cc);
  m_cc.hwndOwner = parent ? parent->m_hWnd : nullptr;
  m_cc.rgbResult = (flags & CC_RGBINIT) ? initial : 0;
  m_cc.Flags = flags;
}
