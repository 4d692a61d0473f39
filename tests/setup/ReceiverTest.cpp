// The receiver chooser: one row per address of a contact, the picked rows' addresses and names
// as two comma-separated texts, and the create page adding what was picked.
#include "common/UriParts.h"
#include "platform/ui/ListCtrl.h"
#include "setup/DlgSelectReceiver.h"
#include "tests/setup/MemberFixture.h"

namespace tavtest {
namespace {

namespace user = platform::user;

class ReceiverTest : public MemberTest {
 protected:
  void SetUp() override {
    MemberTest::SetUp();
    VzData().phoneBook = {
        Contact("李娜", "sip:80005678@ims.example.cn", "66005678", "02566005678", "13700005678", "013700005678",
                "02566009999"),
        Contact("", "sip:80009999@ims.example.cn", "", "", "", "", ""),
        Contact("空", "", "", "", "", "", "02566000000"),  // no address, no phone: not listed
        Contact("传真", "", "fax-line", "", "", "", ""),
    };
  }

  // Runs the chooser as the create page does; `act` picks rows and ends it.
  INT_PTR RunChooser(CDlgSelectReceiver& chooser, std::function<void(HWND list, HWND dialog)> act) {
    InEveryDialog([act](HWND dialog) { act(::GetDlgItem(dialog, IDC_RECEIVER_LIST), dialog); });
    return chooser.DoModal();
  }
  static Rows ListRows(HWND list) {
    CListCtrl* ctrl = (CListCtrl*)CWnd::FromHandle(list);
    Rows rows;
    for (int i = 0; i < ctrl->GetItemCount(); ++i) rows.push_back({ctrl->GetItemText(i, 0).str(), ctrl->GetItemText(i, 1).str()});
    return rows;
  }
  static void PickWithCtrl(HWND list, std::initializer_list<int> rows) {
    user::HoldKey(VK_CONTROL, true);
    for (int row : rows) EXPECT_TRUE(user::ClickListItem(list, row));
    user::HoldKey(VK_CONTROL, false);
  }
};

TEST_F(ReceiverTest, EveryAddressOfAContactIsARowNamedOnlyInTheFirst) {
  CDlgSelectReceiver chooser(CreatePage());
  chooser.m_bWholeNumber = TRUE;
  Rows rows;
  CString hint;
  RunChooser(chooser, [&](HWND list, HWND dialog) {
    rows = ListRows(list);
    hint = ItemText(CWnd::FromHandle(dialog), IDC_RECEIVER_HINT);
    user::ClickItem(dialog, IDCANCEL);
  });
  EXPECT_EQ((Rows{{"李娜", "80005678@ims.example.cn"},
                  {"", "02566009999"},
                  {"", "02566005678"},
                  {"", "013700005678"},
                  {"80009999", "80009999@ims.example.cn"},
                  {"传真", "fax-line"}}),
            rows);
  EXPECT_EQ("提示:按住Ctrl或Shift键选择多个联系人", hint.str());
}

TEST_F(ReceiverTest, PhoneNumbersShowAsStoredWithoutTheWholeForm) {
  CDlgSelectReceiver chooser(CreatePage());
  Rows rows;
  RunChooser(chooser, [&](HWND list, HWND dialog) {
    rows = ListRows(list);
    user::ClickItem(dialog, IDCANCEL);
  });
  ASSERT_GE(rows.size(), 4u);
  EXPECT_EQ("66005678", rows[2].second);
  EXPECT_EQ("13700005678", rows[3].second);
}

TEST_F(ReceiverTest, ALaterRowTakesTheContactsNameFromItsFirstRow) {
  CDlgSelectReceiver chooser(CreatePage());
  chooser.m_bWholeNumber = TRUE;
  INT_PTR result = RunChooser(chooser, [](HWND list, HWND dialog) {
    EXPECT_TRUE(user::ClickListItem(list, 3));
    user::ClickItem(dialog, IDOK);
  });
  EXPECT_EQ(IDOK, result);
  EXPECT_EQ("013700005678", chooser.m_csNumbers.str());
  EXPECT_EQ("李娜", chooser.m_csNames.str());
}

TEST_F(ReceiverTest, SeveralPickedRowsAreJoinedWithCommasAndUnusableAddressesLeftOut) {
  CDlgSelectReceiver chooser(CreatePage());
  RunChooser(chooser, [](HWND list, HWND dialog) {
    PickWithCtrl(list, {0, 5, 4});
    user::ClickItem(dialog, IDOK);
  });
  EXPECT_EQ("80005678@ims.example.cn,80009999@ims.example.cn", chooser.m_csNumbers.str());
  EXPECT_EQ("李娜,80009999", chooser.m_csNames.str());
}

TEST_F(ReceiverTest, OkWithNothingOrNothingUsablePickedEndsWithEmptyResults) {
  CDlgSelectReceiver none(CreatePage());
  EXPECT_EQ(IDOK, RunChooser(none, [](HWND, HWND dialog) { user::ClickItem(dialog, IDOK); }));
  EXPECT_TRUE(none.m_csNumbers.IsEmpty());
  CDlgSelectReceiver unusable(CreatePage());
  EXPECT_EQ(IDOK, RunChooser(unusable, [](HWND list, HWND dialog) {
              user::ClickListItem(list, 5);
              user::ClickItem(dialog, IDOK);
            }));
  EXPECT_TRUE(unusable.m_csNumbers.IsEmpty());
  EXPECT_TRUE(unusable.m_csNames.IsEmpty());
}

TEST_F(ReceiverTest, DoubleClickTakesThatRowAlone) {
  CDlgSelectReceiver chooser(CreatePage());
  EXPECT_EQ(IDOK, RunChooser(chooser, [](HWND list, HWND) { EXPECT_TRUE(user::DoubleClickListItem(list, 1)); }));
  EXPECT_EQ("02566009999", chooser.m_csNumbers.str());
  EXPECT_EQ("李娜", chooser.m_csNames.str());
}

TEST_F(ReceiverTest, SingleSelectionSaysSoAndColumnClicksChangeNothing) {
  CDlgSelectReceiver chooser(CreatePage());
  chooser.m_bMultiSelect = FALSE;
  Rows before, after;
  CString hint;
  RunChooser(chooser, [&](HWND list, HWND dialog) {
    hint = ItemText(CWnd::FromHandle(dialog), IDC_RECEIVER_HINT);
    before = ListRows(list);
    user::ClickListColumn(list, 1);
    after = ListRows(list);
    PickWithCtrl(list, {0, 4});
    user::ClickItem(dialog, IDOK);
  });
  EXPECT_EQ("提示：不允许多选！", hint.str());
  EXPECT_EQ(before, after);
  EXPECT_EQ("80009999@ims.example.cn", chooser.m_csNumbers.str());
}

// ---- The create page's phone book ----

TEST_F(ReceiverTest, CreatePageAddsThePickedContactsAfterTheirRightsCheck) {
  VzData().phoneBook[0].iRightFlag = 1;
  InEveryDialog([this](HWND dialog) {
    if (dialog == QueryWindow()) {
      AnswerRight(200, "");
      return;
    }
    EXPECT_EQ(dialog, Module()->m_pActiveCommonDlg->m_hWnd);
    HWND list = ::GetDlgItem(dialog, IDC_RECEIVER_LIST);
    PickWithCtrl(list, {0, 4});
    user::ClickItem(dialog, IDOK);
  });
  EXPECT_TRUE(Click(CreatePage(), IDC_BTN_PHONEBOOK));
  EXPECT_EQ((Rows{{"李娜", "80005678@ims.example.cn"}, {"80009999", "80009999@ims.example.cn"}}), MemberRows());
  // The flagged contact went in at once; the other was asked about.
  EXPECT_EQ((std::vector<std::string>{"sip:80009999@ims.example.cn"}), RightQueries());
  EXPECT_EQ(nullptr, Module()->m_pActiveCommonDlg);

  // Picking a listed address again: "号码%s已经存在！" and no second row.
  InEveryDialog([](HWND dialog) {
    user::ClickListItem(::GetDlgItem(dialog, IDC_RECEIVER_LIST), 0);
    user::ClickItem(dialog, IDOK);
  });
  EXPECT_TRUE(Click(CreatePage(), IDC_BTN_PHONEBOOK));
  EXPECT_EQ("号码80005678@ims.example.cn已经存在！", LastBox());
  EXPECT_EQ(2u, MemberRows().size());
}

TEST_F(ReceiverTest, HostClosingPopupsEndsTheChooserWithNothingAdded) {
  InEveryDialog([this](HWND) { Module()->ClosePopupDialogs(); });
  EXPECT_TRUE(Click(CreatePage(), IDC_BTN_PHONEBOOK));
  EXPECT_TRUE(MemberRows().empty());
  EXPECT_EQ(nullptr, Module()->m_pActiveCommonDlg);
}

TEST_F(ReceiverTest, FullListRefusesThePhoneBookBeforeTheChooserOpens) {
  TypeMembers(CreatePage(), 127);
  bool opened = false;
  InEveryDialog([&](HWND dialog) {
    opened = true;
    user::ClickItem(dialog, IDCANCEL);
  });
  EXPECT_TRUE(Click(CreatePage(), IDC_BTN_PHONEBOOK));
  EXPECT_FALSE(opened);
  EXPECT_EQ("会议初始成员数太多！", LastBox());
}

}  // namespace
}  // namespace tavtest
