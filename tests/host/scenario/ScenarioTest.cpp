// Scenario files: parsing with line-numbered refusals, and playing against a module.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "host/scenario/ScenarioPlayer.h"
#include "host/scenario/ScenarioWords.h"
#include "platform/ui/MessageBox.h"
#include "tests/host/recording/FakeModule.h"

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
  ASSERT_TRUE(host::ParseScenario("expect-box \"a\\r\\nb \\\\\"\n", &s, &error)) << error;
  EXPECT_EQ(s.steps[0].args, (std::vector<std::string>{"a\r\nb \\"}));
  EXPECT_EQ(host::QuoteWord(s.steps[0].args[0]), "\"a\\r\\nb \\\\\"");
  EXPECT_EQ(host::QuoteWord("plain"), "plain");
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
  EXPECT_EQ(ParseFailure("host 16 first\n"), "line 1: host 16 takes a page number and member numbers");
  EXPECT_EQ(ParseFailure("host 3\n"), "line 1: host 3 takes a peer URI");
  EXPECT_EQ(ParseFailure("host 9 5 1 x\n").substr(0, 61), "line 1: host 9 takes 11, a detail type and a time text; 7, a ");
  EXPECT_EQ(ParseFailure("host 9 1 31 0 sip:a@b \"\" -1 colour=red\n"),
            "line 1: unknown word 'colour=red' in a conference event");
  EXPECT_EQ(ParseFailure("host 9 1 1 200 sip:a@b max=ten\n"), "line 1: the value of max does not fit: 'ten'");
  EXPECT_EQ(ParseFailure("host 9 1 1 200 sip:a@b types=4:x\n"), "line 1: the value of types does not fit: '4:x'");
  EXPECT_EQ(ParseFailure("host 9 11 1 " + std::string(65, '9') + "\n"), "line 1: the time text is longer than 64 bytes");
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
  EXPECT_NE(r.output.find("< FAILED: line 2: code 20032 sent 1 times, expected at least 2\n"), std::string::npos) << r.output;
  EXPECT_FALSE(module.closed);
}

TEST(ScenarioPlay, NothingIsPlayedWithoutAModule) {
  host::RecordingHost h;
  PlayResult r = Play(h, "call LoadUserData\n");
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.output, "< FAILED: no module\n");
}

TEST(ScenarioPlay, ConferenceEventWordsFillTheirFields) {
  host::RecordingHost h;
  host_test::FakeModule module(&h);
  h.Attach(&module);
  // The point-to-point invitation in its six words, then a create answer with its ids and sizes.
  PlayResult r = Play(h, std::string("host 9 1 31 0 sip:peer@ims.example.cn \"\" -2\n"
                         u8"host 9 1 1 200 sip:conf@ims.example.cn 周会 max=10 members=3 dconf=D-1 subconf=W-7 "
                         u8"chair=sip:chair@x member=sip:m@x member-id=5 state=connected reason=忙 types=0,5:12 "
                         u8"subconf-type=4 type=2\n"));
  ASSERT_TRUE(r.ok) << r.output;
  const confCtrlResult& e = module.lastResult;
  EXPECT_EQ(std::string(e.szConfURI), "sip:conf@ims.example.cn");
  EXPECT_EQ(std::string(e.szSubject), "周会");  // scenario texts are UTF-8, the module's GBK
  EXPECT_EQ(std::string(e.szReason), "忙");
  EXPECT_EQ(std::string(e.szDConfID), "D-1");
  EXPECT_EQ(std::string(e.szSubConfID), "W-7");
  EXPECT_EQ(std::string(e.szChairURI), "sip:chair@x");
  EXPECT_EQ(std::string(e.szMemberURI), "sip:m@x");
  EXPECT_EQ(std::string(e.szMemberState), "connected");
  int ints[] = {e.detailType, e.iResult, e.iMaxMembers, e.iMemberCount, e.iMemberID, e.iTypeCount,
                e.aiTypes[0], e.aiTypes[1], e.iSubConfType, e.iConfType, e.aiSubConfIDs[0], e.aiSubConfIDs[1]};
  EXPECT_EQ(std::vector<int>(ints, ints + 12), (std::vector<int>{1, 200, 10, 3, 5, 2, 0, 5, 4, 2, 0, 12}));
}

TEST(ScenarioPlay, StatusEventWordsListTheMembers) {
  host::RecordingHost h;
  host_test::FakeModule module(&h);
  h.Attach(&module);
  PlayResult r = Play(h, "host 9 7 1 sip:conf@x members=3 max=8 entry=sip:a@x,connected,11 entry=sip:b@x,1\n");
  ASSERT_TRUE(r.ok) << r.output;
  ASSERT_EQ(module.lastStatis.size(), sizeof(confStatisEvent));
  const confStatisEvent& e = *reinterpret_cast<const confStatisEvent*>(module.lastStatis.data());
  int ints[] = {e.detailType, e.iMemberCount, e.iMaxMembers, e.iEntryCount, e.aiMemberIDs[0], e.aiMemberIDs[1],
                e.abMemberStates[0], e.abMemberStates[1]};
  EXPECT_EQ(std::vector<int>(ints, ints + 8), (std::vector<int>{1, 3, 8, 2, 11, 0, 2, 1}));
  EXPECT_EQ(std::string(e.szConfURI), "sip:conf@x");
  EXPECT_EQ(std::string(e.aszMemberURIs[1]), "sip:b@x");
  EXPECT_TRUE(Play(h, "host 9 7 2 sip:conf@x\n").ok);
  EXPECT_EQ(reinterpret_cast<const confStatisEvent*>(module.lastStatis.data())->detailType, 2);
  EXPECT_EQ(ParseFailure("host 9 7 1 sip:conf@x entry=sip:a@x,gone\n"),
            "line 1: unknown or unfit word 'entry=sip:a@x,gone' in a conference status event");
}

TEST(ScenarioPlay, AnAnswerNothingTookFailsThePlay) {
  host::RecordingHost h;
  host_test::FakeModule module(&h);
  h.Attach(&module);
  PlayResult r = Play(h, "answer-right 200 x\nhost 2\n");
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.output.find("< FAILED: line 1: answer-right was never used: no member-right query came\n"),
            std::string::npos)
      << r.output;
  r = Play(h, "host 2\nanswer-box no\n");
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.output.find("< FAILED: line 2: an answer-box answer was never used: no message box came\n"),
            std::string::npos)
      << r.output;
  platform::MessageBoxes::Reset();  // the unused answer stays scripted
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
