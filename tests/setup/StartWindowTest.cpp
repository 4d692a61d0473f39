// The start window: opening through the host, page switching and the hint line, hiding by
// Esc, the close box, a page's Cancel and WM_USER+100, and the information box.
#include "confwindow/DlgInfoToolTip.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/UserInput.h"
#include "setup/mmconfDefaultSet.h"
#include "setup/mmconfInvite.h"
#include "setup/mmconfPre.h"
#include "setup/mmconfRecordList.h"
#include "tests/setup/SetupFixture.h"
#include "tests/support/Faults.h"

namespace tavtest {
namespace {

using StartWindowTest = SetupTest;

const char kPlainHint[] = "注意：密码只能输入数字！";

TEST_F(StartWindowTest, OpeningCreatesBothWindowsShowsTheCreatePageAndReportsTheFrontWindow) {
  CDlgmmConfPreCreate* start = OpenUI();
  ASSERT_NE(nullptr, start);
  ASSERT_NE(nullptr, Conf());
  EXPECT_TRUE(Visible(start));
  EXPECT_TRUE(Visible(CreatePage()));
  EXPECT_FALSE(Visible(JoinPage()));
  EXPECT_EQ(kPageCreate, start->GetCurrentPage());
  EXPECT_EQ(BST_CHECKED, start->IsDlgButtonChecked(IDC_RADIO_CREATE_CONF));
  auto fronts = Host().EventsWithCode(kHostFrontWindow);
  ASSERT_EQ(1u, fronts.size());
  int front = fronts[0].As<HostFrontWindowBlock>()->nValue;
  EXPECT_EQ((int)(intptr_t)start, front);

  // Opening again keeps the same window and its page.
  start->ShowPage(kPageJoin);
  EXPECT_EQ(start, OpenUI());
  EXPECT_EQ(kPageJoin, start->GetCurrentPage());
  EXPECT_EQ(2u, Host().CountCode(kHostFrontWindow));
}

TEST_F(StartWindowTest, EveryPageIsCreatedAndSkinned) {
  CDlgmmConfPreCreate* start = OpenUI();
  EXPECT_NE(nullptr, start->m_pDefaultSet);
  EXPECT_NE(nullptr, start->m_pPre);
  EXPECT_NE(nullptr, start->m_pRecordList);
  EXPECT_NE(nullptr, start->m_pInfoToolTip);
  EXPECT_GE(Host().CountCode(kHostSkinWindow), 1u + 5 * 3 + 8);
  // The department trees are handed to the host's tree service: the invite dialog's, made with
  // the conference window, then the create and book pages'; then the service fills all three.
  auto trees = Host().EventsWithCode(kTreeRegister, host::Channel::kRequest);
  ASSERT_EQ(3u, trees.size());
  ASSERT_NE(nullptr, trees[0].As<HostTreeBlock>());
  int tree = trees[0].As<HostTreeBlock>()->nTree;
  EXPECT_EQ(kTreeInviteDialog, tree);
  EXPECT_EQ((void*)&Module()->m_pDlgDataConf->m_pInviteConfDlg->m_treeDept, trees[0].As<HostTreeBlock>()->pTreeCtrl);
  tree = trees[1].As<HostTreeBlock>()->nTree;
  EXPECT_EQ(kTreeCreatePage, tree);
  EXPECT_EQ((void*)&CreatePage()->m_treeDept, trees[1].As<HostTreeBlock>()->pTreeCtrl);
  tree = trees[2].As<HostTreeBlock>()->nTree;
  EXPECT_EQ(kTreeBookPage, tree);
  EXPECT_EQ((void*)&start->m_pPre->m_treeDept, trees[2].As<HostTreeBlock>()->pTreeCtrl);
  EXPECT_EQ(3u, Host().CountCode(kTreeFill, host::Channel::kRequest));
  OpenUI();
  EXPECT_EQ(3u, Host().CountCode(kTreeFill, host::Channel::kRequest)) << "the trees are filled once";
  // The radio captions are left to the skin.
  EXPECT_EQ(CString(), ItemText(start, IDC_RADIO_CREATE_CONF));
}

TEST_F(StartWindowTest, PageNumbersOutsideTheListShowTheCreatePage) {
  CDlgmmConfPreCreate* start = OpenUI();
  for (int page : {7, -1}) {
    start->ShowPage(kPageJoin);
    start->ShowPage(page);
    EXPECT_EQ(kPageCreate, start->GetCurrentPage()) << page;
    EXPECT_TRUE(Visible(CreatePage()));
    EXPECT_FALSE(Visible(JoinPage()));
    EXPECT_EQ(BST_CHECKED, start->IsDlgButtonChecked(IDC_RADIO_CREATE_CONF));
  }
}

TEST_F(StartWindowTest, HostCode16WithPageMinusOneShowsTheCreatePage) {
  CDlgmmConfPreCreate* start = OpenUI();
  ASSERT_TRUE(Click(start, IDC_RADIO_JOIN_CONF));
  HostPageBlock block{-1, nullptr, 0};
  EXPECT_EQ(1, Deliver(kModuleShowUIPage, block));
  EXPECT_EQ(kPageCreate, start->GetCurrentPage());
  EXPECT_TRUE(Visible(CreatePage()));
  EXPECT_FALSE(Visible(JoinPage()));
  // Code 2 opens the window as it was left.
  ASSERT_TRUE(Click(start, IDC_RADIO_JOIN_CONF));
  OpenUI();
  EXPECT_EQ(kPageJoin, start->GetCurrentPage());
}

TEST_F(StartWindowTest, RadiosSwitchPagesAndSetTheHint) {
  CDlgmmConfPreCreate* start = OpenUI();
  ASSERT_TRUE(Click(start, IDC_RADIO_JOIN_CONF));
  EXPECT_TRUE(Visible(JoinPage()));
  EXPECT_FALSE(Visible(CreatePage()));
  EXPECT_EQ(CString(kPlainHint), Hint());
  ASSERT_TRUE(Click(start, IDC_RADIO_CONF_RECORD));
  EXPECT_TRUE(Visible(start->m_pRecordList));
  EXPECT_EQ(CString("会议记录列表（双击查看详细信息）"), Hint());
  EXPECT_TRUE(Module()->m_bDataConfLoaded);
  ASSERT_TRUE(Click(start, IDC_RADIO_PRE_CONF));
  EXPECT_TRUE(Visible(start->m_pPre));
  EXPECT_EQ(kPageBook, start->GetCurrentPage());
}

TEST_F(StartWindowTest, TheHintNamesTheDefaultPasswordWhileAllThreeAreIt) {
  CDlgmmConfPreCreate* start = OpenUI();
  CString password = start->GetDefaultPassword();
  ASSERT_EQ(1, password.GetLength());
  CString defaultHint = CString(kPlainHint) + "（当前使用系统默认密码：" + password + "）";
  SetDefaults("周会", 5, 30, 5, password);
  start->ShowPage(kPageCreate);
  EXPECT_EQ(defaultHint, Hint());

  // Typing another password turns the hint plain; typing the default back names it again.
  TypeField(CreatePage(), IDC_CHAIR_PWD, "12345");
  EXPECT_EQ(CString(kPlainHint), Hint());
  TypeField(CreatePage(), IDC_CHAIR_PWD, password);
  EXPECT_EQ(defaultHint, Hint());

  // A confirmation left different while switching pages named the default (the switch reads
  // the three passwords only); the next password typed on the page puts the plain hint back.
  TypeField(CreatePage(), IDC_CHAIR_PWD_AGAIN, "9");
  ASSERT_TRUE(Click(start, IDC_RADIO_JOIN_CONF));
  ASSERT_TRUE(Click(start, IDC_RADIO_CREATE_CONF));
  EXPECT_EQ(defaultHint, Hint());
  TypeField(CreatePage(), IDC_MEMBER_PWD, password);
  EXPECT_EQ(CString(kPlainHint), Hint());

  // Other passwords in the defaults: the plain hint on the page.
  SetDefaults("周会", 5, 30, 5, "246");
  start->ShowPage(kPageJoin);
  start->ShowPage(kPageCreate);
  EXPECT_EQ(CString(kPlainHint), Hint());
}

TEST_F(StartWindowTest, EscHidesTheWindowUnlessARequestWaits) {
  CDlgmmConfPreCreate* start = OpenUI();
  Host().Clear();
  start->EnablePageButtons(FALSE);
  ASSERT_TRUE(platform::user::PressEscape());
  EXPECT_TRUE(Visible(start));
  EXPECT_EQ(0u, Host().CountCode(kHostStateChanged));

  start->EnablePageButtons(TRUE);
  ASSERT_TRUE(platform::user::PressEscape());
  EXPECT_FALSE(Visible(start));
  EXPECT_FALSE(Visible(CreatePage()));
  ExpectTraffic(Host(), {{kMsg, kHostFrontWindow}, {kMsg, kHostStateChanged}});
  EXPECT_NE(nullptr, Start()) << "closing only hides the window";
}

TEST_F(StartWindowTest, EscInAPagesEditDoesNothingWhileARequestWaits) {
  CDlgmmConfPreCreate* start = OpenUI();
  ASSERT_TRUE(Click(start, IDC_RADIO_JOIN_CONF));
  HWND uri = ::GetDlgItem(JoinPage()->m_hWnd, IDC_JOIN_URI);
  ASSERT_TRUE(platform::user::Type(uri, "sip:conf9@ims.example.cn"));
  ASSERT_TRUE(Click(JoinPage(), IDOK));
  ASSERT_FALSE(start->ArePageButtonsEnabled()) << "the join waits";
  Host().Clear();
  ::SetFocus(uri);
  ASSERT_TRUE(platform::user::PressEscape());
  Pump();
  EXPECT_TRUE(Visible(start));
  EXPECT_TRUE(Visible(JoinPage()));
  ExpectTraffic(Host(), {});

  Advance(60000);  // the join's wait ends
  ::SetFocus(uri);
  ASSERT_TRUE(platform::user::PressEscape());
  Pump();
  EXPECT_FALSE(Visible(start));
  ExpectTraffic(Host(), {{kMsg, kHostFrontWindow}, {kMsg, kHostStateChanged}});
}

TEST_F(StartWindowTest, TheCloseBoxHidesTheWindowUnlessARequestWaits) {
  CDlgmmConfPreCreate* start = OpenUI();
  start->EnablePageButtons(FALSE);
  ASSERT_TRUE(platform::user::CloseWindow(start->m_hWnd));
  Pump();
  EXPECT_TRUE(Visible(start));
  start->EnablePageButtons(TRUE);
  ASSERT_TRUE(platform::user::CloseWindow(start->m_hWnd));
  Pump();
  EXPECT_FALSE(Visible(start));
  EXPECT_EQ(1u, Host().CountCode(kHostStateChanged));
}

TEST_F(StartWindowTest, HideRequestFromTheConferenceWindowResetsPagesAndTellsNoStateChange) {
  CDlgmmConfPreCreate* start = OpenUI();
  start->ShowPage(kPageJoin);
  TypeField(JoinPage(), IDC_JOIN_URI, "conf9@ims.cn");
  JoinPage()->UpdateData(TRUE);
  Host().Clear();
  start->PostMessage(WM_PRECREATE_HIDE, kHideAfterSuccess, 0);
  EXPECT_TRUE(Visible(start)) << "the request is posted";
  Pump();
  EXPECT_FALSE(Visible(start));
  EXPECT_EQ(CString(), ItemText(JoinPage(), IDC_JOIN_URI));
  EXPECT_EQ(CString(), JoinPage()->m_csConfURI);
  ExpectTraffic(Host(), {{kMsg, kHostFrontWindow}});
}

TEST_F(StartWindowTest, HideRequestFromAPageCancelTellsTheHostOnlyWhenNothingWaits) {
  CDlgmmConfPreCreate* start = OpenUI();
  Host().Clear();
  start->SendMessage(WM_PRECREATE_HIDE, kHideFromCancel, 0);
  EXPECT_FALSE(Visible(start));
  ExpectTraffic(Host(), {{kMsg, kHostFrontWindow}, {kMsg, kHostStateChanged}});

  OpenUI();
  start->EnablePageButtons(FALSE);
  Host().Clear();
  start->SendMessage(WM_PRECREATE_HIDE, kHideFromCancel, 0);
  EXPECT_FALSE(Visible(start));
  ExpectTraffic(Host(), {{kMsg, kHostFrontWindow}});
}

TEST_F(StartWindowTest, APageCancelHidesTheWindow) {
  CDlgmmConfPreCreate* start = OpenUI();
  ASSERT_TRUE(Click(CreatePage(), IDCANCEL));
  Pump();
  EXPECT_FALSE(Visible(start));
  EXPECT_EQ(1u, Host().CountCode(kHostStateChanged));
}

TEST_F(StartWindowTest, PageButtonsFollowTheWaitingState) {
  CDlgmmConfPreCreate* start = OpenUI();
  start->EnablePageButtons(FALSE);
  EXPECT_FALSE(start->ArePageButtonsEnabled());
  for (CDialog* page : {(CDialog*)CreatePage(), (CDialog*)start->m_pPre, (CDialog*)JoinPage()}) {
    EXPECT_FALSE(Enabled(page, IDOK));
    EXPECT_FALSE(Enabled(page, IDCANCEL));
  }
  EXPECT_FALSE(Enabled(start->m_pDefaultSet, IDCANCEL));
  EXPECT_TRUE(Enabled(start->m_pDefaultSet, IDOK));
  EXPECT_FALSE(Enabled(start->m_pRecordList, IDOK));
  start->EnablePageButtons(TRUE);
  EXPECT_TRUE(Enabled(JoinPage(), IDOK));
  EXPECT_TRUE(Enabled(start->m_pRecordList, IDOK));
}

TEST_F(StartWindowTest, TheInformationBoxShowsTheOutcomeOverTheWindow) {
  CDlgmmConfPreCreate* start = OpenUI();
  start->ShowInfoToolTip("提示", "创建会议超时！");
  CDlgInfoToolTip* box = start->m_pInfoToolTip;
  ASSERT_NE(nullptr, box);
  EXPECT_TRUE(Visible(box));
  CString caption;
  box->GetWindowText(caption);
  EXPECT_EQ(CString("提示"), caption);
  EXPECT_EQ(CString("创建会议超时！"), box->m_csInfo);
  start->SendMessage(WM_PRECREATE_HIDE, kHideAfterSuccess, 0);
  EXPECT_FALSE(Visible(box));
}

TEST_F(StartWindowTest, ModuleCloseDestroysTheStartWindow) {
  CDlgmmConfPreCreate* start = OpenUI();
  HWND window = start->m_hWnd;
  Module()->Close();
  EXPECT_EQ(nullptr, Start());
  EXPECT_FALSE(::IsWindow(window));
}

TEST_F(StartWindowTest, AStartWindowThatCannotBeMadeIsReportedAndMadeNextTime) {
  // A conference event before the user interface made the conference window.
  int record = 0;
  HostRecordBlock event{2, &record, 0};
  ASSERT_EQ(1, Deliver(kModuleConfEvent, event));
  ASSERT_NE(nullptr, Conf());
  faults::FailWindowCreation("#32770", 1);
  HostPlainBlock block{0};
  EXPECT_EQ(0, Deliver(kModuleOpenUI, block));
  EXPECT_EQ(nullptr, Start());
  ASSERT_FALSE(Boxes().empty());
  EXPECT_EQ("系统资源不足,请关闭并重新启动客户端。", Boxes().back());
  bool logged = false;
  for (const std::string& line : Host().LogLines()) logged = logged || line == "CDlgmmConfPreCreate Create Failed!";
  EXPECT_TRUE(logged);
  EXPECT_EQ(0u, Host().CountCode(kHostFrontWindow));
  ASSERT_NE(nullptr, OpenUI());
  EXPECT_TRUE(Visible(Start()));
}

TEST_F(StartWindowTest, ShowUIPageCodeShowsTheAskedPage) {
  OpenUI();
  HostPageBlock block{kPageJoin, nullptr, 0};
  EXPECT_EQ(1, Deliver(kModuleShowUIPage, block));
  EXPECT_TRUE(Visible(JoinPage()));
  EXPECT_EQ(kPageJoin, Start()->GetCurrentPage());
}

}  // namespace
}  // namespace tavtest
