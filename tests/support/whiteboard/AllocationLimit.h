// Lets the next `count` whiteboard block allocations succeed and fails the ones after them,
// for the scope of the object.
#pragma once

#include "tests/support/Faults.h"

namespace wbtest {

class AllocationLimit {
 public:
  explicit AllocationLimit(int count) { faults::LimitAllocations(count); }
  ~AllocationLimit() { faults::LimitAllocations(-1); }
  AllocationLimit(const AllocationLimit&) = delete;
  AllocationLimit& operator=(const AllocationLimit&) = delete;
};

}  // namespace wbtest
