// Steps played inside the module's modal loops: the scenario goes on inside a dialog that
// holds its caller, and a loop left without an answer or a step failing inside it ends the
// loop and the play.
#include <gtest/gtest.h>

#include <sstream>

#include "host/scenario/ScenarioPlayer.h"
#include "tests/host/recording/FakeModule.h"
#include "tests/support/DesktopTest.h"

namespace {

// Code 13 runs a dialog's modal loop until code 17 answers it, as the member-right query does.
class ModalModule : public host_test::FakeModule {
 public:
  using FakeModule::FakeModule;
  int OnHostMessage(int category, int code, void* block) override {
    if (code == kModuleMemberRightAnswer) answered = true;
    if (code == kModuleAssistWindow) {
      answered = false;
      loopEnded = platform::Desktop::RunModalLoop(platform::ModalKind::Dialog, nullptr, [this] { return !answered; });
      loopReturned = true;
    }
    return FakeModule::OnHostMessage(category, code, block);
  }
  bool answered = false;
  bool loopEnded = false;
  bool loopReturned = false;
};

class ModalPlayTest : public tavtest::DesktopTest {
 protected:
  bool Play(const std::string& text) {
    host::Scenario s;
    std::string error;
    EXPECT_TRUE(host::ParseScenario(text, &s, &error)) << error;
    host.Attach(&module);
    host::ScenarioPlayer player(host, [](uint32_t) {}, out);
    return player.Play(s);
  }
  void TearDown() override {
    PeekMessage(nullptr, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);  // what a failed play leaves
    DesktopTest::TearDown();
  }
  host::RecordingHost host;
  ModalModule module{&host};
  std::ostringstream out;
};

TEST_F(ModalPlayTest, StepsAfterTheDialogsStartArePlayedInsideItsLoop) {
  ASSERT_TRUE(Play("host 13\nnote asked\nhost 17 200 x\nhost 15\n")) << out.str();
  EXPECT_TRUE(module.loopEnded);
  std::string expected =
            "> host 13\n# inside the module's dialog\n# asked\n> host 17 200 x\n< handled 0\n< line 1: handled 0\n> host 15";
  EXPECT_EQ(out.str().substr(0, expected.size()), expected);
}

TEST_F(ModalPlayTest, AScenarioEndingInsideADialogFailsAndEndsTheLoop) {
  EXPECT_FALSE(Play("host 13\nnote nobody answers\n"));
  EXPECT_TRUE(module.loopReturned);
  EXPECT_FALSE(module.loopEnded);
  EXPECT_NE(out.str().find("< FAILED: the scenario ended while the module waits in the dialog for an answer\n"),
            std::string::npos)
      << out.str();
}

TEST_F(ModalPlayTest, AFailedStepInsideADialogStopsThePlay) {
  EXPECT_FALSE(Play("host 13\nexpect 20032\nhost 17 200 x\nhost 15\n"));
  EXPECT_TRUE(module.loopReturned);
  EXPECT_NE(out.str().find("< FAILED: line 2: code 20032 sent 0 times, expected at least 1\n"), std::string::npos)
      << out.str();
  EXPECT_EQ(out.str().find("host 15"), std::string::npos) << out.str();
}

}  // namespace
