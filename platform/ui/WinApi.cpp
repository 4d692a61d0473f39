// The Win32 window functions over handles.
#include <algorithm>

#include "platform/Mbcs.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/WindowTree.h"

using platform::tree::Find;
using platform::tree::Window;

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return platform::tree::Deliver(hwnd, msg, wParam, lParam);
}

LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return platform::tree::CallClassProc(hwnd, msg, wParam, lParam);
}

HWND CreateWindowEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU idOrMenu, HINSTANCE, LPVOID param) {
  platform::tree::CreateParams p = {exStyle, className, windowName, style, {x, y, x + width, y + height},
                                    parent, (int)(uintptr_t)idOrMenu, param};
  return platform::tree::Create(p, nullptr);
}

BOOL DestroyWindow(HWND hwnd) { return platform::tree::Destroy(hwnd); }

BOOL IsWindow(HWND hwnd) { return hwnd && Find(hwnd) ? TRUE : FALSE; }

BOOL IsWindowVisible(HWND hwnd) { return platform::tree::IsVisible(hwnd); }

BOOL IsWindowEnabled(HWND hwnd) {
  Window* w = Find(hwnd);
  return w && !(w->style & WS_DISABLED);
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
  Window* w = Find(hwnd);
  if (!w) return FALSE;
  BOOL wasDisabled = (w->style & WS_DISABLED) != 0;
  if (wasDisabled == !enable) return wasDisabled;
  if (enable) {
    w->style &= ~WS_DISABLED;
  } else {
    w->style |= WS_DISABLED;
    if (platform::tree::IsDescendant(hwnd, platform::tree::Focus())) platform::tree::SetFocus(nullptr);
    if (platform::tree::IsDescendant(hwnd, platform::tree::Capture())) platform::tree::SetCapture(nullptr);
  }
  platform::tree::Deliver(hwnd, WM_ENABLE, enable ? TRUE : FALSE, 0);
  return wasDisabled;
}

BOOL ShowWindow(HWND hwnd, int command) {
  Window* w = Find(hwnd);
  if (!w) return FALSE;
  bool show = command != SW_HIDE;
  bool minimize = command == SW_MINIMIZE || command == SW_SHOWMINIMIZED || command == SW_SHOWMINNOACTIVE;
  bool maximize = command == SW_SHOWMAXIMIZED;
  bool restore = command == SW_RESTORE || command == SW_SHOWNORMAL;
  bool was = platform::tree::SetVisible(hwnd, show, true);
  w = Find(hwnd);
  if (!w) return was;
  if ((minimize && !w->iconic) || (maximize && !w->zoomed) || (restore && (w->iconic || w->zoomed))) {
    w->iconic = minimize, w->zoomed = maximize;
    UINT kind = minimize ? SIZE_MINIMIZED : (maximize ? SIZE_MAXIMIZED : SIZE_RESTORED);
    SIZE client = platform::tree::ClientSize(w);
    int cx = minimize ? 0 : client.cx, cy = minimize ? 0 : client.cy;
    platform::tree::Deliver(hwnd, WM_SIZE, kind, MAKELPARAM(cx, cy));
  }
  bool activate = show && command != SW_SHOWNA && command != SW_SHOWNOACTIVATE &&
                  command != SW_SHOWMINNOACTIVE && command != SW_MINIMIZE;
  w = Find(hwnd);
  if (w && activate && !w->parent) platform::tree::SetActive(hwnd);
  return was;
}

BOOL IsIconic(HWND hwnd) {
  Window* w = Find(hwnd);
  return w && w->iconic;
}

BOOL SetWindowText(HWND hwnd, LPCTSTR text) {
  if (!Find(hwnd)) return FALSE;
  return (BOOL)SendMessage(hwnd, WM_SETTEXT, 0, (LPARAM)(text ? text : ""));
}

int GetWindowText(HWND hwnd, LPTSTR buffer, int size) {
  if (!buffer || size <= 0) return 0;
  buffer[0] = 0;
  return (int)SendMessage(hwnd, WM_GETTEXT, size, (LPARAM)buffer);
}

int GetWindowTextLength(HWND hwnd) { return (int)SendMessage(hwnd, WM_GETTEXTLENGTH, 0, 0); }

int GetClassName(HWND hwnd, LPTSTR buffer, int size) {
  Window* w = Find(hwnd);
  if (!w || !buffer || size <= 0) return 0;
  return (int)mbcs::CopyLimited(buffer, size, w->className.c_str());
}

LONG GetWindowLong(HWND hwnd, int index) {
  Window* w = Find(hwnd);
  if (!w) return 0;
  switch (index) {
    case GWL_STYLE: return (LONG)w->style;
    case GWL_EXSTYLE: return (LONG)w->exStyle;
    case GWL_ID: return w->id;
    case GWL_USERDATA: return w->userData;
  }
  return 0;
}

LONG SetWindowLong(HWND hwnd, int index, LONG value) {
  Window* w = Find(hwnd);
  if (!w) return 0;
  LONG old = GetWindowLong(hwnd, index);
  switch (index) {
    case GWL_STYLE: w->style = (DWORD)value; break;
    case GWL_EXSTYLE: w->exStyle = (DWORD)value; break;
    case GWL_ID: w->id = value; break;
    case GWL_USERDATA: w->userData = value; break;
  }
  return old;
}

HWND GetParent(HWND hwnd) {
  Window* w = Find(hwnd);
  if (!w) return nullptr;
  return w->parent ? w->parent : w->owner;
}

HWND GetAncestor(HWND hwnd, UINT flags) {
  Window* w = Find(hwnd);
  if (!w) return nullptr;
  if (flags == GA_PARENT) return w->parent;
  HWND root = platform::tree::TopLevelOf(hwnd);
  if (flags == GA_ROOTOWNER)
    while (Find(root) && Find(root)->owner) root = Find(root)->owner;
  return root;
}

HWND GetWindow(HWND hwnd, UINT relation) {
  Window* w = Find(hwnd);
  if (!w) return nullptr;
  if (relation == GW_CHILD) return w->children.empty() ? nullptr : w->children.front();
  if (relation == GW_OWNER) return w->owner;
  const std::vector<HWND>& list = platform::tree::Siblings(w);
  auto it = std::find(list.begin(), list.end(), hwnd);
  switch (relation) {
    case GW_HWNDFIRST: return list.front();
    case GW_HWNDLAST: return list.back();
    case GW_HWNDNEXT: return it + 1 == list.end() ? nullptr : *(it + 1);
    case GW_HWNDPREV: return it == list.begin() ? nullptr : *(it - 1);
  }
  return nullptr;
}

BOOL IsChild(HWND parent, HWND hwnd) { return parent != hwnd && platform::tree::IsDescendant(parent, hwnd) && Find(hwnd)->parent; }

HWND GetDlgItem(HWND dialog, int id) {
  Window* w = Find(dialog);
  if (!w) return nullptr;
  for (HWND child : w->children)
    if (Find(child) && Find(child)->id == id) return child;
  return nullptr;
}

int GetDlgCtrlID(HWND hwnd) {
  Window* w = Find(hwnd);
  return w ? w->id : 0;
}

BOOL SetDlgItemText(HWND dialog, int id, LPCTSTR text) { return SetWindowText(GetDlgItem(dialog, id), text); }

UINT GetDlgItemText(HWND dialog, int id, LPTSTR buffer, int size) {
  HWND item = GetDlgItem(dialog, id);
  if (!item) {
    if (buffer && size > 0) buffer[0] = 0;
    return 0;
  }
  return GetWindowText(item, buffer, size);
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL) {
  if (!Find(hwnd)) return FALSE;
  platform::tree::SetRect(hwnd, RECT{x, y, x + width, y + height}, true, true);
  return TRUE;
}

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
  if (!Find(hwnd)) return FALSE;
  if (!(flags & SWP_NOZORDER)) platform::tree::SetZOrder(hwnd, insertAfter);
  if (!(flags & SWP_NOMOVE) || !(flags & SWP_NOSIZE))
    platform::tree::SetRect(hwnd, RECT{x, y, x + cx, y + cy}, !(flags & SWP_NOMOVE), !(flags & SWP_NOSIZE));
  if (flags & SWP_SHOWWINDOW) platform::tree::SetVisible(hwnd, true, false);
  if (flags & SWP_HIDEWINDOW) platform::tree::SetVisible(hwnd, false, false);
  return TRUE;
}

BOOL GetWindowRect(HWND hwnd, LPRECT rect) {
  Window* w = Find(hwnd);
  if (!w || !rect) return FALSE;
  POINT o = platform::tree::ClientOrigin(hwnd);
  *rect = {o.x, o.y, o.x + w->rect.right - w->rect.left, o.y + w->rect.bottom - w->rect.top};
  return TRUE;
}

BOOL GetClientRect(HWND hwnd, LPRECT rect) {
  Window* w = Find(hwnd);
  if (!w || !rect) return FALSE;
  SIZE client = platform::tree::ClientSize(w);
  *rect = {0, 0, client.cx, client.cy};
  return TRUE;
}

BOOL ClientToScreen(HWND hwnd, LPPOINT point) {
  if (!Find(hwnd) || !point) return FALSE;
  POINT o = platform::tree::ClientOrigin(hwnd);
  point->x += o.x, point->y += o.y;
  return TRUE;
}

BOOL ScreenToClient(HWND hwnd, LPPOINT point) {
  if (!Find(hwnd) || !point) return FALSE;
  POINT o = platform::tree::ClientOrigin(hwnd);
  point->x -= o.x, point->y -= o.y;
  return TRUE;
}

BOOL BringWindowToTop(HWND hwnd) {
  if (!Find(hwnd)) return FALSE;
  platform::tree::SetZOrder(hwnd, HWND_TOP);
  if (!Find(hwnd)->parent) platform::tree::SetActive(hwnd);
  return TRUE;
}

BOOL SetForegroundWindow(HWND hwnd) { return BringWindowToTop(platform::tree::TopLevelOf(hwnd)); }

HWND GetForegroundWindow() { return platform::tree::Active(); }

HWND SetActiveWindow(HWND hwnd) {
  HWND old = platform::tree::Active();
  if (Find(hwnd)) platform::tree::SetActive(platform::tree::TopLevelOf(hwnd));
  return old;
}

HWND GetActiveWindow() { return platform::tree::Active(); }

HWND SetFocus(HWND hwnd) { return platform::tree::SetFocus(hwnd); }

HWND GetFocus() { return platform::tree::Focus(); }

HWND SetCapture(HWND hwnd) { return platform::tree::SetCapture(hwnd); }

BOOL ReleaseCapture() {
  platform::tree::SetCapture(nullptr);
  return TRUE;
}

HWND GetCapture() { return platform::tree::Capture(); }

BOOL InvalidateRect(HWND hwnd, LPCRECT rect, BOOL) {
  if (!Find(hwnd)) return FALSE;
  platform::tree::Invalidate(hwnd, rect);
  return TRUE;
}

BOOL ValidateRect(HWND hwnd, LPCRECT rect) {
  if (!Find(hwnd)) return FALSE;
  platform::tree::Validate(hwnd, rect);
  return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, LPRECT rect, BOOL) {
  const gdi::SpanSet* rgn = platform::tree::UpdateRegion(hwnd);
  bool any = rgn && !rgn->IsEmpty();
  if (rect) *rect = any ? rgn->Bounds() : RECT{0, 0, 0, 0};
  return any;
}

BOOL UpdateWindow(HWND hwnd) {
  Window* w = Find(hwnd);
  if (!w) return FALSE;
  if (w->invalid && platform::tree::IsVisible(hwnd)) platform::tree::DeliverPaint(hwnd, true);
  return TRUE;
}

HWND FindWindow(LPCTSTR className, LPCTSTR windowName) {
  for (HWND top : platform::tree::TopLevels()) {
    Window* w = Find(top);
    if (!w) continue;
    if (className && CString(w->className.c_str()).CompareNoCase(className) != 0) continue;
    if (windowName && w->text.CompareNoCase(windowName) != 0) continue;
    return top;
  }
  return nullptr;
}

BOOL EnumWindows(WNDENUMPROC proc, LPARAM lParam) {
  std::vector<HWND> tops = platform::tree::TopLevels();
  for (HWND top : tops)
    if (Find(top) && !proc(top, lParam)) return FALSE;
  return TRUE;
}

static bool EnumDescendants(HWND parent, WNDENUMPROC proc, LPARAM lParam) {
  Window* w = Find(parent);
  if (!w) return true;
  std::vector<HWND> kids = w->children;
  for (HWND child : kids) {
    if (!Find(child)) continue;
    if (!proc(child, lParam) || !EnumDescendants(child, proc, lParam)) return false;
  }
  return true;
}

BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam) { return EnumDescendants(parent, proc, lParam); }

BOOL MapDialogRect(HWND, LPRECT rect) {
  if (!rect) return FALSE;
  *rect = platform::DialogUnitsToPixels(*rect);
  return TRUE;
}

void MessageBeep(UINT) {}
