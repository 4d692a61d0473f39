#include "setup/mmconfRecordList.h"

BOOL CmmconfRecordList::OnInitDialog() {
  CSetupPage::OnInitDialog();
  SkinPage();
  return TRUE;
}
