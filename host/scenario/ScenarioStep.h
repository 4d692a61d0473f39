// The steps of a scenario as parsing leaves them: what the step words check and play.
#pragma once

#include <string>
#include <vector>

namespace host {

struct ScenarioStep {
  int line = 0;
  std::string verb;               // call, host, answer, wait, expect, type, click ... (docs/scenarios.md)
  std::vector<std::string> args;  // UTF-8 as written; quotes removed
};

struct Scenario {
  std::vector<ScenarioStep> steps;
};

}  // namespace host
