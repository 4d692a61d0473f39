// CRectTracker: the selection frame around an object, its eight resize handles, and the hit
// test that tells which part of the frame a point is on. Handles are numbered as in MFC:
// 0..3 the corners clockwise from the top-left, 4..7 the sides clockwise from the top, 8 the
// middle. Track and TrackRubberBand, the modal drag loops, live with the window system
// (platform/ui/RectTrackerTrack.cpp).
#pragma once

#include "platform/Geometry.h"

class CDC;
class CWnd;

class CRectTracker {
 public:
  enum StyleFlags {
    solidLine = 1,
    dottedLine = 2,
    hatchedBorder = 4,
    resizeInside = 8,
    resizeOutside = 16,
    hatchInside = 32,
  };
  enum TrackerHit {
    hitNothing = -1,
    hitTopLeft = 0,
    hitTopRight = 1,
    hitBottomRight = 2,
    hitBottomLeft = 3,
    hitTop = 4,
    hitRight = 5,
    hitBottom = 6,
    hitLeft = 7,
    hitMiddle = 8,
  };

  CRectTracker();
  CRectTracker(LPCRECT rect, UINT style);
  virtual ~CRectTracker() = default;

  // Frame (one pixel outside m_rect), hatching and black handles, per m_nStyle.
  void Draw(CDC* dc) const;
  // The part under `point`: hitNothing, a handle 0..7 (named for m_rect as it stands, even
  // when it is not normalised), or hitMiddle.
  int HitTest(CPoint point) const;
  // Maps a handle between m_rect's own corners and those of its normalised form.
  int NormalizeHit(int handle) const;
  // Everything Draw may touch: the normalised rectangle with its frame and outside handles.
  void GetTrueRect(LPRECT rect) const;
  // Bit i set: handle i is shown (side handles only when the rectangle is large enough).
  UINT GetHandleMask() const;
  void GetHandleRect(int handle, CRect* rect) const;
  // The handle size, reduced for small rectangles when the handles sit inside.
  int GetHandleSize(LPCRECT rect = nullptr) const;
  // One step of a drag that began on `hit` with m_rect = `start`: the handle's edges (all of
  // them for hitMiddle) follow the pointer by `delta`. The modal Track loop of the window
  // system calls this for every mouse move.
  void DragHandle(int hit, const RECT& start, CSize delta);

  // Drags the part of the frame under `point` (client coordinates of `wnd`) with the mouse
  // until the left button comes up: TRUE when m_rect changed. Esc, the right button or a lost
  // capture restore m_rect and return FALSE, as does a point on no part. Resizing keeps at
  // least m_sizeMin; without `allowInvert` the result is normalised.
  BOOL Track(CWnd* wnd, CPoint point, BOOL allowInvert = FALSE, CWnd* clipTo = nullptr);
  // Draws a new rectangle from `point` to the pointer: TRUE when it is not empty.
  BOOL TrackRubberBand(CWnd* wnd, CPoint point, BOOL allowInvert = TRUE);
  // Called for every step of a drag (`hit` as in DragHandle) to correct the new rectangle.
  virtual void AdjustRect(int hit, LPRECT rect);
  // Called after every step that changed m_rect.
  virtual void OnChangedRect(const CRect& oldRect);

  CRect m_rect;
  UINT m_nStyle = 0;
  CSize m_sizeMin;
  int m_nHandleSize = 4;

 private:
  int HitTestHandles(CPoint point) const;
  BOOL TrackHandle(int hit, CWnd* wnd, CPoint point, BOOL allowInvert, bool keepMinimum);
  void KeepMinimum(int hit, BOOL allowInvert);
};
