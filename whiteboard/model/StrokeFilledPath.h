// CStrokeFilledPath: the one implementation behind the triangle and the trapezium, filled
// figures whose points are made from a rectangle (the drag, or the new bounds when scaled).
// Not a run-time class of its own: each concrete shape names CStrokeFreeLine as its base.
#pragma once

#include "whiteboard/model/StrokeFreeLine.h"

class CStrokeFilledPath : public CStrokeFreeLine {
 public:
  // The figure's corners for rect (left, top, right, bottom as given); returns their count.
  using CornerRule = int (*)(const RECT& rect, POINT* corners);
  static constexpr int kMaxCorners = 4;

  // The tracker is m_rcDraw.
  BOOL UpdateTracker() override;
  // The closed path through the points, filled with the colour, no outline; m_rcDraw becomes
  // the tracker rectangle.
  void Draw(CDC* dc, LPRECT rect) override;
  // The fill lies within the box of its points.
  BOOL DrawsInto(const RECT& area) override;
  // Inside the polygon of the points (alternate fill).
  BOOL HitTest(int x, int y) override;
  // Ops 1 (the path text), 2 (fill colour), 4 (width), 7 and 8; ppExtra is required.
  WbMsgHeader* BuildWbMessage(int op, BYTE headerKind, void** ppPayload, WbStyleRecord** ppStyle,
                              WbPageOpRecord** ppPageOp, WbListNode** ppNode, DWORD page, DWORD headerValue,
                              void** ppExtra) override;
  // The points are made anew from newRect; m_rcDraw stays (Draw updates it).
  void ScaleTo(LPCRECT newRect) override;

 protected:
  CStrokeFilledPath(CornerRule rule, IWbBoardChannel* owner) : CStrokeFreeLine(owner), m_rule(rule) {}
  // The drag in progress: the figure's outline for the corners.
  static void DrawFigureBand(CDC* dc, CornerRule rule, const RECT& rect);

 private:
  const CornerRule m_rule;
};
