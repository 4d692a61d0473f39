// Scenario steps in which the host program acts as the user on a whiteboard window (the
// top-level window titled TITLE; its drawing surface is its largest child dialog), answers the
// dialogs the module runs, and takes pictures of boards. Points are client points of the
// surface.
//
//   mouse-down TITLE X Y / mouse-move TITLE X Y / mouse-up TITLE X Y   the left button
//   drag TITLE X1 Y1 X2 Y2     press, move half-way and to the end, release; a press on a
//                              selected object drags its frame there
//   rclick TITLE X Y           the right button: the surface's object menu (see `menu`)
//   write TEXT                 types TEXT into the window that has the focus
//   menu ID                    the next popup menu chooses command ID
//   answer-dialog colour N     the next colour dialog ends with OK and COLORREF N
//   answer-dialog file PATH    the next file dialog ends with OK and PATH
//   answer-dialog cancel       the next colour or file dialog is cancelled
//   capture TITLE FILE         the screen capture ends with the picture in FILE: the board turns
//                              it into a picture object and sends it
//   save-board TITLE PNG [XML] writes the surface's whole canvas (no selection frames) as PNG,
//                              and the current page's XML
#pragma once

#include <string>

#include "host/Scenario.h"
#include "platform/ui/Desktop.h"

namespace host {

bool IsBoardActionVerb(const std::string& verb);
// "" when the step's words fit its verb, else the reason.
std::string CheckBoardAction(const ScenarioStep& step);
// Acts; "" when done, else why it could not be done.
std::string PlayBoardAction(const ScenarioStep& step);
// Inside one of the module's modal loops: a drag in progress goes on inside the frame tracker's
// loop, a dialog takes the answer an answer-dialog step gave. Whether it acted.
bool AnswerBoardModal(const platform::ModalState& state);

}  // namespace host
