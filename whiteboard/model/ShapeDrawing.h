// Drawing helpers shared by the shapes: scoped pen and brush selection, the rubber-band pen,
// and polylines through a point list.
#pragma once

#include "platform/Collections.h"
#include "platform/Geometry.h"
#include "platform/gdi/GdiObjects.h"

class CDC;

// The rubber band's pen colour.
constexpr COLORREF kRubberBandColor = RGB(70, 70, 70);

// Selects a pen and a brush (either may be NULL: left as it is) into a DC and selects the
// previous ones back when it goes out of scope.
class DcSelection {
 public:
  DcSelection(CDC* dc, CPen* pen, CBrush* brush);
  ~DcSelection();
  DcSelection(const DcSelection&) = delete;
  DcSelection& operator=(const DcSelection&) = delete;

 private:
  CDC* dc_;
  CPen* oldPen_ = nullptr;
  CBrush* oldBrush_ = nullptr;
  bool penSelected_ = false;
  bool brushSelected_ = false;
};

// A pen (or a brush) created for one drawing and selected for its duration.
class ScopedPen {
 public:
  ScopedPen(CDC* dc, int width, COLORREF color) : pen_(PS_SOLID, width, color), selection_(dc, &pen_, nullptr) {}

 private:
  CPen pen_;
  DcSelection selection_;
};

// The outline pen and fill brush of a filled figure, selected for one drawing; a NULL
// outline colour keeps the pen the DC holds.
class ScopedFill {
 public:
  ScopedFill(CDC* dc, const COLORREF* outline, COLORREF fill);

 private:
  CPen pen_;
  CBrush brush_;
  DcSelection selection_;
};

// The rubber band's one-pixel pen of kRubberBandColor and a solid black brush (under the XOR
// raster operation the surfaces set, black leaves what it covers unchanged).
class RubberBandObjects {
 public:
  explicit RubberBandObjects(CDC* dc);

 private:
  CPen pen_;
  CBrush brush_;
  DcSelection selection_;
};

// MoveTo the first point and LineTo each further one, every point moved by offset; closed
// adds a last segment back to the first point. Nothing without points.
void DrawPointPolyline(CDC* dc, const CArray<CPoint, CPoint>& points, POINT offset, bool closed);
// The closed outline through count points, drawn with the pen.
void DrawClosedOutline(CDC* dc, const POINT* points, int count);
