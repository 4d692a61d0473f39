// Focus, capture, activation and the routing of keyboard and mouse input.
#include <set>

#include "platform/Tick.h"
#include "platform/ui/UserInput.h"
#include "platform/ui/Wnd.h"
#include "platform/ui/WindowTree.h"

namespace platform {
namespace {

struct InputState {
  std::vector<InputFilter> filters;  // innermost last
  std::set<int> held;                // keys held down
  HWND focus = nullptr;
  HWND capture = nullptr;
  HWND active = nullptr;
  POINT cursor = {0, 0};
};

InputState& I() {
  static auto* state = new InputState;
  return *state;
}

// Offers a message to the innermost input filter, then to PreTranslateMessage from its
// window up to the top-level window.
bool PreTranslate(MSG* m) {
  if (!I().filters.empty()) {
    InputFilter filter = I().filters.back();
    if (filter(*m)) return true;
    if (!tree::Find(m->hwnd)) return true;
  }
  for (HWND h = m->hwnd; h; h = tree::Find(h) ? tree::Find(h)->parent : nullptr) {
    CWnd* object = CWnd::FromHandlePermanent(h);
    if (object && object->PreTranslateMessage(m)) return true;
  }
  return false;
}

bool Contains(const RECT& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

// The deepest visible, enabled child of `hwnd` under a point in `hwnd`'s client coordinates;
// statics and group boxes are transparent, as WM_NCHITTEST makes them on Windows.
HWND ChildAt(HWND hwnd, POINT p) {
  tree::Window* w = tree::Find(hwnd);
  for (HWND child : w->children) {
    tree::Window* c = tree::Find(child);
    if (!c || !(c->style & WS_VISIBLE) || (c->style & WS_DISABLED) || !Contains(c->rect, p)) continue;
    if (tree::CallClassProc(child, WM_NCHITTEST, 0, 0) == HTTRANSPARENT) continue;
    POINT inner = {p.x - c->rect.left, p.y - c->rect.top};
    return ChildAt(child, inner);
  }
  return hwnd;
}

// The character a key press produces, 0 for none.
UINT CharOfKey(UINT vk) {
  switch (vk) {
    case VK_RETURN: return '\r';
    case VK_ESCAPE: return 0x1B;
    case VK_BACK: return 0x08;
    case VK_TAB: return '\t';
    case VK_SPACE: return ' ';
  }
  if (vk >= '0' && vk <= '9') return vk;
  if (vk >= 'A' && vk <= 'Z') return vk - 'A' + 'a';
  return 0;
}

}  // namespace

namespace tree {

HWND Focus() { return I().focus; }

HWND SetFocus(HWND hwnd) {
  InputState& in = I();
  HWND old = in.focus;
  if (hwnd && !Find(hwnd)) return nullptr;
  if (old == hwnd) return old;
  if (old && Find(old)) Deliver(old, WM_KILLFOCUS, (WPARAM)hwnd, 0);
  in.focus = hwnd;
  if (hwnd && Find(hwnd)) {
    HWND top = TopLevelOf(hwnd);
    if (top != in.active) in.active = top;
    Deliver(hwnd, WM_SETFOCUS, (WPARAM)old, 0);
  }
  return old;
}

HWND Capture() { return I().capture; }

HWND SetCapture(HWND hwnd) {
  InputState& in = I();
  HWND old = in.capture;
  if (hwnd && !Find(hwnd)) return old;
  in.capture = hwnd;
  if (old && old != hwnd && Find(old)) Deliver(old, WM_CAPTURECHANGED, 0, (LPARAM)hwnd);
  return old;
}

HWND Active() { return I().active; }

void SetActive(HWND hwnd) { I().active = hwnd; }

void ReleaseKeys() { I().held.clear(); }

void ForgetInputState(HWND hwnd) {
  InputState& in = I();
  if (IsDescendant(hwnd, in.focus)) SetFocus(nullptr);
  if (IsDescendant(hwnd, in.capture)) in.capture = nullptr;
  if (IsDescendant(hwnd, in.active)) {
    Window* w = Find(hwnd);
    HWND owner = w ? w->owner : nullptr;
    in.active = (owner && Find(owner) && !Find(owner)->destroying) ? owner : nullptr;
  }
}

}  // namespace tree

bool Desktop::DeliverKey(UINT msg, WPARAM wParam, LPARAM lParam, HWND target) {
  // Without a focus window, keys go to the active window, as on Windows.
  if (!target) target = tree::Focus() ? tree::Focus() : tree::Active();
  MSG m = {target, msg, wParam, lParam, GetTickCount(), I().cursor};
  if (!m.hwnd || !tree::Find(m.hwnd)) {
    // No window to receive it: only a tracking loop's filter can still read it.
    return !I().filters.empty() && InputFilter(I().filters.back())(m);
  }
  if (PreTranslate(&m)) return true;
  if (!tree::Find(m.hwnd)) return true;
  DispatchMessage(&m);
  if (msg == WM_KEYDOWN) {
    UINT ch = CharOfKey((UINT)wParam);
    if (ch) DeliverKey(WM_CHAR, ch, lParam, m.hwnd);
  }
  return true;
}

HWND Desktop::DeliverMouse(UINT msg, POINT screen, WPARAM keys) {
  HWND target = I().capture;
  if (!target) {
    target = WindowFromPoint(screen);
    if (!target || !IsWindowEnabled(tree::TopLevelOf(target))) {
      I().cursor = screen;
      return nullptr;
    }
  }
  return DeliverMouseTo(target, msg, screen, keys);
}

HWND Desktop::DeliverMouseTo(HWND target, UINT msg, POINT screen, WPARAM keys) {
  InputState& in = I();
  in.cursor = screen;
  if (in.capture) target = in.capture;
  if (!tree::Find(target)) return nullptr;
  POINT origin = tree::ClientOrigin(target);
  POINT client = {screen.x - origin.x, screen.y - origin.y};
  bool press = msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_LBUTTONDBLCLK;
  if (press && !in.capture) in.active = tree::TopLevelOf(target);  // a click activates its window
  LPARAM lParam = msg == WM_MOUSEWHEEL ? MAKELPARAM(screen.x, screen.y) : MAKELPARAM(client.x, client.y);
  MSG m = {target, msg, keys, lParam, GetTickCount(), screen};
  if (PreTranslate(&m)) return target;
  if (tree::Find(m.hwnd)) DispatchMessage(&m);
  return target;
}

POINT Desktop::CursorPos() { return I().cursor; }

Desktop::InputFilterScope::InputFilterScope(InputFilter filter) { I().filters.push_back(std::move(filter)); }

Desktop::InputFilterScope::~InputFilterScope() { I().filters.pop_back(); }

std::vector<HWND> Desktop::TopLevelWindows() { return tree::TopLevels(); }

std::vector<HWND> Desktop::Children(HWND parent) {
  tree::Window* w = tree::Find(parent);
  return w ? w->children : std::vector<HWND>();
}

size_t Desktop::WindowCount() { return tree::AllWindows().size(); }

}  // namespace platform

short GetKeyState(int vk) { return platform::I().held.count(vk) ? (short)0x8000 : 0; }

short GetAsyncKeyState(int vk) { return GetKeyState(vk); }

void platform::user::HoldKey(UINT vk, bool down) {
  if (down)
    platform::I().held.insert((int)vk);
  else
    platform::I().held.erase((int)vk);
}

BOOL TranslateMessage(const MSG* msg) {
  if (!msg || msg->message != WM_KEYDOWN) return FALSE;
  UINT ch = platform::CharOfKey((UINT)msg->wParam);
  return ch && PostMessage(msg->hwnd, WM_CHAR, ch, msg->lParam);
}

HWND WindowFromPoint(POINT point) {
  using namespace platform;
  for (HWND top : tree::TopLevels()) {
    tree::Window* w = tree::Find(top);
    if (!w || !(w->style & WS_VISIBLE) || !Contains(w->rect, point)) continue;
    if (w->style & WS_DISABLED) return top;
    POINT p = {point.x - w->rect.left, point.y - w->rect.top};
    return ChildAt(top, p);
  }
  return nullptr;
}

BOOL GetCursorPos(LPPOINT point) {
  if (!point) return FALSE;
  *point = platform::I().cursor;
  return TRUE;
}

BOOL SetCursorPos(int x, int y) {
  platform::I().cursor = {x, y};
  return TRUE;
}
