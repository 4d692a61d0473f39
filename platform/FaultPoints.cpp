#include "platform/FaultPoints.h"

namespace platform {
namespace {

FaultHook g_hook = nullptr;

}  // namespace

void SetFaultHook(FaultHook hook) { g_hook = hook; }

FaultHook CurrentFaultHook() { return g_hook; }

bool InjectedFault(FaultPoint point, const char* subject, size_t* bytesKept) {
  return g_hook && g_hook(point, subject, bytesKept);
}

}  // namespace platform
