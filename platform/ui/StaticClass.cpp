// The "Static" window class: a text or picture that is transparent to the mouse unless it has
// SS_NOTIFY, in which case a click sends STN_CLICKED.
#include "platform/ui/ControlsInternal.h"
#include "platform/ui/Wnd.h"
#include "platform/ui/WindowTree.h"

namespace platform {

LRESULT StaticClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  bool notify = (GetWindowLong(hwnd, GWL_STYLE) & SS_NOTIFY) != 0;
  switch (msg) {
    case WM_NCHITTEST:
      return notify ? HTCLIENT : HTTRANSPARENT;
    case WM_GETDLGCODE:
      return DLGC_STATIC;
    case WM_LBUTTONDOWN:
      if (notify) tree::NotifyParent(hwnd, STN_CLICKED);
      return 0;
    case WM_LBUTTONDBLCLK:
      if (notify) tree::NotifyParent(hwnd, STN_DBLCLK);
      return 0;
  }
  return GenericWindowProc(hwnd, msg, wParam, lParam);
}

}  // namespace platform
