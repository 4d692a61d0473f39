// The number edit's tooltip.
#include <gtest/gtest.h>

#include "controls/TipEdit.h"
#include "platform/ui/UserInput.h"
#include "tests/support/DesktopTest.h"
#include "tests/support/Faults.h"

namespace user = platform::user;

namespace {

const char* kDialHint =
    "外线号码前需加0；如需邀请分机成员，请在主机号和分机号之间输入英文标点','来表示延时";

class TipEditTest : public tavtest::DesktopTest {
 protected:
  void SetUp() override {
    DesktopTest::SetUp();
    ASSERT_TRUE(dialog.CreateEx(0, nullptr, "dialog", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 200), nullptr, 0));
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 200, 30), &dialog, 1692));
  }
  CWnd dialog;
  CTipEdit edit;
};

TEST_F(TipEditTest, AddToolCreatesOneAlwaysTipAndLaterCallsChangeItsText) {
  EXPECT_EQ(nullptr, edit.GetToolTip());
  edit.AddTool(kDialHint);
  ASSERT_NE(nullptr, edit.GetToolTip());
  EXPECT_TRUE(edit.GetToolTip()->GetStyle() & TTS_ALWAYSTIP);
  EXPECT_EQ(kDialHint, platform::ToolTipTextFor(edit.m_hWnd));
  HWND first = edit.GetToolTip()->m_hWnd;
  edit.AddTool("请输入号码");
  EXPECT_EQ(first, edit.GetToolTip()->m_hWnd);
  EXPECT_EQ(1, edit.GetToolTip()->GetToolCount());
  EXPECT_EQ("请输入号码", platform::ToolTipTextFor(edit.m_hWnd));
  EXPECT_TRUE(MessageBoxesShown().empty());
}

TEST_F(TipEditTest, TheTipShowsWhileTheMouseRestsOnTheEdit) {
  edit.AddTool(kDialHint);
  user::MouseMove(edit.m_hWnd, CPoint(5, 5));
  EXPECT_EQ(kDialHint, platform::ShownToolTipText(edit.GetToolTip()->m_hWnd));
  user::MouseDown(edit.m_hWnd, CPoint(5, 5));
  user::MouseUp(edit.m_hWnd, CPoint(5, 5));
  EXPECT_EQ("", platform::ShownToolTipText(edit.GetToolTip()->m_hWnd));
}

TEST_F(TipEditTest, AFailedTooltipTellsTheUserAndATryLaterCanSucceed) {
  faults::FailWindowCreation(TOOLTIPS_CLASS);
  edit.AddTool(kDialHint);
  EXPECT_EQ(nullptr, edit.GetToolTip());
  EXPECT_EQ("系统资源不足,请关闭并重新启动客户端。", LastMessageBoxText());
  edit.AddTool(kDialHint);
  ASSERT_NE(nullptr, edit.GetToolTip());
  EXPECT_EQ(1u, MessageBoxesShown().size());
}

TEST_F(TipEditTest, TheTooltipGoesWithItsWindow) {
  edit.AddTool(kDialHint);
  HWND tip = edit.GetToolTip()->m_hWnd;
  dialog.DestroyWindow();
  EXPECT_FALSE(IsWindow(tip));
  EXPECT_EQ("", platform::ToolTipTextFor(edit.m_hWnd));
}

}  // namespace
