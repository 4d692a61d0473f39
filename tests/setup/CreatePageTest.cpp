// The create page: its type and split-screen lists, its checks in order with the first
// message shown, the request and the conference window's wait for the answer.
#include <cstring>
#include <fstream>

#include "confwindow/DlgInfoToolTip.h"
#include "platform/ui/UserInput.h"
#include "protocol/ConfCtrlResult.h"
#include "tests/setup/SetupFixture.h"
#include "vezadazavo/VezadaZavo.h"

namespace tavtest {
namespace {

class CreatePageTest : public SetupTest {
 protected:
  void SetUp() override {
    SetupTest::SetUp();
    SavedDefaults("周会", 10, 60, 5, "1234");
    OpenUI();
  }

  // The items of a combo: text and data.
  std::vector<std::pair<std::string, int>> Items(int id) {
    CComboBox* combo = (CComboBox*)CreatePage()->GetDlgItem(id);
    std::vector<std::pair<std::string, int>> items;
    for (int i = 0; i < combo->GetCount(); ++i) {
      CString text;
      combo->GetLBText(i, text);
      items.push_back({text.str(), (int)combo->GetItemData(i)});
    }
    return items;
  }
  std::vector<int> Data(int id) {
    std::vector<int> data;
    for (auto& item : Items(id)) data.push_back(item.second);
    return data;
  }

  void SetRights(int audio, int video, int features) {
    VzData().rights.iAudio = audio;
    VzData().rights.iVideo = video;
    VzData().rights.iFeatures = features;
    HostPlainBlock block{0};
    EXPECT_EQ(1, Deliver(kModuleRightsChanged, block));
  }
  void WriteIni(const char* text) { std::ofstream(UserPath() + "Vexlon.ini") << text; }
  bool PressOK() { return Click(CreatePage(), IDOK); }
  std::string LastBox() { return LastMessageBoxText().str(); }
};

// ---- Type and split-screen lists ----

TEST_F(CreatePageTest, RightsNotGivenTakeTheIniDefaultAndOfferTheWhiteboard) {
  SetRights(1, 1, -1);
  EXPECT_EQ((std::vector<std::pair<std::string, int>>{{"音频会议", 0}, {"视频会议", 1}, {"白板", 4}}),
            Items(IDC_CONF_TYPE));
  EXPECT_EQ(0, ((CComboBox*)CreatePage()->GetDlgItem(IDC_CONF_TYPE))->GetCurSel());
  EXPECT_TRUE(Enabled(CreatePage(), IDOK));
}

TEST_F(CreatePageTest, EveryFeatureRightAddsItsTypesInOrder) {
  SetRights(1, 1, 0x7);
  EXPECT_EQ((std::vector<int>{0, 1, 4, 7, 6, 9, 10, 11, 12, 8, 3}), Data(IDC_CONF_TYPE));
  SetRights(0, 1, 0x2);
  EXPECT_EQ((std::vector<int>{1, 3}), Data(IDC_CONF_TYPE));
}

TEST_F(CreatePageTest, IniConfTypeZeroTakesVideoAwayAndLeavesNoFeatures) {
  WriteIni("[VEXLON_IMS]\nConfType=0\n");
  SetRights(1, 1, -1);
  EXPECT_EQ((std::vector<int>{0}), Data(IDC_CONF_TYPE));
  // A given feature right is not replaced by the ini value.
  SetRights(1, 1, 0x1);
  EXPECT_EQ((std::vector<int>{0, 4}), Data(IDC_CONF_TYPE));
}

TEST_F(CreatePageTest, NoTypeToOfferDisablesCreate) {
  SetRights(0, 0, 0);
  EXPECT_TRUE(Items(IDC_CONF_TYPE).empty());
  EXPECT_FALSE(Enabled(CreatePage(), IDOK));
}

TEST_F(CreatePageTest, SplitScreenOffersSixPanesUnlessTheMediaServerIsConvedia) {
  EXPECT_EQ((std::vector<std::pair<std::string, int>>{{"1 分屏", 1}, {"4 分屏", 4}, {"6 分屏", 6}}),
            Items(IDC_SPLIT_SCREEN));
  VzData().caps.csMediaServer = "CONVedia";
  SetRights(1, 1, -1);
  EXPECT_EQ((std::vector<int>{1, 4}), Data(IDC_SPLIT_SCREEN));
}

TEST_F(CreatePageTest, TheNumberTipTellsAboutExtensionsForAudioConferencesOnly) {
  SetRights(1, 1, -1);
  CTipEdit& edit = CreatePage()->m_editNumbers;
  ASSERT_NE(nullptr, edit.GetToolTip());
  CString tip;
  edit.GetToolTip()->GetText(tip, &edit);
  EXPECT_NE(-1, tip.Find("分机成员")) << tip.str();
  ASSERT_TRUE(platform::user::ChooseComboItem(CreatePage()->GetDlgItem(IDC_CONF_TYPE)->m_hWnd, 2));
  edit.GetToolTip()->GetText(tip, &edit);
  EXPECT_EQ(CString("外线号码前需加0； 可以一次添加多个成员，以分号';'分隔"), tip);
}

TEST_F(CreatePageTest, SplitScreenShowsForVideoConferencesOnly) {
  SetRights(1, 1, -1);
  CWnd* split = CreatePage()->GetDlgItem(IDC_SPLIT_SCREEN);
  EXPECT_FALSE(Visible(split));
  ASSERT_TRUE(platform::user::ChooseComboItem(CreatePage()->GetDlgItem(IDC_CONF_TYPE)->m_hWnd, 1));
  EXPECT_TRUE(Visible(split));
  EXPECT_TRUE(Visible(CreatePage()->GetDlgItem(IDC_SPLIT_LABEL)));
  ASSERT_TRUE(platform::user::ChooseComboItem(CreatePage()->GetDlgItem(IDC_CONF_TYPE)->m_hWnd, 2));
  EXPECT_FALSE(Visible(split));
}

TEST_F(CreatePageTest, ShowUIPageCodeRebuildsTheTypeList) {
  VzData().rights.iVideo = 0;
  Module()->m_dataConfRight.iVideo = 0;
  HostPageBlock block{kPageCreate, nullptr, 0};
  EXPECT_EQ(1, Deliver(kModuleShowUIPage, block));
  EXPECT_EQ((std::vector<int>{0, 4}), Data(IDC_CONF_TYPE));
}

// ---- Reset from the defaults ----

// Defaults outside their ranges, as an older version could save them.
class CreatePageOddDefaultsTest : public CreatePageTest {
 protected:
  void SetUp() override {
    SetupTest::SetUp();
    SavedDefaults("", 0, 1000, -3, "77");
    OpenUI();
  }
};

TEST_F(CreatePageOddDefaultsTest, ResetTakesTheDefaultsWithinTheirRanges) {
  CmmconfCreate* page = CreatePage();
  EXPECT_EQ(CString("新建会议"), ItemText(page, IDC_SUBJECT));
  EXPECT_EQ(CString("5"), ItemText(page, IDC_MAX_MEMBERS));
  EXPECT_EQ(CString("3"), ItemText(page, IDC_DURATION));
  EXPECT_EQ(CString("1"), ItemText(page, IDC_REMAIN_NOTICE));
  EXPECT_EQ(CString("77"), ItemText(page, IDC_VISITOR_PWD_AGAIN));
  EXPECT_EQ(BST_CHECKED, page->IsDlgButtonChecked(IDC_CHAIR_LEAVE_NO_END));

  // Import writes the defaults as they are.
  ASSERT_TRUE(Click(page, IDC_BTN_IMPORT_DEFAULTS));
  EXPECT_EQ(CString(""), ItemText(page, IDC_SUBJECT));
  EXPECT_EQ(CString("1000"), ItemText(page, IDC_DURATION));
  EXPECT_EQ(CString("-3"), ItemText(page, IDC_REMAIN_NOTICE));
}

// ---- Checks ----

struct CheckCase {
  const char* name;
  std::vector<std::pair<int, const char*>> fields;  // control, text
  int rows;
  const char* message;
  int focus;  // the control that gets the focus, 0 when it stays
};

class CreateCheckTest : public CreatePageTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(CreateCheckTest, RefusesWithTheFirstMessageAndSendsNothing) {
  const CheckCase& c = GetParam();
  for (auto& field : c.fields) SetField(CreatePage(), field.first, field.second);
  TypeMembers(CreatePage(), c.rows, "8%03d@ims.cn");
  Host().Clear();
  ASSERT_TRUE(PressOK());
  EXPECT_EQ(std::vector<std::string>{c.message}, Boxes());
  EXPECT_EQ(MB_OK | MB_ICONINFORMATION, MessageBoxesShown().back().flags);
  EXPECT_EQ(GetMsgTitle(), MessageBoxesShown().back().caption);
  if (c.focus) {
    EXPECT_EQ(::GetDlgItem(CreatePage()->m_hWnd, c.focus), ::GetFocus());
  }
  EXPECT_EQ(0u, Host().CountCode(kHostBeforeCreate));
  EXPECT_EQ(0u, Method1Count());
  EXPECT_TRUE(Start()->ArePageButtonsEnabled());
}

const CheckCase kCheckCases[] = {
    {"MaxEmpty", {{IDC_MAX_MEMBERS, ""}, {IDC_CHAIR_PWD, ""}}, 0, "请输入最大成员数！", IDC_MAX_MEMBERS},
    {"MaxNotDigits", {{IDC_MAX_MEMBERS, "1a"}, {IDC_DURATION, ""}}, 0, "最大成员数只能为数字！", IDC_MAX_MEMBERS},
    {"DurationEmpty", {{IDC_DURATION, ""}, {IDC_REMAIN_NOTICE, ""}}, 0, "请输入会议时长！", IDC_DURATION},
    {"DurationNotDigits", {{IDC_DURATION, "-5"}}, 0, "会议时长只能为数字！", IDC_DURATION},
    {"NoticeEmpty", {{IDC_REMAIN_NOTICE, ""}, {IDC_CHAIR_PWD, ""}}, 0, "请输入剩余时间通知时间！", IDC_REMAIN_NOTICE},
    {"NoticeNotDigits", {{IDC_REMAIN_NOTICE, "5 "}}, 0, "剩余时间通知时间只能为数字！", IDC_REMAIN_NOTICE},
    {"ChairEmpty", {{IDC_CHAIR_PWD, ""}, {IDC_MEMBER_PWD, ""}}, 0, "请输入主席密码！", IDC_CHAIR_PWD},
    {"ChairNotDigits", {{IDC_CHAIR_PWD, "12ab"}}, 0, "主席密码只能为数字！", IDC_CHAIR_PWD},
    {"VisitorEmpty", {{IDC_VISITOR_PWD, ""}, {IDC_MEMBER_PWD, "x"}}, 0, "请输入访客密码！", 0},
    {"VisitorNotDigits", {{IDC_VISITOR_PWD, "1.5"}}, 0, "访客密码只能为数字！", 0},
    {"MemberEmpty", {{IDC_MEMBER_PWD, ""}}, 0, "请输入成员密码！", IDC_MEMBER_PWD},
    {"MemberNotDigits", {{IDC_MEMBER_PWD, "一"}}, 0, "成员密码只能为数字！", IDC_MEMBER_PWD},
    {"SubjectEmpty", {{IDC_SUBJECT, ""}, {IDC_MAX_MEMBERS, "1"}}, 0, "请输入会议主题！", 0},
    {"ChairAgain", {{IDC_CHAIR_PWD_AGAIN, "1235"}, {IDC_MEMBER_PWD_AGAIN, "9"}}, 0, "主席密码两次输入的不同！", 0},
    {"VisitorAgain", {{IDC_VISITOR_PWD_AGAIN, ""}, {IDC_MEMBER_PWD_AGAIN, "9"}}, 0, "访客密码两次输入的不同！", 0},
    {"MemberAgain", {{IDC_MEMBER_PWD_AGAIN, "12345"}}, 0, "成员密码两次输入的不同！", 0},
    {"MaxBelowTwo", {{IDC_MAX_MEMBERS, "1"}, {IDC_DURATION, "2"}}, 0, "最大成员数不能小于2！", 0},
    {"ChairCountsAgainstMax", {{IDC_MAX_MEMBERS, "3"}}, 3, "会场人数(包括主席)超过会议最大人数限制！", 0},
    {"DurationTwo", {{IDC_DURATION, "2"}, {IDC_REMAIN_NOTICE, "0"}}, 0, "会议时长不能小于3分钟！", 0},
    {"DurationOne", {{IDC_DURATION, "1"}}, 0, "会议时长不能小于3分钟！", 0},
    {"NoticeZero", {{IDC_REMAIN_NOTICE, "0"}}, 0, "剩余时间通知时间不能小于1！", 0},
    {"DurationZero", {{IDC_DURATION, "0"}, {IDC_REMAIN_NOTICE, "1"}}, 0, "剩余时间通知时间不能大于会议时长", 0},
    {"NoticeEqualsDuration", {{IDC_DURATION, "30"}, {IDC_REMAIN_NOTICE, "30"}}, 0, "剩余时间通知时间不能大于会议时长",
     0},
};

INSTANTIATE_TEST_SUITE_P(InOrder, CreateCheckTest, ::testing::ValuesIn(kCheckCases),
                         [](const ::testing::TestParamInfo<CheckCase>& info) { return info.param.name; });

TEST_F(CreatePageTest, MaximumMembersWithRoomForTheChairPasses) {
  SetField(CreatePage(), IDC_MAX_MEMBERS, "4");
  TypeMembers(CreatePage(), 3, "8%03d@ims.cn");
  ASSERT_TRUE(PressOK());
  EXPECT_TRUE(Boxes().empty()) << LastBox();
  EXPECT_EQ(1u, Method1Count());
}

// ---- Refusals before the checks ----

TEST_F(CreatePageTest, ACallRefusesBeforeTheHostIsAsked) {
  VzData().states.bTalking = TRUE;
  ASSERT_TRUE(PressOK());
  VzData().states.bTalking = FALSE;
  VzData().states.iCountAboveConnecting = 1;
  ASSERT_TRUE(PressOK());
  EXPECT_EQ((std::vector<std::string>{"通话中，不能进行多媒体会议操作", "通话中，不能进行多媒体会议操作"}), Boxes());
  EXPECT_EQ(0u, Host().CountCode(kHostMayStartConfOp));
}

TEST_F(CreatePageTest, APointToPointSessionRefusesWithItsName) {
  Module()->SetP2PBusy(TRUE);
  ASSERT_TRUE(PressOK());
  Module()->AddP2PSession("sip:peer@ims.cn", -1);
  ASSERT_TRUE(PressOK());
  std::vector<std::string> boxes = Boxes();
  ASSERT_EQ(2u, boxes.size());
  EXPECT_EQ("您正在进行数据会议！", boxes[0]);
  EXPECT_EQ("您正在进行" + Module()->GetP2PSessionName().str() + "操作", boxes[1]);
  EXPECT_EQ(0u, Host().CountCode(kHostMayStartConfOp));
}

TEST_F(CreatePageTest, ABusyHostRefusesBeforeTheFieldChecks) {
  HostAllows(0);
  SetField(CreatePage(), IDC_MAX_MEMBERS, "");
  ASSERT_TRUE(PressOK());
  EXPECT_EQ(std::vector<std::string>{"系统忙，请稍后重试！"}, Boxes());
  EXPECT_EQ(0u, Host().CountCode(kHostBeforeCreate));
  EXPECT_EQ(0u, Method1Count());
}

// ---- The request ----

TEST_F(CreatePageTest, AskTheHostThenAnnounceTheCreateThenSendIt) {
  SetRights(1, 1, -1);
  ASSERT_TRUE(platform::user::ChooseComboItem(CreatePage()->GetDlgItem(IDC_CONF_TYPE)->m_hWnd, 1));
  ASSERT_TRUE(platform::user::ChooseComboItem(CreatePage()->GetDlgItem(IDC_SPLIT_SCREEN)->m_hWnd, 2));
  TypeField(CreatePage(), IDC_SUBJECT, "项目例会");
  ASSERT_TRUE(Click(CreatePage(), IDC_CHAIR_LEAVE_NO_END));
  Host().Clear();
  ASSERT_TRUE(PressOK());
  EXPECT_TRUE(Boxes().empty()) << LastBox();
  ExpectTraffic(Host(), {{kMsg, kHostConfMethod}, {kMsg, kHostMayStartConfOp}, {kMsg, kHostBeforeCreate},
                         {kMsg, kHostConfMethod}});
  ASSERT_EQ(1u, Host().ConfMethodRecords(11).size()) << "the background-sound list is asked for once";
  const ConfMethodRecord* record = Host().ConfMethod1(0);
  ASSERT_NE(nullptr, record);
  int subType = record->iSubType, type = record->iConfType, split = record->iSplitScreen;
  int maxMembers = record->iMaxMembers, duration = record->iDuration, notice = record->iRemainNotice;
  int chairLeaves = record->bChairLeaveNoEnd, count = record->iMemberCount;
  EXPECT_EQ(1, subType);
  EXPECT_EQ(1, type);
  EXPECT_EQ(6, split);
  EXPECT_EQ(10, maxMembers);
  EXPECT_EQ(60, duration);
  EXPECT_EQ(5, notice);
  EXPECT_EQ(0, chairLeaves);
  EXPECT_EQ(0, count);
  EXPECT_STREQ("项目例会", record->szSubject);
  EXPECT_STREQ("1234", record->szChairPassword);
  EXPECT_STREQ("1234", record->szMemberPassword);
  EXPECT_STREQ("1234", record->szVisitorPassword);
  EXPECT_STREQ("", record->szConfURI);

  // A second create in this run does not ask for the sounds again.
  Start()->EnablePageButtons(TRUE);
  ASSERT_TRUE(PressOK());
  EXPECT_EQ(1u, Host().ConfMethodRecords(11).size());
}

TEST_F(CreatePageTest, ASentRequestMakesTheConferenceWindowWait) {
  SetRights(1, 1, -1);
  TypeMembers(CreatePage(), 2, "8%03d@ims.cn");
  // An earlier create timed out, and a failure reason came after it.
  ASSERT_TRUE(PressOK());
  Advance(60000);
  ASSERT_TRUE(Conf()->m_bCreateTimedOut);
  confCtrlResult reason{};
  reason.detailType = kDetailFailReason;
  strcpy(reason.szReason, "old");
  HostRecordBlock block{1, &reason, 0};
  ASSERT_EQ(1, Deliver(kModuleConfEvent, block));
  ASSERT_EQ(CString("old"), Conf()->m_csFailReason);
  Host().Clear();
  ASSERT_TRUE(PressOK());
  EXPECT_TRUE(Conf()->m_bSetupRequestPending);
  EXPECT_FALSE(Conf()->m_bCreateTimedOut);
  EXPECT_EQ(CString(), Conf()->m_csFailReason);
  EXPECT_TRUE(Conf()->bTimerExist("start_audio"));
  EXPECT_FALSE(Start()->ArePageButtonsEnabled());
  EXPECT_FALSE(Enabled(CreatePage(), IDOK));
  ASSERT_EQ(2, Conf()->m_saInitMembers.GetSize());
  EXPECT_EQ(CString("sip:8000@ims.cn"), Conf()->m_saInitMembers[0]);
  bool logged = false;
  for (const std::string& line : Host().LogLines()) logged = logged || line == "创建会议";
  EXPECT_TRUE(logged);
}

TEST_F(CreatePageTest, TheWhiteboardTypeWaitsAsStartXwb) {
  SetRights(1, 1, -1);
  ASSERT_TRUE(platform::user::ChooseComboItem(CreatePage()->GetDlgItem(IDC_CONF_TYPE)->m_hWnd, 2));
  ASSERT_TRUE(PressOK());
  EXPECT_TRUE(Conf()->bTimerExist("start_xwb"));
}

// The create with four members fails; the user adds a fifth and tries again.
TEST_F(CreatePageTest, WithoutASplitScreenChoiceTheMemberCountDecides) {
  TypeMembers(CreatePage(), 4, "8%03d@ims.cn");
  ((CComboBox*)CreatePage()->GetDlgItem(IDC_SPLIT_SCREEN))->SetCurSel(-1);
  ASSERT_TRUE(PressOK());
  ASSERT_EQ(1, DeliverConfResult(kDetailCreate, "", Host().ConfMethod1(0)->iConfType, 503));
  TypeMembers(CreatePage(), 1, "9%03d@ims.cn");
  ASSERT_TRUE(PressOK());
  ASSERT_EQ(2u, Method1Count());
  int four = Host().ConfMethod1(0)->iSplitScreen, six = Host().ConfMethod1(1)->iSplitScreen;
  EXPECT_EQ(4, four);
  EXPECT_EQ(6, six);
}

TEST_F(CreatePageTest, ARefusedRequestLeavesNothingWaiting) {
  HostTakesRequests(0);
  TypeMembers(CreatePage(), 2, "8%03d@ims.cn");
  ASSERT_TRUE(PressOK());
  EXPECT_TRUE(Boxes().empty());
  EXPECT_EQ(0, Conf()->m_saInitMembers.GetSize());
  EXPECT_FALSE(Conf()->m_bSetupRequestPending);
  EXPECT_FALSE(Conf()->bTimerExist("start_audio"));
  EXPECT_TRUE(Start()->ArePageButtonsEnabled());
}

// ---- The 60-second wait ----

TEST_F(CreatePageTest, NoAnswerInSixtySecondsReportsTheTimeOut) {
  ASSERT_TRUE(PressOK());
  Start()->SendMessage(WM_PRECREATE_HIDE, kHideAfterSuccess, 0);
  Advance(59000);
  EXPECT_FALSE(Start()->ArePageButtonsEnabled());
  Advance(1000);
  EXPECT_TRUE(Start()->ArePageButtonsEnabled());
  EXPECT_FALSE(Conf()->m_bSetupRequestPending);
  EXPECT_TRUE(Conf()->m_bCreateTimedOut);
  EXPECT_TRUE(Visible(Start()));
  EXPECT_TRUE(Visible(CreatePage()));
  ASSERT_TRUE(Visible(Start()->m_pInfoToolTip));
  EXPECT_EQ(CString("创建会议超时！"), Start()->m_pInfoToolTip->m_csInfo);
}

// A host whose conference control answers inside the call: after an earlier create timed out,
// the next create's conference runs (it is not left as a late answer) and nothing waits.
TEST_F(CreatePageTest, ACreateAnsweredInsideTheCallAfterATimeOutRuns) {
  ASSERT_TRUE(PressOK());
  Advance(60000);
  ASSERT_TRUE(Conf()->m_bCreateTimedOut);
  Host().SetObserver([this](const host::HostEvent& event) {
    const HostMethodBlock* block = event.As<HostMethodBlock>();
    if (event.code != kHostConfMethod || !block || block->nMethod != 1) return;
    if (static_cast<const ConfMethodRecord*>(block->pRecord)->iSubType != kConfCreate) return;
    DeliverConfResult(kDetailCreate, "sip:conf002@ims.example.cn", 0, kConfResultOK);
  });
  Host().Clear();
  ASSERT_TRUE(PressOK());
  Host().SetObserver(nullptr);
  EXPECT_TRUE(Conf()->m_bInConf);
  EXPECT_EQ(CString("sip:conf002@ims.example.cn"), Conf()->GetConfURI());
  EXPECT_EQ(1u, Method1Count()) << "the create alone, no leave";
  EXPECT_FALSE(Conf()->m_bSetupRequestPending);
  EXPECT_FALSE(Conf()->bTimerExist("start_audio"));
  EXPECT_TRUE(Start()->ArePageButtonsEnabled());
  Advance(60000);
  EXPECT_FALSE(Conf()->m_bCreateTimedOut) << "the answered create has no time-out";
}

// A create the host does not take leaves the window as it was: the late success of the earlier
// create that timed out is still left at once.
TEST_F(CreatePageTest, ARefusedCreateKeepsAnEarlierTimeOut) {
  ASSERT_TRUE(PressOK());
  Advance(60000);
  HostTakesRequests(0);
  ASSERT_TRUE(PressOK());
  EXPECT_TRUE(Conf()->m_bCreateTimedOut);
  ASSERT_EQ(1, DeliverConfResult(kDetailCreate, "sip:late@ims.example.cn", 0, kConfResultOK));
  EXPECT_FALSE(Conf()->m_bInConf);
  ASSERT_EQ(3u, Method1Count());
  EXPECT_EQ(kConfLeave, Host().ConfMethod1(2)->iSubType);
}

}  // namespace
}  // namespace tavtest
