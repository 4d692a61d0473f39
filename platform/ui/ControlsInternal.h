// Internal to the platform: the control class procedures and their private messages.
#pragma once

#include "platform/ui/Messages.h"

namespace platform {

// Private class messages that stand for the user's use of a control's parts that have no
// window of their own here (a combo box's drop-down list).
const UINT kComboUserChoose = 0x7FE0;  // wParam: the item index

LRESULT ButtonClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT EditClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT ComboClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT ListBoxClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT StaticClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace platform
