// The create page's OK: the refusals and checks in their order, then the create request and
// the conference window's 60-second wait for its answer.
#include "common/ConfMethodRecord.h"
#include "protocol/HostBlocks.h"
#include "common/UriParts.h"
#include "confwindow/DlgDataConf.h"
#include "module/TavorineModule.h"
#include "module/WindowRoutines.h"
#include "setup/DlgmmConfPreCreate.h"
#include "setup/mmconfCreate.h"
#include "setup/SetupIds.h"
#include "setup/SetupOptions.h"
#include "setup/SetupRefusals.h"
#include "vezadazavo/VezadaZavo.h"

namespace {

const FieldCheck kFieldChecks[] = {
    {IDC_MAX_MEMBERS, "请输入最大成员数！", "最大成员数只能为数字！"},
    {IDC_DURATION, "请输入会议时长！", "会议时长只能为数字！"},
    {IDC_REMAIN_NOTICE, "请输入剩余时间通知时间！", "剩余时间通知时间只能为数字！"},
    {IDC_CHAIR_PWD, "请输入主席密码！", "主席密码只能为数字！"},
    {IDC_VISITOR_PWD, "请输入访客密码！", "访客密码只能为数字！"},
    {IDC_MEMBER_PWD, "请输入成员密码！", "成员密码只能为数字！"},
};

}  // namespace

void CmmconfCreate::OnOK() {
  RequestBackgroundSoundsOnce();
  FoldTree();
  // The host may close the module while it is asked.
  if (ShowRefusal(ConferenceRefusal())) return;
  if (ShowRefusal(RequestRefusal()) || WindowClosing(this)) return;
  int focusId = 0;
  CString refusal = FirstFieldRefusal(&focusId);
  if (ShowRefusal(refusal, focusId)) return;
  if (!UpdateData(TRUE)) return;  // a value the exchange refused, with its own message
  if (ShowRefusal(FirstValueRefusal())) return;
  SendCreateRequest();
}

// The checks on the controls' texts; the failing control is given in focusId.
CString CmmconfCreate::FirstFieldRefusal(int* focusId) { return ::FirstFieldRefusal(this, kFieldChecks, focusId); }

// The checks on the exchanged values.
CString CmmconfCreate::FirstValueRefusal() {
  if (m_csSubject.IsEmpty()) return "请输入会议主题！";
  if (m_csChairPassword.IsEmpty()) return "请输入主席密码！";
  if (m_csVisitorPassword.IsEmpty()) return "请输入访客密码！";
  if (m_csMemberPassword.IsEmpty()) return "请输入成员密码！";
  if (m_csChairPassword != m_csChairPasswordAgain) return "主席密码两次输入的不同！";
  if (m_csVisitorPassword != m_csVisitorPasswordAgain) return "访客密码两次输入的不同！";
  if (m_csMemberPassword != m_csMemberPasswordAgain) return "成员密码两次输入的不同！";
  if (m_iMaxMembers < 2) return "最大成员数不能小于2！";
  if (GetMemberCount() + 1 > m_iMaxMembers) return "会场人数(包括主席)超过会议最大人数限制！";
  if (m_iDuration == 1 || m_iDuration == 2) return "会议时长不能小于3分钟！";
  if (m_iRemainNotice < 1) return "剩余时间通知时间不能小于1！";
  if (m_iRemainNotice >= m_iDuration) return "剩余时间通知时间不能大于会议时长";
  return CString();
}

// The split screen chosen, or by the member count when none is.
int CmmconfCreate::SelectedSplitScreen(int nMembers) const {
  int sel = m_comboSplit.GetCurSel();
  if (sel >= 0) return (int)m_comboSplit.GetItemData(sel);
  return nMembers <= 4 ? 4 : 6;
}

// The conference window's initial members: every row's number in the form it invites.
void CmmconfCreate::CollectInitialMembers() {
  CDlgDataConf* conf = TavorineModule()->m_pDlgDataConf;
  if (!conf) return;
  conf->m_saInitMembers.RemoveAll();
  for (int row = 0; row < GetMemberCount(); ++row) {
    CString number = NormaliseMemberNumber(m_listMembers.GetItemText(row, 1));
    if (!number.IsEmpty()) conf->m_saInitMembers.Add(number);
  }
}

// The request's fields from the exchanged values; the initial members go to the conference window.
ConfCreateParams CmmconfCreate::CreateParams() {
  ConfCreateParams params;
  params.csSubject = m_csSubject;
  int sel = m_comboConfType.GetCurSel();
  params.iConfType = sel >= 0 ? (int)m_comboConfType.GetItemData(sel) : 0;
  CollectInitialMembers();
  params.iRemainNotice = m_iRemainNotice;
  params.csChairPassword = m_csChairPassword;
  params.csMemberPassword = m_csMemberPassword;
  params.csVisitorPassword = m_csVisitorPassword;
  params.iMaxMembers = m_iMaxMembers;
  params.iDuration = m_iDuration;
  params.iSplitScreen = SelectedSplitScreen(GetMemberCount());
  params.bChairLeaveNoEnd = m_bChairLeaveNoEnd;
  return params;
}

void CmmconfCreate::SendCreateRequest() {
  CTavorineModule* module = TavorineModule();
  const ConfCreateParams params = CreateParams();
  CConfMethodRecordPtr record;
  BuildConfCreate(*record, params);

  module->SendEvent(kHostBeforeCreate, nullptr);
  CDlgDataConf* conf = module->m_pDlgDataConf;
  // The wait is armed before the request leaves: an answer that the host gives inside the call
  // ends it, and meets neither an earlier time-out nor an earlier failure reason.
  BOOL earlierTimedOut = conf && conf->m_bCreateTimedOut;
  BOOL registered = conf && BeginCreateWait(*conf, params);
  // Nothing waits for a request the host refused, or took while it closed the module.
  if (!bIMSConfMethod(1, record.get()) || WindowClosing(this)) {
    if (conf) CancelCreateWait(*conf, params.iConfType, registered, earlierTimedOut);
    return;
  }
  module->WriteLog("创建会议", 1);
}

// The conference window waits 60 seconds for the answer (its timer 1 and the pending operation
// of the conference type), with the set-up request pending and the page buttons disabled.
// TRUE when the pending operation was registered.
BOOL CmmconfCreate::BeginCreateWait(CDlgDataConf& conf, const ConfCreateParams& params) {
  conf.KillTimer(kTimerCreateWait);
  conf.SetTimer(kTimerCreateWait, kSetupWaitMs);
  BOOL registered = conf.AddToTimerList(CDlgDataConf::CreateOperationName(params.iConfType), "", 60, nullptr, 0);
  conf.m_iRequestedMaxMembers = params.iMaxMembers;
  conf.m_bCreateTimedOut = FALSE;
  conf.m_csFailReason.Empty();
  conf.m_bSetupRequestPending = TRUE;
  if (CDlgmmConfPreCreate* start = StartWindow()) start->EnablePageButtons(FALSE);
  return registered;
}

// The request did not go out: nothing waits, and a late success of an earlier create that
// timed out is still left at once.
void CmmconfCreate::CancelCreateWait(CDlgDataConf& conf, int iConfType, BOOL bRegistered, BOOL bEarlierTimedOut) {
  conf.KillTimer(kTimerCreateWait);
  if (bRegistered) conf.RemoveFromTimerList(CDlgDataConf::CreateOperationName(iConfType));
  conf.m_bCreateTimedOut = bEarlierTimedOut;
  conf.m_bSetupRequestPending = FALSE;
  conf.m_saInitMembers.RemoveAll();
  if (CDlgmmConfPreCreate* start = StartWindow()) start->EnablePageButtons(TRUE);
}
