#include "tests/support/module/ModuleFixture.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <sstream>

#include "common/FixedText.h"
#include "protocol/HostBlocks.h"
#include "protocol/InviteEvents.h"
#include "protocol/ConfCtrlResult.h"
#include "confwindow/DlgDataConf.h"
#include "platform/ui/Menu.h"
#include "platform/ui/UserInput.h"
#include "setup/DlgmmConfPreCreate.h"
#include "setup/mmconfJoin.h"
#include "setup/SetupIds.h"
#include "vezadazavo/VezadaZavo.h"

namespace tavtest {

void ModuleTest::SetUp() {
  HostTest::SetUp();
  char pattern[] = "/tmp/tav-module-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  userPath_ = std::string(pattern) + "/";
  VzDataSet data = VzDefaultDataSet();
  data.csUserPath = userPath_.c_str();
  data.csAppPath = userPath_.c_str();
  VzSetDataSet(data);
  module_ = CreateTavorineModule(&Host(), nullptr, nullptr);
  Host().Attach(module_);
}

void ModuleTest::TearDown() {
  DestroyTavorineModule();
  std::error_code error;
  std::filesystem::remove_all(userPath_, error);
  VzSetDataSet(VzDefaultDataSet());
  HostTest::TearDown();
}

int ModuleTest::DeliverConfResult(int detail, const char* uri, int kind, int result, const char* subConfID) {
  confCtrlResult event{};
  event.detailType = detail;
  event.iResult = result;
  strncpy(event.szConfURI, uri, sizeof event.szConfURI - 1);
  strncpy(event.szSubConfID, subConfID, sizeof event.szSubConfID - 1);
  event.iConfType = kind;
  HostRecordBlock block{1, &event, 0};
  return Deliver(kModuleConfEvent, block);
}

CDlgDataConf* ModuleTest::StartConference(const char* uri) {
  if (!module_->m_pDlgDataConf) {
    module_->m_pDlgDataConf = CDlgDataConf::CreateConfWindow();
    Host().Clear();  // the window's own requests (skins, the invite dialog's tree) are not the test's
  }
  module_->m_pDlgDataConf->BeginConference(uri, "dconf-77");
  return module_->m_pDlgDataConf;
}

void ModuleTest::UserJoins(const char* uri) {
  Pump();  // the host's message loop ran since the last event
  if (!module_->m_pDlgPreCreate || !module_->m_pDlgPreCreate->IsWindowVisible()) {
    HostPlainBlock open{0};
    ASSERT_EQ(1, Deliver(kModuleOpenUI, open));
  }
  CDlgmmConfPreCreate* start = module_->m_pDlgPreCreate;
  ASSERT_NE(start, nullptr);
  ASSERT_TRUE(platform::user::ClickItem(start->m_hWnd, IDC_RADIO_JOIN_CONF));
  HWND page = start->m_pJoin->m_hWnd;
  ::SetDlgItemText(page, IDC_JOIN_URI, "");
  ASSERT_TRUE(platform::user::Type(::GetDlgItem(page, IDC_JOIN_URI), uri));
  ASSERT_TRUE(platform::user::ClickItem(page, IDOK));
  ASSERT_TRUE(module_->m_pDlgDataConf->m_bSetupRequestPending) << "the join request went out";
}

CDlgDataConf* ModuleTest::JoinConference(const char* uri, int memberCount, int maxMembers, int confType,
                                         const char* subConfID) {
  UserJoins(uri);
  confCtrlResult answer{};
  answer.detailType = kDetailJoin;
  answer.iResult = kConfResultOK;
  CopyField(answer.szConfURI, uri);
  CopyField(answer.szDConfID, "dconf-77");
  answer.iMemberCount = memberCount;
  answer.iMaxMembers = maxMembers;
  answer.iConfType = confType;
  CopyField(answer.szSubConfID, subConfID);
  HostRecordBlock block{1, &answer, 0};
  EXPECT_EQ(1, Deliver(kModuleConfEvent, block));
  EXPECT_TRUE(module_->m_pDlgDataConf->m_bInConf);
  Pump();  // the start window hides itself
  Host().Clear();
  return module_->m_pDlgDataConf;
}

CDlgDataConf* ModuleTest::AcceptInvitation(const char* uri, int memberCount, int maxMembers) {
  confCtrlResult invite{};
  invite.detailType = kDetailConfInvite;
  CopyField(invite.szConfURI, uri);
  invite.iMemberCount = memberCount;
  invite.iMaxMembers = maxMembers;
  OnceInModal(platform::ModalKind::Dialog,
              [](const platform::ModalState& state) { platform::user::ClickItem(state.window, IDOK); });
  HostRecordBlock block{1, &invite, 0};
  EXPECT_EQ(1, Deliver(kModuleConfEvent, block));
  EXPECT_TRUE(module_->m_pDlgDataConf->m_bInConf);
  Host().Clear();
  return module_->m_pDlgDataConf;
}

int ModuleTest::DeliverStatus(int detail, const char* confURI, int memberCount, int maxMembers,
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


namespace {

std::string Describe(host::Channel channel, int code) {
  std::ostringstream out;
  out << (channel == kMsg ? "msg " : "req ") << code;
  return out.str();
}

}  // namespace

void ExpectTraffic(const host::RecordingHost& host, const std::vector<Traffic>& expected) {
  std::vector<std::string> got;
  for (const host::HostEvent& e : host.Events()) {
    if (e.channel == kMsg && (e.code == kHostWriteLog || e.code == kHostWriteLogPlain)) continue;
    got.push_back(Describe(e.channel, e.code));
  }
  std::vector<std::string> want;
  for (const Traffic& t : expected) want.push_back(Describe(t.channel, t.code));
  EXPECT_EQ(want, got);
}

bool ModuleTest::CloseModuleInsideContextCommand(HWND surface, POINT at, UINT command) {
  bool closed = false;
  OnceInModal(platform::ModalKind::Menu, [&](const platform::ModalState&) {
    OnceInModal(platform::ModalKind::Dialog, [&](const platform::ModalState&) {
      Module()->Close();
      closed = true;
    });
    EXPECT_TRUE(platform::Menus::Choose(command));
  });
  platform::user::MouseDown(surface, at, true);
  platform::user::MouseUp(surface, at, true);
  return closed;
}

}  // namespace tavtest
