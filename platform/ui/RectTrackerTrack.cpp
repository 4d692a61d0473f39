// CRectTracker's modal drags over the window system's track loop (platform::RunTrackLoop).
#include <cstdlib>

#include "platform/gdi/RectTracker.h"
#include "platform/ui/TrackLoop.h"
#include "platform/ui/Wnd.h"

namespace {

// Which edges a handle moves, read off DragHandle itself: a unit step from an empty rectangle.
CRect MovedEdges(CRectTracker& tracker, int hit) {
  CRect saved = tracker.m_rect;
  tracker.DragHandle(hit, CRect(0, 0, 0, 0), CSize(1, 1));
  CRect moved = tracker.m_rect;
  tracker.m_rect = saved;
  return moved;
}

// Keeps the extent between `anchor` and the moving edge at least `minimum` (keeping its sign
// when the rectangle may be inverted).
LONG Limited(LONG anchor, LONG moving, int minimum, bool allowInvert, int direction) {
  int extent = (moving - anchor) * direction;
  if (allowInvert) {
    if (std::abs(extent) < minimum) extent = extent < 0 ? -minimum : minimum;
  } else if (extent < minimum) {
    extent = minimum;
  }
  return anchor + extent * direction;
}

}  // namespace

void CRectTracker::AdjustRect(int, LPRECT) {}
void CRectTracker::OnChangedRect(const CRect&) {}

void CRectTracker::KeepMinimum(int hit, BOOL allowInvert) {
  CRect moved = MovedEdges(*this, hit);
  if (moved.left && !moved.right) m_rect.left = Limited(m_rect.right, m_rect.left, m_sizeMin.cx, allowInvert, -1);
  if (moved.right && !moved.left) m_rect.right = Limited(m_rect.left, m_rect.right, m_sizeMin.cx, allowInvert, 1);
  if (moved.top && !moved.bottom) m_rect.top = Limited(m_rect.bottom, m_rect.top, m_sizeMin.cy, allowInvert, -1);
  if (moved.bottom && !moved.top) m_rect.bottom = Limited(m_rect.top, m_rect.bottom, m_sizeMin.cy, allowInvert, 1);
}

BOOL CRectTracker::TrackHandle(int hit, CWnd* wnd, CPoint point, BOOL allowInvert, bool keepMinimum) {
  if (!wnd || !::IsWindow(wnd->GetSafeHwnd())) return FALSE;
  CRect start = m_rect;
  bool accepted = platform::RunTrackLoop(wnd->m_hWnd, [&](POINT p, bool) {
    CRect old = m_rect;
    DragHandle(hit, start, CSize(p.x - point.x, p.y - point.y));
    if (keepMinimum) KeepMinimum(hit, allowInvert);
    AdjustRect(hit, &m_rect);
    if (!(old == m_rect)) OnChangedRect(old);
  });
  if (!accepted) {
    m_rect = start;
    return FALSE;
  }
  if (!allowInvert) m_rect.NormalizeRect();
  return TRUE;
}

BOOL CRectTracker::Track(CWnd* wnd, CPoint point, BOOL allowInvert, CWnd*) {
  int hit = HitTest(point);
  if (hit == hitNothing) return FALSE;
  CRect start = m_rect;
  if (!TrackHandle(hit, wnd, point, allowInvert, hit != hitMiddle)) return FALSE;
  return !(m_rect == start);
}

BOOL CRectTracker::TrackRubberBand(CWnd* wnd, CPoint point, BOOL allowInvert) {
  m_rect.SetRect(point.x, point.y, point.x, point.y);
  if (!TrackHandle(hitBottomRight, wnd, point, allowInvert, false)) return FALSE;
  CRect r = m_rect;
  r.NormalizeRect();
  return !r.IsRectEmpty();
}
