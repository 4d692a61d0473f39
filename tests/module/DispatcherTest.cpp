#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "protocol/ConfMethodRecord.h"
#include "confwindow/DlgDataConf.h"
#include "platform/ui/UserInput.h"
#include "platform/ui/Wnd.h"
#include "setup/DlgmmConfPreCreate.h"
#include "setup/mmconfCreate.h"
#include "setup/SetupIds.h"
#include "tests/support/module/ModuleFixture.h"

namespace {

using tavtest::ExpectTraffic;
using tavtest::kMsg;
using tavtest::kReq;
using tavtest::ModuleTest;
using tavtest::Traffic;

// A top-level window with a title that records the WM_COMMANDs it receives.
class CommandWindow : public CWnd {
 public:
  explicit CommandWindow(const char* title) {
    CreateEx(0, "TavCommandWindow", title, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
  }
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    commands.emplace_back(wParam, lParam);
    return TRUE;
  }
  std::vector<std::pair<WPARAM, LPARAM>> commands;
};

// Codes with a plain block: the handled flag and the traffic, outside and inside a conference.
struct PlainCase {
  int code;
  bool inConference;
  int handled;
  std::vector<Traffic> traffic;
};

TEST_F(ModuleTest, PlainCodesAnswerWithTheirHandledFlagAndTraffic) {
  const PlainCase cases[] = {
      {kModuleRightsChanged, false, 1, {}},
      // The first opening has the set-up trees filled.
      {kModuleOpenUI, true, 1, {{kReq, kTreeFill}, {kReq, kTreeFill}, {kReq, kTreeFill}, {kMsg, kHostFrontWindow}}},
      {kModuleAcceptInvite, false, 1, {}},
      {kModuleRefuseInvite, false, 1, {}},
      {kModuleAssistWindow, false, 1, {}},
      {kModuleAssistWindow, true, 1, {{kMsg, kHostConfMethod}}},
      {kModuleRefreshPages, false, 1, {}},
      {kModuleClearTrees, false, 1, {}},
  };
  for (const PlainCase& c : cases) {
    SCOPED_TRACE("code " + std::to_string(c.code) + (c.inConference ? " in a conference" : ""));
    if (c.inConference) AcceptInvitation();
    Host().Clear();
    HostPlainBlock block{77};
    EXPECT_EQ(c.handled, Deliver(c.code, block));
    EXPECT_EQ(c.handled, block.bHandled);
    ExpectTraffic(Host(), c.traffic);
    if (c.inConference) DeliverStatus(kStatisConfEnded, "sip:conf001@ims.example.cn");
  }
}

TEST_F(ModuleTest, WrongCategoryAndUnknownCodesLeaveTheBlockAlone) {
  HostPlainBlock block{77};
  EXPECT_EQ(0, Module()->OnHostMessage(2, kModuleRightsChanged, &block));
  EXPECT_EQ(77, block.bHandled);
  EXPECT_TRUE(Host().Events().empty());
  EXPECT_EQ(0, Module()->OnHostMessage(kModuleMessageCategory, 4242, &block));
  EXPECT_EQ(77, block.bHandled);
  ExpectTraffic(Host(), {});
  ASSERT_EQ(1u, Host().LogLines().size());
  EXPECT_NE(std::string::npos, Host().LogLines()[0].find("code 4242"));
  EXPECT_EQ(1, Module()->OnHostMessage(kModuleMessageCategory, kModuleRefreshPages, nullptr)) << "no block";
}

TEST_F(ModuleTest, NoHostMessageIsHandledAfterClose) {
  Module()->Close();
  Host().Clear();
  StartConference();
  HostPlainBlock block{77};
  EXPECT_EQ(0, Module()->OnHostMessage(kModuleMessageCategory, kModuleAssistWindow, &block));
  EXPECT_EQ(77, block.bHandled);
  HostRecordBlock event{1, nullptr, 77};
  EXPECT_EQ(77, Deliver(kModuleConfEvent, event)) << "the flag is left as the host set it";
  EXPECT_TRUE(Module()->m_pDlgDataConf->m_bInConf) << "the conference was not touched";
  EXPECT_TRUE(Host().Events().empty());
}

TEST_F(ModuleTest, OpenUIInAConferenceNamesTheConferenceWindowInFront) {
  CDlgDataConf* window = JoinConference();
  HostPlainBlock block{0};
  ASSERT_EQ(1, Deliver(kModuleOpenUI, block));
  Host().Clear();
  ASSERT_EQ(1, Deliver(kModuleOpenUI, block));
  ExpectTraffic(Host(), {{kMsg, kHostFrontWindow}});
  const HostFrontWindowBlock* front = Host().Events()[0].As<HostFrontWindowBlock>();
  EXPECT_EQ((int)(intptr_t)window, front->nValue);
  EXPECT_EQ(0, front->nReserved);
}

TEST_F(ModuleTest, AssistWindowCodeLeavesTheRunningConference) {
  JoinConference("sip:conf42@ims.example.cn");
  HostPlainBlock block{0};
  ASSERT_EQ(1, Deliver(kModuleAssistWindow, block));
  ExpectTraffic(Host(), {{kMsg, kHostConfMethod}});
  const ConfMethodRecord* leave = Host().ConfMethod1(0);
  ASSERT_NE(nullptr, leave);
  EXPECT_EQ(kConfLeave, +leave->iSubType);
  EXPECT_STREQ("sip:conf42@ims.example.cn", leave->szConfURI);
  EXPECT_FALSE(Module()->m_pDlgDataConf->m_bInConf);
}

TEST_F(ModuleTest, RightsChangedReadsTheRightsAgain) {
  VzData().rights.iFeatures = 0x5;
  VzData().rights.iVideo = 0;
  HostPlainBlock block{0};
  ASSERT_EQ(1, Deliver(kModuleRightsChanged, block));
  EXPECT_EQ(0x5, Module()->m_dataConfRight.iFeatures);
  EXPECT_EQ(0, Module()->m_dataConfRight.iVideo);
}

TEST_F(ModuleTest, AcceptAndRefusePressBothInvitationWindows) {
  CommandWindow invite("收到加入多媒体会议邀请");
  CommandWindow p2p("点对点邀请");
  CommandWindow other("点对点邀请 ");
  HostPlainBlock block{0};
  ASSERT_EQ(1, Deliver(kModuleAcceptInvite, block));
  ASSERT_EQ(1, Deliver(kModuleRefuseInvite, block));
  std::vector<std::pair<WPARAM, LPARAM>> want = {{IDOK, 0}, {IDCANCEL, 0}};
  EXPECT_EQ(want, invite.commands);
  EXPECT_EQ(want, p2p.commands);
  EXPECT_TRUE(other.commands.empty()) << "the title must match exactly";
}

TEST_F(ModuleTest, MemberRightAnswerGoesToTheQueryDialogWithTheBlock) {
  CommandWindow query("会议成员权限查询");
  HostMemberRightAnswerBlock answer{200, "允许", 0};
  ASSERT_EQ(1, Deliver(kModuleMemberRightAnswer, answer));
  ASSERT_EQ(1u, query.commands.size());
  EXPECT_EQ(123456u, query.commands[0].first);
  EXPECT_EQ((LPARAM)&answer, query.commands[0].second);
  EXPECT_EQ(1, answer.bHandled);
}

TEST_F(ModuleTest, StatusQueryReportsTheBusyStates) {
  HostStatusBlock status{};
  ASSERT_EQ(1, Deliver(kModuleStatusQuery, status));
  EXPECT_EQ(0, status.bMemberAdding);
  EXPECT_EQ(0, status.bSetupRequestPending);
  EXPECT_EQ(0, status.bInConf);
  UserJoins("sip:conf2@ims.example.cn");  // the join waits for its answer
  Module()->SetP2PBusy(TRUE);
  Host().Clear();
  // The host asks while the user adds a typed member on the create page and the member-right
  // query for it runs; the host's answer ends the query.
  HostStatusBlock adding{};
  OnceInModal(platform::ModalKind::Dialog, [&](const platform::ModalState&) {
    Deliver(kModuleStatusQuery, adding);
    HostMemberRightAnswerBlock answer{200, "", 0};
    Deliver(kModuleMemberRightAnswer, answer);
  });
  ASSERT_TRUE(platform::user::ClickItem(Module()->m_pDlgPreCreate->m_hWnd, IDC_RADIO_CREATE_CONF));
  HWND create = Module()->m_pDlgPreCreate->m_pCreate->m_hWnd;
  ASSERT_TRUE(platform::user::Type(::GetDlgItem(create, IDC_NUMBER_ENTRY), "66009999"));
  ASSERT_TRUE(platform::user::ClickItem(create, IDC_BTN_ADD_NUMBER));
  EXPECT_EQ(1, adding.bMemberAdding);
  ASSERT_EQ(1, Deliver(kModuleStatusQuery, status));
  EXPECT_EQ(0, status.bMemberAdding);
  EXPECT_EQ(1, status.bSetupRequestPending);
  EXPECT_EQ(0, status.bInConf);
  EXPECT_EQ(1, status.bP2PBusy);
  DeliverConfResult(kDetailJoin, "sip:conf2@ims.example.cn", 0, 200);
  ASSERT_EQ(1, Deliver(kModuleStatusQuery, status));
  EXPECT_EQ(0, status.bSetupRequestPending);
  EXPECT_EQ(1, status.bInConf);
}

TEST_F(ModuleTest, ConferenceEventsReachTheConferenceWindow) {
  ASSERT_EQ(nullptr, Module()->m_pDlgDataConf);
  int record = 0;
  HostRecordBlock event{2, &record, 0};
  ASSERT_EQ(1, Deliver(kModuleConfEvent, event));
  ASSERT_NE(nullptr, Module()->m_pDlgDataConf) << "created for the event";
  ASSERT_FALSE(Host().LogLines().empty());
  EXPECT_EQ("CDlgDataConf::OnIMSConfEventVexlonctrl1(iType=2)\n", Host().LogLines().back());
}

TEST_F(ModuleTest, ServerTimeEventIsLoggedByTheModule) {
  confSysTime time{};
  time.detailType = 1;
  memset(time.cSysTime, '9', sizeof time.cSysTime);  // no terminator in the field
  HostRecordBlock event{11, &time, 0};
  ASSERT_EQ(1, Deliver(kModuleConfEvent, event));
  EXPECT_EQ(nullptr, Module()->m_pDlgDataConf);
  ASSERT_EQ(1u, Host().LogLines().size());
  EXPECT_EQ("CTavorineModule::OnIMSConfEvent(confSysTime detailType=1 cSysTime=" + std::string(64, '9') + ")\n",
            Host().LogLines()[0]);
}

TEST_F(ModuleTest, DataConferenceRecordsWithoutAFeatureWindowAreRefused) {
  JoinConference();
  int record = 0;
  HostRecordBlock data{1, &record, 77};
  EXPECT_EQ(0, Deliver(kModuleDataConfRecord, data));
  EXPECT_EQ(0, data.bHandled);
  ExpectTraffic(Host(), {});
}

}  // namespace
