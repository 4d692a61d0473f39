// Scripted answers: where each code's answer lands, standing and one-shot answers, and the
// delivery of host messages to a module with its handled flag.
#include <gtest/gtest.h>

#include "host/recording/RecordingHost.h"
#include "tests/host/recording/FakeModule.h"

namespace {

using host::Channel;
using host::RecordingHost;

int AskMayStart(RecordingHost& h) {
  HostMayStartBlock block{0};
  h.OnModuleMessage(kTavorineModuleKind, kHostMayStartConfOp, &block);
  return block.bMayStart;
}

TEST(RecordingHostAnswers, ByDefaultEverythingMayStartAndRequestsAreTaken) {
  RecordingHost h;
  EXPECT_EQ(AskMayStart(h), 1);
  ConfMethodRecord rec{};
  HostMethodBlock block{1, &rec, 0};
  EXPECT_EQ(h.OnModuleMessage(kTavorineModuleKind, kHostConfMethod, &block), 1);
  EXPECT_EQ(block.nResult, 1);
  EXPECT_EQ(h.OnModuleMessage(kTavorineModuleKind, kHostStateChanged, nullptr), 0);
}

TEST(RecordingHostAnswers, OneShotAnswersComeFirstThenTheStandingOne) {
  RecordingHost h;
  h.Answers().Set(Channel::kMessage, kHostMayStartConfOp, 0);
  h.Answers().Queue(Channel::kMessage, kHostMayStartConfOp, 7);
  h.Answers().Queue(Channel::kMessage, kHostMayStartConfOp, 8);
  EXPECT_EQ(AskMayStart(h), 7);
  EXPECT_EQ(AskMayStart(h), 8);
  EXPECT_EQ(AskMayStart(h), 0);
  EXPECT_EQ(AskMayStart(h), 0);
}

TEST(RecordingHostAnswers, TheCopyShowsTheBlockAsSentNotAsAnswered) {
  RecordingHost h;
  h.Answers().Set(Channel::kMessage, kHostDataConfRecord, 42);
  HostMethodBlock block{1, nullptr, 0};
  EXPECT_EQ(h.OnModuleMessage(kTavorineModuleKind, kHostDataConfRecord, &block), 42);
  EXPECT_EQ(block.nResult, 42);
  EXPECT_EQ(h.Events().at(0).As<HostMethodBlock>()->nResult, 0);
  EXPECT_EQ(h.Events().at(0).answer, 42);
}

TEST(RecordingHostAnswers, AnswersOfTreeRequestsAreSeparateFromHostCodes) {
  RecordingHost h;
  // Code 113 is both the member-right query and the tree service's register request.
  h.Answers().Set(Channel::kRequest, kTreeRegister, 5);
  HostTreeBlock tree{kTreeBookPage, nullptr, {0, 0, 0}};
  EXPECT_EQ(h.SendToModule(kDeptTreeService, kTreeRegister, &tree, 0), 5);
  HostMemberRightQueryBlock query{};
  EXPECT_EQ(h.OnModuleMessage(kTavorineModuleKind, kHostMemberRightQuery, &query), 0);
}

TEST(RecordingHostDelivery, DeliversCategoryOneAndReadsTheHandledFlag) {
  RecordingHost h;
  host_test::FakeModule module(&h);
  HostStatusBlock status{};
  EXPECT_EQ(h.Deliver(kModuleStatusQuery, status), 0) << "no module attached yet";
  EXPECT_TRUE(module.received.empty());
  h.Attach(&module);
  EXPECT_EQ(h.Deliver(kModuleStatusQuery, status), 1);
  EXPECT_EQ(status.bInConf, 1);
  ASSERT_EQ(module.received.size(), 1u);
  EXPECT_EQ(module.received[0].category, kModuleMessageCategory);
  EXPECT_EQ(module.received[0].code, kModuleStatusQuery);
}

TEST(RecordingHostDelivery, TheModuleSeesScriptedAnswersDuringTheCall) {
  RecordingHost h;
  host_test::FakeModule module(&h);
  h.Attach(&module);
  h.Answers().Set(Channel::kMessage, kHostMayStartConfOp, 0);
  HostPlainBlock open{};
  EXPECT_EQ(h.Deliver(kModuleOpenUI, open), 1);
  EXPECT_EQ(module.mayStart, 0);
  EXPECT_EQ(h.CountCode(kHostMayStartConfOp), 1u);
}

}  // namespace
