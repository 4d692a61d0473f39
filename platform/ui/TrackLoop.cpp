#include "platform/ui/TrackLoop.h"

#include "platform/ui/Desktop.h"
#include "platform/ui/Wnd.h"

namespace platform {

bool RunTrackLoop(HWND hwnd, const std::function<void(POINT point, bool final)>& onPointer) {
  if (!IsWindow(hwnd)) return false;
  SetCapture(hwnd);
  bool done = false, accepted = false;
  {
    Desktop::InputFilterScope filter([&](const MSG& m) {
      switch (m.message) {
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP:
          done = m.message == WM_LBUTTONUP;
          accepted = done;
          onPointer(POINT{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)}, done);
          return true;
        case WM_KEYDOWN:
          if (m.wParam != VK_ESCAPE) return false;
          done = true;
          return true;
        case WM_RBUTTONDOWN:
          done = true;
          return true;
      }
      return false;
    });
    Desktop::RunModalLoop(ModalKind::Tracker, hwnd, [&] { return !done && GetCapture() == hwnd; });
  }
  if (GetCapture() == hwnd) ReleaseCapture();
  return accepted;
}

}  // namespace platform
