#include "whiteboard/model/StrokePolyline.h"

#include "platform/gdi/Dc.h"
#include "whiteboard/model/ShapeDrawing.h"
#include "whiteboard/model/GestureShared.h"

IMPLEMENT_DYNCREATE(CStrokePolyline, CStrokeFreeLine)

void CStrokePolyline::DrawRubberBand(CDC* dc, int left, int top, int right, int bottom) {
  if (!dc) return;
  if (!g_bScrolledInGesture) {
    RubberBandObjects band(dc);
    dc->MoveTo(left, top);
    dc->LineTo(right, bottom);
    return;
  }
  g_bScrolledInGesture = FALSE;
  CStrokeFreeLine::DrawRubberBand(dc, left, top, right, bottom);
}
