// The conference window's timers: the named pending operations (one-second expiry), the
// create wait (timer 1) and the booking wait (timer 4) that the set-up pages arm.
#include "confwindow/DlgDataConf.h"

#include "platform/Tick.h"
#include "setup/DlgmmConfPreCreate.h"
#include "vezadazavo/VezadaZavo.h"

namespace {

// The pending operation of a create request by conference type.
struct CreateOperation {
  int iConfType;
  const char* name;
};
const CreateOperation kCreateOperations[] = {
    {kSubConfAudio, "start_audio"},           {kSubConfVideo, "start_video"},
    {kSubConfAppShare, "start_app-share"},    {kSubConfWhiteboard, "start_xwb"},
    {kSubConfDocShare, "start_doc-share"},    {kSubConfWebShare, "start_web-share"},
    {kSubConfFileTransfer, "start_file-transfer"}, {kSubConfVote, "start_vote"},
    {kSubConfRaiseHand, "start_eraisinghand"}, {kSubConfAgenda, "start_agenda"},
    {kSubConfShareSpace, "start_file-share"},
};

}  // namespace

CString CDlgDataConf::CreateOperationName(int iConfType) {
  for (const CreateOperation& op : kCreateOperations)
    if (op.iConfType == iConfType) return op.name;
  return CString();
}

// ---- Named pending operations ----

BOOL CDlgDataConf::AddToTimerList(CString szOperate, CString szPrompt, int seconds, PendingOpCallback callback,
                                  LPARAM lParam) {
  if (szOperate.IsEmpty()) {
    WriteLog("szOperate is empty or szPrompt is Empty\n");
    return FALSE;
  }
  if (bTimerExist(szOperate)) {
    CString line;
    line.Format("CDlgDataConf::AddToTimerList(the timer 'szOpertate = %s' is exist)\n", (LPCTSTR)szOperate);
    WriteLog(line);
    return FALSE;
  }
  PendingOp op;
  op.csOperate = szOperate;
  op.csPrompt = szPrompt;
  op.dwStart = GetTickCount();
  op.dwDuration = seconds > 0 ? (DWORD)seconds * 1000 : 0;
  op.callback = callback;
  op.lParam = lParam;
  m_aTimerList.Add(op);
  if (m_aTimerList.GetSize() == 1) SetTimer(kTimerPendingOps, 1000);
  return TRUE;
}

BOOL CDlgDataConf::RemoveFromTimerList(CString szOperate) {
  for (int i = 0; i < m_aTimerList.GetSize(); ++i) {
    if (m_aTimerList[i].csOperate != szOperate) continue;
    m_aTimerList.RemoveAt(i);
    if (m_aTimerList.GetSize() == 0) KillTimer(kTimerPendingOps);
    return TRUE;
  }
  return FALSE;
}

BOOL CDlgDataConf::bTimerExist(CString szOperate) const {
  for (int i = 0; i < m_aTimerList.GetSize(); ++i)
    if (m_aTimerList[i].csOperate == szOperate) return TRUE;
  return FALSE;
}

// Expires every operation whose time has passed. Each is taken off the list before its
// callback and prompt run, so that a callback may register the same name again.
void CDlgDataConf::OnPendingOpsTimer() {
  const DWORD now = GetTickCount();
  for (int i = 0; i < m_aTimerList.GetSize();) {
    if (now - m_aTimerList[i].dwStart < m_aTimerList[i].dwDuration) {
      ++i;
      continue;
    }
    PendingOp op = m_aTimerList[i];
    m_aTimerList.RemoveAt(i);
    CString line;
    line.Format("CDlgDataConf::OnTimer(the timer 'szOpertate = %s' is timeout)\n", (LPCTSTR)op.csOperate);
    WriteLog(line);
    if (op.callback) op.callback(op.csOperate, op.lParam);
    if (!op.csPrompt.IsEmpty()) AddPromptLine(op.csPrompt);
  }
  if (m_aTimerList.GetSize() == 0) KillTimer(kTimerPendingOps);
}

// ---- The set-up waits ----

// Timer 1: the create request got no answer in time.
void CDlgDataConf::OnCreateWaitTimer() {
  KillTimer(kTimerCreateWait);
  m_bSetupRequestPending = FALSE;
  EnableSetupButtons();
  if (!m_bInConf) {
    CString text;
    if (!m_csFailReason.IsEmpty()) {
      text = "创建会场失败，原因：" + m_csFailReason;
      m_csFailReason.Empty();
    } else {
      text = "创建会议超时！";
    }
    ShowSetupOutcome(kPageCreate, text);
  }
  m_bCreateTimedOut = TRUE;
}

// Timer 4: the booking got no answer in time.
void CDlgDataConf::OnBookWaitTimer() {
  KillTimer(kTimerBookWait);
  m_bSetupRequestPending = FALSE;
  EnableSetupButtons();
  ShowSetupOutcome(kPageBook, "预约会议超时！");
}
