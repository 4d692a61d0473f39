// Scenario steps on the items of the module's trees and lists, on date and time pickers, on
// whole windows and keys, as the user acts on them:
//
//   click-item TITLE ID TEXT [ctrl|shift]  clicks the tree item (depth first, the first) or the
//                                list row (name or number column) showing TEXT in control ID,
//                                holding ctrl or shift down when given (a multiple selection)
//   rclick-item TITLE ID TEXT    right-clicks it (its context menu takes a `menu` answer)
//   dblclick-item TITLE ID TEXT  double-clicks it
//   expect-item TITLE ID TEXT    such an item or row exists
//   set-time TITLE ID "YYYY-MM-DD HH:MM:SS"   sets the date and time picker ID to that moment
//   close-window TITLE           closes the window as its close box does
//   press KEY                    presses esc, enter, tab, delete, backspace, an arrow key (left,
//                                right, up, down), page-up, page-down, home or end on the window
//                                with the focus
//
// The window and the control are found as the other user actions find them.
#pragma once

#include <string>

#include "host/scenario/ScenarioStep.h"

namespace host {

bool IsItemVerb(const std::string& verb);
// "" when the step's words fit its verb, else the reason.
std::string CheckItemStep(const ScenarioStep& step);
// Acts or checks; "" when done, else why it could not be.
std::string PlayItemStep(const ScenarioStep& step);

}  // namespace host
