// The extension-digits and chair-password dialogs, run by the conference window.
#include <gtest/gtest.h>

#include "module/TavorineModule.h"
#include "platform/ui/Controls.h"
#include "setup/DlgDialExtension.h"
#include "setup/DlgInputPassword.h"
#include "tests/setup/InputDialogsFixture.h"
#include "vezadazavo/VezadaZavo.h"

namespace tavtest {
namespace {

const char kMember[] = "sip:80002001@ims.example.cn";

class DialExtensionTest : public InputDialogTest {
 protected:
  void SetUp() override {
    InputDialogTest::SetUp();
    DeliverStatus(kStatisMembers, "sip:conf001@ims.example.cn", 2, 0, {{kMember, kMemberConnected, 17}});
  }
};

TEST_F(DialExtensionTest, EmptyDigitsAreRefusedThenSentAsSubType10) {
  UserSteps({Enter({{IDC_EXTENSION_EDIT, ""}}), Enter({{IDC_EXTENSION_EDIT, "8023"}})});
  ASSERT_TRUE(conf_->DialExtension(kMember));
  EXPECT_EQ(std::vector<std::string>{"请输入二次拨号号码！"}, Boxes());
  EXPECT_EQ(GetMsgTitle(), MessageBoxesShown()[0].caption);
  ASSERT_EQ(1u, Host().ConfMethodRecords(1).size());
  const ConfMethodRecord* sent = Host().ConfMethod1(0);
  int subType = sent->iSubType, memberID = sent->iMemberID;
  EXPECT_EQ(kConfExtension, subType);
  EXPECT_STREQ("sip:conf001@ims.example.cn", sent->szConfURI);
  EXPECT_STREQ(kMember, sent->szMemberURI);
  EXPECT_EQ(17, memberID);
  EXPECT_STREQ("8023", sent->szExtension);
  EXPECT_EQ(nullptr, Module()->m_pActiveCommonDlg);
}

TEST_F(DialExtensionTest, CancelOrUnknownMemberSendsNothing) {
  UserSteps({[](HWND dialog) { platform::user::ClickItem(dialog, IDCANCEL); }});
  EXPECT_FALSE(conf_->DialExtension(kMember));
  EXPECT_FALSE(conf_->DialExtension("sip:nobody@ims.example.cn"));
  EXPECT_TRUE(Host().ConfMethodRecords(1).empty());
}

// The user types: only digits reach the edit, and at most 16 of them.
TEST_F(DialExtensionTest, EditTakesDigitsOnlyUpToSixteen) {
  CString typed;
  UserSteps({[&typed](HWND dialog) {
    HWND edit = ::GetDlgItem(dialog, IDC_EXTENSION_EDIT);
    platform::user::Type(edit, "12a3,45678901234567890");
    CWnd::FromHandle(edit)->GetWindowText(typed);
    platform::user::ClickItem(dialog, IDOK);
  }});
  ASSERT_TRUE(conf_->DialExtension(kMember));
  EXPECT_EQ(CString("1234567890123456"), typed);
  EXPECT_STREQ("1234567890123456", Host().ConfMethod1(0)->szExtension);
}

// The host's request to close pop-ups ends the running dialog.
TEST_F(DialExtensionTest, HostClosesTheRunningDialog) {
  UserSteps({[this](HWND) { Module()->ClosePopupDialogs(); }});
  EXPECT_FALSE(conf_->DialExtension(kMember));
  EXPECT_EQ(0, leftOpen_);
}

class InputPasswordTest : public InputDialogTest {};

TEST_F(InputPasswordTest, CaptionIsThePrompt) {
  CString caption;
  UserSteps({[&caption](HWND dialog) {
    CWnd::FromHandle(dialog)->GetWindowText(caption);
    platform::user::ClickItem(dialog, IDCANCEL);
  }});
  CString password;
  EXPECT_FALSE(conf_->AskChairPassword(&password));
  EXPECT_EQ(CString("Please Input String"), caption);
}

TEST_F(InputPasswordTest, EmptyPasswordIsRefusedWithFocusOnTheFirstEdit) {
  HWND focus = nullptr, first = nullptr;
  UserSteps({Enter({{IDC_PASSWORD_EDIT, ""}, {IDC_PASSWORD_CONFIRM, "123"}}),
             [&](HWND dialog) {
               focus = ::GetFocus();
               first = ::GetDlgItem(dialog, IDC_PASSWORD_EDIT);
               platform::user::ClickItem(dialog, IDCANCEL);
             }});
  EXPECT_FALSE(conf_->AskChairPassword(nullptr));
  EXPECT_EQ(std::vector<std::string>{"请输入密码！"}, Boxes());
  EXPECT_EQ(first, focus);
}

TEST_F(InputPasswordTest, DifferentPasswordsEmptyBothEdits) {
  CString left, right;
  UserSteps({Enter({{IDC_PASSWORD_EDIT, "1234"}, {IDC_PASSWORD_CONFIRM, "1235"}}),
             [&](HWND dialog) {
               CWnd* wnd = CWnd::FromHandle(dialog);
               wnd->GetDlgItemText(IDC_PASSWORD_EDIT, left);
               wnd->GetDlgItemText(IDC_PASSWORD_CONFIRM, right);
               platform::user::ClickItem(dialog, IDCANCEL);
             }});
  EXPECT_FALSE(conf_->AskChairPassword(nullptr));
  EXPECT_EQ(std::vector<std::string>{"两次输入密码不同,请重新输入！"}, Boxes());
  EXPECT_TRUE(left.IsEmpty());
  EXPECT_TRUE(right.IsEmpty());
}

TEST_F(InputPasswordTest, BlanksAtEitherEndDoNotCount) {
  UserSteps({Enter({{IDC_PASSWORD_EDIT, "  1234"}, {IDC_PASSWORD_CONFIRM, "1234 "}})});
  CString password;
  ASSERT_TRUE(conf_->AskChairPassword(&password));
  EXPECT_EQ(CString("1234"), password);
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(InputPasswordTest, BlanksTypedTwiceGiveAnEmptyPassword) {
  UserSteps({Enter({{IDC_PASSWORD_EDIT, "   "}, {IDC_PASSWORD_CONFIRM, " "}})});
  CString password = "x";
  ASSERT_TRUE(conf_->AskChairPassword(&password));
  EXPECT_TRUE(password.IsEmpty());
}

TEST_F(InputPasswordTest, EditsHideWhatIsTyped) {
  DWORD first = 0, second = 0;
  UserSteps({[&](HWND dialog) {
    first = ::GetWindowLong(::GetDlgItem(dialog, IDC_PASSWORD_EDIT), GWL_STYLE);
    second = ::GetWindowLong(::GetDlgItem(dialog, IDC_PASSWORD_CONFIRM), GWL_STYLE);
    platform::user::ClickItem(dialog, IDCANCEL);
  }});
  conf_->AskChairPassword(nullptr);
  EXPECT_TRUE(first & ES_PASSWORD);
  EXPECT_TRUE(second & ES_PASSWORD);
}

}  // namespace
}  // namespace tavtest
