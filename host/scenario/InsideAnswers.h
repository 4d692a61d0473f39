// Answers the host gives inside one of the module's calls, before that call returns, as a host
// whose conference control answers at once does (the answer event reaches the module while
// its request is still in the host's hands):
//
//   answer-inside CODE TEXT HOST-CODE [WORDS]
//       the next block the module sends with CODE that reads TEXT as the program prints it
//       (as expect-sent reads it) is answered inside that call with host message HOST-CODE
//       and its words, as a host step delivers it
//
// The answers wait in order; a call takes the first one whose code and text it matches. One
// that no call took when the play ends fails it.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "host/scenario/ScenarioStep.h"

namespace host {

bool IsInsideAnswerVerb(const std::string& verb);
// "" when the step's words fit, else the reason.
std::string CheckInsideAnswer(const ScenarioStep& step);

class InsideAnswers {
 public:
  void Prepare(const ScenarioStep& step) { waiting_.push_back(step); }
  // The first waiting answer for a call with the code whose block printed as `printed`, taken
  // out: the host message's code and words. False when none matches.
  bool Take(int code, const std::string& printed, int* hostCode, std::vector<std::string>* words);
  // "" when every answer was taken, else "line N: ..." for the first one left.
  std::string Unused() const;

 private:
  std::deque<ScenarioStep> waiting_;
};

}  // namespace host
