// An exact set of pixels stored as horizontal runs: for each row, sorted disjoint half-open
// runs [x0, x1). Regions, fills, pen outlines and clipping are all sets of this kind, so what
// a hit test answers is exactly what a fill paints.
#pragma once

#include <vector>

#include "platform/Win32Types.h"

namespace gdi {

class SpanSet {
 public:
  // Appends rows from top to bottom; runs within a row must come left to right.
  class Builder {
   public:
    explicit Builder(int top) : top_(top) { rowStart_.push_back(0); }
    void Add(int x0, int x1);  // touching or overlapping the previous run merges with it
    void AddRow(const std::vector<int>& runs);  // a whole row of x0, x1 pairs, then NextRow
    void NextRow() { rowStart_.push_back((int)xs_.size()); }
    void Reserve(int rows, int numbers) { rowStart_.reserve(rows + 1), xs_.reserve(numbers); }
    SpanSet Finish();  // the builder is used up

   private:
    int top_;
    std::vector<int> rowStart_;
    std::vector<int> xs_;
  };

  SpanSet() = default;

  // Figures are computed at full precision but only their part inside a window is kept, so a
  // figure with absurd coordinates (from a hostile record) costs no more than the window. The
  // default window, +-65536 on both axes, is far beyond any canvas.
  static const RECT kWindow;

  // Pixels whose centres lie inside the figure; `r` is normalised here.
  static SpanSet FromRect(const RECT& r, const RECT& window = kWindow);
  static SpanSet FromEllipse(const RECT& r, const RECT& window = kWindow);
  // A rectangle whose corners are quarter ellipses of the given full width and height.
  static SpanSet FromRoundRect(const RECT& r, int cornerWidth, int cornerHeight, const RECT& window = kWindow);
  // Closed polygons (each figure implicitly closed), ALTERNATE or WINDING fill. A polygon's
  // vertices name pixels, as a pen's points do, so pixel (x, y) is inside when the point
  // (x, y) is (edges on the left and top inside, on the right and bottom outside); the pen's
  // outline then meets the fill without gaps.
  static SpanSet FromPolygons(const std::vector<std::vector<POINT>>& figures, int fillMode,
                              const RECT& window = kWindow);
  static SpanSet FromPolygon(const POINT* points, int count, int fillMode, const RECT& window = kWindow);

  // RGN_AND, RGN_OR, RGN_XOR or RGN_DIFF.
  static SpanSet Combine(const SpanSet& a, const SpanSet& b, int mode);
  // The pixels of the set that have a 4-neighbour outside it: a one-pixel outline.
  SpanSet InnerBoundary() const;

  bool Contains(int x, int y) const;
  bool IsEmpty() const { return xs_.empty(); }
  // Smallest rectangle holding every pixel; all zero when empty.
  RECT Bounds() const { return bounds_; }
  // One run per row, the same in every row: GDI's SIMPLEREGION.
  bool IsRectangle() const;
  void Offset(int dx, int dy);
  // The part of the set inside `window`.
  SpanSet Clipped(const RECT& window) const;
  // Memory the runs take, for caches that keep sets.
  size_t Bytes() const { return (rowStart_.size() + xs_.size()) * sizeof(int); }
  // The set as rectangles, top to bottom and left to right within a band: rows in a row with
  // the same runs make one band (the banded rectangles GDI keeps a region as).
  std::vector<RECT> Rectangles() const;
  bool operator==(const SpanSet& o) const;
  bool operator!=(const SpanSet& o) const { return !(*this == o); }

  int Top() const { return top_; }
  int RowCount() const { return (int)rowStart_.size() - 1; }
  // Row i's runs as x0, x1 pairs in [begin, end).
  const int* RowBegin(int i) const { return xs_.data() + rowStart_[i]; }
  const int* RowEnd(int i) const { return xs_.data() + rowStart_[i + 1]; }

  template <typename F>  // f(y, x0, x1) for every run
  void ForEachRun(F f) const {
    for (int i = 0; i < RowCount(); ++i)
      for (const int* p = RowBegin(i); p != RowEnd(i); p += 2) f(top_ + i, p[0], p[1]);
  }

 private:
  int top_ = 0;
  std::vector<int> rowStart_{0};
  std::vector<int> xs_;
  RECT bounds_{0, 0, 0, 0};
};

}  // namespace gdi
