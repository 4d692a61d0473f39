#include "platform/gdi/SpanSet.h"

#include <algorithm>
#include <cmath>

#include "platform/gdi/GdiTypes.h"

namespace gdi {

namespace {

RECT Normalised(const RECT& r) {
  return RECT{std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
              std::max(r.top, r.bottom)};
}

int Ceil(double x) {
  double v = std::max(-2e9, std::min(2e9, x));
  int c = (int)v;  // truncates toward zero; the ceiling is one more for positive fractions
  return c < v ? c + 1 : c;
}

// First pixel whose centre is at or right of x; pixels [FirstCentre(a), FirstCentre(b)) have
// centres in [a, b).
int FirstCentre(double x) { return Ceil(x - 0.5); }

bool Apply(int mode, bool a, bool b) {
  switch (mode) {
    case RGN_AND: return a && b;
    case RGN_OR: return a || b;
    case RGN_XOR: return a != b;
    case RGN_DIFF: return a && !b;
    default: return a;
  }
}

// Merges two rows of x0, x1 pairs under a boolean operation.
void CombineRow(const int* a, const int* ae, const int* b, const int* be, int mode,
                std::vector<int>& out) {
  out.clear();
  bool inA = false, inB = false, inOut = false;
  while (a != ae || b != be) {
    int x = (b == be || (a != ae && *a <= *b)) ? *a : *b;
    while (a != ae && *a == x) ++a, inA = !inA;
    while (b != be && *b == x) ++b, inB = !inB;
    bool now = Apply(mode, inA, inB);
    if (now != inOut) out.push_back(x), inOut = now;
  }
}

}  // namespace

void SpanSet::Builder::Add(int x0, int x1) {
  if (x1 <= x0) return;
  if ((int)xs_.size() > rowStart_.back() && xs_.back() >= x0) {
    xs_.back() = std::max(xs_.back(), x1);
    return;
  }
  xs_.push_back(x0);
  xs_.push_back(x1);
}

void SpanSet::Builder::AddRow(const std::vector<int>& runs) {
  for (size_t i = 0; i + 1 < runs.size(); i += 2) Add(runs[i], runs[i + 1]);
  NextRow();
}

SpanSet SpanSet::Builder::Finish() {
  SpanSet s;
  int rows = (int)rowStart_.size() - 1;
  int first = 0, last = rows;
  while (first < rows && rowStart_[first] == rowStart_[first + 1]) ++first;
  while (last > first && rowStart_[last - 1] == rowStart_[last]) --last;
  if (first == last) return s;
  s.top_ = top_ + first;
  if (first == 0 && last == rows) {  // nothing to trim: the rows move over
    s.rowStart_ = std::move(rowStart_);
    s.xs_ = std::move(xs_);
  } else {
    s.rowStart_.assign(rowStart_.begin() + first, rowStart_.begin() + last + 1);
    int base = s.rowStart_.front();
    for (int& v : s.rowStart_) v -= base;
    s.xs_.assign(xs_.begin() + base, xs_.begin() + base + s.rowStart_.back());
  }
  int minX = s.xs_[0], maxX = s.xs_[1];
  for (int i = 0; i < s.RowCount(); ++i) {
    if (s.RowBegin(i) == s.RowEnd(i)) continue;
    minX = std::min(minX, *s.RowBegin(i));
    maxX = std::max(maxX, *(s.RowEnd(i) - 1));
  }
  s.bounds_ = RECT{minX, s.top_, maxX, s.top_ + s.RowCount()};
  return s;
}

const RECT SpanSet::kWindow = {-65536, -65536, 65536, 65536};

SpanSet SpanSet::FromRect(const RECT& r, const RECT& window) { return FromRoundRect(r, 0, 0, window); }

SpanSet SpanSet::FromEllipse(const RECT& r, const RECT& window) {
  return FromRoundRect(r, INT32_MAX, INT32_MAX, window);
}

SpanSet SpanSet::FromRoundRect(const RECT& r, int cornerWidth, int cornerHeight, const RECT& window) {
  RECT n = Normalised(r);
  int top = std::max(n.top, window.top), bottom = std::min(n.bottom, window.bottom);
  Builder b(top);
  if (n.right <= std::max(n.left, window.left) || n.left >= window.right || top >= bottom) return b.Finish();
  double left = n.left, right = n.right;
  double rx = std::min(std::fabs((double)cornerWidth), right - left) / 2.0;
  double ry = std::min(std::fabs((double)cornerHeight), (double)n.bottom - n.top) / 2.0;
  for (int y = top; y < bottom; ++y) {
    double py = y + 0.5, dy = 0;
    if (py < n.top + ry) dy = n.top + ry - py;
    if (py > n.bottom - ry) dy = py - (n.bottom - ry);
    double inset = 0;
    if (dy > 0) inset = rx - rx * std::sqrt(std::max(0.0, 1.0 - (dy / ry) * (dy / ry)));
    b.Add(std::max(FirstCentre(left + inset), (int)window.left), std::min(FirstCentre(right - inset), (int)window.right));
    b.NextRow();
  }
  return b.Finish();
}

SpanSet SpanSet::FromPolygon(const POINT* points, int count, int fillMode, const RECT& window) {
  if (!points || count < 3) return SpanSet();
  return FromPolygons({std::vector<POINT>(points, points + count)}, fillMode, window);
}

SpanSet SpanSet::FromPolygons(const std::vector<std::vector<POINT>>& figures, int fillMode, const RECT& window) {
  struct Edge {
    int yMin, yMax;  // the edge crosses rows yMin <= y < yMax
    double x0, y0, slope;
    int dir;
  };
  std::vector<Edge> edges;
  int top = INT32_MAX, bottom = INT32_MIN, left = INT32_MAX, right = INT32_MIN;
  for (const auto& fig : figures) {
    if (fig.size() < 3) continue;
    for (size_t i = 0; i < fig.size(); ++i) {
      POINT p = fig[i], q = fig[(i + 1) % fig.size()];
      left = std::min(left, (int)p.x), right = std::max(right, (int)p.x);
      if (p.y == q.y) continue;
      int dir = q.y > p.y ? 1 : -1;
      if (dir < 0) std::swap(p, q);
      edges.push_back(Edge{p.y, q.y, (double)p.x, (double)p.y, ((double)q.x - p.x) / ((double)q.y - p.y), dir});
      top = std::min(top, (int)p.y);
      bottom = std::max(bottom, (int)q.y);
    }
  }
  top = std::max(top, (int)window.top);
  bottom = std::min(bottom, (int)window.bottom);
  Builder b(top);
  if (edges.empty() || top >= bottom || right <= window.left || left >= window.right) return b.Finish();
  std::sort(edges.begin(), edges.end(), [](const Edge& e, const Edge& f) { return e.yMin < f.yMin; });
  std::vector<const Edge*> active;
  std::vector<std::pair<double, int>> hits;
  size_t next = 0;
  for (int y = top; y < bottom; ++y) {
    double py = y;
    while (next < edges.size() && edges[next].yMin <= y) active.push_back(&edges[next++]);
    active.erase(std::remove_if(active.begin(), active.end(), [&](const Edge* e) { return e->yMax <= y; }),
                 active.end());
    hits.clear();
    for (const Edge* e : active) hits.emplace_back(e->x0 + (py - e->y0) * e->slope, e->dir);
    std::sort(hits.begin(), hits.end());
    bool inside = false;
    int winding = 0, crossings = 0;
    double start = 0;
    for (const auto& hit : hits) {
      winding += hit.second;
      bool now = fillMode == WINDING ? winding != 0 : (++crossings & 1) != 0;
      if (now && !inside) start = hit.first;
      if (!now && inside)
        b.Add(std::max(Ceil(start), (int)window.left), std::min(Ceil(hit.first), (int)window.right));
      inside = now;
    }
    b.NextRow();
  }
  return b.Finish();
}

SpanSet SpanSet::Combine(const SpanSet& a, const SpanSet& b, int mode) {
  if (mode == RGN_COPY) return a;
  if (a.IsEmpty() && b.IsEmpty()) return SpanSet();
  int top = a.IsEmpty() ? b.top_ : b.IsEmpty() ? a.top_ : std::min(a.top_, b.top_);
  int bottom = std::max(a.IsEmpty() ? top : a.top_ + a.RowCount(), b.IsEmpty() ? top : b.top_ + b.RowCount());
  Builder out(top);
  std::vector<int> row;
  static const int kNone = 0;
  for (int y = top; y < bottom; ++y) {
    int ia = y - a.top_, ib = y - b.top_;
    bool hasA = !a.IsEmpty() && ia >= 0 && ia < a.RowCount();
    bool hasB = !b.IsEmpty() && ib >= 0 && ib < b.RowCount();
    CombineRow(hasA ? a.RowBegin(ia) : &kNone, hasA ? a.RowEnd(ia) : &kNone, hasB ? b.RowBegin(ib) : &kNone,
               hasB ? b.RowEnd(ib) : &kNone, mode, row);
    out.AddRow(row);
  }
  return out.Finish();
}

SpanSet SpanSet::InnerBoundary() const {
  if (IsEmpty()) return SpanSet();
  Builder out(top_);
  std::vector<int> shrunk, above, core, edge;
  static const int kNone = 0;
  for (int i = 0; i < RowCount(); ++i) {
    shrunk.clear();
    for (const int* p = RowBegin(i); p != RowEnd(i); p += 2)
      if (p[1] - p[0] > 2) shrunk.push_back(p[0] + 1), shrunk.push_back(p[1] - 1);
    const int* up = i > 0 ? RowBegin(i - 1) : &kNone;
    const int* upEnd = i > 0 ? RowEnd(i - 1) : &kNone;
    const int* down = i + 1 < RowCount() ? RowBegin(i + 1) : &kNone;
    const int* downEnd = i + 1 < RowCount() ? RowEnd(i + 1) : &kNone;
    CombineRow(shrunk.data(), shrunk.data() + shrunk.size(), up, upEnd, RGN_AND, above);
    CombineRow(above.data(), above.data() + above.size(), down, downEnd, RGN_AND, core);
    CombineRow(RowBegin(i), RowEnd(i), core.data(), core.data() + core.size(), RGN_DIFF, edge);
    out.AddRow(edge);
  }
  return out.Finish();
}

bool SpanSet::Contains(int x, int y) const {
  if (x < bounds_.left || x >= bounds_.right || y < bounds_.top || y >= bounds_.bottom) return false;
  const int* b = RowBegin(y - top_);
  const int* e = RowEnd(y - top_);
  return (std::upper_bound(b, e, x) - b) % 2 == 1;
}

bool SpanSet::IsRectangle() const {
  for (int i = 0; i < RowCount(); ++i)
    if (RowEnd(i) - RowBegin(i) != 2 || RowBegin(i)[0] != xs_[0] || RowBegin(i)[1] != xs_[1]) return false;
  return !IsEmpty();
}

std::vector<RECT> SpanSet::Rectangles() const {
  std::vector<RECT> out;
  for (int i = 0, next; i < RowCount(); i = next) {
    for (next = i + 1; next < RowCount() && std::equal(RowBegin(i), RowEnd(i), RowBegin(next), RowEnd(next)); ++next) {
    }
    for (const int* p = RowBegin(i); p != RowEnd(i); p += 2) out.push_back(RECT{p[0], top_ + i, p[1], top_ + next});
  }
  return out;
}

SpanSet SpanSet::Clipped(const RECT& window) const {
  if (IsEmpty() || (window.left <= bounds_.left && window.top <= bounds_.top && window.right >= bounds_.right &&
                    window.bottom >= bounds_.bottom))
    return *this;
  int top = std::max(top_, (int)window.top), bottom = std::min(top_ + RowCount(), (int)window.bottom);
  Builder out(top);
  if (top < bottom) out.Reserve(bottom - top, rowStart_[bottom - top_] - rowStart_[top - top_]);
  for (int y = top; y < bottom; ++y) {
    for (const int* p = RowBegin(y - top_); p != RowEnd(y - top_); p += 2)
      out.Add(std::max(p[0], (int)window.left), std::min(p[1], (int)window.right));
    out.NextRow();
  }
  return out.Finish();
}

void SpanSet::Offset(int dx, int dy) {
  if (IsEmpty()) return;
  top_ += dy;
  for (int& x : xs_) x += dx;
  bounds_.left += dx, bounds_.right += dx, bounds_.top += dy, bounds_.bottom += dy;
}

bool SpanSet::operator==(const SpanSet& o) const {
  if (IsEmpty() || o.IsEmpty()) return IsEmpty() == o.IsEmpty();
  return top_ == o.top_ && rowStart_ == o.rowStart_ && xs_ == o.xs_;
}

}  // namespace gdi
