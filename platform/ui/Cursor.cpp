#include "platform/ui/Cursor.h"

namespace {
HCURSOR g_cursor = nullptr;
}

// A cursor handle is its id itself: the same id always gives the same handle.
HCURSOR LoadCursor(HINSTANCE, LPCTSTR name) { return (HCURSOR)name; }

HICON LoadIcon(HINSTANCE, LPCTSTR name) { return (HICON)name; }

BOOL DestroyIcon(HICON icon) { return icon != nullptr; }

HCURSOR SetCursor(HCURSOR cursor) {
  HCURSOR old = g_cursor;
  g_cursor = cursor;
  return old;
}

HCURSOR GetCursor() { return g_cursor; }
