#include "tests/confwindow/ConfWindowFixture.h"

#include <cstring>
#include <memory>

#include "common/FixedText.h"
#include "confwindow/DlgInfoToolTip.h"
#include "platform/ui/UserInput.h"
#include "setup/BookPageIds.h"
#include "setup/mmconfCreate.h"
#include "setup/mmconfPre.h"
#include "setup/SetupIds.h"
#include "vezadazavo/VezadaZavo.h"

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

void ConfWindowTest::UserCreates(std::initializer_list<const char*> members) {
  ASSERT_TRUE(platform::user::ClickItem(Start()->m_hWnd, IDC_RADIO_CREATE_CONF));
  HWND page = Start()->m_pCreate->m_hWnd;
  for (const char* member : members) {
    ::SetDlgItemText(page, IDC_NUMBER_ENTRY, "");
    ASSERT_TRUE(platform::user::Type(::GetDlgItem(page, IDC_NUMBER_ENTRY), member));
    ASSERT_TRUE(platform::user::ClickItem(page, IDC_BTN_ADD_NUMBER));
  }
  ASSERT_TRUE(platform::user::ClickItem(page, IDOK));
  ASSERT_TRUE(Conf()->m_bSetupRequestPending) << "the create request went out";
}

void ConfWindowTest::UserBooks() {
  VzData().states.bIMSDirectApp = TRUE;
  ASSERT_TRUE(platform::user::ClickItem(Start()->m_hWnd, IDC_RADIO_PRE_CONF));
  HWND page = Start()->m_pPre->m_hWnd;
  const CTime tomorrow = CTime::GetCurrentTime() + CTimeSpan(1, 0, 0, 0);
  ASSERT_TRUE(platform::user::SetDateTime(::GetDlgItem(page, IDC_START_DATE), tomorrow));
  ASSERT_TRUE(platform::user::SetDateTime(::GetDlgItem(page, IDC_START_TIME), tomorrow));
  ASSERT_TRUE(platform::user::ClickItem(page, IDOK));
  ASSERT_TRUE(Conf()->m_bSetupRequestPending) << "the booking went out: " << LastMessageBoxText().str();
}

void ConfWindowTest::LookElsewhere() {
  ASSERT_TRUE(platform::user::ClickItem(Start()->m_hWnd, IDC_RADIO_DEFAULT_SET));
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
