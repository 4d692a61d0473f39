// The host's prepared answers to the module's member-right queries (code 113), each given at
// once, inside the query, as host message 17 RESULT TEXT:
//
//   answer-right RESULT [TEXT]          answers the next query
//   answer-right-always RESULT [TEXT]   answers every later query that no answer-right step
//                                       waits for (answer-right answers go first, in order); a
//                                       later answer-right-always replaces it
//
// An answer-right, or an answer-right-always, that no query took by the end of the play fails it.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "host/scenario/ScenarioStep.h"

namespace host {

bool IsRightAnswerVerb(const std::string& verb);
// "" when the step's words fit its verb, else the reason.
std::string CheckRightAnswer(const ScenarioStep& step);

class RightAnswers {
 public:
  void Prepare(const ScenarioStep& step);
  // The words of host message 17 for the query that came; false when no answer is prepared.
  bool Take(std::vector<std::string>* words);
  // "" when every prepared answer was used, else "line N: ...".
  std::string Unused() const;

 private:
  std::deque<ScenarioStep> once_;
  std::optional<ScenarioStep> always_;
  bool alwaysUsed_ = false;
};

}  // namespace host
