#include "module/WindowRoutines.h"

#include "module/TavorineModule.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/Wnd.h"

namespace {

const DWORD kWaitStep = 200;
const int kWatchPasses = 6;

// Dispatches what waits, then lets 200 ms pass through the desktop's wait loop, so timers fire
// on time and a host call or a test can act meanwhile.
void OnePass(HCURSOR cursor) {
  platform::Desktop::PumpMessages();
  if (cursor) SetCursor(cursor);
  platform::Desktop::Wait(kWaitStep);
}

}  // namespace

void WaitWithMessages(DWORD ms, HCURSOR cursor, int* watch) {
  int start = watch ? *watch : 0;
  for (DWORD waited = 0; waited < ms; waited += kWaitStep) OnePass(cursor);
  for (int pass = 0; watch && *watch == start && pass < kWatchPasses; ++pass) OnePass(cursor);
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
