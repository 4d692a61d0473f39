// The invite dialog's rows: adding from the department tree, a typed number or the personal
// phone book, each within the conference's maximum (members present + rows + 1), never a
// member the conference already has or is inviting, never a listed address twice; deleting.
#include "common/UriParts.h"
#include "confwindow/DlgDataConf.h"
#include "module/TavorineModule.h"
#include "module/WindowRoutines.h"
#include "setup/AddingMembers.h"
#include "setup/DlgSelectReceiver.h"
#include "setup/MemberList.h"
#include "setup/mmconfInvite.h"
#include "setup/SetupOptions.h"
#include "vezadazavo/VezadaZavo.h"

namespace {

const char kTooManyMembers[] = "会场人数超过会议最大人数限制！";
const char kMemberInConf[] = "该成员已经在会议中！";
const char kMemberInvited[] = "已经邀请该成员，请稍后再邀请！";
const char kCannotInviteSelf[] = "不能邀请自己！";

BOOL IsRefusedSelf(const CString& uri) { return IsMySelf(uri) && !CanCallMySelf(GetCallMySelfType(), uri); }

}  // namespace

BOOL CmmconfInvite::IsNumberInList(CString number) { return IsNumberInMemberList(m_listInvitees, number); }

BOOL CmmconfInvite::MemberLimitReached(int extraRows) {
  CDlgDataConf* conf = ConfWindow();
  if (!conf) return FALSE;
  if (!conf->ExceedsMaximum(m_listInvitees.GetItemCount() + extraRows)) return FALSE;
  ShowMessage(kTooManyMembers);
  return TRUE;
}

BOOL CmmconfInvite::InConference(const CString& uri, const char* connectedText, const char* connectingText) {
  CDlgDataConf* conf = ConfWindow();
  if (!conf || IsTelNumber(uri)) return FALSE;
  const CDlgDataConf::Member* member = conf->FindMember(uri);
  if (!member) return FALSE;
  if (member->csState == "connected") {
    ShowMessage(connectedText);
    return TRUE;
  }
  if (member->csState == "connecting") {
    ShowMessage(connectingText);
    return TRUE;
  }
  return FALSE;
}

void CmmconfInvite::InsertRow(const CString& name, const CString& number) {
  int row = m_listInvitees.InsertItem(m_iRowCount, name);
  m_listInvitees.SetItemText(row, 1, number);
  ++m_iRowCount;
}

void CmmconfInvite::StopAdding() {
  m_bAddsStopped = TRUE;
  EndOwnedDialogs(m_hWnd);
}

// The member-right check, then the row; Stop while the client signs out or once the module
// closed or the conference ended during the check.
CmmconfInvite::AddResult CmmconfInvite::AddChecked(const CString& name, const CString& number) {
  BOOL allowed = TavorineModule()->BeforeAddMemberRightCheck(number, this);
  if (WindowClosing(this) || m_bAddsStopped) return AddResult::Stop;
  if (!allowed) return AddResult::Refused;
  if (GetStartLogout()) return AddResult::Stop;
  InsertRow(name, number);
  return AddResult::Added;
}

void CmmconfInvite::OnBtnDelete() {
  POSITION pos = m_listInvitees.GetFirstSelectedItemPosition();
  if (pos) {
    m_listInvitees.DeleteItem(m_listInvitees.GetNextSelectedItem(pos));
    if (m_iRowCount > 0) --m_iRowCount;
  }
  m_btnAdd.EnableWindow(FALSE);
}

void CmmconfInvite::OnListSelect(NMHDR*, LRESULT* result) {
  m_btnAdd.EnableWindow(FALSE);
  m_btnDelete.EnableWindow(m_listInvitees.GetFirstSelectedItemPosition() != nullptr);
  *result = 1;
}

void CmmconfInvite::OnDblclkList(NMHDR*, LRESULT* result) {
  OnBtnDelete();
  *result = 1;
}

// ---- The department tree ----

CString CmmconfInvite::TreeLeafNumber(HTREEITEM leaf) {
  int image = 0, selected = 0;
  m_treeDept.GetItemImage(leaf, image, selected);
  CString number = m_treeDept.GetItemText(leaf);
  return image == kIconPhoneLeaf ? GetWholePhoneNumber_Zero(number) : number;
}

// The person's first SIP number among its leaves.
BOOL CmmconfInvite::TakePersonNumber(HTREEITEM person, CString* number) {
  for (HTREEITEM leaf = m_treeDept.GetChildItem(person); leaf; leaf = m_treeDept.GetNextSiblingItem(leaf)) {
    *number = TreeLeafNumber(leaf);
    if (IsSIPnumber(*number)) return TRUE;
  }
  return FALSE;
}

void CmmconfInvite::OnBtnAddFromTree() {
  m_bAddsStopped = FALSE;
  HTREEITEM item = m_treeDept.GetSelectedItem();
  if (!item || m_treeDept.GetItemData(item) == 0) return;
  CAddingMembers adding;
  CString number;
  if (m_deptTree.IsPersonLeaf(item))
    AddTreeNumber(m_treeDept.GetItemText(m_treeDept.GetParentItem(item)), TreeLeafNumber(item), false);
  else if (m_deptTree.RecordKind(item) == kDirPerson && TakePersonNumber(item, &number))
    AddTreeNumber(m_treeDept.GetItemText(item), number, true);
}

CmmconfInvite::AddResult CmmconfInvite::AddTreeNumber(const CString& name, const CString& number, bool checkRight) {
  CString uri;
  PreTEL_SIPnumber(number, &uri);
  if (InConference(uri, kMemberInConf, kMemberInvited)) return AddResult::Refused;
  CString listed = GetURIPart(uri, 0);
  if (IsNumberInList(listed)) {
    ShowMessage("已经存在！");
    return AddResult::Refused;
  }
  if (MemberLimitReached(1)) return AddResult::Refused;
  AddResult result = AddResult::Added;
  if (checkRight)
    result = AddChecked(name, listed);
  else
    InsertRow(name, listed);
  if (result == AddResult::Added) m_btnDelete.EnableWindow(FALSE);
  return result;
}

// ---- A typed number ----

void CmmconfInvite::OnBtnAddNumber() {
  m_bAddsStopped = FALSE;
  UpdateData(TRUE);
  if (m_csNumber.IsEmpty()) {
    ShowMessage("请输入成员号码！");
    return;
  }
  CString number, uri;
  if (!CommaConvertPre(m_csNumber, &number, 0) || !PreTEL_SIPnumber(number, &uri)) {
    ShowMessage("请输入正确的成员号码！");
    return;
  }
  if (IsRefusedSelf(uri)) {
    ShowMessage(kCannotInviteSelf);
    return;
  }
  if (InConference(uri, kMemberInConf, kMemberInvited)) return;
  number = GetURIPart(uri, 0);
  if (IsRefusedSelf(number)) {
    ShowMessage("不能添加自己！");
    return;
  }
  // The rows hold numbers with their pauses restored; compare in that form.
  CommaConvertSuf(&number, 0);
  if (IsNumberInList(number)) {
    ShowMessage("号码已经存在！");
    return;
  }
  if (MemberLimitReached(1)) return;
  {
    CAddingMembers adding;
    if (AddChecked(GetURIPart(number, 1), number) == AddResult::Stop) return;
  }
  m_csNumber.Empty();
  UpdateData(FALSE);
}

// ---- The personal phone book ----

CmmconfInvite::AddResult CmmconfInvite::AddFromPhoneBook(const CString& number, const CString& name) {
  CString uri;
  PreTEL_SIPnumber(number, &uri);
  if (IsRefusedSelf(uri)) {
    ShowMessage(kCannotInviteSelf);
    return AddResult::Refused;
  }
  CString connected = "成员" + number + "已经在会议中！";
  CString connecting = "已经邀请" + number + "，请稍后再邀请！";
  if (InConference(uri, connected, connecting)) return AddResult::Refused;
  if (IsNumberInList(number)) {
    CString text;
    text.Format("号码%s已经存在！", (const char*)number);
    ShowMessage(text);
    return AddResult::Refused;
  }
  if (MemberLimitReached(1)) return AddResult::Stop;
  return AddChecked(name, number);
}

void CmmconfInvite::OnBtnPhoneBook() {
  m_bAddsStopped = FALSE;
  UpdateData(TRUE);
  if (MemberLimitReached(1)) {
    SetFocus();
    return;
  }
  CDlgSelectReceiver chooser(this);
  chooser.m_bMultiSelect = TRUE;
  chooser.m_bWholeNumber = TRUE;
  if (TavorineModule()->RunPopupDialog(chooser) != IDOK) {
    SetFocus();
    return;
  }
  std::vector<CString> numbers = SplitAt(chooser.m_csNumbers, ',');
  std::vector<CString> names = SplitAt(chooser.m_csNames, ',');
  {
    CAddingMembers adding;
    for (size_t i = 0; i < numbers.size() && !WindowClosing(this); ++i) {
      CString name = i < names.size() ? names[i] : CString();
      if (name.IsEmpty()) name = GetURIPart(numbers[i], 1);
      if (AddFromPhoneBook(numbers[i], name) == AddResult::Stop) break;
    }
  }
  if (WindowClosing(this)) return;
  UpdateData(FALSE);
  SetFocus();
}
