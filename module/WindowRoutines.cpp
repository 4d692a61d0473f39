#include "module/WindowRoutines.h"

#include "platform/Tick.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/Wnd.h"

namespace {

const DWORD kWaitStep = 200;
const int kWatchPasses = 6;

void OnePass(HCURSOR cursor) {
  platform::Desktop::PumpMessages();
  if (cursor) SetCursor(cursor);
  Sleep(kWaitStep);
  platform::Desktop::PumpMessages();
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
