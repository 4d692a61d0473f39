#include "whiteboard/model/StrokePolygon.h"

#include "whiteboard/model/ShapeGeometry.h"

IMPLEMENT_DYNCREATE(CStrokePolygon, CStrokePolyline)

void CStrokePolygon::Draw(CDC* dc, LPRECT rect) {
  if (!dc || !rect) return;
  DrawPoints(dc, ClosedOutline());
  m_rcDraw = *rect;
}

BOOL CStrokePolygon::HitTest(int x, int y) {
  int count = m_arrPoint.GetSize();
  if (count >= 2 && SegmentBandContains(m_arrPoint[0], m_arrPoint[count - 1], HitBand(m_nPenWidth), x, y)) {
    m_bSelected = TRUE;
    return TRUE;
  }
  return CStrokePolyline::HitTest(x, y);
}
