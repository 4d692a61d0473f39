// GetTickCount and Sleep on the one clock (platform/Clock.h).
#pragma once

#include "platform/Win32Types.h"

DWORD GetTickCount();
// Real clock: sleeps. Virtual clock: moves the clock forward; timers that fall due fire at the
// next pump of the message queue, as on Windows.
void Sleep(DWORD ms);
