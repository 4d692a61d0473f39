#include "setup/DlgInviteReceived.h"

#include "module/TavorineModule.h"
#include "platform/ui/DataExchange.h"
#include "res/InviteTemplates.h"

CDlgInviteReceived::CDlgInviteReceived(CWnd* pParent) : CDialog(IDD_INVITE_RECEIVED, pParent) {
  RegisterInviteResources();
}

void CDlgInviteReceived::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Text(dx, IDC_INVITE_CREATOR, m_csCreator);
  DDX_Text(dx, IDC_INVITE_SUBJECT, m_csSubject);
  DDX_Text(dx, IDC_INVITE_CONF_TYPE, m_csConfType);
  DDX_Text(dx, IDC_INVITE_CONF_URI, m_csConfURI);
}

BOOL CDlgInviteReceived::OnInitDialog() {
  CDialog::OnInitDialog();
  if (CTavorineModule* module = TavorineModule()) module->SkinWindow(m_hWnd, "media.skn", "");
  return TRUE;
}

void CDlgInviteReceived::OnCancel() {
  if (!m_bAnswerAllowed) {
    EndDialog(-1);
    return;
  }
  CDialog::OnCancel();
}
