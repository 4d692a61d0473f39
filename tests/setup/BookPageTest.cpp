// The book page's member list, its chair row, the members' notice entries, the typed notice
// numbers and the page's reset.
#include "platform/ui/Desktop.h"
#include "platform/ui/Menu.h"
#include "protocol/HostBlocks.h"
#include "setup/MemberIds.h"
#include "tests/setup/BookPageFixture.h"
#include "tests/setup/TreeFinder.h"
#include "vezadazavo/VezadaZavo.h"

namespace tavtest {
namespace {

using Texts = std::vector<std::string>;

TEST_F(BookPageTest, TypedNumbersSplitAtBothSemicolonsAndTakeTheNoticeAddresses) {
  std::string typed = std::string(kLiuYang) + ";" + kChenJing + "；" + kSunLi;
  ASSERT_TRUE(AddTyped(typed.c_str()));
  EXPECT_TRUE(Boxes().empty());
  ASSERT_EQ(3, Pre()->GetMemberCount());
  EXPECT_EQ((Texts{"80002001", kLiuYang, "否"}), Row(0));
  EXPECT_EQ((Texts{"80003001", kSunLi, "否"}), Row(2));
  ASSERT_EQ(3, Pre()->NoticeEntries().GetCount());
  EXPECT_EQ("13600002001", Entry(0).csSmsNumber.str());
  EXPECT_EQ("liuyang@example.cn", Entry(0).csEmail.str());
  EXPECT_EQ("", Entry(2).csEmail.str());
  EXPECT_FALSE(Entry(0).bSmsChair || Entry(0).bEmailChair);
  EXPECT_FALSE(Module()->m_bAddingMember);
}

TEST_F(BookPageTest, AnUncheckedBoxLeavesLaterMembersWithoutThatAddress) {
  ASSERT_TRUE(AddTyped(kLiuYang));
  ASSERT_TRUE(Click(Pre(), IDC_PRE_SMS_CHECK));
  ASSERT_TRUE(AddTyped(kChenJing));
  EXPECT_EQ("13600002001", Entry(0).csSmsNumber.str()) << "members added before keep theirs";
  EXPECT_EQ("", Entry(1).csSmsNumber.str());
  EXPECT_EQ("chenjing@example.cn", Entry(1).csEmail.str());
}

TEST_F(BookPageTest, RefusalsOfTypedNumbers) {
  ASSERT_TRUE(AddTyped(""));
  EXPECT_EQ("请输入成员号码！", LastBox());
  ASSERT_TRUE(AddTyped(kLiuYang));
  std::string twice = std::string("hello;") + kLiuYang;
  ASSERT_TRUE(AddTyped(twice.c_str()));
  EXPECT_EQ((Texts{"请输入成员号码！", "请输入正确的成员号码！", std::string("成员") + kLiuYang + "已经存在！"}), Boxes());
  EXPECT_EQ(1, Pre()->GetMemberCount());
  EXPECT_EQ(1, Pre()->NoticeEntries().GetCount());
  EXPECT_EQ("hello", NumberEntry()) << "only the number to correct stays in the entry";
}

TEST_F(BookPageTest, TheListHoldsAtMost127Rows) {
  TypeMembers(Pre(), 126);
  ASSERT_TRUE(AddTyped(kLiuYang));
  EXPECT_EQ(127, Pre()->GetMemberCount());
  EXPECT_TRUE(Boxes().empty());
  EXPECT_EQ("", NumberEntry());
  ASSERT_TRUE(AddTyped(kChenJing));
  EXPECT_EQ("预约会议初始成员数最多127个！", LastBox());
  EXPECT_EQ(127, Pre()->GetMemberCount());
  EXPECT_EQ(127, Pre()->NoticeEntries().GetCount());
  EXPECT_EQ(kChenJing, NumberEntry());
}

TEST_F(BookPageTest, TheLimitKeepsTheNumberThatDidNotFitAndThoseAfterIt) {
  TypeMembers(Pre(), 126);
  std::string typed = std::string("hello;") + kLiuYang + ";" + kChenJing + "；" + kSunLi;
  ASSERT_TRUE(AddTyped(typed.c_str()));
  EXPECT_EQ(127, Pre()->GetMemberCount());
  EXPECT_EQ((Texts{"请输入正确的成员号码！", "预约会议初始成员数最多127个！"}), Boxes());
  EXPECT_EQ(std::string("hello;") + kChenJing + ";" + kSunLi, NumberEntry());
}

TEST_F(BookPageTest, PhoneBookContactsAreAddedWithTheirNoticeAddresses) {
  auto pickFirst = [this] {
    OnceInModal(platform::ModalKind::Dialog, [](const platform::ModalState& state) {
      platform::user::ClickListItem(::GetDlgItem(state.window, IDC_RECEIVER_LIST), 0);
      platform::user::ClickItem(state.window, IDOK);
    });
    return Click(Pre(), IDC_PRE_PHONEBOOK);
  };
  ASSERT_TRUE(pickFirst());
  ASSERT_EQ(1, Pre()->GetMemberCount());
  EXPECT_EQ((Texts{"李娜", "80005678@ims.example.cn", "否"}), Row(0));
  EXPECT_EQ("013700005678", Entry(0).csSmsNumber.str());
  EXPECT_EQ("lina@example.cn", Entry(0).csEmail.str());
  EXPECT_EQ(nullptr, Module()->m_pActiveCommonDlg);
  ASSERT_TRUE(pickFirst());
  EXPECT_EQ("号码80005678@ims.example.cn已经存在！", LastBox());
  EXPECT_EQ(1, Pre()->GetMemberCount());
}

// As on the create page: a plain telephone number may be listed twice, and a full list stops
// before the host is asked about a member.
TEST_F(BookPageTest, PhoneBookTelephoneNumbersRepeatAndTheLimitComesBeforeTheRightsQuery) {
  PHONEBOOK_INFO contact;
  contact.csName = "传真";
  contact.csPhone1 = contact.csPhone1Whole = "66001111";
  VzData().phoneBook = {contact};
  auto pickFirst = [this] {
    platform::Desktop::SetModalHook([this](const platform::ModalState& state) {
      if (state.kind != platform::ModalKind::Dialog || state.idlePasses) return;
      if (::GetDlgItem(state.window, IDC_RECEIVER_LIST)) {
        platform::user::ClickListItem(::GetDlgItem(state.window, IDC_RECEIVER_LIST), 0);
        platform::user::ClickItem(state.window, IDOK);
      } else {  // the member-right query
        HostMemberRightAnswerBlock block{200, "", 0};
        Deliver(kModuleMemberRightAnswer, block);
      }
    });
    return Click(Pre(), IDC_PRE_PHONEBOOK);
  };
  ASSERT_TRUE(pickFirst());
  ASSERT_TRUE(pickFirst());
  EXPECT_EQ(2, Pre()->GetMemberCount());
  EXPECT_TRUE(Boxes().empty());
  size_t queries = Host().EventsWithCode(kHostMemberRightQuery).size();
  EXPECT_EQ(2u, queries);
  TypeMembers(Pre(), 125);
  ASSERT_TRUE(pickFirst());
  EXPECT_EQ("预约会议初始成员数最多127个！", LastBox());
  EXPECT_EQ(127, Pre()->GetMemberCount());
  EXPECT_EQ(queries, Host().EventsWithCode(kHostMemberRightQuery).size());
}

TEST_F(BookPageTest, OneChairRowWhoseNoticeAddressesAloneAreFlagged) {
  std::string typed = std::string(kLiuYang) + ";" + kChenJing;
  ASSERT_TRUE(AddTyped(typed.c_str()));
  HWND list = Item(IDC_MEMBER_LIST);
  ASSERT_TRUE(platform::user::DoubleClickListItem(list, 0));
  EXPECT_EQ("是", Row(0)[2]);
  EXPECT_TRUE(Entry(0).bSmsChair && Entry(0).bEmailChair);

  ASSERT_TRUE(platform::user::DoubleClickListItem(list, 1));
  EXPECT_EQ("否", Row(0)[2]);
  EXPECT_EQ("是", Row(1)[2]);
  EXPECT_FALSE(Entry(0).bSmsChair || Entry(0).bEmailChair);
  EXPECT_TRUE(Entry(1).bSmsChair && Entry(1).bEmailChair);

  // The chair row's menu offers only "设置为成员(E)", which makes it a member again.
  OnceInModal(platform::ModalKind::Menu, [](const platform::ModalState&) { platform::Menus::Choose(ID_PRE_SET_MEMBER); });
  ASSERT_TRUE(platform::user::ClickListItem(list, 1, true));
  const platform::MenuRecord& menu = platform::Menus::Shown().back();
  EXPECT_EQ(nullptr, menu.Find(ID_PRE_SET_CHAIR));
  EXPECT_NE(nullptr, menu.Find(ID_PRE_SET_MEMBER));
  EXPECT_EQ("否", Row(1)[2]);
  EXPECT_FALSE(Entry(1).bSmsChair || Entry(1).bEmailChair);

  // A member row's menu offers "设置为主席(&M)".
  OnceInModal(platform::ModalKind::Menu, [](const platform::ModalState&) { platform::Menus::Choose(ID_PRE_SET_CHAIR); });
  ASSERT_TRUE(platform::user::ClickListItem(list, 0, true));
  EXPECT_EQ(nullptr, platform::Menus::Shown().back().Find(ID_PRE_SET_MEMBER));
  EXPECT_EQ("是", Row(0)[2]);
  EXPECT_TRUE(Entry(0).bSmsChair);
}

TEST_F(BookPageTest, DeletingRowsTakesTheirNoticeEntries) {
  std::string typed = std::string(kLiuYang) + ";" + kChenJing + ";" + kSunLi;
  ASSERT_TRUE(AddTyped(typed.c_str()));
  ASSERT_TRUE(platform::user::ClickListItem(Item(IDC_MEMBER_LIST), 1));
  EXPECT_TRUE(Enabled(Pre(), IDC_BTN_DELETE));
  ASSERT_TRUE(Click(Pre(), IDC_BTN_DELETE));
  EXPECT_FALSE(Enabled(Pre(), IDC_BTN_DELETE));
  ASSERT_EQ(2, Pre()->GetMemberCount());
  EXPECT_EQ(kSunLi, Row(1)[1]);
  ASSERT_EQ(2, Pre()->NoticeEntries().GetCount());
  EXPECT_EQ(-1, [&] {
    CNoticeNumberList copy = Pre()->NoticeEntries();
    return copy.Find("80002002", kChenJing);
  }());
}

TEST_F(BookPageTest, TypedNoticeNumbers) {
  auto add = [&](const char* number) {
    TypeField(Pre(), IDC_PRE_NOTICE_NUMBER, number);
    return Click(Pre(), IDC_PRE_NOTICE_ADD);
  };
  ASSERT_TRUE(add(""));
  ASSERT_TRUE(add("139 0000"));
  ASSERT_TRUE(add("139{0000"));
  EXPECT_EQ((Texts{"请输入号码！", "请输入正确的号码！", "请输入正确的号码！"}), Boxes());
  ASSERT_TRUE(Click(Pre(), IDC_PRE_NOTICE_CHAIR));
  ASSERT_TRUE(add("13900001111"));
  ASSERT_TRUE(add("a@b.cn!z"));
  CListCtrl& list = Pre()->m_listNotices;
  ASSERT_EQ(2, list.GetItemCount());
  EXPECT_EQ("短信号码", list.GetItemText(0, 0).str());
  EXPECT_EQ("是", list.GetItemText(0, 1).str());
  EXPECT_EQ("13900001111", list.GetItemText(0, 2).str());
  ASSERT_TRUE(add("13900001111"));
  EXPECT_EQ("号码已经存在！", LastBox());

  OnceInModal(platform::ModalKind::Menu, [](const platform::ModalState&) { platform::Menus::Choose(ID_DELETE_ROWS); });
  ASSERT_TRUE(platform::user::ClickListItem(Item(IDC_PRE_NOTICE_LIST), 0, true));
  ASSERT_EQ(1, list.GetItemCount());
  EXPECT_EQ("a@b.cn!z", list.GetItemText(0, 2).str());
  EXPECT_EQ(0, Pre()->NoticeEntries().GetCount()) << "typed notice numbers are no member entries";
}

TEST_F(BookPageTest, ClosingTheStartWindowResetsThePage) {
  ASSERT_TRUE(AddTyped(kLiuYang));
  SetField(Pre(), IDC_PRE_SUBJECT, "临时");
  ASSERT_TRUE(Click(Pre(), IDC_PRE_SMS_CHECK));
  ASSERT_TRUE(Click(Pre(), IDCANCEL));
  Pump();
  EXPECT_FALSE(Visible(Start()));
  EXPECT_EQ(0, Pre()->GetMemberCount());
  EXPECT_EQ(0, Pre()->NoticeEntries().GetCount());
  // The fields show the module's defaults (hiding reloads them from the defaults file).
  const ConfDefaultData& defaults = Module()->m_confDefaultData;
  EXPECT_EQ(defaults.subject.IsEmpty() ? "新建会议" : defaults.subject.str(), ItemText(Pre(), IDC_PRE_SUBJECT).str());
  EXPECT_EQ(defaults.masterpwd.str(), ItemText(Pre(), IDC_PRE_CHAIR_PWD_AGAIN).str());
  EXPECT_TRUE(Pre()->IsDlgButtonChecked(IDC_PRE_SMS_CHECK));
  EXPECT_TRUE(Pre()->m_bLookUpSms);
}

// The start the user set stays while the start window lives; after the window was closed, the
// page proposes the present again when it is next shown, not the moment of the close.
TEST_F(BookPageTest, ThePickersProposeThePresentOnTheFirstShowAfterAReset) {
  ASSERT_TRUE(platform::user::SetDateTime(Item(IDC_START_DATE), CTime(2030, 3, 1, 10, 0, 0)));
  Start()->ShowPage(kPageCreate);
  Start()->ShowPage(kPageBook);
  EXPECT_EQ("2030-3-1", ItemText(Pre(), IDC_START_DATE).str());
  ASSERT_TRUE(Click(Pre(), IDCANCEL));
  Pump();
  Advance(2 * 24 * 3600 * 1000u);
  HostPageBlock page{kPageBook, nullptr, 0};
  ASSERT_EQ(1, Deliver(kModuleShowUIPage, page));
  CTime now = CTime::GetCurrentTime();
  CString today;
  today.Format("%d-%d-%d", now.GetYear(), now.GetMonth(), now.GetDay());
  EXPECT_EQ(today.str(), ItemText(Pre(), IDC_START_DATE).str());
}

// Defaults outside their ranges, as an older version could save them.
class BookPageOddDefaultsTest : public BookPageTest {
 protected:
  void SetUp() override {
    SetupTest::SetUp();
    SavedDefaults("", 0, 1000, -1, "");
    OpenUI();
    Start()->ShowPage(kPageBook);
  }
};

TEST_F(BookPageOddDefaultsTest, DefaultsOutOfRangeFallBack) {
  EXPECT_EQ("新建会议", ItemText(Pre(), IDC_PRE_SUBJECT).str());
  EXPECT_EQ("3", ItemText(Pre(), IDC_DURATION).str());
  EXPECT_EQ("5", ItemText(Pre(), IDC_MAX_MEMBERS).str());
  EXPECT_EQ("1", ItemText(Pre(), IDC_REMAIN_NOTICE).str());
  // The import writes the defaults as they stand.
  ASSERT_TRUE(Click(Pre(), IDC_BTN_IMPORT_DEFAULTS));
  EXPECT_EQ("", ItemText(Pre(), IDC_PRE_SUBJECT).str());
  EXPECT_EQ("1000", ItemText(Pre(), IDC_DURATION).str());
  EXPECT_EQ("-1", ItemText(Pre(), IDC_REMAIN_NOTICE).str());
}


TEST_F(BookPageTest, PasswordEditsSetTheStartWindowsHint) {
  const int edits[] = {IDC_PRE_MEMBER_PWD, IDC_PRE_MEMBER_PWD_AGAIN, IDC_PRE_CHAIR_PWD,
                       IDC_PRE_CHAIR_PWD_AGAIN, IDC_PRE_VISITOR_PWD, IDC_PRE_VISITOR_PWD_AGAIN};
  CString password = Start()->GetDefaultPassword();
  for (int id : edits) SetField(Pre(), id, password);
  EXPECT_EQ(Start()->DefaultPasswordHint(), Hint());
  SetField(Pre(), IDC_PRE_CHAIR_PWD, "9");
  EXPECT_EQ(CString(kPasswordHint), Hint());
}

TEST_F(BookPageTest, TheSplitScreenShowsForVideoOnly) {
  EXPECT_FALSE(::IsWindowVisible(Item(IDC_SPLIT_SCREEN)));
  ASSERT_TRUE(platform::user::ChooseComboItem(Item(IDC_CONF_TYPE), 1));
  EXPECT_TRUE(::IsWindowVisible(Item(IDC_SPLIT_SCREEN)));
  EXPECT_TRUE(::IsWindowVisible(Item(IDC_SPLIT_LABEL)));
  EXPECT_EQ(2, ((CComboBox*)Pre()->GetDlgItem(IDC_SPLIT_SCREEN))->GetCurSel()) << "6 分屏";
  ASSERT_TRUE(platform::user::ChooseComboItem(Item(IDC_CONF_TYPE), 0));
  EXPECT_FALSE(::IsWindowVisible(Item(IDC_SPLIT_SCREEN)));
}

// ---- The department tree (tree 3) ----

class BookTreeTest : public BookPageTest {
 protected:
  void SetUp() override {
    BookPageTest::SetUp();
    VzFillDeptTree(kTreeBookPage, &Tree());
    ASSERT_TRUE(ClickItem("南京分公司"));
    VzLoadDeptMembers(&Tree(), Find("研发部"));
    ASSERT_TRUE(ClickItem("研发部"));
    Host().Clear();
  }
  CTreeCtrlEx& Tree() { return Pre()->m_treeDept; }
  HTREEITEM Find(const char* text) { return FindTreeItem(Tree(), text); }
  bool ClickItem(const char* text) { return ClickTreeItemText(Tree(), text); }
  Texts Leaves(const char* person) {
    Texts texts;
    for (HTREEITEM c = Tree().GetChildItem(Find(person)); c; c = Tree().GetNextSiblingItem(c)) {
      int image = 0, selected = 0;
      Tree().GetItemImage(c, image, selected);
      texts.push_back(Tree().GetItemText(c).str() + "/" + std::to_string(image));
    }
    return texts;
  }
};

TEST_F(BookTreeTest, APersonListsNumberLeavesAndAddsItsSipNumber) {
  ASSERT_TRUE(ClickItem("刘洋"));
  EXPECT_EQ((Texts{"80002001@ims.example.cn/16", "66002001/23", "13600002001/23"}), Leaves("刘洋"));
  EXPECT_TRUE(Enabled(Pre(), IDC_BTN_ADD));
  ASSERT_TRUE(Click(Pre(), IDC_BTN_ADD));
  EXPECT_FALSE(Enabled(Pre(), IDC_BTN_ADD));
  ASSERT_EQ(1, Pre()->GetMemberCount());
  EXPECT_EQ((Texts{"刘洋", kLiuYang, "否"}), Row(0));
  EXPECT_EQ("13600002001", Entry(0).csSmsNumber.str());
  EXPECT_EQ("liuyang@example.cn", Entry(0).csEmail.str());
  // The same person again is refused; a phone leaf adds its number with the person's name.
  ASSERT_TRUE(platform::user::DoubleClickTreeItem(Tree().m_hWnd, Find("刘洋")));
  EXPECT_EQ("成员已经存在！", LastBox());
  ASSERT_TRUE(ClickItem("66002001"));
  ASSERT_TRUE(Click(Pre(), IDC_BTN_ADD));
  ASSERT_EQ(2, Pre()->GetMemberCount());
  EXPECT_EQ((Texts{"刘洋", "66002001", "否"}), Row(1));
}

TEST_F(BookTreeTest, HostCode20022EmptiesTheTreeBelowItsRoot) {
  HostPlainBlock block{0};
  Deliver(kModuleClearTrees, block);
  ASSERT_NE(nullptr, Tree().GetRootItem());
  EXPECT_EQ(nullptr, Tree().GetChildItem(Tree().GetRootItem()));
}

}  // namespace
}  // namespace tavtest
