#include "platform/ui/WindowSurface.h"

#include <map>

#include "platform/ui/WindowTree.h"
#include "platform/ui/Wnd.h"

namespace platform {
namespace {

// Buffers by window; handles are never reused, so a buffer of a destroyed window is dropped
// the next time any buffer is asked for.
std::map<HWND, gdi::SurfaceRef>& Buffers() {
  static std::map<HWND, gdi::SurfaceRef> buffers;
  return buffers;
}

void DropStale() {
  auto& buffers = Buffers();
  for (auto it = buffers.begin(); it != buffers.end();) it = IsWindow(it->first) ? std::next(it) : buffers.erase(it);
}

}  // namespace

gdi::SurfaceRef WindowPixels(HWND hwnd) {
  DropStale();
  RECT client;
  if (!GetClientRect(hwnd, &client) || client.right <= 0 || client.bottom <= 0) return gdi::SurfaceRef();
  gdi::SurfaceRef& buffer = Buffers()[hwnd];
  if (!buffer || buffer.Width() != client.right || buffer.Height() != client.bottom)
    buffer = gdi::SurfaceRef::CreateRgb(client.right, client.bottom);
  return buffer;
}

COLORREF WindowPixel(HWND hwnd, int x, int y) {
  auto it = Buffers().find(hwnd);
  if (it == Buffers().end() || !IsWindow(hwnd)) return CLR_INVALID;
  return it->second.GetPixel(x, y);
}

BOOL WriteWindowPng(HWND hwnd, const char* path) {
  gdi::SurfaceRef buffer = WindowPixels(hwnd);
  return buffer ? buffer.WritePng(path) : FALSE;
}

}  // namespace platform

CClientDC::CClientDC(CWnd* wnd) {
  gdi::SurfaceRef buffer = platform::WindowPixels(wnd ? wnd->GetSafeHwnd() : nullptr);
  if (buffer) AttachSurface(buffer.Get());
}

CPaintDC::CPaintDC(CWnd* wnd)
    : CClientDC(wnd), m_rcPaint(platform::tree::TakePaintRect(wnd ? wnd->GetSafeHwnd() : nullptr)),
      hwnd_(wnd ? wnd->GetSafeHwnd() : nullptr) {}

CPaintDC::~CPaintDC() { ValidateRect(hwnd_, nullptr); }
