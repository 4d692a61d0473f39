// The answers to the create (detail type 1), join (7) and booking (8) requests, delivered as
// conference events (host code 9, iType 1).
#include "tests/confwindow/ConfWindowFixture.h"

#include "platform/ui/Desktop.h"
#include "setup/mmconfJoin.h"

namespace tavtest {
namespace {

class SetupAnswerTest : public ConfWindowTest {
 protected:
  // The user creates a conference with these members; the create request's conference type.
  int UserCreatesWith(std::initializer_list<const char*> members) {
    UserCreates(members);
    auto creates = Requests(kConfCreate);
    return creates.empty() ? -1 : creates.back()->iConfType;
  }
  // The hide request waiting in the start window's queue: its wParam, or -1.
  int PendingHideRequest() {
    MSG msg;
    if (!::PeekMessage(&msg, Start()->GetSafeHwnd(), WM_PRECREATE_HIDE, WM_PRECREATE_HIDE, PM_NOREMOVE)) return -1;
    return (int)msg.wParam;
  }
};

TEST_F(SetupAnswerTest, CreateSuccessHidesTheStartWindowAndInvitesTheMembersOneByOne) {
  const int type = UserCreatesWith({kLiuYang, kChenJing, kSunLi});
  ASSERT_TRUE(Conf()->bTimerExist(CDlgDataConf::CreateOperationName(type)));
  ASSERT_EQ(1, DeliverCtrlResult({kDetailCreate, 200, "sip:new@ims.example.cn", "周会", "", type}));

  EXPECT_EQ((int)kHideAfterSuccess, PendingHideRequest());
  EXPECT_TRUE(Conf()->m_bInConf);
  EXPECT_EQ(CString("sip:new@ims.example.cn"), Conf()->GetConfURI());
  EXPECT_EQ(CString("dconf-9"), Conf()->GetDConfID(kDConfID));
  EXPECT_FALSE(Conf()->m_bSetupRequestPending);
  EXPECT_TRUE(Start()->ArePageButtonsEnabled());
  EXPECT_FALSE(Conf()->bTimerExist(CDlgDataConf::CreateOperationName(type))) << "the answer confirms the create";

  auto invites = Requests(kConfInvite);
  ASSERT_EQ(1u, invites.size()) << "the first member at once";
  EXPECT_STREQ("sip:new@ims.example.cn", invites[0]->szConfURI);
  EXPECT_STREQ(kLiuYangURI, invites[0]->szMemberURI);
  Advance(499);
  EXPECT_EQ(1u, Requests(kConfInvite).size());
  Advance(1);
  ASSERT_EQ(2u, Requests(kConfInvite).size());
  EXPECT_STREQ(kChenJingURI, Requests(kConfInvite)[1]->szMemberURI);
  Advance(500);
  ASSERT_EQ(3u, Requests(kConfInvite).size());
  EXPECT_STREQ(kSunLiURI, Requests(kConfInvite)[2]->szMemberURI);
  EXPECT_EQ(0, Conf()->m_saInitMembers.GetSize());
  Advance(kSetupWaitMs);
  EXPECT_EQ(3u, Requests(kConfInvite).size());
  EXPECT_FALSE(Conf()->m_bCreateTimedOut) << "timer 1 was stopped by the answer";

  Pump();
  EXPECT_FALSE(Start()->IsWindowVisible());
  EXPECT_EQ(0u, Host().CountCode(kHostStateChanged)) << "a hide after success tells the host nothing";
}

TEST_F(SetupAnswerTest, CreateFailureReportsOnTheCreatePageAndDropsTheMembers) {
  UserCreates({kLiuYang});
  LookElsewhere();
  DeliverCtrlResult({kDetailCreate, 503, "", "", "会场资源不足"});
  EXPECT_FALSE(Conf()->m_bInConf);
  EXPECT_EQ(0, Conf()->m_saInitMembers.GetSize());
  EXPECT_FALSE(Conf()->m_bSetupRequestPending);
  EXPECT_TRUE(Start()->ArePageButtonsEnabled());
  EXPECT_TRUE(Start()->IsWindowVisible());
  EXPECT_EQ(kPageCreate, Start()->GetCurrentPage());
  EXPECT_EQ(CString("创建会场失败，原因：会场资源不足"), InfoText());
  EXPECT_EQ(-1, PendingHideRequest());
  EXPECT_TRUE(Requests(kConfInvite).empty());
  EXPECT_FALSE(Conf()->KillTimer(kTimerCreateWait));
}

TEST_F(SetupAnswerTest, CreateFailurePrefersTheReasonOfDetailType14) {
  UserCreates();
  DeliverCtrlResult({kDetailFailReason, 0, "", "", "媒体协商失败"});
  DeliverCtrlResult({kDetailCreate, 488, "", "", "其他"});
  EXPECT_EQ(CString("创建会场失败，原因：媒体协商失败"), InfoText());
  EXPECT_TRUE(Conf()->m_csFailReason.IsEmpty());
}

TEST_F(SetupAnswerTest, CreateSuccessAfterTheTimeOutIsLeftAtOnce) {
  UserCreates({kLiuYang});
  Advance(kSetupWaitMs);
  ASSERT_TRUE(Conf()->m_bCreateTimedOut);
  Host().Clear();

  DeliverCtrlResult({kDetailCreate, 200, "sip:late@ims.example.cn"});
  auto leaves = Requests(kConfLeave);
  ASSERT_EQ(1u, leaves.size());
  EXPECT_STREQ("sip:late@ims.example.cn", leaves[0]->szConfURI);
  EXPECT_FALSE(Conf()->m_bCreateTimedOut);
  EXPECT_FALSE(Conf()->m_bInConf);
  EXPECT_TRUE(Requests(kConfInvite).empty());
  EXPECT_EQ(-1, PendingHideRequest());
}

// Members still waiting for their invitation when the created conference ends are not invited
// into the next one.
TEST_F(SetupAnswerTest, InitialMembersOfAnEndedConferenceAreNotInvitedInTheNext) {
  const int type = UserCreatesWith({kLiuYang, kChenJing, kSunLi});
  DeliverCtrlResult({kDetailCreate, 200, "sip:first@ims.example.cn", "", "", type});
  ASSERT_EQ(1u, Requests(kConfInvite).size());
  DeliverStatus(kStatisConfEnded, "sip:first@ims.example.cn");
  JoinConference("sip:second@ims.example.cn");
  Advance(2000);
  EXPECT_TRUE(Requests(kConfInvite).empty());
}

TEST_F(SetupAnswerTest, AJoinFailureReportsOnTheJoinPage) {
  UserJoins("sip:conf7@ims.example.cn");
  LookElsewhere();

  DeliverCtrlResult({kDetailJoin, 404, "sip:conf7@ims.example.cn", "", "会场不存在"});
  EXPECT_FALSE(Start()->m_pJoin->m_bJoinPending);
  EXPECT_FALSE(Conf()->m_bSetupRequestPending);
  EXPECT_TRUE(Start()->ArePageButtonsEnabled());
  EXPECT_TRUE(Start()->IsWindowVisible());
  EXPECT_EQ(kPageJoin, Start()->GetCurrentPage());
  EXPECT_EQ(CString("加入会场(sip:conf7@ims.example.cn)失败，原因：会场不存在"), InfoText());
  EXPECT_FALSE(Conf()->m_bInConf);
  // Timer 16 was stopped: its end of the wait does not come.
  Start()->EnablePageButtons(FALSE);
  Advance(kSetupWaitMs);
  EXPECT_FALSE(Start()->ArePageButtonsEnabled());
}

// The joined conference runs in the conference window, shown in front; the start window stays
// as it is (only a created conference and an accepted invitation hide it).
TEST_F(SetupAnswerTest, AJoinSuccessRunsTheConferenceWithoutAMessage) {
  UserJoins("sip:conf7@ims.example.cn");
  DeliverCtrlResult({kDetailJoin, 200, "sip:conf7@ims.example.cn"});
  EXPECT_TRUE(Conf()->m_bInConf);
  EXPECT_TRUE(Conf()->IsWindowVisible());
  EXPECT_EQ(CString("sip:conf7@ims.example.cn"), Conf()->GetConfURI());
  EXPECT_FALSE(Start()->m_pJoin->m_bJoinPending);
  EXPECT_FALSE(Conf()->m_bSetupRequestPending);
  EXPECT_EQ(CString(""), InfoText());
  EXPECT_TRUE(Start()->ArePageButtonsEnabled());
  EXPECT_EQ((int)kHideAfterSuccess, PendingHideRequest()) << "the start window hides, as after a create";
}

TEST_F(SetupAnswerTest, BookingSuccessNamesSubjectAndURI) {
  UserBooks();
  DeliverCtrlResult({kDetailBook, 200, "sip:book1@ims.example.cn", "月度例会"});
  EXPECT_EQ(CString("预约会议成功\r\n主题:月度例会\r\n会议URI:sip:book1@ims.example.cn"), InfoText());
  EXPECT_EQ(GetMsgTitle(), InfoCaption());
  EXPECT_EQ(kPageBook, Start()->GetCurrentPage());
  EXPECT_TRUE(Start()->IsWindowVisible());
  EXPECT_FALSE(Conf()->m_bSetupRequestPending);
  EXPECT_TRUE(Start()->ArePageButtonsEnabled());
  EXPECT_FALSE(Conf()->KillTimer(kTimerBookWait)) << "timer 4 was stopped";
  EXPECT_FALSE(Conf()->m_bInConf) << "a booking starts no conference";
}

struct BookFailure {
  int code;
  const char* text;
};

class BookingFailureTest : public SetupAnswerTest, public ::testing::WithParamInterface<BookFailure> {};

TEST_P(BookingFailureTest, NamesTheReasonOfItsCode) {
  DeliverCtrlResult({kDetailBook, GetParam().code, "sip:book1@ims.example.cn", "月度例会"});
  EXPECT_EQ(CString("预约会议失败：") + GetParam().text, InfoText());
  EXPECT_EQ(kPageBook, Start()->GetCurrentPage());
}

INSTANTIATE_TEST_SUITE_P(ResultCodes, BookingFailureTest,
                         ::testing::Values(BookFailure{503, "会场资源不足！"}, BookFailure{488, "媒体协商失败！"},
                                           BookFailure{430, "最大成员数超过系统限制！"},
                                           BookFailure{416, "最大成员数超过系统限制！"},
                                           BookFailure{402, "资费不足！"},
                                           BookFailure{420, "会议预约时间早于服务器时间！"},
                                           BookFailure{486, "初始成员列表数超过系统配置所允许的最大成员数！"},
                                           BookFailure{400, "初始成员列表数超过系统配置所允许的最大成员数！"},
                                           BookFailure{500, "分配URI失败！"}, BookFailure{408, "处理超时！"},
                                           BookFailure{404, "请与系统管理员联系！"},
                                           BookFailure{0, "请与系统管理员联系！"}));

TEST_F(SetupAnswerTest, OtherEventsAreLoggedAndARecordlessEventIsRefusedSafely) {
  DeliverCtrlResult({99});
  EXPECT_EQ(1, CountLog("CDlgDataConf::OnConfCtrlResult(detailType=99 iResult=200)\n"));
  HostRecordBlock empty{1, nullptr, 0};
  Deliver(kModuleConfEvent, empty);
  EXPECT_EQ(1, CountLog("[ERROR]CDlgDataConf::OnIMSConfEventVexlonctrl1(iType=1 without record)\n"));
  EXPECT_FALSE(Conf()->m_bInConf);
}

TEST_F(SetupAnswerTest, FieldsWithoutTerminatorAreReadOnlyToTheirEnd) {
  confCtrlResult record;
  memset(&record, 'x', sizeof record);
  record.detailType = kDetailBook;
  record.iResult = 200;
  HostRecordBlock block{1, &record, 0};
  Deliver(kModuleConfEvent, block);
  CString expected = "预约会议成功\r\n主题:" + CString('x', 65) + "\r\n会议URI:" + CString('x', 257);
  EXPECT_EQ(expected, InfoText());
}

}  // namespace
}  // namespace tavtest
