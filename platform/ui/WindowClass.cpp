// The registry of window classes and the generic window behaviour.
#include <map>
#include <string>

#include "platform/Mbcs.h"
#include "platform/ui/Controls.h"
#include "platform/ui/WindowTree.h"

namespace platform {
namespace {

std::string Lower(const char* name) {
  std::string s = name ? name : "";
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = (char)(c - 'A' + 'a');
  return s;
}

std::map<std::string, WindowClass>& Classes() {
  static auto* classes = new std::map<std::string, WindowClass>;
  return *classes;
}

}  // namespace

void RegisterWindowClass(const WindowClass& cls) { Classes()[Lower(cls.name)] = cls; }

const WindowClass* FindWindowClass(const char* name) {
  auto it = Classes().find(Lower(name));
  return it == Classes().end() ? nullptr : &it->second;
}

LRESULT GenericWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  tree::Window* w = tree::Find(hwnd);
  if (!w) return 0;
  switch (msg) {
    case WM_NCCREATE:
      return TRUE;
    case WM_SETTEXT:
      w->text = (const char*)lParam;
      return TRUE;
    case WM_GETTEXT:
      if (wParam == 0 || !lParam) return 0;
      return (LRESULT)mbcs::CopyLimited((char*)lParam, wParam, w->text);
    case WM_GETTEXTLENGTH:
      return w->text.GetLength();
    case WM_CLOSE:
      tree::Destroy(hwnd);
      return 0;
    case WM_PAINT:
      tree::Validate(hwnd, nullptr);
      return 0;
    case WM_NCHITTEST:
      return HTCLIENT;
    case WM_RBUTTONUP: {
      // The right button's release asks for the window's context menu, as on Windows.
      POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      ::ClientToScreen(hwnd, &at);
      tree::Deliver(hwnd, WM_CONTEXTMENU, (WPARAM)hwnd, MAKELPARAM(at.x, at.y));
      return 0;
    }
    case WM_CONTEXTMENU:
      // A child that does not show a menu of its own lets its parent show one.
      if (w->parent) return tree::Deliver(w->parent, WM_CONTEXTMENU, wParam, lParam);
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE) tree::Deliver(hwnd, WM_CLOSE, 0, 0);
      return 0;
    default:
      return 0;
  }
}

namespace tree {

void NotifyParent(HWND control, UINT code) {
  Window* w = Find(control);
  if (!w || !w->parent) return;
  Deliver(w->parent, WM_COMMAND, MAKEWPARAM(w->id, code), (LPARAM)control);
}

}  // namespace tree
}  // namespace platform
