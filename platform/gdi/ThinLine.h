// The pixels of a one-pixel line as GDI lights them: from the start point up to but not
// including the end point, one pixel per step along the longer axis, the other coordinate
// rounded to the nearest pixel (halves toward the start).
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "platform/Win32Types.h"

namespace gdi {

// Number of pixels the line lights (its length along the longer axis).
inline int64_t LineSteps(POINT from, POINT to) {
  return std::max(std::llabs((int64_t)to.x - from.x), std::llabs((int64_t)to.y - from.y));
}

// Lines reaching beyond +-2^24 (only hostile input does) are first cut to that box, keeping
// the arithmetic below exact in 64 bits; a line wholly outside it lights nothing.
inline bool CutToSafeBox(POINT& from, POINT& to) {
  const double kLimit = 16777216.0;
  auto inside = [&](POINT p) { return std::llabs(p.x) <= (int64_t)kLimit && std::llabs(p.y) <= (int64_t)kLimit; };
  if (inside(from) && inside(to)) return true;
  double x0 = from.x, y0 = from.y, dx = (double)to.x - from.x, dy = (double)to.y - from.y;
  double t0 = 0, t1 = 1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x0 + kLimit, kLimit - x0, y0 + kLimit, kLimit - y0};
  for (int k = 0; k < 4; ++k) {
    if (p[k] == 0) {
      if (q[k] < 0) return false;
      continue;
    }
    double t = q[k] / p[k];
    if (p[k] < 0) t0 = std::max(t0, t);
    else t1 = std::min(t1, t);
  }
  if (t0 > t1) return false;
  from = POINT{(LONG)std::lround(x0 + t0 * dx), (LONG)std::lround(y0 + t0 * dy)};
  to = POINT{(LONG)std::lround(x0 + t1 * dx), (LONG)std::lround(y0 + t1 * dy)};
  return true;
}

// Calls plot(x, y, step) for the line's pixels whose longer-axis coordinate lies inside
// `window`; steps outside it are skipped without being walked, so far-off end points cost
// nothing. `step` counts from the start point (for pen styles).
template <typename Plot>
void WalkLine(POINT from, POINT to, const RECT& window, Plot plot) {
  if (!CutToSafeBox(from, to)) return;
  int64_t dx = (int64_t)to.x - from.x, dy = (int64_t)to.y - from.y;
  bool xMajor = std::llabs(dx) >= std::llabs(dy);
  int64_t major = xMajor ? dx : dy, minor = xMajor ? dy : dx;
  int64_t steps = std::llabs(major);
  if (steps == 0) return;
  int64_t sMajor = major > 0 ? 1 : -1, sMinor = minor >= 0 ? 1 : -1, aMinor = std::llabs(minor);
  int64_t start = xMajor ? from.x : from.y, other = xMajor ? from.y : from.x;
  int64_t lo = xMajor ? window.left : window.top, hi = xMajor ? window.right : window.bottom;
  // Steps i with lo <= start + i * sMajor < hi.
  int64_t first = sMajor > 0 ? lo - start : start - (hi - 1);
  int64_t last = sMajor > 0 ? hi - 1 - start : start - lo;
  first = std::max<int64_t>(first, 0);
  last = std::min<int64_t>(last, steps - 1);
  for (int64_t i = first; i <= last; ++i) {
    int64_t offset = (2 * i * aMinor + steps - 1) / (2 * steps);
    int64_t a = start + i * sMajor, b = other + offset * sMinor;
    if (xMajor)
      plot((int)a, (int)b, i);
    else
      plot((int)b, (int)a, i);
  }
}

}  // namespace gdi
