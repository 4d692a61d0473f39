#include "host/scenario/RightAnswers.h"

#include "host/scenario/ScenarioWords.h"

namespace host {

bool IsRightAnswerVerb(const std::string& verb) { return verb == "answer-right" || verb == "answer-right-always"; }

std::string CheckRightAnswer(const ScenarioStep& step) {
  int result;
  bool ok = (step.args.size() == 1 || step.args.size() == 2) && ParseInt(step.args[0], &result);
  return ok ? "" : step.verb + " needs a result and a text";
}

void RightAnswers::Prepare(const ScenarioStep& step) {
  if (step.verb == "answer-right") {
    once_.push_back(step);
    return;
  }
  always_ = step;
  alwaysUsed_ = false;
}

bool RightAnswers::Take(std::vector<std::string>* words) {
  if (!once_.empty()) {
    *words = once_.front().args;
    once_.pop_front();
    return true;
  }
  if (!always_) return false;
  *words = always_->args;
  alwaysUsed_ = true;
  return true;
}

std::string RightAnswers::Unused() const {
  const char* why = " was never used: no member-right query came";
  if (!once_.empty()) return "line " + std::to_string(once_.front().line) + ": answer-right" + why;
  if (always_ && !alwaysUsed_) return "line " + std::to_string(always_->line) + ": answer-right-always" + why;
  return "";
}

}  // namespace host
