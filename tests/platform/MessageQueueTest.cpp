// Sent and posted messages, their order, the PreTranslateMessage chain, and timers on the
// virtual clock.
#include <gtest/gtest.h>

#include "platform/Clock.h"
#include "platform/Tick.h"
#include "platform/gdi/Rgn.h"
#include "platform/ui/WindowSurface.h"
#include "platform/ui/Wnd.h"
#include "tests/support/DesktopTest.h"
#include "tests/support/MessageLog.h"

using platform::Desktop;

namespace {

class MessageQueueTest : public tavtest::DesktopTest {};

// Records commands, timers and user messages in arrival order.
class Target : public CWnd {
 public:
  std::vector<std::string> events;
  WPARAM lastCommand = 0;
  LPARAM lastCommandParam = 0;
  bool swallowKeys = false;

  Target() {
    MapMessage(WM_USER + 1, [this](WPARAM w, LPARAM) {
      events.push_back("user " + std::to_string(w));
      if (w == 1) PostMessage(WM_USER + 1, 3);  // posted from inside a handler
      if (w == 1) SendMessage(WM_USER + 1, 2);  // sent: runs before this handler returns
      return (LRESULT)w * 10;
    });
  }
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    lastCommand = wParam;
    lastCommandParam = lParam;
    return TRUE;
  }
  void OnTimer(UINT_PTR id) override {
    events.push_back("timer " + std::to_string(id) + " at " + std::to_string(GetTickCount() - start));
  }
  BOOL PreTranslateMessage(MSG* msg) override { return swallowKeys && msg->message == WM_KEYDOWN; }
  void OnKeyDown(UINT ch, UINT, UINT) override { events.push_back("key " + std::to_string(ch)); }
  uint32_t start = GetTickCount();
};

struct MessageQueueFixture : MessageQueueTest {
  Target wnd;
  void SetUp() override {
    MessageQueueTest::SetUp();
    wnd.start = GetTickCount();
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "target", WS_POPUP | WS_VISIBLE, CRect(0, 0, 100, 100), nullptr, 0));
  }
};

TEST_F(MessageQueueFixture, SendRunsNowAndPostedMessagesWaitForThePump) {
  EXPECT_EQ(10, wnd.SendMessage(WM_USER + 1, 1));
  EXPECT_EQ((std::vector<std::string>{"user 1", "user 2"}), wnd.events);
  EXPECT_EQ(1u, Desktop::PendingMessages());
  EXPECT_TRUE(Desktop::PumpMessages());
  EXPECT_EQ((std::vector<std::string>{"user 1", "user 2", "user 3"}), wnd.events);
  EXPECT_EQ(0u, Desktop::PendingMessages());
}

TEST_F(MessageQueueFixture, PostedMessagesKeepTheirOrderAndDieWithTheirWindow) {
  wnd.PostMessage(WM_USER + 1, 7);
  wnd.PostMessage(WM_USER + 1, 8);
  Desktop::PumpMessages();
  EXPECT_EQ((std::vector<std::string>{"user 7", "user 8"}), wnd.events);
  wnd.PostMessage(WM_USER + 1, 9);
  HWND gone = wnd.m_hWnd;
  wnd.DestroyWindow();
  Desktop::PumpMessages();
  EXPECT_EQ(2u, wnd.events.size());
  EXPECT_FALSE(PostMessage(gone, WM_USER + 1, 0, 0));
}

TEST_F(MessageQueueFixture, CommandKeepsTheWholeWParamAndAPointerLParam) {
  struct Block {
    int code;
    const char* text;
  } block = {3, "x"};
  SendMessage(wnd.m_hWnd, WM_COMMAND, 123456, (LPARAM)&block);
  EXPECT_EQ(123456u, wnd.lastCommand);
  EXPECT_EQ((LPARAM)&block, wnd.lastCommandParam);
  PostMessage(wnd.m_hWnd, WM_COMMAND, 13488, 0);
  Desktop::PumpMessages();
  EXPECT_EQ(13488u, wnd.lastCommand);
}

TEST_F(MessageQueueFixture, KeysPassThePreTranslateChainFirst) {
  SetFocus(wnd.m_hWnd);
  Desktop::DeliverKey(WM_KEYDOWN, 'A');
  wnd.swallowKeys = true;
  Desktop::DeliverKey(WM_KEYDOWN, 'B');
  EXPECT_EQ((std::vector<std::string>{"key 65"}), wnd.events);
}

TEST_F(MessageQueueFixture, TimersFireInTimeOrderAndRearm) {
  wnd.SetTimer(1, 300, nullptr);
  wnd.SetTimer(2, 200, nullptr);
  Advance(650);
  EXPECT_EQ((std::vector<std::string>{"timer 2 at 200", "timer 1 at 300", "timer 2 at 400", "timer 1 at 600",
                                      "timer 2 at 600"}),  // a tie goes by creation order
            wnd.events);
  EXPECT_EQ(650u, GetTickCount() - wnd.start);
}

TEST_F(MessageQueueFixture, KilledAndResetTimers) {
  wnd.SetTimer(1, 100, nullptr);
  Advance(50);
  wnd.SetTimer(1, 100, nullptr);  // re-setting restarts the period
  Advance(99);
  EXPECT_TRUE(wnd.events.empty());
  Advance(1);
  EXPECT_EQ(1u, wnd.events.size());
  EXPECT_TRUE(wnd.KillTimer(1));
  EXPECT_FALSE(wnd.KillTimer(1));
  Advance(1000);
  EXPECT_EQ(1u, wnd.events.size());
  wnd.SetTimer(4, 100, nullptr);
  wnd.DestroyWindow();
  EXPECT_EQ(0u, Desktop::TimerCount());
}

TEST_F(MessageQueueFixture, SleepMovesTheClockAndTheNextPumpFiresOnce) {
  wnd.SetTimer(1, 100, nullptr);
  Sleep(1000);
  EXPECT_TRUE(wnd.events.empty());  // Sleep does not dispatch
  Desktop::PumpMessages();
  EXPECT_EQ((std::vector<std::string>{"timer 1 at 1000"}), wnd.events);  // coalesced, as on Windows
}

int g_procCalls = 0;
void CALLBACK_Proc(HWND, UINT msg, UINT_PTR, DWORD) { g_procCalls += msg == WM_TIMER; }

TEST_F(MessageQueueFixture, TimerWithProcCallsTheProcInsteadOfTheWindow) {
  g_procCalls = 0;
  wnd.SetTimer(5, 100, CALLBACK_Proc);
  Advance(250);
  EXPECT_EQ(2, g_procCalls);
  EXPECT_TRUE(wnd.events.empty());
}

TEST_F(MessageQueueFixture, RealClockTimersFireWhileAdvanceWaits) {
  platform::Clock::UseReal();
  wnd.SetTimer(3, 10, nullptr);
  Advance(60);
  EXPECT_GE(wnd.events.size(), 2u);
  platform::Clock::UseVirtual(kStartTime);
}

TEST_F(MessageQueueFixture, PaintComesOnceForAnInvalidWindowEvenIfItInvalidatesAgain) {
  struct Painter : CWnd {
    int paints = 0;
    void OnPaint() override {
      paints++;
      Invalidate();  // a careless painter: must not hang the pump
    }
  } painter;
  ASSERT_TRUE(painter.CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 10, 10), nullptr, 0));
  Desktop::PumpMessages();
  EXPECT_EQ(1, painter.paints);
  Desktop::PumpMessages();
  EXPECT_EQ(2, painter.paints);
  painter.ShowWindow(SW_HIDE);
  Desktop::PumpMessages();
  EXPECT_EQ(2, painter.paints);  // hidden windows are not painted
}

// Separate invalidations stay separate rectangles of the update region; the paint DC's
// rcPaint is their bounding box, and a validated rectangle leaves the rest to paint.
TEST_F(MessageQueueFixture, TheUpdateRegionKeepsRectanglesApart) {
  struct Painter : CWnd {
    std::vector<RECT> parts;
    RECT paint = {};
    void OnPaint() override {
      CRgn update;
      GetUpdateRgn(&update);
      parts = update.Pixels().Rectangles();
      CPaintDC dc(this);
      paint = dc.m_rcPaint;
    }
  } painter;
  ASSERT_TRUE(painter.CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 200, 100), nullptr, 0));
  Desktop::PumpMessages();
  const CRect a(10, 10, 30, 20), b(150, 60, 190, 300), gone(0, 0, 5, 5);
  painter.InvalidateRect(&a);
  painter.InvalidateRect(&b);
  painter.InvalidateRect(&gone);
  painter.ValidateRect(&gone);
  CRect box;
  EXPECT_TRUE(painter.GetUpdateRect(&box));
  EXPECT_EQ(CRect(10, 10, 190, 100), box);  // cut to the client area
  painter.UpdateWindow();
  ASSERT_EQ(2u, painter.parts.size());
  EXPECT_EQ(a, CRect(painter.parts[0]));
  EXPECT_EQ(CRect(150, 60, 190, 100), CRect(painter.parts[1]));
  EXPECT_EQ(box, CRect(painter.paint));
  EXPECT_FALSE(painter.GetUpdateRect(&box));
}

TEST_F(MessageQueueFixture, WaitPumpsFiresTimersAndLetsTheHookAct) {
  wnd.SetTimer(1, 200, nullptr);
  int hookCalls = 0;
  OnModal([&](const platform::ModalState& state) {
    EXPECT_EQ(platform::ModalKind::Wait, state.kind);
    if (hookCalls++ == 0) wnd.PostMessage(WM_USER + 1, 5);
  });
  Desktop::Wait(500);
  EXPECT_EQ((std::vector<std::string>{"user 5", "timer 1 at 200", "timer 1 at 400"}), wnd.events);
  EXPECT_EQ(500u, GetTickCount() - wnd.start);
}

TEST_F(MessageQueueFixture, CommandTablesDispatchByIdAndCode) {
  struct Table : CWnd {
    std::vector<int> hits;
    Table() {
      MapCommand(100, [this] { hits.push_back(100); });
      MapControl(EN_CHANGE, 101, [this] { hits.push_back(101); });
      MapCommandRange(200, 210, [this](UINT id) { hits.push_back((int)id); });
    }
  } table;
  ASSERT_TRUE(table.CreateEx(0, nullptr, "", WS_POPUP, CRect(0, 0, 1, 1), nullptr, 0));
  table.SendMessage(WM_COMMAND, MAKEWPARAM(100, BN_CLICKED));
  table.SendMessage(WM_COMMAND, MAKEWPARAM(101, EN_CHANGE));
  table.SendMessage(WM_COMMAND, MAKEWPARAM(101, BN_CLICKED));  // not mapped
  table.SendMessage(WM_COMMAND, MAKEWPARAM(205, BN_CLICKED));
  EXPECT_EQ((std::vector<int>{100, 101, 205}), table.hits);
}

}  // namespace
