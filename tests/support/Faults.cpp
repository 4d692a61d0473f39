#include "tests/support/Faults.h"

#include <map>
#include <string>

#include "platform/FaultPoints.h"

namespace faults {
namespace {

using platform::FaultPoint;

struct Injected {
  std::map<std::string, int> windowCreations;  // class name in lower case -> how many
  int fileWrites = 0;
  size_t bytesKept = 0;
  int allocationsLeft = -1;  // -1: no limit
};

Injected& State() {
  static Injected state;
  return state;
}

std::string LowerName(const char* name) {
  std::string s = name ? name : "";
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = (char)(c - 'A' + 'a');
  return s;
}

bool TakeWindowCreation(const char* className) {
  auto& failures = State().windowCreations;
  auto it = failures.find(LowerName(className));
  if (it == failures.end()) return false;
  if (--it->second <= 0) failures.erase(it);
  return true;
}

bool Fails(FaultPoint point, const char* subject, size_t* bytesKept) {
  Injected& s = State();
  switch (point) {
    case FaultPoint::kWindowCreation:
      return TakeWindowCreation(subject);
    case FaultPoint::kFileWrite:
      if (s.fileWrites <= 0) return false;
      --s.fileWrites;
      if (bytesKept) *bytesKept = s.bytesKept;
      return true;
    case FaultPoint::kAllocation:
      if (s.allocationsLeft == 0) return true;
      if (s.allocationsLeft > 0) --s.allocationsLeft;
      return false;
  }
  return false;
}

// A desktop reset removes the hook: the faults asked for before it go with it.
Injected& Installed() {
  if (platform::CurrentFaultHook() != &Fails) {
    State() = Injected();
    platform::SetFaultHook(&Fails);
  }
  return State();
}

}  // namespace

void FailWindowCreation(const char* className, int count) {
  if (count > 0) Installed().windowCreations[LowerName(className)] = count;
}

void FailFileWrites(int count, size_t bytes) {
  Injected& s = Installed();
  s.fileWrites = count;
  s.bytesKept = bytes;
}

void LimitAllocations(int count) { Installed().allocationsLeft = count; }

}  // namespace faults
