#include "setup/mmconfCreate.h"

#include "module/TavorineModule.h"
#include "platform/Profile.h"
#include "platform/ui/DataExchange.h"
#include "setup/DlgmmConfPreCreate.h"
#include "setup/SetupIds.h"
#include "setup/SetupOptions.h"
#include "vezadazavo/VezadaZavo.h"

namespace {

const char kNumberTip[] = "外线号码前需加0； 可以一次添加多个成员，以分号';'分隔";
const char kDefaultSubject[] = "新建会议";
const int kPasswordEdits[] = {IDC_MEMBER_PWD, IDC_MEMBER_PWD_AGAIN, IDC_CHAIR_PWD,
                              IDC_CHAIR_PWD_AGAIN, IDC_VISITOR_PWD, IDC_VISITOR_PWD_AGAIN};
const int kPasswords[] = {IDC_CHAIR_PWD, IDC_MEMBER_PWD, IDC_VISITOR_PWD};

const DeptTreeTexts kCreateTreeTexts = {
    "CmmconfCreate::OnClickRosterTree--省公司",
    "CmmconfCreate::OnClickRosterTree--dept:error!",
    "CmmconfCreate::OnDblclkRosterTree--省公司",
};

}  // namespace

CmmconfCreate::CmmconfCreate(CWnd* pParent)
    : CSetupPage(IDD_MMCONF_CREATE, pParent), m_deptTree(m_treeDept, kTreeCreatePage, kCreateTreeTexts, true) {
  MapMemberHandlers();
  MapControl<CmmconfCreate>(CBN_SELCHANGE, IDC_CONF_TYPE, &CmmconfCreate::OnConfTypeChange);
  MapCommand<CmmconfCreate>(IDC_BTN_IMPORT_DEFAULTS, &CmmconfCreate::OnImportDefaults);
  MapPasswordEdits(kPasswordEdits, kPasswords, MixedHint::Plain);
}

void CmmconfCreate::DoDataExchange(CDataExchange* dx) {
  CSetupPage::DoDataExchange(dx);
  DDX_Control(dx, IDC_SPLIT_SCREEN, m_comboSplit);
  DDX_Control(dx, IDC_CONF_TYPE, m_comboConfType);
  DDX_Control(dx, IDC_MEMBER_LIST, m_listMembers);
  DDX_Control(dx, IDC_NUMBER_ENTRY, m_editNumbers);
  DDX_Control(dx, IDC_DEPT_TREE, m_treeDept);
  DDX_TextMax(dx, IDC_SUBJECT, m_csSubject, 40);
  DDX_TextMax(dx, IDC_NUMBER_ENTRY, m_csNumbers, 256);
  DDX_CBString(dx, IDC_CONF_TYPE, m_csConfTypeText);
  DDX_TextMax(dx, IDC_CHAIR_PWD, m_csChairPassword, 10);
  DDX_TextMax(dx, IDC_MEMBER_PWD, m_csMemberPassword, 10);
  DDX_TextMax(dx, IDC_VISITOR_PWD, m_csVisitorPassword, 10);
  DDX_Text(dx, IDC_DURATION, m_iDuration);
  DDX_Text(dx, IDC_MAX_MEMBERS, m_iMaxMembers);
  DDX_TextMax(dx, IDC_MEMBER_PWD_AGAIN, m_csMemberPasswordAgain, 10);
  DDX_TextMax(dx, IDC_VISITOR_PWD_AGAIN, m_csVisitorPasswordAgain, 10);
  DDX_TextMax(dx, IDC_CHAIR_PWD_AGAIN, m_csChairPasswordAgain, 10);
  DDX_Text(dx, IDC_REMAIN_NOTICE, m_iRemainNotice);
  DDX_Check(dx, IDC_CHAIR_LEAVE_NO_END, m_bChairLeaveNoEnd);
}

BOOL CmmconfCreate::OnInitDialog() {
  CSetupPage::OnInitDialog();
  SkinPage();
  m_iRowCounter = 0;
  m_listMembers.DeleteAllItems();
  SendDlgItemMessage(IDC_SPARE_LIST, LVM_DELETEALLITEMS, 0, 0);
  m_listMembers.SetExtendedStyle(m_listMembers.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
  m_listMembers.InsertColumn(0, "名称", LVCFMT_LEFT, 62);
  m_listMembers.InsertColumn(1, "号码", LVCFMT_LEFT, 188);
  m_deptTree.Init();
  ResetPage();
  GetDlgItem(IDC_BTN_ADD)->EnableWindow(FALSE);
  GetDlgItem(IDC_BTN_DELETE)->EnableWindow(FALSE);
  for (int id : {IDC_MAX_MEMBERS, IDC_DURATION, IDC_REMAIN_NOTICE}) SendDlgItemMessage(id, EM_LIMITTEXT, 3, 0);
  UpdateData(FALSE);
  ShowSplitScreen(FALSE);
  TavorineModule()->RegisterDeptTree(kTreeCreatePage, &m_treeDept);
  return TRUE;
}

void CmmconfCreate::ResetPage() {
  const ConfDefaultData& defaults = TavorineModule()->m_confDefaultData;
  m_listMembers.DeleteAllItems();
  m_csSubject = defaults.subject.IsEmpty() ? CString(kDefaultSubject) : defaults.subject;
  m_csNumbers.Empty();
  m_csConfTypeText.Empty();
  m_csChairPassword = m_csChairPasswordAgain = defaults.masterpwd;
  m_csMemberPassword = m_csMemberPasswordAgain = defaults.mempwd;
  m_csVisitorPassword = m_csVisitorPasswordAgain = defaults.visitorpwd;
  m_iDuration = DefaultInRange(defaults.period, 3);
  m_iMaxMembers = DefaultInRange(defaults.maxnum, 5);
  m_iRemainNotice = DefaultInRange(defaults.remaintime, 1);
  m_iRowCounter = 0;
  m_bChairLeaveNoEnd = TRUE;
  UpdateData(FALSE);
}

void CmmconfCreate::OnImportDefaults() {
  ImportDefaultsInto(this, {IDC_SUBJECT, IDC_CHAIR_PWD, IDC_CHAIR_PWD_AGAIN, IDC_MEMBER_PWD, IDC_MEMBER_PWD_AGAIN,
                            IDC_VISITOR_PWD, IDC_VISITOR_PWD_AGAIN, IDC_DURATION, IDC_MAX_MEMBERS, IDC_REMAIN_NOTICE});
}

// ---- Conference type and split screen ----

void CmmconfCreate::AddConfType(UINT textId, int iConfType) {
  CString text;
  text.LoadString(textId);
  m_comboConfType.SetItemData(m_comboConfType.AddString(text), (DWORD_PTR)iConfType);
}

void CmmconfCreate::InitConfTypeCombo() {
  FillConfTypeCombo();
  FillSplitScreenCombo();
  m_comboConfType.SetCurSel(0);
  m_comboSplit.SetCurSel(0);
  int sel = m_comboConfType.GetCurSel();
  if (sel >= 0) {
    int type = (int)m_comboConfType.GetItemData(sel);
    SetNumberTip(type);
    ShowSplitScreen(type == 1);
  }
  EnableOK();
}

// The types the user's rights allow; a feature mask not given takes the ini's "ConfType".
void CmmconfCreate::FillConfTypeCombo() {
  m_comboConfType.ResetContent();
  int confType = (int)GetPrivateProfileInt("VEXLON_IMS", "ConfType", 1, GetAppPath() + "Vexlon.ini");
  DATACONF_RIGHT& rights = TavorineModule()->m_dataConfRight;
  if (rights.iAudio) AddConfType(IDS_CONFTYPE_AUDIO, 0);
  if (rights.iVideo && confType > 0) AddConfType(IDS_CONFTYPE_VIDEO, 1);
  if (rights.iFeatures == -1) rights.iFeatures = confType;
  if (rights.iFeatures > 0) {
    if (rights.iFeatures & 0x1) AddConfType(IDS_CONFTYPE_WHITEBOARD, 4);
    if (rights.iFeatures & 0x4) {
      AddConfType(IDS_CONFTYPE_WEB_SHARE, 7);
      AddConfType(IDS_CONFTYPE_DOC_SHARE, 6);
      AddConfType(IDS_CONFTYPE_VOTE, 9);
      AddConfType(IDS_CONFTYPE_RAISE_HAND, 10);
      AddConfType(IDS_CONFTYPE_AGENDA, 11);
      AddConfType(IDS_CONFTYPE_SHARE_SPACE, 12);
      AddConfType(IDS_CONFTYPE_FILE_TRANSFER, 8);
    }
    if (rights.iFeatures & 0x2) AddConfType(IDS_CONFTYPE_APP_SHARE, 3);
  }
}

void CmmconfCreate::FillSplitScreenCombo() { ::FillSplitScreenCombo(m_comboSplit); }

void CmmconfCreate::ShowSplitScreen(BOOL bShow) {
  for (int id : {IDC_SPLIT_LABEL, IDC_SPLIT_SCREEN}) GetDlgItem(id)->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
}

void CmmconfCreate::SetNumberTip(int iConfType) { m_editNumbers.AddTool(iConfType == 0 ? kNumberTipWithExtensions : kNumberTip); }

void CmmconfCreate::OnConfTypeChange() {
  int sel = m_comboConfType.GetCurSel();
  if (sel < 0) {
    m_comboSplit.EnableWindow(FALSE);
    return;
  }
  int type = (int)m_comboConfType.GetItemData(sel);
  ShowSplitScreen(type == 1);
  SetNumberTip(type);
}

// OK is usable when there is a type to create and no set-up request waits.
void CmmconfCreate::EnableOK() {
  CDlgmmConfPreCreate* start = StartWindow();
  BOOL buttons = start ? start->ArePageButtonsEnabled() : TRUE;
  GetDlgItem(IDOK)->EnableWindow(m_comboConfType.GetCount() > 0 && buttons);
}

void CmmconfCreate::OnShowWindow(BOOL show, UINT status) {
  CSetupPage::OnShowWindow(show, status);
  if (show) EnableOK();
}

