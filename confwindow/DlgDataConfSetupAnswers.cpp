// The conference window's answers to the set-up requests: conference event iType 1 with the
// detail types of the create (1), join (7) and booking (8) results and of the failure reason
// (14). Each ends the wait of its request and reports the outcome in the start window.
#include "confwindow/DlgDataConf.h"

#include "common/ConfMethodRecord.h"
#include "module/TavorineModule.h"
#include "protocol/InviteEvents.h"
#include "res/DataConfTemplates.h"
#include "setup/DlgmmConfPreCreate.h"
#include "setup/mmconfJoin.h"
#include "vezadazavo/VezadaZavo.h"

namespace {

// The booking answer's failure reasons by result code.
struct BookFailReason {
  int iResult;
  const char* text;  // NULL: the string-table entry IDS_MAX_MEMBERS_OVER_LIMIT
};
const BookFailReason kBookFailReasons[] = {
    {503, "会场资源不足！"},
    {488, "媒体协商失败！"},
    {430, nullptr},
    {416, nullptr},
    {402, "资费不足！"},
    {420, "会议预约时间早于服务器时间！"},
    {486, "初始成员列表数超过系统配置所允许的最大成员数！"},
    {400, "初始成员列表数超过系统配置所允许的最大成员数！"},
    {500, "分配URI失败！"},
    {408, "处理超时！"},
};

}  // namespace

CString BookFailReasonText(int iResult) {
  for (const BookFailReason& reason : kBookFailReasons) {
    if (reason.iResult != iResult) continue;
    if (reason.text) return reason.text;
    CString text;
    text.LoadString(IDS_MAX_MEMBERS_OVER_LIMIT);
    return text;
  }
  return "请与系统管理员联系！";
}

// ---- The start window ----

CDlgmmConfPreCreate* CDlgDataConf::StartWindow() {
  CTavorineModule* module = TavorineModule();
  return module ? module->m_pDlgPreCreate : nullptr;
}

void CDlgDataConf::ShowSetupOutcome(int nPage, const CString& text) {
  CDlgmmConfPreCreate* start = StartWindow();
  if (!start || !start->GetSafeHwnd()) return;
  start->ShowPage(nPage);
  start->ShowWindow(SW_SHOW);
  start->BringWindowToTop();
  start->ShowInfoToolTip(GetMsgTitle(), text);
}

void CDlgDataConf::EnableSetupButtons() {
  if (CDlgmmConfPreCreate* start = StartWindow()) start->EnablePageButtons(TRUE);
}

// ---- Conference event iType 1 ----

// The create and join answers and the invitation carry the conference's ids, subject, member
// counts and types (the whiteboard opens with a conference that includes it).
void CDlgDataConf::BeginFromResult(const confCtrlResult& result, BOOL joined) {
  BeginConference(RecordText(result.szConfURI), RecordText(result.szDConfID));
  m_csSubject = RecordText(result.szSubject);
  BeginConfRecord(joined);
  TakeMemberCounts(result.iMemberCount, result.iMaxMembers);
  StartWhiteboardIfIncluded(result, joined);
}

void CDlgDataConf::OnConfCtrlResult(const confCtrlResult& result) {
  switch (result.detailType) {
    case kDetailCreate: OnCreateResult(result); break;
    case kDetailJoin: OnJoinResult(result); break;
    case kDetailBook: OnBookResult(result); break;
    case kDetailFailReason: m_csFailReason = RecordText(result.szReason); break;
    case kDetailConfInvite: OnInviteReceived(result); break;
    default: {
      CString line;
      line.Format("CDlgDataConf::OnConfCtrlResult(detailType=%d iResult=%d)\n", result.detailType, result.iResult);
      WriteLog(line);
      break;
    }
  }
}

// The reason of a failed answer: the one a detail type 14 event gave (then used up), else
// the answer's own.
CString CDlgDataConf::TakeFailReason(const confCtrlResult& result) {
  CString reason = m_csFailReason;
  m_csFailReason.Empty();
  if (reason.IsEmpty()) reason = RecordText(result.szReason);
  return reason;
}

// Detail type 1: the create request's answer.
void CDlgDataConf::OnCreateResult(const confCtrlResult& result) {
  const CString confURI = RecordText(result.szConfURI);
  if (result.iResult == kConfResultOK && m_bCreateTimedOut) {
    // The user was already told that the create failed: leave the late conference at once.
    m_bCreateTimedOut = FALSE;
    CConfMethodRecordPtr record;
    BuildConfLeave(*record, confURI);
    bIMSConfMethod(1, record.get());
    WriteLog("CDlgDataConf::OnCreateResult(create success after time-out, leave)\n");
    return;
  }
  KillTimer(kTimerCreateWait);
  m_bSetupRequestPending = FALSE;
  RemoveFromTimerList(CreateOperationName(result.iConfType));
  if (result.iResult == kConfResultOK && LeaveIfAnotherRuns(confURI)) {
    m_saInitMembers.RemoveAll();
    EnableSetupButtons();
    return;
  }
  if (result.iResult == kConfResultOK) {
    OnCreateSucceeded(result);
    return;
  }
  m_saInitMembers.RemoveAll();
  CString reason = TakeFailReason(result);
  CString text = reason.IsEmpty() ? CString("创建会议失败！") : "创建会场失败，原因：" + reason;
  EnableSetupButtons();
  ShowSetupOutcome(kPageCreate, text);
}

// The created conference runs: the start window hides and the initial members are invited,
// the first at once and the others one every 500 ms.
void CDlgDataConf::OnCreateSucceeded(const confCtrlResult& result) {
  BeginFromResult(result, FALSE);
  // An answer without a maximum leaves the one the user asked for.
  if (m_iMaxMemberCount <= 0) TakeMemberCounts(0, m_iRequestedMaxMembers);
  EnableSetupButtons();
  if (CDlgmmConfPreCreate* start = StartWindow())
    if (start->GetSafeHwnd()) start->PostMessage(WM_PRECREATE_HIDE, kHideAfterSuccess, 0);
  if (m_saInitMembers.GetSize() == 0) return;
  SendInvitation(m_saInitMembers[0]);
  m_saInitMembers.RemoveAt(0);
  if (m_saInitMembers.GetSize() > 0) SetTimer(kTimerInviteQueue, kInviteIntervalMs);
}

// Detail type 7: the join request's answer.
void CDlgDataConf::OnJoinResult(const confCtrlResult& result) {
  CDlgmmConfPreCreate* start = StartWindow();
  if (start && start->m_pJoin) start->m_pJoin->StopJoinWait();
  m_bSetupRequestPending = FALSE;
  if (result.iResult == kConfResultOK) {
    if (!LeaveIfAnotherRuns(RecordText(result.szConfURI))) OnJoinSucceeded(result);
  } else {
    const CString reason = TakeFailReason(result);
    const CString confURI = RecordText(result.szConfURI);
    CString text;
    if (reason.IsEmpty())
      text.Format("加入会场(%s)失败！", (LPCTSTR)confURI);
    else
      text.Format("加入会场(%s)失败，原因：%s", (LPCTSTR)confURI, (LPCTSTR)reason);
    ShowSetupOutcome(kPageJoin, text);
  }
  EnableSetupButtons();
}

// The joined conference runs: the start window hides, as after a create.
void CDlgDataConf::OnJoinSucceeded(const confCtrlResult& result) {
  BeginFromResult(result, TRUE);
  if (CDlgmmConfPreCreate* start = StartWindow())
    if (start->GetSafeHwnd()) start->PostMessage(WM_PRECREATE_HIDE, kHideAfterSuccess, 0);
}

// A create or join answered while another conference runs (an invitation was accepted while
// the request waited): the running conference stays, the answered one is left at once.
BOOL CDlgDataConf::LeaveIfAnotherRuns(const CString& confURI) {
  if (!m_bInConf || confURI == m_csConfURI) return FALSE;
  CConfMethodRecordPtr record;
  BuildConfLeave(*record, confURI);
  bIMSConfMethod(1, record.get());
  WriteLog("CDlgDataConf::LeaveIfAnotherRuns(" + m_csConfURI + " runs, leave " + confURI + ")\n");
  return TRUE;
}

// Detail type 8: the booking's answer.
void CDlgDataConf::OnBookResult(const confCtrlResult& result) {
  KillTimer(kTimerBookWait);
  m_bSetupRequestPending = FALSE;
  CString text;
  if (result.iResult == kConfResultOK)
    text.Format("预约会议成功\r\n主题:%s\r\n会议URI:%s", (LPCTSTR)RecordText(result.szSubject),
                (LPCTSTR)RecordText(result.szConfURI));
  else
    text = "预约会议失败：" + BookFailReasonText(result.iResult);
  ShowSetupOutcome(kPageBook, text);
  EnableSetupButtons();
}
