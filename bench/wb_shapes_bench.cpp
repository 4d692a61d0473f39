// Painting a 1600 x 1200 page of mixed whiteboard shapes through the stroke classes' Draw,
// against drawing the same primitives straight with Cairo in the same run; and hit-testing one
// point against every shape of a page, from 1k to 100k shapes.
#include <benchmark/benchmark.h>
#include <cairo.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "bench/BenchCommon.h"
#include "platform/gdi/Dc.h"
#include "whiteboard/model/StrokeEllipse.h"
#include "whiteboard/model/StrokeFluorescencePen.h"
#include "whiteboard/model/StrokeLine.h"
#include "whiteboard/model/StrokePolygon.h"
#include "whiteboard/model/StrokeRectangle.h"
#include "whiteboard/model/StrokeRoundCircle.h"
#include "whiteboard/model/StrokeRoundRect.h"
#include "whiteboard/model/StrokeSolidEllipse.h"
#include "whiteboard/model/StrokeSolidRectangle.h"
#include "whiteboard/model/StrokeTrapezia.h"
#include "whiteboard/model/StrokeTriangle.h"

namespace {

const int kWidth = 1600, kHeight = 1200;

enum Kind {
  kLine, kRect, kEllipse, kSolidRect, kSolidEllipse, kCircle, kRoundRect,
  kFreeLine, kHighlighter, kPolyline, kPolygon, kTrapezium, kTriangle, kKindCount
};

CStrokeBase* NewStroke(Kind kind) {
  switch (kind) {
    case kLine: return new CStrokeLine;
    case kRect: return new CStrokeRectangle;
    case kEllipse: return new CStrokeEllipse;
    case kSolidRect: return new CStrokeSolidRectangle;
    case kSolidEllipse: return new CStrokeSolidEllipse;
    case kCircle: return new CStrokeRoundCircle;
    case kRoundRect: return new CStrokeRoundRect;
    case kFreeLine: return new CStrokeFreeLine;
    case kHighlighter: return new CStrokeFluorescencePen;
    case kPolyline: return new CStrokePolyline;
    case kPolygon: return new CStrokePolygon;
    case kTrapezium: return new CStrokeTrapezia;
    default: return new CStrokeTriangle;
  }
}

struct Page {
  std::vector<Kind> kinds;
  std::vector<std::unique_ptr<CStrokeBase>> strokes;
};

// count shapes of every kind in turn, 20 to 140 pixels across, scattered over the page.
Page MakePage(int count) {
  std::mt19937 rng(20261207);
  auto uniform = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  const int widths[] = {1, 2, 2, 3, 5};
  Page page;
  for (int i = 0; i < count; ++i) {
    Kind kind = (Kind)(i % kKindCount);
    CStrokeBase* stroke = NewStroke(kind);
    int x = uniform(0, kWidth - 150), y = uniform(0, kHeight - 150);
    RECT rect = {x, y, x + uniform(20, 140), y + uniform(20, 140)};
    stroke->m_crColor = RGB(uniform(0, 255), uniform(0, 255), uniform(0, 255));
    stroke->m_nPenWidth = widths[uniform(0, 4)];
    stroke->m_rcDraw = rect;
    if (auto* path = dynamic_cast<CStrokeFreeLine*>(stroke)) {
      if (kind == kTrapezium || kind == kTriangle) {
        path->ScaleTo(&rect);
      } else {
        for (int k = 0; k < 16; ++k)
          path->m_arrPoint.Add(CPoint(uniform(rect.left, rect.right), uniform(rect.top, rect.bottom)));
      }
    }
    if (auto* round = dynamic_cast<CStrokeRoundRect*>(stroke)) round->SetCorner(&rect);
    stroke->UpdateTracker();
    page.kinds.push_back(kind);
    page.strokes.emplace_back(stroke);
  }
  return page;
}

void PaintStrokes(CDC& dc, const Page& page) {
  dc.FillSolidRect(0, 0, kWidth, kHeight, RGB(255, 255, 255));
  for (const auto& stroke : page.strokes) stroke->Draw(&dc, stroke->GetTracker()->m_rect);
}

void SetColor(cairo_t* cr, COLORREF c) {
  cairo_set_source_rgb(cr, GetRValue(c) / 255.0, GetGValue(c) / 255.0, GetBValue(c) / 255.0);
}

void EllipsePath(cairo_t* cr, const RECT& r) {
  double rx = std::abs(r.right - r.left) / 2.0, ry = std::abs(r.bottom - r.top) / 2.0;
  if (rx < 1 || ry < 1) return;
  cairo_save(cr);
  cairo_translate(cr, (r.left + r.right) / 2.0, (r.top + r.bottom) / 2.0);
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
}

void FigurePath(cairo_t* cr, bool ellipse, const RECT& r) {
  if (ellipse)
    EllipsePath(cr, r);
  else
    cairo_rectangle(cr, r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void PointsPath(cairo_t* cr, const CArray<CPoint, CPoint>& points, bool closed) {
  cairo_move_to(cr, points[0].x + 0.5, points[0].y + 0.5);
  for (int k = 1; k < points.GetSize(); ++k) cairo_line_to(cr, points[k].x + 0.5, points[k].y + 0.5);
  if (closed) cairo_close_path(cr);
}

// A fill of the colour, then a one-pixel black outline of the same path.
void FillAndOutline(cairo_t* cr, COLORREF fill) {
  SetColor(cr, fill);
  cairo_fill_preserve(cr);
  cairo_set_line_width(cr, 1);
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_stroke(cr);
}

void RoundRectPath(cairo_t* cr, const RECT& r, double radius) {
  double x0 = r.left, y0 = r.top, x1 = r.right, y1 = r.bottom;
  cairo_new_sub_path(cr);
  cairo_arc(cr, x1 - radius, y0 + radius, radius, -M_PI / 2, 0);
  cairo_arc(cr, x1 - radius, y1 - radius, radius, 0, M_PI / 2);
  cairo_arc(cr, x0 + radius, y1 - radius, radius, M_PI / 2, M_PI);
  cairo_arc(cr, x0 + radius, y0 + radius, radius, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

// One figure drawn straight with Cairo, without antialiasing; MULTIPLY stands in for the
// highlighter's mask raster operation.
void PaintCairoFigure(cairo_t* cr, CStrokeBase& s, Kind kind) {
  const CRect& r = s.m_tracker.m_rect;
  cairo_set_operator(cr, kind == kHighlighter ? CAIRO_OPERATOR_MULTIPLY : CAIRO_OPERATOR_SOURCE);
  switch (kind) {
    case kLine:
      cairo_move_to(cr, r.left + 0.5, r.top + 0.5);
      cairo_line_to(cr, r.right + 0.5, r.bottom + 0.5);
      break;
    case kRect:
    case kEllipse: {
      RECT inner = {r.left + s.m_nPenWidth, r.top + s.m_nPenWidth, r.right - s.m_nPenWidth, r.bottom - s.m_nPenWidth};
      cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
      FigurePath(cr, kind == kEllipse, r);
      FigurePath(cr, kind == kEllipse, inner);
      SetColor(cr, s.m_crColor);
      cairo_fill(cr);
      return;
    }
    case kSolidRect:
    case kSolidEllipse:
    case kCircle:
      FigurePath(cr, kind != kSolidRect, r);
      FillAndOutline(cr, s.m_crColor);
      return;
    case kRoundRect:
      RoundRectPath(cr, r, static_cast<CStrokeRoundRect&>(s).m_nRx / 2.0);
      FillAndOutline(cr, s.m_crColor);
      return;
    case kTrapezium:
    case kTriangle:
      cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
      PointsPath(cr, static_cast<CStrokeFreeLine&>(s).m_arrPoint, true);
      SetColor(cr, s.m_crColor);
      cairo_fill(cr);
      return;
    default:
      PointsPath(cr, static_cast<CStrokeFreeLine&>(s).m_arrPoint, kind == kPolygon);
      break;
  }
  cairo_set_line_width(cr, s.m_nPenWidth);
  SetColor(cr, s.m_crColor);
  cairo_stroke(cr);
}

// The page's figures drawn straight with Cairo on a white canvas.
void PaintCairo(cairo_t* cr, const Page& page) {
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  for (size_t i = 0; i < page.strokes.size(); ++i) PaintCairoFigure(cr, *page.strokes[i], page.kinds[i]);
  cairo_surface_flush(cairo_get_target(cr));
}

void BM_PaintStrokes(benchmark::State& state) {
  Page page = MakePage((int)state.range(0));
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  CBitmap bitmap;
  bitmap.CreateCompatibleBitmap(&dc, kWidth, kHeight);
  dc.SelectObject(&bitmap);
  for (auto _ : state) PaintStrokes(dc, page);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_PaintCairo(benchmark::State& state) {
  Page page = MakePage((int)state.range(0));
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, kHeight);
  cairo_t* cr = cairo_create(surface);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  for (auto _ : state) PaintCairo(cr, page);
  state.SetItemsProcessed(state.iterations() * state.range(0));
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
}

BENCHMARK(BM_PaintStrokes)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintCairo)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// One click tested against every shape of the page, as the surface's selection does.
void BM_HitTestAll(benchmark::State& state) {
  Page page = MakePage((int)state.range(0));
  std::mt19937 rng(11);
  std::vector<POINT> clicks;
  for (int i = 0; i < 64; ++i) clicks.push_back(POINT{(LONG)(rng() % kWidth), (LONG)(rng() % kHeight)});
  size_t next = 0;
  int hits = 0;
  for (auto _ : state) {
    POINT p = clicks[next++ % clicks.size()];
    for (const auto& stroke : page.strokes) hits += stroke->HitTest(p.x, p.y);
    benchmark::DoNotOptimize(hits);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.counters["hits_per_query"] = benchmark::Counter((double)hits / state.iterations());
}

BENCHMARK(BM_HitTestAll)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void PrintRatios(const bench::TimeReporter& times) {
  for (const char* arg : {"1000", "10000"}) {
    double strokes = times.Seconds("BM_PaintStrokes", arg), cairo = times.Seconds("BM_PaintCairo", arg);
    if (strokes > 0 && cairo > 0)
      std::printf("Stroke Draw / Cairo paint time, %s shapes: %.2f x\n", arg, strokes / cairo);
  }
  double small = times.Seconds("BM_HitTestAll", "1000"), large = times.Seconds("BM_HitTestAll", "100000");
  if (small > 0 && large > 0)
    std::printf("Hit test of one point, 100k / 1k shapes: %.1f x (linear is 100 x)\n", large / small);
}

}  // namespace

int main(int argc, char** argv) { return bench::RunWithSummary(argc, argv, PrintRatios); }
