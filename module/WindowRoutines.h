// Routines over the window system shared by the module's windows.
#pragma once

#include "platform/CString.h"
#include "platform/Win32Types.h"

class CWnd;

// Waits ms milliseconds while window messages keep flowing: dispatches every waiting message
// (setting the cursor again after each pass when one is given), lets at most 50 ms pass, and
// repeats until ms have passed. When watch is given and the int it points to still holds its
// value from the start once ms have passed, the wait goes on, in the same steps, until it
// changes or 1,200 ms more have passed.
void WaitWithMessages(DWORD ms, HCURSOR cursor, int* watch);
// FALSE on the Windows versions NT 5.1 to 6.0; this platform reports a modern system: TRUE.
BOOL IsNotXpToVista();
// A top-level window of this process whose title equals title exactly; NULL when none or the
// title is empty.
HWND FindOwnWindowByTitle(CString title);
// TRUE once the window was destroyed under a handler that still runs (the module's close
// destroys its windows at once) or the module is closing: an operation that went through a
// dialog or a host call stops there.
BOOL WindowClosing(const CWnd* window);
// Ends, with IDCANCEL, every dialog among the top-level windows that owner owns (the dialogs a
// window runs until they end); message boxes are left to their user.
void EndOwnedDialogs(HWND owner);
