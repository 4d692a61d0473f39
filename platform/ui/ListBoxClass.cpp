// The "ListBox" window class: items with data, single or multiple selection, owner-drawn
// item heights (asked of the parent with WM_MEASUREITEM), and mouse and arrow-key selection.
#include <cstring>

#include "platform/ui/Controls.h"
#include "platform/ui/ControlsInternal.h"
#include "platform/ui/ItemList.h"
#include "platform/ui/WindowTree.h"

namespace platform {
namespace {

const UINT kDefaultItemHeight = 16;

struct ListExtra : WindowExtra {
  ItemList list;
  int selection = -1;  // single selection; the caret item of a multiple-selection list
  int top = 0;
  UINT itemHeight = kDefaultItemHeight;
  bool tracking = false;
};

DWORD Style(HWND hwnd) { return (DWORD)GetWindowLong(hwnd, GWL_STYLE); }
bool IsMulti(HWND hwnd) { return (Style(hwnd) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0; }
bool IsVariable(HWND hwnd) { return (Style(hwnd) & LBS_OWNERDRAWVARIABLE) != 0; }
// Owner-drawn lists without LBS_HASSTRINGS keep the caller's value instead of a text.
bool KeepsData(HWND hwnd) {
  DWORD style = Style(hwnd);
  return (style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) && !(style & LBS_HASSTRINGS);
}

UINT Measure(HWND hwnd, UINT index, ULONG_PTR data, UINT height) {
  tree::Window* w = tree::Find(hwnd);
  MEASUREITEMSTRUCT mis = {ODT_LISTBOX, (UINT)w->id, index, 0, height, data};
  if (w->parent) ::SendMessage(w->parent, WM_MEASUREITEM, (WPARAM)w->id, (LPARAM)&mis);
  return mis.itemHeight;
}

UINT HeightOf(HWND hwnd, const ListExtra* l, int index) {
  return IsVariable(hwnd) ? l->list.items[index].height : l->itemHeight;
}

RECT ItemRect(HWND hwnd, const ListExtra* l, int index) {
  RECT client;
  ::GetClientRect(hwnd, &client);
  int y = 0;
  if (index >= l->top)
    for (int i = l->top; i < index; ++i) y += (int)HeightOf(hwnd, l, i);
  else
    for (int i = index; i < l->top; ++i) y -= (int)HeightOf(hwnd, l, i);
  return RECT{0, y, client.right, y + (int)HeightOf(hwnd, l, index)};
}

// The item at a client point: LOWORD the index, HIWORD 1 when the point is past the items.
LRESULT ItemFromPoint(HWND hwnd, const ListExtra* l, POINT p) {
  int y = 0;
  for (int i = l->top; i < l->list.Count(); ++i) {
    int h = (int)HeightOf(hwnd, l, i);
    if (p.y >= y && p.y < y + h) return MAKELONG(i, 0);
    y += h;
  }
  return MAKELONG(l->list.Count() ? l->list.Count() - 1 : 0, 1);
}

int AddItem(HWND hwnd, ListExtra* l, int at, LPARAM lParam, bool add) {
  bool data = KeepsData(hwnd);
  const char* text = data ? "" : (const char*)lParam;
  int index = add ? l->list.Add(text, (Style(hwnd) & LBS_SORT) && !data) : l->list.Insert(at, text);
  if (index < 0) return LB_ERR;
  if (data) l->list.items[index].data = (ULONG_PTR)lParam;
  if (IsVariable(hwnd)) l->list.items[index].height = Measure(hwnd, (UINT)index, l->list.items[index].data, kDefaultItemHeight);
  if (!IsMulti(hwnd) && l->selection >= index) l->selection++;
  return index;
}

LRESULT CopyText(HWND hwnd, const ListExtra* l, int index, char* out) {
  if (!l->list.Valid(index)) return LB_ERR;
  if (KeepsData(hwnd)) {
    if (out) memcpy(out, &l->list.items[index].data, sizeof(ULONG_PTR));
    return sizeof(ULONG_PTR);
  }
  const CString& text = l->list.items[index].text;
  if (out) memcpy(out, text.GetString(), text.GetLength() + 1);
  return text.GetLength();
}

void SetSelection(HWND hwnd, ListExtra* l, int index) {
  if (IsMulti(hwnd)) {
    if (l->list.Valid(index)) l->list.items[index].selected = !l->list.items[index].selected;
    l->selection = index;
  } else {
    l->selection = l->list.Valid(index) ? index : -1;
  }
}

void Notify(HWND hwnd, UINT code) {
  if (Style(hwnd) & LBS_NOTIFY) tree::NotifyParent(hwnd, code);
}

// Sets or clears the selection of one item of a multiple-selection list, or of all (-1).
LRESULT SetMultiSelection(ListExtra* l, int item, bool select) {
  if (item == -1) {
    for (auto& it : l->list.items) it.selected = select;
    return 0;
  }
  if (!l->list.Valid(item)) return LB_ERR;
  l->list.items[item].selected = select;
  return 0;
}

// The selection messages.
LRESULT SelectionMessage(HWND hwnd, ListExtra* l, UINT msg, WPARAM wParam, LPARAM lParam) {
  int index = (int)wParam;
  switch (msg) {
    case LB_GETCURSEL:
      return l->selection;
    case LB_SETCURSEL:
      if (IsMulti(hwnd)) return LB_ERR;
      SetSelection(hwnd, l, index);
      return l->selection >= 0 ? l->selection : LB_ERR;
    case LB_GETSEL:
      if (!l->list.Valid(index)) return LB_ERR;
      return IsMulti(hwnd) ? l->list.items[index].selected : index == l->selection;
    case LB_SETSEL:
      return IsMulti(hwnd) ? SetMultiSelection(l, (int)lParam, wParam != 0) : LB_ERR;
    case LB_GETSELCOUNT: {
      if (!IsMulti(hwnd)) return LB_ERR;
      int n = 0;
      for (const auto& it : l->list.items) n += it.selected;
      return n;
    }
    case LB_SELECTSTRING: {
      int found = l->list.Find(index, (const char*)lParam, false);
      if (found >= 0 && !IsMulti(hwnd)) l->selection = found;
      return found;
    }
  }
  return 0;
}

// The user's mouse, keys and focus.
void InputMessage(HWND hwnd, ListExtra* l, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_LBUTTONDOWN: {
      ::SetFocus(hwnd);
      LRESULT hit = ItemFromPoint(hwnd, l, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      if (HIWORD(hit) || !l->list.Count()) return;
      SetSelection(hwnd, l, LOWORD(hit));
      ::SetCapture(hwnd);
      l->tracking = true;
      return;
    }
    case WM_LBUTTONUP:
      if (!l->tracking) return;
      l->tracking = false;
      ::ReleaseCapture();
      Notify(hwnd, LBN_SELCHANGE);
      return;
    case WM_LBUTTONDBLCLK:
      Notify(hwnd, LBN_DBLCLK);
      return;
    case WM_KEYDOWN: {
      int next = l->selection + (wParam == VK_DOWN ? 1 : wParam == VK_UP ? -1 : 0);
      if (IsMulti(hwnd) || next == l->selection || !l->list.Valid(next)) return;
      l->selection = next;
      Notify(hwnd, LBN_SELCHANGE);
      return;
    }
    case WM_SETFOCUS:
      Notify(hwnd, LBN_SETFOCUS);
      return;
    case WM_KILLFOCUS:
      Notify(hwnd, LBN_KILLFOCUS);
      return;
  }
}

}  // namespace

LRESULT ListBoxClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* l = GetWindowExtraAs<ListExtra>(hwnd);
  if (msg == WM_NCCREATE) {
    SetWindowExtra(hwnd, std::make_unique<ListExtra>());
    return TRUE;
  }
  if (!l) return GenericWindowProc(hwnd, msg, wParam, lParam);
  int index = (int)wParam;
  switch (msg) {
    case WM_CREATE:
      if (Style(hwnd) & LBS_OWNERDRAWFIXED) l->itemHeight = Measure(hwnd, 0, 0, kDefaultItemHeight);
      return 0;
    case LB_ADDSTRING:
      return AddItem(hwnd, l, -1, lParam, true);
    case LB_INSERTSTRING:
      return AddItem(hwnd, l, index, lParam, false);
    case LB_DELETESTRING: {
      int left = l->list.Remove(index);
      if (left < 0) return LB_ERR;
      l->selection = ItemList::AfterRemoval(l->selection, index);
      if (l->top >= l->list.Count()) l->top = l->list.Count() ? l->list.Count() - 1 : 0;
      return left;
    }
    case LB_RESETCONTENT:
      l->list.items.clear();
      l->selection = -1;
      l->top = 0;
      return 0;
    case LB_GETCOUNT:
      return l->list.Count();
    case LB_GETTEXT:
      return CopyText(hwnd, l, index, (char*)lParam);
    case LB_GETTEXTLEN:
      return CopyText(hwnd, l, index, nullptr);
    case LB_SETITEMDATA:
      if (!l->list.Valid(index)) return LB_ERR;
      l->list.items[index].data = (ULONG_PTR)lParam;
      return 0;
    case LB_GETITEMDATA:
      return l->list.Valid(index) ? (LRESULT)l->list.items[index].data : LB_ERR;
    case LB_FINDSTRING:
      return l->list.Find(index, (const char*)lParam, false);
    case LB_FINDSTRINGEXACT:
      return l->list.Find(index, (const char*)lParam, true);
    case LB_SETITEMHEIGHT:
      if (lParam <= 0 || lParam > 255) return LB_ERR;
      if (IsVariable(hwnd)) {
        if (!l->list.Valid(index)) return LB_ERR;
        l->list.items[index].height = (UINT)lParam;
      } else {
        l->itemHeight = (UINT)lParam;
      }
      return 0;
    case LB_GETITEMHEIGHT:
      if (IsVariable(hwnd)) return l->list.Valid(index) ? (LRESULT)l->list.items[index].height : LB_ERR;
      return l->itemHeight;
    case LB_GETTOPINDEX:
      return l->top;
    case LB_SETTOPINDEX:
      if (index < 0 || (index >= l->list.Count() && index != 0)) return LB_ERR;
      l->top = index;
      return 0;
    case LB_GETITEMRECT:
      if (!l->list.Valid(index) || !lParam) return LB_ERR;
      *(RECT*)lParam = ItemRect(hwnd, l, index);
      return 0;
    case LB_ITEMFROMPOINT:
      return ItemFromPoint(hwnd, l, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case LB_GETCURSEL:
    case LB_SETCURSEL:
    case LB_GETSEL:
    case LB_SETSEL:
    case LB_GETSELCOUNT:
    case LB_SELECTSTRING:
      return SelectionMessage(hwnd, l, msg, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_KEYDOWN:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InputMessage(hwnd, l, msg, wParam, lParam);
      return 0;
  }
  return GenericWindowProc(hwnd, msg, wParam, lParam);
}

}  // namespace platform
