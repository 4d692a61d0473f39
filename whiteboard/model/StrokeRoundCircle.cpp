#include "whiteboard/model/StrokeRoundCircle.h"

#include <algorithm>
#include <cstdlib>

#include "platform/gdi/Dc.h"
#include "whiteboard/model/ShapeDrawing.h"
#include "whiteboard/model/ShapeGeometry.h"
#include "whiteboard/model/WbBlocks.h"
#include "whiteboard/model/WbGeometry.h"

IMPLEMENT_DYNCREATE(CStrokeRoundCircle, CStrokeSolidEllipse)

BOOL CStrokeRoundCircle::UpdateTracker() {
  long long side = std::min((long long)m_rcDraw.right - m_rcDraw.left, (long long)m_rcDraw.bottom - m_rcDraw.top);
  SetTrackerRect(RECT{m_rcDraw.left, m_rcDraw.top, ClampCoord(m_rcDraw.left + side), ClampCoord(m_rcDraw.top + side)});
  return TRUE;
}

void CStrokeRoundCircle::Draw(CDC* dc, LPRECT rect) {
  if (!dc || !rect) return;
  ScopedFill fill(dc, nullptr, m_crColor);
  dc->Ellipse(rect);
  m_rcDraw = m_tracker.m_rect;
}

WbMsgHeader* CStrokeRoundCircle::BuildWbMessage(int op, BYTE headerKind, void** ppPayload, WbStyleRecord** ppStyle,
                                                WbPageOpRecord** ppPageOp, WbListNode** ppNode, DWORD page,
                                                DWORD headerValue, void** ppExtra) {
  if (!ChangeOutputsGiven(ppPayload, ppStyle, ppPageOp, ppNode, ppExtra, FALSE) || !AnswersChangeOp(TRUE, op))
    return nullptr;
  WbCirclePayload* payload = NewWbCirclePayload();
  *ppPayload = payload;
  if (!payload) return nullptr;
  FillPayloadHead(&payload->head, WB_OBJ_CIRCLE, op);
  if (op == WB_CHANGE_GEOMETRY) SetWbCircleGeometry(payload, m_tracker.m_rect);
  if (!NewChangeStyle(TRUE, op, ppStyle)) return nullptr;
  payload->pStyle = *ppStyle;
  return FinishChangeMessage(headerKind, payload, page, headerValue, ppPageOp, ppNode);
}

void CStrokeRoundCircle::DrawRubberBand(CDC* dc, int left, int top, int right, int bottom) {
  long long width = std::llabs((long long)right - left), height = std::llabs((long long)bottom - top);
  long long side = std::min(width, height);
  int x = std::min(left, right), y = std::min(top, bottom);
  DrawFigureBand(dc, ShapeFigure::kEllipse, RECT{x, y, ClampCoord(x + side), ClampCoord(y + side)});
}
