// CDC drawing: lines, filled shapes, fills and single pixels. Every primitive becomes a set of
// device pixels that is painted once with the pen or brush ink, so raster operations such as
// XOR are exact; one-pixel pens walk their lines pixel by pixel as GDI does.
#include <algorithm>

#include "platform/gdi/Dc.h"
#include "platform/gdi/KeptFigures.h"
#include "platform/gdi/Raster.h"
#include "platform/gdi/ThinLine.h"
#include "platform/gdi/WideStroke.h"

namespace {

enum ShapeKind { kRectangle, kEllipse, kRoundRect };

// The on/off pattern of the styled one-pixel pens, one entry per pixel; empty when solid.
std::vector<bool> StylePattern(int style) {
  static const int dash[] = {18, 6}, dot[] = {3, 3}, dashDot[] = {9, 6, 3, 6}, dashDotDot[] = {9, 3, 3, 3, 3, 3};
  const int* runs = nullptr;
  int count = 0;
  switch (style) {
    case PS_DASH: runs = dash, count = 2; break;
    case PS_DOT: runs = dot, count = 2; break;
    case PS_DASHDOT: runs = dashDot, count = 4; break;
    case PS_DASHDOTDOT: runs = dashDotDot, count = 6; break;
    default: break;
  }
  std::vector<bool> pattern;
  for (int k = 0; k < count; ++k) pattern.insert(pattern.end(), runs[k], k % 2 == 0);
  return pattern;
}

void HatchPattern(int hatch, uint8_t rows[8]) {
  for (int y = 0; y < 8; ++y) {
    uint8_t horizontal = y == 0 ? 0xFF : 0, vertical = 0x01;
    uint8_t forward = (uint8_t)(1u << y), backward = (uint8_t)(0x80u >> y);
    switch (hatch) {
      case HS_HORIZONTAL: rows[y] = horizontal; break;
      case HS_VERTICAL: rows[y] = vertical; break;
      case HS_FDIAGONAL: rows[y] = forward; break;
      case HS_BDIAGONAL: rows[y] = backward; break;
      case HS_CROSS: rows[y] = horizontal | vertical; break;
      default: rows[y] = forward | backward; break;
    }
  }
}

RECT Normalised(const RECT& r) {
  return RECT{std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
              std::max(r.top, r.bottom)};
}

// The pixels of one-pixel lines through `points` as a set (a pixel crossed twice counts once).
gdi::SpanSet ThinPixels(const std::vector<POINT>& points, bool closed, const RECT& window) {
  std::vector<POINT> lit;
  auto plot = [&](int x, int y, int64_t) {
    if (y >= window.top && y < window.bottom) lit.push_back(POINT{x, y});
  };
  for (size_t i = 0; i + 1 < points.size(); ++i) gdi::WalkLine(points[i], points[i + 1], window, plot);
  if (closed && points.size() > 1) gdi::WalkLine(points.back(), points.front(), window, plot);
  std::sort(lit.begin(), lit.end(), [](POINT a, POINT b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
  if (lit.empty()) return gdi::SpanSet();
  gdi::SpanSet::Builder out(lit.front().y);
  int row = lit.front().y;
  for (POINT p : lit) {
    for (; row < p.y; ++row) out.NextRow();
    out.Add(p.x, p.x + 1);
  }
  out.NextRow();
  return out.Finish();
}

}  // namespace

gdi::Raster CDC::Target() const { return state_.target.Pixels(); }

RECT CDC::DeviceLimit() const {
  RECT r{0, 0, state_.target.Width(), state_.target.Height()};
  if (state_.clip) {
    RECT c = state_.clip->Bounds();
    r = RECT{std::max(r.left, c.left), std::max(r.top, c.top), std::min(r.right, c.right),
             std::min(r.bottom, c.bottom)};
  }
  return r;
}

POINT CDC::ToDevice(int x, int y) const {
  POINT p{x, y};
  LPtoDP(&p);
  return p;
}

std::vector<POINT> CDC::ToDevice(const POINT* points, int count) const {
  std::vector<POINT> device(points, points + count);
  LPtoDP(device.data(), count);
  return device;
}

gdi::SpanSet CDC::DeviceRect(LPCRECT rect) const {
  if (!rect || rect->left >= rect->right || rect->top >= rect->bottom) return gdi::SpanSet();
  RECT r = *rect;
  LPtoDP(&r);
  RECT limit = DeviceLimit();
  return gdi::SpanSet::FromRect(r, RECT{limit.left - 1, limit.top - 1, limit.right + 1, limit.bottom + 1});
}

gdi::Paint CDC::PenPaint() const {
  gdi::Paint p;
  p.fore = gdi::Ink::Make(state_.pen.color, state_.rop2);
  return p;
}

gdi::Paint CDC::BrushPaint(const gdi::BrushAttrs& brush, int rop2) const {
  gdi::Paint p;
  p.fore = gdi::Ink::Make(brush.color, rop2);
  if (brush.style == BS_HATCHED) {
    p.patterned = true;
    p.back = gdi::Ink::Make(state_.bkColor, rop2);
    p.opaqueBack = state_.bkMode == OPAQUE;
    HatchPattern(brush.hatch, p.pattern);
  }
  return p;
}

void CDC::Paint(const gdi::SpanSet& s, const gdi::Paint& paint) {
  gdi::Raster r = Target();
  if (!r.Valid() || s.IsEmpty()) return;
  // A rectangular clip is the device limit itself, and a clip of a few rectangles is painted
  // one rectangle at a time: no set operation per primitive.
  if (state_.clipParts) {
    RECT b = s.Bounds();
    for (const RECT& part : *state_.clipParts)
      if (RectsMeet(part, b)) gdi::PaintSpans(r, s, paint, part);
  }
  else if (state_.clip && !state_.clipIsRect)
    gdi::PaintSpans(r, gdi::SpanSet::Combine(s, *state_.clip, RGN_AND), paint, r.Bounds());
  else
    gdi::PaintSpans(r, s, paint, DeviceLimit());
  state_.target.MarkDirty();
}

void CDC::PaintBrush(const gdi::SpanSet& s, const gdi::BrushAttrs& brush, int rop2) {
  if (!brush.IsNull()) Paint(s, BrushPaint(brush, rop2));
}

void CDC::ThinPolyline(const std::vector<POINT>& device, bool closed) {
  gdi::Raster r = Target();
  if (!r.Valid() || device.empty()) return;
  RECT limit = DeviceLimit();
  const gdi::SpanSet* clip = state_.clipIsRect ? nullptr : state_.clip.get();  // a rectangle is `limit`
  gdi::Ink fore = gdi::Ink::Make(state_.pen.color, state_.rop2);
  gdi::Ink back = gdi::Ink::Make(state_.bkColor, state_.rop2);
  bool opaque = state_.bkMode == OPAQUE;
  std::vector<bool> pattern = StylePattern(state_.pen.style);
  int64_t walked = 0;  // the pattern runs on across the segments of one figure
  auto plot = [&](int x, int y, int64_t step) {
    // WalkLine keeps to the window along the line's longer axis only.
    if (x < limit.left || x >= limit.right || y < limit.top || y >= limit.bottom) return;
    if (clip && !clip->Contains(x, y)) return;
    uint32_t& p = r.At(x, y);
    if (pattern.empty() || pattern[(walked + step) % pattern.size()])
      p = fore.On(p);
    else if (opaque)
      p = back.On(p);
  };
  auto segment = [&](POINT a, POINT b) {
    gdi::WalkLine(a, b, limit, plot);
    walked += gdi::LineSteps(a, b);
  };
  for (size_t i = 0; i + 1 < device.size(); ++i) segment(device[i], device[i + 1]);
  if (closed && device.size() > 1) segment(device.back(), device.front());
  state_.target.MarkDirty();
}

const gdi::SpanSet& CDC::PenPixels(const std::vector<POINT>& device, bool closed, gdi::SpanSet* local) const {
  if (state_.pen.IsNull() || device.empty()) return *local = gdi::SpanSet();
  if (state_.pen.IsThin()) return *local = ThinPixels(device, closed, DeviceLimit());
  return gdi::WidePolyline(device.data(), (int)device.size(), closed, state_.pen.width, Area(), local);
}

void CDC::StrokePolyline(const std::vector<POINT>& device, bool closed, const gdi::SpanSet* wide) {
  if (state_.pen.IsNull()) return;
  if (state_.pen.IsThin())
    ThinPolyline(device, closed);
  else if (wide)
    Paint(*wide, PenPaint());
  else {
    gdi::SpanSet local;
    Paint(PenPixels(device, closed, &local), PenPaint());
  }
}

CPoint CDC::MoveTo(int x, int y) {
  CPoint previous(state_.position);
  state_.position = POINT{x, y};
  if (recordingPath_) {
    if (!path_.empty() && path_.back().points.size() == 1 && !path_.back().closed)
      path_.back().points[0] = ToDevice(x, y);  // a figure never drawn to is replaced
    else
      path_.push_back(PathFigure{{ToDevice(x, y)}, false});
  }
  return previous;
}

BOOL CDC::LineTo(int x, int y) {
  POINT from = ToDevice(state_.position.x, state_.position.y), to = ToDevice(x, y);
  state_.position = POINT{x, y};
  if (recordingPath_) {
    if (path_.empty() || path_.back().closed) path_.push_back(PathFigure{{from}, false});
    path_.back().points.push_back(to);
    return TRUE;
  }
  StrokePolyline({from, to}, false, nullptr);
  return TRUE;
}

BOOL CDC::Polyline(const POINT* points, int count) {
  if (!points || count < 2) return FALSE;
  std::vector<POINT> device = ToDevice(points, count);
  if (recordingPath_) {
    path_.push_back(PathFigure{device, false});
    return TRUE;
  }
  StrokePolyline(device, false, nullptr);
  return TRUE;
}

BOOL CDC::Polygon(const POINT* points, int count) {
  if (!points || count < 2) return FALSE;
  std::vector<POINT> device = ToDevice(points, count);
  if (recordingPath_) {
    path_.push_back(PathFigure{device, true});
    return TRUE;
  }
  gdi::SpanSet local;
  const gdi::SpanSet& outline = PenPixels(device, true, &local);
  if (!state_.brush.IsNull()) {
    gdi::SpanSet inside = gdi::SpanSet::FromPolygon(device.data(), count, state_.polyFillMode, DeviceLimit());
    PaintBrush(gdi::SpanSet::Combine(inside, outline, RGN_DIFF), state_.brush, state_.rop2);
  }
  StrokePolyline(device, true, &outline);
  return TRUE;
}

BOOL CDC::Rectangle(int left, int top, int right, int bottom) {
  return Shape(kRectangle, left, top, right, bottom, 0, 0);
}

BOOL CDC::Ellipse(int left, int top, int right, int bottom) {
  return Shape(kEllipse, left, top, right, bottom, 0, 0);
}

BOOL CDC::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
  return Shape(kRoundRect, left, top, right, bottom, cornerWidth, cornerHeight);
}

// The outline a pen draws around the figure whose pixels are `inside` within `box`. Wide pens
// are centred on the figure's edge (inside it for PS_INSIDEFRAME); one-pixel pens light the
// figure's own boundary pixels, so the outline never leaves [left, right) x [top, bottom).
gdi::SpanSet CDC::PenOutline(int kind, const RECT& box, int cornerWidth, int cornerHeight, const gdi::SpanSet& inside,
                             const RECT& limit) const {
  if (state_.pen.IsNull()) return gdi::SpanSet();
  if (state_.pen.IsThin()) return inside.InnerBoundary();
  RECT edge = box;
  int width = state_.pen.width;
  if (state_.pen.style == PS_INSIDEFRAME)
    edge = RECT{box.left + width / 2, box.top + width / 2, box.right - width / 2, box.bottom - width / 2};
  if (kind == kEllipse) return gdi::WideEllipse(edge, width, limit);
  return gdi::WideRoundRect(edge, cornerWidth, cornerHeight, width, limit);
}

// Built only inside the device limit, or whole and kept when the limit cuts the shape (a
// styled frame is never kept: it is walked, not filled).
const std::vector<gdi::SpanSet>& CDC::ShapePixels(int kind, const RECT& box, int cornerWidth, int cornerHeight,
                                                  bool styled, std::vector<gdi::SpanSet>* local) const {
  auto make = [&](const RECT& window, const RECT& limit) {
    gdi::SpanSet inside = gdi::SpanSet::FromRoundRect(box, cornerWidth, cornerHeight, window);
    gdi::SpanSet outline = PenOutline(kind, box, cornerWidth, cornerHeight, inside, limit);
    gdi::SpanSet fill = state_.brush.IsNull() ? gdi::SpanSet() : gdi::SpanSet::Combine(inside, outline, RGN_DIFF);
    return std::vector<gdi::SpanSet>{std::move(outline), std::move(fill)};
  };
  // One pixel more than the visible area, so that the outline of a figure that runs off
  // the surface is not drawn along the surface's edge.
  RECT limit = DeviceLimit();
  RECT window{limit.left - 1, limit.top - 1, limit.right + 1, limit.bottom + 1};
  int reach = state_.pen.IsThin() ? 0 : std::min(state_.pen.width, 1 << 16) / 2 + 2;
  if (styled || !gdi::KeptFigures::Keeps(gdi::Grown(box, reach), Area())) return *local = make(window, limit);
  gdi::KeptKey key{gdi::kKeptShape, kind,          box.left,         box.top,          box.right,
                   box.bottom,      cornerWidth,   cornerHeight,     state_.pen.style, state_.pen.width,
                   state_.brush.IsNull()};
  return gdi::KeptFigures::Get().Find(key, [&] { return make(gdi::SpanSet::kWindow, gdi::SpanSet::kWindow); });
}

BOOL CDC::Shape(int kind, int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
  POINT a = ToDevice(left, top), b = ToDevice(right, bottom);
  RECT box = Normalised(RECT{a.x, a.y, b.x, b.y});
  if (recordingPath_) {
    if (kind != kRectangle) return FALSE;
    path_.push_back(PathFigure{{{box.left, box.top}, {box.right, box.top}, {box.right, box.bottom}, {box.left, box.bottom}},
                               true});
    return TRUE;
  }
  if (kind == kRectangle && state_.pen.IsNull() && box.right > box.left && box.bottom > box.top)
    --box.right, --box.bottom;  // as GDI documents: without a pen the rectangle is a pixel smaller
  if (kind == kEllipse) cornerWidth = cornerHeight = INT32_MAX;
  bool styled = state_.pen.IsThin() && !StylePattern(state_.pen.style).empty();
  std::vector<gdi::SpanSet> local;
  const std::vector<gdi::SpanSet>& pixels = ShapePixels(kind, box, cornerWidth, cornerHeight, styled, &local);
  const gdi::SpanSet &outline = pixels[0], &fill = pixels[1];
  if (!state_.brush.IsNull()) PaintBrush(fill, state_.brush, state_.rop2);
  RECT window = gdi::Grown(DeviceLimit(), 1);
  bool shown = box.left < box.right && box.top < box.bottom && box.left < window.right && window.left < box.right &&
               box.top < window.bottom && window.top < box.bottom;
  if (styled && kind == kRectangle && shown) {
    // A dotted frame walks the rectangle's boundary pixels clockwise from the top-left.
    ThinPolyline({{box.left, box.top}, {box.right - 1, box.top}, {box.right - 1, box.bottom - 1}, {box.left, box.bottom - 1}},
                 true);
  } else if (!state_.pen.IsNull()) {
    Paint(outline, PenPaint());  // styled pens draw other figures' outlines solid
  }
  return TRUE;
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF color) {
  gdi::Paint p;
  p.fore = gdi::Ink::Make(color, R2_COPYPEN);
  Paint(DeviceRect(rect), p);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color) {
  auto end = [](int from, int extent) { return (LONG)std::min<int64_t>(INT32_MAX, (int64_t)from + extent); };
  RECT r{x, y, end(x, cx), end(y, cy)};
  FillSolidRect(&r, color);
}

void CDC::FillRect(LPCRECT rect, CBrush* brush) {
  if (brush && brush->GetSafeHandle()) PaintBrush(DeviceRect(rect), brush->Attrs(), R2_COPYPEN);
}

// Pixels are given in logical coordinates; they are moved to the device only when the
// viewport origin is not at zero.
void CDC::PaintLogical(const gdi::SpanSet& pixels, const gdi::BrushAttrs& brush) {
  if (state_.viewportOrg.x == 0 && state_.viewportOrg.y == 0) return PaintBrush(pixels, brush, R2_COPYPEN);
  gdi::SpanSet device = pixels;
  device.Offset(state_.viewportOrg.x, state_.viewportOrg.y);
  PaintBrush(device, brush, R2_COPYPEN);
}

BOOL CDC::FillRgn(CRgn* rgn, CBrush* brush) {
  return rgn && rgn->GetSafeHandle() && FillPixels(rgn->Pixels(), brush);
}

BOOL CDC::FillPixels(const gdi::SpanSet& pixels, CBrush* brush) {
  if (!brush || !brush->GetSafeHandle()) return FALSE;
  PaintLogical(pixels, brush->Attrs());
  return TRUE;
}

BOOL CDC::PaintRgn(CRgn* rgn) {
  if (!rgn || !rgn->GetSafeHandle()) return FALSE;
  PaintLogical(rgn->Pixels(), state_.brush);
  return TRUE;
}

void CDC::FrameRect(LPCRECT rect, CBrush* brush) {
  if (brush && brush->GetSafeHandle()) PaintBrush(DeviceRect(rect).InnerBoundary(), brush->Attrs(), R2_COPYPEN);
}

void CDC::InvertRect(LPCRECT rect) {
  gdi::Paint p;
  p.fore = gdi::Ink::Make(0, R2_NOT);
  Paint(DeviceRect(rect), p);
}

COLORREF CDC::SetPixel(int x, int y, COLORREF color) {
  POINT d = ToDevice(x, y);
  gdi::Raster r = Target();
  if (!r.Valid() || !r.Inside(d.x, d.y) || (state_.clip && !state_.clip->Contains(d.x, d.y))) return CLR_INVALID;
  r.At(d.x, d.y) = gdi::ToPixel(color);
  state_.target.MarkDirty();
  return color & 0x00FFFFFFu;
}

COLORREF CDC::GetPixel(int x, int y) const {
  POINT d = ToDevice(x, y);
  if (state_.clip && !state_.clip->Contains(d.x, d.y)) return CLR_INVALID;
  return state_.target.GetPixel(d.x, d.y);
}
