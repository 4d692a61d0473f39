// The set-up waits that the pages arm on the conference window: timer 1 (create) and
// timer 4 (booking), 60 seconds each.
#include "tests/confwindow/ConfWindowFixture.h"

namespace tavtest {
namespace {

using SetupWaitTest = ConfWindowTest;

TEST_F(SetupWaitTest, CreateTimeOutShowsTheCreatePageAndMarksTheLateSuccess) {
  UserCreates();
  LookElsewhere();
  Advance(kSetupWaitMs - 1);
  EXPECT_TRUE(Conf()->m_bSetupRequestPending);
  EXPECT_FALSE(Start()->ArePageButtonsEnabled());

  Advance(1);
  EXPECT_FALSE(Conf()->m_bSetupRequestPending);
  EXPECT_TRUE(Conf()->m_bCreateTimedOut);
  EXPECT_TRUE(Start()->ArePageButtonsEnabled());
  EXPECT_TRUE(Start()->IsWindowVisible());
  EXPECT_EQ(kPageCreate, Start()->GetCurrentPage());
  EXPECT_EQ(CString("创建会议超时！"), InfoText());
  EXPECT_EQ(GetMsgTitle(), InfoCaption());

  EXPECT_FALSE(Conf()->KillTimer(kTimerCreateWait)) << "timer 1 killed itself";
}

TEST_F(SetupWaitTest, CreateTimeOutNamesTheFailureReasonOnceAndEmptiesIt) {
  UserCreates();
  DeliverCtrlResult({kDetailFailReason, 0, "", "", "会场资源不足"});
  EXPECT_EQ(CString("会场资源不足"), Conf()->m_csFailReason);
  Advance(kSetupWaitMs);
  EXPECT_EQ(CString("创建会场失败，原因：会场资源不足"), InfoText());
  EXPECT_TRUE(Conf()->m_csFailReason.IsEmpty());
}

TEST_F(SetupWaitTest, CreateTimeOutInAConferenceReportsNothing) {
  UserCreates();
  LookElsewhere();
  AcceptInvitation("sip:other@ims.example.cn");  // a conference runs while the create waits
  Advance(kSetupWaitMs);
  EXPECT_FALSE(Conf()->m_bSetupRequestPending);
  EXPECT_TRUE(Start()->ArePageButtonsEnabled());
  EXPECT_TRUE(Conf()->m_bCreateTimedOut);
  EXPECT_EQ(kPageDefaults, Start()->GetCurrentPage());
  EXPECT_EQ(CString(""), InfoText());
}

TEST_F(SetupWaitTest, BookingTimeOutShowsTheBookPage) {
  UserBooks();
  LookElsewhere();
  Advance(kSetupWaitMs - 1);
  EXPECT_TRUE(Conf()->m_bSetupRequestPending);
  Advance(1);
  EXPECT_FALSE(Conf()->m_bSetupRequestPending);
  EXPECT_FALSE(Conf()->m_bCreateTimedOut);
  EXPECT_TRUE(Start()->ArePageButtonsEnabled());
  EXPECT_TRUE(Start()->IsWindowVisible());
  EXPECT_EQ(kPageBook, Start()->GetCurrentPage());
  EXPECT_EQ(CString("预约会议超时！"), InfoText());
  EXPECT_FALSE(Conf()->KillTimer(kTimerBookWait)) << "timer 4 killed itself";
}

}  // namespace
}  // namespace tavtest
