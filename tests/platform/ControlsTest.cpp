// The basic controls as the user and the program use them.
#include <gtest/gtest.h>

#include "platform/ui/Controls.h"
#include "platform/ui/UserInput.h"
#include "tests/support/DesktopTest.h"
#include "tests/support/MessageLog.h"

namespace user = platform::user;

namespace {

// A parent that records the notifications of its controls as "id:code".
class Parent : public CWnd {
 public:
  std::vector<std::string> notes;
  BOOL OnCommand(WPARAM wParam, LPARAM) override {
    notes.push_back(std::to_string(LOWORD(wParam)) + ":" + std::to_string(HIWORD(wParam)));
    return TRUE;
  }
  void OnMeasureItem(int, MEASUREITEMSTRUCT* mis) override { mis->itemHeight = 20; }
};

class ControlsTest : public tavtest::DesktopTest {
 protected:
  void SetUp() override {
    DesktopTest::SetUp();
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 400), nullptr, 0));
  }
  CString TextOf(CWnd& w) {
    CString text;
    w.GetWindowText(text);
    return text;
  }
  std::string Note(int id, int code) { return std::to_string(id) + ":" + std::to_string(code); }
  Parent parent;
};

TEST_F(ControlsTest, EditLimitCountsBytesAndNeverCutsACharacter) {
  CEdit edit;
  ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_TABSTOP, CRect(0, 0, 100, 20), &parent, 10));
  edit.SetLimitText(5);
  user::Type(edit.m_hWnd, "ab中文");  // 2 + 2 fit, the second double-byte character does not
  EXPECT_EQ("ab中", TextOf(edit));
  EXPECT_EQ(Note(10, EN_MAXTEXT), parent.notes.back());
  user::Type(edit.m_hWnd, "c");
  EXPECT_EQ("ab中c", TextOf(edit));
  edit.SetSel(0, -1);
  edit.ReplaceSel("一二三");  // programmatic insertion is cut to the limit, whole characters only
  EXPECT_EQ("一二", TextOf(edit));
}

TEST_F(ControlsTest, EditDeleteAndBackspaceRemoveWholeCharacters) {
  CEdit edit;
  ASSERT_TRUE(edit.Create(WS_VISIBLE, CRect(0, 0, 100, 20), &parent, 10));
  edit.SetWindowText("甲乙丙");
  edit.SetSel(3, 3);  // inside 乙: moves to its start
  int start = 0, end = 0;
  edit.GetSel(start, end);
  EXPECT_EQ(2, start);
  user::PressDelete();  // the focus is not on the edit yet: nothing happens
  EXPECT_EQ("甲乙丙", TextOf(edit));
  edit.SetFocus();
  user::PressDelete();
  EXPECT_EQ("甲丙", TextOf(edit));
  user::PressKey(VK_BACK);
  EXPECT_EQ("丙", TextOf(edit));
}

TEST_F(ControlsTest, EditStylesFilterTyping) {
  CEdit number, readOnly, password;
  ASSERT_TRUE(number.Create(WS_VISIBLE | ES_NUMBER, CRect(0, 0, 50, 20), &parent, 1));
  ASSERT_TRUE(readOnly.Create(WS_VISIBLE | ES_READONLY, CRect(0, 30, 50, 50), &parent, 2));
  ASSERT_TRUE(password.Create(WS_VISIBLE | ES_PASSWORD, CRect(0, 60, 50, 80), &parent, 3));
  user::Type(number.m_hWnd, "1a2-3中");
  user::Type(readOnly.m_hWnd, "x");
  user::Type(password.m_hWnd, "pw");
  EXPECT_EQ("123", TextOf(number));
  EXPECT_EQ("", TextOf(readOnly));
  readOnly.SetWindowText("程序可写");
  EXPECT_EQ("程序可写", TextOf(readOnly));
  EXPECT_EQ("pw", TextOf(password));
  EXPECT_EQ('*', password.GetPasswordChar());
}

TEST_F(ControlsTest, EditReportsProgrammaticChangesToo) {
  CEdit edit;
  ASSERT_TRUE(edit.Create(WS_VISIBLE, CRect(0, 0, 100, 20), &parent, 10));
  parent.notes.clear();
  edit.SetWindowText("x");
  edit.ReplaceSel("y");
  EXPECT_EQ((std::vector<std::string>{Note(10, EN_CHANGE), Note(10, EN_CHANGE)}), parent.notes);
  EXPECT_EQ("yx", TextOf(edit));
}

TEST_F(ControlsTest, ButtonsClickOnlyWhenAUserCouldReachThem) {
  CButton button;
  ASSERT_TRUE(button.Create("按钮", WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 10, 60, 30), &parent, 20));
  EXPECT_TRUE(user::Click(button.m_hWnd));
  button.EnableWindow(FALSE);
  EXPECT_FALSE(user::Click(button.m_hWnd));
  button.EnableWindow(TRUE);
  button.ShowWindow(SW_HIDE);
  EXPECT_FALSE(user::Click(button.m_hWnd));
  button.ShowWindow(SW_SHOW);
  parent.EnableWindow(FALSE);
  EXPECT_FALSE(user::Click(button.m_hWnd));
  EXPECT_EQ((std::vector<std::string>{Note(20, BN_CLICKED)}), parent.notes);
  EXPECT_EQ(nullptr, GetCapture());
}

TEST_F(ControlsTest, CheckBoxesToggleBeforeNotifying) {
  CButton check, tri;
  ASSERT_TRUE(check.Create("c", WS_VISIBLE | BS_AUTOCHECKBOX, CRect(0, 0, 50, 20), &parent, 1));
  ASSERT_TRUE(tri.Create("t", WS_VISIBLE | BS_AUTO3STATE, CRect(0, 30, 50, 50), &parent, 2));
  user::Click(check.m_hWnd);
  EXPECT_EQ(BST_CHECKED, check.GetCheck());
  user::Click(check.m_hWnd);
  EXPECT_EQ(BST_UNCHECKED, check.GetCheck());
  user::Click(tri.m_hWnd);
  user::Click(tri.m_hWnd);
  EXPECT_EQ(BST_INDETERMINATE, tri.GetCheck());
  check.SetCheck(BST_CHECKED);  // programmatic: no notification
  EXPECT_EQ(4u, parent.notes.size());
}

TEST_F(ControlsTest, ComboSelectionRules) {
  CComboBox combo;
  ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWNLIST, CRect(0, 0, 100, 200), &parent, 30));
  combo.AddString("音频会议");
  combo.AddString("视频会议");
  combo.InsertString(0, "数据会议");
  combo.SetItemData(1, 0xABCD);
  EXPECT_EQ(3, combo.GetCount());
  EXPECT_EQ(0xABCDu, combo.GetItemData(1));
  EXPECT_EQ(CB_ERR, (int)combo.GetItemData(7));
  EXPECT_EQ(2, combo.SetCurSel(2));
  EXPECT_EQ("视频会议", TextOf(combo));
  EXPECT_EQ(CB_ERR, combo.SetCurSel(3));  // out of range selects none
  EXPECT_EQ(-1, combo.GetCurSel());
  EXPECT_EQ("", TextOf(combo));
  EXPECT_TRUE(parent.notes.empty());  // programmatic selection says nothing

  EXPECT_TRUE(user::ChooseComboItem(combo.m_hWnd, 1));
  EXPECT_EQ(1, combo.GetCurSel());
  EXPECT_EQ((std::vector<std::string>{Note(30, CBN_SETFOCUS), Note(30, CBN_DROPDOWN), Note(30, CBN_SELCHANGE),
                                      Note(30, CBN_SELENDOK), Note(30, CBN_CLOSEUP)}),
            parent.notes);
  CString text;
  combo.GetLBText(1, text);
  EXPECT_EQ("音频会议", text);

  EXPECT_EQ(1, combo.DeleteString(0) - 1);  // two left
  EXPECT_EQ(0, combo.GetCurSel());           // the selection moved with its item
  combo.DeleteString(0);
  EXPECT_EQ(-1, combo.GetCurSel());  // the selected item went
  EXPECT_EQ(CB_ERR, combo.DeleteString(5));
}

TEST_F(ControlsTest, ComboFindsWithoutCaseAndWraps) {
  CComboBox combo;
  ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWNLIST | CBS_SORT, CRect(0, 0, 100, 200), &parent, 30));
  for (const char* s : {"beta", "Alpha", "alphabet", "Gamma"}) combo.AddString(s);
  CString first;
  combo.GetLBText(0, first);
  EXPECT_EQ("Alpha", first);
  EXPECT_EQ(0, combo.FindString(-1, "ALP"));
  EXPECT_EQ(1, combo.FindString(0, "alp"));
  EXPECT_EQ(0, combo.FindString(1, "alp"));  // wraps around
  EXPECT_EQ(1, combo.FindStringExact(-1, "ALPHABET"));
  EXPECT_EQ(CB_ERR, combo.FindStringExact(-1, "alph"));
}

TEST_F(ControlsTest, SortedComboSelectionFollowsItsItemWhenOneIsAddedBefore) {
  CComboBox combo;
  ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWNLIST | CBS_SORT, CRect(0, 0, 100, 200), &parent, 30));
  combo.AddString("beta");
  combo.AddString("gamma");
  ASSERT_EQ(1, combo.SetCurSel(1));
  EXPECT_EQ(0, combo.AddString("alpha"));
  EXPECT_EQ(2, combo.GetCurSel());
  EXPECT_EQ(0, combo.InsertString(0, "first"));
  EXPECT_EQ(3, combo.GetCurSel());
  CString selected;
  combo.GetLBText(combo.GetCurSel(), selected);
  EXPECT_EQ("gamma", selected);
}

TEST_F(ControlsTest, FindingNeverFoldsTheTrailByteOfADoubleByteCharacter) {
  CComboBox combo;
  ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWNLIST, CRect(0, 0, 100, 200), &parent, 30));
  combo.AddString("\x81\x61x");  // a GBK character whose trail byte is 'a'
  combo.AddString("\x81\x41X");  // another whose trail byte is 'A'
  EXPECT_EQ(1, combo.FindStringExact(-1, "\x81\x41x"));  // the ASCII 'x' folds; the trail byte not
  EXPECT_EQ(0, combo.FindString(-1, "\x81\x61"));
}

TEST_F(ControlsTest, DropDownComboTakesTypedText) {
  CComboBox combo;
  ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWN, CRect(0, 0, 100, 200), &parent, 31));
  combo.LimitText(4);
  user::Type(combo.m_hWnd, "会议室");
  EXPECT_EQ("会议", TextOf(combo));
  EXPECT_EQ(Note(31, CBN_EDITCHANGE), parent.notes.back());
}

TEST_F(ControlsTest, OwnerDrawnListBoxHeightsAndUserSelection) {
  CListBox list;
  ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_NOTIFY, CRect(0, 0, 100, 200), &parent, 40));
  EXPECT_EQ(20, list.GetItemHeight(0));  // asked of the parent at creation
  for (int width = 1; width <= 5; ++width) list.AddString((LPCTSTR)(uintptr_t)width);
  EXPECT_EQ(3u, list.GetItemData(2));  // without LBS_HASSTRINGS the value is the item data
  list.SetItemHeight(0, 30);
  CRect r;
  list.GetItemRect(2, &r);
  EXPECT_EQ(CRect(0, 60, 100, 90), r);
  BOOL outside = FALSE;
  EXPECT_EQ(3u, list.ItemFromPoint(CPoint(5, 95), outside));
  EXPECT_FALSE(outside);
  list.ItemFromPoint(CPoint(5, 180), outside);
  EXPECT_TRUE(outside);

  EXPECT_TRUE(user::ChooseListItem(list.m_hWnd, 4));
  EXPECT_EQ(4, list.GetCurSel());
  EXPECT_EQ(Note(40, LBN_SELCHANGE), parent.notes.back());
}

TEST_F(ControlsTest, MultipleSelectionListBoxSelectsItemByItemOnly) {
  CListBox single, multi;
  ASSERT_TRUE(single.Create(WS_VISIBLE, CRect(0, 0, 100, 100), &parent, 41));
  ASSERT_TRUE(multi.Create(WS_VISIBLE | LBS_EXTENDEDSEL, CRect(0, 0, 100, 100), &parent, 42));
  for (const char* text : {"a", "b", "c"}) {
    single.AddString(text);
    multi.AddString(text);
  }
  EXPECT_EQ(LB_ERR, single.SetSel(1));
  EXPECT_EQ(LB_ERR, single.GetSelCount());
  EXPECT_EQ(LB_ERR, multi.SetCurSel(1));
  EXPECT_EQ(0, multi.SetSel(-1));  // every item
  EXPECT_EQ(3, multi.GetSelCount());
  EXPECT_EQ(0, multi.SetSel(1, FALSE));
  EXPECT_EQ(LB_ERR, multi.SetSel(3));
  EXPECT_EQ(2, multi.GetSelCount());
  EXPECT_EQ(0, multi.GetSel(1));
  EXPECT_EQ(1, multi.GetSel(2));
  EXPECT_EQ(LB_ERR, multi.GetSel(3));
}

}  // namespace
