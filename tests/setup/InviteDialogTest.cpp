// The invite dialog: the conference window's invite command, the rows within the conference's
// maximum, duplicates against the list and the conference's members, OK sending the first
// invitation at once and the rest from the queue on timer 34, Cancel.
#include "platform/ui/Controls.h"
#include "platform/ui/ToolTipCtrl.h"
#include "setup/DlgSelectReceiver.h"
#include "setup/MemberIds.h"
#include "tests/setup/InviteDialogFixture.h"

namespace tavtest {
namespace {

using Strings = std::vector<std::string>;

TEST_F(InviteDialogTest, TheInviteCommandShowsTheDialogOverADisabledConferenceWindow) {
  EXPECT_TRUE(Visible(Dlg()));
  EXPECT_FALSE(::IsWindowEnabled(Conf()->m_hWnd));
  EXPECT_EQ(kInviteNumberTip, platform::ToolTipTextFor(Dlg()->m_editNumber.m_hWnd));
  // Cancel hides it and gives the conference window back; the next command, in a conference
  // whose whiteboard runs, reuses it with the short tip.
  CmmconfInvite* first = Dlg();
  EXPECT_TRUE(Click(Dlg(), IDCANCEL));
  EXPECT_FALSE(Visible(Dlg()));
  EXPECT_TRUE(::IsWindowEnabled(Conf()->m_hWnd));
  ConferenceEnds();
  JoinConference("sip:conf2@ims.example.cn", 2, 10, kSubConfWhiteboard, "5");
  ASSERT_TRUE(Click(Conf(), IDC_CONF_INVITE));
  EXPECT_EQ(first, Dlg());
  EXPECT_EQ(kInviteNumberTipShort, platform::ToolTipTextFor(Dlg()->m_editNumber.m_hWnd));
}

TEST_F(InviteDialogTest, AddsStayWithinTheMaximumAndOkMayFillIt) {
  MembersNow(8);
  Type("sip:a1@ims.example.cn");  // 8 + 0 + 1
  Type("sip:a2@ims.example.cn");  // 8 + 1 + 1
  Type("sip:a3@ims.example.cn");  // 8 + 2 + 1 > 10
  EXPECT_EQ((Rows{{"a1", "a1@ims.example.cn"}, {"a2", "a2@ims.example.cn"}}), InviteRows());
  EXPECT_EQ((Strings{"会场人数超过会议最大人数限制！"}), Boxes());
  EXPECT_EQ("sip:a3@ims.example.cn", Number().str());
  EXPECT_TRUE(Click(Dlg(), IDOK));
  EXPECT_EQ((Strings{"sip:a1@ims.example.cn"}), Invited());
}

TEST_F(InviteDialogTest, OkRefusesMoreRowsThanTheConferenceCanTake) {
  Type("sip:a1@ims.example.cn");
  Type("sip:a2@ims.example.cn");
  MembersNow(9);  // members joined meanwhile: 9 + 2 > 10
  EXPECT_TRUE(Click(Dlg(), IDOK));
  EXPECT_EQ("会场人数超过会议最大人数限制！", LastBox());
  EXPECT_TRUE(Invited().empty());
  EXPECT_TRUE(Visible(Dlg()));
  MembersNow(8);  // one left: 8 + 2, the maximum exactly
  EXPECT_TRUE(Click(Dlg(), IDOK));
  EXPECT_EQ(1u, Invited().size());
}

// The conference's end leaves the open dialog and its rows to the user: OK refuses, Cancel
// empties it and gives the conference window back.
TEST_F(InviteDialogTest, OkRefusesWithoutAConferenceOrWithoutRows) {
  EXPECT_TRUE(Click(Dlg(), IDOK));
  EXPECT_EQ("您未邀请任何成员，请选择成员或取消邀请！", LastBox());
  Type("sip:a1@ims.example.cn");
  ConferenceEnds();
  EXPECT_TRUE(Visible(Dlg()));
  EXPECT_TRUE(Click(Dlg(), IDOK));
  EXPECT_EQ("会议已经结束，不能进行邀请！", LastBox());
  EXPECT_TRUE(Invited().empty());
  EXPECT_TRUE(InviteRows().empty()) << "the conference's end took its rows";
  EXPECT_TRUE(Visible(Dlg()));
  EXPECT_TRUE(Click(Dlg(), IDCANCEL));
  EXPECT_TRUE(::IsWindowEnabled(Conf()->m_hWnd));
  Advance(1000);
  EXPECT_TRUE(Invited().empty());
}

TEST_F(InviteDialogTest, TheFirstInvitationLeavesAtOnceTheOthersEvery500Ms) {
  Type("sip:a1@ims.example.cn");
  Type("66001000,8123");
  Type("sip:a3@ims.example.cn");
  EXPECT_TRUE(Click(Dlg(), IDOK));
  EXPECT_EQ((Strings{"sip:a1@ims.example.cn"}), Invited());
  EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(Conf()->m_hWnd, IDC_CONF_INVITE)));
  EXPECT_TRUE(::IsWindowEnabled(Conf()->m_hWnd));
  EXPECT_FALSE(Visible(Dlg()));
  EXPECT_TRUE(InviteRows().empty());
  Advance(499);
  EXPECT_EQ(1u, Invited().size());
  Advance(1);
  // The number with an extension leaves in its dialled form.
  EXPECT_EQ((Strings{"sip:a1@ims.example.cn", "tel:66001000%2C8123"}), Invited());
  Advance(500);
  EXPECT_EQ((Strings{"sip:a1@ims.example.cn", "tel:66001000%2C8123", "sip:a3@ims.example.cn"}), Invited());
  Advance(2000);
  EXPECT_EQ(3u, Invited().size());
  EXPECT_EQ(0, Conf()->m_saPendingInvites.GetSize());
}

TEST_F(InviteDialogTest, EndingTheConferenceDropsTheQueuedInvitations) {
  Type("sip:a1@ims.example.cn");
  Type("sip:a2@ims.example.cn");
  EXPECT_TRUE(Click(Dlg(), IDOK));
  ConferenceEnds();
  Advance(1500);
  EXPECT_EQ((Strings{"sip:a1@ims.example.cn"}), Invited());
  EXPECT_EQ(0, Conf()->m_saPendingInvites.GetSize());
}

TEST_F(InviteDialogTest, DuplicatesAreRefusedAgainstTheListAndTheConference) {
  Type("sip:a1@ims.example.cn");
  Type("a1@ims.example.cn");
  EXPECT_EQ("号码已经存在！", LastBox());
  Type("66001000");
  Type("66001000");  // plain telephone numbers are never duplicates
  Type("66002000,8123");
  Type("66002000,8123");
  EXPECT_EQ("号码已经存在！", LastBox());
  EXPECT_EQ(4u, InviteRows().size());
  MembersNow(3, {{"sip:b1@ims.example.cn", kMemberConnected, 3},
                 {"sip:b2@ims.example.cn", kMemberConnecting, 4},
                 {"sip:b3@ims.example.cn", kMemberDisconnected, 5}});
  Type("sip:b1@ims.example.cn");
  EXPECT_EQ("该成员已经在会议中！", LastBox());
  Type("sip:b2@ims.example.cn");
  EXPECT_EQ("已经邀请该成员，请稍后再邀请！", LastBox());
  Type("sip:b3@ims.example.cn");  // left: may be invited again
  EXPECT_EQ(5u, InviteRows().size());
  EXPECT_EQ("b3@ims.example.cn", InviteRows().back().second);
}

TEST_F(InviteDialogTest, TypedNumbersAreCheckedAndEnterAddsThem) {
  Type("");
  EXPECT_EQ("请输入成员号码！", LastBox());
  Type("bad!");
  EXPECT_EQ("请输入正确的成员号码！", LastBox());
  VzData().states.iCallMySelfType = 0;
  Type("sip:80001234@ims.example.cn");
  EXPECT_EQ("不能邀请自己！", LastBox());
  EXPECT_TRUE(InviteRows().empty());
  TypeField(Dlg(), IDC_INVITE_NUMBER, "sip:a1@ims.example.cn");
  Dlg()->m_editNumber.SetFocus();
  platform::user::PressKey(VK_RETURN);
  EXPECT_EQ((Rows{{"a1", "a1@ims.example.cn"}}), InviteRows());
  EXPECT_EQ("", Number().str());
  EXPECT_TRUE(Visible(Dlg()));
  EXPECT_FALSE(Module()->m_bAddingMember);
}

TEST_F(InviteDialogTest, DeletingARowLetsTheNextAddAppendAtTheEnd) {
  Type("sip:a1@ims.example.cn");
  Type("sip:a2@ims.example.cn");
  ASSERT_TRUE(platform::user::DoubleClickListItem(Dlg()->m_listInvitees.m_hWnd, 0));
  EXPECT_EQ(1, Dlg()->m_iRowCount);
  Type("sip:a3@ims.example.cn");
  EXPECT_EQ((Rows{{"a2", "a2@ims.example.cn"}, {"a3", "a3@ims.example.cn"}}), InviteRows());
}

TEST_F(InviteDialogTest, CancelEmptiesTheListAndSendsNothing) {
  Type("sip:a1@ims.example.cn");
  TypeField(Dlg(), IDC_INVITE_NUMBER, "half typed");
  EXPECT_TRUE(Click(Dlg(), IDCANCEL));
  EXPECT_TRUE(InviteRows().empty());
  EXPECT_EQ(0, Dlg()->m_iRowCount);
  EXPECT_EQ("", Number().str());
  Advance(1000);
  EXPECT_TRUE(Invited().empty());
}

class InviteDialogPhoneBookTest : public InviteDialogTest {
 protected:
  void SetUp() override {
    InviteDialogTest::SetUp();
    VzData().states.iCallMySelfType = 0;
    VzData().phoneBook = {
        Contact("李娜", "sip:80005678@ims.example.cn", "", "", "", "", ""),
        Contact("我", "sip:80001234@ims.example.cn", "", "", "", "", ""),
        Contact("王强", "sip:80009999@ims.example.cn", "", "", "", "", ""),
    };
    // The chooser gets every row picked; member-right queries are allowed.
    InEveryDialog([this](HWND dialog) {
      if (dialog == QueryWindow()) {
        AnswerRight(200, "");
        return;
      }
      HWND list = ::GetDlgItem(dialog, IDC_RECEIVER_LIST);
      platform::user::HoldKey(VK_CONTROL, true);
      for (int row = 0; row < 3; ++row) platform::user::ClickListItem(list, row);
      platform::user::HoldKey(VK_CONTROL, false);
      platform::user::ClickItem(dialog, IDOK);
    });
  }
};

TEST_F(InviteDialogPhoneBookTest, PicksAreAddedExceptTheUsersOwnAddress) {
  EXPECT_TRUE(Click(Dlg(), IDC_INVITE_PHONEBOOK));
  EXPECT_EQ((Rows{{"李娜", "80005678@ims.example.cn"}, {"王强", "80009999@ims.example.cn"}}), InviteRows());
  EXPECT_EQ((Strings{"不能邀请自己！"}), Boxes());
  EXPECT_FALSE(Module()->m_bAddingMember);
  EXPECT_EQ(nullptr, Module()->m_pActiveCommonDlg);
  // Picked again: listed addresses and members of the conference are refused by name.
  ASSERT_TRUE(platform::user::DoubleClickListItem(Dlg()->m_listInvitees.m_hWnd, 1));
  MembersNow(3, {{"sip:80009999@ims.example.cn", kMemberConnected, 3}});
  EXPECT_TRUE(Click(Dlg(), IDC_INVITE_PHONEBOOK));
  EXPECT_EQ((Strings{"不能邀请自己！", "号码80005678@ims.example.cn已经存在！", "不能邀请自己！",
                     "成员80009999@ims.example.cn已经在会议中！"}),
            Boxes());
  EXPECT_EQ(1u, InviteRows().size());
}

TEST_F(InviteDialogPhoneBookTest, TheMaximumStopsThePicksThatDoNotFit) {
  MembersNow(8);
  VzData().phoneBook[1].csSipURI = "sip:80007777@ims.example.cn";
  EXPECT_TRUE(Click(Dlg(), IDC_INVITE_PHONEBOOK));
  EXPECT_EQ(2u, InviteRows().size());
  EXPECT_EQ((Strings{"会场人数超过会议最大人数限制！"}), Boxes());
  // Full: the chooser is not even opened.
  EXPECT_TRUE(Click(Dlg(), IDC_INVITE_PHONEBOOK));
  EXPECT_EQ(2u, Boxes().size());
}

}  // namespace
}  // namespace tavtest
