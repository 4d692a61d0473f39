#include "module/WindowRoutines.h"

#include "module/TavorineModule.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Wnd.h"

namespace {

// Messages are dispatched at least this often while a wait runs, so that a short wait lasts
// what it asks for and the host's calls are not held longer than that.
const DWORD kWaitStep = 50;
// A watched value that did not change gets at most this much more time.
const DWORD kWatchMs = 1200;

// Dispatches what waits, then lets up to one step of the remaining time pass through the
// desktop's wait loop, so timers fire on time and a host call or a test can act meanwhile.
DWORD OnePass(HCURSOR cursor, DWORD remaining) {
  platform::Desktop::PumpMessages();
  if (cursor) SetCursor(cursor);
  const DWORD step = remaining < kWaitStep ? remaining : kWaitStep;
  platform::Desktop::Wait(step);
  return step;
}

}  // namespace

void WaitWithMessages(DWORD ms, HCURSOR cursor, int* watch) {
  int start = watch ? *watch : 0;
  for (DWORD waited = 0; waited < ms;) waited += OnePass(cursor, ms - waited);
  for (DWORD waited = 0; watch && *watch == start && waited < kWatchMs;) waited += OnePass(cursor, kWatchMs - waited);
}

void EndOwnedDialogs(HWND owner) {
  if (!owner) return;
  for (HWND window : platform::Desktop::TopLevelWindows())
    if (::GetWindow(window, GW_OWNER) == owner) ::EndDialog(window, IDCANCEL);
}

BOOL IsNotXpToVista() { return TRUE; }

HWND FindOwnWindowByTitle(CString title) {
  if (title.IsEmpty()) return nullptr;
  return ::FindWindow(nullptr, title);
}

BOOL WindowClosing(const CWnd* window) {
  CTavorineModule* module = TavorineModule();
  return !window || !window->m_hWnd || !module || module->IsClosing();
}
