#include "setup/mmconfDefaultSet.h"

#include "common/UriParts.h"
#include "module/TavorineModule.h"
#include "module/UserOptions.h"
#include "platform/Profile.h"
#include "platform/ui/DataExchange.h"
#include "setup/DlgmmConfPreCreate.h"
#include "setup/mmconfCreate.h"
#include "setup/mmconfPre.h"

namespace {

const int kPasswordEdits[] = {IDC_DFS_MEMBER_PWD, IDC_DFS_CHAIR_PWD, IDC_DFS_VISITOR_PWD};

// One check of the page's OK on an edit's text.
struct DefaultsCheck {
  int id;
  const char* emptyText;      // NULL: an empty text passes
  const char* notDigitsText;
  int minimum;                // the value must be at least this (-1: no lower bound)
  const char* belowText;
};

const DefaultsCheck kChecks[] = {
    {IDC_DFS_MAX_MEMBERS, "请输入最大成员数！", "最大成员数只能为数字！", 2, "最大成员数不能小于2！"},
    {IDC_DFS_DURATION, "请输入会议时长！", "会议时长只能为数字！", 3, "会议时长不能小于3！"},
    {IDC_DFS_REMAIN_NOTICE, "请输入剩余时间通知时间！", "剩余时间通知时间只能为数字！", 1, "剩余时间通知时间不能小于1！"},
    {IDC_DFS_MEMBER_PWD, nullptr, "成员密码只能为数字！", -1, nullptr},
    {IDC_DFS_CHAIR_PWD, nullptr, "主席密码只能为数字！", -1, nullptr},
    {IDC_DFS_VISITOR_PWD, nullptr, "访客密码只能为数字！", -1, nullptr},
};

}  // namespace

CmmconfDefaultSet::CmmconfDefaultSet(CWnd* pParent) : CSetupPage(IDD_MMCONF_DEFAULTS, pParent) {
  MapPasswordEdits(kPasswordEdits, kPasswordEdits, MixedHint::Keep);
}

void CmmconfDefaultSet::DoDataExchange(CDataExchange* dx) {
  CSetupPage::DoDataExchange(dx);
  DDX_TextMax(dx, IDC_DFS_CHAIR_PWD, m_csChairPassword, 10);
  DDX_TextMax(dx, IDC_DFS_MEMBER_PWD, m_csMemberPassword, 10);
  DDX_Text(dx, IDC_DFS_DURATION, m_iDuration);
  DDX_Text(dx, IDC_DFS_REMAIN_NOTICE, m_iRemainNotice);
  DDX_TextMax(dx, IDC_DFS_SUBJECT, m_csSubject, 40);
  DDX_TextMax(dx, IDC_DFS_VISITOR_PWD, m_csVisitorPassword, 10);
  DDX_Text(dx, IDC_DFS_MAX_MEMBERS, m_iMaxMembers);
  DDV_MinMaxInt(dx, m_iMaxMembers, 0, 999);
}

BOOL CmmconfDefaultSet::OnInitDialog() {
  CSetupPage::OnInitDialog();
  SkinPage();
  for (int id : {IDC_DFS_MAX_MEMBERS, IDC_DFS_DURATION, IDC_DFS_REMAIN_NOTICE}) SendDlgItemMessage(id, EM_LIMITTEXT, 3, 0);
  LoadDefaultData();
  return TRUE;
}

// ---- Loading ----

void CmmconfDefaultSet::LoadDefaultData() {
  if (!m_bLoaded && LoadDefaultRecord()) m_bLoaded = TRUE;
  ShowValues(TavorineModule()->m_confDefaultData);
  ResetSetupPages();
}

BOOL CmmconfDefaultSet::LoadDefaultRecord() {
  CTavorineModule* module = TavorineModule();
  if (!module) return FALSE;
  if (ReadSavedDefaults()) return TRUE;
  module->WriteLog("CmmconfDefaultSet::LoadDefaultData():failed", 1);
  if (MigrateUserRecordDefaults()) return TRUE;
  UseBuiltInDefaults();
  return FALSE;
}

BOOL CmmconfDefaultSet::ReadSavedDefaults() {
  CTavorineModule* module = TavorineModule();
  return module && (module->m_bConfDefaultsLoaded || ReadDefaultRecord());
}

// Defaults an older version kept in the user record move into the file once.
BOOL CmmconfDefaultSet::MigrateUserRecordDefaults() {
  CUserOptions options;
  options.LoadConfDefaults();
  const ConfDefaultsGroup group = options.m_confDefaults;
  if (group.csSubject.IsEmpty()) return FALSE;
  options.m_confDefaults = ConfDefaultsGroup();
  options.SaveConfDefaults();
  CTavorineModule* module = TavorineModule();
  ConfDefaultData& d = module->m_confDefaultData;
  d.Set(group.csSubject, group.iMaxNum, group.iPeriod, group.iRemainTime, group.csMemPwd, group.csMasterPwd,
        group.csVisitorPwd, d.playstatussound);
  module->m_bConfDefaultsLoaded = TRUE;
  SaveDefaultDataToFile();
  return TRUE;
}

// No defaults anywhere: an empty subject, zeros and the system's default password.
void CmmconfDefaultSet::UseBuiltInDefaults() {
  CTavorineModule* module = TavorineModule();
  ConfDefaultData& d = module->m_confDefaultData;
  CString password = BuiltInPassword();
  d.Set(CString(), 0, 0, 0, password, password, password, d.playstatussound);
  module->m_bConfDefaultsLoaded = TRUE;
  SaveDefaultDataToFile();
}

CString CmmconfDefaultSet::BuiltInPassword() {
  CDlgmmConfPreCreate* start = TavorineModule()->m_pDlgPreCreate;
  return start ? start->GetDefaultPassword() : CString(CDlgmmConfPreCreate::kDefaultPassword);
}

// The page's members and edits take the values; the prompt-sound switch is not on the page.
void CmmconfDefaultSet::ShowValues(const ConfDefaultData& d) {
  m_csSubject = d.subject;
  m_iMaxMembers = d.maxnum;
  m_iDuration = d.period;
  m_iRemainNotice = d.remaintime;
  m_csMemberPassword = d.mempwd;
  m_csChairPassword = d.masterpwd;
  m_csVisitorPassword = d.visitorpwd;
  UpdateData(FALSE);
}

void CmmconfDefaultSet::StoreMembersInRecord() {
  ConfDefaultData& d = TavorineModule()->m_confDefaultData;
  d.Set(m_csSubject, m_iMaxMembers, m_iDuration, m_iRemainNotice, m_csMemberPassword, m_csChairPassword,
        m_csVisitorPassword, d.playstatussound);
}

// The create and book pages take the defaults into their fields.
void CmmconfDefaultSet::ResetSetupPages() {
  CDlgmmConfPreCreate* start = StartWindow();
  if (start && start->m_pCreate) start->m_pCreate->ResetPage();
  if (start && start->m_pPre) start->m_pPre->ResetPage();
}

// ---- Changing the defaults ----

CString CmmconfDefaultSet::FirstRefusal(int* focusId) {
  for (const DefaultsCheck& check : kChecks) {
    CString text = ItemText(check.id);
    *focusId = check.id;
    if (text.IsEmpty()) {
      if (check.emptyText) return check.emptyText;
      continue;
    }
    if (!IsAllDigits(text)) return check.notDigitsText;
    if (check.minimum >= 0 && StrToIntA(text) < check.minimum) return check.belowText;
    if (check.id == IDC_DFS_REMAIN_NOTICE && StrToIntA(text) >= StrToIntA(ItemText(IDC_DFS_DURATION)))
      return "剩余时间通知时间要小于会议时长！";
  }
  return CString();
}

void CmmconfDefaultSet::OnOK() {
  int focusId = 0;
  CString refusal = FirstRefusal(&focusId);
  if (ShowRefusal(refusal, focusId)) return;
  if (!UpdateData(TRUE)) return;
  StoreMembersInRecord();
  if (!SaveDefaultDataToFile()) return;
  ResetSetupPages();
  ShowMessage("会议缺省设置修改成功！");
}

