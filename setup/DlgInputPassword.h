// CDlgInputPassword: asks for a password typed twice (the request to become chair). Both
// texts are compared with blanks at either end trimmed; GetPassword gives the trimmed text.
#pragma once

#include "setup/SmallInputDialog.h"

constexpr UINT IDD_INPUT_PASSWORD = 5000;
constexpr int IDC_PASSWORD_EDIT = 1723;
constexpr int IDC_PASSWORD_CONFIRM = 1724;

class CDlgInputPassword : public CSmallInputDialog {
 public:
  explicit CDlgInputPassword(CWnd* pParent = nullptr);

  BOOL OnInitDialog() override;
  void OnOK() override;

  CString GetPassword() const { return m_csPassword; }

  CString m_csPrompt;  // the caption
  CString m_csPassword;
  CString m_csConfirm;
};
