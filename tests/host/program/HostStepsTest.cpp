// The host program's steps for time, counted traffic, call results, standing member-right
// answers and the sibling library's states, played on the built library: each check fails the
// run on its line when what it checks does not hold, and a bad form is refused before the play.
#include <gtest/gtest.h>

#include <string>

#include "tests/host/program/ProgramRun.h"

namespace {

ProgramRun Play(const std::string& name, const char* text, const std::string& module = TAV_MODULE_LIBRARY) {
  std::string path = WriteScenario(name + "-" + std::to_string(getpid()) + ".scn", text);
  ProgramRun run = RunProgram("--module '" + module + "' --user-folder '" + UserFolder(name) + "' '" + path + "'");
  std::remove(path.c_str());
  return run;
}

bool Says(const ProgramRun& run, const std::string& text) { return run.output.find(text) != std::string::npos; }

// On the virtual clock a wait moves time at once and fires every timer that falls due, in
// order: the module's 50 ms timer has fired exactly once after 50 ms and 1201 times after
// 60.05 s.
TEST(HostSteps, VirtualClockFiresEveryTimerDueAtOnce) {
  ProgramRun run = Play("clock", "clock virtual 2030-02-28 09:00:00\ncall LoadUserData\nwait 49\n"
                                 "expect-sent-count 20003 0\nwait 1\nexpect-sent-count 20003 1 \"tick 1\"\n"
                                 "mark\nwait 60000\nexpect-sent-count 20003 1200 tick\n"
                                 "expect-sent-count 20003 1 \"tick 1201\"\n",
                        TAV_PUMPED_MODULE);
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_LT(run.output.find("\"tick 1200\""), run.output.find("\"tick 1201\"")) << run.output;
}

TEST(HostSteps, TheClockIsSetByTheFirstStepOnly) {
  ProgramRun late = Play("clock-late", "call LoadUserData\nclock virtual\n");
  EXPECT_EQ(late.status, 2) << late.output;
  EXPECT_TRUE(Says(late, "line 2: clock virtual must be the first step")) << late.output;
  ProgramRun date = Play("clock-date", "clock virtual 2030-02-30 09:00:00\n");
  EXPECT_EQ(date.status, 2) << date.output;
  // Each side of a two-sided scenario sets its own clock with its own first step.
  ProgramRun sides = Play("clock-sides", "A call LoadUserData\nB clock virtual\nA clock virtual\n");
  EXPECT_EQ(sides.status, 2) << sides.output;
  EXPECT_TRUE(Says(sides, "line 3: clock virtual must be the first step")) << sides.output;
}

TEST(HostSteps, SentCountsAreExactAndStartAtTheMark) {
  ProgramRun run = Play("sent-count", "call LoadUserData\nhost 2\nmark\nhost 2\nexpect-sent-count 20007 1\n"
                                      "expect-sent-count 20007 2\n");
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_TRUE(Says(run, "< FAILED: line 6: code 20007 sent 1 times in this span, expected 2\n")) << run.output;
  EXPECT_EQ(Play("sent-count-bad", "expect-sent-count 20007\n").status, 2);
  EXPECT_EQ(Play("mark-bad", "mark 3\n").status, 2);
}

TEST(HostSteps, ExpectCallFailsOnAnotherResult) {
  ProgramRun run = Play("expect-call", "call LoadUserData\nexpect-call GetModuleKind 5\nexpect-call CanExit 0\n");
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_TRUE(Says(run, "< FAILED: line 3: CanExit returned 1, expected 0\n")) << run.output;
  ProgramRun nothing = Play("expect-call-bad", "expect-call Close 0\n");
  EXPECT_EQ(nothing.status, 2) << nothing.output;
  EXPECT_TRUE(Says(nothing, "expect-call needs an operation that returns a value")) << nothing.output;
}

// A waiting answer-right answers the first query; the standing answer every one after it, so
// that five typed lists of 26 numbers reach the create page's limit of 127 rows: the numbers
// past it stay in the box.
TEST(HostSteps, AStandingRightAnswerAnswersEveryLaterQuery) {
  std::string text = u8"clock virtual\ncall LoadUserData\nhost 2\nanswer-right 404\nanswer-right-always 200\n";
  for (int number = 80100000; number < 80100130; number += 26) {
    text += u8"type 多媒体会议 1687 ";
    for (int i = 0; i < 26; ++i) text += std::to_string(number + i) + (i < 25 ? ";" : "\n");
    text += u8"click 多媒体会议 1689\n";
  }
  text += u8"expect-sent-count 113 127\nexpect-box 会议初始成员数太多！\nexpect-item 多媒体会议 1485 80100126\n"
          u8"expect-text 多媒体会议 1687 80100127;80100128;80100129\n";
  ProgramRun run = Play("right-always", text.c_str());
  EXPECT_EQ(run.status, 0) << run.output;
  size_t first = run.output.find("query at once: 17 404\n");
  size_t second = run.output.find("query at once: 17 200\n");
  EXPECT_LT(first, second) << run.output;
  EXPECT_EQ(run.output.find("query at once: 17 404\n", first + 1), std::string::npos) << run.output;
  ProgramRun unused = Play("right-always-unused", "call LoadUserData\nanswer-right-always 200\n");
  EXPECT_EQ(unused.status, 1) << unused.output;
  EXPECT_TRUE(Says(unused, "< FAILED: line 2: answer-right-always was never used: no member-right query came\n"))
      << unused.output;
  EXPECT_EQ(Play("right-always-bad", "answer-right-always\n").status, 2);
}

// A state of the sibling library as a scenario sets it, and what the module then does.
struct StateCase {
  const char* name;
  const char* scenario;
  int status;          // 1: the last step fails, because the module saw the state
  const char* output;  // what the run prints
};

void PrintTo(const StateCase& c, std::ostream* out) { *out << c.name; }

class UserStates : public testing::TestWithParam<StateCase> {};

TEST_P(UserStates, TheModuleSeesTheState) {
  const StateCase& c = GetParam();
  ProgramRun run = Play(c.name, c.scenario);
  EXPECT_EQ(run.status, c.status) << run.output;
  EXPECT_TRUE(Says(run, c.output)) << run.output;
}

INSTANTIATE_TEST_SUITE_P(
    HostSteps, UserStates,
    testing::Values(
        StateCase{"in_call",
                  u8"call LoadUserData\nuser in-call on\nhost 2\ntype 多媒体会议 1045 周会\nclick 多媒体会议 1\n"
                  u8"expect-box 通话中，不能进行多媒体会议操作\nexpect-sent-count 102 0 \"method 1 ->\"\n",
                  0, "ok: code 102 sent 0 times"},
        StateCase{"signing_out",
                  u8"call LoadUserData\nuser signed-in off\nhost 2\ntype 多媒体会议 1687 80005678@ims.example.cn\n"
                  u8"click 多媒体会议 1689\nexpect-item 多媒体会议 1485 80005678@ims.example.cn\n",
                  1, "< FAILED: line 6: "},
        StateCase{"auto_accept",
                  u8"clock virtual\nuser auto-accept on\ncall LoadUserData\n"
                  u8"host 9 1 31 0 sip:80005678@ims.example.cn \"\" -1\nwait 10\nexpect-window 点对点白板 visible\n",
                  0, "    answer 1\n"},
        StateCase{"direct_mode",
                  u8"clock virtual 2030-02-28 09:00:00\nuser direct-mode on\ncall LoadUserData\nhost 16 2\n"
                  u8"type 多媒体会议 1761 季度评审\nset-time 多媒体会议 1486 \"2030-03-01 10:00:00\"\n"
                  u8"set-time 多媒体会议 1497 \"2030-03-01 10:00:00\"\nclick 多媒体会议 1\n"
                  u8"expect-sent-count 102 0 \"method 10\"\nexpect-sent-count 102 1 \"record: book\"\n",
                  0, "ok: code 102 sent 1 times reading \"record: book\""},
        StateCase{"rights", u8"user rights 1 0 0\ncall LoadUserData\nhost 2\nchoose 多媒体会议 1688 1\n", 1,
                  "< FAILED: line 4: "},
        StateCase{"ini", u8"ini ConfType 0\ncall LoadUserData\nhost 2\nchoose 多媒体会议 1688 1\n", 1,
                  "< FAILED: line 4: "},
        StateCase{"disk_full",
                  u8"user disk-full on\ncall LoadUserData\nhost 2\nclick 多媒体会议 1108\n"
                  u8"type 多媒体会议 1996 周会\ntype 多媒体会议 2002 8\ntype 多媒体会议 1997 60\n"
                  u8"type 多媒体会议 1998 5\nclick 多媒体会议 1\nexpect-box 会议缺省设置修改成功！\n",
                  1, u8"< FAILED: line 10: no box \"会议缺省设置修改成功！\" since the last expect-box; shown: none\n"},
        StateCase{"unknown_state", "user away on\n", 2, "line 1: user takes in-call"},
        StateCase{"unknown_ini_key", "ini Skin blue\n", 2, "line 1: ini takes a key the module reads"}),
    [](const testing::TestParamInfo<StateCase>& info) { return std::string(info.param.name); });

}  // namespace
