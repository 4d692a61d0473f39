#include "setup/mmconfJoin.h"

#include "common/ConfMethodRecord.h"
#include "confwindow/DlgDataConf.h"
#include "module/TavorineModule.h"
#include "module/WindowRoutines.h"
#include "platform/ui/DataExchange.h"
#include "setup/DlgmmConfPreCreate.h"
#include "setup/SetupIds.h"
#include "setup/SetupRefusals.h"

namespace {

const int kMaxUserPartIndex = 63;  // the '@' may stand at index 63 at most
const int kMaxHostPart = 64;       // characters from the '@' to the end

}  // namespace

CmmconfJoin::CmmconfJoin(CWnd* pParent) : CSetupPage(IDD_MMCONF_JOIN, pParent) {}

void CmmconfJoin::DoDataExchange(CDataExchange* dx) {
  CSetupPage::DoDataExchange(dx);
  DDX_TextMax(dx, IDC_JOIN_URI, m_csConfURI, 128);
  DDX_TextMax(dx, IDC_JOIN_PASSWORD, m_csConfPassword, 10);
}

BOOL CmmconfJoin::OnInitDialog() {
  CSetupPage::OnInitDialog();
  SkinPage();
  return TRUE;
}

BOOL CmmconfJoin::IsValidConfURI(const CString& uri) {
  int at = uri.Find('@');
  if (at < 0) return TRUE;
  return at <= kMaxUserPartIndex && uri.GetLength() - at <= kMaxHostPart && uri.Find('@', at + 1) < 0;
}

CString CmmconfJoin::WithSipScheme(const CString& uri) {
  if (uri.Left(4).CompareNoCase("sip:") == 0) return "sip:" + uri.Mid(4);
  return "sip:" + uri;
}

// The refusals before the URI is read, in their order; "" when the join may go on.
CString CmmconfJoin::FirstRefusal() {
  CString refusal = CallRefusal();
  if (refusal.IsEmpty()) refusal = P2PRefusal();
  if (refusal.IsEmpty()) refusal = ConferenceRefusal();
  if (refusal.IsEmpty() && m_bJoinPending) refusal = "您已经发送了加入会议请求，请稍候...";
  if (refusal.IsEmpty() && !HostAllowsConfOperation()) refusal = kBusyText;
  return refusal;
}

void CmmconfJoin::OnOK() {
  RequestBackgroundSoundsOnce();
  // The host may close the module while it is asked.
  if (ShowRefusal(FirstRefusal()) || WindowClosing(this)) return;
  if (!UpdateData(TRUE)) return;
  m_csConfURI.Trim();
  if (m_csConfURI.IsEmpty() || !IsValidConfURI(m_csConfURI)) {
    ShowRefusal(m_csConfURI.IsEmpty() ? "请输入会场URI！" : "您输入的会场URI不符合规范！", IDC_JOIN_URI);
    return;
  }
  m_csConfURI = WithSipScheme(m_csConfURI);
  CConfMethodRecordPtr record;
  BuildConfJoin(*record, m_csConfURI, m_csConfPassword);
  // The wait is armed before the request leaves: an answer that the host gives inside the call
  // (the failure reason, or the result itself) finds it, and no earlier reason is left to it.
  BeginJoinWait();
  BOOL taken = bIMSConfMethod(1, record.get());
  if (WindowClosing(this)) return;  // the host closed the module meanwhile
  if (!taken) EndJoinWait();
}

// The join waits 60 seconds (timer 16), the conference window's set-up request pending and
// the page buttons disabled.
void CmmconfJoin::BeginJoinWait() {
  m_bJoinPending = TRUE;
  if (CDlgDataConf* conf = TavorineModule()->m_pDlgDataConf) {
    conf->m_csFailReason.Empty();
    conf->m_bSetupRequestPending = TRUE;
    if (CDlgmmConfPreCreate* start = StartWindow()) start->EnablePageButtons(FALSE);
  }
  KillTimer(kTimerJoinWait);
  SetTimer(kTimerJoinWait, kSetupWaitMs);
}


void CmmconfJoin::StopJoinWait() {
  KillTimer(kTimerJoinWait);
  m_bJoinPending = FALSE;
}

// The wait ran out, or the host did not take the request: nothing waits any more.
void CmmconfJoin::EndJoinWait() {
  StopJoinWait();
  CTavorineModule* module = TavorineModule();
  if (CDlgDataConf* conf = module ? module->m_pDlgDataConf : nullptr) conf->m_bSetupRequestPending = FALSE;
  if (CDlgmmConfPreCreate* start = StartWindow()) start->EnablePageButtons(TRUE);
}

void CmmconfJoin::OnTimer(UINT_PTR id) {
  if (id != kTimerJoinWait) {
    CSetupPage::OnTimer(id);
    return;
  }
  EndJoinWait();
}

void CmmconfJoin::ResetPage() {
  m_csConfURI.Empty();
  m_csConfPassword.Empty();
  m_bJoinPending = FALSE;
  UpdateData(FALSE);
}
