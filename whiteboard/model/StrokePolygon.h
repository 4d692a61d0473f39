// CStrokePolygon: a closed polyline with one point per click, the last segment leading back
// to the first point; only its outline is drawn and hit.
#pragma once

#include "whiteboard/model/StrokePolyline.h"

class CStrokePolygon : public CStrokePolyline {
  DECLARE_DYNCREATE(CStrokePolygon)

 public:
  CStrokePolygon() = default;
  explicit CStrokePolygon(IWbBoardChannel* owner) : CStrokePolyline(owner) {}

  // The closed polyline; m_rcDraw becomes rect.
  void Draw(CDC* dc, LPRECT rect) override;
  // The closing segment's band first, then the other segments'.
  BOOL HitTest(int x, int y) override;
  CString GetTypeName() override { return "polygon"; }

 protected:
  bool ClosedOutline() const override { return true; }
};
