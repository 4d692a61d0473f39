// The conference window's invitation sender: one request of sub-type 2 per invitee, the
// initial members of a created conference and the invite dialog's queue leaving one every
// 500 ms on timer 34.
#include "confwindow/DlgDataConf.h"

#include "common/ConfMethodRecord.h"
#include "module/TavorineModule.h"

void CDlgDataConf::SendInvitation(const CString& number) {
  CConfMethodRecordPtr record;
  BuildConfInvite(*record, m_csConfURI, number);
  bIMSConfMethod(1, record.get());
}

// Timer 34: the timer kills itself on every tick. Without a conference the queue is dropped;
// otherwise the next number leaves (the initial members of a created conference first, then
// the invite dialog's queue) and the timer is set again. A drained queue gives the invite
// button back.
void CDlgDataConf::OnInviteQueueTimer() {
  KillTimer(kTimerInviteQueue);
  if (!m_bInConf) {
    m_saPendingInvites.RemoveAll();
    return;
  }
  CStringArray& queue = m_saInitMembers.GetSize() > 0 ? m_saInitMembers : m_saPendingInvites;
  if (queue.GetSize() > 0) {
    SendInvitation(queue[0]);
    SetTimer(kTimerInviteQueue, kInviteIntervalMs);
    queue.RemoveAt(0);
  }
  RefreshButtons();
}
