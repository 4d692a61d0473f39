// Scenario files: parsing with line-numbered refusals, and playing against a module.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "host/ScenarioPlayer.h"
#include "tests/host/FakeModule.h"

namespace {

using host::Scenario;

std::string ParseFailure(const std::string& text) {
  Scenario s;
  std::string error;
  EXPECT_FALSE(host::ParseScenario(text, &s, &error)) << text;
  return error;
}

TEST(ScenarioParse, StepsWithCommentsBlankLinesAndQuotedWords) {
  Scenario s;
  std::string error;
  ASSERT_TRUE(host::ParseScenario("# first\n\ncall LoadUserData\nhost 17 1 \"成员 \\\"甲\\\"\"  # answer\n"
                                  "answer 20032 0\r\nwait 500\nclose\n",
                                  &s, &error))
      << error;
  ASSERT_EQ(s.steps.size(), 5u);
  EXPECT_EQ(s.steps[0].verb, "call");
  EXPECT_EQ(s.steps[0].line, 3);
  EXPECT_EQ(s.steps[1].args, (std::vector<std::string>{"17", "1", "成员 \"甲\""}));
  EXPECT_EQ(s.steps[2].args, (std::vector<std::string>{"20032", "0"}));
  EXPECT_EQ(s.steps[4].verb, "close");
}

TEST(ScenarioParse, RefusalsNameTheLine) {
  EXPECT_EQ(ParseFailure("call LoadUserData\njump 3\n"), "line 2: unknown step 'jump'");
  EXPECT_EQ(ParseFailure("call Open\n"), "line 1: call needs one of GetModuleKind, LoadUserData, Close, "
                                         "Reserved, ClosePopupDialogs, CanExit");
  EXPECT_EQ(ParseFailure("\n\nhost 15 \"unclosed\n"), "line 3: unclosed quote");
  EXPECT_EQ(ParseFailure("wait -5\n"), "line 1: wait needs milliseconds");
  EXPECT_EQ(ParseFailure("answer 20032 yes\n"), "line 1: answer needs a code and a value");
  EXPECT_EQ(ParseFailure("expect\n"), "line 1: expect needs a code and a count");
  EXPECT_EQ(ParseFailure("close now\n"), "line 1: close takes nothing");
}

TEST(ScenarioParse, HostMessagesNeedAPlayableCodeAndItsWords) {
  EXPECT_EQ(ParseFailure("host\n"), "line 1: host needs a code");
  EXPECT_EQ(ParseFailure("host 99999999999\n"), "line 1: host needs a code");
  EXPECT_EQ(ParseFailure("host 8 1\n"), "line 1: host code 8 cannot be played");
  EXPECT_EQ(ParseFailure("host 15 3\n"), "line 1: host 15 takes no words");
  EXPECT_EQ(ParseFailure("host 16 first\n"), "line 1: host 16 takes a page number");
  EXPECT_EQ(ParseFailure("host 9 7 1 x\n"), "line 1: host 9 takes 11, a detail type and a time text (server time)");
}

struct PlayResult {
  bool ok;
  std::string output;
  std::vector<uint32_t> waits;
};

PlayResult Play(host::RecordingHost& h, const std::string& text) {
  Scenario s;
  std::string error;
  EXPECT_TRUE(host::ParseScenario(text, &s, &error)) << error;
  PlayResult result;
  std::ostringstream out;
  host::ScenarioPlayer player(h, [&](uint32_t ms) { result.waits.push_back(ms); }, out);
  result.ok = player.Play(s);
  result.output = out.str();
  return result;
}

TEST(ScenarioPlay, StepsReachTheModuleAndItsTrafficIsPrinted) {
  host::RecordingHost h;
  host_test::FakeModule module(&h);
  h.Attach(&module);
  PlayResult r = Play(h, "call GetModuleKind\nanswer 20032 0\nhost 2\nwait 250\nhost 15\nexpect 20032\nclose\n");
  EXPECT_TRUE(r.ok) << r.output;
  EXPECT_EQ(r.output,
            "> call GetModuleKind\n"
            "< GetModuleKind returned 5\n"
            "> answer 20032 0\n"
            "> host 2\n"
            "module 5 -> host: 20032 (may a conference operation start) -> 0\n"
            "< handled 1\n"
            "> wait 250\n"
            "> host 15\n"
            "< handled 1, member adding 0, request pending 0, in conference 1, point-to-point busy 0\n"
            "> expect 20032\n"
            "< ok: code 20032 sent 1 times\n"
            "> close\n"
            "< Close done\n");
  EXPECT_EQ(module.mayStart, 0);
  EXPECT_TRUE(module.closed);
  EXPECT_EQ(r.waits, std::vector<uint32_t>{250});
}

TEST(ScenarioPlay, FailedExpectationStopsThePlay) {
  host::RecordingHost h;
  host_test::FakeModule module(&h);
  h.Attach(&module);
  PlayResult r = Play(h, "host 2\nexpect 20032 2\nclose\n");
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.output.find("< FAILED: code 20032 sent 1 times, expected at least 2\n"), std::string::npos) << r.output;
  EXPECT_FALSE(module.closed);
}

TEST(ScenarioPlay, NothingIsPlayedWithoutAModule) {
  host::RecordingHost h;
  PlayResult r = Play(h, "call LoadUserData\n");
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.output, "< FAILED: no module\n");
}

TEST(ScenarioPlay, OneShotAnswerIsUsedOnce) {
  host::RecordingHost h;
  host_test::FakeModule module(&h);
  h.Attach(&module);
  PlayResult r = Play(h, "answer-once 20032 0\nhost 2\nhost 2\n");
  EXPECT_TRUE(r.ok);
  ASSERT_EQ(h.CountCode(kHostMayStartConfOp), 2u);
  EXPECT_EQ(h.Events()[0].answer, 0);
  EXPECT_EQ(h.Events()[1].answer, 1);
}

}  // namespace
