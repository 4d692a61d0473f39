// The book page's OK: refusals and checks in their order, the booking record, the server-time
// request and its time-out on timer 1, the start time shifted to the server's clock, and the
// conference window's wait on timer 4.
#include <cstring>
#include <fstream>

#include "confwindow/DlgDataConf.h"
#include "protocol/HostBlocks.h"
#include "setup/mmconfDefaultSet.h"
#include "tests/setup/BookPageFixture.h"
#include "vezadazavo/VezadaZavo.h"

namespace tavtest {
namespace {

using Texts = std::vector<std::string>;


class BookRequestTest : public BookPageTest {
 protected:
  void SetUp() override {
    BookPageTest::SetUp();
    ChooseStart(CTime(2023, 11, 15, 10, 0, 0));
  }
  void ChooseStart(const CTime& start) {
    ASSERT_TRUE(platform::user::SetDateTime(Item(IDC_START_DATE), start));
    ASSERT_TRUE(platform::user::SetDateTime(Item(IDC_START_TIME), start));
  }
  bool PressOK() { return Click(Pre(), IDOK); }
  // The virtual clock's present: 2023-11-15 06:13:20 local time at the start.
  CTime Now() { return CTime::GetCurrentTime(); }
  size_t ServerTimeRequests() { return Host().ConfMethodRecords(10).size(); }
  const ConfMethodRecord* Booking(size_t n = 0) { return Host().ConfMethod1(n); }
  std::string StartText(size_t n = 0) {
    const ConfMethodRecord* record = Booking(n);
    return record ? std::string(record->szStartTime, 19) : "(none)";
  }
  void ServerAnswers(const char* text, int detailType = 1) {
    confSysTime answer{};
    answer.detailType = detailType;
    strncpy(answer.cSysTime, text, sizeof answer.cSysTime - 1);
    HostRecordBlock block{11, &answer, 0};
    Deliver(kModuleConfEvent, block);
  }
  std::vector<std::string> List(const ConfMethodRecord& record, ConfListKind kind) {
    std::vector<std::string> texts;
    for (int i = 0; const char* text = GetConfListEntry(record, kind, i); ++i) texts.push_back(text);
    return texts;
  }
  bool LogHas(const char* text) {
    for (const std::string& line : Host().LogLines())
      if (line.find(text) != std::string::npos) return true;
    return false;
  }
};

// ---- Time texts ----

TEST(BookTimeText, ServerTimeIsSplitAtDashesBlankAndColons) {
  CTime time;
  EXPECT_TRUE(CmmconfPre::ParseTimeText(" 2009-3-7 8:05:00 ", &time));
  EXPECT_EQ(CTime(2009, 3, 7, 8, 5, 0), time);
  EXPECT_FALSE(CmmconfPre::ParseTimeText("2009-03-07T08:05:00", &time));
  EXPECT_FALSE(time.IsValid());
  EXPECT_FALSE(CmmconfPre::ParseTimeText("", &time));
  EXPECT_FALSE(CmmconfPre::ParseTimeText("2009-03-07 08:05", &time));
  EXPECT_EQ("2009-03-07 08:05:00", CmmconfPre::FormatTimeText(CTime(2009, 3, 7, 8, 5, 0)).str());
  EXPECT_EQ("2025-01-05 09:05:03", CmmconfPre::FormatTimeText(CTime(2025, 1, 5, 9, 5, 3)).str());
}

// ---- Refusals and checks ----

TEST_F(BookRequestTest, BusyRefusalsComeFirstInTheirOrder) {
  VzData().states.bTalking = TRUE;
  Module()->SetP2PBusy(TRUE);
  HostAllows(0);
  ASSERT_TRUE(PressOK());
  VzData().states.bTalking = FALSE;
  ASSERT_TRUE(PressOK());
  Module()->SetP2PBusy(FALSE);
  ASSERT_TRUE(PressOK());
  EXPECT_EQ((Texts{"通话中，不能进行多媒体会议操作", "您正在进行数据会议！", "系统忙，请稍后重试！"}), Boxes());
  EXPECT_EQ(0u, ServerTimeRequests());
  EXPECT_EQ(0u, Method1Count());
}

TEST_F(BookRequestTest, FieldChecksInOrderWithFocus) {
  struct Case {
    int id;
    const char* text;
    const char* refusal;
  };
  const Case cases[] = {
      {IDC_MAX_MEMBERS, "", "请输入最大成员数！"},       {IDC_DURATION, "6a", "会议时长只能为数字！"},
      {IDC_REMAIN_NOTICE, "", "请输入剩余时间通知时间！"}, {IDC_PRE_CHAIR_PWD, "12x", "主席密码只能为数字！"},
      {IDC_PRE_VISITOR_PWD, "", "请输入访客密码！"},      {IDC_PRE_MEMBER_PWD, "", "请输入成员密码！"},
  };
  // Every field broken at once: each repair shows the next field's refusal.
  for (const Case& c : cases) SetField(Pre(), c.id, c.text);
  for (const Case& c : cases) {
    ASSERT_TRUE(PressOK());
    EXPECT_EQ(c.refusal, LastBox());
    EXPECT_EQ(Item(c.id), ::GetFocus()) << c.refusal;
    SetField(Pre(), c.id, c.id == IDC_MAX_MEMBERS ? "10" : c.id == IDC_DURATION ? "60" : c.id == IDC_REMAIN_NOTICE ? "5" : "1234");
  }
  EXPECT_EQ(0u, ServerTimeRequests());
}

TEST_F(BookRequestTest, ValueChecks) {
  struct Case {
    const char* duration;
    const char* notice;
    const char* refusal;
  };
  for (const Case& c : {Case{"2", "1", "会议时长不能小于3分钟！"}, Case{"0", "1", "剩余时间通知时间要小于会议时长"},
                        Case{"10", "10", "剩余时间通知时间要小于会议时长"}, Case{"10", "0", "剩余时间通知时间不能小于1！"}}) {
    SetField(Pre(), IDC_DURATION, c.duration);
    SetField(Pre(), IDC_REMAIN_NOTICE, c.notice);
    ASSERT_TRUE(PressOK());
    EXPECT_EQ(c.refusal, LastBox()) << c.duration << "/" << c.notice;
  }
  SetField(Pre(), IDC_DURATION, "10");
  SetField(Pre(), IDC_REMAIN_NOTICE, "9");
  SetField(Pre(), IDC_PRE_SUBJECT, "");
  ASSERT_TRUE(PressOK());
  EXPECT_EQ("请输入会议主题！", LastBox());
  SetField(Pre(), IDC_PRE_SUBJECT, "周会");
  SetField(Pre(), IDC_PRE_VISITOR_PWD_AGAIN, "9");
  SetField(Pre(), IDC_PRE_MEMBER_PWD_AGAIN, "9");
  ASSERT_TRUE(PressOK());
  EXPECT_EQ("两次输入的访客密码不同！", LastBox());
  SetField(Pre(), IDC_PRE_VISITOR_PWD_AGAIN, "1234");
  ASSERT_TRUE(PressOK());
  EXPECT_EQ("两次输入的成员密码不同！", LastBox());
  SetField(Pre(), IDC_PRE_MEMBER_PWD_AGAIN, "1234");
  SetField(Pre(), IDC_MAX_MEMBERS, "1");
  ASSERT_TRUE(PressOK());
  EXPECT_EQ("最大成员数不能小于2！", LastBox());
  SetField(Pre(), IDC_MAX_MEMBERS, "5");
  TypeMembers(Pre(), 6);
  ASSERT_TRUE(PressOK());
  EXPECT_EQ("最大成员数不能小于当前邀请的成员数！", LastBox());
  EXPECT_EQ(0u, ServerTimeRequests());
  Pre()->m_listMembers.DeleteItem(5);
  ASSERT_TRUE(PressOK());
  EXPECT_EQ(1u, ServerTimeRequests()) << "five rows with a maximum of five pass";
}

// ---- The booking record ----

TEST_F(BookRequestTest, RecordCarriesMembersChairAndNoticeListsWithFlags) {
  VzData().states.bIMSDirectApp = TRUE;
  std::string typed = std::string(kLiuYang) + ";" + kChenJing + ";" + kSunLi;
  ASSERT_TRUE(AddTyped(typed.c_str()));
  ASSERT_TRUE(platform::user::DoubleClickListItem(Item(IDC_MEMBER_LIST), 1));  // 陈静 is chair
  ASSERT_TRUE(platform::user::ChooseComboItem(Item(IDC_CONF_TYPE), 1));
  ASSERT_TRUE(Click(Pre(), IDC_CHAIR_LEAVE_NO_END));
  ASSERT_TRUE(PressOK());
  ASSERT_EQ(1u, Method1Count());
  const ConfMethodRecord& record = *Booking();
  int subType = record.iSubType, type = record.iConfType, max = record.iMaxMembers, duration = record.iDuration;
  int notice = record.iRemainNotice, split = record.iSplitScreen, leave = record.bChairLeaveNoEnd;
  EXPECT_EQ(7, subType);
  EXPECT_EQ(1, type);
  EXPECT_EQ(10, max);
  EXPECT_EQ(60, duration);
  EXPECT_EQ(5, notice);
  EXPECT_EQ(6, split);
  EXPECT_EQ(0, leave);
  EXPECT_STREQ("周会", record.szSubject);
  EXPECT_STREQ("1234", record.szChairPassword);
  EXPECT_STREQ("sip:80002002@ims.example.cn", record.szChairURI);
  EXPECT_EQ((Texts{"sip:80002001@ims.example.cn", "sip:80003001@ims.example.cn"}), List(record, kConfMemberList));
  EXPECT_EQ((Texts{"13600002001", "66002002", "13500003001"}), List(record, kConfSMSList));
  EXPECT_EQ((Texts{"liuyang@example.cn", "chenjing@example.cn"}), List(record, kConfEmailList));
  int smsFlags[3], emailFlags[2];
  memcpy(smsFlags, (const char*)&record + offsetof(ConfMethodRecord, iSMSChairFlag), sizeof smsFlags);
  memcpy(emailFlags, (const char*)&record + offsetof(ConfMethodRecord, iEmailChairFlag), sizeof emailFlags);
  EXPECT_EQ((std::vector<int>{0, 1, 0}), std::vector<int>(smsFlags, smsFlags + 3));
  EXPECT_EQ((std::vector<int>{0, 1}), std::vector<int>(emailFlags, emailFlags + 2));
}

TEST_F(BookRequestTest, WithoutChairRowOrSplitScreenThoseFieldsStayZero) {
  VzData().states.bIMSDirectApp = TRUE;
  VzData().caps.csMediaServer = "Convedia";
  HostPlainBlock block{0};
  Deliver(kModuleRightsChanged, block);
  EXPECT_EQ(2, ((CComboBox*)Pre()->GetDlgItem(IDC_SPLIT_SCREEN))->GetCount());
  ASSERT_TRUE(AddTyped(kLiuYang));
  ChooseStart(CTime(2023, 11, 15, 10, 0, 0));
  ASSERT_TRUE(PressOK());
  ASSERT_EQ(1u, Method1Count());
  int split = Booking()->iSplitScreen, type = Booking()->iConfType;
  EXPECT_EQ(0, split);
  EXPECT_EQ(0, type);
  EXPECT_STREQ("", Booking()->szChairURI);
  EXPECT_EQ(1u, List(*Booking(), kConfMemberList).size());
}

// A list full to its capacity goes out whole; one more address is refused at OK (see the
// notice numbers dialog's tests).
TEST_F(BookRequestTest, NoticeAddressesUpToTheListCapacityAllGoOut) {
  VzData().states.bIMSDirectApp = TRUE;
  for (int i = 0; i < 200; ++i) {
    CString n;
    n.Format("1390000%04d", i);
    Pre()->UpsertNoticeEntry(n, n, n, 0, n + "@mail.cn", 0);
  }
  Pre()->UpsertNoticeEntry("x", "x", "", 0, "x@mail.cn", 0);
  ASSERT_TRUE(PressOK());
  EXPECT_EQ("电子邮件通知地址最多200个！", LastBox());
  EXPECT_EQ(0u, Method1Count());
  Pre()->RemoveNoticeEntry("x", "x");
  ASSERT_TRUE(PressOK());
  ASSERT_EQ(1u, Method1Count());
  int sms = Booking()->iSMSCount, email = Booking()->iEmailCount;
  EXPECT_EQ(200, sms);
  EXPECT_EQ(200, email);
  EXPECT_EQ("13900000199", List(*Booking(), kConfSMSList).back());
}

TEST_F(BookRequestTest, IniWithoutVideoOffersAudioOnly) {
  std::ofstream(UserPath() + "Vexlon.ini") << "[VEXLON_IMS]\nConfType=2\n";
  HostPlainBlock block{0};
  Deliver(kModuleRightsChanged, block);
  EXPECT_EQ(1, ((CComboBox*)Pre()->GetDlgItem(IDC_CONF_TYPE))->GetCount());
  EXPECT_FALSE(::IsWindowVisible(Item(IDC_SPLIT_SCREEN)));
}

// ---- Start time and the server's clock ----

TEST_F(BookRequestTest, DirectModeSendsTheChosenTimeAtOnceAndTheConferenceWindowWaits) {
  VzData().states.bIMSDirectApp = TRUE;
  ASSERT_TRUE(PressOK());
  EXPECT_EQ(0u, ServerTimeRequests());
  EXPECT_EQ("2023-11-15 10:00:00", StartText());
  EXPECT_EQ('\0', Booking()->szStartTime[19]);
  EXPECT_TRUE(Conf()->m_bSetupRequestPending);
  EXPECT_FALSE(Start()->ArePageButtonsEnabled());
  // Timer 4 on the conference window ends the wait after 60 s.
  Advance(59000);
  EXPECT_TRUE(Conf()->m_bSetupRequestPending);
  Advance(1000);
  EXPECT_FALSE(Conf()->m_bSetupRequestPending);
  EXPECT_TRUE(Start()->ArePageButtonsEnabled());
}

TEST_F(BookRequestTest, TheStartIsShiftedToTheServersClock) {
  ASSERT_TRUE(PressOK());
  ASSERT_EQ(1u, ServerTimeRequests());
  int one = 0;
  memcpy(&one, Host().ConfMethodRecords(10)[0], sizeof one);
  EXPECT_EQ(1, one);
  EXPECT_FALSE(Start()->ArePageButtonsEnabled());
  EXPECT_EQ(0u, Method1Count());
  ServerAnswers("2023-11-15 6:18:20");  // five minutes ahead of the client
  ASSERT_EQ(1u, Method1Count());
  EXPECT_EQ("2023-11-15 10:05:00", StartText());
  EXPECT_TRUE(LogHas("csBookingTime=2023-11-15 10:00:00"));
  EXPECT_TRUE(LogHas("csStartTime=2023-11-15 10:05:00"));
  // The wait on timer 1 was stopped: nothing more goes out.
  Advance(60000);
  EXPECT_EQ(1u, Method1Count());
}

// The visitor password is a field like the others: with no default visitor password the user
// types one and books.
TEST_F(BookRequestTest, TheUserTypesTheVisitorPasswordAndBooks) {
  ASSERT_TRUE(Click(Start(), IDC_RADIO_DEFAULT_SET));
  CWnd* defaults = Start()->m_pDefaultSet;
  const std::pair<int, const char*> fields[] = {{IDC_DFS_SUBJECT, "周会"},   {IDC_DFS_MAX_MEMBERS, "10"},
                                                {IDC_DFS_DURATION, "60"},   {IDC_DFS_REMAIN_NOTICE, "5"},
                                                {IDC_DFS_MEMBER_PWD, "12"}, {IDC_DFS_CHAIR_PWD, "34"},
                                                {IDC_DFS_VISITOR_PWD, ""}};
  for (const auto& field : fields) SetField(defaults, field.first, field.second);
  ASSERT_TRUE(Click(defaults, IDOK));
  ASSERT_EQ("会议缺省设置修改成功！", LastBox());
  ASSERT_TRUE(Click(Start(), IDC_RADIO_PRE_CONF));
  ChooseStart(CTime(2023, 11, 15, 10, 0, 0));
  ASSERT_TRUE(PressOK());
  EXPECT_EQ("请输入访客密码！", LastBox());
  ASSERT_TRUE(platform::user::Type(Item(IDC_PRE_VISITOR_PWD), "5678"));
  ASSERT_TRUE(platform::user::Type(Item(IDC_PRE_VISITOR_PWD_AGAIN), "5678"));
  ASSERT_TRUE(PressOK());
  ServerAnswers("2023-11-15 6:18:20");
  ASSERT_EQ(1u, Method1Count());
  EXPECT_STREQ("5678", Booking()->szVisitorPassword);
}

TEST_F(BookRequestTest, WithoutAnswerTheChosenTimeGoesAfterSixtySeconds) {
  ASSERT_TRUE(PressOK());
  Advance(59000);
  EXPECT_EQ(0u, Method1Count());
  Advance(1000);
  ASSERT_EQ(1u, Method1Count());
  EXPECT_EQ("2023-11-15 10:00:00", StartText());
  EXPECT_TRUE(Conf()->m_bSetupRequestPending);
}

TEST_F(BookRequestTest, ALateOrForeignServerTimeSendsNoSecondBooking) {
  ServerAnswers("2023-11-15 6:18:20");  // nothing asked
  EXPECT_EQ(0u, Method1Count());
  ASSERT_TRUE(PressOK());
  ServerAnswers("2023-11-15 6:18:20", 2);  // another detail type is not the page's
  EXPECT_EQ(0u, Method1Count());
  Advance(60000);
  ASSERT_EQ(1u, Method1Count());
  ServerAnswers("2023-11-15 6:18:20");
  EXPECT_EQ(1u, Method1Count());
  EXPECT_TRUE(LogHas("[ERROR]CmmconfPre::OnGotServerTimeResult(no booking waits"));
}

TEST_F(BookRequestTest, AnUnreadableServerTimeLeavesTheStartUnconverted) {
  ASSERT_TRUE(PressOK());
  ServerAnswers("2023-11-15T06:18:20");
  ASSERT_EQ(1u, Method1Count());
  EXPECT_EQ("2023-11-15 10:00:00", StartText());
  EXPECT_TRUE(LogHas("unreadable server time"));
}

TEST_F(BookRequestTest, TheStartMustLieAfterTheClientsPresent) {
  VzData().states.bIMSDirectApp = TRUE;
  ChooseStart(Now());
  ASSERT_TRUE(PressOK());
  EXPECT_EQ("会议开始时间小于当前时间!", LastBox());
  EXPECT_EQ(0u, Method1Count());
  EXPECT_TRUE(Start()->ArePageButtonsEnabled());
  ChooseStart(Now() + CTimeSpan(1));
  ASSERT_TRUE(PressOK());
  ASSERT_EQ(1u, Method1Count());
  EXPECT_EQ("2023-11-15 06:13:21", StartText());
}

TEST_F(BookRequestTest, ARefusedTimeAfterTheServerWaitEnablesThePageButtons) {
  ChooseStart(Now() + CTimeSpan(30));
  ASSERT_TRUE(PressOK());
  EXPECT_FALSE(Start()->ArePageButtonsEnabled());
  Advance(60000);  // by then the chosen start has passed
  EXPECT_EQ("会议开始时间小于当前时间!", LastBox());
  EXPECT_EQ(0u, Method1Count());
  EXPECT_TRUE(Start()->ArePageButtonsEnabled());
}

TEST_F(BookRequestTest, ABookingTheHostDoesNotTakeEnablesThePageButtons) {
  VzData().states.bIMSDirectApp = TRUE;
  HostTakesRequests(0);
  ASSERT_TRUE(PressOK());
  EXPECT_EQ(1u, Method1Count());
  EXPECT_TRUE(Start()->ArePageButtonsEnabled());
  EXPECT_FALSE(Conf()->m_bSetupRequestPending);
  EXPECT_TRUE(Boxes().empty());
}

}  // namespace
}  // namespace tavtest
