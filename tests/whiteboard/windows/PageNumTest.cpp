// The page-number box: Enter turns the board to the typed page and sends its content; numbers
// out of range and texts that are no number do not turn the page.
#include <gtest/gtest.h>

#include "platform/ui/Desktop.h"
#include "platform/ui/ScrollBars.h"
#include "platform/ui/UserInput.h"
#include "whiteboard/windows/WbToolButtons.h"
#include "tests/support/boards/SurfaceFixture.h"
#include "whiteboard/model/StrokePage.h"

namespace surftest {
namespace {

using platform::Desktop;
namespace user = platform::user;

class PageNum : public SurfaceTest {
 protected:
  void SetUp() override {
    SurfaceTest::SetUp();
    // Pages 2 and 3 added with the window's new-page button; page 3 is shown.
    ASSERT_TRUE(user::ClickItem(Board()->m_hWnd, IDC_WB_NEW_PAGE));
    ASSERT_TRUE(user::ClickItem(Board()->m_hWnd, IDC_WB_NEW_PAGE));
    ASSERT_EQ(Surface()->m_nCurPageNo, 3);
  }
  HWND Box() { return Board()->m_editPageNo.m_hWnd; }
  // Types text into the box and presses Enter there.
  void Jump(const char* text) {
    ::SetWindowText(Box(), "");
    ASSERT_TRUE(user::Type(Box(), text));
    ASSERT_TRUE(user::PressEnter());
  }
  CStrokePage* PageAt(int index) {
    return static_cast<CStrokePage*>(Surface()->m_listPages.GetAt(Surface()->m_listPages.FindIndex(index)));
  }
};

TEST_F(PageNum, EnterTurnsToThePageScrolledHomeAndSendsItsContent) {
  ASSERT_EQ(Surface()->m_listPages.GetCount(), 3);
  user::Scroll(SurfaceWnd(), SB_HORZ, SB_THUMBPOSITION, 40);
  user::Scroll(SurfaceWnd(), SB_VERT, SB_THUMBPOSITION, 60);
  ASSERT_EQ(CPoint(Surface()->m_ptOrigin), CPoint(40, 60));
  size_t before = Sent().size();
  Jump("2");
  EXPECT_EQ(Surface()->m_nCurPageNo, 2);
  EXPECT_EQ(Surface()->m_pCurPage, PageAt(1));
  EXPECT_EQ(CPoint(Surface()->m_ptOrigin), CPoint(0, 0));
  EXPECT_EQ(::GetFocus(), SurfaceWnd());
  std::vector<const WbMsgHeader*> sent = Sent();
  ASSERT_EQ(sent.size(), before + 1);
  DWORD type = sent.back()->head.op;
  EXPECT_EQ(type, (DWORD)WB_MSG_PAGE_CONTENT);
  int32_t page = sent.back()->pPageOp->nPage;
  EXPECT_EQ(page, 2);
  // The page controls pause for half a second.
  EXPECT_FALSE(::IsWindowEnabled(Box()));
  Desktop::Advance(500);
  EXPECT_TRUE(::IsWindowEnabled(Box()));
}

TEST_F(PageNum, NumbersOutsideTheBoardLeaveThePageAndTheFocus) {
  CStrokePage* shown = Surface()->m_pCurPage;
  size_t before = Sent().size();
  for (const char* text : {"0", "4", "-1"}) {
    Jump(text);
    EXPECT_EQ(Surface()->m_pCurPage, shown) << text;
    EXPECT_EQ(Surface()->m_nCurPageNo, 3) << text;
    EXPECT_EQ(::GetFocus(), Box()) << text;
  }
  EXPECT_EQ(Sent().size(), before);
}

TEST_F(PageNum, TextThatIsNoNumberOnlyMovesTheFocusToTheSurface) {
  CStrokePage* shown = Surface()->m_pCurPage;
  size_t before = Sent().size();
  Jump("abc");
  EXPECT_EQ(Surface()->m_pCurPage, shown);
  EXPECT_EQ(::GetFocus(), SurfaceWnd());
  EXPECT_EQ(Sent().size(), before);
}

}  // namespace
}  // namespace surftest
