// CDlgDialExtension: asks for the digits to dial after a member's call is connected (at most
// 16 digits). The conference window runs it and reads m_csExtension after IDOK.
#pragma once

#include "setup/SmallInputDialog.h"

constexpr UINT IDD_DIAL_EXTENSION = 5001;
constexpr int IDC_EXTENSION_LABEL = 1535;
constexpr int IDC_EXTENSION_EDIT = 1045;
constexpr int kExtensionMaxDigits = 16;

class CDlgDialExtension : public CSmallInputDialog {
 public:
  explicit CDlgDialExtension(CWnd* pParent = nullptr);

  BOOL OnInitDialog() override;
  void OnOK() override;

  CString m_csExtension;
};
