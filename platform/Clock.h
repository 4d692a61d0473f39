// The one clock behind timers, waits, Sleep, GetTickCount and CTime. The host program runs on
// real time; tests switch to a virtual clock that only moves when they advance it.
#pragma once

#include <cstdint>

namespace platform {

class Clock {
 public:
  // Milliseconds since an arbitrary start, wrapping like GetTickCount.
  static uint32_t TickCount();
  // Seconds since 1970-01-01 00:00:00 UTC.
  static int64_t UnixTime();
  // Local-time offset in seconds east of UTC that CTime applies (0 in virtual mode by default).
  static int32_t LocalOffset();

  static void UseVirtual(int64_t unixTime = 1700000000, int32_t localOffset = 8 * 3600);
  static void UseReal();
  static bool IsVirtual();
  // Moves virtual time forward; the desktop's Advance also fires the timers that fall due.
  static void AdvanceVirtual(uint32_t ms);
};

}  // namespace platform
