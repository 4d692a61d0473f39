// The desktop's clock as a scenario sets it:
//
//   clock virtual [YYYY-MM-DD HH:MM:SS]   the first step of a scenario (of a side, in a
//                                         two-sided one): from now on the desktop runs on the
//                                         virtual clock, which moves only when the play moves it
//                                         (`wait`, the module's own timed waits) and then fires
//                                         every timer that falls due, in order; it starts at the
//                                         given local time, or at the moment of the switch
#pragma once

#include <string>

#include "host/scenario/ScenarioStep.h"

namespace host {

bool IsClockVerb(const std::string& verb);
// "" when the step's words fit, else the reason; `first` tells whether no step comes before it.
std::string CheckClockStep(const ScenarioStep& step, bool first);
// Switches the desktop to the virtual clock; what the step says.
std::string PlayClockStep(const ScenarioStep& step);

}  // namespace host
