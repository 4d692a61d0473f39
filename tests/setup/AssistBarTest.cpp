// The assistance bar: placement on the work area, its tray icon and menu, transparency, and
// the ways an assistance ends.
#include <gtest/gtest.h>

#include "platform/ui/Cursor.h"
#include "platform/ui/Menu.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Shell.h"
#include "platform/ui/UserInput.h"
#include "protocol/ConfCtrlResult.h"
#include "protocol/ConfMethodRecord.h"
#include "protocol/HostBlocks.h"
#include "protocol/InviteEvents.h"
#include "setup/DlgVNCTip.h"
#include "tests/support/Faults.h"
#include "tests/support/module/ModuleFixture.h"
#include "vezadazavo/VezadaZavo.h"

namespace tavtest {
namespace {

const char kPeer[] = "sip:9001@ims.example.cn";

class AssistBarTest : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    platform::SetScreen(1280, 1024, RECT{0, 30, 1280, 984});
  }

  // The host's events of the requesting side: the peer took our assistance request (the bar
  // shows), the peer ended the assistance.
  void AssistanceCreated(const char* peer = kPeer) {
    ASSERT_EQ(1, DeliverConfResult(kDetailP2PCreated, peer, kP2PAssist, kConfResultOK));
  }
  void PeerEnds(const char* peer = kPeer) { ASSERT_EQ(1, DeliverConfResult(kDetailP2PPeerEnd, peer, kP2PAssist)); }
  // The helping side: the peer's request arrives and the user accepts it (host code 11).
  void AcceptAssistance(const char* peer = kPeer) {
    ASSERT_EQ(1, DeliverConfResult(kDetailP2PInvite, peer, kP2PAssist));
    HostPlainBlock accept{0};
    ASSERT_EQ(1, Deliver(kModuleAcceptInvite, accept));
    platform::Desktop::PumpMessages();
    ASSERT_NE(nullptr, Bar());
    Host().Clear();
  }

  CDlgVNCTip* Bar() { return Module()->m_pDlgVNCTip; }
  bool Visible() { return Bar()->IsWindowVisible(); }
  RECT ItemRect(int id) {
    RECT rect;
    Bar()->GetDlgItem(id)->GetWindowRect(&rect);
    Bar()->ScreenToClient(&rect);
    return rect;
  }
  BYTE Alpha() {
    BYTE alpha = 0;
    GetLayeredWindowAttributes(Bar()->m_hWnd, nullptr, &alpha, nullptr);
    return alpha;
  }
  size_t Sent(int code) { return Host().EventsWithCode(code).size(); }

  // Right-clicks the tray icon; the menu answers with `choice` (0 dismisses it).
  const platform::MenuRecord& TrayMenu(UINT choice) {
    platform::Menus::Script(choice);
    EXPECT_TRUE(platform::user::TrayIconMouse(Bar()->m_hWnd, kVncTrayIconId, WM_RBUTTONDOWN));
    return platform::Menus::Shown().back();
  }
  static bool Offers(const platform::MenuRecord& menu, UINT id) { return menu.Find(id) != nullptr; }
  static bool Checked(const platform::MenuRecord& menu, UINT id) {
    const platform::MenuItemRecord* item = menu.Find(id);
    return item && (item->state & MF_CHECKED);
  }
};

TEST(AssistBarTextTest, WidthCountsWideCharactersTwice) {
  EXPECT_EQ(14, CDlgVNCTip::TextWidthInChars("abcdefghij张伟"));
  EXPECT_EQ(0, CDlgVNCTip::TextWidthInChars(""));
  // Bytes above 'z' count as the start of a wide character.
  EXPECT_EQ(2, CDlgVNCTip::TextWidthInChars("{a"));
}

TEST_F(AssistBarTest, CreationFailureIsReported) {
  faults::FailWindowCreation(platform::kDialogClass);
  AssistanceCreated();
  EXPECT_EQ(nullptr, Bar());
  ASSERT_EQ(1u, MessageBoxesShown().size());
  EXPECT_EQ(CString("系统资源不足,请关闭并重新启动客户端。"), MessageBoxesShown()[0].text);
  std::vector<std::string> lines = Host().LogLines();
  ASSERT_FALSE(lines.empty());
  EXPECT_NE(std::string::npos, lines.back().find("CDlgVNCTip Create Failed!"));
}

TEST_F(AssistBarTest, RequestingSideShowsTheBarAtTheTopOfTheWorkArea) {
  AssistanceCreated();
  ASSERT_TRUE(Visible());
  EXPECT_TRUE(Bar()->GetExStyle() & WS_EX_TOPMOST);
  CString peerText;
  Bar()->GetDlgItemText(IDC_VNC_TIP_PEER, peerText);
  EXPECT_EQ(CString("9001(9001@ims.example.cn)"), peerText);

  RECT bar;
  Bar()->GetWindowRect(&bar);
  const int textWidth = bar.right - bar.left - 213;
  EXPECT_EQ(30, bar.top);
  EXPECT_EQ((1280 - (bar.right - bar.left)) / 2, bar.left);
  EXPECT_EQ(GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) + 28, bar.bottom - bar.top);
  ASSERT_GT(textWidth, 0);
  EXPECT_EQ(0, textWidth % CDlgVNCTip::TextWidthInChars(peerText));
  RECT client;
  Bar()->GetClientRect(&client);
  RECT peer = ItemRect(IDC_VNC_TIP_PEER), tail = ItemRect(IDC_VNC_TIP_TAIL), end = ItemRect(IDC_VNC_TIP_END);
  EXPECT_EQ(60, peer.left);
  EXPECT_EQ(textWidth, peer.right - peer.left);
  EXPECT_EQ(60 + textWidth, tail.left);
  EXPECT_EQ(client.right - 35, end.left);
  EXPECT_TRUE(Bar()->GetDlgItem(IDC_VNC_TIP_END)->IsWindowEnabled());
  EXPECT_EQ(1u, Sent(kHostBeginDataSession));
}

TEST_F(AssistBarTest, BarWidensWithThePeerName) {
  AssistanceCreated("sip:80002001@ims.example.cn");
  CString name;
  Bar()->GetDlgItemText(IDC_VNC_TIP_PEER, name);
  EXPECT_EQ(CString("刘洋"), name);
  RECT shortBar;
  Bar()->GetWindowRect(&shortBar);
  PeerEnds("sip:80002001@ims.example.cn");
  AssistanceCreated();
  RECT longBar;
  Bar()->GetWindowRect(&longBar);
  EXPECT_GT(longBar.right - longBar.left, shortBar.right - shortBar.left);
}

TEST_F(AssistBarTest, TrayIconComesAndGoesWithTheRequestingSide) {
  AssistanceCreated();
  ASSERT_EQ(1u, platform::TrayIcons().size());
  const platform::TrayIcon& icon = platform::TrayIcons()[0];
  EXPECT_EQ(Bar()->m_hWnd, icon.hwnd);
  EXPECT_EQ(kVncTrayIconId, icon.id);
  EXPECT_EQ((UINT)WM_MOUSEMOVE, icon.callbackMessage);
  EXPECT_EQ(LoadIcon(nullptr, MAKEINTRESOURCE(IDI_VNC_TIP)), icon.icon);
  EXPECT_EQ(CString("点对点请求协助"), icon.tip);
  PeerEnds();
  EXPECT_TRUE(platform::TrayIcons().empty());
  EXPECT_FALSE(Visible());
}

TEST_F(AssistBarTest, LongTrayTipIsCutBetweenCharacters) {
  // 62 single bytes and a double-byte character: the 64-byte tip holds 63 bytes at most, and
  // the character's first half alone would show as garbage.
  const CString tip = CString('a', 62) + "中";
  AcceptAssistance();  // the helping side's bar has no icon of its own
  ASSERT_TRUE(Bar()->TrayIcon(kTrayAdd, tip));
  ASSERT_EQ(1u, platform::TrayIcons().size());
  EXPECT_EQ(CString('a', 62), platform::TrayIcons()[0].tip);
  Bar()->TrayIcon(kTrayDelete, tip);
}

TEST_F(AssistBarTest, HelpingSideStaysHiddenWithoutIcon) {
  AcceptAssistance();
  EXPECT_FALSE(Visible());
  EXPECT_TRUE(platform::TrayIcons().empty());
  EXPECT_TRUE(Bar()->IsInAssist());
  EXPECT_EQ(CString(kPeer), Bar()->GetPeerURI());
}

TEST_F(AssistBarTest, TransparencyFromTheIconMenu) {
  AssistanceCreated();
  EXPECT_TRUE(Bar()->GetExStyle() & WS_EX_LAYERED);
  EXPECT_EQ(255, Alpha());
  const platform::MenuRecord& first = TrayMenu(ID_VNC_ALPHA_40);
  EXPECT_TRUE(Checked(first, ID_VNC_ALPHA_NONE));
  EXPECT_FALSE(Offers(first, ID_VNC_OPEN));
  EXPECT_FALSE(Offers(first, ID_VNC_ALPHA_FULL));
  EXPECT_TRUE(Offers(first, ID_VNC_HIDE));
  EXPECT_TRUE(Offers(first, ID_VNC_END_ASSIST));
  EXPECT_EQ(152, Alpha());
  EXPECT_FLOAT_EQ(0.4f, Bar()->GetTransparency());

  const platform::MenuRecord& second = TrayMenu(ID_VNC_ALPHA_80);
  EXPECT_TRUE(Checked(second, ID_VNC_ALPHA_40));
  EXPECT_FALSE(Checked(second, ID_VNC_ALPHA_NONE));
  EXPECT_EQ(50, Alpha());
  TrayMenu(ID_VNC_ALPHA_NONE);
  EXPECT_EQ(255, Alpha());
}

TEST_F(AssistBarTest, HiddenBarOffersOpeningOnly) {
  AssistanceCreated();
  TrayMenu(ID_VNC_HIDE);
  ASSERT_FALSE(Visible());
  const platform::MenuRecord& menu = TrayMenu(ID_VNC_OPEN);
  EXPECT_FALSE(Offers(menu, ID_VNC_ALPHA_NONE));
  EXPECT_FALSE(Offers(menu, ID_VNC_HIDE));
  EXPECT_TRUE(Offers(menu, ID_VNC_END_ASSIST));
  EXPECT_TRUE(Visible());
}

// No flow leaves the icon without a session; the menu still guards against it.
TEST_F(AssistBarTest, WithoutSessionTheMenuCannotEnd) {
  AssistanceCreated();
  PeerEnds();
  Bar()->ShowBar(FALSE, TRUE);
  const platform::MenuRecord& menu = TrayMenu(0);
  EXPECT_FALSE(Offers(menu, ID_VNC_END_ASSIST));
  EXPECT_TRUE(Offers(menu, ID_VNC_OPEN));
}

TEST_F(AssistBarTest, ClosingOnlyHidesAndTheIconReopens) {
  AssistanceCreated();
  platform::user::CloseWindow(Bar()->m_hWnd);
  EXPECT_FALSE(Visible());
  EXPECT_TRUE(Bar()->IsInAssist());
  EXPECT_EQ(1u, platform::TrayIcons().size());
  EXPECT_TRUE(platform::user::TrayIconMouse(Bar()->m_hWnd, kVncTrayIconId, WM_LBUTTONDBLCLK));
  EXPECT_TRUE(Visible());
  EXPECT_EQ(1u, platform::TrayIcons().size());
}

// This side ends: one leave request for the peer, the busy flag cleared, the data session ended.
void ExpectLeaveSent(const host::RecordingHost& host) {
  ASSERT_EQ(1u, host.ConfMethodRecords(1).size());
  const ConfMethodRecord* leave = host.ConfMethod1(0);
  int subType = leave->iSubType;
  EXPECT_EQ(kConfLeave, subType);
  EXPECT_STREQ(kPeer, leave->szConfURI);
}

TEST_F(AssistBarTest, EndButtonEndsTheSession) {
  Module()->SetP2PBusy(TRUE);
  AssistanceCreated();
  ASSERT_TRUE(platform::user::ClickItem(Bar()->m_hWnd, IDC_VNC_TIP_END));
  ExpectLeaveSent(Host());
  EXPECT_FALSE(Module()->GetP2PBusy());
  EXPECT_FALSE(Bar()->IsInAssist());
  EXPECT_TRUE(Bar()->GetPeerURI().IsEmpty());
  EXPECT_FALSE(Visible());
  EXPECT_TRUE(platform::TrayIcons().empty());
  EXPECT_EQ(1u, Sent(kHostEndDataSession));
  EXPECT_TRUE(VzData().states.lastRClickTime.IsValid());
  Bar()->OnEndAssist();
  EXPECT_EQ(1u, Host().ConfMethodRecords(1).size());
}

TEST_F(AssistBarTest, HostCode13EndsTheSessionAndDeletesTheBar) {
  Module()->SetP2PBusy(TRUE);
  AssistanceCreated();
  HostPlainBlock block{0};
  EXPECT_EQ(1, Deliver(kModuleAssistWindow, block));
  ExpectLeaveSent(Host());
  EXPECT_EQ(nullptr, Bar());
  EXPECT_FALSE(Module()->GetP2PBusy());
  EXPECT_TRUE(platform::TrayIcons().empty());
}

// The host's end (code 13) or the module's close arriving while the bar's tray menu is open:
// the bar goes, its menu handler returns safely.
TEST_F(AssistBarTest, TheBarGoesWhileItsTrayMenuIsOpen) {
  for (bool close : {false, true}) {
    Module()->SetP2PBusy(TRUE);
    AssistanceCreated();
    HWND bar = Bar()->m_hWnd;
    OnceInModal(platform::ModalKind::Menu, [this, close](const platform::ModalState&) {
      HostPlainBlock block{0};
      if (close)
        Module()->Close();
      else
        Deliver(kModuleAssistWindow, block);
      platform::Menus::Dismiss();
    });
    EXPECT_TRUE(platform::user::TrayIconMouse(bar, kVncTrayIconId, WM_RBUTTONDOWN));
    EXPECT_EQ(nullptr, Bar()) << close;
    EXPECT_FALSE(::IsWindow(bar)) << close;
    EXPECT_TRUE(platform::TrayIcons().empty()) << close;
  }
}

TEST_F(AssistBarTest, HostCode13LeavesAnIdleBar) {
  AssistanceCreated();
  PeerEnds();
  Host().Clear();
  HostPlainBlock block{0};
  Deliver(kModuleAssistWindow, block);
  EXPECT_NE(nullptr, Bar());
  EXPECT_TRUE(Host().ConfMethodRecords(1).empty());
}

TEST_F(AssistBarTest, ModuleCloseEndsTheAssistanceAndDeletesTheBar) {
  Module()->SetP2PBusy(TRUE);
  AssistanceCreated();
  Module()->Close();
  ExpectLeaveSent(Host());
  EXPECT_EQ(nullptr, Bar());
  EXPECT_FALSE(Module()->GetP2PBusy());
  EXPECT_TRUE(platform::TrayIcons().empty());
}

TEST_F(AssistBarTest, PeerEndSendsNothing) {
  Module()->SetP2PBusy(TRUE);
  AssistanceCreated();
  PeerEnds();
  EXPECT_FALSE(Module()->GetP2PBusy());
  EXPECT_TRUE(Host().ConfMethodRecords(1).empty());
  EXPECT_FALSE(Bar()->IsInAssist());
  EXPECT_EQ(1u, Sent(kHostEndDataSession));
}

}  // namespace
}  // namespace tavtest
