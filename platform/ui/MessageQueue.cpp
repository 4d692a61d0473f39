// The desktop's queue of posted messages, its timers, the pump and the one modal loop.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <deque>
#include <set>
#include <thread>

#include "platform/Clock.h"
#include "platform/FaultPoints.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/Menu.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Shell.h"
#include "platform/ui/Wnd.h"
#include "platform/ui/WindowRelease.h"
#include "platform/ui/WindowTree.h"

namespace platform {
namespace {

struct Timer {
  HWND hwnd;
  UINT_PTR id;
  UINT elapse;
  uint32_t due;  // tick count; compared with wrap-around
  uint64_t seq;  // creation order breaks ties
  TIMERPROC proc;
};

struct State {
  std::deque<MSG> queue;
  std::vector<Timer> timers;
  uint64_t timerSeq = 0;
  UINT_PTR nextThreadTimerId = 0x7F00;
  ModalHook hook;
  MessageSpy spy;
  int modalDepth = 0;
  int abandoned = 0;
};

State& S() {
  static auto* state = new State;
  return *state;
}

// Passes without progress after which a modal loop with a hook gives up.
const int kMaxIdlePasses = 1000;
// Dispatches after which one pump stops: only a message that keeps re-posting itself gets there.
const long kMaxPumpDispatches = 1000000;

int32_t TicksUntil(uint32_t due) { return (int32_t)(due - Clock::TickCount()); }

MSG MakeMsg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  MSG m = {hwnd, msg, wParam, lParam, Clock::TickCount(), Desktop::CursorPos()};
  return m;
}

// Posted messages go through the PreTranslateMessage chain like input, then to the window.
bool DispatchOnePosted() {
  State& s = S();
  auto it = std::find_if(s.queue.begin(), s.queue.end(), [](const MSG& m) { return m.message != WM_QUIT; });
  if (it == s.queue.end()) return false;
  MSG m = *it;
  s.queue.erase(it);
  if (!m.hwnd) return true;  // thread messages have no window to go to
  if (!tree::Find(m.hwnd)) return true;
  for (HWND h = m.hwnd; h; h = tree::Find(h) ? tree::Find(h)->parent : nullptr) {
    CWnd* object = CWnd::FromHandlePermanent(h);
    if (object && object->PreTranslateMessage(&m)) return true;
  }
  DispatchMessage(&m);
  return true;
}

// Fires the earliest timer that is due, re-arming it from now.
bool FireOneDueTimer() {
  State& s = S();
  auto best = s.timers.end();
  for (auto it = s.timers.begin(); it != s.timers.end(); ++it) {
    if (TicksUntil(it->due) > 0) continue;
    if (best == s.timers.end() || (int32_t)(it->due - best->due) < 0 ||
        (it->due == best->due && it->seq < best->seq))
      best = it;
  }
  if (best == s.timers.end()) return false;
  best->due = Clock::TickCount() + best->elapse;
  MSG m = MakeMsg(best->hwnd, WM_TIMER, best->id, (LPARAM)best->proc);
  DispatchMessage(&m);
  return true;
}

// Paints one invalid visible window not yet painted in this pump (a window that invalidates
// itself while painting waits for the next pump instead of looping).
bool PaintOne(std::set<HWND>& painted) {
  for (HWND hwnd : tree::AllWindows()) {
    tree::Window* w = tree::Find(hwnd);
    if (!w || !w->invalid || !tree::IsVisible(hwnd) || !painted.insert(hwnd).second) continue;
    tree::DeliverPaint(hwnd, false);  // even when the handler forgets to validate, paint comes once
    return true;
  }
  return false;
}

bool QuitPending() {
  const auto& q = S().queue;
  return std::any_of(q.begin(), q.end(), [](const MSG& m) { return m.message == WM_QUIT; });
}

void SleepReal(uint32_t ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

}  // namespace

namespace tree {

LRESULT Deliver(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Window* w = Find(hwnd);
  if (!w) return 0;
  BusyScope busy;  // an object deleted under its own handler goes only after the handler returns
  CountDelivery();
  if (S().spy) {
    MessageSpy spy = S().spy;
    spy(MakeMsg(hwnd, msg, wParam, lParam));
    w = Find(hwnd);
    if (!w) return 0;
  }
  if (w->object) return w->object->WindowProc(msg, wParam, lParam);
  return CallClassProc(hwnd, msg, wParam, lParam);
}

void KillTimersOf(HWND hwnd) {
  auto& timers = S().timers;
  timers.erase(std::remove_if(timers.begin(), timers.end(), [hwnd](const Timer& t) { return t.hwnd == hwnd; }),
               timers.end());
}

}  // namespace tree

void Desktop::Reset() {
  State& s = S();
  s.hook = nullptr;
  s.spy = nullptr;
  while (!tree::TopLevels().empty()) {
    HWND top = tree::TopLevels().front();
    if (!tree::Destroy(top)) break;
  }
  tree::Clear();
  s.queue.clear();
  s.timers.clear();
  tree::SetFocus(nullptr);
  tree::SetCapture(nullptr);
  tree::SetActive(nullptr);
  SetCursorPos(0, 0);
  tree::ReleaseKeys();
  ResetScreen();
  ClearTrayIcons();
  SetFaultHook(nullptr);
  SetCursor(nullptr);
  ResetMenus();
  s.abandoned = 0;
}

bool Desktop::PumpMessages() {
  std::set<HWND> painted;
  long dispatched = 0;
  while (DispatchOnePosted() || FireOneDueTimer() || PaintOne(painted)) {
    if (++dispatched == kMaxPumpDispatches) {
      fprintf(stderr, "platform: messages keep posting themselves; the pump stops after %ld\n", dispatched);
      break;
    }
  }
  return dispatched > 0;
}

size_t Desktop::PendingMessages() { return S().queue.size(); }

bool Desktop::TakeQuit(int* code) {
  auto& q = S().queue;
  auto it = std::find_if(q.begin(), q.end(), [](const MSG& m) { return m.message == WM_QUIT; });
  if (it == q.end()) return false;
  if (code) *code = (int)it->wParam;
  q.erase(it);
  return true;
}

bool Desktop::RunModalLoop(ModalKind kind, HWND window, const std::function<bool()>& running,
                           const std::function<bool()>& fallback) {
  State& s = S();
  tree::BusyScope busy;
  ModalState state = {kind, window, ++s.modalDepth, 0};
  int idleWithoutProgress = 0;
  bool ended = true;
  while (running()) {
    if (PumpMessages()) continue;
    if (!running()) break;
    if (QuitPending()) {  // the application is ending: every modal loop gives up, as on Windows
      ended = false;
      break;
    }
    uint64_t before = tree::DeliveryCount();
    uint32_t tick = Clock::TickCount();
    if (s.hook) {
      ModalHook hook = s.hook;  // the hook may replace itself
      hook(state);
      state.idlePasses++;
    }
    if (!running()) break;
    bool progress = tree::DeliveryCount() != before || Clock::TickCount() != tick || !s.queue.empty();
    if (!progress && fallback && fallback()) continue;
    if (!progress && !Clock::IsVirtual()) {
      uint32_t wait = 0;
      if (NextTimer(&wait)) {
        SleepReal(std::min<uint32_t>(wait, 50));
        continue;
      }
      if (s.hook) {
        SleepReal(10);
        continue;
      }
    }
    if (progress) {
      idleWithoutProgress = 0;
    } else if (!s.hook || ++idleWithoutProgress >= kMaxIdlePasses) {
      fprintf(stderr, "platform: a modal loop (kind %d) had nothing to do and was abandoned\n", (int)kind);
      s.abandoned++;
      ended = false;
      break;
    }
  }
  s.modalDepth--;
  return ended;
}

void Desktop::SetModalHook(ModalHook hook) { S().hook = std::move(hook); }

int Desktop::ModalDepth() { return S().modalDepth; }

int Desktop::AbandonedLoops() { return S().abandoned; }

void Desktop::Advance(uint32_t ms) {
  if (!Clock::IsVirtual()) {
    uint32_t end = Clock::TickCount() + ms;
    do {
      PumpMessages();
      uint32_t wait = 0;
      int32_t left = (int32_t)(end - Clock::TickCount());
      if (left <= 0) break;
      if (NextTimer(&wait)) left = std::min<int32_t>(left, (int32_t)wait);
      SleepReal((uint32_t)std::max(left, 1));
    } while ((int32_t)(end - Clock::TickCount()) > 0);
    PumpMessages();
    return;
  }
  uint32_t end = Clock::TickCount() + ms;
  PumpMessages();
  uint32_t wait = 0;
  while (NextTimer(&wait) && (int32_t)(end - Clock::TickCount()) >= (int32_t)wait) {
    Clock::AdvanceVirtual(wait);
    PumpMessages();
  }
  int32_t rest = (int32_t)(end - Clock::TickCount());
  if (rest > 0) Clock::AdvanceVirtual((uint32_t)rest);
  PumpMessages();
}

void Desktop::Wait(uint32_t ms) {
  uint32_t end = Clock::TickCount() + ms;
  auto left = [end] { return (int32_t)(end - Clock::TickCount()); };
  RunModalLoop(ModalKind::Wait, nullptr, [&] { return left() > 0; }, [&] {
    uint32_t step = (uint32_t)left(), untilTimer = 0;
    if (NextTimer(&untilTimer)) step = std::min(step, std::max<uint32_t>(untilTimer, 1));
    if (Clock::IsVirtual())
      Clock::AdvanceVirtual(step);
    else
      SleepReal(std::min<uint32_t>(step, 10));
    return true;
  });
}

bool Desktop::NextTimer(uint32_t* ticksUntilDue) {
  const auto& timers = S().timers;
  if (timers.empty()) return false;
  int32_t best = INT32_MAX;
  for (const Timer& t : timers) best = std::min(best, TicksUntil(t.due));
  if (ticksUntilDue) *ticksUntilDue = (uint32_t)std::max(best, 0);
  return true;
}

size_t Desktop::TimerCount() { return S().timers.size(); }

void Desktop::SetMessageSpy(MessageSpy spy) { S().spy = std::move(spy); }

}  // namespace platform

using platform::S;

BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (hwnd && !platform::tree::Find(hwnd)) return FALSE;
  S().queue.push_back(platform::MakeMsg(hwnd, msg, wParam, lParam));
  return TRUE;
}

void PostQuitMessage(int exitCode) { S().queue.push_back(platform::MakeMsg(nullptr, WM_QUIT, exitCode, 0)); }

BOOL PeekMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT remove) {
  auto& q = S().queue;
  for (auto it = q.begin(); it != q.end(); ++it) {
    bool windowOk = !hwnd || it->hwnd == hwnd || platform::tree::IsDescendant(hwnd, it->hwnd);
    bool rangeOk = (filterMin == 0 && filterMax == 0) || (it->message >= filterMin && it->message <= filterMax);
    if (!windowOk || !rangeOk) continue;
    if (msg) *msg = *it;
    if (remove & PM_REMOVE) q.erase(it);
    return TRUE;
  }
  return FALSE;
}

LRESULT DispatchMessage(const MSG* msg) {
  if (!msg) return 0;
  if (msg->message == WM_TIMER && msg->lParam) {
    ((TIMERPROC)msg->lParam)(msg->hwnd, WM_TIMER, msg->wParam, msg->time);
    return 0;
  }
  return platform::tree::Deliver(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
  auto& s = S();
  if (hwnd && !platform::tree::Find(hwnd)) return 0;
  if (!hwnd) id = s.nextThreadTimerId++;
  elapse = std::max<UINT>(elapse, USER_TIMER_MINIMUM);
  uint32_t due = platform::Clock::TickCount() + elapse;
  for (auto& t : s.timers) {
    if (t.hwnd == hwnd && t.id == id) {
      t.elapse = elapse, t.due = due, t.proc = proc, t.seq = ++s.timerSeq;
      return hwnd ? (id ? id : 1) : id;
    }
  }
  s.timers.push_back({hwnd, id, elapse, due, ++s.timerSeq, proc});
  return hwnd ? (id ? id : 1) : id;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
  auto& timers = S().timers;
  auto it = std::find_if(timers.begin(), timers.end(), [&](const auto& t) { return t.hwnd == hwnd && t.id == id; });
  if (it == timers.end()) return FALSE;
  timers.erase(it);
  return TRUE;
}
