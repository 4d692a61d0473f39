#include "platform/ui/WindowRelease.h"

#include <algorithm>
#include <vector>

#include "platform/ui/Wnd.h"

namespace platform {
namespace {

struct Releases {
  int busy = 0;                // window procedures and modal loops running
  std::vector<CWnd*> pending;  // destroyed, deleted when busy goes back to 0
};

Releases& R() {
  static auto* releases = new Releases;
  return *releases;
}

// A destructor may itself queue further objects; they go in the same pass.
void DeletePending() {
  while (!R().pending.empty()) {
    std::vector<CWnd*> objects;
    objects.swap(R().pending);
    for (CWnd* object : objects) delete object;
  }
}

}  // namespace

void DestroyAndDelete(CWnd* window) {
  std::vector<CWnd*>& pending = R().pending;
  if (!window || std::find(pending.begin(), pending.end(), window) != pending.end()) return;  // deleted once
  if (window->m_hWnd) window->DestroyWindow();
  if (R().busy > 0)
    pending.push_back(window);
  else
    delete window;
}

size_t PendingWindowDeletes() { return R().pending.size(); }

namespace tree {

BusyScope::BusyScope() { ++R().busy; }

BusyScope::~BusyScope() {
  if (--R().busy == 0) DeletePending();
}

}  // namespace tree
}  // namespace platform
