// The department tree: per-item colours and fonts, hover tracking, hit tests.
#include <gtest/gtest.h>

#include "controls/TreeCtrlEx.h"
#include "platform/ui/UserInput.h"
#include "tests/support/DesktopTest.h"

namespace user = platform::user;

namespace {

class Page : public CWnd {
 public:
  std::vector<HTREEITEM> deleted;
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override {
    auto* tv = (NMTREEVIEW*)lParam;
    if (tv->hdr.code == TVN_DELETEITEM) deleted.push_back(tv->itemOld.hItem);
    return CWnd::OnNotify(wParam, lParam, result);
  }
};

class TreeCtrlExTest : public tavtest::DesktopTest {
 protected:
  void SetUp() override {
    DesktopTest::SetUp();
    ASSERT_TRUE(page.CreateEx(0, nullptr, "page", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 300), nullptr, 0));
    const DWORD style = WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_LINESATROOT;
    ASSERT_TRUE(tree.Create(style, CRect(0, 0, 200, 200), &page, 1934));
    tree.SetItemHeight(18);
    person = tree.InsertItem("张三");
    number = tree.InsertItem("13800000000", 23, 23, person);
    other = tree.InsertItem("李四");
  }
  Page page;
  CTreeCtrlEx tree;
  HTREEITEM person = nullptr, number = nullptr, other = nullptr;
};

TEST_F(TreeCtrlExTest, ItemsKeepTheirOwnColourAndFont) {
  EXPECT_EQ(CLR_INVALID, tree.GetItemColor(number));
  tree.SetItemColor(number, RGB(0, 0, 0));
  tree.SetItemColor(other, RGB(128, 128, 128));
  EXPECT_EQ(RGB(0, 0, 0), tree.GetItemColor(number));
  EXPECT_EQ(RGB(128, 128, 128), tree.GetItemColor(other));
  LOGFONT font = {};
  font.lfHeight = -12;
  font.lfWeight = 700;
  tree.SetItemFont(person, font);
  LOGFONT read = {};
  ASSERT_TRUE(tree.GetItemFont(person, &read));
  EXPECT_EQ(700, read.lfWeight);
  EXPECT_FALSE(tree.GetItemFont(other, &read));
  tree.SetItemBold(other, TRUE);
  EXPECT_TRUE(tree.GetItemBold(other));
  EXPECT_FALSE(tree.GetItemBold(person));
}

TEST_F(TreeCtrlExTest, DeletedItemsLeaveNoColourBehindAndTheParentStillHears) {
  tree.SetItemColor(number, RGB(1, 2, 3));
  tree.DeleteItem(person);
  EXPECT_EQ((std::vector<HTREEITEM>{number, person}), page.deleted);
  EXPECT_EQ(CLR_INVALID, tree.GetItemColor(number));
  tree.SetItemColor(number, RGB(1, 2, 3));  // a stale handle is ignored
  EXPECT_EQ(CLR_INVALID, tree.GetItemColor(number));
}

TEST_F(TreeCtrlExTest, HoverFollowsTheMouseOverLabelsOnly) {
  user::MouseMove(tree.m_hWnd, CPoint(19 + 10, 9));
  EXPECT_EQ(person, tree.GetHoverItem());
  user::MouseMove(tree.m_hWnd, CPoint(19 + 10, 18 + 9));
  EXPECT_EQ(other, tree.GetHoverItem());
  user::MouseMove(tree.m_hWnd, CPoint(150, 9));  // right of the label
  EXPECT_EQ(nullptr, tree.GetHoverItem());
  user::MouseMove(tree.m_hWnd, CPoint(19 + 10, 18 + 9));
  tree.DeleteItem(other);
  EXPECT_EQ(nullptr, tree.GetHoverItem());
}

TEST_F(TreeCtrlExTest, TheCreatePagesClickHitTestFindsTheItemUnderTheCursor) {
  tree.Expand(person, TVE_EXPAND);
  // The page hit-tests the cursor when NM_CLICK arrives.
  ASSERT_TRUE(user::ClickTreeItem(tree.m_hWnd, number));
  POINT cursor;
  GetCursorPos(&cursor);
  tree.ScreenToClient(&cursor);
  UINT flags = 0;
  EXPECT_EQ(number, tree.HitTest(CPoint(cursor), &flags));
  EXPECT_TRUE(flags & TVHT_ONITEM);
  int image = 0, selected = 0;
  tree.GetItemImage(number, image, selected);
  EXPECT_EQ(23, image);
}

}  // namespace
