// The named pending operations: refusals, the one-second expiry and its prompt.
#include <string>
#include <vector>

#include "tests/confwindow/ConfWindowFixture.h"

namespace tavtest {
namespace {

struct Expired {
  std::vector<std::string> names;
  std::vector<LPARAM> params;
};
Expired* g_expired = nullptr;

void RecordExpiry(const CString& name, LPARAM lParam) {
  g_expired->names.push_back(name.str());
  g_expired->params.push_back(lParam);
}

class TimerListTest : public ConfWindowTest {
 protected:
  void SetUp() override {
    ConfWindowTest::SetUp();
    g_expired = &expired_;
  }
  void TearDown() override {
    g_expired = nullptr;
    ConfWindowTest::TearDown();
  }
  Expired expired_;
};

TEST_F(TimerListTest, RefusesAnEmptyNameAndANameAlreadyWaiting) {
  EXPECT_FALSE(Conf()->AddToTimerList("", "提示", 5, nullptr, 0));
  EXPECT_EQ(1, CountLog("szOperate is empty or szPrompt is Empty\n"));

  EXPECT_TRUE(Conf()->AddToTimerList("start_xwb", "", 5, nullptr, 0)) << "an empty prompt is accepted";
  EXPECT_FALSE(Conf()->AddToTimerList("start_xwb", "again", 9, nullptr, 0));
  EXPECT_EQ(1, CountLog("CDlgDataConf::AddToTimerList(the timer 'szOpertate = start_xwb' is exist)\n"));
  EXPECT_TRUE(Conf()->bTimerExist("start_xwb"));
}

TEST_F(TimerListTest, ExpiresAfterItsSecondsWithCallbackAndPrompt) {
  ASSERT_TRUE(Conf()->AddToTimerList("vote", "投票超时！", 2, RecordExpiry, 77));
  Advance(1999);
  EXPECT_TRUE(Conf()->bTimerExist("vote"));
  EXPECT_TRUE(expired_.names.empty());
  Advance(1);
  EXPECT_FALSE(Conf()->bTimerExist("vote"));
  ASSERT_EQ(std::vector<std::string>{"vote"}, expired_.names);
  EXPECT_EQ(77, expired_.params[0]);
  ASSERT_EQ(1, Conf()->PromptLines().GetSize());
  EXPECT_EQ(CString("投票超时！"), Conf()->PromptLines()[0]);
  EXPECT_EQ(1, CountLog("CDlgDataConf::OnTimer(the timer 'szOpertate = vote' is timeout)\n"));
  EXPECT_TRUE(Conf()->AddToTimerList("vote", "", 1, nullptr, 0)) << "an expired name may wait again";
}

TEST_F(TimerListTest, EachOperationKeepsItsOwnTimeOnTheOneSecondTicks) {
  ASSERT_TRUE(Conf()->AddToTimerList("a", "", 3, RecordExpiry, 1));
  Advance(500);
  ASSERT_TRUE(Conf()->AddToTimerList("b", "", 1, RecordExpiry, 2));  // due at 1.5 s
  Advance(1499);
  EXPECT_TRUE(expired_.names.empty());
  Advance(1);  // the tick at 2 s
  EXPECT_EQ(std::vector<std::string>{"b"}, expired_.names);
  Advance(999);
  EXPECT_EQ(std::vector<std::string>{"b"}, expired_.names);
  Advance(1);  // 3 s
  EXPECT_EQ((std::vector<std::string>{"b", "a"}), expired_.names);
  EXPECT_EQ(0, Conf()->PromptLines().GetSize()) << "empty prompts show nothing";
}

TEST_F(TimerListTest, TheConfirmingEventRemovesTheOperation) {
  ASSERT_TRUE(Conf()->AddToTimerList("agenda", "议程超时", 1, RecordExpiry, 0));
  EXPECT_TRUE(Conf()->RemoveFromTimerList("agenda"));
  EXPECT_FALSE(Conf()->RemoveFromTimerList("agenda"));
  Advance(5000);
  EXPECT_TRUE(expired_.names.empty());
  EXPECT_EQ(0, Conf()->PromptLines().GetSize());
}

TEST_F(TimerListTest, CreateOperationNamesFollowTheConferenceType) {
  EXPECT_EQ(CString("start_audio"), CDlgDataConf::CreateOperationName(0));
  EXPECT_EQ(CString("start_xwb"), CDlgDataConf::CreateOperationName(4));
  EXPECT_EQ(CString("start_eraisinghand"), CDlgDataConf::CreateOperationName(10));
  EXPECT_EQ(CString("start_file-share"), CDlgDataConf::CreateOperationName(12));
  EXPECT_EQ(CString(""), CDlgDataConf::CreateOperationName(5));
}

}  // namespace
}  // namespace tavtest
