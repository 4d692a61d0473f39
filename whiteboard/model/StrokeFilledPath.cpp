#include "whiteboard/model/StrokeFilledPath.h"

#include <algorithm>

#include "platform/gdi/Dc.h"
#include "whiteboard/model/ShapeDrawing.h"
#include "whiteboard/model/ShapeGeometry.h"

BOOL CStrokeFilledPath::UpdateTracker() {
  SetTrackerRect(m_rcDraw);
  return TRUE;
}

void CStrokeFilledPath::Draw(CDC* dc, LPRECT rect) {
  if (!dc || !rect) return;
  if (!m_arrPoint.IsEmpty()) {
    CBrush brush(m_crColor);
    DcSelection selection(dc, nullptr, &brush);
    dc->BeginPath();
    DrawPointPolyline(dc, m_arrPoint, POINT{0, 0}, true);
    dc->EndPath();
    dc->FillPath();
  }
  m_rcDraw = m_tracker.m_rect;
}

BOOL CStrokeFilledPath::DrawsInto(const RECT& area) {
  if (m_arrPoint.IsEmpty()) return FALSE;
  RECT box = {m_arrPoint[0].x, m_arrPoint[0].y, m_arrPoint[0].x, m_arrPoint[0].y};
  for (int i = 1; i < m_arrPoint.GetSize(); ++i) {
    box.left = std::min(box.left, m_arrPoint[i].x), box.right = std::max(box.right, m_arrPoint[i].x);
    box.top = std::min(box.top, m_arrPoint[i].y), box.bottom = std::max(box.bottom, m_arrPoint[i].y);
  }
  return box.left <= area.right && area.left <= box.right && box.top <= area.bottom && area.top <= box.bottom;
}

BOOL CStrokeFilledPath::HitTest(int x, int y) {
  m_bSelected = PolygonContains(m_arrPoint.GetData(), m_arrPoint.GetSize(), x, y);
  return m_bSelected;
}

WbMsgHeader* CStrokeFilledPath::BuildWbMessage(int op, BYTE headerKind, void** ppPayload, WbStyleRecord** ppStyle,
                                               WbPageOpRecord** ppPageOp, WbListNode** ppNode, DWORD page,
                                               DWORD headerValue, void** ppExtra) {
  return BuildPathMessage(TRUE, op, headerKind, ppPayload, ppStyle, ppPageOp, ppNode, page, headerValue, ppExtra);
}

void CStrokeFilledPath::ScaleTo(LPCRECT newRect) {
  if (!newRect) return;
  POINT corners[kMaxCorners];
  int count = m_rule(*newRect, corners);
  ClearPoints();
  for (int i = 0; i < count; ++i) m_arrPoint.Add(corners[i]);
}

void CStrokeFilledPath::DrawFigureBand(CDC* dc, CornerRule rule, const RECT& rect) {
  if (!dc) return;
  RubberBandObjects band(dc);
  POINT corners[kMaxCorners];
  DrawClosedOutline(dc, corners, rule(rect, corners));
}
