// The host program's create scenario, played in process: the user fills the create page and
// presses OK, the host answers, and the conference runs with the start window hidden.
#include <sstream>

#include "host/scenario/Scenario.h"
#include "host/scenario/ScenarioPlayer.h"
#include "tests/setup/SetupFixture.h"

namespace tavtest {
namespace {

using CreateScenarioTest = SetupTest;

TEST_F(CreateScenarioTest, TheCreateScenarioPlaysToTheRunningConference) {
  host::Scenario scenario;
  std::string error;
  ASSERT_TRUE(host::LoadScenarioFile(TAV_SCENARIO_DIR "create.scn", &scenario, &error)) << error;
  std::ostringstream out;
  host::ScenarioPlayer player(Host(), [this](uint32_t ms) { Advance(ms); }, out);
  EXPECT_TRUE(player.Play(scenario)) << out.str();
  const ConfMethodRecord* create = Host().ConfMethod1(0);
  ASSERT_NE(nullptr, create);
  int subType = create->iSubType, type = create->iConfType, split = create->iSplitScreen;
  EXPECT_EQ(1, subType);
  EXPECT_EQ(1, type);
  EXPECT_EQ(4, split);
  EXPECT_STREQ("项目周例会", create->szSubject);
  EXPECT_NE(std::string::npos, out.str().find(u8"subject \"项目周例会\"")) << "the printed traffic shows the record";
  EXPECT_TRUE(player.Closed());
}

TEST(UserActionWords, StepsAreCheckedBeforeTheyPlay) {
  host::Scenario scenario;
  std::string error;
  EXPECT_TRUE(host::ParseScenario("type \"多媒体会议\" 1045 会议\nclick 多媒体会议 1\nchoose 多媒体会议 1688 2\n",
                                  &scenario, &error))
      << error;
  EXPECT_FALSE(host::ParseScenario("click 多媒体会议 OK\n", &scenario, &error));
  EXPECT_FALSE(host::ParseScenario("type 多媒体会议 1045\n", &scenario, &error));
  EXPECT_FALSE(host::ParseScenario("choose 多媒体会议 1688 first\n", &scenario, &error));
  EXPECT_TRUE(host::ParseScenario("host 9 1 1 200 sip:c@ims.cn\n", &scenario, &error)) << error;
  EXPECT_FALSE(host::ParseScenario("host 9 1 1 ok sip:c@ims.cn\n", &scenario, &error));
  EXPECT_FALSE(host::ParseScenario("host 9 11 1 a b\n", &scenario, &error));
}

}  // namespace
}  // namespace tavtest
