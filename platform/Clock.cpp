#include "platform/Clock.h"

#include <chrono>
#include <ctime>

namespace platform {
namespace {

struct VirtualTime {
  bool active = false;
  uint64_t ms = 0;  // virtual milliseconds since the Unix epoch
  int32_t offset = 0;
};
VirtualTime g_virtual;

uint64_t RealEpochMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

}  // namespace

uint32_t Clock::TickCount() {
  if (g_virtual.active) return (uint32_t)g_virtual.ms;
  using namespace std::chrono;
  return (uint32_t)duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

int64_t Clock::UnixTime() { return (int64_t)((g_virtual.active ? g_virtual.ms : RealEpochMs()) / 1000); }

int32_t Clock::LocalOffset() {
  if (g_virtual.active) return g_virtual.offset;
  time_t now = time(nullptr);
  struct tm local;
  localtime_r(&now, &local);
  return (int32_t)local.tm_gmtoff;
}

void Clock::UseVirtual(int64_t unixTime, int32_t localOffset) {
  g_virtual.active = true;
  g_virtual.ms = (uint64_t)unixTime * 1000;
  g_virtual.offset = localOffset;
}

void Clock::UseReal() { g_virtual.active = false; }

bool Clock::IsVirtual() { return g_virtual.active; }

void Clock::AdvanceVirtual(uint32_t ms) {
  if (g_virtual.active) g_virtual.ms += ms;
}

}  // namespace platform
