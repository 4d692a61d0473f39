#include "tests/confwindow/ConfWindowFixture.h"

#include <cstring>
#include <memory>

#include "confwindow/DlgInfoToolTip.h"
#include "module/FixedText.h"

namespace tavtest {

void ConfWindowTest::SetUp() {
  ModuleTest::SetUp();
  HostPlainBlock open{0};
  Deliver(kModuleOpenUI, open);
  ASSERT_NE(Conf(), nullptr);
  ASSERT_NE(Conf()->GetSafeHwnd(), nullptr) << "the conference window is made from its template";
  ASSERT_NE(Start(), nullptr);
  Host().Clear();
}

int ConfWindowTest::DeliverCtrlResult(const CtrlResult& r) {
  confCtrlResult record;
  memset(&record, 0, sizeof record);
  record.detailType = r.detailType;
  record.iResult = r.result;
  CopyField(record.szConfURI, r.confURI);
  CopyField(record.szSubject, r.subject);
  CopyField(record.szReason, r.reason);
  CopyField(record.szDConfID, "dconf-9");
  record.iConfType = r.confType;
  record.iMemberCount = r.memberCount;
  record.iMaxMembers = r.maxMembers;
  HostRecordBlock block{1, &record, 0};
  return Deliver(kModuleConfEvent, block);
}

int ConfWindowTest::DeliverStatus(int detail, const char* confURI, int memberCount, int maxMembers,
                                  std::initializer_list<StatusMember> members) {
  auto record = std::make_unique<confStatisEvent>();
  memset(record.get(), 0, sizeof *record);
  record->detailType = detail;
  CopyField(record->szConfURI, confURI);
  record->iMemberCount = memberCount;
  record->iMaxMembers = maxMembers;
  for (const StatusMember& m : members) {
    const int i = record->iEntryCount++;
    CopyField(record->aszMemberURIs[i], m.uri);
    record->abMemberStates[i] = (unsigned char)m.state;
    record->aiMemberIDs[i] = m.id;
  }
  HostRecordBlock block{7, record.get(), 0};
  return Deliver(kModuleConfEvent, block);
}

CString ConfWindowTest::InfoText() {
  CDlgInfoToolTip* box = Start()->m_pInfoToolTip;
  if (!box || !box->IsWindowVisible()) return CString();
  CString text;
  box->GetDlgItemText(IDC_INFO_TEXT, text);
  return text;
}

CString ConfWindowTest::InfoCaption() {
  CString caption;
  if (Start()->m_pInfoToolTip) Start()->m_pInfoToolTip->GetWindowText(caption);
  return caption;
}

std::vector<const ConfMethodRecord*> ConfWindowTest::Requests(int subType) {
  std::vector<const ConfMethodRecord*> found;
  for (size_t i = 0; const ConfMethodRecord* record = Host().ConfMethod1(i); ++i) {
    int type = record->iSubType;
    if (type == subType) found.push_back(record);
  }
  return found;
}

int ConfWindowTest::CountLog(const std::string& text) {
  int count = 0;
  for (const std::string& line : Host().LogLines()) count += line == text;
  return count;
}

}  // namespace tavtest
