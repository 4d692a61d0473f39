#include "setup/DlgMemberRightQuery.h"

#include "module/TavorineModule.h"
#include "protocol/HostBlocks.h"
#include "setup/MemberIds.h"

namespace {

enum { kTimerCountdown = 2, kTimerReveal = 3 };
const int kQuerySeconds = 10;

typedef BOOL (*SetLayeredFn)(HWND, COLORREF, BYTE, DWORD);

}  // namespace

CDlgMemberRightQuery::CDlgMemberRightQuery(CWnd* parent) : CDialog(IDD_MEMBER_RIGHT_QUERY, parent) {
  MapCommand<CDlgMemberRightQuery>(IDC_RIGHT_CLOSE, &CDlgMemberRightQuery::OnClose);
}

CDlgMemberRightQuery::~CDlgMemberRightQuery() {
  if (m_hUser32) FreeLibrary(m_hUser32);
}

BOOL CDlgMemberRightQuery::OnInitDialog() {
  CDialog::OnInitDialog();
  TavorineModule()->SkinWindow(m_hWnd, "media.skn", "");
  // Layered without an alpha: not drawn until the reveal timer sets one.
  ModifyStyleEx(0, WS_EX_LAYERED);
  m_nSecondsLeft = kQuerySeconds;
  ShowSecondsLeft();
  SetTimer(kTimerCountdown, 1000);
  SetTimer(kTimerReveal, 1000);
  if (m_sendQuery) m_sendQuery();
  return TRUE;
}

void CDlgMemberRightQuery::ShowSecondsLeft() {
  CString text;
  text.Format("剩余时间：%d秒", m_nSecondsLeft);
  SetDlgItemText(IDC_RIGHT_COUNTDOWN, text);
}

void CDlgMemberRightQuery::OnTimer(UINT_PTR id) {
  if (id == kTimerCountdown) {
    --m_nSecondsLeft;
    ShowSecondsLeft();
    if (m_nSecondsLeft < 1) {
      KillTimer(kTimerCountdown);
      SetDlgItemText(IDC_RIGHT_RESULT, "查询超时!");
      GetDlgItem(IDC_RIGHT_CLOSE)->EnableWindow(TRUE);
    }
  } else if (id == kTimerReveal) {
    KillTimer(kTimerReveal);
    SetAlpha(255);
    PostMessage(WM_USER + 100, 0, 0);
  } else {
    CDialog::OnTimer(id);
  }
}

void CDlgMemberRightQuery::SetAlpha(BYTE alpha) {
  if (!m_hUser32) m_hUser32 = LoadLibrary("User32.DLL");
  if (!m_hUser32) return;
  SetLayeredFn setLayered = reinterpret_cast<SetLayeredFn>(GetProcAddress(m_hUser32, "SetLayeredWindowAttributes"));
  if (setLayered) setLayered(m_hWnd, 0, alpha, LWA_ALPHA);
}

BOOL CDlgMemberRightQuery::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (wParam == kMemberRightAnswerCommand) OnAnswer(reinterpret_cast<const void*>(lParam));
  return CDialog::OnCommand(wParam, lParam);
}

// The host's answer {result code, the member as the host names it}.
void CDlgMemberRightQuery::OnAnswer(const void* block) {
  const HostMemberRightAnswerBlock* answer = static_cast<const HostMemberRightAnswerBlock*>(block);
  int code = answer ? answer->nResult : 0;
  const char* member = answer && answer->pText ? answer->pText : "";
  CString result;
  switch (code) {
    case 200:
    case 404:
      m_bAnswered = TRUE;
      KillTimer(kTimerCountdown);
      EndDialog(IDOK);
      break;
    case 403:
      result.Format("添加%s失败：无权限！", member);
      break;
    case 503:
      result.Format("添加%s失败！", member);
      break;
    default:
      break;
  }
  if (!m_bAnswered) SetDlgItemText(IDC_RIGHT_RESULT, result);
  GetDlgItem(IDC_RIGHT_CLOSE)->EnableWindow(TRUE);
  SetDlgItemText(IDC_RIGHT_COUNTDOWN, "");
  KillTimer(kTimerCountdown);
}

void CDlgMemberRightQuery::OnClose() {
  KillTimer(kTimerCountdown);
  EndDialog(m_bAnswered ? IDOK : IDCANCEL);
}
