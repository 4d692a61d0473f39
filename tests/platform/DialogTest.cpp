// Dialogs: the dialog manager's keys, data exchange, and template geometry.
#include <gtest/gtest.h>

#include "platform/ui/Controls.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/UserInput.h"
#include "tests/platform/DialogTestSupport.h"
#include "tests/support/DesktopTest.h"
#include "tests/support/MessageLog.h"

using namespace dialogtest;
namespace user = platform::user;

namespace {

// A modeless dialog that records the commands that reached it and exchanges its data.
class Dlg : public CDialog {
 public:
  std::vector<UINT> commands;
  CString text = "初始";
  int number = 42;
  int check = 1;
  int radio = 1;
  int maxChars = 100;
  CEdit edit;
  bool exchangeRadios = false;
  bool exchange = true;

  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (HIWORD(wParam) == BN_CLICKED) commands.push_back(LOWORD(wParam));
    return TRUE;
  }
  void DoDataExchange(CDataExchange* dx) override {
    if (!exchange) return;
    if (exchangeRadios) {
      DDX_Radio(dx, kRadio1, radio);
      return;
    }
    DDX_Control(dx, kEdit, edit);
    DDX_Text(dx, kEdit, text);
    DDV_MaxChars(dx, text, maxChars);
    DDX_Text(dx, kNumber, number);
    DDV_MinMaxInt(dx, number, 0, 999);
    DDX_Check(dx, kCheck, check);
  }
};

class DialogTest : public tavtest::DesktopTest {
 protected:
  void SetUp() override {
    DesktopTest::SetUp();
    RegisterTemplates();
  }
  void Open(UINT id) {
    ASSERT_TRUE(dlg.Create(id, nullptr));
    dlg.ShowWindow(SW_SHOW);
  }
  Dlg dlg;
};

TEST_F(DialogTest, CreationSequenceInitialisesBeforeShowing) {
  tavtest::MessageLog log;
  log.Keep([](const MSG& m) { return !(GetWindowLong(m.hwnd, GWL_STYLE) & WS_CHILD) && m.message != WM_COMMAND; });
  platform::RegisterDialogTemplate({9100, "显示", WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 100, 50,
                                    {{kEdit, "Edit", "", WS_VISIBLE | WS_TABSTOP, 5, 5, 50, 12}}});
  dlg.exchange = false;
  ASSERT_TRUE(dlg.Create(9100, nullptr));
  EXPECT_EQ("", log.Compare({{dlg.m_hWnd, WM_NCCREATE}, {dlg.m_hWnd, WM_CREATE}, {dlg.m_hWnd, WM_SIZE},
                             {dlg.m_hWnd, WM_MOVE}, {dlg.m_hWnd, WM_INITDIALOG}, {dlg.m_hWnd, WM_SHOWWINDOW}}));
  EXPECT_EQ(GetDlgItem(dlg.m_hWnd, kEdit), GetFocus());
}

TEST_F(DialogTest, EnterIsOkEvenWhenTheOkButtonIsHidden) {
  Open(kSimple);
  ASSERT_FALSE(IsWindowVisible(GetDlgItem(dlg.m_hWnd, IDOK)));
  SetFocus(GetDlgItem(dlg.m_hWnd, kEdit));
  user::PressEnter();
  user::PressEscape();
  EXPECT_EQ((std::vector<UINT>{IDOK, IDCANCEL}), dlg.commands);
}

TEST_F(DialogTest, EnterOnAnotherPushButtonClicksThatButton) {
  Open(kSimple);
  SetFocus(GetDlgItem(dlg.m_hWnd, kOther));
  user::PressEnter();
  EXPECT_EQ((std::vector<UINT>{kOther}), dlg.commands);
}

TEST_F(DialogTest, EnterGoesToAMultilineEditThatWantsReturn) {
  dlg.exchange = false;
  Open(kMultiline);
  HWND memo = GetDlgItem(dlg.m_hWnd, kMemo);
  user::Type(memo, "a");
  user::PressEnter();
  user::Type(memo, "b");
  CString text;
  CWnd::FromHandle(memo)->GetWindowText(text);
  EXPECT_EQ("a\r\nb", text);
  EXPECT_TRUE(dlg.commands.empty());
}

TEST_F(DialogTest, DisabledDefaultButtonSwallowsEnter) {
  dlg.exchangeRadios = true;
  Open(kRadios);
  EnableWindow(GetDlgItem(dlg.m_hWnd, IDOK), FALSE);
  SetFocus(GetDlgItem(dlg.m_hWnd, kCombo));
  user::PressEnter();
  EXPECT_TRUE(dlg.commands.empty());
}

TEST_F(DialogTest, TabMovesAmongVisibleEnabledTabStops) {
  Open(kSimple);
  EXPECT_EQ(GetDlgItem(dlg.m_hWnd, kEdit), GetFocus());  // the first tab stop gets the focus
  EnableWindow(GetDlgItem(dlg.m_hWnd, kNumber), FALSE);
  user::PressTab();
  EXPECT_EQ(GetDlgItem(dlg.m_hWnd, kCheck), GetFocus());
  user::PressTab();  // OK is hidden
  EXPECT_EQ(GetDlgItem(dlg.m_hWnd, IDCANCEL), GetFocus());
  user::PressTab(true);
  EXPECT_EQ(GetDlgItem(dlg.m_hWnd, kCheck), GetFocus());
}

TEST_F(DialogTest, KeysWithoutAFocusGoToTheActiveDialog) {
  Open(kSimple);
  SetFocus(nullptr);
  user::PressEnter();
  EXPECT_EQ((std::vector<UINT>{IDOK}), dlg.commands);
}

TEST_F(DialogTest, CloseBoxBecomesCancel) {
  Open(kSimple);
  user::CloseWindow(dlg.m_hWnd);
  EXPECT_EQ((std::vector<UINT>{IDCANCEL}), dlg.commands);
  EXPECT_TRUE(IsWindow(dlg.m_hWnd));
}

TEST_F(DialogTest, DataExchangeRoundTrip) {
  Open(kSimple);  // OnInitDialog loaded the members into the controls
  EXPECT_EQ(dlg.m_hWnd, ::GetParent(dlg.edit.m_hWnd));
  EXPECT_EQ(&dlg.edit, CWnd::FromHandlePermanent(GetDlgItem(dlg.m_hWnd, kEdit)));
  CString shown;
  dlg.GetDlgItemText(kNumber, shown);
  EXPECT_EQ("42", shown);
  EXPECT_EQ((UINT)BST_CHECKED, dlg.IsDlgButtonChecked(kCheck));

  dlg.edit.SetWindowText("");
  user::Type(dlg.edit.m_hWnd, "新的");
  dlg.SetDlgItemText(kNumber, " 17 ");
  user::ClickItem(dlg.m_hWnd, kCheck);
  ASSERT_TRUE(dlg.UpdateData(TRUE));
  EXPECT_EQ("新的", dlg.text);
  EXPECT_EQ(17, dlg.number);
  EXPECT_EQ(0, dlg.check);
}

TEST_F(DialogTest, FailedChecksShowABoxFocusTheControlAndReturnFalse) {
  Open(kSimple);
  dlg.SetDlgItemText(kNumber, "12x");
  EXPECT_FALSE(dlg.UpdateData(TRUE));
  EXPECT_EQ("请输入一个整数。", LastMessageBoxText());
  EXPECT_EQ(GetDlgItem(dlg.m_hWnd, kNumber), GetFocus());

  dlg.SetDlgItemText(kNumber, "1000");
  EXPECT_FALSE(dlg.UpdateData(TRUE));
  EXPECT_EQ("请输入一个在 0 和 999 之间的整数。", LastMessageBoxText());

  dlg.SetDlgItemText(kNumber, "5");
  dlg.maxChars = 3;
  dlg.edit.SetWindowText("四个字符");
  EXPECT_FALSE(dlg.UpdateData(TRUE));
  EXPECT_EQ("请输入不超过 3 个字符。", LastMessageBoxText());
  EXPECT_EQ(dlg.edit.m_hWnd, GetFocus());
  EXPECT_EQ(3u, MessageBoxesShown().size());
}

TEST_F(DialogTest, MaxCharsLimitsTheEditWhenLoading) {
  dlg.maxChars = 4;
  Open(kSimple);
  EXPECT_EQ(4u, dlg.edit.GetLimitText());
}

TEST_F(DialogTest, RadioExchangeSkipsOtherControlsInTheGroup) {
  dlg.exchangeRadios = true;
  dlg.radio = 2;
  Open(kRadios);  // kRadio3 is the third radio; the static between does not count
  EXPECT_EQ((UINT)BST_CHECKED, dlg.IsDlgButtonChecked(kRadio3));
  EXPECT_EQ((UINT)BST_UNCHECKED, dlg.IsDlgButtonChecked(kRadio1));
  user::ClickItem(dlg.m_hWnd, kRadio2);
  EXPECT_EQ((UINT)BST_UNCHECKED, dlg.IsDlgButtonChecked(kRadio3));
  ASSERT_TRUE(dlg.UpdateData(TRUE));
  EXPECT_EQ(1, dlg.radio);

  dlg.radio = 7;  // out of range: none checked
  dlg.UpdateData(FALSE);
  for (int id : {kRadio1, kRadio2, kRadio3}) EXPECT_EQ((UINT)BST_UNCHECKED, dlg.IsDlgButtonChecked(id));
  dlg.UpdateData(TRUE);
  EXPECT_EQ(-1, dlg.radio);
}

TEST_F(DialogTest, DialogItemHelpers) {
  dlg.exchange = false;
  Open(kRadios);
  dlg.CheckRadioButton(kRadio1, kRadio3, kRadio2);
  EXPECT_EQ(kRadio2, dlg.GetCheckedRadioButton(kRadio1, kRadio3));
  CComboBox* combo = (CComboBox*)dlg.GetDlgItem(kCombo);
  ASSERT_TRUE(combo->IsKindOf(RUNTIME_CLASS(CComboBox)));
  combo->AddString("一");
  combo->AddString("二");
  int index = 1;
  CDataExchange load(&dlg, FALSE);
  DDX_CBIndex(&load, kCombo, index);
  EXPECT_EQ(1, combo->GetCurSel());

  BOOL ok = TRUE;
  dlg.SetDlgItemText(kCombo, "二");
  dlg.SetDlgItemInt(kRadio1, (UINT)-12);
  EXPECT_EQ((UINT)-12, dlg.GetDlgItemInt(kRadio1, &ok));
  EXPECT_TRUE(ok);
  dlg.SetDlgItemText(kRadio1, "3000000000");
  dlg.GetDlgItemInt(kRadio1, &ok);  // beyond a signed int
  EXPECT_FALSE(ok);
  EXPECT_EQ(3000000000u, dlg.GetDlgItemInt(kRadio1, &ok, FALSE));
  EXPECT_TRUE(ok);

  CButton mine;
  EXPECT_TRUE(mine.SubclassDlgItem(kRadio3, &dlg));
  CButton second;
  EXPECT_FALSE(second.SubclassDlgItem(kRadio3, &dlg));  // one object per window
  EXPECT_EQ(&mine, CWnd::FromHandle(GetDlgItem(dlg.m_hWnd, kRadio3)));
}

TEST_F(DialogTest, TemplateGeometryUsesFixedDialogUnits) {
  Open(kSimple);
  CRect r;
  dlg.GetDlgItem(kNumber)->GetWindowRect(&r);
  CRect d;
  dlg.GetWindowRect(&d);
  EXPECT_EQ(CRect(15, 45, 135, 63), CRect(r.left - d.left, r.top - d.top, r.right - d.left, r.bottom - d.top));
  EXPECT_EQ(300, d.Width());
  EXPECT_EQ(150, d.Height());
}

}  // namespace
