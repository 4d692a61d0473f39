// Windows deleted while one of their own handlers runs. A handler may run a modal loop or call
// out (to the host, for instance) and, meanwhile, whoever owns its window may close it. The
// owner destroys the window at once but the object is deleted only once no window procedure and
// no modal loop runs any more, so the handler returns through an object that still exists and
// finds its window gone (m_hWnd NULL).
#pragma once

#include <cstddef>

class CWnd;

namespace platform {

// Destroys the window now (when it still exists) and deletes the object: at once when no
// window procedure or modal loop runs, else when the outermost one returns. An object already
// waiting is left as it is, so that two owners asking in turn delete it once.
void DestroyAndDelete(CWnd* window);

// Objects waiting to be deleted.
size_t PendingWindowDeletes();

namespace tree {

// Held by every window procedure call and every modal loop; the last one to end deletes the
// objects waiting.
class BusyScope {
 public:
  BusyScope();
  ~BusyScope();
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;
};

}  // namespace tree
}  // namespace platform
