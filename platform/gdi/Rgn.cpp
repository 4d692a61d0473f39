#include "platform/gdi/Rgn.h"

#include <utility>

BOOL CRgn::Assign(gdi::SpanSet pixels) {
  pixels_ = std::move(pixels);
  created_ = true;
  return TRUE;
}

int CRgn::Kind() const {
  if (pixels_.IsEmpty()) return NULLREGION;
  return pixels_.IsRectangle() ? SIMPLEREGION : COMPLEXREGION;
}

BOOL CRgn::CreateRectRgn(int left, int top, int right, int bottom) {
  return Assign(gdi::SpanSet::FromRect(RECT{left, top, right, bottom}));
}

BOOL CRgn::CreateRectRgnIndirect(LPCRECT rect) {
  return rect ? CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom) : FALSE;
}

BOOL CRgn::CreateEllipticRgn(int left, int top, int right, int bottom) {
  return Assign(gdi::SpanSet::FromEllipse(RECT{left, top, right, bottom}));
}

BOOL CRgn::CreateEllipticRgnIndirect(LPCRECT rect) {
  return rect ? CreateEllipticRgn(rect->left, rect->top, rect->right, rect->bottom) : FALSE;
}

BOOL CRgn::CreatePolygonRgn(const POINT* points, int count, int fillMode) {
  if (!points || count < 0) return FALSE;
  return Assign(gdi::SpanSet::FromPolygon(points, count, fillMode));
}

BOOL CRgn::CreateRoundRectRgn(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
  return Assign(gdi::SpanSet::FromRoundRect(RECT{left, top, right, bottom}, cornerWidth, cornerHeight));
}

int CRgn::CombineRgn(const CRgn* a, const CRgn* b, int mode) {
  if (!created_ || !a || !a->created_ || mode < RGN_AND || mode > RGN_COPY) return RGN_ERROR;
  if (mode == RGN_COPY) {
    pixels_ = a->pixels_;
  } else {
    if (!b || !b->created_) return RGN_ERROR;
    pixels_ = gdi::SpanSet::Combine(a->pixels_, b->pixels_, mode);
  }
  return Kind();
}

void CRgn::SetRectRgn(int left, int top, int right, int bottom) { CreateRectRgn(left, top, right, bottom); }

int CRgn::OffsetRgn(int dx, int dy) {
  if (!created_) return RGN_ERROR;
  pixels_.Offset(dx, dy);
  return Kind();
}

BOOL CRgn::PtInRegion(int x, int y) const { return pixels_.Contains(x, y); }

BOOL CRgn::RectInRegion(LPCRECT rect) const {
  if (!rect) return FALSE;
  return !gdi::SpanSet::Combine(pixels_, gdi::SpanSet::FromRect(*rect), RGN_AND).IsEmpty();
}

int CRgn::GetRgnBox(LPRECT rect) const {
  if (!rect || !created_) return RGN_ERROR;
  *rect = pixels_.Bounds();
  return Kind();
}

BOOL CRgn::EqualRgn(const CRgn* other) const { return other && pixels_ == other->pixels_; }
