#include "whiteboard/model/StrokeFigure.h"

#include "platform/gdi/Dc.h"
#include "whiteboard/model/ShapeDrawing.h"
#include "whiteboard/model/WbBlocks.h"
#include "whiteboard/model/WbGeometry.h"

namespace {

void DrawFigure(CDC* dc, ShapeFigure figure, const RECT& rect) {
  if (figure == ShapeFigure::kEllipse)
    dc->Ellipse(&rect);
  else
    dc->Rectangle(&rect);
}

// Links the style record from the payload of either kind.
void LinkStyle(void* payload, ShapeFigure figure, WbStyleRecord* style) {
  if (figure == ShapeFigure::kEllipse)
    static_cast<WbEllipsePayload*>(payload)->pStyle = style;
  else
    static_cast<WbRectPayload*>(payload)->pStyle = style;
}

}  // namespace

BOOL CStrokeFigure::UpdateTracker() {
  SetTrackerRect(m_rcDraw);
  return TRUE;
}

void CStrokeFigure::Draw(CDC* dc, LPRECT rect) {
  if (!dc || !rect) return;
  if (m_bFilled) {
    const COLORREF black = RGB(0, 0, 0);
    ScopedFill fill(dc, &black, m_crColor);
    DrawFigure(dc, m_figure, *rect);
  } else {
    // Only the part of the ring that the DC shows is built (or kept whole, as the DC keeps
    // figures, for the repaints that follow).
    RECT visible;
    gdi::SpanSet local;
    CBrush brush(m_crColor);
    RECT inner = ShrinkTowardsCentre(*rect, m_nPenWidth);
    if (dc->GetClipBox(&visible) != NULLREGION)
      dc->FillPixels(RingPixels(m_figure, *rect, inner, visible, dc->KeepsFigure(RingExtent(*rect, inner)), &local),
                     &brush);
  }
  m_rcDraw = m_tracker.m_rect;
}

BOOL CStrokeFigure::DrawsInto(const RECT& area) {
  const RECT& r = m_tracker.m_rect;
  RECT box = RingExtent(r, m_bFilled ? r : ShrinkTowardsCentre(r, m_nPenWidth));
  return RectsMeet(box, area);
}

BOOL CStrokeFigure::HitTest(int x, int y) {
  const CRect& r = m_tracker.m_rect;
  m_bSelected = m_bFilled ? FigureContains(m_figure, r, x, y) : RingContains(m_figure, r, HitBand(m_nPenWidth), x, y);
  return m_bSelected;
}

void* CStrokeFigure::NewFigurePayload(int op) const {
  const RECT& r = m_tracker.m_rect;
  if (m_figure == ShapeFigure::kEllipse) {
    WbEllipsePayload* payload = NewWbEllipsePayload();
    if (!payload) return nullptr;
    FillPayloadHead(&payload->head, WB_OBJ_ELLIPSE, op);
    if (op == WB_CHANGE_GEOMETRY) SetWbEllipseGeometry(payload, r);
    return payload;
  }
  WbRectPayload* payload = NewWbRectPayload();
  if (!payload) return nullptr;
  FillPayloadHead(&payload->head, WB_OBJ_RECT, op);
  if (op == WB_CHANGE_GEOMETRY) SetWbRectGeometry(payload, r);
  return payload;
}

WbMsgHeader* CStrokeFigure::BuildWbMessage(int op, BYTE headerKind, void** ppPayload, WbStyleRecord** ppStyle,
                                           WbPageOpRecord** ppPageOp, WbListNode** ppNode, DWORD page,
                                           DWORD headerValue, void** ppExtra) {
  if (!ChangeOutputsGiven(ppPayload, ppStyle, ppPageOp, ppNode, ppExtra, FALSE) || !AnswersChangeOp(m_bFilled, op))
    return nullptr;
  void* payload = *ppPayload = NewFigurePayload(op);
  if (!payload || !NewChangeStyle(m_bFilled, op, ppStyle)) return nullptr;
  LinkStyle(payload, m_figure, *ppStyle);
  return FinishChangeMessage(headerKind, payload, page, headerValue, ppPageOp, ppNode);
}

void CStrokeFigure::DrawFigureBand(CDC* dc, ShapeFigure figure, const RECT& rect) {
  if (!dc) return;
  RubberBandObjects band(dc);
  DrawFigure(dc, figure, rect);
}
