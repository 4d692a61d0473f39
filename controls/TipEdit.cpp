#include "controls/TipEdit.h"

#include "platform/ui/MessageBox.h"

IMPLEMENT_DYNAMIC(CTipEdit, CEdit)

void CTipEdit::AddTool(CString text) {
  if (tip_.GetSafeHwnd()) {
    tip_.UpdateTipText(text, this);
    return;
  }
  if (!tip_.Create(this, TTS_ALWAYSTIP)) {
    AfxMessageBox("系统资源不足,请关闭并重新启动客户端。");
    return;
  }
  tip_.AddTool(this, text);
  tip_.Activate(TRUE);
}

BOOL CTipEdit::PreTranslateMessage(MSG* msg) {
  if (tip_.GetSafeHwnd() && msg->message >= WM_MOUSEFIRST && msg->message <= WM_MOUSELAST) tip_.RelayEvent(msg);
  return CEdit::PreTranslateMessage(msg);
}
