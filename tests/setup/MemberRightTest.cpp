// The member-right query: a number the user's directory does not vouch for is asked of the
// host (code 113); the host's answer (code 17), the ten-second count-down, the user's close and
// the host's request to close pop-ups decide whether the member is added.
#include "platform/ui/Shell.h"
#include "protocol/HostBlocks.h"
#include "setup/DlgMemberRightQuery.h"
#include "tests/setup/MemberFixture.h"

namespace tavtest {
namespace {

namespace user = platform::user;

class MemberRightTest : public MemberTest {
 protected:
  // Adds the typed number with `act` run inside the query dialog.
  void AddWithQuery(const char* number, std::function<void(HWND)> act) {
    InEveryDialog([this, act](HWND dialog) {
      ASSERT_EQ(QueryWindow(), dialog);
      act(dialog);
    });
    AddTyped(number);
  }
  CString Text(HWND dialog, int id) { return ItemText(CWnd::FromHandle(dialog), id); }
  bool Revealed(HWND dialog) {
    BYTE alpha = 0;
    DWORD flags = 0;
    return GetLayeredWindowAttributes(dialog, nullptr, &alpha, &flags) && alpha == 255;
  }
};

TEST_F(MemberRightTest, AnAllowingAnswerWithinTheFirstSecondAddsWithoutShowingTheDialog) {
  bool revealed = true;
  HWND seen = nullptr;
  AddWithQuery("66880001", [&](HWND dialog) {
    seen = dialog;
    EXPECT_EQ(CreatePage(), Module()->m_pActiveCommonDlg->m_pParentWnd);
    EXPECT_EQ("剩余时间：10秒", Text(dialog, IDC_RIGHT_COUNTDOWN).str());
    EXPECT_FALSE(Enabled(CWnd::FromHandle(dialog), IDC_RIGHT_CLOSE));
    Advance(500);
    AnswerRight(200, "66880001");
    revealed = Revealed(dialog);
  });
  EXPECT_NE(nullptr, seen);
  EXPECT_FALSE(revealed);
  EXPECT_EQ((std::vector<std::string>{"tel:66880001"}), RightQueries());
  EXPECT_EQ((Rows{{"66880001", "66880001"}}), MemberRows());
  EXPECT_EQ(nullptr, Module()->m_pActiveCommonDlg);
  EXPECT_EQ(nullptr, QueryWindow());
}

TEST_F(MemberRightTest, AnAnswerGivenWithinTheQueryIsNotLost) {
  int refusals = 0;
  Host().SetObserver([&](const host::HostEvent& e) {
    if (e.channel != kMsg || e.code != kHostMemberRightQuery) return;
    EXPECT_NE(nullptr, QueryWindow()) << "the dialog exists before the query goes out";
    AnswerRight(refusals++ == 0 ? 200 : 403, "66880011");
  });
  bool ran = false;
  InEveryDialog([&](HWND dialog) {
    ran = true;
    user::ClickItem(dialog, IDC_RIGHT_CLOSE);  // the refusal waits for the user
  });
  AddTyped("66880011");
  EXPECT_FALSE(ran) << "an allowing answer ends the dialog before its loop";
  EXPECT_EQ((Rows{{"66880011", "66880011"}}), MemberRows());
  AddTyped("66880012");
  EXPECT_TRUE(ran);
  EXPECT_EQ(1u, MemberRows().size());
  EXPECT_EQ(nullptr, Module()->m_pActiveCommonDlg);
}

TEST_F(MemberRightTest, NotFoundCountsAsAllowedToo) {
  AddWithQuery("66880002", [this](HWND) { AnswerRight(404, ""); });
  EXPECT_EQ(1u, MemberRows().size());
}

TEST_F(MemberRightTest, ARefusalStaysOnScreenUntilTheUserClosesItAndAddsNothing) {
  CString result, countdown;
  bool revealed = false;
  AddWithQuery("66880003", [&](HWND dialog) {
    Advance(1000);
    revealed = Revealed(dialog);
    AnswerRight(403, "123");
    result = Text(dialog, IDC_RIGHT_RESULT);
    countdown = Text(dialog, IDC_RIGHT_COUNTDOWN);
    EXPECT_TRUE(Enabled(CWnd::FromHandle(dialog), IDC_RIGHT_CLOSE));
    Advance(3000);  // the count-down stopped with the answer
    EXPECT_EQ("", Text(dialog, IDC_RIGHT_COUNTDOWN).str());
    EXPECT_TRUE(user::ClickItem(dialog, IDC_RIGHT_CLOSE));
  });
  EXPECT_TRUE(revealed);
  EXPECT_EQ("添加123失败：无权限！", result.str());
  EXPECT_EQ("", countdown.str());
  EXPECT_TRUE(MemberRows().empty());
  EXPECT_EQ("", Entry().str());  // a refused member is dropped from the entry
}

TEST_F(MemberRightTest, ServerErrorAndUnknownCodesShowTheirLines) {
  CString busy, unknown;
  AddWithQuery("66880004", [&](HWND dialog) {
    AnswerRight(503, "66880004");
    busy = Text(dialog, IDC_RIGHT_RESULT);
    AnswerRight(480, "66880004");
    unknown = Text(dialog, IDC_RIGHT_RESULT);
    user::ClickItem(dialog, IDC_RIGHT_CLOSE);
  });
  EXPECT_EQ("添加66880004失败！", busy.str());
  EXPECT_EQ("", unknown.str());
  EXPECT_TRUE(MemberRows().empty());
}

TEST_F(MemberRightTest, NoAnswerInTenSecondsTimesOut) {
  CString result, countdown;
  AddWithQuery("66880005", [&](HWND dialog) {
    Advance(9000);
    EXPECT_EQ("剩余时间：1秒", Text(dialog, IDC_RIGHT_COUNTDOWN).str());
    EXPECT_FALSE(Enabled(CWnd::FromHandle(dialog), IDC_RIGHT_CLOSE));
    Advance(3000);
    result = Text(dialog, IDC_RIGHT_RESULT);
    countdown = Text(dialog, IDC_RIGHT_COUNTDOWN);
    // A late allowing answer still lets the member in.
    AnswerRight(200, "");
  });
  EXPECT_EQ("查询超时!", result.str());
  EXPECT_EQ("剩余时间：0秒", countdown.str());
  EXPECT_EQ(1u, MemberRows().size());
}

TEST_F(MemberRightTest, TimeOutThenCloseRefuses) {
  AddWithQuery("66880006", [&](HWND dialog) {
    Advance(10000);
    EXPECT_TRUE(user::ClickItem(dialog, IDC_RIGHT_CLOSE));
  });
  EXPECT_TRUE(MemberRows().empty());
}

TEST_F(MemberRightTest, HostClosingPopupsRefusesTheMember) {
  AddWithQuery("66880007", [this](HWND) { Module()->ClosePopupDialogs(); });
  EXPECT_TRUE(MemberRows().empty());
  EXPECT_EQ(nullptr, Module()->m_pActiveCommonDlg);
}

TEST_F(MemberRightTest, AnswerWithoutTextOrBlockDoesNoHarm) {
  AddWithQuery("66880008", [this](HWND dialog) {
    HostMemberRightAnswerBlock block{403, nullptr, 0};
    Deliver(kModuleMemberRightAnswer, block);
    EXPECT_EQ("添加失败：无权限！", Text(dialog, IDC_RIGHT_RESULT).str());
    ::SendMessage(dialog, WM_COMMAND, kMemberRightAnswerCommand, 0);
    user::ClickItem(dialog, IDC_RIGHT_CLOSE);
  });
  EXPECT_TRUE(MemberRows().empty());
}

TEST_F(MemberRightTest, DirectoryMembersAndFlaggedContactsAreNotAsked) {
  VzData().phoneBook[0].iRightFlag = 1;
  CString flagged = VzData().phoneBook[0].csSipURI;
  bool asked = false;
  InEveryDialog([&](HWND) { asked = true; });
  EXPECT_TRUE(Module()->BeforeAddMemberRightCheck("sip:80002001@ims.example.cn", nullptr));
  EXPECT_TRUE(Module()->BeforeAddMemberRightCheck(flagged, nullptr));
  EXPECT_FALSE(asked);
  EXPECT_TRUE(RightQueries().empty());
}

TEST_F(MemberRightTest, WithoutParentTheQueryBelongsToTheRunningConferenceElseTheStartWindow) {
  CWnd* parent = nullptr;
  InEveryDialog([&](HWND) {
    parent = Module()->m_pActiveCommonDlg->m_pParentWnd;
    AnswerRight(200, "");
  });
  EXPECT_TRUE(Module()->BeforeAddMemberRightCheck("66880009", nullptr));
  EXPECT_EQ((CWnd*)Start(), parent);
  JoinConference();
  EXPECT_TRUE(Module()->BeforeAddMemberRightCheck("66880010", nullptr));
  EXPECT_EQ((CWnd*)Conf(), parent);
}

}  // namespace
}  // namespace tavtest
