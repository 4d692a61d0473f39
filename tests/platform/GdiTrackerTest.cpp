#include <gtest/gtest.h>

#include "platform/gdi/RectTracker.h"
#include "tests/platform/GdiCanvas.h"

namespace {

// The selection frame of a whiteboard object: dotted line, handles outside, size 5.
CRectTracker SelectionTracker(int l, int t, int r, int b) {
  CRectTracker tracker(CRect(l, t, r, b), CRectTracker::dottedLine | CRectTracker::resizeOutside);
  tracker.m_nHandleSize = 5;
  return tracker;
}

}  // namespace

TEST(GdiTrackerTest, HandlesSitOutsideTheFrame) {
  CRectTracker t = SelectionTracker(10, 10, 110, 60);
  CRect whole;
  t.GetTrueRect(&whole);
  EXPECT_EQ(CRect(5, 5, 115, 65), whole);
  EXPECT_EQ(0xFFu, t.GetHandleMask());
  EXPECT_EQ(CRectTracker::hitTopLeft, t.HitTest(CPoint(7, 7)));
  EXPECT_EQ(CRectTracker::hitTopRight, t.HitTest(CPoint(112, 6)));
  EXPECT_EQ(CRectTracker::hitBottomRight, t.HitTest(CPoint(114, 64)));
  EXPECT_EQ(CRectTracker::hitBottomLeft, t.HitTest(CPoint(5, 61)));
  EXPECT_EQ(CRectTracker::hitTop, t.HitTest(CPoint(60, 7)));
  EXPECT_EQ(CRectTracker::hitRight, t.HitTest(CPoint(112, 35)));
  EXPECT_EQ(CRectTracker::hitBottom, t.HitTest(CPoint(60, 63)));
  EXPECT_EQ(CRectTracker::hitLeft, t.HitTest(CPoint(7, 35)));
  EXPECT_EQ(CRectTracker::hitMiddle, t.HitTest(CPoint(50, 30)));
  EXPECT_EQ(CRectTracker::hitMiddle, t.HitTest(CPoint(9, 30)));   // on the frame itself
  EXPECT_EQ(CRectTracker::hitNothing, t.HitTest(CPoint(30, 7)));  // between handles
  EXPECT_EQ(CRectTracker::hitNothing, t.HitTest(CPoint(115, 35)));
  EXPECT_EQ(CRectTracker::hitNothing, t.HitTest(CPoint(200, 200)));
}

TEST(GdiTrackerTest, InvertedRectangleNamesHandlesByItsOwnCorners) {
  CRectTracker t = SelectionTracker(110, 60, 10, 10);  // dragged from bottom-right to top-left
  EXPECT_EQ(CRectTracker::hitBottomRight, t.HitTest(CPoint(7, 7)));
  EXPECT_EQ(CRectTracker::hitTopLeft, t.HitTest(CPoint(114, 64)));
  EXPECT_EQ(CRectTracker::hitBottom, t.HitTest(CPoint(60, 7)));
  EXPECT_EQ(CRectTracker::hitLeft, t.HitTest(CPoint(112, 35)));
  CRect handle;
  t.GetHandleRect(CRectTracker::hitBottomRight, &handle);
  EXPECT_EQ(CRect(5, 5, 10, 10), handle);
}

TEST(GdiTrackerTest, SmallRectanglesShowOnlyCornerHandles) {
  CRectTracker t = SelectionTracker(0, 0, 19, 40);
  EXPECT_EQ(0xAFu, t.GetHandleMask());  // too narrow for top and bottom handles
  CRectTracker inside(CRect(0, 0, 6, 6), CRectTracker::resizeInside);
  inside.m_nHandleSize = 5;
  EXPECT_EQ(3, inside.GetHandleSize());  // shrunk to fit half the rectangle
  EXPECT_EQ(CRectTracker::hitBottomRight, inside.HitTest(CPoint(4, 4)));
  CRectTracker plain(CRect(0, 0, 50, 50), CRectTracker::solidLine);
  EXPECT_EQ(CRectTracker::hitMiddle, plain.HitTest(CPoint(-1, -1)));  // frame, no handles
}

TEST(GdiTrackerTest, DrawPutsADottedFrameOutsideAndBlackHandles) {
  GdiCanvas c(130, 80);
  CRectTracker t = SelectionTracker(10, 10, 110, 60);
  c.dc.SetROP2(R2_XORPEN);  // the tracker draws in copy mode whatever the DC holds
  t.Draw(&c.dc);
  EXPECT_EQ(R2_XORPEN, c.dc.GetROP2());
  EXPECT_EQ(kBlack, c.At(7, 7));       // handle
  EXPECT_EQ(kBlack, c.At(112, 62));
  EXPECT_EQ(kWhite, c.At(50, 30));     // inside untouched
  EXPECT_EQ(kWhite, c.At(10, 20));     // the frame lies outside m_rect
  int black = 0;
  for (int y = 15; y < 55; ++y) black += c.At(9, y) == kBlack;
  EXPECT_GT(black, 10);  // dotted: some on ...
  EXPECT_LT(black, 30);  // ... some off
}

TEST(GdiTrackerTest, HatchInsideHatchesTheRectangle) {
  GdiCanvas c(40, 40);
  CRectTracker t(CRect(8, 8, 24, 24), CRectTracker::hatchInside);
  t.Draw(&c.dc);
  int black = 0;
  for (int y = 8; y < 24; ++y)
    for (int x = 8; x < 24; ++x) black += c.At(x, y) == kBlack;
  EXPECT_EQ(32, black);  // one diagonal pixel per row of each 8 x 8 cell
  EXPECT_EQ(kWhite, c.At(30, 30));
}

TEST(GdiTrackerTest, DraggingAHandleMovesItsEdgesOnly) {
  CRectTracker t = SelectionTracker(10, 10, 110, 60);
  const CRect start = t.m_rect;
  t.DragHandle(CRectTracker::hitBottomRight, start, CSize(5, -7));
  EXPECT_EQ(CRect(10, 10, 115, 53), t.m_rect);
  t.DragHandle(CRectTracker::hitLeft, start, CSize(-3, 40));
  EXPECT_EQ(CRect(7, 10, 110, 60), t.m_rect);
  t.DragHandle(CRectTracker::hitMiddle, start, CSize(2, 3));
  EXPECT_EQ(CRect(12, 13, 112, 63), t.m_rect);
  // Dragging a corner past the opposite one inverts the rectangle, and the hit test follows.
  t.DragHandle(CRectTracker::hitTopLeft, start, CSize(150, 0));
  EXPECT_EQ(CRect(160, 10, 110, 60), t.m_rect);
  CRect handle;
  t.GetHandleRect(CRectTracker::hitTopLeft, &handle);
  EXPECT_EQ(CRectTracker::hitTopLeft, t.HitTest(handle.TopLeft()));
}
