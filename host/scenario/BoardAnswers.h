// The answers that a scenario prepares for what the module will run later: the next popup
// menu's command, the next common dialogs (colour, file, font, line width) and the end of a
// drag that the frame tracker's own loop takes over. The player owns them; an answer that
// nothing took when the play ends fails the run, so a scenario that expects a dialog fails
// when the module never shows it.
//
//   menu ID                          the next popup menu chooses command ID
//   answer-dialog colour N           the next colour dialog ends with OK and COLORREF N
//   answer-dialog file PATH          the next file dialog ends with OK and PATH
//   answer-dialog font FACE HEIGHT COLOUR [bold] [italic] [underline] [strike-out]
//                                    the next font dialog ends with OK, the face, a character
//                                    height in pixels, a colour and the effects named
//   answer-dialog width N            the next line-width dialog ("线形"): the user picks width
//                                    N in its list and presses OK
//   answer-dialog cancel             the next of these dialogs is cancelled
#pragma once

#include <deque>
#include <vector>
#include <string>

#include "host/scenario/ScenarioStep.h"
#include "platform/Win32Types.h"
#include "platform/ui/Desktop.h"

namespace host {

bool IsAnswerVerb(const std::string& verb);
// "" when the step's words fit its verb, else the reason.
std::string CheckAnswerStep(const ScenarioStep& step);

class BoardAnswers {
 public:
  // Keeps the answer of a menu or answer-dialog step.
  void Prepare(const ScenarioStep& step);
  // A drag whose press may start the frame tracker's loop: the loop moves to `to` and releases.
  void BeginDrag(HWND surface, POINT to) { drag_ = {true, surface, to}; }
  // Ends the drag when no tracker took it; whether it was still pending.
  bool EndDrag();

  // Inside one of the module's modal loops: a drag goes on, a popup menu or a dialog takes the
  // answer prepared for it. Whether it acted; a loop that cannot take its answer (a menu
  // without the command, a dialog of another kind than the answer) puts the reason in *failure.
  bool AnswerModal(const platform::ModalState& state, std::string* failure);
  // "" when every answer was taken, else the first one left: "line N: STEP".
  std::string Unused() const;

 private:
  struct MenuAnswer {
    UINT id;
    int line;  // of the step that prepared it
  };
  struct DialogAnswer {
    std::string kind;                // colour, file, font, width, cancel
    std::vector<std::string> words;  // the step's words after the kind
    int line;
  };
  bool AnswerDialog(HWND window, std::string* failure);

  struct PendingDrag {
    bool active = false;
    HWND surface = nullptr;
    POINT to = {0, 0};
  };
  PendingDrag drag_;
  std::deque<MenuAnswer> menus_;
  std::deque<DialogAnswer> dialogs_;
};

}  // namespace host
