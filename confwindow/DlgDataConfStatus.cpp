// The conference window's handling of conference event iType 7 (confStatisEvent): the members
// of the running conference and their count, and the end of a conference: the running one ends
// its local state, the one of an invitation on screen closes that invitation unanswered.
#include "confwindow/DlgDataConf.h"

#include "module/TavorineModule.h"

void CDlgDataConf::OnConfStatisEvent(const confStatisEvent& event) {
  const CString uri = RecordText(event.szConfURI);
  switch (event.detailType) {
    case kStatisMembers: OnMembersChanged(event); break;
    case kStatisConfEnded: OnConferenceEnded(uri); break;
    default: {
      CString line;
      line.Format("CDlgDataConf::OnConfStatisEvent(detailType=%d)\n", event.detailType);
      WriteLog(line);
      break;
    }
  }
}

// Only the running conference's members count; a count outside 0..capacity is cut to it.
void CDlgDataConf::OnMembersChanged(const confStatisEvent& event) {
  const CString uri = RecordText(event.szConfURI);
  if (!m_bInConf || uri != m_csConfURI) {
    WriteLog("CDlgDataConf::OnConfStatisEvent(members of a conference that does not run here: " + uri + ")\n");
    return;
  }
  int entries = event.iEntryCount;
  if (entries < 0) entries = 0;
  if (entries > kStatisMemberCapacity) entries = kStatisMemberCapacity;
  for (int i = 0; i < entries; ++i) {
    const CString member = RecordText(event.aszMemberURIs[i]);
    if (!member.IsEmpty()) UpdateMember(member, MemberStateText(event.abMemberStates[i]), event.aiMemberIDs[i]);
  }
  TakeMemberCounts(event.iMemberCount, event.iMaxMembers);
}

void CDlgDataConf::TakeMemberCounts(int iMemberCount, int iMaxMembers) {
  if (iMemberCount > 0) m_iMemberCount = iMemberCount;
  if (iMaxMembers > 0) m_iMaxMemberCount = iMaxMembers;
  RefreshConfState();
  RefreshButtons();
}

void CDlgDataConf::OnConferenceEnded(const CString& uri) {
  CString line;
  line.Format("CDlgDataConf::OnConferenceEnded(%s)\n", (LPCTSTR)uri);
  WriteLog(line);
  if (uri.IsEmpty()) return;
  // An invitation to a conference that is over has nothing left to answer.
  if (uri == m_csInviteConfURI) DropInvitation();
  if (m_bInConf && uri == m_csConfURI) EndConference();
}
