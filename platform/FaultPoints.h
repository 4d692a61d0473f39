// Points where a test build makes an operation fail as it would when the system runs out of
// resources. Only the test support library sets a hook; the shipped program has none, so each
// point costs one pointer test.
#pragma once

#include <cstddef>

namespace platform {

enum class FaultPoint {
  kWindowCreation,  // subject: the window class
  kFileWrite,       // *bytesKept: how many bytes still reach the file
  kAllocation,      // an allocation that answers NULL when memory runs out
};

// Answers whether the operation at `point` fails.
typedef bool (*FaultHook)(FaultPoint point, const char* subject, size_t* bytesKept);

// Desktop::Reset removes the hook.
void SetFaultHook(FaultHook hook);
FaultHook CurrentFaultHook();
bool InjectedFault(FaultPoint point, const char* subject = nullptr, size_t* bytesKept = nullptr);

}  // namespace platform
