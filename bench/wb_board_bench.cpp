// A conference whiteboard with big pages, driven as the host and the user drive it: received
// page content (method 7) applied, the page content record built and sent, one mouse move of a
// pen gesture with the paint it causes, repaints of a small area and of the whole client, a
// drag of an object, a click that selects, and painting against Cairo drawing the same paths.
// Prints how each scales with the page or compares with its baseline.
#include <benchmark/benchmark.h>
#include <cairo.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench/BenchCommon.h"
#include "confwindow/DlgDataConf.h"
#include "host/recording/RecordingHost.h"
#include "host/relay/WbMessages.h"
#include "host/relay/WbRelay.h"
#include "host/scenario/ConfEventWords.h"
#include "module/TavorineModule.h"
#include "platform/Clock.h"
#include "platform/gdi/Dc.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/UserInput.h"
#include "platform/ui/Wnd.h"
#include "vezadazavo/VezadaZavo.h"
#include "whiteboard/model/StrokeFreeLine.h"
#include "whiteboard/model/StrokeKinds.h"
#include "whiteboard/model/StrokeLine.h"
#include "whiteboard/model/StrokePage.h"
#include "whiteboard/model/WbBlocks.h"
#include "whiteboard/windows/DlgDFWhiteBoard.h"
#include "whiteboard/windows/DrawContentDlg.h"

namespace {

const DWORD kWhiteboardSubConf = 41;

// Object i of a page: lines, rectangles, ellipses, circles, triangles and pen strokes in turn,
// spread over the canvas, from a fixed pseudo-random sequence, made as the gestures make them.
CStrokeBase* MakeStroke(int i, unsigned* seed) {
  auto next = [seed](int range) {
    *seed = *seed * 1103515245u + 12345u;
    return (int)((*seed >> 8) % (unsigned)range);
  };
  static const char* const kWords[] = {"line", "rectangle", "ellipse", "circle", "triangle", "freeline"};
  const StrokeKind* kind = FindStrokeKind(kWords[i % 6]);
  int x = next(1500), y = next(1100), w = 5 + next(80), h = 5 + next(80);
  CRect rect(x, y, x + w, y + h);
  CStrokeBase* stroke = kind->create(nullptr);
  if (kind->tool == kToolPen) {
    CStrokeFreeLine* pen = static_cast<CStrokeFreeLine*>(stroke);
    for (CPoint p : {CPoint(x, y), CPoint(x + 20, y + 5), CPoint(x + 30, y + 40), CPoint(x + 5, y + 30)})
      pen->m_arrPoint.Add(p);
  }
  stroke->m_rcDraw = rect;
  if (kind->tool == kToolTriangle) stroke->ScaleTo(&rect);
  stroke->m_crColor = (COLORREF)next(1 << 24);
  stroke->m_nPenWidth = 1 + next(4);
  char id[48];
  snprintf(id, sizeof id, "%s:%08x%09x", kind->word, (unsigned)next(1 << 30), (unsigned)i);
  SetWbText(stroke->m_szID, id);
  stroke->UpdateTracker();
  return stroke;
}

// Gives a made object its id (kind and number), colour and width, as a gesture does.
CStrokeBase* Finish(CStrokeBase* stroke, const char* kind, int i, COLORREF color, int width) {
  stroke->m_crColor = color;
  stroke->m_nPenWidth = width;
  char id[48];
  snprintf(id, sizeof id, "%s:%08x%09x", kind, (unsigned)(i * 2654435761u), (unsigned)i);
  SetWbText(stroke->m_szID, id);
  stroke->UpdateTracker();
  return stroke;
}

class Sequence {
 public:
  explicit Sequence(unsigned seed) : seed_(seed) {}
  int Next(int range) {
    seed_ = seed_ * 1103515245u + 12345u;
    return (int)((seed_ >> 8) % (unsigned)range);
  }

 private:
  unsigned seed_;
};

CStrokeFreeLine* PenPath(const std::vector<CPoint>& points) {
  CStrokeFreeLine* pen = new CStrokeFreeLine();
  for (CPoint p : points) pen->m_arrPoint.Add(p);
  return pen;
}

CStrokeLine* Line(CPoint from, CPoint to) {
  CStrokeLine* line = new CStrokeLine();
  line->m_rcDraw = CRect(from.x, from.y, to.x, to.y);
  return line;
}

// Long strokes of pen width 2: 50-point pen paths whose points lie anywhere on the canvas,
// and lines from one side of the canvas to the other.
std::vector<CStrokeBase*> LongStrokes(int n) {
  Sequence next(777);
  std::vector<CStrokeBase*> strokes;
  for (int i = 0; i < n; ++i) {
    COLORREF color = (COLORREF)next.Next(1 << 24);
    if (i % 2 == 0) {
      std::vector<CPoint> points;
      for (int k = 0; k < 50; ++k) points.push_back(CPoint(next.Next(1600), next.Next(1200)));
      strokes.push_back(Finish(PenPath(points), "freeline", i, color, 2));
    } else {
      strokes.push_back(Finish(Line(CPoint(0, next.Next(1200)), CPoint(1599, next.Next(1200))), "line", i, color, 2));
    }
  }
  return strokes;
}

// Hand-drawn strokes: 50-point pen paths that walk in small steps, and lines up to 300 pixels
// long, pen widths 2 to 4.
std::vector<CStrokeBase*> HandStrokes(int n) {
  Sequence next(4242);
  std::vector<CStrokeBase*> strokes;
  for (int i = 0; i < n; ++i) {
    COLORREF color = (COLORREF)next.Next(1 << 24);
    int width = 2 + next.Next(3);
    CPoint at(next.Next(1600), next.Next(1200));
    if (i % 2 == 0) {
      std::vector<CPoint> points{at};
      for (int k = 1; k < 50; ++k) {
        at += CPoint(next.Next(17) - 8, next.Next(17) - 8);
        points.push_back(at);
      }
      strokes.push_back(Finish(PenPath(points), "freeline", i, color, width));
    } else {
      CPoint to = at + CPoint(next.Next(425) - 212, next.Next(425) - 212);
      strokes.push_back(Finish(Line(at, to), "line", i, color, width));
    }
  }
  return strokes;
}

const void* NoCopy(const void*, host::BlockArena&) { return nullptr; }

// Evicts the caches between runs: each run starts cold, as a record that arrives on a busy
// user-interface thread does, so that the ratios show how the work grows with the page rather
// than where the page stops fitting in the caches.
void ColdCaches() {
  static std::vector<char> buffer(64 << 20);
  static char value = 0;
  memset(buffer.data(), ++value, buffer.size());
  benchmark::DoNotOptimize(buffer.data());
}

// One module with a running conference and its whiteboard on page 1, attached to a recording
// host that keeps no copies of whiteboard messages unless asked to.
class Board {
 public:
  Board() {
    platform::Clock::UseVirtual(1700000000);
    platform::Desktop::Reset();
    VzSetDataSet(VzDefaultDataSet());
    module_ = CreateTavorineModule(&host_, nullptr, nullptr);
    host_.Attach(module_);
    host_.Copiers().SetMethodBlock(kHostDataConfRecord);
    KeepCopies(false);
    // The answer to our create request names the whiteboard among the conference's types: the
    // conference window opens its board.
    const std::string subConf = "subconf=" + std::to_string(kWhiteboardSubConf);
    host::DeliverConfEvent(host_, kModuleConfEvent,
                           {"1", "1", "200", "sip:conf001@ims.example.cn", "type=4", subConf, "dconf=dconf-77"});
    board_ = module_->m_pDlgDataConf->GetWhiteBoard();
  }
  ~Board() {
    DestroyTavorineModule();
    platform::Desktop::Reset();
  }

  CDlgDFWhiteBoard* Window() { return board_; }
  CDrawContentDlg* Surface() { return board_->GetSurface(); }
  host::RecordingHost& Host() { return host_; }

  void KeepCopies(bool keep) {
    host_.Copiers().SetRecord(kHostDataConfRecord, WB_MRS_METHOD, keep ? host::CopyWbMessage : NoCopy);
  }

  int Receive(void* record) {
    HostRecordBlock block = {1, record, 0};
    return host_.Deliver(kModuleDataConfRecord, block);
  }

  // Page 1 holding n objects of MakeStroke, shown.
  void ShowPage(int n) {
    unsigned seed = 12345;
    std::vector<CStrokeBase*> strokes;
    for (int i = 0; i < n; ++i) strokes.push_back(MakeStroke(i, &seed));
    ShowPage(strokes);
  }

  // Page 1 holding the objects, shown.
  void ShowPage(const std::vector<CStrokeBase*>& strokes) {
    std::vector<BYTE> received(sizeof(WbRecvMsgHeader));
    WbRecvMsgHeader* header = reinterpret_cast<WbRecvMsgHeader*>(received.data());
    header->head.op = WB_RECV_PAGE_ADD;
    header->head.nSubConfID = kWhiteboardSubConf;
    WbPageOpRecord pageOp = {1, WB_PAGEOP_NEW_PAGE, 1, nullptr, 0};
    header->pPageOp = &pageOp;
    Receive(header);
    for (CStrokeBase* stroke : strokes) Surface()->m_pCurPage->m_listStroke.AddTail(stroke);
    Paint();
  }

  void Paint() {
    Surface()->Invalidate(FALSE);
    ::UpdateWindow(Surface()->m_hWnd);
  }

  // A run whose board stopped showing its page timed nothing: it is reported as an error.
  void CheckShown(benchmark::State& state, int objects) {
    CDlgDFWhiteBoard* now = module_->m_pDlgDataConf ? module_->m_pDlgDataConf->GetWhiteBoard() : nullptr;
    CStrokePage* page = now == board_ ? Surface()->m_pCurPage : nullptr;
    if (!page || !::IsWindowVisible(Surface()->m_hWnd) || page->m_listStroke.GetCount() != objects)
      state.SkipWithError("the board no longer shows its page");
  }

  // The page content record of page 1 as this board sends it, as the host's relay delivers
  // it (kept in the board's arena).
  void* SentPageContent() {
    host_.Clear();
    KeepCopies(true);
    board_->SendPageContent(1);
    KeepCopies(false);
    const HostMethodBlock* block = host_.EventsWithCode(kHostDataConfRecord).back().As<HostMethodBlock>();
    return host::UnpackReceivedWbMessage(host::PackWbMessage(block->pRecord), relayed_);
  }

 private:
  host::RecordingHost host_;
  CTavorineModule* module_ = nullptr;
  CDlgDFWhiteBoard* board_ = nullptr;
  host::BlockArena relayed_;
};

void BM_ApplyPageContent(benchmark::State& state) {
  Board board;
  board.ShowPage((int)state.range(0));
  void* record = board.SentPageContent();
  for (auto _ : state) {
    state.PauseTiming();
    board.Host().Clear();
    ColdCaches();
    state.ResumeTiming();
    board.Receive(record);
  }
  state.counters["objects"] = board.Surface()->m_pCurPage->m_listStroke.GetCount();
}

void BM_SendPageContent(benchmark::State& state) {
  Board board;
  board.ShowPage((int)state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    board.Host().Clear();
    ColdCaches();
    state.ResumeTiming();
    board.Window()->SendPageContent(1);
  }
}

// One mouse move of a pen gesture (a short segment in the middle of the page), with the
// paint it causes; the gesture is restarted, untimed, every 200 moves.
void BM_PenMove(benchmark::State& state) {
  Board board;
  board.ShowPage((int)state.range(0));
  CDrawContentDlg* surface = board.Surface();
  HWND hwnd = surface->m_hWnd;
  surface->m_nTool = kToolPen;
  int step = 0;
  for (auto _ : state) {
    if (step % 200 == 0) {
      state.PauseTiming();
      if (step) platform::user::MouseUp(hwnd, {200 + step % 200, 150});
      board.Host().Clear();
      platform::user::MouseDown(hwnd, {200, 150});
      ::UpdateWindow(hwnd);
      state.ResumeTiming();
    }
    ++step;
    platform::user::MouseMove(hwnd, {200 + step % 200, 150 + (step % 7)}, true);
    ::UpdateWindow(hwnd);
  }
}

// Repaints of the board: an 8 x 8 area in the middle of the client (arg 0) or the whole client
// (arg 1), on a page of 1,000 long strokes.
void BM_RepaintLongStrokes(benchmark::State& state) {
  Board board;
  board.ShowPage(LongStrokes(1000));
  CDrawContentDlg* surface = board.Surface();
  CRect client;
  surface->GetClientRect(&client);
  CRect area(client.CenterPoint(), CSize(8, 8));
  for (auto _ : state) {
    if (state.range(0) == 0)
      surface->InvalidateRect(&area, FALSE);
    else
      surface->Invalidate(FALSE);
    ::UpdateWindow(surface->m_hWnd);
  }
  board.CheckShown(state, 1000);
}

// The user drags with the select tool: a press on the line at the top of a page of 10,000
// hand-drawn strokes, one move of 6 pixels inside the tracker's loop and the release there,
// with the paint that follows; the next drag takes the line back.
void BM_DragHandStrokes(benchmark::State& state) {
  Board board;
  int n = (int)state.range(0);
  std::vector<CStrokeBase*> strokes = HandStrokes(n);
  strokes.push_back(Finish(Line(CPoint(300, 200), CPoint(420, 290)), "line", n, 0, 2));
  board.ShowPage(strokes);
  CDrawContentDlg* surface = board.Surface();
  HWND hwnd = surface->m_hWnd;
  surface->m_nTool = kToolSelect;
  POINT from = {360, 245}, to = {366, 245};
  platform::Desktop::SetModalHook([&](const platform::ModalState& modal) {
    if (modal.kind != platform::ModalKind::Tracker) return;
    platform::user::MouseMove(hwnd, to, true);
    platform::user::MouseUp(hwnd, to);
  });
  for (auto _ : state) {
    platform::user::MouseDown(hwnd, from);
    ::UpdateWindow(hwnd);
    std::swap(from, to);
    state.PauseTiming();
    board.Host().Clear();
    state.ResumeTiming();
  }
  platform::Desktop::SetModalHook(nullptr);
  board.CheckShown(state, n + 1);
}

// Repaint of the whole client with 10,000 hand-drawn strokes.
void BM_PaintHandStrokes(benchmark::State& state) {
  Board board;
  board.ShowPage(HandStrokes((int)state.range(0)));
  CDrawContentDlg* surface = board.Surface();
  for (auto _ : state) {
    surface->Invalidate(FALSE);
    ::UpdateWindow(surface->m_hWnd);
  }
  board.CheckShown(state, (int)state.range(0));
}

void SetCairoColor(cairo_t* cr, COLORREF c) {
  cairo_set_source_rgb(cr, GetRValue(c) / 255.0, GetGValue(c) / 255.0, GetBValue(c) / 255.0);
}

// The same strokes drawn straight with Cairo into a surface of the client's size: each path
// stroked once, round caps and joins, without antialiasing.
void BM_CairoHandStrokes(benchmark::State& state) {
  Board board;  // for the client's size
  CRect client;
  board.Surface()->GetClientRect(&client);
  std::vector<CStrokeBase*> strokes = HandStrokes((int)state.range(0));
  cairo_surface_t* target = cairo_image_surface_create(CAIRO_FORMAT_RGB24, client.Width(), client.Height());
  cairo_t* cr = cairo_create(target);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  for (auto _ : state) {
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    for (CStrokeBase* stroke : strokes) {
      if (CStrokeFreeLine* pen = dynamic_cast<CStrokeFreeLine*>(stroke)) {
        cairo_move_to(cr, pen->m_arrPoint[0].x + 0.5, pen->m_arrPoint[0].y + 0.5);
        for (int k = 1; k < pen->m_arrPoint.GetSize(); ++k)
          cairo_line_to(cr, pen->m_arrPoint[k].x + 0.5, pen->m_arrPoint[k].y + 0.5);
      } else {
        const RECT& r = stroke->m_rcDraw;
        cairo_move_to(cr, r.left + 0.5, r.top + 0.5);
        cairo_line_to(cr, r.right + 0.5, r.bottom + 0.5);
      }
      cairo_set_line_width(cr, stroke->m_nPenWidth);
      SetCairoColor(cr, stroke->m_crColor);
      cairo_stroke(cr);
    }
    cairo_surface_flush(target);
  }
  cairo_destroy(cr);
  cairo_surface_destroy(target);
  for (CStrokeBase* stroke : strokes) delete stroke;
}

// A click with the select tool that selects an object in the middle of the stacking order,
// with the paint that follows; clicks alternate between two objects.
void BM_ClickSelect(benchmark::State& state) {
  Board board;
  int n = (int)state.range(0);
  unsigned seed = 12345;
  std::vector<CStrokeBase*> strokes;
  for (int i = 0; i < n; ++i) {
    if (i == n / 2) {
      strokes.push_back(Finish(Line(CPoint(200, 150), CPoint(300, 250)), "line", n, 0, 2));
      strokes.push_back(Finish(Line(CPoint(500, 150), CPoint(600, 250)), "line", n + 1, 0, 2));
    }
    strokes.push_back(MakeStroke(i, &seed));
  }
  board.ShowPage(strokes);
  CDrawContentDlg* surface = board.Surface();
  HWND hwnd = surface->m_hWnd;
  surface->m_nTool = kToolSelect;
  POINT at = {250, 200}, other = {550, 200};
  platform::Desktop::SetModalHook([&](const platform::ModalState& modal) {
    if (modal.kind == platform::ModalKind::Tracker) platform::user::MouseUp(hwnd, at);
  });
  for (auto _ : state) {
    platform::user::MouseDown(hwnd, at);
    ::UpdateWindow(hwnd);
    std::swap(at, other);
    state.PauseTiming();
    board.Host().Clear();
    state.ResumeTiming();
  }
  platform::Desktop::SetModalHook(nullptr);
  board.CheckShown(state, n + 2);
}

BENCHMARK(BM_RepaintLongStrokes)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DragHandStrokes)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintHandStrokes)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CairoHandStrokes)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClickSelect)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ApplyPageContent)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SendPageContent)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PenMove)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond);

double Ratio(const bench::TimeReporter& times, const char* name, const char* large, const char* small) {
  double a = times.Seconds(name, large), b = times.Seconds(name, small);
  return a > 0 && b > 0 ? a / b : 0;
}

void PrintSummary(const bench::TimeReporter& times) {
  printf("\nGoals: the first two at most 12 (linear), the third at most 2; then at most 0.05, 0.3, 2 and 10.\n");
  printf("apply page content time(100k)/time(10k): %.2f\n", Ratio(times, "BM_ApplyPageContent", "100000", "10000"));
  printf("send page content time(100k)/time(10k): %.2f\n", Ratio(times, "BM_SendPageContent", "100000", "10000"));
  printf("pen move on 10k objects / on 100 objects: %.2f\n", Ratio(times, "BM_PenMove", "10000", "100"));
  double client = times.Seconds("BM_PaintHandStrokes", "10000");
  double drag = times.Seconds("BM_DragHandStrokes", "10000");
  double cairo = times.Seconds("BM_CairoHandStrokes", "10000");
  printf("repaint of an 8x8 area / whole client, 1k long strokes: %.3f\n", Ratio(times, "BM_RepaintLongStrokes", "0", "1"));
  printf("drag step / whole client repaint, 10k hand strokes: %.3f\n", drag > 0 && client > 0 ? drag / client : 0);
  printf("paint of 10k hand strokes / Cairo drawing the same paths: %.2f\n", client > 0 && cairo > 0 ? client / cairo : 0);
  printf("click-select on 100k objects / on 1k objects: %.2f\n", Ratio(times, "BM_ClickSelect", "100000", "1000"));
}

}  // namespace

int main(int argc, char** argv) { return bench::RunWithSummary(argc, argv, PrintSummary); }
