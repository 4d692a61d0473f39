#include "platform/gdi/RectTracker.h"

#include <algorithm>
#include <cstdlib>

#include "platform/gdi/Dc.h"

namespace {

// Where each handle sits on the frame: 0 at the left (top) edge, 1 at the right (bottom)
// edge, 2 centred.
struct HandleAnchor {
  int x, y;
};
const HandleAnchor kAnchors[9] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}, {2, 0}, {1, 2}, {2, 1}, {0, 2}, {2, 2}};

int Place(int anchor, int low, int high, int size) {
  if (anchor == 0) return low;
  if (anchor == 1) return high - size;
  return low + (high - low - size) / 2;
}

}  // namespace

// m_sizeMin is declared before m_nHandleSize, so it is set once the handle size is.
CRectTracker::CRectTracker() { m_sizeMin = CSize(m_nHandleSize * 2, m_nHandleSize * 2); }

CRectTracker::CRectTracker(LPCRECT rect, UINT style) : CRectTracker() {
  if (rect) m_rect = *rect;
  m_nStyle = style;
}

int CRectTracker::GetHandleSize(LPCRECT rect) const {
  const RECT& r = rect ? *rect : m_rect;
  int size = m_nHandleSize;
  if (!(m_nStyle & resizeOutside)) {
    int limit = std::min(std::abs((int)(r.right - r.left)), std::abs((int)(r.bottom - r.top)));
    if (size * 2 > limit) size = limit / 2;
  }
  return size;
}

UINT CRectTracker::GetHandleMask() const {
  UINT mask = 0x0F;
  int size = m_nHandleSize * 3;
  if (std::abs(m_rect.Width()) - size > 4) mask |= 0x50;
  if (std::abs(m_rect.Height()) - size > 4) mask |= 0xA0;
  return mask;
}

void CRectTracker::GetTrueRect(LPRECT rect) const {
  CRect r = m_rect;
  r.NormalizeRect();
  int grow = 0;
  if (m_nStyle & (resizeOutside | hatchedBorder)) grow += GetHandleSize() - 1;
  if (m_nStyle & (solidLine | dottedLine)) grow += 1;
  r.InflateRect(grow, grow);
  *rect = r;
}

int CRectTracker::NormalizeHit(int handle) const {
  if (handle < 0 || handle > 7) return handle;
  static const int kFlipX[8] = {1, 0, 3, 2, 4, 7, 6, 5};
  static const int kFlipY[8] = {3, 2, 1, 0, 6, 5, 4, 7};
  if (m_rect.right < m_rect.left) handle = kFlipX[handle];
  if (m_rect.bottom < m_rect.top) handle = kFlipY[handle];
  return handle;
}

void CRectTracker::GetHandleRect(int handle, CRect* rect) const {
  if (!rect || handle < 0 || handle > 8) return;
  CRect frame = m_rect;
  frame.NormalizeRect();
  if (m_nStyle & (solidLine | dottedLine)) frame.InflateRect(1, 1);
  int size = GetHandleSize();
  if (m_nStyle & resizeOutside) frame.InflateRect(size - 1, size - 1);
  const HandleAnchor& a = kAnchors[NormalizeHit(handle)];
  int x = Place(a.x, frame.left, frame.right, size), y = Place(a.y, frame.top, frame.bottom, size);
  rect->SetRect(x, y, x + size, y + size);
}

void CRectTracker::DragHandle(int hit, const RECT& start, CSize delta) {
  // Which of left, top, right, bottom each hit moves.
  static const bool kMoves[9][4] = {{1, 1, 0, 0}, {0, 1, 1, 0}, {0, 0, 1, 1}, {1, 0, 0, 1}, {0, 1, 0, 0},
                                    {0, 0, 1, 0}, {0, 0, 0, 1}, {1, 0, 0, 0}, {1, 1, 1, 1}};
  if (hit < 0 || hit > 8) return;
  const bool* moves = kMoves[hit];
  m_rect = start;
  if (moves[0]) m_rect.left += delta.cx;
  if (moves[1]) m_rect.top += delta.cy;
  if (moves[2]) m_rect.right += delta.cx;
  if (moves[3]) m_rect.bottom += delta.cy;
}

int CRectTracker::HitTestHandles(CPoint point) const {
  UINT mask = GetHandleMask();
  for (int i = 0; i < 8; ++i) {
    if (!(mask & (1u << i))) continue;
    CRect handle;
    GetHandleRect(NormalizeHit(i), &handle);  // slot i of the normalised frame
    if (handle.PtInRect(point)) return NormalizeHit(i);
  }
  if (!(m_nStyle & hatchedBorder)) {
    CRect inside = m_rect;
    inside.NormalizeRect();
    if (m_nStyle & (solidLine | dottedLine)) inside.InflateRect(1, 1);
    if (!inside.PtInRect(point)) return hitNothing;
  }
  return hitMiddle;
}

int CRectTracker::HitTest(CPoint point) const {
  CRect whole;
  GetTrueRect(&whole);
  if (!whole.PtInRect(point)) return hitNothing;
  if (m_nStyle & (resizeInside | resizeOutside)) return HitTestHandles(point);
  return hitMiddle;
}

void CRectTracker::Draw(CDC* dc) const {
  if (!dc) return;
  int saved = dc->SaveDC();
  CRect r = m_rect;
  r.NormalizeRect();
  dc->SetROP2(R2_COPYPEN);
  dc->SetBkMode(TRANSPARENT);
  if (m_nStyle & (solidLine | dottedLine)) {
    CPen pen(m_nStyle & dottedLine ? PS_DOT : PS_SOLID, 1, RGB(0, 0, 0));
    dc->SelectObject(&pen);
    dc->SelectStockObject(NULL_BRUSH);
    dc->Rectangle(r.left - 1, r.top - 1, r.right + 1, r.bottom + 1);
  }
  if (m_nStyle & (hatchInside | hatchedBorder)) {
    CBrush hatch(HS_BDIAGONAL, RGB(0, 0, 0));
    if (m_nStyle & hatchInside) dc->FillRect(r, &hatch);
    if (m_nStyle & hatchedBorder) {
      CRect whole;
      GetTrueRect(&whole);
      CRgn outer, inner;
      outer.CreateRectRgnIndirect(whole);
      inner.CreateRectRgn(r.left - 1, r.top - 1, r.right + 1, r.bottom + 1);
      outer.CombineRgn(&outer, &inner, RGN_DIFF);
      dc->FillRgn(&outer, &hatch);
    }
  }
  if (m_nStyle & (resizeInside | resizeOutside)) {
    UINT mask = GetHandleMask();
    for (int i = 0; i < 8; ++i) {
      if (!(mask & (1u << i))) continue;
      CRect handle;
      GetHandleRect(i, &handle);
      dc->FillSolidRect(handle, RGB(0, 0, 0));
    }
  }
  dc->RestoreDC(saved);
}
