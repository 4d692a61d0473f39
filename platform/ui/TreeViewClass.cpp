// The "SysTreeView32" window class: items with text, images, data and state under parents,
// expansion, selection, hit testing over a fixed row layout, and the user's clicks and keys
// with the WM_NOTIFY notifications of Windows. NM_CLICK comes before the click's selection
// change, as on Windows (handlers hit-test the cursor for that reason).
//
// Layout: one row per visible item, GetItemHeight() high from the top; an item of depth d
// (roots 0, one more with TVS_LINESATROOT) has d indent slots, the last of them its button
// when it has children and the tree TVS_HASBUTTONS; then the icon (image list width, when a
// list is set) and the label, 6 pixels per byte of text plus 4.
#include <algorithm>
#include <cstring>
#include <map>
#include <vector>

#include "platform/Mbcs.h"
#include "platform/ui/ControlsInternal.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/TreeCtrl.h"
#include "platform/ui/WindowTree.h"

namespace platform {
namespace {

const int kDefaultItemHeight = 16;
const int kDefaultIndent = 19;
const int kPixelsPerByte = 6;
const int kLabelPadding = 4;

struct Node {
  HTREEITEM parent = nullptr;  // NULL for a root item
  std::vector<HTREEITEM> children;
  CString text;
  int image = 0, selectedImage = 0;
  LPARAM data = 0;
  UINT state = 0;
  int childrenFlag = -1;  // TVIF_CHILDREN as set by the program; -1: whether it has children
};

struct TreeExtra : WindowExtra {
  std::map<HTREEITEM, Node> nodes;
  std::vector<HTREEITEM> roots;
  HTREEITEM selected = nullptr;
  int top = 0;  // the first visible row
  int itemHeight = -1;  // -1: the default
  int indent = kDefaultIndent;
  HIMAGELIST images[3] = {};
  bool leftDown = false, rightDown = false;
};

// Handles are unique across every tree for the life of the process.
HTREEITEM NewHandle() {
  static uintptr_t next = 0;
  return (HTREEITEM)(++next);
}

TreeExtra* Extra(HWND hwnd) { return GetWindowExtraAs<TreeExtra>(hwnd); }
DWORD Style(HWND hwnd) { return (DWORD)GetWindowLong(hwnd, GWL_STYLE); }

Node* Get(TreeExtra* t, HTREEITEM item) {
  if (!t || !item) return nullptr;
  auto it = t->nodes.find(item);
  return it == t->nodes.end() ? nullptr : &it->second;
}

std::vector<HTREEITEM>& Siblings(TreeExtra* t, const Node* n) {
  return n->parent ? t->nodes[n->parent].children : t->roots;
}

bool HasChildren(const Node* n) { return n->childrenFlag >= 0 ? n->childrenFlag != 0 : !n->children.empty(); }

int ItemHeight(const TreeExtra* t) {
  if (t->itemHeight > 0) return t->itemHeight;
  int cy = 0;
  ImageList_GetIconSize(t->images[TVSIL_NORMAL], nullptr, &cy);
  return std::max(kDefaultItemHeight, cy);
}

// The visible items in order: roots and the children of expanded items.
void CollectVisible(TreeExtra* t, const std::vector<HTREEITEM>& items, std::vector<HTREEITEM>& out) {
  for (HTREEITEM item : items) {
    out.push_back(item);
    Node* n = Get(t, item);
    if (n->state & TVIS_EXPANDED) CollectVisible(t, n->children, out);
  }
}

std::vector<HTREEITEM> Visible(TreeExtra* t) {
  std::vector<HTREEITEM> out;
  CollectVisible(t, t->roots, out);
  return out;
}

int RowOf(TreeExtra* t, HTREEITEM item) {
  std::vector<HTREEITEM> rows = Visible(t);
  auto it = std::find(rows.begin(), rows.end(), item);
  return it == rows.end() ? -1 : (int)(it - rows.begin());
}

int Depth(TreeExtra* t, HWND hwnd, HTREEITEM item) {
  int depth = (Style(hwnd) & TVS_LINESATROOT) ? 1 : 0;
  for (Node* n = Get(t, item); n && n->parent; n = Get(t, n->parent)) ++depth;
  return depth;
}

struct ItemParts {
  int buttonLeft;  // -1 when the item shows no button
  int iconLeft, labelLeft, labelRight;
};

ItemParts PartsOf(TreeExtra* t, HWND hwnd, HTREEITEM item) {
  Node* n = Get(t, item);
  int depth = Depth(t, hwnd, item), iconWidth = 0;
  ImageList_GetIconSize(t->images[TVSIL_NORMAL], &iconWidth, nullptr);
  ItemParts p;
  p.buttonLeft = depth > 0 && (Style(hwnd) & TVS_HASBUTTONS) && HasChildren(n) ? (depth - 1) * t->indent : -1;
  p.iconLeft = depth * t->indent;
  p.labelLeft = p.iconLeft + iconWidth;
  p.labelRight = p.labelLeft + n->text.GetLength() * kPixelsPerByte + kLabelPadding;
  return p;
}

HTREEITEM HitTest(HWND hwnd, TreeExtra* t, TVHITTESTINFO* info) {
  RECT client;
  GetClientRect(hwnd, &client);
  POINT p = info->pt;
  info->hItem = nullptr;
  info->flags = 0;
  if (p.x < 0) info->flags |= TVHT_TOLEFT;
  if (p.x >= client.right) info->flags |= TVHT_TORIGHT;
  if (p.y < 0) info->flags |= TVHT_ABOVE;
  if (p.y >= client.bottom) info->flags |= TVHT_BELOW;
  if (info->flags) return nullptr;
  std::vector<HTREEITEM> rows = Visible(t);
  int row = t->top + p.y / ItemHeight(t);
  if (row >= (int)rows.size()) {
    info->flags = TVHT_NOWHERE;
    return nullptr;
  }
  HTREEITEM item = rows[row];
  ItemParts parts = PartsOf(t, hwnd, item);
  if (parts.buttonLeft >= 0 && p.x >= parts.buttonLeft && p.x < parts.buttonLeft + t->indent)
    info->flags = TVHT_ONITEMBUTTON;
  else if (p.x < parts.iconLeft)
    info->flags = TVHT_ONITEMINDENT;
  else if (p.x < parts.labelLeft)
    info->flags = TVHT_ONITEMICON;
  else if (p.x < parts.labelRight)
    info->flags = TVHT_ONITEMLABEL;
  else
    info->flags = TVHT_ONITEMRIGHT;
  info->hItem = item;
  return item;
}

TVITEM Describe(TreeExtra* t, HTREEITEM item) {
  TVITEM tv = {};
  if (Node* n = Get(t, item)) {
    tv.mask = TVIF_HANDLE | TVIF_PARAM | TVIF_STATE | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    tv.hItem = item;
    tv.state = n->state;
    tv.lParam = n->data;
    tv.iImage = n->image;
    tv.iSelectedImage = n->selectedImage;
  }
  return tv;
}

LRESULT NotifyTree(HWND hwnd, UINT code, UINT action, HTREEITEM oldItem, HTREEITEM newItem) {
  TreeExtra* t = Extra(hwnd);
  NMTREEVIEW nm = {};
  nm.action = action;
  nm.itemOld = Describe(t, oldItem);
  nm.itemNew = Describe(t, newItem);
  nm.ptDrag = Desktop::CursorPos();
  ScreenToClient(hwnd, &nm.ptDrag);
  return SendNotify(hwnd, code, &nm.hdr);
}

LRESULT NotifyPlain(HWND hwnd, UINT code) {
  NMHDR hdr = {};
  return SendNotify(hwnd, code, &hdr);
}

bool Select(HWND hwnd, HTREEITEM item, UINT action);

BOOL Expand(HWND hwnd, HTREEITEM item, UINT code, bool byUser) {
  TreeExtra* t = Extra(hwnd);
  Node* n = Get(t, item);
  if (!n) return FALSE;
  bool open = (n->state & TVIS_EXPANDED) != 0;
  code &= TVE_TOGGLE;
  if (code == TVE_TOGGLE) code = open ? TVE_COLLAPSE : TVE_EXPAND;
  if (code != TVE_EXPAND && code != TVE_COLLAPSE) return FALSE;
  if ((code == TVE_EXPAND) == open) return TRUE;
  if (!HasChildren(n)) return FALSE;
  bool notify = byUser || !(n->state & TVIS_EXPANDEDONCE);
  if (notify && NotifyTree(hwnd, TVN_ITEMEXPANDING, code, nullptr, item)) return FALSE;
  t = Extra(hwnd);
  if (!(n = Get(t, item))) return FALSE;
  if (code == TVE_EXPAND)
    n->state |= TVIS_EXPANDED | TVIS_EXPANDEDONCE;
  else
    n->state &= ~TVIS_EXPANDED;
  if (notify) NotifyTree(hwnd, TVN_ITEMEXPANDED, code, nullptr, item);
  // A collapse that hides the selection moves it to the collapsed item.
  t = Extra(hwnd);
  if (code == TVE_COLLAPSE && t && t->selected && t->selected != item && RowOf(t, t->selected) < 0 && Get(t, item))
    Select(hwnd, item, TVC_UNKNOWN);
  return TRUE;
}

bool Select(HWND hwnd, HTREEITEM item, UINT action) {
  TreeExtra* t = Extra(hwnd);
  if (!t || (item && !Get(t, item))) return false;
  HTREEITEM old = t->selected;
  if (old == item) return true;
  if (NotifyTree(hwnd, TVN_SELCHANGING, action, old, item)) return false;
  t = Extra(hwnd);
  if (!t || (item && !Get(t, item))) return false;
  if (Node* o = Get(t, t->selected)) o->state &= ~TVIS_SELECTED;
  t->selected = item;
  if (Node* n = Get(t, item)) {
    n->state |= TVIS_SELECTED;
    for (HTREEITEM p = n->parent; p; p = Get(t, p)->parent) Get(t, p)->state |= TVIS_EXPANDED | TVIS_EXPANDEDONCE;
  }
  NotifyTree(hwnd, TVN_SELCHANGED, action, Get(t, old) ? old : nullptr, item);
  return true;
}

HTREEITEM Insert(HWND hwnd, TreeExtra* t, const TVINSERTSTRUCT* in) {
  if (!in) return nullptr;
  HTREEITEM parent = in->hParent == TVI_ROOT ? nullptr : in->hParent;
  if (parent && !Get(t, parent)) return nullptr;
  Node n;
  n.parent = parent;
  const TVITEM& item = in->item;
  if ((item.mask & TVIF_TEXT) && item.pszText && item.pszText != LPSTR_TEXTCALLBACK) n.text = item.pszText;
  if (item.mask & TVIF_IMAGE) n.image = item.iImage;
  if (item.mask & TVIF_SELECTEDIMAGE) n.selectedImage = item.iSelectedImage;
  if (item.mask & TVIF_PARAM) n.data = item.lParam;
  if (item.mask & TVIF_CHILDREN) n.childrenFlag = item.cChildren ? 1 : 0;
  if (item.mask & TVIF_STATE) n.state = item.state & item.stateMask & ~(UINT)TVIS_SELECTED;
  HTREEITEM handle = NewHandle();
  std::vector<HTREEITEM>& list = parent ? t->nodes[parent].children : t->roots;
  auto at = list.end();
  if (in->hInsertAfter == TVI_FIRST) {
    at = list.begin();
  } else if (in->hInsertAfter == TVI_SORT) {
    auto greater = [&](HTREEITEM h) { return t->nodes[h].text.CompareNoCase(n.text) > 0; };
    at = std::find_if(list.begin(), list.end(), greater);
  } else if (in->hInsertAfter != TVI_LAST) {
    auto after = std::find(list.begin(), list.end(), in->hInsertAfter);
    if (after != list.end()) at = after + 1;
  }
  list.insert(at, handle);
  t->nodes[handle] = std::move(n);
  return handle;
}

// Deletes an item and its children (children first), with TVN_DELETEITEM for each.
void DeleteTree(HWND hwnd, HTREEITEM item) {
  TreeExtra* t = Extra(hwnd);
  Node* n = Get(t, item);
  if (!n) return;
  std::vector<HTREEITEM> children = n->children;
  for (HTREEITEM child : children) DeleteTree(hwnd, child);
  NotifyTree(hwnd, TVN_DELETEITEM, 0, item, nullptr);
  t = Extra(hwnd);
  if (!(n = Get(t, item))) return;
  auto& siblings = Siblings(t, n);
  siblings.erase(std::remove(siblings.begin(), siblings.end(), item), siblings.end());
  if (t->selected == item) t->selected = nullptr;
  t->nodes.erase(item);
}

BOOL Delete(HWND hwnd, TreeExtra* t, HTREEITEM item) {
  if (!item || item == TVI_ROOT) {
    std::vector<HTREEITEM> roots = t->roots;
    for (HTREEITEM each : roots) DeleteTree(hwnd, each);
    if ((t = Extra(hwnd))) t->top = 0;
    return TRUE;
  }
  if (!Get(t, item)) return FALSE;
  DeleteTree(hwnd, item);
  if ((t = Extra(hwnd))) t->top = std::max(0, std::min(t->top, (int)Visible(t).size() - 1));
  return TRUE;
}

HTREEITEM Next(TreeExtra* t, HTREEITEM item, UINT code) {
  Node* n = Get(t, item);
  switch (code) {
    case TVGN_ROOT: return t->roots.empty() ? nullptr : t->roots[0];
    case TVGN_CARET: return t->selected;
    case TVGN_PARENT: return n ? n->parent : nullptr;
    case TVGN_CHILD: {
      const std::vector<HTREEITEM>& list = (!item || item == TVI_ROOT) ? t->roots : n ? n->children : t->roots;
      if (item && item != TVI_ROOT && !n) return nullptr;
      return list.empty() ? nullptr : list[0];
    }
    case TVGN_NEXT:
    case TVGN_PREVIOUS: {
      if (!n) return nullptr;
      auto& list = Siblings(t, n);
      auto it = std::find(list.begin(), list.end(), item);
      if (code == TVGN_NEXT) return it + 1 < list.end() ? *(it + 1) : nullptr;
      return it > list.begin() ? *(it - 1) : nullptr;
    }
    case TVGN_FIRSTVISIBLE: {
      std::vector<HTREEITEM> rows = Visible(t);
      return t->top < (int)rows.size() ? rows[t->top] : nullptr;
    }
    case TVGN_NEXTVISIBLE:
    case TVGN_PREVIOUSVISIBLE: {
      std::vector<HTREEITEM> rows = Visible(t);
      auto it = std::find(rows.begin(), rows.end(), item);
      if (it == rows.end()) return nullptr;
      if (code == TVGN_NEXTVISIBLE) return it + 1 < rows.end() ? *(it + 1) : nullptr;
      return it > rows.begin() ? *(it - 1) : nullptr;
    }
  }
  return nullptr;
}

BOOL GetItem(TreeExtra* t, TVITEM* item) {
  Node* n = item ? Get(t, item->hItem) : nullptr;
  if (!n) return FALSE;
  if ((item->mask & TVIF_TEXT) && item->pszText && item->cchTextMax > 0)
    mbcs::CopyLimited(item->pszText, (size_t)item->cchTextMax, n->text);
  if (item->mask & TVIF_IMAGE) item->iImage = n->image;
  if (item->mask & TVIF_SELECTEDIMAGE) item->iSelectedImage = n->selectedImage;
  if (item->mask & TVIF_PARAM) item->lParam = n->data;
  if (item->mask & TVIF_STATE) item->state = n->state & item->stateMask;
  if (item->mask & TVIF_CHILDREN) item->cChildren = HasChildren(n) ? 1 : 0;
  return TRUE;
}

BOOL SetItem(HWND hwnd, TreeExtra* t, const TVITEM* item) {
  Node* n = item ? Get(t, item->hItem) : nullptr;
  if (!n) return FALSE;
  if ((item->mask & TVIF_TEXT) && item->pszText != LPSTR_TEXTCALLBACK) n->text = item->pszText ? item->pszText : "";
  if (item->mask & TVIF_IMAGE) n->image = item->iImage;
  if (item->mask & TVIF_SELECTEDIMAGE) n->selectedImage = item->iSelectedImage;
  if (item->mask & TVIF_PARAM) n->data = item->lParam;
  if (item->mask & TVIF_CHILDREN) n->childrenFlag = item->cChildren ? 1 : 0;
  if (item->mask & TVIF_STATE) {
    // Selection and expansion go through their own paths.
    UINT mask = item->stateMask & ~(UINT)(TVIS_SELECTED | TVIS_EXPANDED);
    n->state = (n->state & ~mask) | (item->state & mask);
    UINT code = (item->state & TVIS_EXPANDED) ? TVE_EXPAND : TVE_COLLAPSE;
    if (item->stateMask & TVIS_EXPANDED) Expand(hwnd, item->hItem, code, false);
  }
  return TRUE;
}

BOOL EnsureVisible(HWND hwnd, TreeExtra* t, HTREEITEM item) {
  Node* n = Get(t, item);
  if (!n) return FALSE;
  for (HTREEITEM p = n->parent; p; p = Get(t, p)->parent) Get(t, p)->state |= TVIS_EXPANDED | TVIS_EXPANDEDONCE;
  RECT client;
  GetClientRect(hwnd, &client);
  int row = RowOf(t, item), page = std::max(1, (int)client.bottom / ItemHeight(t));
  if (row < t->top) t->top = row;
  if (row >= t->top + page) t->top = row - page + 1;
  return TRUE;
}

BOOL ItemRect(HWND hwnd, TreeExtra* t, BOOL textOnly, RECT* rect) {
  HTREEITEM item = ItemInRect(rect);
  int row = Get(t, item) ? RowOf(t, item) : -1;
  if (row < 0) return FALSE;
  RECT client;
  GetClientRect(hwnd, &client);
  int y = (row - t->top) * ItemHeight(t);
  ItemParts parts = PartsOf(t, hwnd, item);
  int bottom = y + ItemHeight(t);
  *rect = textOnly ? RECT{parts.labelLeft, y, parts.labelRight, bottom} : RECT{0, y, client.right, bottom};
  return TRUE;
}

LRESULT Mouse(HWND hwnd, TreeExtra* t, UINT msg, LPARAM lParam) {
  TVHITTESTINFO hit = {{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, 0, nullptr};
  HTREEITEM item = HitTest(hwnd, t, &hit);
  bool onItem = item && (hit.flags & TVHT_ONITEM);
  if ((Style(hwnd) & TVS_FULLROWSELECT) && item) onItem = true;
  switch (msg) {
    case WM_LBUTTONDOWN:
      ::SetFocus(hwnd);
      if (hit.flags & TVHT_ONITEMBUTTON) {
        Expand(hwnd, item, TVE_TOGGLE, true);
        return 0;
      }
      t->leftDown = true;
      return 0;
    case WM_RBUTTONDOWN:
      t->rightDown = true;
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: {
      bool& down = msg == WM_LBUTTONUP ? t->leftDown : t->rightDown;
      if (!down) return 0;
      down = false;
      bool handled = NotifyPlain(hwnd, msg == WM_LBUTTONUP ? NM_CLICK : NM_RCLICK) != 0;
      if (msg == WM_LBUTTONUP && !handled && onItem) Select(hwnd, item, TVC_BYMOUSE);
      // An unhandled right click goes on to the context menu.
      if (msg == WM_RBUTTONUP && !handled) GenericWindowProc(hwnd, msg, 0, lParam);
      return 0;
    }
    case WM_LBUTTONDBLCLK:
      if (!NotifyPlain(hwnd, NM_DBLCLK) && onItem) Expand(hwnd, item, TVE_TOGGLE, true);
      return 0;
  }
  return 0;
}

LRESULT Key(HWND hwnd, WPARAM vk) {
  NMTVKEYDOWN nm = {};
  nm.wVKey = (WORD)vk;
  SendNotify(hwnd, TVN_KEYDOWN, &nm.hdr);
  TreeExtra* t = Extra(hwnd);
  if (!t || t->roots.empty()) return 0;
  HTREEITEM current = t->selected, next = nullptr;
  Node* n = Get(t, current);
  switch (vk) {
    case VK_UP: next = current ? Next(t, current, TVGN_PREVIOUSVISIBLE) : t->roots[0]; break;
    case VK_DOWN: next = current ? Next(t, current, TVGN_NEXTVISIBLE) : t->roots[0]; break;
    case VK_HOME: next = t->roots[0]; break;
    case VK_RIGHT:
      if (!n) return 0;
      if (HasChildren(n) && !(n->state & TVIS_EXPANDED)) return Expand(hwnd, current, TVE_EXPAND, true), 0;
      next = n->children.empty() ? nullptr : n->children[0];
      break;
    case VK_LEFT:
      if (!n) return 0;
      if (n->state & TVIS_EXPANDED) return Expand(hwnd, current, TVE_COLLAPSE, true), 0;
      next = n->parent;
      break;
    default: return 0;
  }
  if (next && Select(hwnd, next, TVC_BYKEYBOARD) && (t = Extra(hwnd))) EnsureVisible(hwnd, t, next);
  return 0;
}

}  // namespace

LRESULT TreeViewClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    SetWindowExtra(hwnd, std::make_unique<TreeExtra>());
    return TRUE;
  }
  TreeExtra* t = Extra(hwnd);
  if (!t) return GenericWindowProc(hwnd, msg, wParam, lParam);
  HTREEITEM item = (HTREEITEM)lParam;
  switch (msg) {
    case TVM_INSERTITEM: return (LRESULT)Insert(hwnd, t, (const TVINSERTSTRUCT*)lParam);
    case TVM_DELETEITEM: return Delete(hwnd, t, item);
    case TVM_EXPAND: return Expand(hwnd, item, (UINT)wParam, false);
    case TVM_GETNEXTITEM: return (LRESULT)Next(t, item, (UINT)wParam);
    case TVM_SELECTITEM:
      if (wParam != TVGN_CARET) return FALSE;
      return Select(hwnd, item, TVC_UNKNOWN);
    case TVM_GETITEM: return GetItem(t, (TVITEM*)lParam);
    case TVM_SETITEM: return SetItem(hwnd, t, (const TVITEM*)lParam);
    case TVM_HITTEST: return lParam ? (LRESULT)HitTest(hwnd, t, (TVHITTESTINFO*)lParam) : 0;
    case TVM_GETITEMRECT: return lParam ? ItemRect(hwnd, t, (BOOL)wParam, (RECT*)lParam) : FALSE;
    case TVM_GETCOUNT: return (LRESULT)t->nodes.size();
    case TVM_ENSUREVISIBLE: return EnsureVisible(hwnd, t, item);
    case TVM_GETINDENT: return t->indent;
    case TVM_SETINDENT: t->indent = std::max(1, (int)wParam); return TRUE;
    case TVM_GETITEMHEIGHT: return ItemHeight(t);
    case TVM_SETITEMHEIGHT: {
      int old = ItemHeight(t);
      t->itemHeight = (short)wParam > 0 ? (short)wParam : -1;
      return old;
    }
    case TVM_GETIMAGELIST: return wParam <= TVSIL_STATE ? (LRESULT)t->images[wParam] : 0;
    case TVM_SETIMAGELIST: {
      if (wParam > TVSIL_STATE) return 0;
      HIMAGELIST old = t->images[wParam];
      t->images[wParam] = (HIMAGELIST)lParam;
      return (LRESULT)old;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      return Mouse(hwnd, t, msg, lParam);
    case WM_KEYDOWN: return Key(hwnd, wParam);
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
  }
  return GenericWindowProc(hwnd, msg, wParam, lParam);
}

}  // namespace platform
