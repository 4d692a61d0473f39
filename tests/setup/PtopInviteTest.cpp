#include <gtest/gtest.h>

#include <cstring>

#include "common/ConfMethodRecord.h"
#include "host/scenario/ConfEventWords.h"
#include "platform/Tick.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/UserInput.h"
#include "protocol/ConfCtrlResult.h"
#include "protocol/ConfMethodRecord.h"
#include "protocol/InviteEvents.h"
#include "setup/DlgPtopInvite.h"
#include "setup/DlgVNCTip.h"
#include "setup/DlgmmConfPreCreate.h"
#include "setup/SetupIds.h"
#include "setup/mmconfJoin.h"
#include "tests/support/Faults.h"
#include "tests/support/module/ModuleFixture.h"
#include "vezadazavo/VezadaZavo.h"
#include "whiteboard/windows/DlgDFP2PWhiteBoard.h"
#include "whiteboard/windows/P2PDrawContentDlg.h"
#include "whiteboard/windows/WbToolButtons.h"

namespace {

using tavtest::ExpectTraffic;
using tavtest::kMsg;

const char kPeer[] = "sip:13766660001@ims.example.cn";
const char kPeer2[] = "sip:13766660002@ims.example.cn";
const char kKnownPeer[] = "sip:80001234@ims.example.cn";  // in the phone book

// An int of a sent record at its wire offset.
int IntAt(const void* record, size_t offset) {
  int value;
  memcpy(&value, static_cast<const char*>(record) + offset, sizeof value);
  return value;
}

class PtopInviteTest : public tavtest::ModuleTest {
 protected:
  int Event(int detail, const char* peer, int kind, int result = 0) {
    return DeliverConfResult(detail, peer, kind, result);
  }
  CDlgPtopInvite* Invite(int i) { return Module()->m_aInviteDlgs[i]; }
  CString Text(CWnd* window, int id) {
    CString text;
    window->GetDlgItemText(id, text);
    return text;
  }
  // The values code 108 carried, in order.
  std::vector<int> WindowReports() {
    std::vector<int> values;
    for (const host::HostEvent& e : Host().EventsWithCode(kHostP2PInviteWindow)) values.push_back((int)e.blockAddress);
    return values;
  }
  void HostCode(int code) {
    HostPlainBlock block{0};
    Deliver(code, block);
    platform::Desktop::PumpMessages();
  }
};

TEST_F(PtopInviteTest, ReceivedInvitationShowsKindAndInviter) {
  EXPECT_EQ(1, Event(kDetailP2PInvite, kPeer, kP2PWhiteboard));
  ASSERT_EQ(1, Module()->m_aInviteDlgs.GetSize());
  CDlgPtopInvite* window = Invite(0);
  EXPECT_TRUE(::IsWindowVisible(window->m_hWnd));
  EXPECT_EQ(::FindWindow(nullptr, kPtopInviteCaption), window->m_hWnd);
  EXPECT_EQ(CString("点对点白板"), Text(window, IDC_PTOP_TYPE));
  EXPECT_EQ(CString("13766660001(13766660001@ims.example.cn)"), Text(window, IDC_PTOP_FROM)) << "no phone-book name";
  EXPECT_EQ(CString(kPeer), window->GetPeerURI());
  EXPECT_FALSE(::IsWindowVisible(window->GetDlgItem(IDC_PTOP_RING_CANCEL)->m_hWnd));
  EXPECT_TRUE(GetUserData()->m_bInvitePending);
  ExpectTraffic(Host(), {{kMsg, kHostInviteComing}, {kMsg, kHostSkinWindow}, {kMsg, kHostP2PInviteWindow}});
  EXPECT_EQ(std::vector<int>{0}, WindowReports());
  EXPECT_EQ(nullptr, Module()->m_pDlgDataConf) << "the module keeps point-to-point events to itself";

  Event(kDetailP2PInvite, kKnownPeer, kP2PAssist);
  EXPECT_EQ(GetUserNameByPhone(kKnownPeer, 0, 1), Text(Invite(1), IDC_PTOP_FROM)) << "the phone-book name alone";
}

TEST_F(PtopInviteTest, AcceptingSendsTheAnswerOpensTheBoardAndRemovesTheWindow) {
  Event(kDetailP2PInvite, kPeer, kP2PWhiteboard);
  Host().Clear();
  ASSERT_TRUE(platform::user::ClickItem(Invite(0)->m_hWnd, IDOK));
  EXPECT_EQ(0, Module()->m_aInviteDlgs.GetSize());
  EXPECT_EQ(nullptr, ::FindWindow(nullptr, kPtopInviteCaption));
  ExpectTraffic(Host(), {{kMsg, kHostP2PInviteWindow},
                         {kMsg, kHostBeginDataSession},
                         {kMsg, kHostSkinWindow},  // the board's palette bar
                         {kMsg, kHostSkinWindow},  // nothing to the peer: no board style
                         {kMsg, kHostConfMethod},
                         {kMsg, kHostP2PInviteWindow}});
  EXPECT_EQ((std::vector<int>{1, 1}), WindowReports()) << "closing reports twice";
  const ConfMethodRecord* answer = Host().ConfMethod1(0);
  EXPECT_EQ(kConfAnswer, IntAt(answer, 0));
  EXPECT_STREQ(kPeer, reinterpret_cast<const char*>(answer) + 4);
  EXPECT_EQ(kP2PWhiteboard, IntAt(answer, 0x146));
  EXPECT_EQ(1, IntAt(answer, 0x56F));
  EXPECT_TRUE(Module()->GetP2PBusy());
  EXPECT_FALSE(GetUserData()->m_bInvitePending);
  ASSERT_EQ(1, Module()->m_aP2PWhiteBoards.GetSize());
  EXPECT_STREQ(kPeer, Module()->m_aP2PWhiteBoards[0]->GetPeerURI());
}

TEST_F(PtopInviteTest, RefusingByButtonOrCloseBoxAnswersZero) {
  Event(kDetailP2PInvite, kPeer, kP2PAssist);
  Event(kDetailP2PInvite, kPeer2, kP2PWhiteboard);
  Host().Clear();
  ASSERT_TRUE(platform::user::ClickItem(Invite(0)->m_hWnd, IDCANCEL));
  ASSERT_EQ(1, Module()->m_aInviteDlgs.GetSize());
  EXPECT_EQ(CString(kPeer2), Invite(0)->GetPeerURI()) << "only the answered window goes";
  ExpectTraffic(Host(), {{kMsg, kHostP2PInviteWindow},
                         {kMsg, kHostConfMethod},
                         {kMsg, kHostP2PInviteWindow},
                         {kMsg, kHostStateChanged}});
  const ConfMethodRecord* refusal = Host().ConfMethod1(0);
  EXPECT_EQ(kConfAnswer, IntAt(refusal, 0));
  EXPECT_STREQ(kPeer, reinterpret_cast<const char*>(refusal) + 4);
  EXPECT_EQ(kP2PAssist, IntAt(refusal, 0x146));
  EXPECT_EQ(0, IntAt(refusal, 0x56F));
  EXPECT_FALSE(Module()->GetP2PBusy());
  EXPECT_EQ(nullptr, Module()->m_pDlgVNCTip) << "a refusal opens nothing";

  Host().Clear();
  ASSERT_TRUE(platform::user::CloseWindow(Invite(0)->m_hWnd));
  platform::Desktop::PumpMessages();
  EXPECT_EQ(0, Module()->m_aInviteDlgs.GetSize());
  ASSERT_EQ(1u, Host().ConfMethodRecords(1).size());
  EXPECT_STREQ(kPeer2, Host().ConfMethod1(0)->szConfURI);
  EXPECT_EQ(0, IntAt(Host().ConfMethod1(0), 0x56F));
  EXPECT_EQ(0u, Module()->m_aP2PWhiteBoards.GetSize());
}

TEST_F(PtopInviteTest, EscapeNeitherAnswersNorCloses) {
  Event(kDetailP2PInvite, kPeer, kP2PWhiteboard);
  Host().Clear();
  ::SetFocus(Invite(0)->GetDlgItem(IDOK)->m_hWnd);
  platform::user::PressEscape();
  platform::Desktop::PumpMessages();
  ASSERT_EQ(1, Module()->m_aInviteDlgs.GetSize());
  EXPECT_TRUE(::IsWindowVisible(Invite(0)->m_hWnd));
  EXPECT_EQ(0u, Host().ConfMethodRecords(1).size());
  platform::user::PressEnter();
  platform::Desktop::PumpMessages();
  EXPECT_EQ(0, Module()->m_aInviteDlgs.GetSize()) << "Enter accepts";
  EXPECT_EQ(1, IntAt(Host().ConfMethod1(0), 0x56F));
}

TEST_F(PtopInviteTest, HostCodesElevenAndTwelveAnswerTheWindow) {
  Event(kDetailP2PInvite, kPeer, kP2PWhiteboard);
  HostCode(kModuleRefuseInvite);
  ASSERT_EQ(1u, Host().ConfMethodRecords(1).size());
  EXPECT_EQ(0, IntAt(Host().ConfMethod1(0), 0x56F));
  EXPECT_EQ(0, Module()->m_aInviteDlgs.GetSize());

  Event(kDetailP2PInvite, kPeer2, kP2PWhiteboard);
  HostCode(kModuleAcceptInvite);
  ASSERT_EQ(2u, Host().ConfMethodRecords(1).size());
  EXPECT_EQ(1, IntAt(Host().ConfMethod1(1), 0x56F));
  EXPECT_STREQ(kPeer2, Host().ConfMethod1(1)->szConfURI);

  Host().Clear();
  HostCode(kModuleAcceptInvite);
  EXPECT_EQ(0u, Host().ConfMethodRecords(1).size()) << "no window, nothing happens";
}

TEST_F(PtopInviteTest, AutoAcceptAnswersAfterHalfASecond) {
  GetUserData()->m_bAutoAccept = TRUE;
  const DWORD start = GetTickCount();
  Event(kDetailP2PInvite, kPeer, kP2PWhiteboard);
  EXPECT_GE(GetTickCount() - start, 500u);
  platform::Desktop::PumpMessages();
  ASSERT_EQ(1u, Host().ConfMethodRecords(1).size());
  EXPECT_EQ(1, IntAt(Host().ConfMethod1(0), 0x56F));
  EXPECT_EQ(0, Module()->m_aInviteDlgs.GetSize());
}

TEST_F(PtopInviteTest, AutoAcceptLeavesAWindowAnsweredDuringTheWaitAlone) {
  GetUserData()->m_bAutoAccept = TRUE;
  bool refused = false;
  platform::Desktop::SetModalHook([&](const platform::ModalState& state) {
    if (refused || state.kind != platform::ModalKind::Wait) return;
    refused = true;
    HostPlainBlock block{0};
    Deliver(kModuleRefuseInvite, block);
  });
  Event(kDetailP2PInvite, kPeer, kP2PWhiteboard);
  platform::Desktop::PumpMessages();
  ASSERT_EQ(1u, Host().ConfMethodRecords(1).size()) << "one answer only";
  EXPECT_EQ(0, IntAt(Host().ConfMethod1(0), 0x56F));
}

TEST_F(PtopInviteTest, AcceptingAnAssistanceStartsTheHelpingSide) {
  Event(kDetailP2PInvite, kPeer, kP2PAssist);
  EXPECT_EQ(CString("点对点请求协助"), Text(Invite(0), IDC_PTOP_TYPE));
  Host().Clear();
  platform::user::ClickItem(Invite(0)->m_hWnd, IDOK);
  CDlgVNCTip* bar = Module()->m_pDlgVNCTip;
  ASSERT_NE(nullptr, bar);
  EXPECT_TRUE(bar->IsInAssist());
  EXPECT_EQ(0, bar->GetSide());
  EXPECT_EQ(CString(kPeer), bar->GetPeerURI());
  EXPECT_FALSE(::IsWindowVisible(bar->m_hWnd)) << "the helping side sees no bar";
  EXPECT_EQ(kP2PAssist, IntAt(Host().ConfMethod1(0), 0x146));
}

TEST_F(PtopInviteTest, AssistanceCreatedThenEndedByThePeer) {
  Module()->SetP2PBusy(TRUE);
  Event(kDetailP2PCreated, kPeer, kP2PAssist, 486);
  EXPECT_EQ(nullptr, Module()->m_pDlgVNCTip) << "a failed creation opens nothing";
  Event(kDetailP2PCreated, kPeer, kP2PAssist, kConfResultOK);
  CDlgVNCTip* bar = Module()->m_pDlgVNCTip;
  ASSERT_NE(nullptr, bar);
  EXPECT_EQ(1, bar->GetSide());
  EXPECT_TRUE(::IsWindowVisible(bar->m_hWnd));
  Host().Clear();
  Event(kDetailP2PPeerEnd, kPeer, kP2PAssist);
  EXPECT_FALSE(Module()->GetP2PBusy());
  EXPECT_FALSE(bar->IsInAssist());
  EXPECT_EQ(1u, Host().CountCode(kHostEndDataSession));
  EXPECT_EQ(bar, Module()->m_pDlgVNCTip) << "the bar stays for the next session";
}

TEST_F(PtopInviteTest, RingingWindowNamesTheCalleeAndTheSessionKind) {
  Event(kDetailP2PRing, kPeer, kP2PWhiteboard);
  ASSERT_EQ(1, Module()->m_aRingDlgs.GetSize());
  CDlgPtopInvite* ring = Module()->m_aRingDlgs[0];
  EXPECT_TRUE(ring->m_bRinging);
  EXPECT_EQ(kPtopCall, ring->m_nInviteType);
  CString caption;
  ring->GetWindowText(caption);
  EXPECT_EQ(CString("被叫振铃"), caption);
  EXPECT_EQ(CString("13766660001(13766660001@ims.example.cn)收到您的点对点呼叫邀请振铃中..."), Text(ring, IDC_PTOP_RING_TEXT));
  EXPECT_TRUE(::IsWindowVisible(ring->GetDlgItem(IDC_PTOP_RING_CANCEL)->m_hWnd));
  EXPECT_FALSE(::IsWindowVisible(ring->GetDlgItem(IDOK)->m_hWnd));
  RECT rect;
  ring->GetWindowRect(&rect);
  EXPECT_EQ(250, rect.right - rect.left);
  EXPECT_EQ(100, rect.bottom - rect.top);

  Module()->AddP2PSession(kPeer2, kP2PWhiteboard);
  Event(kDetailP2PRing, kPeer2, kP2PWhiteboard);
  EXPECT_EQ(CString("13766660002(13766660002@ims.example.cn)收到您的点对点白板邀请振铃中..."),
            Text(Module()->m_aRingDlgs[1], IDC_PTOP_RING_TEXT))
      << "the listed session names the kind";
}

TEST_F(PtopInviteTest, RingComeRefusesAnEmptyNameOrAnUnknownKind) {
  CDlgPtopInvite window;
  ASSERT_TRUE(window.Create(IDD_PTOP_INVITE, nullptr));
  window.RingCome("", kPtopCall);
  window.RingCome("张三", 7);
  EXPECT_FALSE(window.m_bRinging);
  EXPECT_EQ(-1, window.m_nInviteType);
  std::vector<std::string> logs = Host().LogLines();
  ASSERT_GE(logs.size(), 2u);
  EXPECT_NE(std::string::npos, logs[logs.size() - 2].find("RingCome(szName = )"));
  EXPECT_NE(std::string::npos, logs.back().find("RingCome(szType = 7)"));
}

TEST_F(PtopInviteTest, WithdrawingARingingCallLeavesTheSession) {
  Module()->SetP2PBusy(TRUE);
  Module()->AddP2PSession(kPeer, kP2PAssist);
  Event(kDetailP2PRing, kPeer, kP2PAssist);
  Event(kDetailP2PRing, kPeer2, kP2PAssist);
  Host().Clear();
  ASSERT_TRUE(platform::user::ClickItem(Module()->m_aRingDlgs[0]->m_hWnd, IDC_PTOP_RING_CANCEL));
  ASSERT_EQ(1u, Host().ConfMethodRecords(1).size());
  const ConfMethodRecord* leave = Host().ConfMethod1(0);
  EXPECT_EQ(kConfLeave, IntAt(leave, 0));
  EXPECT_STREQ(kPeer, leave->szConfURI);
  EXPECT_EQ(0, IntAt(leave, 0x56F));
  EXPECT_FALSE(Module()->GetP2PBusy());
  EXPECT_FALSE(Module()->bP2PSessionExist(kPeer, kAnyP2PType));
  ASSERT_EQ(1, Module()->m_aRingDlgs.GetSize());
  EXPECT_EQ(CString(kPeer2), Module()->m_aRingDlgs[0]->GetPeerURI());
  EXPECT_EQ(1u, Host().CountCode(kHostStateChanged));
}

TEST_F(PtopInviteTest, EnterOnARingingWindowOnlyHidesIt) {
  Event(kDetailP2PRing, kPeer, kP2PWhiteboard);
  CDlgPtopInvite* ring = Module()->m_aRingDlgs[0];
  Host().Clear();
  ::SetFocus(ring->m_hWnd);
  platform::user::PressEnter();
  platform::Desktop::PumpMessages();
  EXPECT_EQ(0u, Host().ConfMethodRecords(1).size()) << "the call is not withdrawn";
  ASSERT_EQ(1, Module()->m_aRingDlgs.GetSize());
  EXPECT_FALSE(::IsWindowVisible(ring->m_hWnd));
  EXPECT_EQ(std::vector<int>{1}, WindowReports());
}

TEST_F(PtopInviteTest, AnInvitationWindowThatCannotBeMadeIsReportedAndThePeerRefused) {
  faults::FailWindowCreation(platform::kDialogClass);
  Event(kDetailP2PInvite, kPeer, kP2PAssist);
  EXPECT_EQ(0, Module()->m_aInviteDlgs.GetSize());
  EXPECT_EQ(CString("系统资源不足,请关闭并重新启动客户端。"), LastMessageBoxText());
  bool logged = false;
  for (const std::string& line : Host().LogLines()) logged |= line.find("CDlgPtopInvite Create Failed!") != std::string::npos;
  EXPECT_TRUE(logged);
  EXPECT_FALSE(GetUserData()->m_bInvitePending);
  ASSERT_EQ(1u, Host().ConfMethodRecords(1).size());
  const ConfMethodRecord* refusal = Host().ConfMethod1(0);
  EXPECT_EQ(kConfAnswer, IntAt(refusal, 0));
  EXPECT_STREQ(kPeer, refusal->szConfURI);
  EXPECT_EQ(kP2PAssist, IntAt(refusal, 0x146));
  EXPECT_EQ(0, IntAt(refusal, 0x56F));
  EXPECT_FALSE(Module()->GetP2PBusy());
}

TEST_F(PtopInviteTest, ABoardThatCannotBeMadeRefusesInsteadOfAccepting) {
  Event(kDetailP2PInvite, kPeer, kP2PWhiteboard);
  Host().Clear();
  faults::FailWindowCreation(platform::kDialogClass);
  ASSERT_TRUE(platform::user::ClickItem(Invite(0)->m_hWnd, IDOK));
  EXPECT_EQ(CString("系统资源不足,请关闭并重新启动客户端。"), LastMessageBoxText());
  EXPECT_EQ(0, Module()->m_aP2PWhiteBoards.GetSize());
  ASSERT_EQ(1u, Host().ConfMethodRecords(1).size());
  EXPECT_EQ(0, IntAt(Host().ConfMethod1(0), 0x56F)) << "no \"accepted\" without a board";
  EXPECT_FALSE(Module()->GetP2PBusy());
  EXPECT_FALSE(Module()->bP2PSessionExist(kPeer, kAnyP2PType));
  EXPECT_EQ(1u, Host().CountCode(kHostBeginDataSession));
  EXPECT_EQ(1u, Host().CountCode(kHostEndDataSession));
}

class P2PBoardSessionTest : public PtopInviteTest {
 protected:
  // The user accepts a whiteboard invitation from kPeer: the board opens.
  CDlgDFP2PWhiteBoard* Accept() {
    Event(kDetailP2PInvite, kPeer, kP2PWhiteboard);
    EXPECT_TRUE(platform::user::ClickItem(Invite(0)->m_hWnd, IDOK));
    EXPECT_EQ(1, Module()->m_aP2PWhiteBoards.GetSize());
    Host().Clear();
    return Module()->m_aP2PWhiteBoards.GetSize() ? Module()->m_aP2PWhiteBoards[0] : nullptr;
  }
  // The user draws a rectangle on the board.
  static void DrawOn(CDlgDFP2PWhiteBoard* board) {
    ASSERT_TRUE(platform::user::ClickItem(board->m_hWnd, IDC_WB_TOOL_FIRST + kToolRectangle));
    HWND surface = board->GetSurface()->m_hWnd;
    platform::user::MouseDown(surface, POINT{100, 100});
    platform::user::MouseMove(surface, POINT{200, 160}, true);
    platform::user::MouseUp(surface, POINT{200, 160});
  }
  // The leave requests (sub-type 5) sent so far.
  std::vector<const ConfMethodRecord*> Leaves() {
    std::vector<const ConfMethodRecord*> leaves;
    for (size_t i = 0; const ConfMethodRecord* record = Host().ConfMethod1(i); ++i)
      if (IntAt(record, 0) == kConfLeave) leaves.push_back(record);
    return leaves;
  }
  // The user joins a conference on the join page; TRUE when the request went out.
  bool JoinGoesThrough() {
    HostPlainBlock open{0};
    Deliver(kModuleOpenUI, open);
    CDlgmmConfPreCreate* start = Module()->m_pDlgPreCreate;
    EXPECT_TRUE(platform::user::ClickItem(start->m_hWnd, IDC_RADIO_JOIN_CONF));
    EXPECT_TRUE(platform::user::Type(::GetDlgItem(start->m_pJoin->m_hWnd, IDC_JOIN_URI), "sip:c1@ims.example.cn"));
    const size_t before = Host().ConfMethodRecords(1).size();
    EXPECT_TRUE(platform::user::ClickItem(start->m_pJoin->m_hWnd, IDOK));
    return Host().ConfMethodRecords(1).size() == before + 1;
  }
};

TEST_F(P2PBoardSessionTest, EndedByThePeerAndClosedByTheUserTheUserIsFreeAgain) {
  CDlgDFP2PWhiteBoard* board = Accept();
  ASSERT_NE(nullptr, board);
  EXPECT_TRUE(Module()->GetP2PBusy());
  EXPECT_EQ(CString("点对点白板"), Module()->GetP2PSessionName());
  DrawOn(board);

  Event(kDetailP2PPeerEnd, kPeer, kP2PWhiteboard);
  EXPECT_FALSE(Module()->GetP2PBusy());
  EXPECT_FALSE(board->m_bBoardLive);
  EXPECT_TRUE(::IsWindowVisible(board->m_hWnd)) << "the board stays for saving its drawing";
  EXPECT_EQ(1u, Host().CountCode(kHostEndDataSession));

  HWND window = board->m_hWnd;
  ScriptMessageBox(IDNO);  // the board is offered for saving: not saved
  ASSERT_TRUE(platform::user::CloseWindow(window));
  Pump();
  EXPECT_FALSE(::IsWindow(window));
  EXPECT_EQ(0, Module()->m_aP2PWhiteBoards.GetSize());
  EXPECT_TRUE(Leaves().empty()) << "the peer has already gone";
  EXPECT_TRUE(JoinGoesThrough()) << LastMessageBoxText().str();
}

TEST_F(P2PBoardSessionTest, ClosingABoardWhosePeerHasGoneLeavesALaterSessionAlone) {
  CDlgDFP2PWhiteBoard* board = Accept();
  ASSERT_NE(nullptr, board);
  DrawOn(board);
  Event(kDetailP2PPeerEnd, kPeer, kP2PWhiteboard);
  Event(kDetailP2PInvite, kPeer2, kP2PAssist);
  ASSERT_TRUE(platform::user::ClickItem(Invite(0)->m_hWnd, IDOK));
  ASSERT_TRUE(Module()->GetP2PBusy());
  Host().Clear();
  ScriptMessageBox(IDNO);  // the board is offered for saving: not saved
  ASSERT_TRUE(platform::user::CloseWindow(board->m_hWnd));
  Pump();
  EXPECT_TRUE(Module()->GetP2PBusy()) << "the assistance still runs";
  EXPECT_TRUE(Module()->bP2PSessionExist(kPeer2, kP2PAssist));
  EXPECT_EQ(0u, Host().CountCode(kHostEndDataSession));
}

// The same peer's invitation accepted twice is one session: once the peer ends it, a repeated
// end of that peer leaves a later session with another peer running.
TEST_F(P2PBoardSessionTest, AnInvitationAcceptedTwiceIsOneSession) {
  ASSERT_NE(nullptr, Accept());
  Event(kDetailP2PInvite, kPeer, kP2PWhiteboard);
  ASSERT_TRUE(platform::user::ClickItem(Invite(0)->m_hWnd, IDOK));
  Event(kDetailP2PPeerEnd, kPeer, kP2PWhiteboard);
  EXPECT_FALSE(Module()->bP2PSessionExist(kPeer, kP2PWhiteboard));
  Event(kDetailP2PInvite, kPeer2, kP2PAssist);
  ASSERT_TRUE(platform::user::ClickItem(Invite(0)->m_hWnd, IDOK));
  Event(kDetailP2PPeerEnd, kPeer, kP2PWhiteboard);
  EXPECT_TRUE(Module()->GetP2PBusy()) << "the assistance still runs";
}

TEST_F(P2PBoardSessionTest, OurOwnInvitationTakenRunsUntilThePeerEndsIt) {
  HostPeerBlock offer{kPeer, 0};
  Deliver(kModuleP2PWhiteboardRequest, offer);
  Event(kDetailP2PCreated, kPeer, kP2PWhiteboard, kConfResultOK);
  ASSERT_EQ(1, Module()->m_aP2PWhiteBoards.GetSize());
  EXPECT_TRUE(Module()->GetP2PBusy());
  EXPECT_EQ(1u, Host().CountCode(kHostBeginDataSession));
  Event(kDetailP2PPeerEnd, kPeer, kP2PWhiteboard);
  EXPECT_FALSE(Module()->GetP2PBusy());
  EXPECT_EQ(1u, Host().CountCode(kHostEndDataSession));
  EXPECT_EQ(0, Module()->m_aP2PWhiteBoards.GetSize()) << "nothing drawn: the board goes with the session";
}

// Boards kept for their drawing fill the bound: the user's next whiteboard offer does not go,
// and the user hears why.
TEST_F(P2PBoardSessionTest, TheUsersOfferFindsNoRoomWhileTheBoardsAreFull) {
  for (int i = 0; i < kMaxP2PWhiteBoards; ++i) {
    CString peer;
    peer.Format("sip:1376666%04d@ims.example.cn", i + 10);
    Event(kDetailP2PInvite, peer, kP2PWhiteboard);
    ASSERT_TRUE(platform::user::ClickItem(Invite(0)->m_hWnd, IDOK));
    DrawOn(Module()->m_aP2PWhiteBoards[i]);
    Event(kDetailP2PPeerEnd, peer, kP2PWhiteboard);
  }
  ASSERT_EQ(kMaxP2PWhiteBoards, Module()->m_aP2PWhiteBoards.GetSize());
  Host().Clear();
  HostPeerBlock offer{kPeer, 0};
  Deliver(kModuleP2PWhiteboardRequest, offer);
  EXPECT_EQ(1, offer.bHandled);
  EXPECT_EQ(CString("打开的点对点白板太多，请先关闭不用的白板！"), LastMessageBoxText());
  EXPECT_EQ(0u, Host().ConfMethodRecords(1).size());
  EXPECT_FALSE(Module()->GetP2PBusy());
}

TEST_F(P2PBoardSessionTest, TheUserClosingALiveBoardLeavesThePeer) {
  CDlgDFP2PWhiteBoard* board = Accept();
  ASSERT_NE(nullptr, board);
  ScriptMessageBox(IDNO);  // the board is offered for saving: not saved
  ASSERT_TRUE(platform::user::CloseWindow(board->m_hWnd));
  Pump();
  EXPECT_EQ(0, Module()->m_aP2PWhiteBoards.GetSize());
  auto leaves = Leaves();
  ASSERT_EQ(1u, leaves.size());
  EXPECT_STREQ(kPeer, leaves[0]->szConfURI);
  EXPECT_EQ(kP2PWhiteboard, IntAt(leaves[0], 0x146));
  EXPECT_FALSE(Module()->GetP2PBusy());
  EXPECT_FALSE(Module()->bP2PSessionExist(kPeer, kAnyP2PType));
  EXPECT_EQ(1u, Host().CountCode(kHostEndDataSession));
  Host().Clear();
  Module()->Close();
  EXPECT_TRUE(Leaves().empty()) << "the session ended with the board";
}

TEST_F(P2PBoardSessionTest, HostCodeThirteenClosesTheBoardsOutsideAConference) {
  ASSERT_NE(nullptr, Accept());
  HostCode(kModuleAssistWindow);
  EXPECT_EQ(0, Module()->m_aP2PWhiteBoards.GetSize());
  EXPECT_EQ(1u, Leaves().size());
  EXPECT_FALSE(Module()->GetP2PBusy());
  EXPECT_TRUE(JoinGoesThrough());
}

// The user offers the very session whose invitation from that peer waits on screen: the
// invitation is accepted, and no second offer crosses it.
TEST_F(PtopInviteTest, OfferingWhatThePeerOffersAcceptsTheInvitation) {
  Event(kDetailP2PInvite, kPeer, kP2PWhiteboard);
  Host().Clear();
  HostPeerBlock offer{kPeer, 0};
  Deliver(kModuleP2PWhiteboardRequest, offer);
  EXPECT_EQ(0, Module()->m_aInviteDlgs.GetSize());
  ASSERT_EQ(1u, Host().ConfMethodRecords(1).size());
  EXPECT_EQ(kConfAnswer, IntAt(Host().ConfMethod1(0), 0));
  EXPECT_EQ(1, IntAt(Host().ConfMethod1(0), 0x56F));
  EXPECT_EQ(1, Module()->m_aP2PWhiteBoards.GetSize());
  EXPECT_TRUE(Module()->GetP2PBusy());
}

TEST_F(PtopInviteTest, CloseRefusesOpenInvitationsAndDropsRingingWindows) {
  Event(kDetailP2PInvite, kPeer, kP2PWhiteboard);
  Event(kDetailP2PRing, kPeer2, kP2PWhiteboard);
  Host().Clear();
  Module()->Close();
  ASSERT_EQ(1u, Host().ConfMethodRecords(1).size());
  EXPECT_EQ(kConfAnswer, IntAt(Host().ConfMethod1(0), 0));
  EXPECT_EQ(0, IntAt(Host().ConfMethod1(0), 0x56F));
  EXPECT_EQ(0, Module()->m_aInviteDlgs.GetSize());
  EXPECT_EQ(0, Module()->m_aRingDlgs.GetSize());
  EXPECT_EQ(nullptr, ::FindWindow(nullptr, kPtopInviteCaption));
}

TEST_F(PtopInviteTest, ScenarioWordsCarryTheSessionKind) {
  EXPECT_EQ("", host::CheckConfCtrlResult({"1", "31", "0", kPeer, "", "-2"}));
  EXPECT_NE("", host::CheckConfCtrlResult({"1", "31", "0", kPeer, "", "x"}));
  host::DeliverConfCtrlResult(Host(), kModuleConfEvent, {"1", "31", "0", kPeer, "", "-2"});
  ASSERT_EQ(1, Module()->m_aInviteDlgs.GetSize());
  EXPECT_EQ(kP2PAssist, Invite(0)->m_nInviteType);
}

// Every invitation and ringing path, answered or withdrawn as the host and the user do, leaves
// the window tree as it was, and so does an invitation window that cannot be made.
TEST_F(PtopInviteTest, AnsweredInvitationsAndRingsLeaveNoWindowBehind) {
  const size_t before = platform::Desktop::WindowCount();
  Event(kDetailP2PInvite, kPeer, kP2PWhiteboard);
  HostCode(kModuleRefuseInvite);
  Event(kDetailP2PInvite, kPeer, kP2PAssist);
  ASSERT_TRUE(platform::user::ClickItem(Invite(0)->m_hWnd, IDCANCEL));
  Event(kDetailP2PRing, kPeer, kP2PWhiteboard);
  ASSERT_TRUE(platform::user::ClickItem(Module()->m_aRingDlgs[0]->m_hWnd, IDC_PTOP_RING_CANCEL));
  faults::FailWindowCreation(platform::kDialogClass);
  Event(kDetailP2PInvite, kPeer, kP2PWhiteboard);
  EXPECT_EQ(before, platform::Desktop::WindowCount());
}

}  // namespace
