// The pixels a window shows: each window that paints gets its own buffer the size of its client
// area (white when made or resized). CPaintDC and CClientDC draw into it; tests read it and
// write it to PNG.
#pragma once

#include "platform/gdi/Dc.h"
#include "platform/gdi/Surface.h"

class CWnd;

namespace platform {
// The client-sized pixel buffer of hwnd, made on first use and made anew (white) when the
// client size changed; an empty reference for a missing window or an empty client area.
gdi::SurfaceRef WindowPixels(HWND hwnd);
// The colour of a client pixel as last painted; CLR_INVALID outside or without a buffer.
COLORREF WindowPixel(HWND hwnd, int x, int y);
BOOL WriteWindowPng(HWND hwnd, const char* path);
}  // namespace platform

// Draws into the window's pixel buffer for the whole client area.
class CClientDC : public CDC {
 public:
  explicit CClientDC(CWnd* wnd);
};

// The DC of a WM_PAINT handler: a client DC that validates the window when it goes. It does
// not clip; m_rcPaint is the area that needs painting (BeginPaint's rcPaint).
class CPaintDC : public CClientDC {
 public:
  explicit CPaintDC(CWnd* wnd);
  ~CPaintDC() override;

  RECT m_rcPaint;

 private:
  HWND hwnd_;
};
