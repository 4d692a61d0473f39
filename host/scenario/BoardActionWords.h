// Scenario steps in which the host program acts as the user on a whiteboard window (the
// top-level window titled TITLE; its drawing surface is its largest child dialog) and takes
// pictures of boards. Points are client points of the surface; a mouse step first brings the
// board to the front, as the user does who points at it. The answers to the menus and dialogs
// that these steps open are prepared with the steps of host/scenario/BoardAnswers.h.
//
//   mouse-down TITLE X Y / mouse-move TITLE X Y / mouse-up TITLE X Y   the left button
//   drag TITLE X1 Y1 X2 Y2     press, move half-way and to the end, release; a press on a
//                              selected object drags its frame there
//   rclick TITLE X Y           the right button: the surface's object menu (see `menu`)
//   write TEXT                 types TEXT into the window that has the focus
//   capture TITLE FILE         the screen capture ends with the picture in FILE: the board turns
//                              it into a picture object and sends it
//   save-board TITLE PNG [XML [all]]  writes the surface's whole canvas (no selection frames)
//                              as PNG, and the current page's XML (with `all` every page the
//                              board holds, each with its number); missing folders are made
// Checks of that canvas (points are canvas points):
//   expect-pixel TITLE X Y RRGGBB        the pixel at X,Y has that colour
//   expect-blank TITLE X1 Y1 X2 Y2       nothing is drawn in the area (every pixel white)
//   expect-drawn TITLE X1 Y1 X2 Y2       something is drawn in the area (a pixel not white)
#pragma once

#include <string>

#include "host/scenario/ScenarioStep.h"

namespace host {

class BoardAnswers;

bool IsBoardActionVerb(const std::string& verb);
// "" when the step's words fit its verb, else the reason.
std::string CheckBoardAction(const ScenarioStep& step);
// Acts; "" when done, else why it could not be done. A drag hands its end to answers, for
// the frame tracker's loop that its press may start.
std::string PlayBoardAction(const ScenarioStep& step, BoardAnswers& answers);

}  // namespace host
