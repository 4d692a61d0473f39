#include "host/ScenarioPlayer.h"

#include "host/HostMessages.h"
#include "host/ScenarioWords.h"
#include "host/UserActionWords.h"

namespace host {
namespace {

int Int(const std::string& word) {
  int value = 0;
  ParseInt(word, &value);
  return value;
}

}  // namespace

ScenarioPlayer::ScenarioPlayer(RecordingHost& host, Pump pump, std::ostream& out)
    : host_(host), pump_(std::move(pump)), out_(out) {
  host_.SetObserver([this](const HostEvent& event) { out_ << printer_.Format(event) << std::flush; });
}

ScenarioPlayer::~ScenarioPlayer() { host_.SetObserver(nullptr); }

bool ScenarioPlayer::Play(const Scenario& scenario) {
  if (!host_.Module()) {
    out_ << "< FAILED: no module\n";
    return false;
  }
  for (const ScenarioStep& step : scenario.steps)
    if (!PlayStep(step)) return false;
  return true;
}

bool ScenarioPlayer::PlayStep(const ScenarioStep& step) {
  const std::vector<std::string>& a = step.args;
  if (step.verb == "note") {
    out_ << "#";
    for (const std::string& word : a) out_ << ' ' << word;
    out_ << "\n";
    return true;
  }
  out_ << "> " << step.verb;
  for (const std::string& word : a) out_ << ' ' << word;
  out_ << "\n" << std::flush;
  if (step.verb == "call") CallOperation(a[0]);
  else if (step.verb == "close") CallOperation("Close");
  else if (step.verb == "host") {
    std::string result = DeliverHostMessage(host_, Int(a[0]), std::vector<std::string>(a.begin() + 1, a.end()));
    out_ << "< " << result << "\n";
  } else if (step.verb == "answer") host_.Answers().Set(Channel::kMessage, Int(a[0]), Int(a[1]));
  else if (step.verb == "answer-once") host_.Answers().Queue(Channel::kMessage, Int(a[0]), Int(a[1]));
  else if (step.verb == "wait") pump_(static_cast<uint32_t>(Int(a[0])));
  else if (step.verb == "expect") return Expect(Int(a[0]), a.size() > 1 ? Int(a[1]) : 1);
  else if (IsUserActionVerb(step.verb)) {
    std::string failure = PlayUserAction(step);
    out_ << "< " << (failure.empty() ? "done" : "FAILED: " + failure) << "\n";
    return failure.empty();
  }
  return true;
}

void ScenarioPlayer::CallOperation(const std::string& name) {
  ITavorineModule& m = *host_.Module();
  std::string result = "done";
  if (name == "GetModuleKind") {
    result = "returned " + std::to_string(m.GetModuleKind());
  } else if (name == "LoadUserData") {
    result = "returned " + std::to_string(m.LoadUserData());
  } else if (name == "CanExit") {
    result = "returned " + std::to_string(m.CanExit());
  } else if (name == "Close") {
    m.Close();
    closed_ = true;
  } else if (name == "Reserved") {
    m.Reserved();
  } else if (name == "ClosePopupDialogs") {
    m.ClosePopupDialogs();
  }
  out_ << "< " << name << " " << result << "\n";
}

bool ScenarioPlayer::Expect(int code, int count) {
  int sent = static_cast<int>(host_.CountCode(code));
  if (sent >= count) {
    out_ << "< ok: code " << code << " sent " << sent << " times\n";
    return true;
  }
  out_ << "< FAILED: code " << code << " sent " << sent << " times, expected at least " << count << "\n";
  return false;
}

}  // namespace host
