// The invite dialog: its controls, the department tree (tree 4), OK turning the rows into
// invitation requests, Cancel and closing.
#include "setup/mmconfInvite.h"

#include "confwindow/DlgDataConf.h"
#include "module/TavorineModule.h"
#include "platform/ui/CommCtrl.h"
#include "platform/ui/DataExchange.h"
#include "setup/InviteDialogIds.h"
#include "setup/SetupOptions.h"
#include "vezadazavo/VezadaZavo.h"

const char kInviteNumberTip[] = "外线号码前需加0；如需邀请分机成员，请在主机号和分机号之间输入英文标点','来表示延时";
const char kInviteNumberTipShort[] = "外线号码前需加0";

namespace {

const DeptTreeTexts kInviteTreeTexts = {
    "CmmconfInvite::OnClickTreeDept--省公司",
    "CmmconfInvite::OnClickTreeDept--dept:error!",
    "CmmconfInvite::OnDblclkTreeDept--省公司",
};

}  // namespace

CmmconfInvite::CmmconfInvite(CWnd* pParent)
    : CDialog(IDD_CONF_INVITE, pParent), m_deptTree(m_treeDept, kTreeInviteDialog, kInviteTreeTexts, true) {
  MapCommand<CmmconfInvite>(IDC_INVITE_PHONEBOOK, &CmmconfInvite::OnBtnPhoneBook);
  MapCommand<CmmconfInvite>(IDC_INVITE_ADD_NUMBER, &CmmconfInvite::OnBtnAddNumber);
  MapCommand<CmmconfInvite>(IDC_INVITE_ADD, &CmmconfInvite::OnBtnAddFromTree);
  MapCommand<CmmconfInvite>(IDC_INVITE_DELETE, &CmmconfInvite::OnBtnDelete);
  MapNotify<CmmconfInvite>(NM_CLICK, IDC_INVITE_SPARE_LIST, &CmmconfInvite::OnSpareListClick);
  MapNotify<CmmconfInvite>(NM_CLICK, IDC_INVITE_TREE, &CmmconfInvite::OnClickTree);
  MapNotify<CmmconfInvite>(NM_DBLCLK, IDC_INVITE_TREE, &CmmconfInvite::OnDblclkTree);
  MapNotify<CmmconfInvite>(NM_CLICK, IDC_INVITE_LIST, &CmmconfInvite::OnListSelect);
  MapNotify<CmmconfInvite>(LVN_ITEMCHANGED, IDC_INVITE_LIST, &CmmconfInvite::OnListSelect);
  MapNotify<CmmconfInvite>(NM_DBLCLK, IDC_INVITE_LIST, &CmmconfInvite::OnDblclkList);
}

void CmmconfInvite::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Control(dx, IDC_INVITE_NUMBER, m_editNumber);
  DDX_Control(dx, IDC_INVITE_LIST, m_listInvitees);
  DDX_Control(dx, IDC_INVITE_DELETE, m_btnDelete);
  DDX_Control(dx, IDC_INVITE_ADD, m_btnAdd);
  DDX_Control(dx, IDC_INVITE_TREE, m_treeDept);
  DDX_Control(dx, IDC_INVITE_SPARE_LIST, m_listSpare);
  DDX_Text(dx, IDC_INVITE_NUMBER, m_csNumber);
}

BOOL CmmconfInvite::OnInitDialog() {
  CDialog::OnInitDialog();
  CTavorineModule* module = TavorineModule();
  module->SkinWindow(m_hWnd, "media.skn", "");
  m_iRowCount = 0;
  m_listInvitees.DeleteAllItems();
  m_listInvitees.SetExtendedStyle((m_listInvitees.GetExtendedStyle() | LVS_EX_FULLROWSELECT) & ~LVS_EX_CHECKBOXES);
  m_listInvitees.InsertColumn(0, "名称", LVCFMT_LEFT, 62);
  m_listInvitees.InsertColumn(1, "号码", LVCFMT_LEFT, 173);
  m_btnAdd.EnableWindow(FALSE);
  m_btnDelete.EnableWindow(FALSE);
  m_listSpare.DeleteAllItems();
  m_deptTree.Init();
  m_listSpare.InsertColumn(0, "1", LVCFMT_LEFT, 60);
  m_listSpare.InsertColumn(1, "2", LVCFMT_LEFT, 80);
  m_editNumber.AddTool(kInviteNumberTip);
  UpdateData(FALSE);
  module->RegisterDeptTree(kTreeInviteDialog, &m_treeDept);
  return TRUE;
}

CDlgDataConf* CmmconfInvite::ConfWindow() {
  CTavorineModule* module = TavorineModule();
  return module ? module->m_pDlgDataConf : nullptr;
}

void CmmconfInvite::ShowMessage(const char* text) { MessageBox(text, GetMsgTitle(), MB_OK | MB_ICONINFORMATION); }

void CmmconfInvite::SetNumberEditTip(CString tip) { m_editNumber.AddTool(tip); }

// ---- The department tree ----

void CmmconfInvite::ResetDeptTree() { m_deptTree.Reset(); }

void CmmconfInvite::ClearDeptTree() { m_deptTree.ClearBelowRoot(); }

void CmmconfInvite::OnClickTree(NMHDR*, LRESULT* result) {
  m_btnAdd.EnableWindow(FALSE);
  m_btnDelete.EnableWindow(FALSE);
  if (m_deptTree.OnClick()) m_btnAdd.EnableWindow(TRUE);
  *result = 1;
}

void CmmconfInvite::OnDblclkTree(NMHDR*, LRESULT* result) {
  if (m_deptTree.OnDblClick()) OnBtnAddFromTree();
  m_deptTree.RefreshIcons();
  *result = 1;
}

void CmmconfInvite::OnSpareListClick(NMHDR*, LRESULT* result) {
  POSITION pos = m_listSpare.GetFirstSelectedItemPosition();
  if (pos) {
    m_csNumber = m_listSpare.GetItemText(m_listSpare.GetNextSelectedItem(pos), 1);
    UpdateData(FALSE);
  }
  *result = 1;
}

void CmmconfInvite::OnShowWindow(BOOL show, UINT status) {
  CDialog::OnShowWindow(show, status);
  if (show) m_editNumber.SetFocus();
}

// Enter in the number edit adds the number (the default button is not pressed); the tree's
// input waits while the directory refreshes.
BOOL CmmconfInvite::PreTranslateMessage(MSG* msg) {
  if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN && ::GetFocus() == m_editNumber.m_hWnd) {
    OnBtnAddNumber();
    return FALSE;
  }
  if (m_deptTree.FilterInput(msg)) return TRUE;
  return CDialog::PreTranslateMessage(msg);
}

// ---- OK, Cancel, closing ----

void CmmconfInvite::OnOK() {
  UpdateData(TRUE);
  CDlgDataConf* conf = ConfWindow();
  if (conf && !conf->m_bInConf) {
    ShowMessage("会议已经结束，不能进行邀请！");
    return;
  }
  int rows = m_listInvitees.GetItemCount();
  if (rows < 1) {
    ShowMessage("您未邀请任何成员，请选择成员或取消邀请！");
    return;
  }
  if (conf && conf->ExceedsMaximum(rows)) {
    ShowMessage("会场人数超过会议最大人数限制！");
    return;
  }
  if (conf) SendInvitations();
  ResetContents();
  CDialog::OnOK();
}

// The first row at once, the others into the conference window's queue (timer 34 sends one
// every 500 ms). The queue is only appended to: timer 34 runs on this thread and drains it
// while the user is not in this dialog.
void CmmconfInvite::SendInvitations() {
  CDlgDataConf* conf = ConfWindow();
  if (CWnd* button = conf->GetDlgItem(IDC_CONF_INVITE)) button->EnableWindow(FALSE);
  for (int row = 1; row < m_listInvitees.GetItemCount(); ++row) {
    CString address = NormaliseMemberNumber(m_listInvitees.GetItemText(row, 1));
    if (!address.IsEmpty()) conf->m_saPendingInvites.Add(address);
  }
  EnableConfWindow();
  conf->SendInvitation(NormaliseMemberNumber(m_listInvitees.GetItemText(0, 1)));
  conf->SetTimer(kTimerInviteQueue, kInviteIntervalMs);
}

void CmmconfInvite::ResetContents() {
  m_deptTree.FoldAll();
  m_csNumber.Empty();
  m_listInvitees.DeleteAllItems();
  m_iRowCount = 0;
  UpdateData(FALSE);
}

void CmmconfInvite::EnableConfWindow() {
  CDlgDataConf* conf = ConfWindow();
  if (conf && conf->m_hWnd) conf->EnableWindow(TRUE);
}

void CmmconfInvite::OnCancel() {
  ResetContents();
  EnableConfWindow();
  CDialog::OnCancel();
}

void CmmconfInvite::OnClose() {
  EnableConfWindow();
  CDialog::OnClose();
}
