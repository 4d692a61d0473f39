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
// Whether some top-level window with the title is visible.
bool AnyTitledWindowVisible(const std::string& title);
// The control with the id inside window (depth first, through child dialogs): the first
// visible one, or, when visibleOnly is false and none is visible, the first one.
HWND FindControlById(HWND window, int id, bool visibleOnly);
// A window's text as UTF-8.
std::string WindowTextUtf8(HWND window);

}  // namespace host
