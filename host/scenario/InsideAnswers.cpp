#include "host/scenario/InsideAnswers.h"

#include "host/scenario/HostMessages.h"
#include "host/scenario/ScenarioWords.h"

namespace host {

bool IsInsideAnswerVerb(const std::string& verb) { return verb == "answer-inside"; }

std::string CheckInsideAnswer(const ScenarioStep& step) {
  const std::vector<std::string>& a = step.args;
  int code = 0, hostCode = 0;
  if (a.size() < 3 || !ParseInt(a[0], &code) || !ParseInt(a[2], &hostCode))
    return "answer-inside needs a code, a text and a host message";
  std::string error;
  CheckHostMessage(hostCode, std::vector<std::string>(a.begin() + 3, a.end()), &error);
  return error;
}

bool InsideAnswers::Take(int code, const std::string& printed, int* hostCode, std::vector<std::string>* words) {
  for (auto it = waiting_.begin(); it != waiting_.end(); ++it) {
    const std::vector<std::string>& a = it->args;
    int wanted = 0;
    ParseInt(a[0], &wanted);
    if (wanted != code || printed.find(a[1]) == std::string::npos) continue;
    ParseInt(a[2], hostCode);
    words->assign(a.begin() + 3, a.end());
    waiting_.erase(it);
    return true;
  }
  return false;
}

std::string InsideAnswers::Unused() const {
  if (waiting_.empty()) return "";
  const ScenarioStep& step = waiting_.front();
  return "line " + std::to_string(step.line) + ": answer-inside was never used: no call " + step.args[0] +
         " read \"" + step.args[1] + "\"";
}

}  // namespace host
