// Failures injected into the platform and the module, as when the system runs out of
// resources. Each lasts until it has been used up or the desktop is reset (every test starts
// on a fresh desktop).
#pragma once

#include <cstddef>

namespace faults {

// The next `count` creations of windows of `className` (compared without case) fail: the
// creation returns NULL before any message.
void FailWindowCreation(const char* className, int count = 1);
// The next `count` writes of platform::WriteFileReplacing stop after `bytes` bytes and fail,
// as on a full disk.
void FailFileWrites(int count, size_t bytes = 0);
// The next `count` whiteboard block allocations succeed and the ones after them fail; -1 lifts
// the limit.
void LimitAllocations(int count);

}  // namespace faults
