#include "setup/SetupPage.h"

#include "module/TavorineModule.h"
#include "module/WindowRoutines.h"
#include "platform/ui/DataExchange.h"
#include "setup/DlgmmConfPreCreate.h"
#include "setup/SetupIds.h"
#include "vezadazavo/VezadaZavo.h"

namespace {

const char kPageSkin[] = "proppage.skn";

}  // namespace

void CSetupPage::SkinPage() {
  CTavorineModule* module = TavorineModule();
  if (!module) return;
  module->SkinWindow(m_hWnd, kPageSkin, "");
  module->SkinWindow(m_hWnd, kPageSkin, "window01");
  if (CWnd* line = GetDlgItem(IDC_PAGE_LINE)) {
    line->SetWindowText("");
    module->SkinWindow(line->m_hWnd, kPageSkin, "static_line");
  }
}

void CSetupPage::DDX_TextMax(CDataExchange* dx, int id, CString& value, int maxChars) {
  DDX_Text(dx, id, value);
  DDV_MaxChars(dx, value, maxChars);
}

void CSetupPage::OnSize(UINT type, int cx, int cy) {
  CDialog::OnSize(type, cx, cy);
  if (CWnd* parent = GetParent()) {
    CRect area;
    parent->GetClientRect(&area);
    SetWindowPos(nullptr, area.left + 148, area.top + 18, area.Width() - 155, area.Height() - 42, SWP_NOZORDER);
  }
  if (CWnd* line = GetDlgItem(IDC_PAGE_LINE)) {
    CRect page;
    GetClientRect(&page);
    line->SetWindowPos(nullptr, 0, page.bottom - 34, page.Width() - 2, 1, SWP_NOZORDER);
  }
}

BOOL CSetupPage::PreTranslateMessage(MSG* msg) {
  if (msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE) return FALSE;
  return CDialog::PreTranslateMessage(msg);
}

void CSetupPage::OnCancel() {
  if (CWnd* parent = GetParent()) parent->PostMessage(WM_PRECREATE_HIDE, kHideFromCancel, 0);
  CDialog::OnCancel();
}

CDlgmmConfPreCreate* CSetupPage::StartWindow() const {
  CTavorineModule* module = TavorineModule();
  return module ? module->m_pDlgPreCreate : nullptr;
}

void CSetupPage::ShowMessage(const char* text) {
  MessageBox(text, GetMsgTitle(), MB_OK | MB_ICONINFORMATION);
}

bool CSetupPage::ShowRefusal(const CString& refusal, int focusId) {
  if (refusal.IsEmpty()) return false;
  if (WindowClosing(this)) return true;  // the host closed the module while it was asked
  ShowMessage(refusal);
  // The host may close the module while the box is up: the page has no controls then.
  if (focusId && !WindowClosing(this)) GetDlgItem(focusId)->SetFocus();
  return true;
}

void CSetupPage::UpdatePasswordHint(int changedId, const int* group, size_t count, MixedHint mixed) {
  CDlgmmConfPreCreate* start = StartWindow();
  if (!start) return;
  CString password = start->GetDefaultPassword();
  if (ItemText(changedId) != password) {
    start->SetHint(kPasswordHint);
    return;
  }
  if (EditsHold(group, count, password))
    start->SetHint(start->DefaultPasswordHint());
  else if (mixed == MixedHint::Plain)
    start->SetHint(kPasswordHint);
}

BOOL CSetupPage::PasswordEditsHold(const CString& password) const {
  return m_pPasswordEdits && EditsHold(m_pPasswordEdits, 3, password);
}

BOOL CSetupPage::EditsHold(const int* ids, size_t count, const CString& password) const {
  for (size_t i = 0; i < count; ++i)
    if (ItemText(ids[i]) != password) return FALSE;
  return TRUE;
}

CString CSetupPage::ItemText(int id) const {
  CString text;
  GetDlgItemText(id, text);
  return text;
}
