// The tree control as the department trees use it: building, navigation, expansion with its
// notifications, hit tests over the row layout, and the user's clicks and keys.
#include <gtest/gtest.h>

#include <string>

#include "platform/gdi/GdiObjects.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/TreeCtrl.h"
#include "platform/ui/UserInput.h"
#include "tests/platform/NotifyLog.h"
#include "tests/support/DesktopTest.h"

namespace user = platform::user;
using Lines = std::vector<std::string>;

namespace {

class TreeCtrlTest : public tavtest::DesktopTest {
 protected:
  void SetUp() override {
    DesktopTest::SetUp();
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0));
    const DWORD style = WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_LINESATROOT;
    ASSERT_TRUE(tree.Create(style, CRect(0, 0, 200, 200), &parent, 1934));
    root = tree.InsertItem("省公司", 0, 0);
    deptA = tree.InsertItem("部门甲", 1, 1, root);
    person = tree.InsertItem("张三", 2, 2, deptA);
    deptB = tree.InsertItem("部门乙", 1, 1, root);
    parent.lines.clear();
  }
  tavtest::NotifyLog parent;
  CTreeCtrl tree;
  HTREEITEM root = nullptr, deptA = nullptr, person = nullptr, deptB = nullptr;
};

TEST_F(TreeCtrlTest, BuildingAndWalkingTheTree) {
  EXPECT_EQ(4u, tree.GetCount());
  EXPECT_EQ(root, tree.GetRootItem());
  EXPECT_EQ(deptA, tree.GetChildItem(root));
  EXPECT_EQ(deptB, tree.GetNextSiblingItem(deptA));
  EXPECT_EQ(nullptr, tree.GetNextSiblingItem(deptB));
  EXPECT_EQ(deptA, tree.GetPrevSiblingItem(deptB));
  EXPECT_EQ(deptA, tree.GetParentItem(person));
  EXPECT_EQ(nullptr, tree.GetParentItem(root));
  EXPECT_TRUE(tree.ItemHasChildren(deptA));
  EXPECT_FALSE(tree.ItemHasChildren(deptB));

  HTREEITEM first = tree.InsertItem("首", root, TVI_FIRST);
  HTREEITEM middle = tree.InsertItem("中", root, deptA);
  EXPECT_EQ(first, tree.GetChildItem(root));
  EXPECT_EQ(middle, tree.GetNextSiblingItem(deptA));
  HTREEITEM sorted = tree.InsertItem("b", TVI_ROOT, TVI_SORT);
  tree.InsertItem("a", TVI_ROOT, TVI_SORT);
  EXPECT_EQ("a", tree.GetItemText(tree.GetRootItem()));
  EXPECT_EQ(sorted, tree.GetNextSiblingItem(tree.GetRootItem()));

  tree.SetItemData(person, 0x1234);
  tree.SetItemImage(person, 23, 23);
  tree.SetItemText(person, "李四");
  int image = 0, selected = 0;
  EXPECT_TRUE(tree.GetItemImage(person, image, selected));
  EXPECT_EQ(23, image);
  EXPECT_EQ(0x1234u, tree.GetItemData(person));
  EXPECT_EQ("李四", tree.GetItemText(person));
  // A text longer than the first read buffer comes back whole.
  CString longText(std::string(600, 'x').c_str());
  ASSERT_TRUE(tree.SetItemText(person, longText));
  EXPECT_EQ(longText, tree.GetItemText(person));
}

TEST_F(TreeCtrlTest, HandlesOfDeletedItemsAreRefused) {
  tree.DeleteItem(deptA);
  EXPECT_EQ(2u, tree.GetCount());
  EXPECT_EQ(nullptr, tree.InsertItem("孤儿", deptA));
  EXPECT_FALSE(tree.SetItemText(person, "x"));
  EXPECT_EQ(CString(), tree.GetItemText(person));
  EXPECT_EQ(0u, tree.GetItemData(person));
  EXPECT_EQ(nullptr, tree.GetChildItem(person));
  EXPECT_FALSE(tree.DeleteItem(person));
  // A new item never takes an old handle.
  EXPECT_NE(person, tree.InsertItem("新", root));
}

TEST_F(TreeCtrlTest, ExpandNotifiesUntilTheItemWasOnceExpanded) {
  EXPECT_TRUE(tree.Expand(root, TVE_EXPAND));
  EXPECT_TRUE(tree.Expand(root, TVE_EXPAND));  // already open: nothing happens
  tree.Expand(root, TVE_COLLAPSE);
  tree.Expand(root, TVE_TOGGLE);
  EXPECT_EQ((Lines{"expanding 省公司", "expanded 省公司"}), parent.lines);
  EXPECT_TRUE(tree.GetItemState(root, TVIS_EXPANDED));
  EXPECT_FALSE(tree.Expand(deptB, TVE_EXPAND));  // no children
  parent.lines.clear();
  ASSERT_TRUE(user::ClickTreeButton(tree.m_hWnd, root));  // the user's own clicks always notify
  ASSERT_TRUE(user::ClickTreeButton(tree.m_hWnd, root));
  EXPECT_EQ((Lines{"collapsing 省公司", "collapsed 省公司", "expanding 省公司", "expanded 省公司"}), parent.lines);
}

TEST_F(TreeCtrlTest, ChildrenCanBeAddedWhileExpandingAndExpandingCanBeRefused) {
  TVITEM mark = {};
  mark.mask = TVIF_CHILDREN;
  mark.hItem = deptB;
  mark.cChildren = 1;
  tree.SetItem(&mark);
  EXPECT_TRUE(tree.ItemHasChildren(deptB));
  parent.answer = [this](NMHDR* hdr) {
    auto* tv = (NMTREEVIEW*)hdr;
    if (hdr->code == TVN_ITEMEXPANDING && tv->itemNew.hItem == deptB) tree.InsertItem("王五", deptB);
    if (hdr->code == TVN_ITEMEXPANDING && tv->itemNew.hItem == deptA) return (LRESULT)TRUE;
    return (LRESULT)0;
  };
  tree.Expand(root, TVE_EXPAND);
  EXPECT_TRUE(tree.Expand(deptB, TVE_EXPAND));
  EXPECT_EQ("王五", tree.GetItemText(tree.GetChildItem(deptB)));
  EXPECT_FALSE(tree.Expand(deptA, TVE_EXPAND));
  EXPECT_FALSE(tree.GetItemState(deptA, TVIS_EXPANDED));
}

TEST_F(TreeCtrlTest, HitTestFollowsTheRowLayout) {
  CImageList images;
  ASSERT_TRUE(images.Create(17, 17, ILC_COLOR32 | ILC_MASK, 0, 1));
  tree.SetImageList(&images, TVSIL_NORMAL);
  EXPECT_EQ(17, tree.GetItemHeight());  // the images' height, above the default of 16
  tree.SetItemHeight(18);
  EXPECT_EQ(18, tree.GetItemHeight());
  tree.Expand(root, TVE_EXPAND);
  // Rows: 0 省公司 (depth 1), 1 部门甲 (depth 2, has children), 2 部门乙 (depth 2).
  struct Case {
    int x, y;
    HTREEITEM item;
    UINT flags;
  } cases[] = {
      {5, 5, root, TVHT_ONITEMBUTTON},     {20, 5, root, TVHT_ONITEMICON},
      {37, 5, root, TVHT_ONITEMLABEL},     {36 + 6 * 6 + 4, 5, root, TVHT_ONITEMRIGHT},
      {5, 20, deptA, TVHT_ONITEMINDENT},   {25, 20, deptA, TVHT_ONITEMBUTTON},
      {40, 20, deptA, TVHT_ONITEMICON},    {60, 20, deptA, TVHT_ONITEMLABEL},
      {25, 40, deptB, TVHT_ONITEMINDENT},  {60, 40, deptB, TVHT_ONITEMLABEL},
      {60, 60, nullptr, TVHT_NOWHERE},     {60, 250, nullptr, TVHT_BELOW},
  };
  for (const Case& c : cases) {
    UINT flags = 0;
    EXPECT_EQ(c.item, tree.HitTest(CPoint(c.x, c.y), &flags)) << c.x << "," << c.y;
    EXPECT_EQ(c.flags, flags) << c.x << "," << c.y;
  }
  CRect label;
  ASSERT_TRUE(tree.GetItemRect(deptA, label, TRUE));
  EXPECT_EQ(CRect(55, 18, 55 + 6 * 6 + 4, 36), label);
  EXPECT_FALSE(tree.GetItemRect(person, label, TRUE));  // inside a closed branch
}

TEST_F(TreeCtrlTest, AClickNotifiesBeforeItSelects) {
  tree.Expand(root, TVE_EXPAND);
  parent.lines.clear();
  HTREEITEM selectedDuringClick = nullptr;
  parent.answer = [&](NMHDR* hdr) {
    if (hdr->code == NM_CLICK) selectedDuringClick = tree.GetSelectedItem();
    return (LRESULT)0;
  };
  ASSERT_TRUE(user::ClickTreeItem(tree.m_hWnd, deptB));
  EXPECT_EQ((Lines{"click", "selchanging 部门乙", "selchanged ->部门乙 1"}), parent.lines);
  EXPECT_EQ(nullptr, selectedDuringClick);
  EXPECT_EQ(deptB, tree.GetSelectedItem());
  // A parent that handles the click itself (returns non-zero) keeps the selection where it is.
  parent.answer = [](NMHDR* hdr) { return (LRESULT)(hdr->code == NM_CLICK); };
  user::ClickTreeItem(tree.m_hWnd, deptA);
  EXPECT_EQ(deptB, tree.GetSelectedItem());
}

TEST_F(TreeCtrlTest, DoubleClickRightClickAndKeys) {
  tree.Expand(root, TVE_EXPAND);
  tree.SelectItem(deptA);
  parent.lines.clear();
  parent.ignored = {TVN_SELCHANGING, NM_CLICK};
  ASSERT_TRUE(user::DoubleClickTreeItem(tree.m_hWnd, deptA));  // not handled: opens the item
  EXPECT_EQ((Lines{"dblclk", "expanding 部门甲", "expanded 部门甲"}), parent.lines);
  parent.lines.clear();
  ASSERT_TRUE(user::ClickTreeItem(tree.m_hWnd, deptB, true));
  EXPECT_EQ(deptA, tree.GetSelectedItem());  // a right click does not select
  user::PressKey(VK_DOWN);  // 部门甲 -> 张三
  user::PressKey(VK_LEFT);  // 张三 -> its parent
  user::PressKey(VK_LEFT);  // closes 部门甲
  EXPECT_EQ((Lines{"rclick", "contextmenu 1934", "key 40", "selchanged 部门甲>张三 2", "key 37", "selchanged 张三>部门甲 2", "key 37",
                   "collapsing 部门甲", "collapsed 部门甲"}),
            parent.lines);
}

TEST_F(TreeCtrlTest, AParentThatDestroysTheTreeWhileNotifiedIsSafe) {
  parent.answer = [this](NMHDR* hdr) {
    if (hdr->code == TVN_SELCHANGING) tree.DestroyWindow();
    return (LRESULT)0;
  };
  EXPECT_TRUE(user::ClickTreeItem(tree.m_hWnd, root));
  EXPECT_EQ(nullptr, tree.m_hWnd);
}

TEST_F(TreeCtrlTest, SelectionAndDeletion) {
  EXPECT_TRUE(tree.SelectItem(person));  // opens its parents
  EXPECT_TRUE(tree.GetItemState(root, TVIS_EXPANDED));
  EXPECT_TRUE(tree.GetItemState(deptA, TVIS_EXPANDED));
  EXPECT_EQ((Lines{"selchanging 张三", "selchanged ->张三 0"}), parent.lines);
  tree.Expand(deptA, TVE_COLLAPSE);  // hides the selection: it moves to the collapsed item
  EXPECT_EQ(deptA, tree.GetSelectedItem());
  parent.lines.clear();
  tree.DeleteItem(root);
  EXPECT_EQ((Lines{"delete 张三", "delete 部门甲", "delete 部门乙", "delete 省公司"}), parent.lines);
  EXPECT_EQ(nullptr, tree.GetSelectedItem());
  EXPECT_EQ(0u, tree.GetCount());
  tree.InsertItem("x");
  tree.InsertItem("y");
  EXPECT_TRUE(tree.DeleteAllItems());
  EXPECT_EQ(nullptr, tree.GetRootItem());
}

}  // namespace
