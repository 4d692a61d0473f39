// The join page: the URI form check and its boundaries, the "sip:" form, the refusals in
// their order, the request and its 60-second wait on timer 16.
#include <string>

#include "platform/ui/UserInput.h"
#include "tests/setup/SetupFixture.h"
#include "vezadazavo/VezadaZavo.h"

namespace tavtest {
namespace {

class JoinPageTest : public SetupTest {
 protected:
  void SetUp() override {
    SetupTest::SetUp();
    OpenUI();
    Start()->ShowPage(kPageJoin);
    Host().Clear();
  }
  bool Join(const char* uri, const char* password = "") {
    TypeField(JoinPage(), IDC_JOIN_URI, uri);
    TypeField(JoinPage(), IDC_JOIN_PASSWORD, password);
    return Click(JoinPage(), IDOK);
  }
  std::string SentURI(size_t n = 0) {
    const ConfMethodRecord* record = Host().ConfMethod1(n);
    return record ? record->szConfURI : "(none)";
  }
};

std::string Uri(int userLength, int hostLength) {
  return std::string(userLength, 'u') + "@" + std::string(hostLength - 1, 'h');
}

TEST(JoinUriForm, BoundariesOfTheAtSign) {
  EXPECT_TRUE(CmmconfJoin::IsValidConfURI("conference-without-host"));
  EXPECT_TRUE(CmmconfJoin::IsValidConfURI(Uri(63, 64).c_str()));   // '@' at 63, 64 from it
  EXPECT_FALSE(CmmconfJoin::IsValidConfURI(Uri(64, 10).c_str()));  // '@' at 64
  EXPECT_FALSE(CmmconfJoin::IsValidConfURI(Uri(10, 65).c_str()));  // 65 from the '@'
  EXPECT_FALSE(CmmconfJoin::IsValidConfURI("a@b@c"));
  EXPECT_TRUE(CmmconfJoin::IsValidConfURI("@"));
  // A typed scheme counts in the position.
  EXPECT_FALSE(CmmconfJoin::IsValidConfURI(("sip:" + Uri(60, 10)).c_str()));
}

TEST(JoinUriForm, SchemeIsLowerCasedOrAdded) {
  EXPECT_EQ(CString("sip:Conf01@IMS.cn"), CmmconfJoin::WithSipScheme("SIP:Conf01@IMS.cn"));
  EXPECT_EQ(CString("sip:conf01@ims.cn"), CmmconfJoin::WithSipScheme("Sip:conf01@ims.cn"));
  EXPECT_EQ(CString("sip:conf01@ims.cn"), CmmconfJoin::WithSipScheme("conf01@ims.cn"));
  EXPECT_EQ(CString("sip:tel:123"), CmmconfJoin::WithSipScheme("tel:123"));
  EXPECT_EQ(CString("sip:si"), CmmconfJoin::WithSipScheme("si"));
}

TEST_F(JoinPageTest, SendsTheJoinWithTheUriInSipFormAndThePassword) {
  ASSERT_TRUE(Join("  SIP:Conf01@ims.cn ", "8899"));
  EXPECT_TRUE(Boxes().empty());
  ExpectTraffic(Host(), {{kMsg, kHostConfMethod}, {kMsg, kHostMayStartConfOp}, {kMsg, kHostConfMethod}});
  const ConfMethodRecord* record = Host().ConfMethod1(0);
  ASSERT_NE(nullptr, record);
  int subType = record->iSubType, type = record->iConfType;
  EXPECT_EQ(6, subType);
  EXPECT_EQ(0, type);
  EXPECT_EQ("sip:Conf01@ims.cn", SentURI());
  EXPECT_STREQ("8899", record->szJoinPassword);
  EXPECT_STREQ("", record->szSubject);
  EXPECT_EQ(CString("sip:Conf01@ims.cn"), JoinPage()->m_csConfURI);
  EXPECT_TRUE(JoinPage()->m_bJoinPending);
  EXPECT_TRUE(Conf()->m_bSetupRequestPending);
  EXPECT_FALSE(Start()->ArePageButtonsEnabled());
}

TEST_F(JoinPageTest, AUriWithoutSchemeOrAtSignIsSentWithSip) {
  ASSERT_TRUE(Join("conf77", ""));
  EXPECT_EQ("sip:conf77", SentURI());
}

TEST_F(JoinPageTest, EmptyAndMalformedUrisAreRefusedWithTheFocusOnTheUri) {
  for (std::string uri : {std::string("   "), Uri(64, 5), Uri(5, 65), std::string("a@b@c")}) {
    platform::MessageBoxes::Reset();
    ASSERT_TRUE(Join(uri.c_str()));
    const char* expected = uri == "   " ? "请输入会场URI！" : "您输入的会场URI不符合规范！";
    EXPECT_EQ(std::vector<std::string>{expected}, Boxes()) << uri;
    EXPECT_EQ(::GetDlgItem(JoinPage()->m_hWnd, IDC_JOIN_URI), ::GetFocus());
  }
  EXPECT_EQ(0u, Method1Count());
  EXPECT_FALSE(JoinPage()->m_bJoinPending);
}

TEST_F(JoinPageTest, RefusalsComeInTheirOrder) {
  TypeField(JoinPage(), IDC_JOIN_URI, "a@b@c");
  VzData().states.bTalking = TRUE;
  Module()->SetP2PBusy(TRUE);
  HostAllows(0);
  Click(JoinPage(), IDOK);
  VzData().states.bTalking = FALSE;
  VzData().states.iCountAboveConnecting = 2;
  Click(JoinPage(), IDOK);
  VzData().states.iCountAboveConnecting = 0;
  Click(JoinPage(), IDOK);
  Module()->SetP2PBusy(FALSE);
  EXPECT_EQ(0u, Host().CountCode(kHostMayStartConfOp));
  Click(JoinPage(), IDOK);
  EXPECT_EQ(1u, Host().CountCode(kHostMayStartConfOp));
  EXPECT_EQ((std::vector<std::string>{"通话中，不能进行多媒体会议操作", "通话中，不能进行多媒体会议操作",
                                      "您正在进行数据会议！", "系统忙，请稍后重试！"}),
            Boxes());
  EXPECT_EQ(0u, Method1Count());
}

TEST_F(JoinPageTest, AWaitingJoinRefusesAnotherWithoutAskingTheHost) {
  ASSERT_TRUE(Join("conf01@ims.cn"));
  Start()->EnablePageButtons(TRUE);
  size_t asked = Host().CountCode(kHostMayStartConfOp);
  ASSERT_TRUE(Click(JoinPage(), IDOK));
  EXPECT_EQ(std::vector<std::string>{"您已经发送了加入会议请求，请稍候..."}, Boxes());
  EXPECT_EQ(asked, Host().CountCode(kHostMayStartConfOp));
  EXPECT_EQ(1u, Method1Count());
}

TEST_F(JoinPageTest, TheBackgroundSoundsAreAskedForOnTheFirstOkEvenWhenRefused) {
  VzData().states.bTalking = TRUE;
  ASSERT_TRUE(Join("conf01@ims.cn"));
  VzData().states.bTalking = FALSE;
  ASSERT_TRUE(Join("conf01@ims.cn"));
  EXPECT_EQ(1u, Host().ConfMethodRecords(11).size());
  EXPECT_EQ(1u, Method1Count());
}

TEST_F(JoinPageTest, ARefusedRequestLeavesThePageIdleAndSilent) {
  HostTakesRequests(0);
  ASSERT_TRUE(Join("conf01@ims.cn"));
  EXPECT_TRUE(Boxes().empty());
  EXPECT_FALSE(JoinPage()->m_bJoinPending);
  EXPECT_TRUE(Start()->ArePageButtonsEnabled());
  HostTakesRequests(1);
  ASSERT_TRUE(Click(JoinPage(), IDOK));
  EXPECT_TRUE(JoinPage()->m_bJoinPending);
}

TEST_F(JoinPageTest, SixtySecondsWithoutAnAnswerEndTheWaitSilently) {
  ASSERT_TRUE(Join("conf01@ims.cn"));
  Advance(59999);
  EXPECT_TRUE(JoinPage()->m_bJoinPending);
  Advance(1);
  EXPECT_FALSE(JoinPage()->m_bJoinPending);
  EXPECT_FALSE(Conf()->m_bSetupRequestPending);
  EXPECT_TRUE(Start()->ArePageButtonsEnabled());
  EXPECT_TRUE(Enabled(JoinPage(), IDOK));
  EXPECT_TRUE(Boxes().empty());
  // The timer does not fire again.
  Advance(120000);
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(JoinPageTest, HidingTheWindowResetsThePageButLeavesTheWaitRunning) {
  ASSERT_TRUE(Join("conf01@ims.cn", "12"));
  AcceptInvitation("sip:other@ims.cn");  // the accepted conference hides the start window
  Pump();
  EXPECT_FALSE(Visible(Start()));
  EXPECT_FALSE(JoinPage()->m_bJoinPending);
  EXPECT_EQ(CString(), ItemText(JoinPage(), IDC_JOIN_PASSWORD));
  Advance(60000);
  EXPECT_TRUE(Start()->ArePageButtonsEnabled()) << "timer 16 still ends the wait";
  EXPECT_FALSE(Conf()->m_bSetupRequestPending);
}

}  // namespace
}  // namespace tavtest
