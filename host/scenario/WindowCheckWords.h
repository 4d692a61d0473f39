// Scenario steps that check what the module's windows show, as the user sees them:
//
//   expect-text TITLE ID TEXT                  the text of control ID (0: the window's own
//                                              title) in the window titled TITLE equals TEXT
//   expect-control TITLE ID enabled|disabled|hidden
//                                              control ID is shown and can be used; is shown
//                                              greyed; is not shown
//   expect-window TITLE visible|hidden|absent  a window with the title is shown; exists but
//                                              none with it is shown; none exists
//
// The window and the control are found as the user actions find them
// (host/scenario/WindowLookup.h); expect-text also reads a hidden control when no visible one has the id.
#pragma once

#include <string>

#include "host/scenario/ScenarioStep.h"

namespace host {

bool IsWindowCheckVerb(const std::string& verb);
// "" when the step's words fit its verb, else the reason.
std::string CheckWindowCheck(const ScenarioStep& step);
// "" when the windows show what the step expects, else what they show.
std::string PlayWindowCheck(const ScenarioStep& step);

}  // namespace host
