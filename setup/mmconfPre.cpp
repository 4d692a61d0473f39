#include "setup/mmconfPre.h"

#include "platform/ui/DataExchange.h"
#include "setup/SetupIds.h"

BOOL CmmconfPre::OnInitDialog() {
  CSetupPage::OnInitDialog();
  SkinPage();
  return TRUE;
}

void CmmconfPre::DoDataExchange(CDataExchange* dx) {
  CSetupPage::DoDataExchange(dx);
  DDX_TextMax(dx, IDC_PRE_CHAIR_PWD, m_csChairPassword, 10);
  DDX_TextMax(dx, IDC_PRE_MEMBER_PWD, m_csMemberPassword, 10);
  DDX_TextMax(dx, IDC_PRE_VISITOR_PWD, m_csVisitorPassword, 10);
}
