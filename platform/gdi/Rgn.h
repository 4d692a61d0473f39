// Regions: exact pixel sets built from rectangles, ellipses and polygons and combined with
// AND, OR, XOR and DIFF. PtInRegion answers for exactly the pixels that FillRgn paints.
#pragma once

#include <utility>

#include "platform/Geometry.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/SpanSet.h"

class CRgn : public CGdiObject {
 public:
  CRgn() = default;
  BOOL CreateRectRgn(int left, int top, int right, int bottom);
  BOOL CreateRectRgnIndirect(LPCRECT rect);
  BOOL CreateEllipticRgn(int left, int top, int right, int bottom);
  BOOL CreateEllipticRgnIndirect(LPCRECT rect);
  BOOL CreatePolygonRgn(const POINT* points, int count, int fillMode);
  BOOL CreateRoundRectRgn(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
  // A region of exactly these pixels (for figures built only where they will be painted).
  BOOL CreateFromPixels(gdi::SpanSet pixels) { return Assign(std::move(pixels)); }
  // This region becomes a op b (RGN_COPY: a); it must have been created first, as in GDI.
  // Returns NULLREGION, SIMPLEREGION, COMPLEXREGION, or RGN_ERROR.
  int CombineRgn(const CRgn* a, const CRgn* b, int mode);
  int CopyRgn(const CRgn* source) { return CombineRgn(source, nullptr, RGN_COPY); }
  void SetRectRgn(int left, int top, int right, int bottom);
  int OffsetRgn(int dx, int dy);
  BOOL PtInRegion(int x, int y) const;
  BOOL PtInRegion(POINT p) const { return PtInRegion(p.x, p.y); }
  BOOL RectInRegion(LPCRECT rect) const;
  int GetRgnBox(LPRECT rect) const;
  BOOL EqualRgn(const CRgn* other) const;

  const gdi::SpanSet& Pixels() const { return pixels_; }

 private:
  void Reset() override { pixels_ = gdi::SpanSet(); }
  BOOL Assign(gdi::SpanSet pixels);
  int Kind() const;
  gdi::SpanSet pixels_;
};
