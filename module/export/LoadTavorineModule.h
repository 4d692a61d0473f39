// The export through which the host obtains the module object.
#pragma once

#include "platform/Win32Types.h"

extern "C" void* LoadTavorineModule(void* hostInterface, void* secondHostInterface, HWND hostMainWindow);
