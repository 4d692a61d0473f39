// Finding the module's windows as a user sees them, for the scenario steps that act on them or
// check them: top-level windows by their exact title, controls by their id, items of trees and
// lists by their text.
//
// A window name is a title, or a title qualified with "#" and the window's dialog template:
// "多媒体会议#start" (the start window), "多媒体会议#conf" (the conference window),
// "多媒体会议#box" (the start window's information box) or "TITLE#N" for template id N. A
// qualified name names only the windows with that title made from that template; a plain title
// names every window with the title.
#pragma once

#include <string>

#include "platform/Win32Types.h"

class CListCtrl;
class CTreeCtrl;

namespace host {

// "" when name is a plain title or a title with a known qualifier, else the reason.
std::string CheckWindowName(const std::string& name);
// The top-level windows named name (UTF-8): the first visible one, else the first hidden one;
// NULL when none has the name. Two windows may share a title (the start window and the
// conference window): the user sees the visible one.
HWND FindTitledWindow(const std::string& name);
// The control with the id in the windows named name, visible windows first (two windows may
// share a title; the user finds the control in the one that has it). With visibleOnly only a
// visible control counts; otherwise a hidden one does when no visible one exists. NULL when
// none; *windowFound then tells whether some window has the name.
HWND FindTitledControl(const std::string& name, int id, bool visibleOnly, bool* windowFound);
// The shown control with the id word idWord in the windows named name (id 0: the window
// itself, shown or not): "" with *control set, else why the user cannot see it ("no window
// titled ...", "no visible control ...").
std::string FindShownControl(const std::string& name, const std::string& idWord, HWND* control);
// A window's text as UTF-8.
std::string WindowTextUtf8(HWND window);

// The first tree item at or after `from` (its siblings and their items, depth first) showing
// the GBK text gbk; NULL when none.
HTREEITEM FindTreeItem(const CTreeCtrl* tree, HTREEITEM from, const std::string& gbk);
// The first list row whose name or number column (0 or 1) shows the GBK text gbk; -1 when none.
int FindListRow(const CListCtrl* list, const std::string& gbk);

}  // namespace host
