// Finding the module's windows as a user sees them, for the scenario steps that act on them or
// check them: top-level windows by their exact title, controls by their id.
#pragma once

#include <string>

#include "platform/Win32Types.h"

namespace host {

// The top-level windows titled title (UTF-8): the first visible one, else the first hidden
// one; NULL when none has the title. Two windows may share a title (the start window and the
// conference window): the user sees the visible one.
HWND FindTitledWindow(const std::string& title);
// The control with the id in the windows titled title, visible windows first (two windows may
// share a title; the user finds the control in the one that has it). With visibleOnly only a
// visible control counts; otherwise a hidden one does when no visible one exists. NULL when
// none; *windowFound then tells whether some window has the title.
HWND FindTitledControl(const std::string& title, int id, bool visibleOnly, bool* windowFound);
// A window's text as UTF-8.
std::string WindowTextUtf8(HWND window);

}  // namespace host
