// The module's message boxes as a scenario sees them. Every box is printed once it was
// answered; it is answered with its default button unless an answer-box step gave the answer
// for it.
//
//   expect-box TEXT     the module showed a box with exactly TEXT since the last expect-box
//                       step (or the start)
//   expect-no-box       the module showed no box since the last expect-box or expect-no-box
//                       step (or the start)
//   answer-box ANSWER   the next box is answered with ANSWER: ok, cancel, abort, retry,
//                       ignore, yes, no, or the number of the button
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "host/scenario/ScenarioStep.h"

namespace host {

bool IsBoxVerb(const std::string& verb);
// "" when the step's words fit its verb, else the reason.
std::string CheckBoxStep(const ScenarioStep& step);

class BoxWatch {
 public:
  // Starts after the boxes shown so far.
  BoxWatch();
  // Plays an expect-box, expect-no-box or answer-box step: "" when done, else why it failed.
  std::string Play(const ScenarioStep& step);
  // Lines for the boxes shown since the last call ("" when none).
  std::string NewBoxes();
  // "" when every answer that answer-box steps gave was taken by a box, else the first one
  // left: "line N: ...".
  std::string UnusedAnswer() const;

 private:
  std::vector<int> answerLines_;  // the lines of the answer-box steps, in order
  size_t printed_;
  size_t checked_;
};

}  // namespace host
