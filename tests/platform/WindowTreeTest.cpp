// The window tree: creation and destruction sequences, show and size messages, focus,
// capture and mouse routing, finding top-level windows.
#include <gtest/gtest.h>

#include "platform/ui/Controls.h"
#include "platform/ui/Shell.h"
#include "platform/ui/UserInput.h"
#include "platform/ui/Wnd.h"
#include "tests/support/DesktopTest.h"
#include "tests/support/MessageLog.h"

using platform::Desktop;
using tavtest::ExpectedMessage;
using tavtest::MessageLog;

namespace {

class WindowTreeTest : public tavtest::DesktopTest {};

// A window that records the handlers it ran.
class Recorder : public CWnd {
 public:
  std::vector<std::string> calls;
  bool* deleted = nullptr;
  ~Recorder() override {
    if (deleted) *deleted = true;
  }
  void OnSize(UINT, int cx, int cy) override { calls.push_back("size " + std::to_string(cx) + "x" + std::to_string(cy)); }
  void OnShowWindow(BOOL show, UINT) override { calls.push_back(show ? "show" : "hide"); }
  void OnDestroy() override { calls.push_back("destroy"); }
  void PostNcDestroy() override {
    if (deleted) delete this;
  }
};

HWND MakeTop(const char* title, DWORD style = WS_OVERLAPPEDWINDOW) {
  return CreateWindowEx(0, "AfxWnd", title, style, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
}

HWND MakeChild(HWND parent, const char* cls, int id, RECT r, DWORD style = WS_VISIBLE) {
  return CreateWindowEx(0, cls, "", WS_CHILD | style, r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
                        (HMENU)(uintptr_t)id, nullptr, nullptr);
}

TEST_F(WindowTreeTest, CreateVisibleSendsCreateSizeMoveThenShow) {
  MessageLog log;
  HWND top = MakeTop("A", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  ASSERT_TRUE(IsWindow(top));
  EXPECT_EQ("", log.Compare({{top, WM_NCCREATE}, {top, WM_CREATE}, {top, WM_SIZE, SIZE_RESTORED, MAKELPARAM(200, 100), true},
                             {top, WM_MOVE}, {top, WM_SHOWWINDOW, TRUE, 0, true}}));
}

TEST_F(WindowTreeTest, DestroySendsDestroyParentFirstAndNcDestroyChildrenFirst) {
  HWND top = MakeTop("A");
  HWND child = MakeChild(top, "Static", 5, {0, 0, 10, 10});
  HWND grandChild = MakeChild(child, "Static", 6, {0, 0, 5, 5});
  MessageLog log;
  log.Only({WM_DESTROY, WM_NCDESTROY});
  EXPECT_TRUE(DestroyWindow(top));
  EXPECT_EQ("", log.Compare({{top, WM_DESTROY}, {child, WM_DESTROY}, {grandChild, WM_DESTROY},
                             {grandChild, WM_NCDESTROY}, {child, WM_NCDESTROY}, {top, WM_NCDESTROY}}));
  EXPECT_FALSE(IsWindow(child));
  EXPECT_FALSE(IsWindow(grandChild));
  EXPECT_FALSE(DestroyWindow(top));
}

TEST_F(WindowTreeTest, OwnedWindowsAreDestroyedBeforeTheirOwner) {
  HWND owner = MakeTop("owner");
  HWND owned = CreateWindowEx(0, "AfxWnd", "owned", WS_POPUP, 0, 0, 10, 10, owner, nullptr, nullptr, nullptr);
  EXPECT_EQ(owner, GetWindow(owned, GW_OWNER));
  MessageLog log;
  log.Only({WM_DESTROY});
  DestroyWindow(owner);
  EXPECT_EQ("", log.Compare({{owned, WM_DESTROY}, {owner, WM_DESTROY}}));
}

TEST_F(WindowTreeTest, SizeAndShowMessagesOnlyOnChange) {
  Recorder wnd;
  ASSERT_TRUE(wnd.CreateEx(0, nullptr, "R", WS_POPUP, CRect(0, 0, 50, 40), nullptr, 0));
  wnd.calls.clear();
  wnd.MoveWindow(10, 10, 50, 40);  // moved, same size
  wnd.MoveWindow(10, 10, 60, 40);
  wnd.ShowWindow(SW_SHOW);
  wnd.ShowWindow(SW_SHOW);
  wnd.SetWindowPos(nullptr, 0, 0, 60, 40, SWP_NOMOVE | SWP_NOZORDER);
  wnd.ShowWindow(SW_HIDE);
  wnd.ShowWindow(SW_HIDE);
  EXPECT_EQ((std::vector<std::string>{"size 60x40", "show", "hide"}), wnd.calls);
}

TEST_F(WindowTreeTest, PostNcDestroyMayDeleteTheObject) {
  bool deleted = false;
  auto* wnd = new Recorder;
  wnd->deleted = &deleted;
  ASSERT_TRUE(wnd->CreateEx(0, nullptr, "self-owned", WS_POPUP, CRect(0, 0, 5, 5), nullptr, 0));
  HWND hwnd = wnd->m_hWnd;
  SendMessage(hwnd, WM_CLOSE, 0, 0);  // the default closes by destroying
  EXPECT_TRUE(deleted);
  EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(WindowTreeTest, ObjectDestructorDestroysItsWindow) {
  HWND hwnd;
  {
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "scoped", WS_POPUP, CRect(0, 0, 5, 5), nullptr, 0));
    hwnd = wnd.m_hWnd;
  }
  EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(WindowTreeTest, FindWindowMatchesTitleOfTopLevelWindowsOnly) {
  HWND a = MakeTop("会议成员权限查询");
  HWND b = MakeTop("点对点邀请");
  MakeChild(b, "Static", 1, {0, 0, 1, 1});
  SetWindowText(GetDlgItem(b, 1), "child title");
  EXPECT_EQ(a, FindWindow(nullptr, "会议成员权限查询"));
  EXPECT_EQ(b, FindWindow(nullptr, "点对点邀请"));
  EXPECT_EQ(nullptr, FindWindow(nullptr, "点对点"));
  EXPECT_EQ(nullptr, FindWindow(nullptr, "child title"));
  std::vector<HWND> seen;
  EnumWindows([](HWND h, LPARAM p) { ((std::vector<HWND>*)p)->push_back(h); return TRUE; }, (LPARAM)&seen);
  EXPECT_EQ((std::vector<HWND>{b, a}), seen);  // topmost (newest) first
}

TEST_F(WindowTreeTest, ZOrderAndCentringInTheWorkArea) {
  CWnd a, b;
  ASSERT_TRUE(a.CreateEx(0, nullptr, "a", WS_POPUP | WS_VISIBLE, CRect(0, 0, 200, 100), nullptr, 0));
  ASSERT_TRUE(b.CreateEx(0, nullptr, "b", WS_POPUP | WS_VISIBLE, CRect(0, 0, 200, 100), nullptr, 0));
  EXPECT_EQ(b.m_hWnd, WindowFromPoint(POINT{5, 5}));
  a.SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(a.m_hWnd, WindowFromPoint(POINT{5, 5}));
  EXPECT_TRUE(a.GetExStyle() & WS_EX_TOPMOST);
  a.CenterWindow();
  CRect r;
  a.GetWindowRect(&r);
  EXPECT_EQ(CRect(540, 442, 740, 542), r);  // the 1280 x 984 work area
}

TEST_F(WindowTreeTest, FromHandleGivesTheControlClassWrapper) {
  HWND top = MakeTop("A");
  HWND edit = MakeChild(top, "Edit", 7, {0, 0, 10, 10});
  CWnd* wrapper = CWnd::FromHandle(edit);
  ASSERT_NE(nullptr, wrapper);
  EXPECT_TRUE(wrapper->IsKindOf(RUNTIME_CLASS(CEdit)));
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(edit));
  EXPECT_EQ(nullptr, CWnd::FromHandle(top)->GetDlgItem(99));
}

TEST_F(WindowTreeTest, FocusChangeSendsKillThenSet) {
  HWND top = MakeTop("A", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  HWND e1 = MakeChild(top, "Edit", 1, {0, 0, 10, 10});
  HWND e2 = MakeChild(top, "Edit", 2, {0, 20, 10, 30});
  SetFocus(e1);
  MessageLog log;
  log.Only({WM_SETFOCUS, WM_KILLFOCUS});
  EXPECT_EQ(e1, SetFocus(e2));
  EXPECT_EQ("", log.Compare({{e1, WM_KILLFOCUS, (WPARAM)e2, 0, true}, {e2, WM_SETFOCUS, (WPARAM)e1, 0, true}}));
  EXPECT_EQ(e2, GetFocus());
  DestroyWindow(e2);
  EXPECT_EQ(nullptr, GetFocus());
}

TEST_F(WindowTreeTest, MouseGoesToDeepestEnabledChildOrCapture) {
  HWND top = MakeTop("A", WS_POPUP | WS_VISIBLE);
  HWND group = MakeChild(top, "Button", 10, {0, 0, 100, 100}, WS_VISIBLE | BS_GROUPBOX);
  HWND panel = MakeChild(top, "AfxWnd", 11, {0, 0, 100, 100});
  HWND inner = MakeChild(panel, "AfxWnd", 12, {10, 10, 30, 30});
  HWND disabled = MakeChild(panel, "AfxWnd", 13, {40, 10, 60, 30}, WS_VISIBLE | WS_DISABLED);
  (void)group;
  EXPECT_EQ(inner, Desktop::DeliverMouse(WM_MOUSEMOVE, POINT{15, 15}));  // through the group box
  EXPECT_EQ(panel, Desktop::DeliverMouse(WM_MOUSEMOVE, POINT{45, 15}));  // past the disabled one
  SetCapture(disabled);
  EXPECT_EQ(disabled, Desktop::DeliverMouse(WM_MOUSEMOVE, POINT{15, 15}));
  ReleaseCapture();
  EnableWindow(top, FALSE);
  EXPECT_EQ(nullptr, Desktop::DeliverMouse(WM_LBUTTONDOWN, POINT{15, 15}));
}

TEST_F(WindowTreeTest, MousePointIsInTheTargetsClientCoordinates) {
  MessageLog log;
  log.Only({WM_LBUTTONDOWN});
  HWND top = CreateWindowEx(0, "AfxWnd", "", WS_POPUP | WS_VISIBLE, 100, 50, 200, 200, nullptr, nullptr, nullptr, nullptr);
  HWND child = MakeChild(top, "AfxWnd", 1, {20, 30, 80, 90});
  platform::user::MouseDown(child, POINT{5, 7});
  EXPECT_EQ("", log.Compare({{child, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 7), true}}));
}

}  // namespace

namespace {

class ScrollBarTest : public tavtest::DesktopTest {};

struct Sized : CWnd {
  std::vector<std::pair<int, int>> sizes;
  void OnSize(UINT, int cx, int cy) override { sizes.emplace_back(cx, cy); }
};

TEST_F(ScrollBarTest, BarsTakeClientSpaceAndClampThePosition) {
  Sized wnd;
  ASSERT_TRUE(wnd.CreateEx(0, nullptr, "s", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 200), nullptr, 0));
  wnd.sizes.clear();
  SCROLLINFO info = {sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 1600, 283, 5000, 0};
  wnd.SetScrollInfo(SB_HORZ, &info);
  EXPECT_EQ(1600 - 283 + 1, wnd.GetScrollPos(SB_HORZ));  // max - page + 1
  EXPECT_TRUE(wnd.GetStyle() & WS_HSCROLL);
  CRect client;
  wnd.GetClientRect(&client);
  EXPECT_EQ(CRect(0, 0, 300, 183), client);
  EXPECT_EQ((std::vector<std::pair<int, int>>{{300, 183}}), wnd.sizes);

  info = {sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0};
  wnd.SetScrollInfo(SB_HORZ, &info);  // nothing to scroll: hidden again
  EXPECT_FALSE(wnd.GetStyle() & WS_HSCROLL);
  EXPECT_EQ(std::make_pair(300, 200), wnd.sizes.back());
}

TEST_F(ScrollBarTest, UserScrollingSendsTheThumbPosition) {
  struct Scrolled : CWnd {
    std::vector<std::pair<UINT, UINT>> seen;
    void OnVScroll(UINT code, UINT pos, CWnd*) override { seen.emplace_back(code, pos); }
  } wnd;
  ASSERT_TRUE(wnd.CreateEx(0, nullptr, "s", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 200), nullptr, 0));
  EXPECT_FALSE(platform::user::Scroll(wnd.m_hWnd, SB_VERT, SB_LINEDOWN));  // no bar shown
  wnd.SetScrollRange(SB_VERT, 0, 100);
  EXPECT_TRUE(platform::user::Scroll(wnd.m_hWnd, SB_VERT, SB_THUMBTRACK, 150));
  EXPECT_EQ((std::vector<std::pair<UINT, UINT>>{{SB_THUMBTRACK, 100}}), wnd.seen);
  SCROLLINFO info = {};
  wnd.GetScrollInfo(SB_VERT, &info, SIF_TRACKPOS | SIF_POS);
  EXPECT_EQ(100, info.nTrackPos);
  EXPECT_EQ(0, info.nPos);  // the window moves the position itself
}

}  // namespace

namespace {

class ShellTest : public tavtest::DesktopTest {};

TEST_F(ShellTest, TrayIconsAndLayeredAlphaThroughTheLibraryLookUp) {
  CWnd bar;
  ASSERT_TRUE(bar.CreateEx(0, nullptr, "bar", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 20), nullptr, 0));
  NOTIFYICONDATA nid = {sizeof nid, bar.m_hWnd, 1, NIF_MESSAGE | NIF_ICON | NIF_TIP, WM_MOUSEMOVE, (HICON)770, "提示"};
  EXPECT_TRUE(Shell_NotifyIcon(NIM_ADD, &nid));
  EXPECT_FALSE(Shell_NotifyIcon(NIM_ADD, &nid));
  ASSERT_EQ(1u, platform::TrayIcons().size());
  EXPECT_EQ("提示", platform::TrayIcons()[0].tip);

  typedef BOOL (*SetLayered)(HWND, COLORREF, BYTE, DWORD);
  HMODULE user32 = LoadLibrary("USER32.DLL");
  ASSERT_NE(nullptr, user32);
  auto set = (SetLayered)GetProcAddress(user32, "SetLayeredWindowAttributes");
  ASSERT_NE(nullptr, set);
  EXPECT_FALSE(set(bar.m_hWnd, 0, 102, LWA_ALPHA));  // not layered yet
  bar.ModifyStyleEx(0, WS_EX_LAYERED);
  EXPECT_TRUE(set(bar.m_hWnd, 0, 102, LWA_ALPHA));
  BYTE alpha = 0;
  EXPECT_TRUE(GetLayeredWindowAttributes(bar.m_hWnd, nullptr, &alpha, nullptr));
  EXPECT_EQ(102, alpha);
  EXPECT_TRUE(FreeLibrary(user32));
  EXPECT_EQ(nullptr, LoadLibrary("gdiplus.dll"));

  EXPECT_TRUE(Shell_NotifyIcon(NIM_DELETE, &nid));
  EXPECT_TRUE(platform::TrayIcons().empty());
}

}  // namespace
