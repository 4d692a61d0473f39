#include "whiteboard/model/ShapeDrawing.h"

#include "platform/gdi/Dc.h"

DcSelection::DcSelection(CDC* dc, CPen* pen, CBrush* brush) : dc_(dc) {
  if (pen) oldPen_ = dc->SelectObject(pen), penSelected_ = true;
  if (brush) oldBrush_ = dc->SelectObject(brush), brushSelected_ = true;
}

DcSelection::~DcSelection() {
  if (penSelected_ && oldPen_) dc_->SelectObject(oldPen_);
  if (brushSelected_ && oldBrush_) dc_->SelectObject(oldBrush_);
}

ScopedFill::ScopedFill(CDC* dc, const COLORREF* outline, COLORREF fill)
    : pen_(PS_SOLID, 1, outline ? *outline : 0), brush_(fill), selection_(dc, outline ? &pen_ : nullptr, &brush_) {}

RubberBandObjects::RubberBandObjects(CDC* dc)
    : pen_(PS_SOLID, 1, kRubberBandColor), brush_(RGB(0, 0, 0)), selection_(dc, &pen_, &brush_) {}

void DrawPointPolyline(CDC* dc, const CArray<CPoint, CPoint>& points, POINT offset, bool closed) {
  if (points.IsEmpty()) return;
  dc->MoveTo(points[0] + offset);
  for (int i = 1; i < points.GetSize(); ++i) dc->LineTo(points[i] + offset);
  if (closed) dc->LineTo(points[0] + offset);
}

void DrawClosedOutline(CDC* dc, const POINT* points, int count) {
  if (count <= 0) return;
  dc->MoveTo(points[0]);
  for (int i = 1; i < count; ++i) dc->LineTo(points[i]);
  dc->LineTo(points[0]);
}
