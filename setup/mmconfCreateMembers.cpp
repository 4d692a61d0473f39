// The create page's members: the member list (at most 127 rows, no duplicates, the user's own
// number only where the settings allow it, the member-right check for each new member), and
// the three ways in: the department tree, typed numbers and the personal phone book.
#include "common/UriParts.h"
#include "module/TavorineModule.h"
#include "module/WindowRoutines.h"
#include "platform/ui/CommCtrl.h"
#include "setup/AddingMembers.h"
#include "setup/DlgSelectReceiver.h"
#include "setup/MemberList.h"
#include "setup/mmconfCreate.h"
#include "setup/SetupIds.h"
#include "setup/SetupOptions.h"
#include "vezadazavo/VezadaZavo.h"

namespace {

const int kMaxMemberRows = 127;
const char kTooManyMembers[] = "会议初始成员数太多！";

}  // namespace

void CmmconfCreate::MapMemberHandlers() {
  MapCommand<CmmconfCreate>(IDC_BTN_ADD, &CmmconfCreate::OnBtnAddFromTree);
  MapCommand<CmmconfCreate>(IDC_BTN_DELETE, &CmmconfCreate::OnBtnDelete);
  MapCommand<CmmconfCreate>(IDC_BTN_ADD_NUMBER, &CmmconfCreate::OnBtnAddNumber);
  MapCommand<CmmconfCreate>(IDC_BTN_PHONEBOOK, &CmmconfCreate::OnPhoneBook);
  MapNotify<CmmconfCreate>(LVN_ITEMCHANGED, IDC_MEMBER_LIST, &CmmconfCreate::OnMemberListSelect);
  MapNotify<CmmconfCreate>(NM_CLICK, IDC_MEMBER_LIST, &CmmconfCreate::OnMemberListSelect);
  MapNotify<CmmconfCreate>(NM_DBLCLK, IDC_MEMBER_LIST, &CmmconfCreate::OnDblclkMemberList);
  MapNotify<CmmconfCreate>(LVN_ITEMCHANGED, IDC_SPARE_LIST, &CmmconfCreate::OnSpareListSelect);
  MapNotify<CmmconfCreate>(NM_CLICK, IDC_DEPT_TREE, &CmmconfCreate::OnClickRosterTree);
  MapNotify<CmmconfCreate>(NM_DBLCLK, IDC_DEPT_TREE, &CmmconfCreate::OnDblclkRosterTree);
}

// ---- The member list ----

int CmmconfCreate::GetMemberCount() const { return m_listMembers.GetItemCount(); }

BOOL CmmconfCreate::IsNumberInList(CString number) { return IsNumberInMemberList(m_listMembers, number); }

// "会议初始成员数太多！" when extraRows more rows would pass the limit.
BOOL CmmconfCreate::RowLimitReached(int extraRows) {
  if (GetMemberCount() + extraRows <= kMaxMemberRows) return FALSE;
  ShowMessage(kTooManyMembers);
  return TRUE;
}

void CmmconfCreate::InsertMember(const CString& name, const CString& number) {
  int row = m_listMembers.InsertItem(m_iRowCounter, name);
  m_listMembers.SetItemText(row, 1, number);
  ++m_iRowCounter;
}

// The member-right check, then the row; Stop while the client signs out or once the page was
// closed during the check.
CmmconfCreate::AddResult CmmconfCreate::AddChecked(const CString& name, const CString& number) {
  BOOL allowed = TavorineModule()->BeforeAddMemberRightCheck(number, this);
  if (WindowClosing(this)) return AddResult::Stop;
  if (!allowed) return AddResult::Dropped;
  if (GetStartLogout()) return AddResult::Stop;
  InsertMember(name, number);
  return AddResult::Added;
}

void CmmconfCreate::OnMemberListSelect(NMHDR*, LRESULT*) {
  GetDlgItem(IDC_BTN_ADD)->EnableWindow(FALSE);
  GetDlgItem(IDC_BTN_DELETE)->EnableWindow(m_listMembers.GetFirstSelectedItemPosition() != nullptr);
}

void CmmconfCreate::OnSpareListSelect(NMHDR*, LRESULT*) {
  CWnd* spare = GetDlgItem(IDC_SPARE_LIST);
  if (spare && spare->SendMessage(LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED) >= 0)
    GetDlgItem(IDC_BTN_ADD)->EnableWindow(TRUE);
}

void CmmconfCreate::OnDblclkMemberList(NMHDR*, LRESULT*) { OnBtnDelete(); }

void CmmconfCreate::OnBtnDelete() {
  POSITION pos = m_listMembers.GetFirstSelectedItemPosition();
  if (pos) {
    m_listMembers.DeleteItem(m_listMembers.GetNextSelectedItem(pos));
    if (m_iRowCounter > 0) --m_iRowCounter;
  }
  GetDlgItem(IDC_BTN_ADD)->EnableWindow(FALSE);
}

// ---- Typed numbers ----

// One typed number through the member rules; Kept leaves it in the entry, Full ends the loop
// with it and the rest kept, Stop ends the handler (signing out).
CmmconfCreate::AddResult CmmconfCreate::AddTypedNumber(CString token, bool quiet) {
  CString number;
  if (!CommaConvertPre(token, &number, 0) || !PreTEL_SIPnumber(number, &number)) {
    if (!quiet) ShowMessage("请输入正确的成员号码！");
    return AddResult::Kept;
  }
  if (IsMySelf(number) && !CanCallMySelf(GetCallMySelfType(), number)) {
    if (!quiet) ShowMessage("不能添加自己！");
    return AddResult::Dropped;
  }
  if (RowLimitReached(1)) return AddResult::Full;
  number = GetURIPart(number, 0);
  // The rows hold numbers with their pauses restored; compare in that form.
  CommaConvertSuf(&number, 0);
  if (IsNumberInList(number)) {
    if (!quiet) {
      CString text;
      text.Format("号码%s已经存在！", (const char*)number);
      ShowMessage(text);
    }
    return AddResult::Dropped;
  }
  return AddChecked(GetURIPart(number, 1), number);
}

// Every number of the text in order; the numbers that stay in the entry joined with ";".
// *end is Full when the limit ended the loop, Stop when signing out did, else Added.
CString CmmconfCreate::AddTypedNumbers(const CString& text, bool quiet, AddResult* end) {
  return AddTypedNumberList(SplitTypedNumbers(text, !quiet), this,
                            [this, quiet](const CString& token) { return AddTypedNumber(token, quiet); }, end);
}

void CmmconfCreate::OnBtnAddNumber() {
  if (!UpdateData(TRUE)) return;
  if (m_csNumbers.IsEmpty()) {
    ShowMessage("请输入成员号码！");
    return;
  }
  AddResult end = AddResult::Added;
  CString kept;
  {
    CAddingMembers adding;
    kept = AddTypedNumbers(m_csNumbers, false, &end);
    if (end == AddResult::Stop) return;
  }
  m_csNumbers = kept;
  UpdateData(FALSE);
}

BOOL CmmconfCreate::AddMemberNumbers(CString csNumbers) {
  CAddingMembers adding;
  AddResult end = AddResult::Added;
  AddTypedNumbers(csNumbers, true, &end);
  return end == AddResult::Added;
}

// ---- The personal phone book ----

void CmmconfCreate::OnPhoneBook() {
  if (RowLimitReached(1)) return;
  CDlgSelectReceiver chooser(this);
  chooser.m_bMultiSelect = TRUE;
  chooser.m_bWholeNumber = TRUE;
  if (TavorineModule()->RunPopupDialog(chooser) != IDOK) return;

  std::vector<CString> numbers = SplitAt(chooser.m_csNumbers, ',');
  std::vector<CString> names = SplitAt(chooser.m_csNames, ',');
  for (size_t i = 0; i < numbers.size() && !WindowClosing(this); ++i) {
    const CString& number = numbers[i];
    if (IsNumberInList(number)) {
      CString text;
      text.Format("号码%s已经存在！", (const char*)number);
      ShowMessage(text);
      continue;
    }
    if (RowLimitReached(1)) return;
    CString name = i < names.size() ? names[i] : CString();
    if (name.IsEmpty()) name = GetURIPart(number, 1);
    if (AddChecked(name, number) == AddResult::Stop) return;
  }
}
