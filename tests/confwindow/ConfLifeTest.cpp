// A conference's life through the host and the user: joined or created, shown with its invite
// button, invited into round after round within its member counts, its members followed, and
// ended by the host.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "confwindow/DataConfIds.h"

#include "common/Codecs.h"
#include "protocol/InviteEvents.h"
#include "platform/ui/UserInput.h"
#include "setup/DlgConfProperties.h"
#include "setup/DlgDialExtension.h"
#include "setup/InviteDialogIds.h"
#include "setup/mmconfDefaultSet.h"
#include "setup/mmconfInvite.h"
#include "setup/mmconfJoin.h"
#include "setup/SetupIds.h"
#include "tests/confwindow/ConfWindowFixture.h"

namespace tavtest {
namespace {

namespace user = platform::user;

const char kConf[] = "sip:conf7@ims.example.cn";

class ConfLifeTest : public ConfWindowTest {
 protected:
  void SetUp() override {
    ConfWindowTest::SetUp();
    // The host allows every member at once, within the query.
    Host().SetObserver([this](const host::HostEvent& e) {
      if (e.channel != kMsg || e.code != kHostMemberRightQuery) return;
      HostMemberRightAnswerBlock answer{200, "", 0};
      Host().Deliver(kModuleMemberRightAnswer, answer);
    });
  }

  // The user joins kConf on the join page; the host answers with the counts.
  void Join(int memberCount, int maxMembers) {
    HostPlainBlock open{0};
    Deliver(kModuleOpenUI, open);
    const size_t joins = Requests(kConfJoin).size();
    ASSERT_TRUE(user::ClickItem(Start()->m_hWnd, IDC_RADIO_JOIN_CONF));
    Start()->m_pJoin->SetDlgItemText(IDC_JOIN_URI, "");
    ASSERT_TRUE(user::Type(::GetDlgItem(Start()->m_pJoin->m_hWnd, IDC_JOIN_URI), kConf));
    ASSERT_TRUE(user::ClickItem(Start()->m_pJoin->m_hWnd, IDOK));
    ASSERT_EQ(joins + 1, Requests(kConfJoin).size());
    CtrlResult answer{kDetailJoin};
    answer.confURI = kConf;
    answer.memberCount = memberCount;
    answer.maxMembers = maxMembers;
    DeliverCtrlResult(answer);
    Pump();
  }
  CmmconfInvite* Invite() { return Conf()->m_pInviteConfDlg.get(); }
  bool InviteButtonEnabled() { return ::IsWindowEnabled(::GetDlgItem(Conf()->m_hWnd, IDC_CONF_INVITE)); }
  bool ClickInviteButton() { return user::ClickItem(Conf()->m_hWnd, IDC_CONF_INVITE); }
  // One invitation round: the invite button, the numbers typed and added, OK.
  void InviteRound(std::initializer_list<const char*> numbers) {
    ASSERT_TRUE(ClickInviteButton());
    ASSERT_TRUE(Invite()->IsWindowVisible());
    for (const char* number : numbers) {
      ASSERT_TRUE(user::Type(Invite()->m_editNumber.m_hWnd, number));
      ASSERT_TRUE(user::ClickItem(Invite()->m_hWnd, IDC_INVITE_ADD_NUMBER));
    }
    ASSERT_TRUE(user::ClickItem(Invite()->m_hWnd, IDOK));
  }
  std::vector<std::string> Invited() {
    std::vector<std::string> members;
    for (const ConfMethodRecord* record : Requests(kConfInvite)) members.push_back(record->szMemberURI);
    return members;
  }
};

TEST_F(ConfLifeTest, AJoinedConferenceShowsItsWindowAndInvitesRoundAfterRound) {
  EXPECT_FALSE(Conf()->IsWindowVisible());
  Join(3, 5);
  EXPECT_TRUE(Conf()->IsWindowVisible());
  EXPECT_EQ(3, Conf()->m_iMemberCount);
  EXPECT_EQ(5, Conf()->m_iMaxMemberCount);
  EXPECT_TRUE(InviteButtonEnabled());

  InviteRound({"sip:m1@ims.example.cn"});
  EXPECT_TRUE(MessageBoxesShown().empty()) << LastMessageBoxText().str();
  EXPECT_EQ((std::vector<std::string>{"sip:m1@ims.example.cn"}), Invited());
  EXPECT_FALSE(InviteButtonEnabled()) << "OK takes the button until the queue has drained";
  Advance(500);
  EXPECT_TRUE(InviteButtonEnabled());

  InviteRound({"sip:m2@ims.example.cn"});
  EXPECT_EQ((std::vector<std::string>{"sip:m1@ims.example.cn", "sip:m2@ims.example.cn"}), Invited());
  EXPECT_TRUE(MessageBoxesShown().empty()) << LastMessageBoxText().str();
}

TEST_F(ConfLifeTest, ACreatedConferenceHasTheChairAsItsMemberAndTheAnswersMaximum) {
  CtrlResult created{kDetailCreate};
  created.confURI = kConf;
  created.maxMembers = 8;
  DeliverCtrlResult(created);
  EXPECT_TRUE(Conf()->IsWindowVisible());
  EXPECT_EQ(1, Conf()->m_iMemberCount);
  EXPECT_EQ(8, Conf()->m_iMaxMemberCount);
  EXPECT_TRUE(InviteButtonEnabled());
}

TEST_F(ConfLifeTest, StatusEventsKeepTheMembersAndTheirCount) {
  Join(1, 6);
  DeliverStatus(kStatisMembers, kConf, 3, 0,
                {{"sip:m1@ims.example.cn", kMemberConnected, 4}, {"sip:m2@ims.example.cn", kMemberConnecting, 5}});
  EXPECT_EQ(3, Conf()->m_iMemberCount);
  EXPECT_EQ(6, Conf()->m_iMaxMemberCount) << "0 leaves the maximum";
  ASSERT_NE(nullptr, Conf()->FindMember("sip:m1@ims.example.cn"));
  EXPECT_EQ(CString("connected"), Conf()->FindMember("sip:m1@ims.example.cn")->csState);
  EXPECT_EQ(5, Conf()->FindMember("sip:m2@ims.example.cn")->iMemberID);

  DeliverStatus(kStatisMembers, kConf, 2, 7, {{"sip:m2@ims.example.cn", kMemberDisconnected, 5}});
  EXPECT_EQ(CString("disconnected"), Conf()->FindMember("sip:m2@ims.example.cn")->csState);
  EXPECT_EQ(2, Conf()->m_iMemberCount);
  EXPECT_EQ(7, Conf()->m_iMaxMemberCount);
  // The window shows the change in the member's own row and the new counts.
  CListCtrl* members = static_cast<CListCtrl*>(Conf()->GetDlgItem(IDC_CONF_MEMBERS));
  ASSERT_EQ(2, members->GetItemCount());
  EXPECT_EQ(CString("m1@ims.example.cn"), members->GetItemText(0, 0));
  EXPECT_EQ(CString("connected"), members->GetItemText(0, 1));
  EXPECT_EQ(CString("m2@ims.example.cn"), members->GetItemText(1, 0));
  EXPECT_EQ(CString("disconnected"), members->GetItemText(1, 1));
  CString state;
  Conf()->GetDlgItemText(IDC_CONF_STATE, state);
  EXPECT_NE(-1, state.Find("2/7"));

  DeliverStatus(kStatisMembers, "sip:other@ims.example.cn", 9, 9, {{"sip:x@ims.example.cn", kMemberConnected, 1}});
  EXPECT_EQ(2, Conf()->m_iMemberCount) << "another conference's members are not ours";
  EXPECT_EQ(nullptr, Conf()->FindMember("sip:x@ims.example.cn"));
}

TEST_F(ConfLifeTest, TheInviteCommandRefusesAFullOrEndedConference) {
  Join(1, 4);
  DeliverStatus(kStatisMembers, kConf, 4, 0);
  ASSERT_TRUE(ClickInviteButton());
  EXPECT_EQ("会议人数已经达到上限，不能进行邀请！", LastMessageBoxText().str());
  EXPECT_FALSE(Invite()->IsWindowVisible());

  // A window that still has the command after the end (the host ends while it is pressed).
  DeliverStatus(kStatisConfEnded, kConf);
  Conf()->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CONF_INVITE, BN_CLICKED), 0);
  EXPECT_EQ("会议已经结束，不能进行邀请！", LastMessageBoxText().str());
  EXPECT_FALSE(Invite()->IsWindowVisible());
}

TEST_F(ConfLifeTest, TheHostsEndStopsThePacedInvitationsAndHidesTheWindow) {
  Join(1, 10);
  InviteRound({"sip:m1@ims.example.cn", "sip:m2@ims.example.cn", "sip:m3@ims.example.cn"});
  ASSERT_EQ(1u, Invited().size());
  EXPECT_EQ(2, Conf()->m_saPendingInvites.GetSize());

  DeliverStatus(kStatisConfEnded, kConf);
  EXPECT_FALSE(Conf()->m_bInConf);
  EXPECT_EQ(CString(), Conf()->GetConfURI());
  EXPECT_FALSE(Conf()->IsWindowVisible());
  EXPECT_EQ(0, Conf()->m_saPendingInvites.GetSize());
  EXPECT_EQ(0, Conf()->m_iMemberCount);
  EXPECT_FALSE(InviteButtonEnabled());
  Advance(2000);
  EXPECT_EQ(1u, Invited().size()) << "nothing is invited into an ended conference";
  EXPECT_FALSE(Conf()->KillTimer(kTimerInviteQueue)) << "the pacing timer stopped";

  // The end of another conference changes nothing; the next join starts afresh.
  Join(2, 3);
  DeliverStatus(kStatisConfEnded, "sip:other@ims.example.cn");
  EXPECT_TRUE(Conf()->m_bInConf);
  EXPECT_EQ(2, Conf()->m_iMemberCount);
}

TEST_F(ConfLifeTest, TheWindowShowsTheConferenceAndRunsItsSmallDialogs) {
  Join(1, 6);
  DeliverStatus(kStatisMembers, kConf, 2, 0, {{"sip:m1@ims.example.cn", kMemberConnected, 41}});
  CString state;
  Conf()->GetDlgItemText(IDC_CONF_STATE, state);
  EXPECT_NE(-1, state.Find("conf7@ims.example.cn"));
  EXPECT_NE(-1, state.Find("2/6"));
  CListCtrl* members = static_cast<CListCtrl*>(Conf()->GetDlgItem(IDC_CONF_MEMBERS));
  ASSERT_EQ(1, members->GetItemCount());
  EXPECT_EQ(CString("connected"), members->GetItemText(0, 1));
  EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(Conf()->m_hWnd, IDC_CONF_DIAL_EXTENSION))) << "no member chosen";

  // Extension digits for the chosen member.
  ASSERT_TRUE(user::ClickListItem(members->m_hWnd, 0));
  OnceInModal(platform::ModalKind::Dialog, [](const platform::ModalState& s) {
    user::Type(::GetDlgItem(s.window, IDC_EXTENSION_EDIT), "8021");
    user::ClickItem(s.window, IDOK);
  });
  ASSERT_TRUE(user::ClickItem(Conf()->m_hWnd, IDC_CONF_DIAL_EXTENSION));
  auto digits = Requests(kConfExtension);
  ASSERT_EQ(1u, digits.size());
  EXPECT_STREQ("sip:m1@ims.example.cn", digits[0]->szMemberURI);
  EXPECT_EQ(41, +digits[0]->iMemberID);
  EXPECT_STREQ("8021", digits[0]->szExtension);

  // The conference properties: method 5.
  OnceInModal(platform::ModalKind::Dialog, [](const platform::ModalState& s) {
    ::SetDlgItemText(s.window, IDC_PROP_ADD_MINUTES, "");
    user::Type(::GetDlgItem(s.window, IDC_PROP_ADD_MINUTES), "30");
    user::ClickItem(s.window, IDOK);
  });
  ASSERT_TRUE(user::ClickItem(Conf()->m_hWnd, IDC_CONF_PROPERTIES));
  EXPECT_EQ(1u, Host().ConfMethodRecords(5).size());

  // The prompt sound is the user's default, kept in the defaults file.
  const int sound = Module()->m_confDefaultData.playstatussound;
  ASSERT_TRUE(user::ClickItem(Conf()->m_hWnd, IDC_CONF_PROMPT_SOUND));
  EXPECT_EQ(sound ? 0 : 1, Module()->m_confDefaultData.playstatussound);
  EXPECT_TRUE(std::filesystem::exists(CmmconfDefaultSet::DefaultsFilePath().str()));
}

// A conference entered from an invitation, the start window never opened: the prompt-sound
// switch shows the saved default and writes it back with every other default kept.
TEST_F(ModuleTest, ThePromptSoundSwitchShowsAndKeepsTheSavedDefaults) {
  const CString path = CmmconfDefaultSet::DefaultsFilePath();
  const char* saved = "<mmc_dfs><data subject=\"周会\" maxnum=\"8\" period=\"60\" remaintime=\"5\" mempwd=\"12\" "
                      "masterpwd=\"34\" visitorpwd=\"12\" playstatussound=\"%d\"></data></mmc_dfs>";
  CString off, on;
  off.Format(saved, 0);
  on.Format(saved, 1);
  std::ofstream(path.str(), std::ios::binary) << HexEncodeString(off).str();
  CDlgDataConf* conf = AcceptInvitation(kConf, 2, 10);
  ASSERT_TRUE(::IsWindowVisible(conf->m_hWnd));
  EXPECT_EQ(BST_UNCHECKED, conf->IsDlgButtonChecked(IDC_CONF_PROMPT_SOUND));
  ASSERT_TRUE(user::ClickItem(conf->m_hWnd, IDC_CONF_PROMPT_SOUND));
  EXPECT_EQ(BST_CHECKED, conf->IsDlgButtonChecked(IDC_CONF_PROMPT_SOUND));
  std::ifstream file(path.str(), std::ios::binary);
  EXPECT_EQ(HexEncodeString(on).str(), std::string(std::istreambuf_iterator<char>(file), {}));
}

// The host ends the conference while the user is in one of its dialogs, then invites the user
// into the next one, which the user joins; the dialog is pressed if it is still up. Nothing it
// would send may reach the next conference: neither extension digits for the old conference's
// member (method 1, sub-type 10) nor an extension without a conference (method 5).
TEST_F(ConfLifeTest, ADialogOfAnEndedConferenceEndsWithItAndSendsNothingIntoTheNext) {
  Join(1, 6);
  DeliverStatus(kStatisMembers, kConf, 2, 0, {{"sip:m1@ims.example.cn", kMemberConnected, 41}});
  const char* ending = kConf;
  const char* next = "sip:conf8@ims.example.cn";
  bool leftUp = false;
  OnModal([&](const platform::ModalState& s) {
    if (s.kind != platform::ModalKind::Dialog || s.idlePasses > 0) return;
    char title[64] = "";
    ::GetWindowText(s.window, title, sizeof title);
    if (std::string(title) == "收到加入多媒体会议邀请") {
      user::ClickItem(s.window, IDOK);
      return;
    }
    if (::GetDlgItem(s.window, IDC_EXTENSION_EDIT)) user::Type(::GetDlgItem(s.window, IDC_EXTENSION_EDIT), "8021");
    DeliverStatus(kStatisConfEnded, ending);
    CtrlResult invite{kDetailConfInvite};
    invite.confURI = next;
    DeliverCtrlResult(invite);
    ASSERT_TRUE(Conf()->m_bInConf);
    ASSERT_EQ(CString(next), Conf()->GetConfURI());
    leftUp = leftUp || ::IsWindowVisible(s.window);
    if (::IsWindowVisible(s.window)) user::ClickItem(s.window, IDOK);
  });
  CListCtrl* members = static_cast<CListCtrl*>(Conf()->GetDlgItem(IDC_CONF_MEMBERS));
  ASSERT_TRUE(user::ClickListItem(members->m_hWnd, 0));
  ASSERT_TRUE(user::ClickItem(Conf()->m_hWnd, IDC_CONF_DIAL_EXTENSION));
  EXPECT_TRUE(Requests(kConfExtension).empty());

  ending = next;
  next = "sip:conf9@ims.example.cn";
  ASSERT_TRUE(user::ClickItem(Conf()->m_hWnd, IDC_CONF_PROPERTIES));
  EXPECT_TRUE(Host().ConfMethodRecords(5).empty());
  EXPECT_FALSE(leftUp) << "each dialog ended with its conference";
  EXPECT_EQ(nullptr, Module()->m_pActiveCommonDlg);
}

TEST_F(ConfLifeTest, TheCloseBoxLeavesTheConferenceAndEscDoesNot) {
  Join(1, 6);
  ::SetFocus(Conf()->m_hWnd);
  ASSERT_TRUE(user::PressEscape());
  Pump();
  EXPECT_TRUE(Conf()->m_bInConf);
  EXPECT_TRUE(Requests(kConfLeave).empty());
  ASSERT_TRUE(user::CloseWindow(Conf()->m_hWnd));
  Pump();
  ASSERT_EQ(1u, Requests(kConfLeave).size());
  EXPECT_STREQ(kConf, Requests(kConfLeave)[0]->szConfURI);
  EXPECT_FALSE(Conf()->m_bInConf);
  EXPECT_FALSE(Conf()->IsWindowVisible());
}

}  // namespace
}  // namespace tavtest
