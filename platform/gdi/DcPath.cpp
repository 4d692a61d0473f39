// CDC paths: figures recorded between BeginPath and EndPath (MoveTo, LineTo, Polyline,
// Polygon, Rectangle, CloseFigure), then filled with the brush and/or stroked with the pen.
#include "platform/gdi/Dc.h"

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
      if (stroke) pen = gdi::SpanSet::Combine(pen, PenPixels(f.points, true), RGN_OR);
    }
    gdi::SpanSet inside = gdi::SpanSet::FromPolygons(outlines, state_.polyFillMode, DeviceLimit());
    PaintBrush(gdi::SpanSet::Combine(inside, pen, RGN_DIFF), state_.brush, state_.rop2);
  }
  if (stroke)
    for (const auto& f : figures) StrokePolyline(f.points, f.closed, nullptr);
  return TRUE;
}
