#include "setup/mmconfPre.h"

#include "module/TavorineModule.h"
#include "platform/Profile.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/DateTimeCtrl.h"
#include "setup/BookPageIds.h"
#include "setup/DlgmmConfPreCreate.h"
#include "setup/SetupOptions.h"
#include "vezadazavo/VezadaZavo.h"

namespace {

const char kDefaultSubject[] = "新建会议";
const char kSmsNoticeType[] = "短信号码";
const int kPasswordEdits[] = {IDC_PRE_MEMBER_PWD, IDC_PRE_MEMBER_PWD_AGAIN, IDC_PRE_CHAIR_PWD,
                              IDC_PRE_CHAIR_PWD_AGAIN, IDC_PRE_VISITOR_PWD, IDC_PRE_VISITOR_PWD_AGAIN};
const int kPasswords[] = {IDC_PRE_CHAIR_PWD, IDC_PRE_MEMBER_PWD, IDC_PRE_VISITOR_PWD};
const int kVideoType = 1;
const int kSplitDefaultIndex = 2;  // "6 分屏"; none when the media server does not offer it
const DeptTreeTexts kBookTreeTexts = {
    "CmmconfPre::OnClickRosterTree--省公司",
    "CmmconfPre::OnClickRosterTree--dept:error!",
    "CmmconfPre::OnDblclkTreeDept--省公司",
};

}  // namespace

CmmconfPre::CmmconfPre(CWnd* pParent)
    : CSetupPage(IDD_MMCONF_PRE, pParent), m_deptTree(m_treeDept, kTreeBookPage, kBookTreeTexts, false) {
  MapControl<CmmconfPre>(CBN_SELCHANGE, IDC_CONF_TYPE, &CmmconfPre::OnConfTypeChange);
  MapCommand<CmmconfPre>(IDC_BTN_IMPORT_DEFAULTS, &CmmconfPre::OnImportDefaults);
  MapCommand<CmmconfPre>(IDC_BTN_ADD, &CmmconfPre::OnAddFromTree);
  MapCommand<CmmconfPre>(IDC_BTN_ADD_NUMBER, &CmmconfPre::OnAddNumbers);
  MapCommand<CmmconfPre>(IDC_PRE_PHONEBOOK, &CmmconfPre::OnPhoneBook);
  MapCommand<CmmconfPre>(IDC_BTN_DELETE, &CmmconfPre::OnDeleteMembers);
  MapCommand<CmmconfPre>(IDC_PRE_NOTICE_ADD, &CmmconfPre::OnAddNoticeNumber);
  MapCommand<CmmconfPre>(IDC_PRE_EDIT_NOTICES, &CmmconfPre::OnEditNotices);
  MapCommand(IDC_PRE_SMS_CHECK, [this] { m_bLookUpSms = IsDlgButtonChecked(IDC_PRE_SMS_CHECK) != 0; });
  MapCommand(IDC_PRE_EMAIL_CHECK, [this] { m_bLookUpEmail = IsDlgButtonChecked(IDC_PRE_EMAIL_CHECK) != 0; });
  MapNotify<CmmconfPre>(LVN_ITEMCHANGED, IDC_MEMBER_LIST, &CmmconfPre::OnMemberSelect);
  MapNotify<CmmconfPre>(NM_CLICK, IDC_MEMBER_LIST, &CmmconfPre::OnMemberSelect);
  MapNotify<CmmconfPre>(NM_RCLICK, IDC_MEMBER_LIST, &CmmconfPre::OnMemberRightClick);
  MapNotify(NM_DBLCLK, IDC_MEMBER_LIST, [this](NMHDR*, LRESULT*) { ToggleChair(); });
  MapNotify<CmmconfPre>(NM_RCLICK, IDC_PRE_NOTICE_LIST, &CmmconfPre::OnNoticeRightClick);
  MapNotify<CmmconfPre>(NM_CLICK, IDC_DEPT_TREE, &CmmconfPre::OnClickTree);
  MapNotify<CmmconfPre>(NM_DBLCLK, IDC_DEPT_TREE, &CmmconfPre::OnDblclkTree);
  MapPasswordEdits(kPasswordEdits, kPasswords, MixedHint::Plain);
}

void CmmconfPre::DoDataExchange(CDataExchange* dx) {
  CSetupPage::DoDataExchange(dx);
  DDX_Control(dx, IDC_CONF_TYPE, m_comboConfType);
  DDX_Control(dx, IDC_SPLIT_SCREEN, m_comboSplit);
  DDX_Control(dx, IDC_PRE_NOTICE_TYPE, m_comboNoticeType);
  DDX_Control(dx, IDC_MEMBER_LIST, m_listMembers);
  DDX_Control(dx, IDC_PRE_NOTICE_LIST, m_listNotices);
  DDX_Control(dx, IDC_NUMBER_ENTRY, m_editNumbers);
  DDX_Control(dx, IDC_DEPT_TREE, m_treeDept);
  DDX_TextMax(dx, IDC_PRE_SUBJECT, m_csSubject, 40);
  DDX_Text(dx, IDC_MAX_MEMBERS, m_iMaxMembers);
  DDX_Text(dx, IDC_DURATION, m_iDuration);
  DDX_Text(dx, IDC_REMAIN_NOTICE, m_iRemainNotice);
  DDX_DateTimeCtrl(dx, IDC_START_DATE, m_tmStartDate);
  DDX_DateTimeCtrl(dx, IDC_START_TIME, m_tmStartTime);
  DDX_TextMax(dx, IDC_PRE_CHAIR_PWD, m_csChairPassword, 10);
  DDX_TextMax(dx, IDC_PRE_CHAIR_PWD_AGAIN, m_csChairPasswordAgain, 10);
  DDX_TextMax(dx, IDC_PRE_MEMBER_PWD, m_csMemberPassword, 10);
  DDX_TextMax(dx, IDC_PRE_MEMBER_PWD_AGAIN, m_csMemberPasswordAgain, 10);
  DDX_TextMax(dx, IDC_PRE_VISITOR_PWD, m_csVisitorPassword, 10);
  DDX_TextMax(dx, IDC_PRE_VISITOR_PWD_AGAIN, m_csVisitorPasswordAgain, 10);
  DDX_Text(dx, IDC_PRE_NOTICE_NUMBER, m_csNoticeNumber);
  DDX_TextMax(dx, IDC_PRE_SPARE_TEXT, m_csSpareText, 128);
  DDX_CBIndex(dx, IDC_PRE_NOTICE_TYPE, m_iNoticeType);
  DDX_Check(dx, IDC_CHAIR_LEAVE_NO_END, m_bChairLeaveNoEnd);
  DDX_Check(dx, IDC_PRE_SMS_CHECK, m_bLookUpSms);
  DDX_Check(dx, IDC_PRE_EMAIL_CHECK, m_bLookUpEmail);
  DDX_Check(dx, IDC_PRE_NOTICE_CHAIR, m_bNoticeChair);
}

BOOL CmmconfPre::OnInitDialog() {
  CSetupPage::OnInitDialog();
  SkinPage();
  m_listMembers.SetExtendedStyle(m_listMembers.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
  m_listMembers.InsertColumn(0, "名称", LVCFMT_LEFT, 60);
  m_listMembers.InsertColumn(1, "号码", LVCFMT_LEFT, 150);
  m_listMembers.InsertColumn(2, "主席", LVCFMT_LEFT, 40);
  m_listNotices.SetExtendedStyle(m_listNotices.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
  m_listNotices.InsertColumn(0, "类型", LVCFMT_LEFT, 60);
  m_listNotices.InsertColumn(1, "主席", LVCFMT_LEFT, 40);
  m_listNotices.InsertColumn(2, "号码", LVCFMT_LEFT, 378);
  m_deptTree.Init();
  m_comboNoticeType.ResetContent();
  m_comboNoticeType.AddString(kSmsNoticeType);
  m_comboNoticeType.SetCurSel(0);
  ResetPage();
  GetDlgItem(IDC_BTN_ADD)->EnableWindow(FALSE);
  GetDlgItem(IDC_BTN_DELETE)->EnableWindow(FALSE);
  for (int id : {IDC_MAX_MEMBERS, IDC_DURATION, IDC_REMAIN_NOTICE}) SendDlgItemMessage(id, EM_LIMITTEXT, 3, 0);
  Refresh();
  m_editNumbers.AddTool(kNumberTipWithExtensions);
  ShowSplitScreen(FALSE);
  TavorineModule()->RegisterDeptTree(kTreeBookPage, &m_treeDept);
  return TRUE;
}

void CmmconfPre::ResetPage() {
  const ConfDefaultData& defaults = TavorineModule()->m_confDefaultData;
  m_iDuration = DefaultInRange(defaults.period, 3);
  m_iMaxMembers = DefaultInRange(defaults.maxnum, 5);
  m_csSubject = defaults.subject.IsEmpty() ? CString(kDefaultSubject) : defaults.subject;
  m_csSpareText.Empty();
  m_csChairPassword = m_csChairPasswordAgain = defaults.masterpwd;
  m_csMemberPassword = m_csMemberPasswordAgain = defaults.mempwd;
  m_csVisitorPassword = m_csVisitorPasswordAgain = defaults.visitorpwd;
  m_csNoticeNumber.Empty();
  m_iRemainNotice = DefaultInRange(defaults.remaintime, 1);
  m_iNoticeType = 0;
  m_bLookUpSms = m_bLookUpEmail = m_bChairLeaveNoEnd = TRUE;
  m_tmStartDate = m_tmStartTime = CTime::GetCurrentTime();
  m_bStartFromPresent = TRUE;
  UpdateData(FALSE);
  m_listMembers.DeleteAllItems();
  m_listNotices.DeleteAllItems();
  m_notices.RemoveAll();
}

void CmmconfPre::OnImportDefaults() {
  ImportDefaultsInto(this, {IDC_PRE_SUBJECT, IDC_PRE_CHAIR_PWD, IDC_PRE_CHAIR_PWD_AGAIN, IDC_PRE_MEMBER_PWD,
                            IDC_PRE_MEMBER_PWD_AGAIN, IDC_PRE_VISITOR_PWD, IDC_PRE_VISITOR_PWD_AGAIN, IDC_DURATION,
                            IDC_MAX_MEMBERS, IDC_REMAIN_NOTICE});
}

void CmmconfPre::OnCancel() {
  m_deptTree.CollapseBelowRoot();
  CSetupPage::OnCancel();
}

// Mouse input aimed at the tree waits while the directory is being refreshed.
BOOL CmmconfPre::PreTranslateMessage(MSG* msg) {
  if (m_deptTree.FilterInput(msg)) return TRUE;
  return CSetupPage::PreTranslateMessage(msg);
}

// What the user typed stays on the page while the start window lives, whatever page is shown
// meanwhile; only the first show after a reset proposes the present as the start again.
void CmmconfPre::OnShowWindow(BOOL show, UINT status) {
  CSetupPage::OnShowWindow(show, status);
  if (!show) return;
  if (m_bStartFromPresent) ShowStartFromPresent();
  EnableOK();
}

void CmmconfPre::ShowStartFromPresent() {
  m_bStartFromPresent = FALSE;
  m_tmStartDate = m_tmStartTime = CTime::GetCurrentTime();
  CDataExchange dx(this, FALSE);
  DDX_DateTimeCtrl(&dx, IDC_START_DATE, m_tmStartDate);
  DDX_DateTimeCtrl(&dx, IDC_START_TIME, m_tmStartTime);
}

// ---- Conference type and split screen ----

void CmmconfPre::InitConfTypeCombo() {
  m_comboConfType.ResetContent();
  CString text;
  text.LoadString(IDS_CONFTYPE_AUDIO);
  m_comboConfType.SetItemData(m_comboConfType.AddString(text), 0);
  if (GetPrivateProfileInt("VEXLON_IMS", "ConfType", 1, GetAppPath() + "Vexlon.ini") == 1) {
    text.LoadString(IDS_CONFTYPE_VIDEO);
    m_comboConfType.SetItemData(m_comboConfType.AddString(text), kVideoType);
  }
  FillSplitScreenCombo(m_comboSplit);
  m_comboSplit.SetCurSel(kSplitDefaultIndex);
  m_comboConfType.SetCurSel(0);
  OnConfTypeChange();
  EnableOK();
}

void CmmconfPre::OnConfTypeChange() {
  int sel = m_comboConfType.GetCurSel();
  ShowSplitScreen(sel >= 0 && (int)m_comboConfType.GetItemData(sel) == kVideoType);
  m_comboSplit.EnableWindow(sel >= 0);
}

void CmmconfPre::ShowSplitScreen(BOOL bShow) {
  for (int id : {IDC_SPLIT_LABEL, IDC_SPLIT_SCREEN}) GetDlgItem(id)->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
}

// OK is usable when there is a type to book and no set-up request waits.
void CmmconfPre::EnableOK() {
  CDlgmmConfPreCreate* start = StartWindow();
  BOOL buttons = start ? start->ArePageButtonsEnabled() : TRUE;
  GetDlgItem(IDOK)->EnableWindow(m_comboConfType.GetCount() > 0 && buttons);
}
