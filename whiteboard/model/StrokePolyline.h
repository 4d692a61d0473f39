// CStrokePolyline: an open polyline with one point per click.
#pragma once

#include "whiteboard/model/StrokeFreeLine.h"

class CStrokePolyline : public CStrokeFreeLine {
  DECLARE_DYNCREATE(CStrokePolyline)

 public:
  CStrokePolyline() = default;
  explicit CStrokePolyline(IWbBoardChannel* owner) : CStrokeFreeLine(owner) {}

  CString GetTypeName() override { return "polyline"; }

  // The polyline gesture in progress, drawn by the surface under XOR: one segment from the
  // last click (left, top) to the pointer (right, bottom); after the surface scrolled during the
  // gesture (g_bScrolledInGesture, cleared here) the whole gesture, the gathered points moved
  // by minus the scroll origin and a segment to the pointer, since the repaint erased it.
  static void DrawRubberBand(CDC* dc, int left, int top, int right, int bottom);
};
