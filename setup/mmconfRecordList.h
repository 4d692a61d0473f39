// CmmconfRecordList: the conference records page of the start window, as far as the start
// window uses it: its template, its place and its buttons.
#pragma once

#include "setup/SetupIds.h"
#include "setup/SetupPage.h"

class CmmconfRecordList : public CSetupPage {
 public:
  explicit CmmconfRecordList(CWnd* pParent = nullptr) : CSetupPage(IDD_MMCONF_RECORDS, pParent) {}
  BOOL OnInitDialog() override;
};
