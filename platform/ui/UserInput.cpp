#include "platform/ui/UserInput.h"

#include <cstring>

#include "platform/Mbcs.h"
#include "platform/ui/ControlsInternal.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/Wnd.h"
#include "platform/ui/WindowTree.h"

namespace platform {
namespace user {
namespace {

POINT ToScreen(HWND hwnd, POINT client) {
  ClientToScreen(hwnd, &client);
  return client;
}

POINT Centre(HWND hwnd) {
  RECT r;
  GetClientRect(hwnd, &r);
  return ToScreen(hwnd, POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

HWND Mouse(UINT msg, HWND hwnd, POINT client, WPARAM keys) {
  if (!IsWindow(hwnd)) return nullptr;
  HWND target = Desktop::DeliverMouse(msg, ToScreen(hwnd, client), keys);
  Desktop::PumpMessages();
  return target;
}

bool Key(UINT vk) {
  bool delivered = Desktop::DeliverKey(WM_KEYDOWN, vk, 1);
  if (delivered) Desktop::DeliverKey(WM_KEYUP, vk, (LPARAM)0xC0000001);
  Desktop::PumpMessages();
  return delivered;
}

}  // namespace

bool Reachable(HWND hwnd) {
  return IsWindow(hwnd) && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd) &&
         IsWindowEnabled(tree::TopLevelOf(hwnd));
}

bool Click(HWND hwnd) {
  if (!Reachable(hwnd)) return false;
  POINT at = Centre(hwnd);
  HWND pressed = Desktop::DeliverMouseTo(hwnd, WM_LBUTTONDOWN, at, MK_LBUTTON);
  Desktop::DeliverMouseTo(hwnd, WM_LBUTTONUP, at, 0);
  Desktop::PumpMessages();
  return pressed == hwnd;
}

bool ClickItem(HWND dialog, int id) { return Click(GetDlgItem(dialog, id)); }

bool Type(HWND edit, const char* text) {
  if (!Reachable(edit)) return false;
  if (GetFocus() != edit) SetFocus(edit);
  size_t len = strlen(text);
  for (size_t i = 0; i < len;) {
    size_t n = mbcs::CharLength(text, len, i);
    UINT ch = n == 2 ? ((unsigned char)text[i] << 8) | (unsigned char)text[i + 1] : (unsigned char)text[i];
    Desktop::DeliverKey(WM_CHAR, ch, 1, edit);
    i += n;
  }
  Desktop::PumpMessages();
  return true;
}

bool PressKey(UINT vk) { return Key(vk); }
bool PressEnter() { return Key(VK_RETURN); }
bool PressEscape() { return Key(VK_ESCAPE); }
bool PressDelete() { return Key(VK_DELETE); }

bool PressTab(bool shift) {
  if (shift) HoldKey(VK_SHIFT, true);
  bool delivered = Key(VK_TAB);
  if (shift) HoldKey(VK_SHIFT, false);
  return delivered;
}

bool ChooseComboItem(HWND combo, int index) {
  if (!Reachable(combo)) return false;
  if (index < 0 || index >= (int)SendMessage(combo, CB_GETCOUNT, 0, 0)) return false;
  SetFocus(combo);
  SendMessage(combo, kComboUserChoose, (WPARAM)index, 0);
  Desktop::PumpMessages();
  return true;
}

bool ChooseListItem(HWND list, int index) {
  if (!Reachable(list)) return false;
  RECT r;
  if (SendMessage(list, LB_GETITEMRECT, (WPARAM)index, (LPARAM)&r) == LB_ERR) return false;
  POINT p = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  HWND target = Mouse(WM_LBUTTONDOWN, list, p, MK_LBUTTON);
  Mouse(WM_LBUTTONUP, list, p, 0);
  return target == list;
}

HWND MouseDown(HWND hwnd, POINT client, bool right) {
  return Mouse(right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, hwnd, client, right ? MK_RBUTTON : MK_LBUTTON);
}

HWND MouseMove(HWND hwnd, POINT client, bool buttonDown) {
  return Mouse(WM_MOUSEMOVE, hwnd, client, buttonDown ? MK_LBUTTON : 0);
}

HWND MouseUp(HWND hwnd, POINT client, bool right) {
  return Mouse(right ? WM_RBUTTONUP : WM_LBUTTONUP, hwnd, client, 0);
}

HWND DoubleClick(HWND hwnd, POINT client) {
  HWND target = MouseDown(hwnd, client);
  MouseUp(hwnd, client);
  Mouse(WM_LBUTTONDBLCLK, hwnd, client, MK_LBUTTON);
  MouseUp(hwnd, client);
  return target;
}

bool CloseWindow(HWND hwnd) {
  if (!IsWindow(hwnd) || !IsWindowEnabled(tree::TopLevelOf(hwnd))) return false;
  SendMessage(tree::TopLevelOf(hwnd), WM_SYSCOMMAND, SC_CLOSE, 0);
  Desktop::PumpMessages();
  return true;
}

}  // namespace user
}  // namespace platform
