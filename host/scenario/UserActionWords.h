// Scenario steps in which the host program acts as the user on the module's windows (the
// program and the module share one desktop): typing into a control, clicking or double-clicking
// it, choosing an item of a drop-down or plain list. The window is the top-level window with the title (the visible one when two
// share it); the control is found by its id in that window or in any of its child dialogs (the
// first visible one).
//
//   type TITLE ID TEXT    replaces the control's text by typing TEXT
//   click TITLE ID        clicks the control (ID 0: the window itself)
//   dblclick TITLE ID     double-clicks the control (a palette swatch: the colour dialog)
//   choose TITLE ID INDEX chooses item INDEX of a drop-down list or a list box (the board's
//                         line-width list)
#pragma once

#include <string>

#include "host/scenario/ScenarioStep.h"

namespace host {

bool IsUserActionVerb(const std::string& verb);
// "" when the step's words fit its verb, else the reason.
std::string CheckUserAction(const ScenarioStep& step);
// Acts; "" when done, else why the user could not do it.
std::string PlayUserAction(const ScenarioStep& step);

}  // namespace host
