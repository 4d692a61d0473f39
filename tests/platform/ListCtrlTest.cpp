// The report-view list control as the program and the user use it.
#include <gtest/gtest.h>

#include "platform/ui/ImageList.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/UserInput.h"
#include "tests/platform/NotifyLog.h"
#include "tests/support/DesktopTest.h"

namespace user = platform::user;
using Lines = std::vector<std::string>;

namespace {

class ListCtrlTest : public tavtest::DesktopTest {
 protected:
  void SetUp() override {
    DesktopTest::SetUp();
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0));
  }
  // A report list with the member list's two columns and `rows` rows "n0", "n1" ... with data
  // 100, 101 ...
  void MakeList(DWORD style, int rows) {
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | style, CRect(10, 10, 260, 150), &parent, 1485));
    list.InsertColumn(0, "名称", LVCFMT_LEFT, 62);
    list.InsertColumn(1, "号码", LVCFMT_LEFT, 188);
    for (int i = 0; i < rows; ++i) {
      list.InsertItem(i, ("n" + std::to_string(i)).c_str());
      list.SetItemText(i, 1, ("sip" + std::to_string(i)).c_str());
      list.SetItemData(i, 100 + i);
    }
    parent.lines.clear();
  }
  std::vector<int> Selected() {
    std::vector<int> out;
    for (POSITION pos = list.GetFirstSelectedItemPosition(); pos;) out.push_back(list.GetNextSelectedItem(pos));
    return out;
  }
  tavtest::NotifyLog parent;
  CListCtrl list;
};

TEST_F(ListCtrlTest, ColumnsItemsTextsAndData) {
  MakeList(LVS_SINGLESEL, 2);
  EXPECT_EQ(2, list.GetHeaderCtrl()->GetItemCount());
  EXPECT_EQ(188, list.GetColumnWidth(1));
  EXPECT_EQ(1, list.InsertItem(1, "中间"));
  EXPECT_EQ(3, list.GetItemCount());
  EXPECT_EQ("sip1", list.GetItemText(2, 1));
  EXPECT_EQ(101u, list.GetItemData(2));
  EXPECT_EQ("", list.GetItemText(1, 1));
  EXPECT_FALSE(list.SetItemText(1, 2, "no such column"));
  EXPECT_EQ(3, list.InsertItem(99, "past the end goes last"));
  CString longText(std::string(600, 'x').c_str());
  list.SetItemText(0, 1, longText);
  EXPECT_EQ(longText, list.GetItemText(0, 1));
  EXPECT_TRUE(list.DeleteColumn(1));
  EXPECT_EQ(1, list.GetHeaderCtrl()->GetItemCount());
  EXPECT_EQ("", list.GetItemText(0, 1));
  EXPECT_EQ(CString(), list.GetItemText(9, 0));
}

TEST_F(ListCtrlTest, ClickingARowMovesSelectionAndFocusThenReportsTheClick) {
  MakeList(LVS_SINGLESEL, 3);
  list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
  list.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  parent.ignored = {LVN_ITEMCHANGING};
  parent.lines.clear();
  ASSERT_TRUE(user::ClickListItem(list.m_hWnd, 2));
  EXPECT_EQ((Lines{"changed 0 sel+foc>foc", "changed 0 foc>0", "changed 2 0>sel+foc", "click 2"}), parent.lines);
  EXPECT_EQ(list.m_hWnd, GetFocus());
  EXPECT_EQ(std::vector<int>{2}, Selected());
  EXPECT_EQ(2, list.GetNextItem(-1, LVNI_FOCUSED));
}

TEST_F(ListCtrlTest, ClickBelowTheRowsClearsTheSelection) {
  MakeList(0, 2);
  list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
  parent.ignored = {LVN_ITEMCHANGING};
  parent.lines.clear();
  user::MouseDown(list.m_hWnd, CPoint(20, 120));
  user::MouseUp(list.m_hWnd, CPoint(20, 120));
  EXPECT_EQ((Lines{"changed 1 sel>0", "click -1"}), parent.lines);
  EXPECT_EQ(0u, list.GetSelectedCount());
}

TEST_F(ListCtrlTest, ItemChangingCanRefuseAChange) {
  MakeList(LVS_SINGLESEL, 2);
  parent.answer = [](NMHDR* hdr) { return hdr->code == LVN_ITEMCHANGING ? TRUE : FALSE; };
  EXPECT_TRUE(list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED));
  EXPECT_EQ(0u, list.GetSelectedCount());
  EXPECT_EQ((Lines{"changing 1"}), parent.lines);
}

TEST_F(ListCtrlTest, SingleAndMultipleSelection) {
  MakeList(LVS_SINGLESEL, 4);
  list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
  list.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
  EXPECT_EQ(std::vector<int>{3}, Selected());

  list.DestroyWindow();
  MakeList(0, 4);
  list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
  list.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
  EXPECT_EQ((std::vector<int>{1, 3}), Selected());
  EXPECT_EQ(3, list.GetNextItem(1, LVNI_SELECTED));
  EXPECT_EQ(-1, list.GetNextItem(3, LVNI_SELECTED));
  user::HoldKey(VK_CONTROL, true);
  user::ClickListItem(list.m_hWnd, 1);  // Ctrl toggles one row
  user::ClickListItem(list.m_hWnd, 2);
  user::HoldKey(VK_CONTROL, false);
  EXPECT_EQ((std::vector<int>{2, 3}), Selected());
  user::ClickListItem(list.m_hWnd, 0);  // a plain click keeps only its row
  EXPECT_EQ(std::vector<int>{0}, Selected());
  list.SetItemState(-1, 0, LVIS_SELECTED);
  EXPECT_EQ(0u, list.GetSelectedCount());
}

// Shift selects the rows from the last row clicked without it; with Ctrl too, the others stay.
TEST_F(ListCtrlTest, ShiftClickSelectsTheRowsFromTheLastPlainClick) {
  MakeList(0, 5);
  user::ClickListItem(list.m_hWnd, 1);
  user::HoldKey(VK_SHIFT, true);
  user::ClickListItem(list.m_hWnd, 3);
  EXPECT_EQ((std::vector<int>{1, 2, 3}), Selected());
  user::ClickListItem(list.m_hWnd, 0);
  EXPECT_EQ((std::vector<int>{0, 1}), Selected());
  EXPECT_EQ(0, list.GetNextItem(-1, LVNI_FOCUSED));
  user::HoldKey(VK_CONTROL, true);
  user::ClickListItem(list.m_hWnd, 4);
  user::HoldKey(VK_CONTROL, false);
  user::HoldKey(VK_SHIFT, false);
  EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 4}), Selected());
}

TEST_F(ListCtrlTest, WithoutFullRowSelectOnlyTheFirstColumnHits) {
  MakeList(LVS_SINGLESEL, 2);
  UINT flags = 0;
  EXPECT_EQ(-1, list.HitTest(CPoint(100, 20 + 4), &flags));
  EXPECT_EQ((UINT)LVHT_NOWHERE, flags);
  EXPECT_EQ(0, list.HitTest(CPoint(30, 20 + 4), &flags));
  list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  EXPECT_EQ(0, list.HitTest(CPoint(100, 20 + 4), &flags));
  EXPECT_EQ(1, list.HitTest(CPoint(100, 20 + 16 + 4), &flags));
  EXPECT_EQ((DWORD)(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES), list.GetExtendedStyle());
}

int CALLBACK_ByDataDescending(LPARAM a, LPARAM b, LPARAM) { return (int)(b - a); }
int CALLBACK_ByKey(LPARAM a, LPARAM b, LPARAM keys) {
  const int* key = (const int*)keys;
  return key[a - 100] - key[b - 100];
}

TEST_F(ListCtrlTest, SortItemsOrdersRowsByTheCallbackAndKeepsTiesInOrder) {
  MakeList(0, 4);
  list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
  ASSERT_TRUE(list.SortItems(CALLBACK_ByDataDescending, 0));
  EXPECT_EQ("n3", list.GetItemText(0, 0));
  EXPECT_EQ("sip0", list.GetItemText(3, 1));
  EXPECT_EQ(std::vector<int>{2}, Selected());  // the state travels with its row
  const int keys[4] = {1, 0, 1, 0};  // rows 101 and 103 first, each pair in its current order
  list.SortItems(CALLBACK_ByKey, (DWORD_PTR)keys);
  std::vector<DWORD_PTR> order;
  for (int i = 0; i < list.GetItemCount(); ++i) order.push_back(list.GetItemData(i));
  EXPECT_EQ((std::vector<DWORD_PTR>{103, 101, 102, 100}), order);
  EXPECT_FALSE(list.SortItems(nullptr, 0));
}

TEST_F(ListCtrlTest, CheckBoxesToggleByClickAndByProgram) {
  MakeList(0, 2);
  list.SetExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
  EXPECT_FALSE(list.GetCheck(0));
  list.SetCheck(1);
  EXPECT_TRUE(list.GetCheck(1));
  parent.ignored = {LVN_ITEMCHANGING, NM_CLICK};
  parent.lines.clear();
  ASSERT_TRUE(user::ClickListCheckBox(list.m_hWnd, 0));
  EXPECT_TRUE(list.GetCheck(0));
  EXPECT_EQ("changed 0 check0>check1", parent.lines.front());
  user::ClickListCheckBox(list.m_hWnd, 1);
  EXPECT_FALSE(list.GetCheck(1));
  EXPECT_EQ(2, list.InsertItem(2, "new rows start unchecked"));
  EXPECT_FALSE(list.GetCheck(2));
  // The invite dialog turns check boxes off and keeps the other extended styles.
  list.SetExtendedStyle((list.GetExtendedStyle() | LVS_EX_FULLROWSELECT) & ~LVS_EX_CHECKBOXES);
  EXPECT_EQ((DWORD)LVS_EX_FULLROWSELECT, list.GetExtendedStyle());
  EXPECT_EQ(0u, list.GetItemState(0, LVIS_STATEIMAGEMASK));
  EXPECT_FALSE(user::ClickListCheckBox(list.m_hWnd, 0));
}

TEST_F(ListCtrlTest, HeaderDoubleClickRightClickAndKeysNotifyTheParent) {
  MakeList(LVS_SINGLESEL, 3);
  parent.ignored = {LVN_ITEMCHANGING, LVN_ITEMCHANGED, NM_CLICK};
  ASSERT_TRUE(user::ClickListColumn(list.m_hWnd, 1));
  ASSERT_TRUE(user::DoubleClickListItem(list.m_hWnd, 2));
  ASSERT_TRUE(user::ClickListItem(list.m_hWnd, 1, true));
  ASSERT_TRUE(user::PressDelete());
  user::PressKey(VK_UP);
  EXPECT_EQ((Lines{"column 1", "dblclk 2", "rclick 1", "contextmenu 1485", "key 46", "key 38"}), parent.lines);
  EXPECT_EQ(0, list.GetNextItem(-1, LVNI_SELECTED));  // the up arrow moved the selection
  EXPECT_FALSE(user::ClickListColumn(list.m_hWnd, 2));
  parent.lines.clear();
  parent.answer = [](NMHDR* hdr) { return (LRESULT)(hdr->code == NM_RCLICK); };
  user::ClickListItem(list.m_hWnd, 1, true);  // a handled right click shows no context menu
  EXPECT_EQ((Lines{"rclick 1"}), parent.lines);
}

TEST_F(ListCtrlTest, DeletingRows) {
  MakeList(0, 3);
  EXPECT_TRUE(list.DeleteItem(1));
  EXPECT_FALSE(list.DeleteItem(5));
  EXPECT_EQ("n2", list.GetItemText(1, 0));
  list.DeleteAllItems();
  EXPECT_EQ((Lines{"delete 1", "deleteall", "delete 0", "delete 0"}), parent.lines);
  list.DestroyWindow();
  MakeList(0, 3);
  parent.answer = [](NMHDR* hdr) { return hdr->code == LVN_DELETEALLITEMS ? TRUE : FALSE; };
  list.DeleteAllItems();
  EXPECT_EQ((Lines{"deleteall"}), parent.lines);
  EXPECT_EQ(0, list.GetItemCount());
}

TEST_F(ListCtrlTest, AParentThatEmptiesTheListWhileNotifiedIsSafe) {
  MakeList(LVS_SINGLESEL, 3);
  list.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  parent.answer = [this](NMHDR* hdr) {
    if (hdr->code == LVN_ITEMCHANGED) list.DeleteAllItems();
    return 0;
  };
  user::ClickListItem(list.m_hWnd, 2);
  EXPECT_EQ(0, list.GetItemCount());
}

TEST_F(ListCtrlTest, AParentThatDestroysTheListWhileNotifiedIsSafe) {
  MakeList(LVS_SINGLESEL, 3);
  list.SetExtendedStyle(LVS_EX_CHECKBOXES);
  parent.answer = [this](NMHDR* hdr) {
    if (hdr->code == LVN_ITEMCHANGED) list.DestroyWindow();
    return 0;
  };
  EXPECT_TRUE(user::ClickListCheckBox(list.m_hWnd, 1));
  EXPECT_EQ(nullptr, list.m_hWnd);
}

TEST_F(ListCtrlTest, FindItemAndEnsureVisible) {
  MakeList(0, 30);
  LVFINDINFO byData = {LVFI_PARAM, nullptr, 117, {0, 0}, 0};
  EXPECT_EQ(17, list.FindItem(&byData));
  LVFINDINFO byText = {LVFI_STRING, "N2", 0, {0, 0}, 0};
  EXPECT_EQ(2, list.FindItem(&byText));
  EXPECT_EQ(-1, list.FindItem(&byText, 2));
  byText.flags |= LVFI_WRAP;
  EXPECT_EQ(2, list.FindItem(&byText, 2));
  LVFINDINFO prefix = {LVFI_STRING | LVFI_PARTIAL, "n2", 0, {0, 0}, 0};
  EXPECT_EQ(20, list.FindItem(&prefix, 2));
  int page = list.GetCountPerPage();
  EXPECT_EQ((140 - 20) / 16, page);
  EXPECT_TRUE(list.EnsureVisible(25, FALSE));
  EXPECT_EQ(25 - page + 1, list.GetTopIndex());
  list.EnsureVisible(3, FALSE);
  EXPECT_EQ(3, list.GetTopIndex());
  ASSERT_TRUE(user::ClickListItem(list.m_hWnd, 29));  // the user scrolls to a row first
  EXPECT_EQ(29, list.GetNextItem(-1, LVNI_SELECTED));
}

TEST_F(ListCtrlTest, ASmallImageListSetsTheRowHeight) {
  MakeList(0, 2);
  CImageList images;
  ASSERT_TRUE(images.Create(1, 24, ILC_COLOR32, 0, 1));
  EXPECT_EQ(nullptr, list.SetImageList(&images, LVSIL_SMALL));
  CRect row;
  list.GetItemRect(1, row, LVIR_BOUNDS);
  EXPECT_EQ(CRect(0, 20 + 24, 250, 20 + 48), row);
}

}  // namespace
