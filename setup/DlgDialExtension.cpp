#include "setup/DlgDialExtension.h"

#include "platform/ui/Controls.h"

CDlgDialExtension::CDlgDialExtension(CWnd* pParent) : CSmallInputDialog(IDD_DIAL_EXTENSION, pParent) {}

BOOL CDlgDialExtension::OnInitDialog() {
  CSmallInputDialog::OnInitDialog();
  if (CEdit* edit = static_cast<CEdit*>(GetDlgItem(IDC_EXTENSION_EDIT))) edit->SetLimitText(kExtensionMaxDigits);
  return TRUE;
}

void CDlgDialExtension::OnOK() {
  CString digits = ItemText(IDC_EXTENSION_EDIT);
  if (digits.IsEmpty()) {
    Refuse("请输入二次拨号号码！", IDC_EXTENSION_EDIT);
    return;
  }
  m_csExtension = digits;
  EndDialog(IDOK);
}
