// The "ComboBox" window class: a list of items with data, one selection, and the text of the
// selection (drop-down lists) or an editable text (drop-downs). Programmatic selection sends
// nothing; the user's choice sends CBN_SELCHANGE.
#include <cstring>
#include <string>

#include "platform/Mbcs.h"
#include "platform/ui/Controls.h"
#include "platform/ui/ControlsInternal.h"
#include "platform/ui/ItemList.h"
#include "platform/ui/WindowTree.h"

namespace platform {
namespace {

struct ComboExtra : WindowExtra {
  ItemList list;
  int selection = -1;
  bool dropped = false;
  UINT limit = 0;
};

DWORD Style(HWND hwnd) { return (DWORD)GetWindowLong(hwnd, GWL_STYLE); }
bool IsDropDownList(HWND hwnd) { return (Style(hwnd) & 3) == CBS_DROPDOWNLIST; }

void Select(HWND hwnd, ComboExtra* c, int index) {
  c->selection = c->list.Valid(index) ? index : -1;
  tree::Find(hwnd)->text = c->selection >= 0 ? c->list.items[c->selection].text : CString();
}

void ShowDropDown(HWND hwnd, ComboExtra* c, bool show) {
  if (c->dropped == show) return;
  c->dropped = show;
  tree::NotifyParent(hwnd, show ? CBN_DROPDOWN : CBN_CLOSEUP);
}

// The user's choice of an item: a selection change notifies, then the list closes.
void UserChoose(HWND hwnd, ComboExtra* c, int index) {
  ShowDropDown(hwnd, c, true);
  if (c->list.Valid(index) && index != c->selection) {
    Select(hwnd, c, index);
    tree::NotifyParent(hwnd, CBN_SELCHANGE);
  }
  tree::NotifyParent(hwnd, CBN_SELENDOK);
  ShowDropDown(hwnd, c, false);
}

// Typing into the edit part of a drop-down (not a drop-down list): at the end of the text.
void TypeChar(HWND hwnd, ComboExtra* c, UINT ch) {
  std::string text = tree::Find(hwnd)->text.str();
  if (ch == VK_BACK) {
    if (text.empty()) return;
    size_t last = 0;
    for (size_t i = 0; i < text.size(); i += mbcs::CharLength(text.data(), text.size(), i)) last = i;
    text.erase(last);
  } else if (ch >= 0x20) {
    std::string add = ch > 0xFF ? std::string{(char)(ch >> 8), (char)(ch & 0xFF)} : std::string(1, (char)ch);
    if (c->limit && text.size() + add.size() > c->limit) return;
    text += add;
  } else {
    return;
  }
  tree::Find(hwnd)->text = text;
  tree::NotifyParent(hwnd, CBN_EDITUPDATE);
  tree::NotifyParent(hwnd, CBN_EDITCHANGE);
}

LRESULT CopyText(const ComboExtra* c, int index, char* out) {
  if (!c->list.Valid(index)) return CB_ERR;
  const CString& text = c->list.items[index].text;
  if (out) memcpy(out, text.GetString(), text.GetLength() + 1);
  return text.GetLength();
}

}  // namespace

LRESULT ComboClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* c = GetWindowExtraAs<ComboExtra>(hwnd);
  if (msg == WM_NCCREATE) {
    SetWindowExtra(hwnd, std::make_unique<ComboExtra>());
    return TRUE;
  }
  if (!c) return GenericWindowProc(hwnd, msg, wParam, lParam);
  const char* text = (const char*)lParam;
  switch (msg) {
    case CB_ADDSTRING:
    case CB_INSERTSTRING: {
      // A sorted add may land before the selected item, which the selection then follows.
      bool sorted = (Style(hwnd) & CBS_SORT) != 0;
      int at = msg == CB_ADDSTRING ? c->list.Add(text, sorted) : c->list.Insert((int)wParam, text);
      if (at < 0) return CB_ERR;
      if (c->selection >= at) c->selection++;
      return at;
    }
    case CB_DELETESTRING: {
      int left = c->list.Remove((int)wParam);
      if (left < 0) return CB_ERR;
      int sel = ItemList::AfterRemoval(c->selection, (int)wParam);
      if (sel < 0 && c->selection >= 0 && IsDropDownList(hwnd)) tree::Find(hwnd)->text.Empty();
      c->selection = sel;
      return left;
    }
    case CB_RESETCONTENT:
      c->list.items.clear();
      c->selection = -1;
      tree::Find(hwnd)->text.Empty();
      return CB_OKAY;
    case CB_GETCOUNT:
      return c->list.Count();
    case CB_GETCURSEL:
      return c->selection;
    case CB_SETCURSEL:
      Select(hwnd, c, (int)wParam);
      return c->selection >= 0 ? c->selection : CB_ERR;
    case CB_GETLBTEXT:
      return CopyText(c, (int)wParam, (char*)lParam);
    case CB_GETLBTEXTLEN:
      return CopyText(c, (int)wParam, nullptr);
    case CB_SETITEMDATA:
      if (!c->list.Valid((int)wParam)) return CB_ERR;
      c->list.items[wParam].data = (ULONG_PTR)lParam;
      return CB_OKAY;
    case CB_GETITEMDATA:
      return c->list.Valid((int)wParam) ? (LRESULT)c->list.items[wParam].data : CB_ERR;
    case CB_FINDSTRING:
      return c->list.Find((int)wParam, text, false);
    case CB_FINDSTRINGEXACT:
      return c->list.Find((int)wParam, text, true);
    case CB_SELECTSTRING: {
      int found = c->list.Find((int)wParam, text, false);
      if (found >= 0) Select(hwnd, c, found);
      return found;
    }
    case CB_SHOWDROPDOWN:
      ShowDropDown(hwnd, c, wParam != 0);
      return TRUE;
    case CB_GETDROPPEDSTATE:
      return c->dropped;
    case CB_LIMITTEXT:
      c->limit = (UINT)wParam;
      return TRUE;
    case kComboUserChoose:
      UserChoose(hwnd, c, (int)wParam);
      return 0;
    case WM_SETTEXT:
      if (IsDropDownList(hwnd)) {
        int found = c->list.Find(-1, text, true);
        if (found < 0) return CB_ERR;
        Select(hwnd, c, found);
        return TRUE;
      }
      break;
    case WM_KEYDOWN: {
      int next = c->selection + (wParam == VK_DOWN ? 1 : wParam == VK_UP ? -1 : 0);
      if (next != c->selection && c->list.Valid(next)) {
        Select(hwnd, c, next);
        tree::NotifyParent(hwnd, CBN_SELCHANGE);
      }
      return 0;
    }
    case WM_CHAR:
      if (!IsDropDownList(hwnd)) TypeChar(hwnd, c, (UINT)wParam);
      return 0;
    case WM_LBUTTONDOWN:
      ::SetFocus(hwnd);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS | (c->dropped ? DLGC_WANTMESSAGE : 0);
    case WM_SETFOCUS:
      tree::NotifyParent(hwnd, CBN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      ShowDropDown(hwnd, c, false);
      tree::NotifyParent(hwnd, CBN_KILLFOCUS);
      return 0;
  }
  return GenericWindowProc(hwnd, msg, wParam, lParam);
}

}  // namespace platform
