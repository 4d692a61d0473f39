#include "setup/DeptTree.h"

#include "common/FixedText.h"
#include "common/UriParts.h"
#include "module/TavorineModule.h"
#include "module/WindowRoutines.h"
#include "platform/ui/CommCtrl.h"
#include "platform/ui/Cursor.h"
#include "protocol/HostBlocks.h"
#include "setup/MemberIds.h"
#include "vezadazavo/VezadaZavo.h"

namespace {

constexpr UINT kNcMouseMove = 0x00A0;
constexpr UINT kNcLButtonDown = 0x00A1;
const DWORD kLeafWaitMs = 100;

bool IsTreeMouseMessage(UINT msg) {
  switch (msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case kNcMouseMove:
    case kNcLButtonDown:
      return true;
    default:
      return false;
  }
}

bool DirectoryRefreshing() {
  return GetIMSRefreshEmployeeThreadRun() || GetIMSRefreshStructThreadRun() || GetUpdateUserStatus();
}

void SendWatch(int op, const CString& uri) {
  HostWatchDeptBlock block{op, uri, 1, 0};
  TavorineModule()->SendEvent(kHostWatchDept, &block);
}

}  // namespace

void UpdateDeptItemImage(CTreeCtrl* tree, HTREEITEM item, BOOL selected) {
  if (!tree || !item) return;
  DWORD_PTR data = tree->GetItemData(item);
  if (data == 0 || data == kNumberLeafData || *reinterpret_cast<const int*>(data) != kDirDepartment) return;
  BOOL open = (tree->GetItemState(item, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
  int image = open ? kIconDeptOpen : kIconDeptClosed;
  tree->SetItemImage(item, image, selected ? kIconDeptOpen : image);
}

void UpdateDeptItemImageUp(CTreeCtrl* tree, HTREEITEM item, BOOL selected) {
  if (!tree || !item) return;
  for (HTREEITEM parent = tree->GetParentItem(item); parent; parent = tree->GetParentItem(parent))
    UpdateDeptItemImage(tree, parent, selected);
}

CSetupDeptTree::CSetupDeptTree(CTreeCtrlEx& tree, int nTree, const DeptTreeTexts& texts, bool ownNumberRule)
    : m_tree(tree), m_nTree(nTree), m_texts(texts), m_bOwnNumberRule(ownNumberRule) {}

void CSetupDeptTree::Init() {
  if (!m_images.GetSafeHandle()) m_images.Create(IDB_DEPT_ICONS, 17, 1, RGB(255, 255, 255));
  m_tree.SetImageList(&m_images, TVSIL_NORMAL);
  m_tree.SetItemHeight(18);
  m_tree.DeleteAllItems();
  m_hCurrent = m_hPrevious = nullptr;
}

int CSetupDeptTree::RecordKind(HTREEITEM item) const {
  DWORD_PTR data = item ? m_tree.GetItemData(item) : 0;
  if (data == 0 || data == kNumberLeafData) return 0;
  return *reinterpret_cast<const int*>(data);
}

BOOL CSetupDeptTree::IsPersonLeaf(HTREEITEM item) const {
  return item && m_tree.GetItemData(item) == kNumberLeafData && RecordKind(m_tree.GetParentItem(item)) == kDirPerson;
}

HTREEITEM CSetupDeptTree::HitAndSelect() {
  POINT point;
  ::GetCursorPos(&point);
  ::ScreenToClient(m_tree.m_hWnd, &point);
  m_hPrevious = m_hCurrent;
  m_hCurrent = m_tree.HitTest(CPoint(point.x, point.y));
  if (m_hCurrent) m_tree.SelectItem(m_hCurrent);
  return m_hCurrent;
}

void CSetupDeptTree::RefreshIcons(HTREEITEM previous, HTREEITEM item) {
  UpdateDeptItemImage(&m_tree, previous, FALSE);
  UpdateDeptItemImageUp(&m_tree, previous, FALSE);
  UpdateDeptItemImage(&m_tree, item, TRUE);
  UpdateDeptItemImageUp(&m_tree, item, TRUE);
}

void CSetupDeptTree::RefreshIcons() { RefreshIcons(m_hPrevious, m_hCurrent); }

BOOL CSetupDeptTree::OnClick() {
  HTREEITEM item = HitAndSelect();
  HTREEITEM previous = m_hPrevious;
  if (!item || m_tree.GetItemData(item) == 0) {
    RefreshIcons(previous, item);
    return FALSE;
  }
  if (item == GetProvinceRootItem(m_nTree)) {
    m_tree.Expand(item, TVE_TOGGLE);
    RefreshIcons(previous, item);
    ::WriteLog(m_texts.clickRoot, 1);
    return FALSE;
  }
  BOOL enableAdd = FALSE;
  switch (RecordKind(item)) {
    case 0:  // a number leaf
      enableAdd = IsPersonLeaf(item);
      break;
    case kDirCompany:
    case kDirAffiliation:
      OnCompanyClick(item);
      break;
    case kDirDepartment:
      if (!OnDepartmentClick(item)) return FALSE;
      break;
    case kDirPerson:
      enableAdd = TRUE;
      RebuildPersonLeaves(item);
      break;
    default:
      break;
  }
  m_tree.Expand(item, TVE_TOGGLE);
  RefreshIcons(previous, item);
  return enableAdd;
}

// A company or affiliation without children asks the host for its list.
void CSetupDeptTree::OnCompanyClick(HTREEITEM item) {
  if (m_tree.GetChildItem(item)) return;
  const COMPANY_AFFILIA_INFO* entry = reinterpret_cast<const COMPANY_AFFILIA_INFO*>(m_tree.GetItemData(item));
  TavorineModule()->bIMSGetDeptAddrList(entry->csURI, entry->iKind, m_nTree, item);
}

// A department without children asks the host for its list; one that lists people has its
// members' states watched (the previously watched department no longer). FALSE, logged, for a
// department without a subscription address: the click then ends there.
BOOL CSetupDeptTree::OnDepartmentClick(HTREEITEM item) {
  const DEPARTMENT_INFO* dept = reinterpret_cast<const DEPARTMENT_INFO*>(m_tree.GetItemData(item));
  if (dept->csSuscribeURI.IsEmpty()) {
    ::WriteLog(m_texts.clickDeptError, 1);
    return FALSE;
  }
  if (!m_tree.GetChildItem(item))
    TavorineModule()->bIMSGetDeptAddrList(dept->csSuscribeURI, kDeptDepartment, m_nTree, item);
  else if (IsTreeItemHasEmployor(&m_tree, item))
    WatchDepartment(dept->csSuscribeURI);
  return TRUE;
}

void CSetupDeptTree::WatchDepartment(const CString& uri) {
  CString watched = GetSuscribeURIofDept();
  if (watched == uri) return;
  if (!watched.IsEmpty()) {
    SendWatch(kWatchDeptStop, watched);
    HostTreeClickBlock click{};
    CopyField(click.szNewDeptURI, uri);
    CopyField(click.szOldDeptURI, watched);
    TavorineModule()->SendToModule(kDeptTreeService, kTreeClick, &click, m_nTree);
    SetSuscribeURIofDept("");
  }
  SetSuscribeURIofDept(uri);
  SendWatch(kWatchDeptStart, uri);
}

void CSetupDeptTree::AddLeaf(HTREEITEM person, const CString& text, int icon) {
  HTREEITEM leaf = m_tree.InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM, text, icon, icon, 0, 0,
                                     (LPARAM)kNumberLeafData, person, TVI_LAST);
  m_tree.SetItemColor(leaf, RGB(0, 0, 0));
}

// The person's numbers as leaves: the SIP address (not the user's own when the settings say
// so), the two further phone numbers, then the third number.
void CSetupDeptTree::RebuildPersonLeaves(HTREEITEM person) {
  while (HTREEITEM child = m_tree.GetChildItem(person)) m_tree.DeleteItem(child);
  m_hCurrent = nullptr;
  const DEPT_ADDRESSLIST_INFO* info = reinterpret_cast<const DEPT_ADDRESSLIST_INFO*>(m_tree.GetItemData(person));
  bool ownLeftOut = m_bOwnNumberRule && IsMySelf(info->csSipURI) && GetCallMySelfType() == 3;
  CString sip = GetURIPart(info->csSipURI, 0);
  // A person without SIP address gets no empty leaf.
  if (!ownLeftOut && !sip.IsEmpty()) AddLeaf(person, sip, kIconSipLeaf);
  for (const CString* phone : {&info->csPhone1, &info->csPhone2})
    if (!phone->IsEmpty()) AddLeaf(person, *phone, kIconPhoneLeaf);
  if (!info->csPhone3.IsEmpty() && !ownLeftOut) AddLeaf(person, info->csPhone3, kIconThirdLeaf);
  WaitWithMessages(kLeafWaitMs, nullptr, nullptr);
}

BOOL CSetupDeptTree::OnDblClick() {
  HTREEITEM item = HitAndSelect();
  if (item && item == GetProvinceRootItem(m_nTree)) {
    RefreshIcons();
    ::WriteLog(m_texts.dblclkRoot, 1);
    return FALSE;
  }
  return RecordKind(item) == kDirPerson || IsPersonLeaf(item);
}

BOOL CSetupDeptTree::FilterInput(MSG* msg) {
  if (!m_tree.GetSafeHwnd() || msg->hwnd != m_tree.m_hWnd) return FALSE;
  if (msg->message == WM_KEYDOWN && msg->wParam == VK_RIGHT) {
    SubNewDeptTreeItem(&m_tree, m_tree.GetSelectedItem());
    return FALSE;
  }
  if (!IsTreeMouseMessage(msg->message)) return FALSE;
  if (DirectoryRefreshing()) {
    ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
    return TRUE;
  }
  ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
  return FALSE;
}

int CSetupDeptTree::Fold(HTREEITEM item) {
  HTREEITEM root = GetProvinceRootItem(m_nTree);
  for (; item; item = m_tree.GetNextSiblingItem(item)) {
    DWORD_PTR data = m_tree.GetItemData(item);
    if (data == 0) return 0;
    if (data != kNumberLeafData && item != root && RecordKind(item) == kDirPerson) {
      m_tree.Expand(item, TVE_COLLAPSE);
      while (HTREEITEM child = m_tree.GetChildItem(item)) m_tree.DeleteItem(child);
      continue;
    }
    Fold(m_tree.GetChildItem(item));
  }
  return 0;
}

void CSetupDeptTree::FoldAll() {
  m_hCurrent = m_hPrevious = nullptr;
  Fold(m_tree.GetRootItem());
  m_hCurrent = m_hPrevious = nullptr;
}

void CSetupDeptTree::CollapseBelowRoot() {
  m_hCurrent = m_hPrevious = nullptr;
  if (HTREEITEM root = GetProvinceRootItem(m_nTree)) CollapseBranches(m_tree.GetChildItem(root));
}

// Depth first over first and its siblings: each directory branch (not a person) that is open
// is closed and shows its closed folder.
void CSetupDeptTree::CollapseBranches(HTREEITEM first) {
  for (HTREEITEM item = first; item; item = m_tree.GetNextSiblingItem(item)) {
    int kind = RecordKind(item);
    if (kind != kDirCompany && kind != kDirAffiliation && kind != kDirDepartment) continue;
    CollapseBranches(m_tree.GetChildItem(item));
    if (!(m_tree.GetItemState(item, TVIS_EXPANDED) & TVIS_EXPANDED)) continue;
    m_tree.Expand(item, TVE_COLLAPSE);
    UpdateDeptItemImage(&m_tree, item, FALSE);
  }
}

void CSetupDeptTree::ClearBelowRoot() {
  if (HTREEITEM root = m_tree.GetRootItem())
    while (HTREEITEM child = m_tree.GetChildItem(root)) m_tree.DeleteItem(child);
  m_hCurrent = m_hPrevious = nullptr;
}

void CSetupDeptTree::Reset() {
  m_tree.DeleteAllItems();
  m_hCurrent = m_hPrevious = nullptr;
}
