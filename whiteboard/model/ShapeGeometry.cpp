#include "whiteboard/model/ShapeGeometry.h"

#include <algorithm>
#include <cmath>

#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/KeptFigures.h"
#include "platform/gdi/SpanSet.h"

namespace {

constexpr long long kCoordLimit = 1LL << 29;

// The smallest rectangle holding the points, edges included.
RECT PointsBox(const POINT* points, int count) {
  RECT box = {points[0].x, points[0].y, points[0].x, points[0].y};
  for (int i = 1; i < count; ++i) {
    box.left = std::min(box.left, points[i].x);
    box.right = std::max(box.right, points[i].x);
    box.top = std::min(box.top, points[i].y);
    box.bottom = std::max(box.bottom, points[i].y);
  }
  return box;
}

RECT Normalised(const RECT& r) {
  return RECT{std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
              std::max(r.top, r.bottom)};
}

POINT At(long long x, long long y) { return POINT{ClampCoord(x), ClampCoord(y)}; }

// Hit tests build their regions over the one pixel asked about: the answer is the whole
// region's (PtInRegion), at a cost that does not grow with the figure. FALSE when the pixel
// lies outside every region.
bool PixelWindow(int x, int y, RECT* window) {
  const RECT& all = gdi::SpanSet::kWindow;
  if (x < all.left || x >= all.right || y < all.top || y >= all.bottom) return false;
  *window = RECT{x, y, x + 1, y + 1};
  return true;
}

gdi::SpanSet FigurePixels(ShapeFigure figure, const RECT& rect, const RECT& window) {
  return figure == ShapeFigure::kEllipse ? gdi::SpanSet::FromEllipse(rect, window)
                                         : gdi::SpanSet::FromRect(rect, window);
}

}  // namespace

LONG ClampCoord(long long value) { return (LONG)std::clamp(value, -kCoordLimit, kCoordLimit); }

int HitBand(int penWidth) { return (int)ClampCoord((long long)penWidth + 2); }

RECT ShrinkTowardsCentre(const RECT& rect, long long w) {
  long long dx = rect.left <= rect.right ? w : -w;
  long long dy = rect.top <= rect.bottom ? w : -w;
  return RECT{ClampCoord(rect.left + dx), ClampCoord(rect.top + dy), ClampCoord(rect.right - dx),
              ClampCoord(rect.bottom - dy)};
}

RECT RingExtent(const RECT& outer, const RECT& inner) {
  RECT o = Normalised(outer), i = Normalised(inner);
  return RECT{std::min(o.left, i.left), std::min(o.top, i.top), std::max(o.right, i.right), std::max(o.bottom, i.bottom)};
}

const gdi::SpanSet& RingPixels(ShapeFigure figure, const RECT& outer, const RECT& inner, const RECT& window, bool keep,
                               gdi::SpanSet* local) {
  auto build = [&](const RECT& within) {
    return gdi::SpanSet::Combine(FigurePixels(figure, outer, within), FigurePixels(figure, inner, within), RGN_XOR);
  };
  if (!keep) return *local = build(window);
  gdi::KeptKey key{gdi::kKeptRing, (int)figure, outer.left, outer.top,   outer.right,
                   outer.bottom,   inner.left,  inner.top,  inner.right, inner.bottom};
  return gdi::KeptFigures::Get()
      .Find(key, [&] { return gdi::KeptFigures::Sets{build(gdi::SpanSet::kWindow)}; })
      .front();
}

BOOL NearRect(const RECT& rect, int x, int y) {
  return x >= std::min(rect.left, rect.right) && x <= std::max(rect.left, rect.right) &&
         y >= std::min(rect.top, rect.bottom) && y <= std::max(rect.top, rect.bottom);
}

BOOL FigureContains(ShapeFigure figure, const RECT& rect, int x, int y) {
  RECT window;
  if (!NearRect(rect, x, y) || !PixelWindow(x, y, &window)) return FALSE;
  return FigurePixels(figure, rect, window).Contains(x, y);
}

BOOL RingContains(ShapeFigure figure, const RECT& rect, int d, int x, int y) {
  RECT outer = ShrinkTowardsCentre(rect, -(long long)d), window;
  if (!NearRect(outer, x, y) || !PixelWindow(x, y, &window)) return FALSE;
  gdi::SpanSet ring = gdi::SpanSet::Combine(FigurePixels(figure, outer, window),
                                            FigurePixels(figure, ShrinkTowardsCentre(rect, d), window), RGN_XOR);
  return ring.Contains(x, y);
}

BOOL SegmentBandContains(POINT a, POINT b, int d, int x, int y) {
  const long long x1 = a.x, y1 = a.y, x2 = b.x, y2 = b.y;
  POINT c[4];
  if (x1 < x2 && y1 < y2) {
    c[0] = At(x1 - d, y1), c[1] = At(x1, y1 - d), c[2] = At(x2 + d, y2), c[3] = At(x2, y2 + d);
  } else if (x1 > x2 && y1 < y2) {
    c[0] = At(x1, y1 - d), c[1] = At(x1 + d, y1), c[2] = At(x2, y2 + d), c[3] = At(x2 - d, y2);
  } else if (x1 < x2 && y1 > y2) {
    c[0] = At(x1 - d, y1), c[1] = At(x1, y1 + d), c[2] = At(x2 + d, y2), c[3] = At(x2, y2 - d);
  } else if (x1 > x2 && y1 > y2) {
    c[0] = At(x1, y1 + d), c[1] = At(x1 + d, y1), c[2] = At(x2, y2 - d), c[3] = At(x2 - d, y2);
  } else if (y1 == y2) {  // horizontal, or a single point
    c[0] = At(x1, y1 - d), c[1] = At(x2, y1 - d), c[2] = At(x2, y1 + d), c[3] = At(x1, y1 + d);
  } else {  // vertical
    c[0] = At(x1 + d, y1), c[1] = At(x1 + d, y2 + d), c[2] = At(x1 - d, y2), c[3] = At(x1 - d, y1);
  }
  return PolygonContains(c, 4, x, y);
}

BOOL PolygonContains(const POINT* points, int count, int x, int y) {
  RECT window;
  if (!points || count < 3 || !NearRect(PointsBox(points, count), x, y) || !PixelWindow(x, y, &window)) return FALSE;
  return gdi::SpanSet::FromPolygon(points, count, ALTERNATE, window).Contains(x, y);
}

BOOL PenSegmentReaches(POINT a, POINT b, int penWidth, const RECT& area) {
  // The segment clipped (Liang-Barsky) to area grown by the pen's reach.
  const double reach = std::min(std::fabs((double)penWidth), (double)kCoordLimit) / 2 + 2;
  const double x0 = a.x, y0 = a.y, dx = (double)b.x - a.x, dy = (double)b.y - a.y;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x0 - (area.left - reach), (area.right + reach) - x0, y0 - (area.top - reach),
                       (area.bottom + reach) - y0};
  double t0 = 0, t1 = 1;
  for (int k = 0; k < 4; ++k) {
    if (p[k] == 0) {
      if (q[k] < 0) return FALSE;
      continue;
    }
    double t = q[k] / p[k];
    if (p[k] < 0)
      t0 = std::max(t0, t);
    else
      t1 = std::min(t1, t);
  }
  return t0 <= t1;
}

BOOL PenPathReaches(const POINT* points, int count, bool closed, int penWidth, const RECT& area) {
  if (count == 1) return PenSegmentReaches(points[0], points[0], penWidth, area);
  for (int i = 1; i < count; ++i)
    if (PenSegmentReaches(points[i - 1], points[i], penWidth, area)) return TRUE;
  return closed && count > 1 && PenSegmentReaches(points[count - 1], points[0], penWidth, area);
}
