// CmmconfPre: the book page of the start window, as far as the start window uses it: its
// template, its place, its OK and Cancel buttons and the three passwords the hint line reads.
#pragma once

#include "platform/CString.h"
#include "setup/SetupIds.h"
#include "setup/SetupPage.h"

class CmmconfPre : public CSetupPage {
 public:
  explicit CmmconfPre(CWnd* pParent = nullptr) : CSetupPage(IDD_MMCONF_PRE, pParent) {}
  BOOL OnInitDialog() override;

  CString m_csChairPassword;
  CString m_csMemberPassword;
  CString m_csVisitorPassword;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
};
