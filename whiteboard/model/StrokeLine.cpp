#include "whiteboard/model/StrokeLine.h"

#include "platform/gdi/Dc.h"
#include "whiteboard/model/ShapeDrawing.h"
#include "whiteboard/model/ShapeGeometry.h"
#include "whiteboard/model/WbBlocks.h"
#include "whiteboard/model/WbGeometry.h"

IMPLEMENT_DYNCREATE(CStrokeLine, CStrokeBase)

BOOL CStrokeLine::UpdateTracker() {
  SetTrackerRect(m_rcDraw);
  return TRUE;
}

void CStrokeLine::Draw(CDC* dc, LPRECT rect) {
  if (!dc || !rect) return;
  ScopedPen pen(dc, m_nPenWidth, m_crColor);
  dc->MoveTo(rect->left, rect->top);
  dc->LineTo(rect->right, rect->bottom);
  m_rcDraw = m_tracker.m_rect;
}

BOOL CStrokeLine::DrawsInto(const RECT& area) {
  return PenSegmentReaches(POINT{m_rcDraw.left, m_rcDraw.top}, POINT{m_rcDraw.right, m_rcDraw.bottom}, m_nPenWidth,
                           area);
}

BOOL CStrokeLine::HitTest(int x, int y) {
  const CRect& r = m_tracker.m_rect;
  m_bSelected = SegmentBandContains(r.TopLeft(), r.BottomRight(), HitBand(m_nPenWidth), x, y);
  return m_bSelected;
}

WbMsgHeader* CStrokeLine::BuildWbMessage(int op, BYTE headerKind, void** ppPayload, WbStyleRecord** ppStyle,
                                         WbPageOpRecord** ppPageOp, WbListNode** ppNode, DWORD page,
                                         DWORD headerValue, void** ppExtra) {
  if (!ChangeOutputsGiven(ppPayload, ppStyle, ppPageOp, ppNode, ppExtra, FALSE) || !AnswersChangeOp(FALSE, op))
    return nullptr;
  WbLinePayload* payload = NewWbLinePayload();
  *ppPayload = payload;
  if (!payload) return nullptr;
  FillPayloadHead(&payload->head, WB_OBJ_LINE, op);
  if (op == WB_CHANGE_GEOMETRY) SetWbLineGeometry(payload, m_tracker.m_rect);
  if (!NewChangeStyle(FALSE, op, ppStyle)) return nullptr;
  payload->pStyle = *ppStyle;
  return FinishChangeMessage(headerKind, payload, page, headerValue, ppPageOp, ppNode);
}

void CStrokeLine::DrawRubberBand(CDC* dc, int left, int top, int right, int bottom) {
  if (!dc) return;
  RubberBandObjects band(dc);
  dc->MoveTo(left, top);
  dc->LineTo(right, bottom);
}
