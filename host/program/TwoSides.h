// A scenario of two module instances drawing together: every step names its side (A or B), each
// side is a process of its own that loads the module (the module keeps module-wide state), and
// the program between them is the relay that the real host and server are: a whiteboard record
// that one side sends with code 101 reaches the other side as code 8, kind 1, in the received
// layout. Both sides' traffic is printed, each line led by its side. A step `AB
// expect-same-board TITLE [all] [FILES]` checks that both sides' boards show the same picture and
// page XML (with `all`, of every page they hold); `A hold` keeps what A sends in flight until `A
// release`, so that two members' edits cross. With a user folder each side has its own in it
// (DIR/A, DIR/B).
#pragma once

#include <string>

namespace host {

// Whether the scenario file's first step names a side.
bool IsTwoSidedScenarioFile(const std::string& path);

// Plays the file; the exit status (0 all played, 1 a step failed, 2 a bad scenario, 3 no module).
int PlayTwoSides(const std::string& modulePath, const std::string& scenarioPath, const std::string& userFolder);

}  // namespace host
