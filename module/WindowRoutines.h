// Routines over the window system shared by the module's windows.
#pragma once

#include "platform/CString.h"
#include "platform/Win32Types.h"

class CWnd;

// Waits ms milliseconds while window messages keep flowing: dispatches every waiting message
// (setting the cursor again after each pass when one is given), sleeps 200 ms, and repeats.
// When watch is given and the int it points to still holds its value from the start once ms
// have passed, the wait goes on for at most six more passes.
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
