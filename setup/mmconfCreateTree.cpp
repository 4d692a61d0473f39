// The create page's department tree: clicks, double clicks, keys, adding a person or one of a
// person's numbers, folding and emptying. The tree mechanics are CSetupDeptTree's (tree 2).
#include "common/UriParts.h"
#include "module/TavorineModule.h"
#include "module/WindowRoutines.h"
#include "setup/AddingMembers.h"
#include "setup/mmconfCreate.h"
#include "setup/SetupIds.h"
#include "vezadazavo/VezadaZavo.h"

namespace {

const char kAlreadyListed[] = "已经存在！";

int ItemImage(const CTreeCtrl& tree, HTREEITEM item) {
  int image = 0, selected = 0;
  tree.GetItemImage(item, image, selected);
  return image;
}

}  // namespace

void CmmconfCreate::OnClickRosterTree(NMHDR*, LRESULT*) {
  GetDlgItem(IDC_BTN_ADD)->EnableWindow(FALSE);
  GetDlgItem(IDC_BTN_DELETE)->EnableWindow(FALSE);
  if (m_deptTree.OnClick()) GetDlgItem(IDC_BTN_ADD)->EnableWindow(TRUE);
}

void CmmconfCreate::OnDblclkRosterTree(NMHDR*, LRESULT*) {
  if (m_deptTree.OnDblClick()) OnBtnAddFromTree();
  m_deptTree.RefreshIcons();
}

BOOL CmmconfCreate::PreTranslateMessage(MSG* msg) {
  if (m_deptTree.FilterInput(msg)) return TRUE;
  return CSetupPage::PreTranslateMessage(msg);
}

void CmmconfCreate::OnBtnAddFromTree() {
  HTREEITEM item = m_treeDept.GetSelectedItem();
  if (!item || m_treeDept.GetItemData(item) == 0) return;
  if (RowLimitReached(1)) return;
  if (m_deptTree.IsPersonLeaf(item))
    AddLeafFromTree(item);
  else if (m_deptTree.RecordKind(item) == kDirPerson && m_treeDept.GetChildItem(item))
    AddPersonFromTree(item);
}

// One number of a person, listed as user@host; a number the directory shows goes straight in.
void CmmconfCreate::AddLeafFromTree(HTREEITEM leaf) {
  CString number = m_treeDept.GetItemText(leaf);
  if (ItemImage(m_treeDept, leaf) == kIconPhoneLeaf) number = GetWholePhoneNumber_Zero(number);
  CString name = m_treeDept.GetItemText(m_treeDept.GetParentItem(leaf));
  CString uri;
  PreTEL_SIPnumber(number, &uri);
  uri = GetURIPart(uri, 0);
  if (IsNumberInList(uri)) {
    ShowMessage(kAlreadyListed);
    return;
  }
  InsertMember(name, uri);
  GetDlgItem(IDC_BTN_DELETE)->EnableWindow(FALSE);
}

// A person: the first SIP number among the leaves (the user's own phone number when the
// settings allow calling oneself), else the last leaf's number.
void CmmconfCreate::AddPersonFromTree(HTREEITEM person) {
  CString number;
  CString taken;
  {
    CAddingMembers adding;
    for (HTREEITEM leaf = m_treeDept.GetChildItem(person); leaf; leaf = m_treeDept.GetNextSiblingItem(leaf)) {
      number = m_treeDept.GetItemText(leaf);
      bool take = false;
      if (ItemImage(m_treeDept, leaf) == kIconPhoneLeaf) {
        number = GetWholePhoneNumber_Zero(number);
        take = IsMySelf(number) && GetCallMySelfType() == 3;
      }
      if (take || IsSIPnumber(number)) {
        CString uri;
        PreTEL_SIPnumber(number, &uri);
        taken = GetURIPart(uri, 0);
        break;
      }
    }
  }
  if (taken.IsEmpty()) taken = number;
  if (IsNumberInList(taken)) {
    ShowMessage(kAlreadyListed);
    return;
  }
  AddChecked(m_treeDept.GetItemText(person), taken);
  if (!WindowClosing(this)) GetDlgItem(IDC_BTN_DELETE)->EnableWindow(FALSE);
}

int CmmconfCreate::FoldDeptTree(CTreeCtrl*, HTREEITEM item) { return m_deptTree.Fold(item); }

void CmmconfCreate::FoldTree() { m_deptTree.FoldAll(); }

void CmmconfCreate::ClearRosterTree() { m_deptTree.ClearBelowRoot(); }

void CmmconfCreate::ResetRosterTree() { m_deptTree.Reset(); }

void CmmconfCreate::OnCancel() {
  FoldTree();
  CSetupPage::OnCancel();
}
