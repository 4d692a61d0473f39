// Windows deleted under their own handler: destroyed at once, freed once the outermost window
// procedure or modal loop has returned, and freed once however often it is asked.
#include <gtest/gtest.h>

#include <functional>

#include "platform/ui/Desktop.h"
#include "platform/ui/WindowRelease.h"
#include "platform/ui/Wnd.h"
#include "tests/support/DesktopTest.h"

namespace {

class WindowReleaseTest : public tavtest::DesktopTest {};

// A top-level window whose command 1 runs `during`; its destructor counts.
class Owned : public CWnd {
 public:
  explicit Owned(int* deletions) : deletions_(deletions) {
    CreateEx(0, "AfxWnd", "owned", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr, nullptr);
    MapCommand(1, [this] { during(); });
  }
  ~Owned() override { ++*deletions_; }
  std::function<void()> during;

 private:
  int* deletions_;
};

TEST_F(WindowReleaseTest, OutsideAnyHandlerTheObjectGoesAtOnce) {
  int deletions = 0;
  Owned* window = new Owned(&deletions);
  HWND hwnd = window->m_hWnd;
  platform::DestroyAndDelete(window);
  EXPECT_FALSE(::IsWindow(hwnd));
  EXPECT_EQ(1, deletions);
}

TEST_F(WindowReleaseTest, UnderItsOwnHandlerTheObjectOutlivesTheHandlerAndGoesOnce) {
  int deletions = 0;
  Owned* window = new Owned(&deletions);
  HWND hwnd = window->m_hWnd;
  HWND windowAfter = hwnd;
  int deletionsInHandler = -1;
  window->during = [&] {
    // Inside a modal loop of the handler, two owners delete the window in turn.
    platform::Desktop::SetModalHook([&](const platform::ModalState&) {
      platform::DestroyAndDelete(window);
      platform::DestroyAndDelete(window);
      platform::Desktop::SetModalHook(nullptr);
    });
    platform::Desktop::Wait(10);
    windowAfter = window->m_hWnd;  // the object is still there, its window gone
    deletionsInHandler = deletions;
  };
  ::SendMessage(hwnd, WM_COMMAND, 1, 0);
  EXPECT_EQ(nullptr, windowAfter);
  EXPECT_EQ(0, deletionsInHandler);
  EXPECT_FALSE(::IsWindow(hwnd));
  EXPECT_EQ(1, deletions);
  EXPECT_EQ(0u, platform::PendingWindowDeletes());
}

}  // namespace
