#include "host/scenario/Scenario.h"

#include <fstream>
#include <sstream>

#include "host/scenario/BoardActionWords.h"
#include "host/scenario/BoardAnswers.h"
#include "host/scenario/BoxWords.h"
#include "host/scenario/CallWords.h"
#include "host/scenario/ClockWords.h"
#include "host/scenario/FileWords.h"
#include "host/scenario/HostMessages.h"
#include "host/scenario/InsideAnswers.h"
#include "host/scenario/ItemWords.h"
#include "host/scenario/ListWords.h"
#include "host/scenario/RightAnswers.h"
#include "host/scenario/ScenarioWords.h"
#include "host/scenario/TrafficWords.h"
#include "host/scenario/TreeCheckWords.h"
#include "host/scenario/UserActionWords.h"
#include "host/scenario/UserStateWords.h"
#include "host/scenario/WindowCheckWords.h"

namespace host {
namespace {

bool ParseError(int line, const std::string& reason, std::string* error) {
  *error = "line " + std::to_string(line) + ": " + reason;
  return false;
}

bool AllInts(const std::vector<std::string>& args, size_t from) {
  int value;
  for (size_t i = from; i < args.size(); ++i)
    if (!ParseInt(args[i], &value)) return false;
  return true;
}

// Checks a step's words; "" when the step is well formed, else the reason. `first`: no step
// comes before it.
std::string CheckStep(const ScenarioStep& step, bool first) {
  const std::vector<std::string>& a = step.args;
  const std::string& v = step.verb;
  if (v == "call") {
    if (a.size() != 1 || !IsModuleOperation(a[0])) return "call needs one of GetModuleKind, LoadUserData, Close, "
                                                          "Reserved, ClosePopupDialogs, CanExit";
    return "";
  }
  if (v == "host") {
    int code;
    if (a.empty() || !ParseInt(a[0], &code)) return "host needs a code";
    std::string error;
    CheckHostMessage(code, std::vector<std::string>(a.begin() + 1, a.end()), &error);
    return error;
  }
  if (v == "answer" || v == "answer-once") return a.size() == 2 && AllInts(a, 0) ? "" : v + " needs a code and a value";
  if (v == "wait") {
    int ms;
    return a.size() == 1 && ParseInt(a[0], &ms) && ms >= 0 ? "" : "wait needs milliseconds";
  }
  if (v == "close") return a.empty() ? "" : "close takes nothing";
  if (v == "expect") return (a.size() == 1 || a.size() == 2) && AllInts(a, 0) ? "" : "expect needs a code and a count";
  if (v == "expect-sent") return a.size() == 2 && AllInts({a[0]}, 0) ? "" : "expect-sent needs a code and a text";
  if (v == "note") return "";
  if (IsUserActionVerb(v)) return CheckUserAction(step);
  if (IsWindowCheckVerb(v)) return CheckWindowCheck(step);
  if (IsBoxVerb(v)) return CheckBoxStep(step);
  if (IsItemVerb(v)) return CheckItemStep(step);
  if (IsListVerb(v)) return CheckListStep(step);
  if (IsBoardActionVerb(v)) return CheckBoardAction(step);
  if (IsAnswerVerb(v)) return CheckAnswerStep(step);
  if (IsRightAnswerVerb(v)) return CheckRightAnswer(step);
  if (IsClockVerb(v)) return CheckClockStep(step, first);
  if (IsTrafficVerb(v)) return CheckTrafficStep(step);
  if (IsExpectCallVerb(v)) return CheckExpectCall(step);
  if (IsUserStateVerb(v)) return CheckUserStateStep(step);
  if (IsInsideAnswerVerb(v)) return CheckInsideAnswer(step);
  if (IsTreeCheckVerb(v)) return CheckTreeCheck(step);
  if (IsFileVerb(v)) return CheckFileStep(step);
  return "unknown step '" + v + "'";
}

}  // namespace

bool IsModuleOperation(const std::string& name) {
  for (const char* op : {"GetModuleKind", "LoadUserData", "Close", "Reserved", "ClosePopupDialogs", "CanExit"})
    if (name == op) return true;
  return false;
}

bool ParseScenario(const std::string& text, Scenario* out, std::string* error) {
  Scenario scenario;
  std::istringstream in(text);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    std::vector<std::string> words;
    if (!SplitWords(line, &words)) return ParseError(number, "unclosed quote", error);
    if (words.empty()) continue;
    ScenarioStep step;
    step.line = number;
    step.verb = words[0];
    step.args.assign(words.begin() + 1, words.end());
    std::string reason = CheckStep(step, scenario.steps.empty());
    if (!reason.empty()) return ParseError(number, reason, error);
    scenario.steps.push_back(step);
  }
  *out = scenario;
  return true;
}

void ResolvePaths(ScenarioStep* step, const std::string& folder) {
  std::vector<size_t> paths;
  if (step->verb == "save-board") paths = {1, 2};  // not its last word, `all`
  else if (step->verb == "capture") paths = {1};
  else if (step->verb == "answer-dialog" && step->args[0] == "file") paths = {1};
  else if (IsFileVerb(step->verb)) paths = FileStepSources(*step);
  for (size_t i : paths)
    if (i < step->args.size() && !step->args[i].empty() && step->args[i][0] != '/')
      step->args[i] = folder + "/" + step->args[i];
}

std::string FolderOf(const std::string& path) {
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

bool LoadScenarioFile(const std::string& path, Scenario* out, std::string* error) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    *error = "cannot read " + path;
    return false;
  }
  std::stringstream text;
  text << file.rdbuf();
  if (!ParseScenario(text.str(), out, error)) {
    *error = path + ": " + *error;
    return false;
  }
  for (ScenarioStep& step : out->steps) ResolvePaths(&step, FolderOf(path));
  return true;
}

}  // namespace host
