// Lets the next `count` whiteboard block allocations succeed and fails the ones after them,
// for the scope of the object.
#pragma once

#include "whiteboard/model/WbBlocks.h"

namespace wbtest {

class AllocationLimit {
 public:
  explicit AllocationLimit(int count) { SetWbAllocationLimit(count); }
  ~AllocationLimit() { SetWbAllocationLimit(-1); }
  AllocationLimit(const AllocationLimit&) = delete;
  AllocationLimit& operator=(const AllocationLimit&) = delete;
};

}  // namespace wbtest
