#include "setup/SmallInputDialog.h"

#include "module/TavorineModule.h"
#include "platform/ui/MessageBox.h"
#include "vezadazavo/VezadaZavo.h"

BOOL CSmallInputDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  if (CTavorineModule* module = TavorineModule()) module->SkinWindow(m_hWnd, "media.skn", "");
  return TRUE;
}

void CSmallInputDialog::Refuse(const char* text, int focusId) {
  MessageBox(text, GetMsgTitle(), MB_OK | MB_ICONINFORMATION);
  if (!focusId) return;
  if (CWnd* control = GetDlgItem(focusId)) control->SetFocus();
}

CString CSmallInputDialog::ItemText(int id) const {
  CString text;
  if (CWnd* control = GetDlgItem(id)) control->GetWindowText(text);
  return text;
}
