// The create page's member list: typed numbers, the 127-row limit, duplicates, the user's own
// number, deleting, the members handed to the conference window on OK, and emptying.
#include "confwindow/DlgDataConf.h"
#include "protocol/HostBlocks.h"
#include "tests/setup/MemberFixture.h"

namespace tavtest {
namespace {

namespace user = platform::user;

class MembersTest : public MemberTest {
 protected:
  void SetUp() override {
    MemberTest::SetUp();
    HostAnswersRights(200);
  }
  std::vector<std::string> Boxes() {
    std::vector<std::string> texts;
    for (const auto& box : MessageBoxesShown()) texts.push_back(box.text.str());
    return texts;
  }
  HWND List() { return CreatePage()->m_listMembers.m_hWnd; }
};

// ---- Typed numbers ----

TEST_F(MembersTest, BothSemicolonsSeparateAndEmptyTokensAreSkipped) {
  AddTyped("66880001；;66880002");
  EXPECT_EQ((Rows{{"66880001", "66880001"}, {"66880002", "66880002"}}), MemberRows());
  EXPECT_EQ("", Entry().str());
  EXPECT_TRUE(Boxes().empty());
  EXPECT_FALSE(Module()->m_bAddingMember);
}

TEST_F(MembersTest, OnlyAWholeFullWidthSemicolonSeparates) {
  // "埃" ends in A3 and "欢" begins with BB: together they hold the bytes of "；" but not the
  // character, so "埃欢" is one (invalid) number.
  AddTyped("埃欢；66880003");
  EXPECT_EQ((Rows{{"66880003", "66880003"}}), MemberRows());
  EXPECT_EQ("埃欢", Entry().str());
  EXPECT_EQ((std::vector<std::string>{"请输入正确的成员号码！"}), Boxes());
}

TEST_F(MembersTest, AddressesAreListedAsUserAtHostWithTheUserPartAsName) {
  AddTyped("sip:80002001@ims.example.cn;80002002@ims.example.cn");
  EXPECT_EQ((Rows{{"80002001", "80002001@ims.example.cn"}, {"80002002", "80002002@ims.example.cn"}}), MemberRows());
  EXPECT_TRUE(RightQueries().empty());  // directory members need no query
}

TEST_F(MembersTest, EmptyEntryIsRefused) {
  EXPECT_TRUE(Click(CreatePage(), IDC_BTN_ADD_NUMBER));
  EXPECT_EQ("请输入成员号码！", LastBox());
}

TEST_F(MembersTest, InvalidNumbersStayInTheEntryForCorrection) {
  AddTyped("12ab;66880001;x y");
  EXPECT_EQ((std::vector<std::string>{"请输入正确的成员号码！", "请输入正确的成员号码！"}), Boxes());
  EXPECT_EQ(1u, MemberRows().size());
  EXPECT_EQ("12ab;x y", Entry().str());
}

TEST_F(MembersTest, DuplicatesAreRefusedButPlainTelephoneNumbersNever) {
  AddTyped("80002001@ims.example.cn;66880001");
  AddTyped("sip:80002001@ims.example.cn;66880001");
  EXPECT_EQ((std::vector<std::string>{"号码80002001@ims.example.cn已经存在！"}), Boxes());
  EXPECT_EQ(3u, MemberRows().size());
  EXPECT_EQ("", Entry().str());
}

TEST_F(MembersTest, ANumberWithAnExtensionIsFoundListedInItsDialledForm) {
  AddTyped("66001000,8123");
  AddTyped("66001000,8123");
  EXPECT_EQ((Rows{{"66001000,8123", "66001000,8123"}}), MemberRows());
  EXPECT_EQ("号码66001000,8123已经存在！", LastBox());
}

TEST_F(MembersTest, OwnNumberOnlyWhereTheSettingsAllowIt) {
  VzData().states.iCallMySelfType = 0;
  AddTyped("80001234@ims.example.cn;13800001234");
  EXPECT_EQ((std::vector<std::string>{"不能添加自己！", "不能添加自己！"}), Boxes());
  EXPECT_EQ("", Entry().str());
  EXPECT_TRUE(MemberRows().empty());
  // Type 3: by the own telephone numbers only.
  VzData().states.iCallMySelfType = 3;
  AddTyped("80001234@ims.example.cn;13800001234");
  EXPECT_EQ((Rows{{"13800001234", "13800001234"}}), MemberRows());
}

TEST_F(MembersTest, TheListHoldsAtMost127RowsAndKeepsTheRestInTheEntry) {
  TypeMembers(CreatePage(), 125);
  AddTyped("66880001;66880002;abc;66880003");
  EXPECT_EQ(127u, MemberRows().size());
  EXPECT_EQ("会议初始成员数太多！", LastBox());
  EXPECT_EQ("abc;66880003", Entry().str());
  AddTyped("66880004");
  EXPECT_EQ(127u, MemberRows().size());
  EXPECT_EQ("66880004", Entry().str());
}

TEST_F(MembersTest, ARefusedRightDropsTheNumberSilently) {
  HostAnswersRights(403);
  InEveryDialog([this](HWND dialog) {
    AnswerRight(403, "");
    user::ClickItem(dialog, IDC_RIGHT_CLOSE);
  });
  AddTyped("66880001;abc");
  EXPECT_TRUE(MemberRows().empty());
  EXPECT_EQ("abc", Entry().str());
  EXPECT_EQ((std::vector<std::string>{"请输入正确的成员号码！"}), Boxes());
}

TEST_F(MembersTest, SigningOutStopsAddingAndLeavesTheEntryAsTyped) {
  bool addingDuringQuery = false;
  InEveryDialog([&](HWND) {
    HostStatusBlock status{};
    Deliver(kModuleStatusQuery, status);
    addingDuringQuery = status.bMemberAdding;
    VzData().states.bStartLogout = TRUE;
    AnswerRight(200, "");
  });
  AddTyped("66880001;66880002");
  EXPECT_TRUE(addingDuringQuery);
  EXPECT_TRUE(MemberRows().empty());
  EXPECT_EQ("66880001;66880002", Entry().str());
  EXPECT_EQ(1u, RightQueries().size());
  EXPECT_FALSE(Module()->m_bAddingMember);
}

TEST_F(MembersTest, NumbersFromTheHostAreAddedQuietlyExceptForTheLimit) {
  VzData().states.iCallMySelfType = 0;
  SetField(CreatePage(), IDC_NUMBER_ENTRY, "typed");
  EXPECT_TRUE(CreatePage()->AddMemberNumbers("bad!;66880001；66880002;80001234@ims.example.cn;66880001"));
  // Only ';' separates here, so "66880001；66880002" is one invalid number.
  EXPECT_EQ((Rows{{"66880001", "66880001"}}), MemberRows());
  EXPECT_TRUE(Boxes().empty());
  EXPECT_EQ("typed", Entry().str());
  TypeMembers(CreatePage(), 126);
  EXPECT_FALSE(CreatePage()->AddMemberNumbers("66880003;66880004"));
  EXPECT_EQ((std::vector<std::string>{"会议初始成员数太多！"}), Boxes());
}

// ---- Selecting and deleting ----

TEST_F(MembersTest, SelectingARowEnablesDeleteAndDeleteRemovesIt) {
  AddTyped("66880001;66880002;66880003");
  EXPECT_FALSE(Enabled(CreatePage(), IDC_BTN_DELETE));
  EXPECT_TRUE(user::ClickListItem(List(), 1));
  EXPECT_TRUE(Enabled(CreatePage(), IDC_BTN_DELETE));
  EXPECT_FALSE(Enabled(CreatePage(), IDC_BTN_ADD));
  EXPECT_TRUE(Click(CreatePage(), IDC_BTN_DELETE));
  EXPECT_EQ((Rows{{"66880001", "66880001"}, {"66880003", "66880003"}}), MemberRows());
  EXPECT_EQ(2, CreatePage()->m_iRowCounter);
  EXPECT_TRUE(user::DoubleClickListItem(List(), 0));
  EXPECT_EQ((Rows{{"66880003", "66880003"}}), MemberRows());
  // New rows go after the remaining ones.
  AddTyped("66880004");
  EXPECT_EQ((Rows{{"66880003", "66880003"}, {"66880004", "66880004"}}), MemberRows());
}

// ---- OK and emptying ----

TEST_F(MembersTest, OkHandsTheNormalisedNumbersToTheConferenceWindow) {
  SetDefaults("周会", 10, 60, 5, "1234");
  HostAllows(1);
  HostTakesRequests(1);
  AddTyped("80002001@ims.example.cn;66880001");
  EXPECT_TRUE(Click(CreatePage(), IDOK));
  ASSERT_EQ(2, Conf()->m_saInitMembers.GetSize());
  EXPECT_EQ("sip:80002001@ims.example.cn", Conf()->m_saInitMembers[0].str());
  EXPECT_EQ("tel:66880001", Conf()->m_saInitMembers[1].str());
}

TEST_F(MembersTest, HidingTheStartWindowEmptiesTheList) {
  AddTyped("66880001;66880002");
  EXPECT_TRUE(Click(CreatePage(), IDCANCEL));
  Pump();
  EXPECT_FALSE(Visible(Start()));
  EXPECT_TRUE(MemberRows().empty());
  EXPECT_EQ(0, CreatePage()->m_iRowCounter);
}

}  // namespace
}  // namespace tavtest
