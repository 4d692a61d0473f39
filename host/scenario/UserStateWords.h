// The client's states that the module reads from the sibling library (vezadazavo/), as a
// scenario sets them for its process (in a two-sided scenario, for that side):
//
//   user in-call on|off                 a call runs (set-up requests are refused)
//   user signed-in on|off               off: the client is signing out (adding members stops)
//   user auto-accept on|off             the option to accept invitations without asking
//   user direct-mode on|off             direct mode: the book page asks no server time
//   user disk-full on|off               the disk is full: the defaults file is not written
//   user rights AUDIO VIDEO FEATURES    the data-conference rights (FEATURES a bitmask, -1 not
//                                       given); the module reads them at LoadUserData and host 1
//   ini KEY VALUE                       a value of the client's "Vexlon.ini" (section VEXLON_IMS)
//                                       that the module reads: ConfType
//
// The ini is written into an application folder of the play's own, which holds links to the
// files of the folder it replaces and goes when the play ends.
#pragma once

#include <string>

#include "host/scenario/ScenarioStep.h"
#include "platform/CString.h"

namespace host {

bool IsUserStateVerb(const std::string& verb);
// "" when the step's words fit its verb, else the reason.
std::string CheckUserStateStep(const ScenarioStep& step);

class UserState {
 public:
  UserState() = default;
  UserState(const UserState&) = delete;
  UserState& operator=(const UserState&) = delete;
  // Gives the application folder back and removes the play's own.
  ~UserState();

  // Sets the state; "" when done, else why it could not be.
  std::string Play(const ScenarioStep& step);

 private:
  std::string SetIni(const std::string& key, const std::string& value);

  std::string ownAppFolder_;  // "" until an ini step needs it
  CString replacedAppPath_;
};

}  // namespace host
