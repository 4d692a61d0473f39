// The record of the running conference for the saved conference list: its title, URI, times,
// the user's start role and the events the window saw. It is added to the list, and the list
// saved, when the conference ends.
#include "confwindow/DlgDataConf.h"

#include "module/TavorineModule.h"
#include "platform/Time.h"

namespace {

CString Now() { return CTime::GetCurrentTime().Format("%Y-%m-%d %H:%M:%S"); }

}  // namespace

void CDlgDataConf::BeginConfRecord(BOOL joined) {
  m_confRecord = DataConfInfo();
  m_confRecord.csTitle = m_csSubject;
  m_confRecord.csURI = m_csConfURI;
  m_confRecord.csStartTime = Now();
  m_confRecord.csStartRole = joined ? "成员" : "主席";
  AddConfRecordEvent(joined ? "加入会议" : "创建会议");
}

void CDlgDataConf::AddConfRecordEvent(const CString& text) {
  if (m_bInConf) m_confRecord.saEvents.Add(Now() + " " + text);
}

void CDlgDataConf::SaveConfRecord() {
  if (!m_bInConf || m_confRecord.csStartTime.IsEmpty()) return;
  AddConfRecordEvent("会议结束");
  m_confRecord.csEndTime = Now();
  if (CTavorineModule* module = TavorineModule()) module->AddDataConfInfo(m_confRecord);
  m_confRecord = DataConfInfo();
}
