// The "Button" window class: push buttons, check boxes, radio buttons, group boxes and
// owner-drawn buttons.
#include "platform/ui/Controls.h"
#include "platform/ui/WindowTree.h"

namespace platform {
namespace {

struct ButtonExtra : WindowExtra {
  UINT check = BST_UNCHECKED;
  bool pushed = false;
  bool tracking = false;
};

DWORD Type(HWND hwnd) { return (DWORD)GetWindowLong(hwnd, GWL_STYLE) & BS_TYPEMASK; }

bool IsRadioType(DWORD type) { return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON; }

bool IsCheckType(DWORD type) {
  return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE;
}

// Unchecks the other auto radio buttons of the group around `hwnd`.
void UncheckGroupSiblings(HWND hwnd) {
  tree::Window* w = tree::Find(hwnd);
  if (!w || !w->parent) return;
  std::vector<HWND> siblings = tree::Find(w->parent)->children;
  int at = 0, n = (int)siblings.size();
  while (at < n && siblings[at] != hwnd) at++;
  int first = at, last = at;
  while (first > 0 && !(GetWindowLong(siblings[first], GWL_STYLE) & WS_GROUP)) first--;
  while (last + 1 < n && !(GetWindowLong(siblings[last + 1], GWL_STYLE) & WS_GROUP)) last++;
  for (int i = first; i <= last; ++i)
    if (siblings[i] != hwnd && Type(siblings[i]) == BS_AUTORADIOBUTTON)
      ::SendMessage(siblings[i], BM_SETCHECK, BST_UNCHECKED, 0);
}

// A click: auto buttons change state first, then the parent hears BN_CLICKED.
void Click(HWND hwnd) {
  DWORD type = Type(hwnd);
  auto* extra = GetWindowExtraAs<ButtonExtra>(hwnd);
  if (extra && type == BS_AUTOCHECKBOX) extra->check = extra->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
  if (extra && type == BS_AUTO3STATE) extra->check = (extra->check + 1) % 3;
  if (extra && type == BS_AUTORADIOBUTTON) {
    extra->check = BST_CHECKED;
    UncheckGroupSiblings(hwnd);
  }
  tree::NotifyParent(hwnd, BN_CLICKED);
}

LRESULT DialogCode(HWND hwnd) {
  DWORD type = Type(hwnd);
  if (type == BS_GROUPBOX) return DLGC_STATIC;
  if (IsRadioType(type)) return DLGC_BUTTON | DLGC_RADIOBUTTON;
  if (IsCheckType(type)) return DLGC_BUTTON;
  return DLGC_BUTTON | (type == BS_DEFPUSHBUTTON ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

}  // namespace

LRESULT ButtonClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* extra = GetWindowExtraAs<ButtonExtra>(hwnd);
  switch (msg) {
    case WM_NCCREATE:
      SetWindowExtra(hwnd, std::make_unique<ButtonExtra>());
      return TRUE;
    case WM_GETDLGCODE:
      return DialogCode(hwnd);
    case WM_NCHITTEST:
      return Type(hwnd) == BS_GROUPBOX ? HTTRANSPARENT : HTCLIENT;
    case WM_LBUTTONDBLCLK:
      // Owner-drawn and notifying buttons report the double click instead of a second press.
      if (Type(hwnd) == BS_OWNERDRAW || (GetWindowLong(hwnd, GWL_STYLE) & 0x4000 /* BS_NOTIFY */)) {
        tree::NotifyParent(hwnd, BN_DOUBLECLICKED);
        return 0;
      }
      [[fallthrough]];
    case WM_LBUTTONDOWN:
      if (!extra) return 0;
      ::SetFocus(hwnd);
      ::SetCapture(hwnd);
      extra->pushed = extra->tracking = true;
      return 0;
    case WM_LBUTTONUP: {
      if (!extra || !extra->tracking) return 0;
      extra->pushed = extra->tracking = false;
      ::ReleaseCapture();
      RECT r;
      ::GetClientRect(hwnd, &r);
      POINT p = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      if (p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom) Click(hwnd);
      return 0;
    }
    case WM_KEYUP:
      if (wParam == VK_SPACE) Click(hwnd);
      return 0;
    case BM_CLICK:
      Click(hwnd);
      return 0;
    case BM_GETCHECK:
      return extra && (IsCheckType(Type(hwnd)) || IsRadioType(Type(hwnd))) ? extra->check : BST_UNCHECKED;
    case BM_SETCHECK:
      if (extra && (IsCheckType(Type(hwnd)) || IsRadioType(Type(hwnd))))
        extra->check = (wParam == BST_INDETERMINATE && (Type(hwnd) == BS_3STATE || Type(hwnd) == BS_AUTO3STATE))
                           ? BST_INDETERMINATE
                           : (wParam ? BST_CHECKED : BST_UNCHECKED);
      return 0;
    case BM_GETSTATE:
      if (!extra) return 0;
      return extra->check | (extra->pushed ? BST_PUSHED : 0) | (::GetFocus() == hwnd ? BST_FOCUS : 0);
    case BM_SETSTATE:
      if (extra) extra->pushed = wParam != 0;
      return 0;
    case BM_SETSTYLE: {
      DWORD style = (DWORD)GetWindowLong(hwnd, GWL_STYLE);
      SetWindowLong(hwnd, GWL_STYLE, (LONG)((style & ~0xFFFF) | (wParam & 0xFFFF)));
      return 0;
    }
    case WM_SETFOCUS:
      if (GetWindowLong(hwnd, GWL_STYLE) & 0x4000 /* BS_NOTIFY */) tree::NotifyParent(hwnd, BN_SETFOCUS);
      return 0;
  }
  return GenericWindowProc(hwnd, msg, wParam, lParam);
}

}  // namespace platform
