#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "confwindow/DlgDataConf.h"
#include "platform/Tick.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/UserInput.h"
#include "protocol/ConfMethodRecord.h"
#include "protocol/InviteEvents.h"
#include "setup/DlgInviteReceived.h"
#include "tests/support/module/ModuleFixture.h"
#include "vezadazavo/VezadaZavo.h"

namespace {

using tavtest::ExpectTraffic;
using tavtest::kMsg;

const char kConf[] = "sip:conf42@ims.example.cn;transport=udp";

int IntAt(const void* record, size_t offset) {
  int value;
  memcpy(&value, static_cast<const char*>(record) + offset, sizeof value);
  return value;
}

class InviteReceivedTest : public tavtest::ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    invite_.detailType = kDetailConfInvite;
    strcpy(invite_.szConfURI, kConf);
    strcpy(invite_.szSubject, "周会");
    strcpy(invite_.szChairURI, "sip:80009999@ims.example.cn");
    strcpy(invite_.szDConfID, "dconf-9");
    invite_.iConfType = 1;
    invite_.iTypeCount = 2;
    invite_.aiTypes[0] = 0;
    invite_.aiTypes[1] = 5;
  }
  // Delivers the invitation; act runs once inside the dialog's modal loop.
  void Deliver(std::function<void(HWND dialog)> act) {
    OnceInModal(platform::ModalKind::Dialog, [this, act](const platform::ModalState& state) {
      seen_ = ReadDialog(state.window);
      act(state.window);
    });
    HostRecordBlock block{1, &invite_, 0};
    ModuleTest::Deliver(kModuleConfEvent, block);
  }
  struct Texts {
    CString uri, subject, creator, type;
  };
  static Texts ReadDialog(HWND dialog) {
    CWnd* window = CWnd::FromHandle(dialog);
    Texts texts;
    window->GetDlgItemText(IDC_INVITE_CONF_URI, texts.uri);
    window->GetDlgItemText(IDC_INVITE_SUBJECT, texts.subject);
    window->GetDlgItemText(IDC_INVITE_CREATOR, texts.creator);
    window->GetDlgItemText(IDC_INVITE_CONF_TYPE, texts.type);
    return texts;
  }
  int AnswerSent() {
    auto records = Host().ConfMethodRecords(1);
    if (records.empty()) return -1;
    EXPECT_EQ(1u, records.size());
    EXPECT_EQ(kConfAnswer, IntAt(records[0], 0));
    EXPECT_STREQ(kConf, static_cast<const char*>(records[0]) + 4);
    EXPECT_EQ(1, IntAt(records[0], 0x146));
    return IntAt(records[0], 0x56F);
  }
  void HostCode(int code) {
    HostPlainBlock block{0};
    ModuleTest::Deliver(code, block);
  }
  // The host says that a conference is over (conference event iType 7).
  void HostEndsConference(const char* uri) {
    auto event = std::make_unique<confStatisEvent>();
    memset(event.get(), 0, sizeof *event);
    event->detailType = kStatisConfEnded;
    strcpy(event->szConfURI, uri);
    HostRecordBlock block{7, event.get(), 0};
    ModuleTest::Deliver(kModuleConfEvent, block);
  }
  // The answers sent (method 1, sub-type 3): conference URI and answer, in order.
  std::vector<std::pair<std::string, int>> Answers() {
    std::vector<std::pair<std::string, int>> answers;
    for (const void* record : Host().ConfMethodRecords(1))
      if (IntAt(record, 0) == kConfAnswer)
        answers.emplace_back(static_cast<const char*>(record) + 4, IntAt(record, 0x56F));
    return answers;
  }

  confCtrlResult invite_{};
  Texts seen_;
};

TEST_F(InviteReceivedTest, JoinFillsTheDialogAnswersOneAndTakesOverTheConference) {
  Deliver([](HWND dialog) { platform::user::ClickItem(dialog, IDOK); });
  EXPECT_EQ(CString("conf42@ims.example.cn"), seen_.uri);
  EXPECT_EQ(CString("周会"), seen_.subject);
  EXPECT_EQ(CString("80009999(80009999@ims.example.cn)"), seen_.creator);
  EXPECT_EQ(CString("音频+数据综合会议"), seen_.type);
  EXPECT_EQ(1, AnswerSent());
  CDlgDataConf* conf = Module()->m_pDlgDataConf;
  EXPECT_TRUE(conf->m_bInConf);
  EXPECT_EQ(CString(kConf), conf->GetConfURI());
  EXPECT_EQ(CString("dconf-9"), conf->GetDConfID(kDConfID));
  EXPECT_EQ(CString("周会"), conf->m_csSubject);
  EXPECT_EQ(1u, Host().ConfMethodRecords(11).size()) << "background sounds fetched once";
  EXPECT_FALSE(GetUserData()->m_bInvitePending);
  EXPECT_EQ(nullptr, Module()->m_pActiveCommonDlg);
  // The conference window is made for the event, with its invite dialog and that dialog's tree.
  ExpectTraffic(Host(), {{kMsg, kHostSkinWindow},
                         {tavtest::kReq, kTreeRegister},
                         {kMsg, kHostInviteComing},
                         {kMsg, kHostInviteShowing},
                         {kMsg, kHostSkinWindow},
                         {kMsg, kHostConfMethod},
                         {kMsg, kHostConfMethod}});
}

// Before the dialog shows, the host's main window is raised and messages run for 50 ms: the
// wait lasts that long and hands the thread back at least every 50 ms of the clock.
TEST_F(InviteReceivedTest, TheWaitBeforeTheDialogPumpsInStepsOfAtMostFiftyMilliseconds) {
  std::vector<DWORD> steps;  // the clock at each start of a wait step, then at the dialog
  OnModal([&](const platform::ModalState& state) {
    if (state.idlePasses == 0 && state.kind == platform::ModalKind::Wait) steps.push_back(GetTickCount());
    if (state.kind != platform::ModalKind::Dialog) return;
    steps.push_back(GetTickCount());
    platform::user::ClickItem(state.window, IDOK);
  });
  const DWORD start = GetTickCount();
  HostRecordBlock block{1, &invite_, 0};
  ModuleTest::Deliver(kModuleConfEvent, block);
  ASSERT_GE(steps.size(), 2u);
  EXPECT_EQ(50u, steps.back() - start) << "the invitation shows after its 50 ms";
  for (size_t i = 1; i < steps.size(); ++i) EXPECT_LE(steps[i] - steps[i - 1], 50u);
  EXPECT_EQ(1, AnswerSent());
}

TEST_F(InviteReceivedTest, EscapeRefusesAndReportsTheStateChange) {
  bool pendingWhileUp = false;
  Deliver([&](HWND dialog) {
    pendingWhileUp = GetUserData()->m_bInvitePending;
    ::SetFocus(::GetDlgItem(dialog, IDOK));
    platform::user::PressEscape();
  });
  EXPECT_TRUE(pendingWhileUp);
  EXPECT_EQ(0, AnswerSent());
  EXPECT_EQ(Host().Events().back().code, kHostStateChanged);
  EXPECT_FALSE(Module()->m_pDlgDataConf->m_bInConf);
  EXPECT_FALSE(GetUserData()->m_bInvitePending);
}

TEST_F(InviteReceivedTest, HostCodesElevenAndTwelvePressTheButtons) {
  Deliver([this](HWND) { HostCode(kModuleAcceptInvite); });
  EXPECT_EQ(1, AnswerSent());
  DeliverStatus(kStatisConfEnded, kConf);
  Host().Clear();
  Deliver([this](HWND) { HostCode(kModuleRefuseInvite); });
  EXPECT_EQ(0, AnswerSent());
}

TEST_F(InviteReceivedTest, ConferenceEndClosesTheDialogWithOrWithoutAnAnswer) {
  Deliver([this](HWND) { Module()->m_pDlgDataConf->CloseInviteDialog(FALSE); });
  EXPECT_EQ(-1, AnswerSent()) << "ended without an answer";
  EXPECT_EQ(0u, Host().CountCode(kHostStateChanged));
  EXPECT_FALSE(GetUserData()->m_bInvitePending);

  Deliver([this](HWND) { Module()->m_pDlgDataConf->CloseInviteDialog(TRUE); });
  EXPECT_EQ(0, AnswerSent()) << "WM_CLOSE alone refuses";
  Host().Clear();
  Module()->m_pDlgDataConf->CloseInviteDialog(TRUE);  // nothing runs: nothing happens
  EXPECT_EQ(-1, AnswerSent());
}

TEST_F(InviteReceivedTest, TheHostsEndOfTheInvitedConferenceClosesTheDialogUnanswered) {
  // The dialog ends with the host's call, not with the user's answer.
  Deliver([&](HWND dialog) {
    HostEndsConference("sip:other@ims.example.cn");
    Pump();
    EXPECT_TRUE(::IsWindowVisible(dialog)) << "another conference's end leaves it";
    HostEndsConference(kConf);
  });
  EXPECT_EQ(-1, AnswerSent());
  EXPECT_FALSE(Module()->m_pDlgDataConf->m_bInConf);
  EXPECT_FALSE(GetUserData()->m_bInvitePending);
}

TEST_F(InviteReceivedTest, AnAutoAcceptedInvitationWhoseConferenceEndsMeanwhileIsNotJoined) {
  GetUserData()->m_bAutoAccept = TRUE;
  OnceInModal(platform::ModalKind::Wait, [this](const platform::ModalState&) { HostEndsConference(kConf); });
  HostRecordBlock block{1, &invite_, 0};
  ModuleTest::Deliver(kModuleConfEvent, block);
  EXPECT_EQ(-1, AnswerSent());
  EXPECT_FALSE(Module()->m_pDlgDataConf->m_bInConf);
}

TEST_F(InviteReceivedTest, AnAcceptedInvitationBringsTheMemberCounts) {
  invite_.iMemberCount = 4;
  invite_.iMaxMembers = 6;
  Deliver([](HWND dialog) { platform::user::ClickItem(dialog, IDOK); });
  EXPECT_EQ(4, Module()->m_pDlgDataConf->m_iMemberCount);
  EXPECT_EQ(6, Module()->m_pDlgDataConf->m_iMaxMemberCount);
  EXPECT_TRUE(Module()->m_pDlgDataConf->IsWindowVisible());
}

TEST_F(InviteReceivedTest, ASecondInvitationWhileTheFirstIsUpIsRefusedAndTheFirstAnsweredOnce) {
  confCtrlResult second = invite_;
  strcpy(second.szConfURI, "sip:conf43@ims.example.cn");
  bool firstStillUp = false;
  Deliver([&](HWND dialog) {
    HostRecordBlock block{1, &second, 0};
    ModuleTest::Deliver(kModuleConfEvent, block);
    firstStillUp = ::IsWindowVisible(dialog) && GetUserData()->m_bInvitePending;
    block = {1, &invite_, 0};  // the same invitation again is left to the dialog on screen
    ModuleTest::Deliver(kModuleConfEvent, block);
    platform::user::ClickItem(dialog, IDOK);
  });
  EXPECT_TRUE(firstStillUp);
  using Answer = std::pair<std::string, int>;
  EXPECT_EQ((std::vector<Answer>{{"sip:conf43@ims.example.cn", 0}, {kConf, 1}}), Answers());
  EXPECT_EQ(CString(kConf), Module()->m_pDlgDataConf->GetConfURI());
  EXPECT_FALSE(GetUserData()->m_bInvitePending);

  // The next invitation shows its dialog again.
  Host().Clear();
  bool shown = false;
  Deliver([&](HWND dialog) {
    shown = true;
    platform::user::ClickItem(dialog, IDCANCEL);
  });
  EXPECT_TRUE(shown);
}

TEST_F(InviteReceivedTest, ClosingThePopupsRefuses) {
  Deliver([this](HWND) { Module()->ClosePopupDialogs(); });
  EXPECT_EQ(0, AnswerSent());
}

TEST_F(InviteReceivedTest, CreatorAndTypeTexts) {
  EXPECT_EQ(CString("无主席"), CDlgDataConf::InviteCreatorText("sip:@ims.example.cn"));
  EXPECT_EQ(CString("无主席"), CDlgDataConf::InviteCreatorText(""));
  confCtrlResult types{};
  types.iTypeCount = 4;
  types.aiTypes[0] = 1;
  types.aiTypes[1] = 2;  // no name: left out
  types.aiTypes[2] = 4;
  types.aiTypes[3] = 5;
  EXPECT_EQ(CString("视频+白板+数据综合会议"), CDlgDataConf::InviteTypeText(types));
  types.iTypeCount = 100000;  // a hostile count reads no further than the list
  EXPECT_FALSE(CDlgDataConf::InviteTypeText(types).IsEmpty());
  types.iTypeCount = -3;
  EXPECT_EQ(CString(""), CDlgDataConf::InviteTypeText(types));
}

TEST_F(InviteReceivedTest, UnknownCreatorAsksTheHostWhenItResolvesNames) {
  VzData().states.iCallerNameType = 3;
  EXPECT_EQ(CString("80009999(80009999@ims.example.cn)"),
            CDlgDataConf::InviteCreatorText("sip:80009999@ims.example.cn"));
  EXPECT_EQ(1u, Host().CountCode(kHostResolveName));
}

TEST_F(InviteReceivedTest, AutoAcceptJoinsWithoutShowingTheDialog) {
  GetUserData()->m_bAutoAccept = TRUE;
  bool dialogShown = false;
  platform::Desktop::SetModalHook([&](const platform::ModalState& state) {
    if (state.kind == platform::ModalKind::Dialog) dialogShown = true;
  });
  HostRecordBlock block{1, &invite_, 0};
  ModuleTest::Deliver(kModuleConfEvent, block);
  EXPECT_FALSE(dialogShown);
  EXPECT_EQ(1, AnswerSent());
  std::vector<std::string> logs = Host().LogLines();
  bool logged = false;
  for (const std::string& line : logs) logged |= line.find("AutoAccept Conference Invite!") != std::string::npos;
  EXPECT_TRUE(logged);
}

}  // namespace
