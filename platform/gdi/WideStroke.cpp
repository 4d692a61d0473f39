#include "platform/gdi/WideStroke.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

#include "platform/gdi/KeptFigures.h"

namespace gdi {

namespace {

// Appends the runs of one row of an A1 mask (first pixel in the lowest bit of each word) that
// lie in [keepLeft, keepRight); the mask's first pixel is at x0.
void ReadMaskRow(const uint32_t* words, int width, int x0, int keepLeft, int keepRight, SpanSet::Builder& out) {
  auto add = [&](int from, int to) {
    from = std::max(from, keepLeft), to = std::min(to, keepRight);
    if (from < to) out.Add(from, to);
  };
  bool open = false;
  int start = 0;
  for (int w = 0; w * 32 < width; ++w) {
    uint32_t bits = words[w];
    if ((!open && bits == 0) || (open && bits == ~0u)) continue;
    int from = 0;
    while (from < 32) {
      uint32_t look = (open ? ~bits : bits) & (~0u << from);
      if (!look) break;
      int b = __builtin_ctz(look);
      if (open)
        add(x0 + start, x0 + w * 32 + b);
      else
        start = w * 32 + b;
      open = !open;
      from = b;
    }
  }
  if (open) add(x0 + start, x0 + width);
}

const int kWidest = 1 << 16;

// `bounds` grown by the pen: every pixel the pen may light.
RECT PenArea(const RECT& bounds, int width) {
  int grow = std::min(width, kWidest) / 2 + 2;
  return RECT{bounds.left - grow, bounds.top - grow, bounds.right + grow, bounds.bottom + grow};
}

// Where the rendered area cuts a stroke, Cairo may light a pixel near the cut differently from
// a render of the stroke whole. A cut stroke is therefore rendered over the wanted area grown
// by this margin and only the wanted part is kept, so that every pixel kept is rendered with
// no cut near it and a partial repaint lights what a full one does.
const int kCutMargin = 8;

RECT Intersect(const RECT& a, const RECT& b) {
  return RECT{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

// Strokes the path that `trace` builds (device coordinates) over `bounds` grown by the pen.
SpanSet Stroke(RECT bounds, int width, const RECT& limit, const std::function<void(cairo_t*)>& trace) {
  width = std::min(width, kWidest);
  RECT whole = PenArea(bounds, width);
  RECT keep = Intersect(whole, limit);
  if (keep.right <= keep.left || keep.bottom <= keep.top) return SpanSet();
  RECT area = Intersect(whole, RECT{limit.left - kCutMargin, limit.top - kCutMargin, limit.right + kCutMargin,
                                    limit.bottom + kCutMargin});
  int w = area.right - area.left, h = area.bottom - area.top;
  int stride = cairo_format_stride_for_width(CAIRO_FORMAT_A1, w);
  static thread_local std::vector<uint32_t> buffer;
  size_t words = (size_t)stride / 4 * h;
  if (buffer.size() < words) buffer.resize(words);
  std::memset(buffer.data(), 0, words * 4);
  cairo_surface_t* mask = cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(buffer.data()),
                                                              CAIRO_FORMAT_A1, w, h, stride);
  cairo_t* cr = cairo_create(mask);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_translate(cr, -area.left, -area.top);
  trace(cr);
  cairo_stroke(cr);
  cairo_destroy(cr);
  cairo_surface_flush(mask);
  cairo_surface_destroy(mask);
  SpanSet::Builder out(keep.top);
  for (int y = keep.top - area.top; y < keep.bottom - area.top; ++y) {
    ReadMaskRow(buffer.data() + (size_t)y * (stride / 4), w, area.left, keep.left, keep.right, out);
    out.NextRow();
  }
  return out.Finish();
}

// A quarter of an ellipse of radii (rx, ry) around (cx, cy), from angle a to a + pi/2.
void Corner(cairo_t* cr, double cx, double cy, double rx, double ry, double a) {
  if (rx <= 0 || ry <= 0) {
    cairo_line_to(cr, cx + rx * std::cos(a), cy + ry * std::sin(a));
    return;
  }
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_arc(cr, 0, 0, 1, a, a + M_PI / 2);
  cairo_restore(cr);
}

// A rounded rectangle through the centres of the pixels of `box`.
void TraceRoundRect(cairo_t* cr, const RECT& box, double rx, double ry) {
  double l = box.left + 0.5, t = box.top + 0.5, r = box.right - 0.5, b = box.bottom - 0.5;
  rx = std::min(rx, (r - l) / 2), ry = std::min(ry, (b - t) / 2);
  cairo_new_sub_path(cr);
  Corner(cr, r - rx, t + ry, rx, ry, -M_PI / 2);
  Corner(cr, r - rx, b - ry, rx, ry, 0);
  Corner(cr, l + rx, b - ry, rx, ry, M_PI / 2);
  Corner(cr, l + rx, t + ry, rx, ry, M_PI);
  cairo_close_path(cr);
}

// Cairo's fixed-point coordinates hold about +-8 million; farther points (only hostile input
// has them) are pulled in to +-4 million, which keeps every visible pixel's neighbourhood.
const LONG kFar = 1 << 22;
LONG Near(LONG v) { return std::max(-kFar, std::min(kFar, v)); }
POINT Near(POINT p) { return POINT{Near(p.x), Near(p.y)}; }

RECT Normalised(const RECT& r) {
  return RECT{std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
              std::max(r.top, r.bottom)};
}

SpanSet StrokePoints(const POINT* input, int count, bool closed, int width, const RECT& limit) {
  std::vector<POINT> points(input, input + count);
  for (POINT& p : points) p = Near(p);
  RECT bounds{points[0].x, points[0].y, points[0].x + 1, points[0].y + 1};
  for (int i = 1; i < count; ++i) {
    bounds.left = std::min(bounds.left, points[i].x), bounds.right = std::max(bounds.right, points[i].x + 1);
    bounds.top = std::min(bounds.top, points[i].y), bounds.bottom = std::max(bounds.bottom, points[i].y + 1);
  }
  return Stroke(bounds, width, limit, [&](cairo_t* cr) {
    cairo_move_to(cr, points[0].x + 0.5, points[0].y + 0.5);
    for (int i = 1; i < count; ++i) cairo_line_to(cr, points[i].x + 0.5, points[i].y + 0.5);
    if (count == 1) cairo_line_to(cr, points[0].x + 0.5, points[0].y + 0.5);
    if (closed) cairo_close_path(cr);
  });
}

const int kStepReach = 32;  // the longest step kept, on either axis
const int kStepWidth = 64;  // the widest pen of a kept step

// The pixels of a segment, when they are kept (a step's moved into `local`); null when it is
// to be stroked in place. A segment that the area cuts is kept whole where it lies. A
// hand-drawn path is a chain of short steps that recur again and again, and a segment's pixels
// depend only on where its ends lie relative to each other and on the pen, as long as the
// segment is rendered whole (where the rendered area cuts it, Cairo may light the odd pixel
// differently): such a step is stroked once and its pixels moved into place after that.
const SpanSet* KeptSegment(POINT a, POINT b, int width, const DrawArea& drawn, SpanSet* local) {
  const RECT& limit = drawn.limit;
  a = Near(a), b = Near(b);
  int dx = b.x - a.x, dy = b.y - a.y;
  RECT area = PenArea(RECT{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1, std::max(a.y, b.y) + 1},
                      width);
  POINT ends[2] = {a, b};
  if (KeptFigures::Keeps(area, drawn)) {
    const KeptFigures::Sets& kept = KeptFigures::Get().Find(KeptKey{kKeptSegment, a.x, a.y, b.x, b.y, width}, [&] {
      return KeptFigures::Sets{StrokePoints(ends, 2, false, width, SpanSet::kWindow)};
    });
    return &kept.front();
  }
  bool inside = area.left >= limit.left && area.top >= limit.top && area.right <= limit.right &&
                area.bottom <= limit.bottom;
  if (!inside || width > kStepWidth || std::abs(dx) > kStepReach || std::abs(dy) > kStepReach) return nullptr;
  *local = KeptFigures::Get()
               .Find(KeptKey{kKeptStep, dx, dy, width},
                     [&] {
                       SpanSet pixels = StrokePoints(ends, 2, false, width, limit);
                       pixels.Offset(-a.x, -a.y);
                       return KeptFigures::Sets{std::move(pixels)};
                     })
               .front();
  local->Offset(a.x, a.y);
  return local;
}

}  // namespace

const SpanSet& WidePolyline(const POINT* input, int count, bool closed, int width, const DrawArea& area,
                            SpanSet* local) {
  if (!input || count < 1) return *local = SpanSet();
  if (count <= 2 && !closed) {
    // A single point strokes as a segment of length 0.
    if (const SpanSet* kept = KeptSegment(input[0], input[count - 1], width, area, local)) return *kept;
  }
  return *local = StrokePoints(input, count, closed, width, area.limit);
}

SpanSet WideEllipse(const RECT& box, int width, const RECT& limit) {
  return WideRoundRect(box, INT32_MAX, INT32_MAX, width, limit);
}

SpanSet WideRoundRect(const RECT& box, int cornerWidth, int cornerHeight, int width, const RECT& limit) {
  RECT n = Normalised(RECT{Near(box.left), Near(box.top), Near(box.right), Near(box.bottom)});
  if (n.right <= n.left || n.bottom <= n.top) return SpanSet();
  return Stroke(n, width, limit, [&](cairo_t* cr) {
    TraceRoundRect(cr, n, std::fabs((double)cornerWidth) / 2.0, std::fabs((double)cornerHeight) / 2.0);
  });
}

}  // namespace gdi
