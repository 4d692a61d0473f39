// The book page's member list, its chair row and the members' notice entries, and the typed
// notice numbers.
#include <vector>

#include "common/UriParts.h"
#include "module/TavorineModule.h"
#include "module/WindowRoutines.h"
#include "platform/ui/Menu.h"
#include "setup/AddingMembers.h"
#include "setup/BookPageIds.h"
#include "setup/DeleteMenu.h"
#include "setup/DlgEditNoticeNumbers.h"
#include "setup/DlgSelectReceiver.h"
#include "setup/MemberList.h"
#include "setup/mmconfPre.h"
#include "setup/SetupOptions.h"
#include "vezadazavo/VezadaZavo.h"

namespace {

const int kMaxMemberRows = 127;
static_assert(kMaxMemberRows <= kConfListCapacity, "every member row fits the booking's member list");
const char kChair[] = "是";
const char kNotChair[] = "否";
// What the adding paths tell GetDesignatedNumberByURI.
const int kSourceTyped = 1;
const int kSourceTree = 2;
const int kSourcePhoneBook = 3;

// The selected rows, highest first, so that deleting them keeps the others' indexes.
std::vector<int> SelectedRowsDescending(const CListCtrl& list) {
  std::vector<int> rows;
  POSITION pos = list.GetFirstSelectedItemPosition();
  while (pos) rows.insert(rows.begin(), list.GetNextSelectedItem(pos));
  return rows;
}

}  // namespace

void CmmconfPre::UpsertNoticeEntry(CString name, CString number, CString smsNumber, int smsFlag, CString email,
                                   int emailFlag) {
  NoticeNumber entry;
  entry.csName = name;
  entry.csNumber = number;
  entry.csSmsNumber = smsNumber;
  entry.bSmsChair = smsFlag;
  entry.csEmail = email;
  entry.bEmailChair = emailFlag;
  m_notices.Upsert(entry);
}

void CmmconfPre::RemoveNoticeEntry(CString name, CString number) { m_notices.Remove(name, number); }

BOOL CmmconfPre::RefuseWhenFull() {
  if (GetMemberCount() < kMaxMemberRows) return FALSE;
  ShowMessage("预约会议初始成员数最多127个！");
  return TRUE;
}

BOOL CmmconfPre::MemberListed(const CString& number) const {
  for (int row = 0; row < GetMemberCount(); ++row)
    if (m_listMembers.GetItemText(row, 1) == number) return TRUE;
  return FALSE;
}

BOOL CmmconfPre::AddMember(const CString& name, const CString& number, int source) {
  if (RefuseWhenFull()) return FALSE;
  int row = m_listMembers.InsertItem(GetMemberCount(), name);
  m_listMembers.SetItemText(row, 1, number);
  m_listMembers.SetItemText(row, 2, kNotChair);
  CString sms = m_bLookUpSms ? GetDesignatedNumberByURI(1, number, source) : CString();
  CString email = m_bLookUpEmail ? GetDesignatedNumberByURI(2, number, source) : CString();
  UpsertNoticeEntry(name, number, sms, 0, email, 0);
  return TRUE;
}

// ---- The department tree ----

void CmmconfPre::OnClickTree(NMHDR*, LRESULT*) { GetDlgItem(IDC_BTN_ADD)->EnableWindow(m_deptTree.OnClick()); }

void CmmconfPre::OnDblclkTree(NMHDR*, LRESULT*) {
  if (!m_deptTree.OnDblClick()) return;
  OnAddFromTree();
  m_deptTree.RefreshIcons();
}

// "添加(&A)>>": a number leaf gives its number with the person's name; a person gives the first
// of its numbers that is a SIP number (or the user's own, when the settings allow calling it).
void CmmconfPre::OnAddFromTree() {
  HTREEITEM item = m_treeDept.GetSelectedItem();
  if (!item || !m_treeDept.GetItemData(item)) return;
  HTREEITEM person = nullptr;
  CString number;
  if (m_deptTree.IsPersonLeaf(item)) {
    person = m_treeDept.GetParentItem(item);
    number = m_treeDept.GetItemText(item);
    int image = 0, selected = 0;
    if (m_treeDept.GetItemImage(item, image, selected) && image == kIconPhoneLeaf) number = GetWholePhoneNumber_Zero(number);
  } else if (m_deptTree.RecordKind(item) == kDirPerson) {
    person = item;
    for (HTREEITEM leaf = m_treeDept.GetChildItem(item); leaf && number.IsEmpty(); leaf = m_treeDept.GetNextSiblingItem(leaf)) {
      CString text = m_treeDept.GetItemText(leaf);
      if (IsSIPnumber(text) || (GetCallMySelfType() == 3 && IsMySelf(text))) number = text;
    }
  }
  if (!person || number.IsEmpty() || RefuseWhenFull()) return;
  CString uri;
  PreTEL_SIPnumber(number, &uri);
  CString listed = GetURIPart(uri, 0);
  if (MemberListed(listed)) {
    ShowMessage("成员已经存在！");
    return;
  }
  CAddingMembers adding;
  AddMember(m_treeDept.GetItemText(person), listed, kSourceTree);
  GetDlgItem(IDC_BTN_ADD)->EnableWindow(FALSE);
}

// ---- Typed numbers ----

// One typed number through the member rules: Kept stays in the entry for correction, Full
// keeps it and the rest, Stop ends the handler (signing out, or the page was closed meanwhile).
CmmconfPre::AddResult CmmconfPre::AddTypedNumber(CString number) {
  CString uri;
  if (!CommaConvertPre(number, &number, 0) || !PreTEL_SIPnumber(number, &uri)) {
    ShowMessage("请输入正确的成员号码！");
    return AddResult::Kept;
  }
  if (RefuseWhenFull()) return AddResult::Full;  // before the host is asked about the member
  CString listed = GetURIPart(uri, 0);
  if (MemberListed(listed)) {
    CString refusal;
    refusal.Format("成员%s已经存在！", (const char*)listed);
    ShowMessage(refusal);
    return AddResult::Dropped;
  }
  BOOL allowed = TavorineModule()->BeforeAddMemberRightCheck(uri, this);
  if (WindowClosing(this)) return AddResult::Stop;
  if (!allowed) return AddResult::Dropped;
  if (GetStartLogout()) return AddResult::Stop;
  AddMember(GetURIPart(uri, 1), listed, kSourceTyped);
  return AddResult::Added;
}

// "添加(&I)": every typed number that converts, is not listed and passes the member-right
// check; as on the create page, the entry keeps only the numbers that need correcting and those
// the row limit left untaken.
void CmmconfPre::OnAddNumbers() {
  CString text;
  GetDlgItemText(IDC_NUMBER_ENTRY, text);
  text.Trim();
  if (text.IsEmpty()) {
    ShowMessage("请输入成员号码！");
    return;
  }
  if (RefuseWhenFull()) return;
  std::vector<CString> tokens;
  for (CString token : SplitTypedNumbers(text, true))
    if (!token.Trim().IsEmpty()) tokens.push_back(token);
  AddResult end = AddResult::Added;
  CString kept;
  {
    CAddingMembers adding;
    kept = AddTypedNumberList(tokens, this, [this](const CString& token) { return AddTypedNumber(token); }, &end);
    if (end == AddResult::Stop) return;
  }
  SetDlgItemText(IDC_NUMBER_ENTRY, kept);
}

// "个人通讯录(&H)": the addresses picked in the receiver chooser, each through the member rules.
void CmmconfPre::OnPhoneBook() {
  if (RefuseWhenFull()) return;
  CDlgSelectReceiver chooser(this);
  chooser.m_bMultiSelect = TRUE;
  chooser.m_bWholeNumber = TRUE;
  CTavorineModule* module = TavorineModule();
  if (module->RunPopupDialog(chooser) != IDOK) return;
  std::vector<CString> numbers = SplitAt(chooser.m_csNumbers, ',');
  std::vector<CString> names = SplitAt(chooser.m_csNames, ',');
  // The create page's rules: a plain telephone number may be listed twice, and the row limit
  // stops the adding before the member-right check is asked.
  for (size_t i = 0; i < numbers.size() && !WindowClosing(this); ++i) {
    if (IsNumberInMemberList(m_listMembers, numbers[i])) {
      CString refusal;
      refusal.Format("号码%s已经存在！", (const char*)numbers[i]);
      ShowMessage(refusal);
      continue;
    }
    if (RefuseWhenFull()) return;
    CString name = i < names.size() ? names[i] : CString();
    if (name.IsEmpty()) name = GetURIPart(numbers[i], 1);
    BOOL allowed = module->BeforeAddMemberRightCheck(numbers[i], this);
    if (WindowClosing(this)) return;
    if (!allowed) continue;
    if (GetStartLogout()) return;
    AddMember(name, numbers[i], kSourcePhoneBook);
  }
}

// "<<删除(&D)": the selected rows go with their notice entries.
void CmmconfPre::OnDeleteMembers() {
  for (int row : SelectedRowsDescending(m_listMembers)) {
    RemoveNoticeEntry(m_listMembers.GetItemText(row, 0), m_listMembers.GetItemText(row, 1));
    m_listMembers.DeleteItem(row);
  }
  GetDlgItem(IDC_BTN_DELETE)->EnableWindow(FALSE);
}

void CmmconfPre::EnableArrowButtons() {
  GetDlgItem(IDC_BTN_DELETE)->EnableWindow(m_listMembers.GetSelectedCount() > 0);
  GetDlgItem(IDC_BTN_ADD)->EnableWindow(FALSE);
}

void CmmconfPre::OnMemberSelect(NMHDR*, LRESULT*) { EnableArrowButtons(); }

// The chair menu offers the command that applies to the row.
void CmmconfPre::OnMemberRightClick(NMHDR*, LRESULT*) {
  EnableArrowButtons();
  int row = m_listMembers.GetNextItem(-1, LVNI_SELECTED);
  if (row < 0) return;
  CMenu menu;
  if (!menu.LoadMenu(IDR_PRE_CHAIR_MENU)) return;
  CMenu* popup = menu.GetSubMenu(0);
  BOOL isChair = m_listMembers.GetItemText(row, 2) == kChair;
  popup->RemoveMenu(isChair ? ID_PRE_SET_CHAIR : ID_PRE_SET_MEMBER, MF_BYCOMMAND);
  CPoint at;
  GetCursorPos(&at);
  UINT chosen = popup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x, at.y, this);
  if (chosen == ID_PRE_SET_CHAIR || chosen == ID_PRE_SET_MEMBER) ToggleChair();
}

// The selected row becomes the one chair row, or a chair row becomes a member; the notice
// flags follow the chair.
void CmmconfPre::ToggleChair() {
  int row = m_listMembers.GetNextItem(-1, LVNI_SELECTED);
  if (row < 0) return;
  BOOL becomesChair = m_listMembers.GetItemText(row, 2) != kChair;
  for (int other = 0; other < GetMemberCount(); ++other)
    m_listMembers.SetItemText(other, 2, other == row && becomesChair ? kChair : kNotChair);
  m_notices.SetChair(m_listMembers.GetItemText(row, 0), m_listMembers.GetItemText(row, 1), becomesChair);
}

// "添加(&T)": a typed notice number of the chosen type.
void CmmconfPre::OnAddNoticeNumber() {
  CString number;
  GetDlgItemText(IDC_PRE_NOTICE_NUMBER, number);
  if (number.IsEmpty()) {
    ShowMessage("请输入号码！");
    return;
  }
  if (!IsValidNoticeNumber(number)) {
    ShowMessage("请输入正确的号码！");
    return;
  }
  for (int row = 0; row < m_listNotices.GetItemCount(); ++row)
    if (m_listNotices.GetItemText(row, 2) == number) {
      ShowMessage("号码已经存在！");
      return;
    }
  CString type;
  int typeIndex = m_comboNoticeType.GetCurSel();
  if (typeIndex >= 0) m_comboNoticeType.GetLBText(typeIndex, type);
  int row = m_listNotices.InsertItem(m_listNotices.GetItemCount(), type);
  m_listNotices.SetItemText(row, 1, IsDlgButtonChecked(IDC_PRE_NOTICE_CHAIR) ? kChair : kNotChair);
  m_listNotices.SetItemText(row, 2, number);
  m_listNotices.SetItemData(row, (DWORD_PTR)typeIndex);
  m_comboNoticeType.SetCurSel(0);
}

void CmmconfPre::OnNoticeRightClick(NMHDR*, LRESULT*) {
  if (m_listNotices.GetSelectedCount() == 0) return;
  if (!DeleteChosenFromMenu(this)) return;
  for (int row : SelectedRowsDescending(m_listNotices)) m_listNotices.DeleteItem(row);
}

// "修改通知号码(&M)": the notice numbers dialog edits this page's entries until it ends; the
// module holds it as its open pop-up meanwhile.
void CmmconfPre::OnEditNotices() {
  CDlgEditNoticeNumbers dialog(this);
  TavorineModule()->RunPopupDialog(dialog);
}
