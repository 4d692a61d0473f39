// Plays a scenario against the module attached to a recording host, printing each step, the
// module's answers, its message boxes and all the traffic the module sends (through an
// EventPrinter).
//
// The module's dialogs that hold their caller until they end (the invitation dialog, the
// member-right query ...) run the desktop's modal loop; the player's modal hook plays the next
// steps inside that loop, as the host and the user act while the dialog is up. A loop that the
// scenario leaves without an answer (no step left), a failed step and a loop that had to be
// abandoned stop the play: every modal loop is ended (WM_QUIT) and Play returns false.
//
// The answers a scenario prepares for later (message boxes, menus, dialogs, member-right
// queries) belong to the player; one that nothing took when the play ends fails it.
#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>

#include "host/recording/EventPrinter.h"
#include "host/recording/RecordingHost.h"
#include "host/scenario/BoardAnswers.h"
#include "host/scenario/BoxWords.h"
#include "host/scenario/InsideAnswers.h"
#include "host/scenario/RightAnswers.h"
#include "host/scenario/Scenario.h"
#include "host/scenario/TrafficWords.h"
#include "host/scenario/UserStateWords.h"
#include "platform/ui/Desktop.h"

namespace host {

class ScenarioPlayer {
 public:
  // Lets the module's windows and timers run for the given milliseconds.
  using Pump = std::function<void(uint32_t ms)>;

  // Prints to out every event the host records from now on, and acts in the module's modal
  // loops.
  ScenarioPlayer(RecordingHost& host, Pump pump, std::ostream& out);
  ~ScenarioPlayer();

  // Plays every step against the host's attached module, then Finish; false when a step
  // failed, a modal loop was left without an answer or abandoned, a prepared answer was never
  // used, or no module is attached.
  bool Play(const Scenario& scenario);
  // Plays the steps, keeping the answers they prepare for the steps that follow (a scenario
  // fed a step at a time); false when a step failed or no module is attached.
  bool PlaySteps(const Scenario& scenario);
  // The end of the play: false when an answer prepared by a step was never used.
  bool Finish();
  // Whether a step closed the module.
  bool Closed() const { return closed_; }

  // Where a scenario fed a step at a time finds its next step while the step it plays waits in
  // one of the module's loops (a dialog, the frame tracker): true with the step, or false when
  // the scenario has ended.
  using StepSource = std::function<bool(ScenarioStep* next)>;
  void SetStepSource(StepSource source) { source_ = std::move(source); }

 private:
  // Plays the step at the cursor and moves on; a failure ends the play.
  void PlayNext();
  void PlayOne(const ScenarioStep& step);
  // Inside a loop of the module: the next step to play there, from the scenario or the source.
  bool NextInside(ScenarioStep* step);
  // What a step says when it is done ("" for nothing), or why it failed.
  struct StepOutcome {
    std::string said;
    std::string failure;
  };
  StepOutcome PlayStep(const ScenarioStep& step);
  StepOutcome PlayHostStep(const ScenarioStep& step);
  // The operation's name and what it returned.
  std::string CallOperation(const std::string& name);
  StepOutcome Expect(int code, int count);
  StepOutcome ExpectSent(int code, const std::string& text);
  void OnEvent(const HostEvent& event);
  void AnswerInside(const HostEvent& event, const std::string& printed);
  std::string CheckAbandoned();
  void OnModal(const platform::ModalState& state);
  void Fail(const std::string& reason);

  RecordingHost& host_;
  Pump pump_;
  std::ostream& out_;
  EventPrinter printer_;
  BoxWatch boxes_;
  BoardAnswers answers_;
  // The member-right answers (17 and their words) that the next queries get at once.
  RightAnswers rightAnswers_;
  TrafficSpan traffic_;
  UserState userState_;
  // The host messages that answer the module's next matching calls inside them.
  InsideAnswers insideAnswers_;
  const Scenario* scenario_ = nullptr;
  size_t next_ = 0;
  StepSource source_;
  // Steps played so far, and the line of the last one begun.
  size_t played_ = 0;
  int line_ = 0;
  bool failed_ = false;
  bool closed_ = false;
  int abandoned_ = 0;
  // The modal loop (its window and depth) in which the last step was played.
  HWND announced_ = nullptr;
  int announcedDepth_ = 0;
};

}  // namespace host
