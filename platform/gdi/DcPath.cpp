// CDC paths: figures recorded between BeginPath and EndPath (MoveTo, LineTo, Polyline,
// Polygon, Rectangle, CloseFigure), then filled with the brush and/or stroked with the pen.
#include "platform/gdi/Dc.h"

#include <algorithm>

#include "platform/gdi/KeptFigures.h"

namespace {

// The fill of closed figures, built only inside the area's limit into `local`, or whole and
// kept when the area cuts a small path.
const gdi::SpanSet& PathFillPixels(const std::vector<std::vector<POINT>>& outlines, int fillMode,
                                   const gdi::DrawArea& area, gdi::SpanSet* local) {
  RECT corners{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
  gdi::KeptKey key{gdi::kKeptPathFill, fillMode};
  for (const auto& figure : outlines) {
    key.Add((int)figure.size());
    for (POINT p : figure) {
      corners = RECT{std::min(corners.left, p.x), std::min(corners.top, p.y), std::max(corners.right, p.x),
                     std::max(corners.bottom, p.y)};
      key.Add(p.x), key.Add(p.y);
    }
  }
  if (!key.Fits() || !gdi::KeptFigures::Keeps(gdi::Grown(corners, 1), area))
    return *local = gdi::SpanSet::FromPolygons(outlines, fillMode, area.limit);
  return gdi::KeptFigures::Get()
      .Find(key, [&] { return gdi::KeptFigures::Sets{gdi::SpanSet::FromPolygons(outlines, fillMode)}; })
      .front();
}

}  // namespace

BOOL CDC::BeginPath() {
  path_.clear();
  recordingPath_ = true;
  pathReady_ = false;
  return TRUE;
}

BOOL CDC::EndPath() {
  if (!recordingPath_) return FALSE;
  recordingPath_ = false;
  pathReady_ = true;
  return TRUE;
}

BOOL CDC::AbortPath() {
  path_.clear();
  recordingPath_ = pathReady_ = false;
  return TRUE;
}

BOOL CDC::CloseFigure() {
  if (!recordingPath_ || path_.empty()) return FALSE;
  path_.back().closed = true;
  return TRUE;
}

BOOL CDC::FillPath() { return FinishPath(false, true); }
BOOL CDC::StrokePath() { return FinishPath(true, false); }
BOOL CDC::StrokeAndFillPath() { return FinishPath(true, true); }

// Fills the figures (each closed) and strokes them; the path is used up either way.
BOOL CDC::FinishPath(bool stroke, bool fill) {
  if (!pathReady_) return FALSE;
  std::vector<PathFigure> figures;
  figures.swap(path_);
  pathReady_ = false;
  if (fill) {
    // Filling closes open figures, and the stroke then follows the closed outline.
    for (auto& f : figures) f.closed = true;
    std::vector<std::vector<POINT>> outlines;
    gdi::SpanSet pen;
    for (const auto& f : figures) {
      outlines.push_back(f.points);
      gdi::SpanSet local;
      if (stroke) pen = gdi::SpanSet::Combine(pen, PenPixels(f.points, true, &local), RGN_OR);
    }
    gdi::SpanSet local;
    const gdi::SpanSet& inside = PathFillPixels(outlines, state_.polyFillMode, Area(), &local);
    if (stroke)
      PaintBrush(gdi::SpanSet::Combine(inside, pen, RGN_DIFF), state_.brush, state_.rop2);
    else
      PaintBrush(inside, state_.brush, state_.rop2);
  }
  if (stroke)
    for (const auto& f : figures) StrokePolyline(f.points, f.closed, nullptr);
  return TRUE;
}
