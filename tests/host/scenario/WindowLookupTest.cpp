// Windows that share a title, as the start window and the conference window do: the user's
// steps find the control in the window that shows it.
#include <gtest/gtest.h>

#include "host/scenario/Scenario.h"
#include "host/scenario/UserActionWords.h"
#include "host/scenario/WindowCheckWords.h"
#include "host/scenario/WindowLookup.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Wnd.h"
#include "tests/support/DesktopTest.h"

namespace {

class WindowLookupTest : public tavtest::DesktopTest {
 protected:
  void SetUp() override {
    DesktopTest::SetUp();
    // Created first, so found first by title: hidden, with its own control 1081.
    ASSERT_TRUE(hidden.CreateEx(0, nullptr, "多媒体会议", WS_POPUP, CRect(0, 0, 300, 200), nullptr, 0));
    ASSERT_TRUE(hiddenButton.Create("添加", WS_CHILD | WS_VISIBLE, CRect(10, 10, 80, 30), &hidden, 1081));
    ASSERT_TRUE(shown.CreateEx(0, nullptr, "多媒体会议", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 200), nullptr, 0));
    ASSERT_TRUE(shownButton.Create("邀请加入", WS_CHILD | WS_VISIBLE, CRect(10, 10, 80, 30), &shown, 1081));
  }
  host::ScenarioStep Step(const char* verb, std::vector<std::string> args) { return {1, verb, std::move(args)}; }

  CWnd hidden, shown;
  CButton hiddenButton, shownButton;
};

TEST_F(WindowLookupTest, TheVisibleWindowWithTheTitleIsTheOneTheUserActsOn) {
  bool found = false;
  EXPECT_EQ(shownButton.m_hWnd, host::FindTitledControl(u8"多媒体会议", 1081, true, &found));
  EXPECT_EQ(shown.m_hWnd, host::FindTitledWindow(u8"多媒体会议"));
  EXPECT_EQ("", host::PlayUserAction(Step("click", {u8"多媒体会议", "1081"})));
  EXPECT_EQ("", host::PlayWindowCheck(Step("expect-text", {u8"多媒体会议", "1081", u8"邀请加入"})));
  EXPECT_EQ("", host::PlayWindowCheck(Step("expect-window", {u8"多媒体会议", "visible"})));
  shown.ShowWindow(SW_HIDE);
  EXPECT_EQ(nullptr, host::FindTitledControl(u8"多媒体会议", 1081, true, &found));
  EXPECT_TRUE(found);
  EXPECT_EQ(u8"no visible control 1081 in 多媒体会议", host::PlayUserAction(Step("click", {u8"多媒体会议", "1081"})));
  EXPECT_EQ(u8"the window titled 多媒体会议 is hidden",
            host::PlayWindowCheck(Step("expect-window", {u8"多媒体会议", "visible"})));
  EXPECT_EQ(u8"no visible control 1081 in 多媒体会议",
            host::PlayWindowCheck(Step("expect-text", {u8"多媒体会议", "1081", u8"添加"})));
  EXPECT_EQ(u8"no window titled 会议", host::PlayUserAction(Step("click", {u8"会议", "1081"})));
}

}  // namespace
