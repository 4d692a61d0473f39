// The book page's OK: the refusals and checks in their order, the booking's fields, the
// server-time request (timer 1 on the page), the start time shifted to the server's clock and
// the booking request, for which the conference window waits (its timer 4).
#include <cstdio>

#include "confwindow/DlgDataConf.h"
#include "module/TavorineModule.h"
#include "module/WindowRoutines.h"
#include "platform/ui/DataExchange.h"
#include "setup/DlgmmConfPreCreate.h"
#include "setup/SetupOptions.h"
#include "setup/SetupRefusals.h"
#include "setup/mmconfPre.h"
#include "vezadazavo/VezadaZavo.h"

namespace {

const UINT_PTR kTimerServerTime = 1;
const UINT kServerTimeWaitMs = 60000;
const int kMethodServerTime = 10;

const FieldCheck kBookFieldChecks[] = {
    {IDC_MAX_MEMBERS, "请输入最大成员数！", "最大成员数只能为数字！"},
    {IDC_DURATION, "请输入会议时长！", "会议时长只能为数字！"},
    {IDC_REMAIN_NOTICE, "请输入剩余时间通知时间！", "剩余时间通知时间只能为数字！"},
    {IDC_PRE_CHAIR_PWD, "请输入主席密码！", "主席密码只能为数字！"},
    {IDC_PRE_VISITOR_PWD, "请输入访客密码！", "访客密码只能为数字！"},
    {IDC_PRE_MEMBER_PWD, "请输入成员密码！", "成员密码只能为数字！"},
};

void Log(const CString& line) {
  if (CTavorineModule* module = TavorineModule()) module->WriteLog(line, 1);
}

// Reads the number from `from` up to the next separator into *value; returns the position after
// the separator, or -1 when no separator follows.
int PieceBefore(const CString& text, int from, char separator, int* value) {
  int at = text.Find(separator, from);
  if (at < 0) return -1;
  *value = atoi(text.Mid(from, at - from));
  return at + 1;
}

}  // namespace

void CmmconfPre::OnOK() {
  m_deptTree.CollapseBelowRoot();
  CString refusal = RequestRefusal();
  if (WindowClosing(this)) return;  // the host closed the module while it was asked
  int focusId = 0;
  if (refusal.IsEmpty()) refusal = FirstFieldRefusal(this, kBookFieldChecks, &focusId);
  if (refusal.IsEmpty()) {
    if (!UpdateData(TRUE)) return;  // a value the exchange refused, with its own message
    refusal = FirstValueRefusal(&focusId);
  }
  if (ShowRefusal(refusal, focusId)) return;
  FillBooking();
  if (!GetIMSDirectApp()) RequestServerTime();
  else OnGotServerTimeResult("");
}

// The checks on the exchanged values; the control to focus, if any, in *focusId.
CString CmmconfPre::FirstValueRefusal(int* focusId) {
  *focusId = IDC_DURATION;
  if (m_iDuration < 3 && m_iDuration != 0) return "会议时长不能小于3分钟！";
  *focusId = IDC_REMAIN_NOTICE;
  if (m_iRemainNotice < 1) return "剩余时间通知时间不能小于1！";
  if (m_iRemainNotice >= m_iDuration) return "剩余时间通知时间要小于会议时长";
  *focusId = 0;
  if (m_csSubject.IsEmpty()) return "请输入会议主题！";
  if (m_csChairPassword.IsEmpty()) return "请输入主席密码！";
  if (m_csVisitorPassword.IsEmpty()) return "请输入访客密码！";
  if (m_csMemberPassword.IsEmpty()) return "请输入成员密码！";
  if (m_csChairPassword != m_csChairPasswordAgain) return "两次输入的主席密码不同！";
  if (m_csVisitorPassword != m_csVisitorPasswordAgain) return "两次输入的访客密码不同！";
  if (m_csMemberPassword != m_csMemberPasswordAgain) return "两次输入的成员密码不同！";
  if (m_iMaxMembers < 2) return "最大成员数不能小于2！";
  if (GetMemberCount() > m_iMaxMembers) return "最大成员数不能小于当前邀请的成员数！";
  return NoticeListRefusal();
}

// The booking's address lists hold kConfListCapacity entries each: more notice addresses than
// that are refused rather than dropped. (Member rows stop at 127, within the member list.)
CString CmmconfPre::NoticeListRefusal() const {
  int sms = m_listNotices.GetItemCount(), email = 0;
  for (int i = 0; i < m_notices.GetCount(); ++i) {
    sms += !m_notices[i].csSmsNumber.IsEmpty();
    email += !m_notices[i].csEmail.IsEmpty();
  }
  if (sms > kConfListCapacity) return "短信通知号码最多200个！";
  if (email > kConfListCapacity) return "电子邮件通知地址最多200个！";
  return CString();
}

// The booking from the exchanged values, the member rows (the chair row apart), the members'
// notice addresses and the typed notice numbers.
void CmmconfPre::FillBooking() {
  m_booking = ConfBookParams();
  m_booking.csSubject = m_csSubject;
  int type = m_comboConfType.GetCurSel();
  m_booking.iConfType = type == 0 || type == 1 ? type : 0;
  m_booking.iMaxMembers = m_iMaxMembers;
  m_booking.iDuration = m_iDuration;
  m_booking.csChairPassword = m_csChairPassword;
  m_booking.csMemberPassword = m_csMemberPassword;
  m_booking.csVisitorPassword = m_csVisitorPassword;
  m_booking.iRemainNotice = m_iRemainNotice;
  for (int row = 0; row < GetMemberCount(); ++row) {
    CString number = NormaliseMemberNumber(m_listMembers.GetItemText(row, 1));
    if (number.IsEmpty()) continue;
    if (m_listMembers.GetItemText(row, 2) == "是") m_booking.csChairURI = number;
    else m_booking.saMembers.Add(number);
  }
  for (int i = 0; i < m_notices.GetCount(); ++i) {
    const NoticeNumber& entry = m_notices[i];
    if (!entry.csSmsNumber.IsEmpty()) m_booking.aSMS.Add({entry.csSmsNumber, entry.bSmsChair});
    if (!entry.csEmail.IsEmpty()) m_booking.aEmail.Add({entry.csEmail, entry.bEmailChair});
  }
  // The typed notice numbers (list 1780 offers SMS numbers only), marked for the chair as typed.
  for (int row = 0; row < m_listNotices.GetItemCount(); ++row)
    m_booking.aSMS.Add({m_listNotices.GetItemText(row, 2), m_listNotices.GetItemText(row, 1) == "是"});
  int split = m_comboSplit.GetCurSel();
  m_booking.iSplitScreen = split >= 0 ? (int)m_comboSplit.GetItemData(split) : 0;
  m_booking.bChairLeaveNoEnd = m_bChairLeaveNoEnd;
  m_tmBookDate = m_tmStartDate;
  m_tmBookTime = m_tmStartTime;
  m_bBookingPending = TRUE;
}

// Conference method 10; the answer (or timer 1 after 60 s) completes the booking.
void CmmconfPre::RequestServerTime() {
  int one = 1;
  bIMSConfMethod(kMethodServerTime, &one);
  if (WindowClosing(this)) {
    DropBooking();
    return;
  }
  KillTimer(kTimerServerTime);
  SetTimer(kTimerServerTime, kServerTimeWaitMs, nullptr);
  if (CDlgmmConfPreCreate* start = StartWindow()) start->EnablePageButtons(FALSE);
}

void CmmconfPre::OnTimer(UINT_PTR id) {
  if (id != kTimerServerTime) return CSetupPage::OnTimer(id);
  KillTimer(kTimerServerTime);
  OnGotServerTimeResult("");
}

void CmmconfPre::DropBooking() {
  m_booking = ConfBookParams();
  m_tmBookDate = m_tmBookTime = CTime();
  m_bBookingPending = FALSE;
}

void CmmconfPre::OnGotServerTimeResult(CString csServerTime) {
  CString line;
  line.Format("CmmconfPre::OnGotServerTimeResult(csServerTime=%s)", (const char*)csServerTime);
  Log(line);
  KillTimer(kTimerServerTime);
  // A late answer, after the wait ran out and the booking went, completes nothing.
  if (!m_bBookingPending) {
    Log("[ERROR]CmmconfPre::OnGotServerTimeResult(no booking waits for the server time)\n");
    return;
  }
  CTime start;
  if (!ChosenStart(&start)) {
    if (CDlgmmConfPreCreate* window = StartWindow()) window->EnablePageButtons(TRUE);
    return;
  }
  CTime server;
  if (!csServerTime.IsEmpty() && !ParseTimeText(csServerTime, &server))
    Log("[ERROR]CmmconfPre::OnGotServerTimeResult(unreadable server time, start time sent unconverted)\n");
  if (server.IsValid() && !csServerTime.IsEmpty()) {
    CTime now = CTime::GetCurrentTime();
    CTime shifted = start - (now - server);
    line.Format("CmmconfPre::OnGotServerTimeResult\r\n csBookingTime=%s\r\n csCurrentTime=%s\r\n csServerTime=%s\r\n "
                "csStartTime=%s",
                (const char*)FormatTimeText(start), (const char*)FormatTimeText(now), (const char*)csServerTime,
                (const char*)FormatTimeText(shifted));
    Log(line);
    start = shifted;
  }
  SendBooking(start);
}

// The start the pickers showed at OK, refused (booking dropped, box shown) when the date is
// invalid or the start is not after the client's present.
BOOL CmmconfPre::ChosenStart(CTime* start) {
  const char* refusal = nullptr;
  if (!m_tmBookDate.IsValid() || m_tmBookDate.GetTime() <= 0) {
    refusal = "会议开始时间无效!";
  } else {
    *start = CTime(m_tmBookDate.GetYear(), m_tmBookDate.GetMonth(), m_tmBookDate.GetDay(), m_tmBookTime.GetHour(),
                   m_tmBookTime.GetMinute(), m_tmBookTime.GetSecond());
    if (!start->IsValid() || *start <= CTime::GetCurrentTime()) refusal = "会议开始时间小于当前时间!";
  }
  if (!refusal) return TRUE;
  DropBooking();
  ShowMessage(refusal);
  return FALSE;
}

void CmmconfPre::SendBooking(const CTime& start) {
  m_booking.startTime = {start.GetYear(), start.GetMonth(), start.GetDay(), start.GetHour(), start.GetMinute(),
                         start.GetSecond()};
  int result = 0;
  {
    CConfMethodRecordPtr record;
    BuildConfBook(*record, m_booking);
    result = bIMSConfMethod(1, record.get());
  }
  DropBooking();
  if (WindowClosing(this)) return;
  CDlgmmConfPreCreate* window = StartWindow();
  if (!result) {
    if (window) window->EnablePageButtons(TRUE);
    return;
  }
  CDlgDataConf* conf = TavorineModule()->m_pDlgDataConf;
  if (!conf) return;
  conf->KillTimer(kTimerBookWait);
  conf->SetTimer(kTimerBookWait, kSetupWaitMs);
  conf->m_bSetupRequestPending = TRUE;
  if (window) window->EnablePageButtons(FALSE);
}

BOOL CmmconfPre::ParseTimeText(CString text, CTime* result) {
  *result = CTime(0, 0, 0, 0, 0, 0);
  text.Trim();
  if (text.IsEmpty()) return FALSE;
  int fields[6] = {};
  const char separators[] = {'-', '-', ' ', ':', ':'};
  int from = 0;
  for (int i = 0; i < 5; ++i) {
    from = PieceBefore(text, from, separators[i], &fields[i]);
    if (from < 0) return FALSE;
  }
  fields[5] = atoi(text.Mid(from));
  *result = CTime(fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]);
  return result->IsValid();
}

CString CmmconfPre::FormatTimeText(const CTime& time) {
  CString text;
  text.Format("%4d-%2d-%2dT%2d:%2d:%2d", time.GetYear(), time.GetMonth(), time.GetDay(), time.GetHour(),
              time.GetMinute(), time.GetSecond());
  text.Replace(" ", "0");
  text.Replace("T", " ");
  return text;
}
