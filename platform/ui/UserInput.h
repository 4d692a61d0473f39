// Acting as the user: clicks, typing, keys, combo choices and mouse gestures, delivered through
// the same paths as real input (PreTranslateMessage chain, capture, hit testing) and followed by
// a pump of the messages they cause. Each refuses (returns false) what a user could not do.
#pragma once

#include "platform/CString.h"
#include "platform/Time.h"
#include "platform/ui/Messages.h"

namespace platform {
namespace user {

// A user can reach a window that is visible and enabled, in a top-level window that is enabled.
bool Reachable(HWND hwnd);
// Clicks a button (or any window) at its centre: only when it and its top-level window are
// visible and enabled. A button reports BN_CLICKED to its parent. False also when the click
// reached another window, the one holding the mouse capture.
bool Click(HWND hwnd);
bool ClickItem(HWND dialog, int id);
// Puts the focus on `edit` (when it can take it) and types `text`: one WM_CHAR per character
// (a GBK double-byte character as one WM_CHAR with both bytes), so the limits apply.
bool Type(HWND edit, const char* text);
// A key press (WM_KEYDOWN, its WM_CHAR, WM_KEYUP) to the focus window (else the active one).
bool PressKey(UINT vk);
// Holds a key down (VK_SHIFT, VK_CONTROL ...) or lets it go; GetKeyState sees it.
void HoldKey(UINT vk, bool down);
bool PressEnter();
bool PressEscape();
bool PressTab(bool shift = false);
bool PressDelete();
// Opens the drop-down, picks item `index` and closes it, as the user does with the mouse:
// CBN_DROPDOWN, CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP.
bool ChooseComboItem(HWND combo, int index);
// Picks item `index` of a list box with the mouse (LBN_SELCHANGE when it has LBS_NOTIFY).
bool ChooseListItem(HWND list, int index);
// Mouse gestures at client points of `hwnd` (delivered at the matching screen point, so the
// capture window or the window under the point receives them).
HWND MouseDown(HWND hwnd, POINT client, bool right = false);
HWND MouseMove(HWND hwnd, POINT client, bool buttonDown = false);
HWND MouseUp(HWND hwnd, POINT client, bool right = false);
HWND DoubleClick(HWND hwnd, POINT client);
// Closes a window as its close box does (WM_SYSCOMMAND SC_CLOSE, reaching WM_CLOSE).
bool CloseWindow(HWND hwnd);

// ---- Common controls (UserInputControls.cpp) ----
// Clicks (or right-clicks) row `index` of a list view on its first column, scrolling it into
// view first; the focus goes to the list, so keys (PressDelete ...) reach it next.
bool ClickListItem(HWND list, int index, bool right = false);
bool DoubleClickListItem(HWND list, int index);
// Clicks the check box of a row of a list view with LVS_EX_CHECKBOXES.
bool ClickListCheckBox(HWND list, int index);
// Clicks the header of column `column` of a report-view list.
bool ClickListColumn(HWND list, int column);
// Clicks (or right-clicks) a tree item's label; the item must be shown (its parents open).
bool ClickTreeItem(HWND tree, HTREEITEM item, bool right = false);
bool DoubleClickTreeItem(HWND tree, HTREEITEM item);
// Clicks a tree item's expand button (opens or closes it); false when it shows none.
bool ClickTreeButton(HWND tree, HTREEITEM item);
// Sets a date and time picker as the user does with its fields or calendar
// (DTN_DATETIMECHANGE when the value changes); false outside its range.
bool SetDateTime(HWND picker, const CTime& value);

}  // namespace user
}  // namespace platform
