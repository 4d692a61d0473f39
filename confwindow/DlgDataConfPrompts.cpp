// The small dialogs the conference window runs for its conference (extension digits, the chair
// password, the conference properties), and their end with the conference or the module.
#include "common/ConfMethodRecord.h"
#include "confwindow/DlgDataConf.h"
#include "module/TavorineModule.h"
#include "setup/DlgConfProperties.h"
#include "setup/DlgDialExtension.h"
#include "setup/DlgInputPassword.h"
#include "setup/mmconfInvite.h"

// The module's pop-up slot holds the dialog while it runs, so that the host can close it; the
// conference's end ends it (EndConferenceDialogs), so that it never acts on the next one.
INT_PTR CDlgDataConf::RunConfDialog(CDialog& dialog) {
  CDialog* outer = m_pConfDialog;
  m_pConfDialog = &dialog;
  CTavorineModule* module = TavorineModule();
  const INT_PTR result = module ? module->RunPopupDialog(dialog) : dialog.DoModal();
  m_pConfDialog = outer;
  return result;
}

void CDlgDataConf::EndConferenceDialogs() {
  if (m_pConfDialog) m_pConfDialog->EndDialog(IDCANCEL);
  if (m_pInviteConfDlg && m_pInviteConfDlg->GetSafeHwnd()) m_pInviteConfDlg->StopAdding();
}

void CDlgDataConf::EndDialogsForClose() {
  DropInvitation();
  EndConferenceDialogs();
  if (m_pInviteConfDlg && m_pInviteConfDlg->GetSafeHwnd() && m_pInviteConfDlg->IsWindowVisible())
    m_pInviteConfDlg->OnCancel();
}

BOOL CDlgDataConf::DialExtension(CString memberURI) {
  const Member* member = FindMember(memberURI);
  if (!member) return FALSE;
  const int memberID = member->iMemberID;
  CDlgDialExtension dialog(this);
  if (RunConfDialog(dialog) != IDOK) return FALSE;
  CConfMethodRecordPtr record;
  BuildConfExtension(*record, m_csConfURI, memberURI, memberID, dialog.m_csExtension);
  bIMSConfMethod(1, record.get());
  return TRUE;
}

BOOL CDlgDataConf::AskChairPassword(CString* password) {
  CDlgInputPassword dialog(this);
  if (RunConfDialog(dialog) != IDOK) return FALSE;
  if (password) *password = dialog.GetPassword();
  return TRUE;
}

BOOL CDlgDataConf::EditConfProperties() {
  CDlgConfProperties dialog(this);
  return RunConfDialog(dialog) == IDOK;
}
