// CStrokeFigure: the one implementation behind the rectangles and ellipses, hollow or filled,
// whose geometry is the tracker rectangle (the bounding box). A hollow figure draws its outline
// as a filled ring of the pen width in the colour and answers on that outline; a filled one
// draws a one-pixel black outline around a fill of the colour and answers inside. Not a
// run-time class of its own: each concrete shape names CStrokeBase as its base.
#pragma once

#include "whiteboard/model/ShapeGeometry.h"
#include "whiteboard/model/StrokeBase.h"

class CStrokeFigure : public CStrokeBase {
 public:
  BOOL UpdateTracker() override;
  void Draw(CDC* dc, LPRECT rect) override;
  // Every pixel lies inside the tracker rectangle (a filled figure's outline is one pixel wide),
  // or for a ring inside its outer and inner edges (a pen wider than half the figure takes the
  // inner edge past the outer one).
  BOOL DrawsInto(const RECT& area) override;
  BOOL HitTest(int x, int y) override;
  // Ops 1 (the rectangle or ellipse fields), 7 and 8; hollow: 3 and 4 (pen colour and width);
  // filled: 2 (fill colour) and 4 (width only).
  WbMsgHeader* BuildWbMessage(int op, BYTE headerKind, void** ppPayload, WbStyleRecord** ppStyle,
                              WbPageOpRecord** ppPageOp, WbListNode** ppNode, DWORD page, DWORD headerValue,
                              void** ppExtra) override;

  // The drag in progress: the figure's outline between the corners.
  static void DrawFigureBand(CDC* dc, ShapeFigure figure, const RECT& rect);

 protected:
  CStrokeFigure(ShapeFigure figure, BOOL filled, IWbBoardChannel* owner)
      : CStrokeBase(owner), m_figure(figure), m_bFilled(filled) {}

  // The payload of op: object type and, for op 1, the geometry of the figure.
  void* NewFigurePayload(int op) const;

  const ShapeFigure m_figure;
  const BOOL m_bFilled;
};
