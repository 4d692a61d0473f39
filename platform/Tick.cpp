#include "platform/Tick.h"

#include <chrono>
#include <thread>

#include "platform/Clock.h"

DWORD GetTickCount() { return platform::Clock::TickCount(); }

void Sleep(DWORD ms) {
  if (platform::Clock::IsVirtual())
    platform::Clock::AdvanceVirtual(ms);
  else
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}
