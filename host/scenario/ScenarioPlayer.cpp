#include "host/scenario/ScenarioPlayer.h"

#include "host/scenario/BoardActionWords.h"
#include "host/scenario/CallWords.h"
#include "host/scenario/ClockWords.h"
#include "host/scenario/FileWords.h"
#include "host/scenario/HostMessages.h"
#include "host/scenario/ItemWords.h"
#include "host/scenario/ListWords.h"
#include "host/scenario/ScenarioWords.h"
#include "host/scenario/TreeCheckWords.h"
#include "host/scenario/UserActionWords.h"
#include "host/scenario/WindowCheckWords.h"
#include "host/scenario/WindowLookup.h"

namespace host {
namespace {

int Int(const std::string& word) {
  int value = 0;
  ParseInt(word, &value);
  return value;
}

// "dialog "会议成员权限查询"" for the loop's window.
std::string LoopName(const platform::ModalState& state) {
  static const char* const kKinds[] = {"dialog", "message box", "menu", "tracker", "common dialog", "wait"};
  std::string name = kKinds[static_cast<int>(state.kind)];
  if (state.window) name += " \"" + WindowTextUtf8(state.window) + "\"";
  return name;
}

}  // namespace

ScenarioPlayer::ScenarioPlayer(RecordingHost& host, Pump pump, std::ostream& out)
    : host_(host), pump_(std::move(pump)), out_(out), abandoned_(platform::Desktop::AbandonedLoops()) {
  host_.SetObserver([this](const HostEvent& event) { OnEvent(event); });
  platform::Desktop::SetModalHook([this](const platform::ModalState& state) { OnModal(state); });
}

ScenarioPlayer::~ScenarioPlayer() {
  platform::Desktop::SetModalHook(nullptr);
  host_.SetObserver(nullptr);
}

bool ScenarioPlayer::Play(const Scenario& scenario) { return PlaySteps(scenario) && Finish(); }

bool ScenarioPlayer::PlaySteps(const Scenario& scenario) {
  if (!host_.Module()) {
    out_ << "< FAILED: no module\n";
    return false;
  }
  scenario_ = &scenario;
  next_ = 0;
  failed_ = false;
  while (!failed_ && next_ < scenario.steps.size()) PlayNext();
  scenario_ = nullptr;
  return !failed_;
}

bool ScenarioPlayer::Finish() {
  std::string unused = boxes_.UnusedAnswer();
  if (unused.empty()) unused = rightAnswers_.Unused();
  if (unused.empty()) unused = answers_.Unused();
  if (unused.empty()) unused = insideAnswers_.Unused();
  if (unused.empty()) return true;
  Fail(unused);
  return false;
}

void ScenarioPlayer::PlayNext() { PlayOne(scenario_->steps[next_++]); }

void ScenarioPlayer::PlayOne(const ScenarioStep& step) {
  size_t index = played_++;
  line_ = step.line;
  StepOutcome outcome = PlayStep(step);
  // When the step opened a dialog, the steps played inside it were printed first: the answer
  // names the step it belongs to.
  std::string whose = played_ > index + 1 ? "line " + std::to_string(step.line) + ": " : "";
  if (!outcome.said.empty()) out_ << "< " << whose << outcome.said << "\n";
  out_ << boxes_.NewBoxes();
  if (outcome.failure.empty()) outcome.failure = CheckAbandoned();
  if (!outcome.failure.empty()) Fail("line " + std::to_string(step.line) + ": " + outcome.failure);
}

ScenarioPlayer::StepOutcome ScenarioPlayer::PlayStep(const ScenarioStep& step) {
  if (step.verb == "note") {
    out_ << "#";
    for (const std::string& word : step.args) out_ << ' ' << word;
    out_ << "\n";
    return {};
  }
  out_ << "> " << step.verb;
  for (const std::string& word : step.args) out_ << ' ' << QuoteWord(word);
  out_ << "\n" << std::flush;
  std::string failure;
  if (IsUserActionVerb(step.verb)) failure = PlayUserAction(step);
  else if (IsItemVerb(step.verb)) failure = PlayItemStep(step);
  else if (IsListVerb(step.verb)) failure = PlayListStep(step);
  else if (IsWindowCheckVerb(step.verb)) failure = PlayWindowCheck(step);
  else if (IsBoxVerb(step.verb)) failure = boxes_.Play(step);
  else if (IsBoardActionVerb(step.verb)) failure = PlayBoardAction(step, answers_);
  else if (IsAnswerVerb(step.verb)) answers_.Prepare(step);
  else if (IsUserStateVerb(step.verb)) failure = userState_.Play(step);
  else if (IsInsideAnswerVerb(step.verb)) insideAnswers_.Prepare(step);
  else if (IsTreeCheckVerb(step.verb)) failure = PlayTreeCheck(step);
  else if (IsFileVerb(step.verb)) failure = PlayFileStep(step);
  else return PlayHostStep(step);
  // A check says ok, an action done.
  if (!failure.empty()) return {"", failure};
  return {step.verb.compare(0, 7, "expect-") == 0 ? "ok" : "done", ""};
}

// The host's own steps: calls, host messages, answers, waits and expected traffic.
ScenarioPlayer::StepOutcome ScenarioPlayer::PlayHostStep(const ScenarioStep& step) {
  const std::vector<std::string>& a = step.args;
  if (step.verb == "call") return {CallOperation(a[0]), ""};
  if (step.verb == "close") return {CallOperation("Close"), ""};
  if (step.verb == "host")
    return {DeliverHostMessage(host_, Int(a[0]), std::vector<std::string>(a.begin() + 1, a.end())), ""};
  if (step.verb == "expect") return Expect(Int(a[0]), a.size() > 1 ? Int(a[1]) : 1);
  if (step.verb == "expect-sent") return ExpectSent(Int(a[0]), a[1]);
  if (IsClockVerb(step.verb)) return {PlayClockStep(step), ""};
  StepOutcome outcome;
  if (IsTrafficVerb(step.verb)) {
    outcome.said = traffic_.Play(step, host_, printer_, &outcome.failure);
    return outcome;
  }
  if (IsExpectCallVerb(step.verb)) {
    outcome.said = PlayExpectCall(*host_.Module(), step, &outcome.failure);
    return outcome;
  }
  if (step.verb == "answer") host_.Answers().Set(Channel::kMessage, Int(a[0]), Int(a[1]));
  else if (step.verb == "answer-once") host_.Answers().Queue(Channel::kMessage, Int(a[0]), Int(a[1]));
  else if (IsRightAnswerVerb(step.verb)) rightAnswers_.Prepare(step);
  else if (step.verb == "wait") pump_(static_cast<uint32_t>(Int(a[0])));
  return {};
}

std::string ScenarioPlayer::CallOperation(const std::string& name) {
  ITavorineModule& m = *host_.Module();
  std::string result = "done";
  int value = 0;
  if (CallReturningOperation(m, name, &value)) {
    result = "returned " + std::to_string(value);
  } else if (name == "Close") {
    m.Close();
    closed_ = true;
  } else if (name == "Reserved") {
    m.Reserved();
  } else if (name == "ClosePopupDialogs") {
    m.ClosePopupDialogs();
  }
  return name + " " + result;
}

ScenarioPlayer::StepOutcome ScenarioPlayer::Expect(int code, int count) {
  int sent = static_cast<int>(host_.CountCode(code));
  std::string times = "code " + std::to_string(code) + " sent " + std::to_string(sent) + " times";
  if (sent >= count) return {"ok: " + times, ""};
  return {"", times + ", expected at least " + std::to_string(count)};
}

// A block the module sent with CODE reads, as the program prints it, TEXT somewhere.
ScenarioPlayer::StepOutcome ScenarioPlayer::ExpectSent(int code, const std::string& text) {
  std::vector<HostEvent> sent = host_.EventsWithCode(code);
  for (const HostEvent& event : sent)
    if (printer_.Format(event).find(text) != std::string::npos) return {"ok: code " + std::to_string(code) + " sent it", ""};
  return {"", "none of the " + std::to_string(sent.size()) + " blocks sent with code " + std::to_string(code) +
                  " reads \"" + text + "\""};
}

// Prints the event; a member-right query that an answer-right step waits for is answered at
// once, inside the query, as a host that knows the answer does.
void ScenarioPlayer::OnEvent(const HostEvent& event) {
  std::string printed = printer_.Format(event);
  out_ << printed << std::flush;
  std::vector<std::string> answer;
  if (event.channel == Channel::kMessage) AnswerInside(event, printed);
  if (event.channel != Channel::kMessage || event.code != kHostMemberRightQuery || !rightAnswers_.Take(&answer)) return;
  out_ << "# the host answers the member-right query at once: 17";
  for (const std::string& word : answer) out_ << ' ' << QuoteWord(word);
  out_ << "\n< " << DeliverHostMessage(host_, kModuleMemberRightAnswer, answer) << "\n";
}

// An answer-inside step that the call matches: its host message is delivered now, before the
// module's call returns.
void ScenarioPlayer::AnswerInside(const HostEvent& event, const std::string& printed) {
  int code = 0;
  std::vector<std::string> words;
  if (!insideAnswers_.Take(event.code, printed, &code, &words)) return;
  out_ << "# the host answers inside the call: " << code;
  for (const std::string& word : words) out_ << ' ' << QuoteWord(word);
  out_ << "\n< " << DeliverHostMessage(host_, code, words) << "\n";
}

std::string ScenarioPlayer::CheckAbandoned() {
  int abandoned = platform::Desktop::AbandonedLoops();
  if (abandoned == abandoned_) return "";
  abandoned_ = abandoned;
  return "a modal loop of the module had nothing to do and was abandoned";
}

// Inside the module's dialogs the scenario goes on; waits and message boxes end by themselves
// (a box takes its answer-box answer or its default button).
void ScenarioPlayer::OnModal(const platform::ModalState& state) {
  if (!scenario_ || failed_) return;
  std::string failure;
  if (answers_.AnswerModal(state, &failure)) {  // a drag in progress, an answered menu or dialog
    if (!failure.empty()) Fail("line " + std::to_string(line_) + ": " + failure);
    return;
  }
  if (state.kind == platform::ModalKind::Wait || state.kind == platform::ModalKind::MessageBox) return;
  ScenarioStep step;
  if (!NextInside(&step)) {
    Fail("the scenario ended while the module waits in the " + LoopName(state) + " for an answer");
    return;
  }
  if (state.window != announced_ || state.depth != announcedDepth_) {
    announced_ = state.window;
    announcedDepth_ = state.depth;
    out_ << "# inside the module's " << LoopName(state) << "\n";
  }
  PlayOne(step);
}

bool ScenarioPlayer::NextInside(ScenarioStep* step) {
  if (next_ < scenario_->steps.size()) {
    *step = scenario_->steps[next_++];
    return true;
  }
  return source_ && source_(step);
}

// The failure line, then every modal loop of the module ends, so the calls return and the
// play stops.
void ScenarioPlayer::Fail(const std::string& reason) {
  out_ << "< FAILED: " << reason << "\n" << std::flush;
  failed_ = true;
  if (platform::Desktop::ModalDepth() > 0) PostQuitMessage(1);
}

}  // namespace host
