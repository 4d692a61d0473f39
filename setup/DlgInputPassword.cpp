#include "setup/DlgInputPassword.h"

CDlgInputPassword::CDlgInputPassword(CWnd* pParent)
    : CSmallInputDialog(IDD_INPUT_PASSWORD, pParent), m_csPrompt("Please Input String") {}

BOOL CDlgInputPassword::OnInitDialog() {
  CSmallInputDialog::OnInitDialog();
  SetWindowText(m_csPrompt);
  return TRUE;
}

void CDlgInputPassword::OnOK() {
  m_csPassword = ItemText(IDC_PASSWORD_EDIT);
  m_csConfirm = ItemText(IDC_PASSWORD_CONFIRM);
  if (m_csPassword.IsEmpty()) {
    Refuse("请输入密码！", IDC_PASSWORD_EDIT);
    return;
  }
  m_csPassword.Trim();
  m_csConfirm.Trim();
  if (m_csPassword == m_csConfirm) {
    EndDialog(IDOK);
    return;
  }
  SetDlgItemText(IDC_PASSWORD_EDIT, "");
  SetDlgItemText(IDC_PASSWORD_CONFIRM, "");
  Refuse("两次输入密码不同,请重新输入！", IDC_PASSWORD_EDIT);
}
