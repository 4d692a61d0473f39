// Painting a 1600 x 1200 canvas of mixed primitives through CDC, against drawing the same
// primitives straight with Cairo in the same run; and region hit-test throughput.
#include <benchmark/benchmark.h>
#include <cairo.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "bench/BenchCommon.h"
#include "platform/gdi/Dc.h"

namespace {

const int kWidth = 1600, kHeight = 1200;

enum Kind { kLine, kRect, kEllipse, kPolyline };

struct Primitive {
  Kind kind;
  int width;
  COLORREF pen;
  COLORREF fill;
  bool xorMode;
  std::vector<POINT> points;  // two corners, or the line's or polyline's points
};

std::vector<Primitive> MakeScene(int count) {
  std::mt19937 rng(20261207);
  auto uniform = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  const int widths[] = {1, 1, 1, 2, 3, 5};
  std::vector<Primitive> scene;
  for (int i = 0; i < count; ++i) {
    Primitive p;
    p.kind = (Kind)(i % 4);
    p.width = widths[uniform(0, 5)];
    p.pen = RGB(uniform(0, 255), uniform(0, 255), uniform(0, 255));
    p.fill = RGB(uniform(0, 255), uniform(0, 255), uniform(0, 255));
    p.xorMode = uniform(0, 9) == 0;
    POINT start{uniform(0, kWidth - 1), uniform(0, kHeight - 1)};
    p.points.push_back(start);
    if (p.kind == kPolyline) {
      for (int k = 1; k < 50; ++k) {
        POINT last = p.points.back();
        p.points.push_back(POINT{last.x + uniform(-8, 8), last.y + uniform(-8, 8)});
      }
    } else {
      int reach = p.kind == kLine ? 200 : 120;
      p.points.push_back(POINT{start.x + uniform(-reach, reach), start.y + uniform(-reach, reach)});
    }
    scene.push_back(p);
  }
  return scene;
}

void PaintWithCdc(CDC& dc, const std::vector<Primitive>& scene) {
  dc.FillSolidRect(0, 0, kWidth, kHeight, RGB(255, 255, 255));
  for (const Primitive& p : scene) {
    CPen pen(PS_SOLID, p.width, p.pen);
    CBrush brush(p.fill);
    CPen* oldPen = dc.SelectObject(&pen);
    CBrush* oldBrush = dc.SelectObject(&brush);
    dc.SetROP2(p.xorMode ? R2_XORPEN : R2_COPYPEN);
    const POINT a = p.points[0], b = p.points[1];
    switch (p.kind) {
      case kLine:
        dc.MoveTo(a);
        dc.LineTo(b);
        break;
      case kRect: dc.Rectangle(a.x, a.y, b.x, b.y); break;
      case kEllipse: dc.Ellipse(a.x, a.y, b.x, b.y); break;
      case kPolyline: dc.Polyline(p.points.data(), (int)p.points.size()); break;
    }
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
  }
}

void SetColor(cairo_t* cr, COLORREF c) {
  cairo_set_source_rgb(cr, GetRValue(c) / 255.0, GetGValue(c) / 255.0, GetBValue(c) / 255.0);
}

// The same figures through Cairo directly, without antialiasing; XOR has no bitwise Cairo
// operator, so DIFFERENCE stands in for it.
void PaintWithCairo(cairo_t* cr, const std::vector<Primitive>& scene) {
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  for (const Primitive& p : scene) {
    cairo_set_operator(cr, p.xorMode ? CAIRO_OPERATOR_DIFFERENCE : CAIRO_OPERATOR_SOURCE);
    cairo_set_line_width(cr, p.width);
    const POINT a = p.points[0], b = p.points[1];
    switch (p.kind) {
      case kLine:
        cairo_move_to(cr, a.x + 0.5, a.y + 0.5);
        cairo_line_to(cr, b.x + 0.5, b.y + 0.5);
        break;
      case kRect:
        cairo_rectangle(cr, a.x, a.y, b.x - a.x, b.y - a.y);
        SetColor(cr, p.fill);
        cairo_fill_preserve(cr);
        break;
      case kEllipse: {
        double rx = std::abs(b.x - a.x) / 2.0, ry = std::abs(b.y - a.y) / 2.0;
        if (rx < 1 || ry < 1) continue;
        cairo_save(cr);
        cairo_translate(cr, (a.x + b.x) / 2.0, (a.y + b.y) / 2.0);
        cairo_scale(cr, rx, ry);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        SetColor(cr, p.fill);
        cairo_fill_preserve(cr);
        break;
      }
      case kPolyline:
        cairo_move_to(cr, a.x + 0.5, a.y + 0.5);
        for (size_t k = 1; k < p.points.size(); ++k) cairo_line_to(cr, p.points[k].x + 0.5, p.points[k].y + 0.5);
        break;
    }
    SetColor(cr, p.pen);
    cairo_stroke(cr);
  }
  cairo_surface_flush(cairo_get_target(cr));
}

void BM_PaintCdc(benchmark::State& state) {
  std::vector<Primitive> scene = MakeScene((int)state.range(0));
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  CBitmap bitmap;
  bitmap.CreateCompatibleBitmap(&dc, kWidth, kHeight);
  dc.SelectObject(&bitmap);
  for (auto _ : state) PaintWithCdc(dc, scene);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_PaintCairo(benchmark::State& state) {
  std::vector<Primitive> scene = MakeScene((int)state.range(0));
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, kHeight);
  cairo_t* cr = cairo_create(surface);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  for (auto _ : state) PaintWithCairo(cr, scene);
  state.SetItemsProcessed(state.iterations() * state.range(0));
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
}

BENCHMARK(BM_PaintCdc)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintCairo)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Regions of a page: ellipses, polygon bands and rectangle rings spread over the canvas.
std::vector<CRgn*> MakeRegions(int count) {
  std::mt19937 rng(7);
  auto uniform = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  std::vector<CRgn*> regions;
  for (int i = 0; i < count; ++i) {
    int x = uniform(0, kWidth - 100), y = uniform(0, kHeight - 100), w = uniform(10, 100), h = uniform(10, 100);
    auto* rgn = new CRgn;
    if (i % 3 == 0) {
      rgn->CreateEllipticRgn(x, y, x + w, y + h);
    } else if (i % 3 == 1) {
      POINT band[] = {{x - 4, y}, {x, y - 4}, {x + w + 4, y + h}, {x + w, y + h + 4}};
      rgn->CreatePolygonRgn(band, 4, ALTERNATE);
    } else {
      CRgn inner;
      rgn->CreateRectRgn(x - 4, y - 4, x + w + 4, y + h + 4);
      inner.CreateRectRgn(x + 4, y + 4, x + w - 4, y + h - 4);
      rgn->CombineRgn(rgn, &inner, RGN_XOR);
    }
    regions.push_back(rgn);
  }
  return regions;
}

// One hit test against every region of the page, as a click on a crowded page does.
void BM_PtInRegion(benchmark::State& state) {
  std::vector<CRgn*> regions = MakeRegions((int)state.range(0));
  std::mt19937 rng(11);
  std::vector<POINT> clicks;
  for (int i = 0; i < 64; ++i) clicks.push_back(POINT{(LONG)(rng() % kWidth), (LONG)(rng() % kHeight)});
  size_t next = 0;
  for (auto _ : state) {
    POINT p = clicks[next++ % clicks.size()];
    int hits = 0;
    for (CRgn* r : regions) hits += r->PtInRegion(p);
    benchmark::DoNotOptimize(hits);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  for (CRgn* r : regions) delete r;
}

void BM_BuildRegions(benchmark::State& state) {
  for (auto _ : state) {
    std::vector<CRgn*> regions = MakeRegions((int)state.range(0));
    for (CRgn* r : regions) delete r;
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_PtInRegion)->Arg(1000)->Arg(10000)->Arg(100000);
BENCHMARK(BM_BuildRegions)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void PrintRatios(const bench::TimeReporter& times) {
  for (const char* arg : {"1000", "10000", "100000"}) {
    double cdc = times.Seconds("BM_PaintCdc", arg), cairo = times.Seconds("BM_PaintCairo", arg);
    if (cdc > 0 && cairo > 0) std::printf("CDC / Cairo paint time, %s primitives: %.2f x\n", arg, cdc / cairo);
  }
}

}  // namespace

int main(int argc, char** argv) { return bench::RunWithSummary(argc, argv, PrintRatios); }
