// A conference whiteboard with big pages, driven as the host and the user drive it: received
// page content (method 7) applied, the page content record built and sent, and one mouse move
// of a pen gesture with the paint it causes. Prints how each scales with the page.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench/BenchCommon.h"
#include "confwindow/DlgDataConf.h"
#include "host/ConfEventWords.h"
#include "host/RecordingHost.h"
#include "host/WbMessages.h"
#include "host/WbRelay.h"
#include "module/TavorineModule.h"
#include "platform/Clock.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/UserInput.h"
#include "platform/ui/Wnd.h"
#include "vezadazavo/VezadaZavo.h"
#include "whiteboard/model/StrokeEllipse.h"
#include "whiteboard/model/StrokeFreeLine.h"
#include "whiteboard/model/StrokeLine.h"
#include "whiteboard/model/StrokePage.h"
#include "whiteboard/model/StrokeRectangle.h"
#include "whiteboard/model/StrokeRoundCircle.h"
#include "whiteboard/model/StrokeTriangle.h"
#include "whiteboard/model/WbBlocks.h"
#include "whiteboard/surface/DrawContentDlg.h"
#include "whiteboard/windows/DlgDFWhiteBoard.h"

namespace {

const DWORD kWhiteboardSubConf = 41;

// Object i of a page: lines, rectangles, ellipses, circles, triangles and pen strokes spread
// over the canvas, from a fixed pseudo-random sequence, made as the gestures make them.
CStrokeBase* MakeStroke(int i, unsigned* seed) {
  auto next = [seed](int range) {
    *seed = *seed * 1103515245u + 12345u;
    return (int)((*seed >> 8) % (unsigned)range);
  };
  static const char* const kKinds[] = {"line", "rectangle", "ellipse", "circle", "triangle", "freeline"};
  int x = next(1500), y = next(1100), w = 5 + next(80), h = 5 + next(80);
  CRect rect(x, y, x + w, y + h);
  CStrokeBase* stroke = nullptr;
  switch (i % 6) {
    case 0: stroke = new CStrokeLine(); break;
    case 1: stroke = new CStrokeRectangle(); break;
    case 2: stroke = new CStrokeEllipse(); break;
    case 3: stroke = new CStrokeRoundCircle(); break;
    case 4: stroke = new CStrokeTriangle(); break;
    default: {
      CStrokeFreeLine* pen = new CStrokeFreeLine();
      for (CPoint p : {CPoint(x, y), CPoint(x + 20, y + 5), CPoint(x + 30, y + 40), CPoint(x + 5, y + 30)})
        pen->m_arrPoint.Add(p);
      stroke = pen;
    }
  }
  stroke->m_rcDraw = rect;
  if (i % 6 == 4) stroke->ScaleTo(&rect);
  stroke->m_crColor = (COLORREF)next(1 << 24);
  stroke->m_nPenWidth = 1 + next(4);
  char id[48];
  snprintf(id, sizeof id, "%s:%08x%09x", kKinds[i % 6], (unsigned)next(1 << 30), (unsigned)i);
  SetWbText(stroke->m_szID, id);
  stroke->UpdateTracker();
  return stroke;
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
    std::vector<BYTE> received(sizeof(WbRecvMsgHeader));
    WbRecvMsgHeader* header = reinterpret_cast<WbRecvMsgHeader*>(received.data());
    header->head.op = WB_RECV_PAGE_ADD;
    header->head.nSubConfID = kWhiteboardSubConf;
    WbPageOpRecord pageOp = {1, WB_PAGEOP_NEW_PAGE, 1, nullptr, 0};
    header->pPageOp = &pageOp;
    Receive(header);
    unsigned seed = 12345;
    for (int i = 0; i < n; ++i) Surface()->m_pCurPage->m_listStroke.AddTail(MakeStroke(i, &seed));
    Paint();
  }

  void Paint() {
    Surface()->Invalidate(FALSE);
    ::UpdateWindow(Surface()->m_hWnd);
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

BENCHMARK(BM_ApplyPageContent)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SendPageContent)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PenMove)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond);

double Ratio(const bench::TimeReporter& times, const char* name, const char* large, const char* small) {
  double a = times.Seconds(name, large), b = times.Seconds(name, small);
  return a > 0 && b > 0 ? a / b : 0;
}

void PrintSummary(const bench::TimeReporter& times) {
  printf("\nGoals: the first two at most 12 (linear), the third at most 2.\n");
  printf("apply page content time(100k)/time(10k): %.2f\n", Ratio(times, "BM_ApplyPageContent", "100000", "10000"));
  printf("send page content time(100k)/time(10k): %.2f\n", Ratio(times, "BM_SendPageContent", "100000", "10000"));
  printf("pen move on 10k objects / on 100 objects: %.2f\n", Ratio(times, "BM_PenMove", "10000", "100"));
}

}  // namespace

int main(int argc, char** argv) { return bench::RunWithSummary(argc, argv, PrintSummary); }
