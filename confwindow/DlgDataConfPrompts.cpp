// The small dialogs the conference window runs: extension digits, the chair password and the
// conference properties.
#include "common/ConfMethodRecord.h"
#include "confwindow/DlgDataConf.h"
#include "module/TavorineModule.h"
#include "setup/DlgConfProperties.h"
#include "setup/DlgDialExtension.h"
#include "setup/DlgInputPassword.h"

// The module's pop-up slot holds the dialog while it runs, so that the host can close it.
INT_PTR CDlgDataConf::RunPopup(CDialog& dialog) {
  CTavorineModule* module = TavorineModule();
  return module ? module->RunPopupDialog(dialog) : dialog.DoModal();
}

BOOL CDlgDataConf::DialExtension(CString memberURI) {
  const Member* member = FindMember(memberURI);
  if (!member) return FALSE;
  const int memberID = member->iMemberID;
  CDlgDialExtension dialog(this);
  if (RunPopup(dialog) != IDOK) return FALSE;
  CConfMethodRecordPtr record;
  BuildConfExtension(*record, m_csConfURI, memberURI, memberID, dialog.m_csExtension);
  bIMSConfMethod(1, record.get());
  return TRUE;
}

BOOL CDlgDataConf::AskChairPassword(CString* password) {
  CDlgInputPassword dialog(this);
  if (RunPopup(dialog) != IDOK) return FALSE;
  if (password) *password = dialog.GetPassword();
  return TRUE;
}

BOOL CDlgDataConf::EditConfProperties() {
  CDlgConfProperties dialog(this);
  return RunPopup(dialog) == IDOK;
}
