// The conference window's state: its window, members, sub-conferences and the conference
// event routing.
#include "tests/confwindow/ConfWindowFixture.h"

#include "confwindow/DlgInfoToolTip.h"

namespace tavtest {
namespace {

using ConfStateTest = ConfWindowTest;

const char kConf[] = "sip:conf001@ims.example.cn";

TEST_F(ConfStateTest, TheWindowIsMadeHiddenAndOwnedByTheDesktop) {
  EXPECT_FALSE(Conf()->IsWindowVisible());
  EXPECT_EQ(nullptr, Conf()->GetParent());
}

TEST_F(ConfStateTest, FindMemberMatchesTheURIExactly) {
  JoinConference(kConf);
  DeliverStatus(kStatisMembers, kConf, 2, 0, {{kLiuYangURI, kMemberConnecting, 3}});
  DeliverStatus(kStatisMembers, kConf, 2, 0, {{kLiuYangURI, kMemberConnected, 4}});
  CDlgDataConf::Member* member = Conf()->FindMember("sip:80002001@ims.example.cn");
  ASSERT_NE(member, nullptr);
  EXPECT_EQ(CString("connected"), member->csState);
  EXPECT_EQ(4, member->iMemberID);
  EXPECT_EQ(nullptr, Conf()->FindMember("SIP:80002001@ims.example.cn"));
  EXPECT_EQ(nullptr, Conf()->FindMember("sip:80002001@ims.example.cn;x"));
  DeliverStatus(kStatisConfEnded, kConf);
  EXPECT_EQ(nullptr, Conf()->FindMember("sip:80002001@ims.example.cn"));
}

TEST_F(ConfStateTest, SubConferencesByTypeAndByIndex) {
  JoinConference(kConf, 0, 0, kSubConfWhiteboard, "12");
  EXPECT_TRUE(Conf()->bSubConfStarted(kSubConfWhiteboard, FALSE));
  EXPECT_TRUE(Conf()->bSubConfStarted(3, TRUE)) << "the whiteboard is the fourth entry of the type list";
  EXPECT_FALSE(Conf()->bSubConfStarted(kSubConfVideo, FALSE));
  EXPECT_FALSE(Conf()->bSubConfStarted(99, FALSE));
  EXPECT_FALSE(Conf()->bSubConfStarted(-1, TRUE));
  EXPECT_EQ(12, Conf()->GetSubConfID(kSubConfWhiteboard, FALSE));
  DeliverStatus(kStatisConfEnded, kConf);
  EXPECT_FALSE(Conf()->bSubConfStarted(kSubConfWhiteboard, FALSE));
}

TEST(DlgInfoToolTip, LayoutShowsTheAskedButtonsAndGrowsWithTheText) {
  platform::Desktop::Reset();
  CDlgInfoToolTip box;
  ASSERT_TRUE(box.Create(IDD_INFO_TOOLTIP, nullptr));
  box.ShowWindow(SW_SHOW);
  box.m_csInfo = "一行";
  box.UpdateData(FALSE);
  box.AdjustLayout(TRUE, FALSE);
  EXPECT_TRUE(box.GetDlgItem(IDOK)->IsWindowVisible());
  EXPECT_FALSE(box.GetDlgItem(IDCANCEL)->IsWindowVisible());
  EXPECT_FALSE(box.GetDlgItem(IDCANCEL)->IsWindowEnabled());
  CRect small, ok;
  box.GetWindowRect(&small);
  box.GetDlgItem(IDOK)->GetWindowRect(&ok);
  EXPECT_NEAR(small.CenterPoint().x, ok.CenterPoint().x, 1) << "a single button stands in the middle";

  box.m_csInfo = "预约会议成功\r\n主题:周会\r\n会议URI:sip:b@h\r\n第四行";
  box.UpdateData(FALSE);
  box.AdjustLayout(TRUE, TRUE);
  CRect large, cancel;
  box.GetWindowRect(&large);
  box.GetDlgItem(IDOK)->GetWindowRect(&ok);
  box.GetDlgItem(IDCANCEL)->GetWindowRect(&cancel);
  EXPECT_GT(large.Height(), small.Height());
  EXPECT_TRUE(box.GetDlgItem(IDCANCEL)->IsWindowVisible());
  EXPECT_LT(ok.right, cancel.left);
  EXPECT_EQ(ok.top, cancel.top);
  EXPECT_GT(ok.top, large.top);

  box.SendMessage(WM_COMMAND, IDOK, 0);
  EXPECT_FALSE(box.IsWindowVisible());
  EXPECT_TRUE(::IsWindow(box.GetSafeHwnd())) << "OK only hides the box";
  box.DestroyWindow();
  platform::Desktop::Reset();
}

}  // namespace
}  // namespace tavtest
