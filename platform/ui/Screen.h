// The screen and its work area: fixed, deterministic values (1280 x 1024, a 40-pixel task bar at
// the bottom) that a test may change; Desktop::Reset restores them.
#pragma once

#include "platform/Win32Types.h"

#define SM_CXSCREEN 0
#define SM_CYSCREEN 1
#define SM_CXVSCROLL 2
#define SM_CYHSCROLL 3
#define SM_CYCAPTION 4
#define SM_CXBORDER 5
#define SM_CYBORDER 6
#define SM_CXFULLSCREEN 16
#define SM_CYFULLSCREEN 17
#define SM_CYFRAME 33
#define SPI_GETWORKAREA 0x0030

int GetSystemMetrics(int index);
// SPI_GETWORKAREA only: the work area into the RECT at `data`.
BOOL SystemParametersInfo(UINT action, UINT param, void* data, UINT winIni);

namespace platform {
void SetScreen(int width, int height, const RECT& workArea);
void ResetScreen();
RECT WorkArea();
}  // namespace platform
