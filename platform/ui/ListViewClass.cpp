// The "SysListView32" window class in report view: columns, rows of texts with data, state
// (selection, focus, check box) and image, sorting and search; selection with the mouse and
// the arrow keys, with the WM_NOTIFY notifications of Windows. Rows have a fixed height below
// a header ("SysHeader32" child window) whose clicks become LVN_COLUMNCLICK.
#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/Mbcs.h"
#include "platform/ui/ControlsInternal.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/WindowTree.h"

namespace platform {
namespace {

const int kHeaderHeight = 20;
const int kRowHeight = 16;
const int kCheckBoxWidth = 16;
const int kDefaultColumnWidth = 60;

struct Column {
  CString text;
  int width = kDefaultColumnWidth;
  int fmt = LVCFMT_LEFT;
};

struct Row {
  std::vector<CString> texts{CString()};  // [0] the item, then its sub-items
  LPARAM data = 0;
  UINT state = 0;
  int image = 0;
};

struct ListViewExtra : WindowExtra {
  std::vector<Column> columns;
  std::vector<Row> rows;
  DWORD exStyle = 0;
  int top = 0;
  HWND header = nullptr;
  HIMAGELIST images[3] = {};
  bool leftDown = false, rightDown = false;
  int mark = -1;  // the row a shift-click selects from: the last row clicked without shift
};

ListViewExtra* Extra(HWND hwnd) { return GetWindowExtraAs<ListViewExtra>(hwnd); }
DWORD Style(HWND hwnd) { return (DWORD)GetWindowLong(hwnd, GWL_STYLE); }
bool Valid(const ListViewExtra* l, int index) { return l && index >= 0 && index < (int)l->rows.size(); }

int HeaderHeight(HWND hwnd) { return (Style(hwnd) & LVS_NOCOLUMNHEADER) ? 0 : kHeaderHeight; }

int RowHeight(const ListViewExtra* l) {
  int cy = 0;
  ImageList_GetIconSize(l->images[LVSIL_SMALL], nullptr, &cy);
  return std::max(kRowHeight, cy);
}

int TotalWidth(const ListViewExtra* l) {
  int width = 0;
  for (const auto& c : l->columns) width += c.width;
  return width;
}

RECT RowRect(HWND hwnd, const ListViewExtra* l, int index) {
  int y = HeaderHeight(hwnd) + (index - l->top) * RowHeight(l);
  int width = l->columns.empty() ? kDefaultColumnWidth : TotalWidth(l);
  return RECT{0, y, width, y + RowHeight(l)};
}

// The row under a client point, with LVHT_ flags.
int HitRow(HWND hwnd, const ListViewExtra* l, POINT p, UINT* flags) {
  *flags = LVHT_NOWHERE;
  if (p.y < HeaderHeight(hwnd)) return -1;
  int index = l->top + (p.y - HeaderHeight(hwnd)) / RowHeight(l);
  if (!Valid(l, index)) return -1;
  int firstWidth = l->columns.empty() ? kDefaultColumnWidth : l->columns[0].width;
  bool fullRow = (l->exStyle & LVS_EX_FULLROWSELECT) != 0;
  if (p.x < 0 || p.x >= (fullRow ? RowRect(hwnd, l, index).right : firstWidth)) return -1;
  if ((l->exStyle & LVS_EX_CHECKBOXES) && p.x < kCheckBoxWidth)
    *flags = LVHT_ONITEMSTATEICON;
  else
    *flags = LVHT_ONITEMLABEL;
  return index;
}

int PageRows(HWND hwnd, const ListViewExtra* l) {
  RECT client;
  GetClientRect(hwnd, &client);
  return std::max(1, (int)(client.bottom - HeaderHeight(hwnd)) / RowHeight(l));
}

LRESULT NotifyItem(HWND hwnd, UINT code, int index, UINT oldState, UINT newState, UINT changed, POINT at = {}) {
  NMITEMACTIVATE nm = {};
  nm.iItem = index;
  nm.uOldState = oldState;
  nm.uNewState = newState;
  nm.uChanged = changed;
  nm.ptAction = at;
  ListViewExtra* l = Extra(hwnd);
  if (Valid(l, index)) nm.lParam = l->rows[index].data;
  return SendNotify(hwnd, code, &nm.hdr);
}

// Changes the state bits `mask` of one row, with LVN_ITEMCHANGING (which may refuse) and
// LVN_ITEMCHANGED; false when nothing changed.
bool ChangeState(HWND hwnd, int index, UINT state, UINT mask) {
  ListViewExtra* l = Extra(hwnd);
  if (!Valid(l, index)) return false;
  UINT old = l->rows[index].state, now = (old & ~mask) | (state & mask);
  if (now == old) return false;
  if (NotifyItem(hwnd, LVN_ITEMCHANGING, index, old, now, LVIF_STATE)) return false;
  l = Extra(hwnd);
  if (!Valid(l, index)) return false;
  l->rows[index].state = now;
  NotifyItem(hwnd, LVN_ITEMCHANGED, index, old, now, LVIF_STATE);
  return true;
}

// Applies a state to one row (or every row with -1), keeping one focused row and, with
// LVS_SINGLESEL, one selected row.
bool SetState(HWND hwnd, int index, UINT state, UINT mask) {
  ListViewExtra* l = Extra(hwnd);
  if (!l || index < -1 || index >= (int)l->rows.size()) return false;
  if (index == -1) {
    for (int i = 0; l && i < (int)l->rows.size(); ++i, l = Extra(hwnd)) ChangeState(hwnd, i, state, mask);
    return true;
  }
  UINT exclusive = mask & state & (LVIS_FOCUSED | ((Style(hwnd) & LVS_SINGLESEL) ? LVIS_SELECTED : 0));
  for (int i = 0; exclusive && l && i < (int)l->rows.size(); ++i, l = Extra(hwnd))
    if (i != index) ChangeState(hwnd, i, 0, exclusive);
  ChangeState(hwnd, index, state, mask);
  return true;
}

int NextItem(const ListViewExtra* l, int start, UINT flags) {
  UINT wanted = flags & (LVNI_SELECTED | LVNI_FOCUSED);
  for (int i = std::max(start + 1, 0); i < (int)l->rows.size(); ++i)
    if ((l->rows[i].state & wanted) == wanted) return i;
  return -1;
}

int FindItem(const ListViewExtra* l, int start, const LVFINDINFO* info) {
  int n = (int)l->rows.size();
  if (!info || n == 0) return -1;
  int first = std::max(start + 1, 0), last = (info->flags & LVFI_WRAP) ? first + n : n;
  for (int k = first; k < last; ++k) {
    int i = k % n;
    const Row& row = l->rows[i];
    if (info->flags & LVFI_PARAM) {
      if (row.data == info->lParam) return i;
    } else if (info->psz) {
      CString wanted = info->psz;
      CString text = (info->flags & LVFI_PARTIAL) ? row.texts[0].Left(wanted.GetLength()) : row.texts[0];
      if (text.CompareNoCase(wanted) == 0) return i;
    }
  }
  return -1;
}

int InsertRow(HWND hwnd, ListViewExtra* l, const LVITEM* item) {
  if (!item || item->iSubItem != 0) return -1;
  Row row;
  if ((item->mask & LVIF_TEXT) && item->pszText && item->pszText != LPSTR_TEXTCALLBACK) row.texts[0] = item->pszText;
  if (item->mask & LVIF_PARAM) row.data = item->lParam;
  if (item->mask & LVIF_IMAGE) row.image = item->iImage;
  if (l->exStyle & LVS_EX_CHECKBOXES) row.state = INDEXTOSTATEIMAGEMASK(1);
  if (item->mask & LVIF_STATE) row.state = (row.state & ~item->stateMask) | (item->state & item->stateMask);
  int at = std::min(std::max(item->iItem, 0), (int)l->rows.size());
  if (Style(hwnd) & (LVS_SORTASCENDING)) {
    at = 0;
    while (at < (int)l->rows.size() && l->rows[at].texts[0].CompareNoCase(row.texts[0]) <= 0) ++at;
  }
  l->rows.insert(l->rows.begin() + at, row);
  if (l->mark >= at) ++l->mark;
  NotifyItem(hwnd, LVN_INSERTITEM, at, 0, 0, 0);
  return at;
}

BOOL SetItem(HWND hwnd, ListViewExtra* l, const LVITEM* item) {
  if (!item || !Valid(l, item->iItem)) return FALSE;
  Row& row = l->rows[item->iItem];
  if (item->iSubItem < 0 || item->iSubItem >= std::max<int>(1, (int)l->columns.size())) return FALSE;
  if ((item->mask & LVIF_TEXT) && item->pszText != LPSTR_TEXTCALLBACK) {
    if ((int)row.texts.size() <= item->iSubItem) row.texts.resize(item->iSubItem + 1);
    row.texts[item->iSubItem] = item->pszText ? item->pszText : "";
  }
  if (item->iSubItem != 0) return TRUE;
  if (item->mask & LVIF_PARAM) row.data = item->lParam;
  if (item->mask & LVIF_IMAGE) row.image = item->iImage;
  if (item->mask & LVIF_STATE) SetState(hwnd, item->iItem, item->state, item->stateMask);
  return TRUE;
}

LRESULT CopyText(const ListViewExtra* l, int index, LVITEM* item) {
  if (!item || !Valid(l, index) || !item->pszText || item->cchTextMax <= 0) return 0;
  const Row& row = l->rows[index];
  bool known = item->iSubItem >= 0 && item->iSubItem < (int)row.texts.size();
  const char* text = known ? row.texts[item->iSubItem].GetString() : "";
  return (LRESULT)mbcs::CopyLimited(item->pszText, (size_t)item->cchTextMax, text);
}

BOOL GetItem(const ListViewExtra* l, LVITEM* item) {
  if (!item || !Valid(l, item->iItem)) return FALSE;
  const Row& row = l->rows[item->iItem];
  if (item->mask & LVIF_TEXT) CopyText(l, item->iItem, item);
  if (item->mask & LVIF_PARAM) item->lParam = row.data;
  if (item->mask & LVIF_IMAGE) item->iImage = row.image;
  if (item->mask & LVIF_STATE) item->state = row.state & item->stateMask;
  return TRUE;
}

BOOL DeleteRow(HWND hwnd, int index) {
  if (!Valid(Extra(hwnd), index)) return FALSE;
  NotifyItem(hwnd, LVN_DELETEITEM, index, 0, 0, 0);
  ListViewExtra* l = Extra(hwnd);
  if (!Valid(l, index)) return FALSE;
  l->rows.erase(l->rows.begin() + index);
  if (l->mark >= index) l->mark = l->mark == index ? -1 : l->mark - 1;
  if (l->top > 0 && l->top >= (int)l->rows.size()) l->top = std::max(0, (int)l->rows.size() - 1);
  return TRUE;
}

BOOL DeleteAll(HWND hwnd) {
  // A parent that answers TRUE to LVN_DELETEALLITEMS does not want one LVN_DELETEITEM each.
  bool each = !NotifyItem(hwnd, LVN_DELETEALLITEMS, -1, 0, 0, 0);
  for (ListViewExtra* l = Extra(hwnd); l && !l->rows.empty(); l = Extra(hwnd)) {
    if (each) {
      DeleteRow(hwnd, 0);
    } else {
      l->rows.clear();
    }
  }
  if (ListViewExtra* l = Extra(hwnd)) l->top = 0, l->mark = -1;
  return TRUE;
}

BOOL SortRows(ListViewExtra* l, LPARAM sortData, PFNLVCOMPARE compare) {
  if (!compare) return FALSE;
  std::stable_sort(l->rows.begin(), l->rows.end(),
                   [&](const Row& a, const Row& b) { return compare(a.data, b.data, sortData) < 0; });
  return TRUE;
}

LRESULT InsertColumn(ListViewExtra* l, int at, const LVCOLUMN* info) {
  if (!info || at < 0) return -1;
  Column c;
  if ((info->mask & LVCF_TEXT) && info->pszText) c.text = info->pszText;
  if (info->mask & LVCF_WIDTH) c.width = info->cx;
  if (info->mask & LVCF_FMT) c.fmt = info->fmt;
  at = std::min(at, (int)l->columns.size());
  l->columns.insert(l->columns.begin() + at, c);
  // Sub-item texts keep their sub-item numbers, as on Windows: column 0 is the item itself.
  return at;
}

BOOL DeleteColumn(ListViewExtra* l, int at) {
  if (at < 0 || at >= (int)l->columns.size()) return FALSE;
  l->columns.erase(l->columns.begin() + at);
  for (Row& row : l->rows)
    if (at < (int)row.texts.size()) {
      if (at == 0)
        row.texts[0].Empty();
      else
        row.texts.erase(row.texts.begin() + at);
    }
  return TRUE;
}

BOOL GetColumn(const ListViewExtra* l, int at, LVCOLUMN* info) {
  if (!info || at < 0 || at >= (int)l->columns.size()) return FALSE;
  const Column& c = l->columns[at];
  if (info->mask & LVCF_WIDTH) info->cx = c.width;
  if (info->mask & LVCF_FMT) info->fmt = c.fmt;
  if ((info->mask & LVCF_TEXT) && info->pszText && info->cchTextMax > 0)
    mbcs::CopyLimited(info->pszText, (size_t)info->cchTextMax, c.text);
  if (info->mask & LVCF_SUBITEM) info->iSubItem = at;
  return TRUE;
}

BOOL EnsureVisible(HWND hwnd, ListViewExtra* l, int index) {
  if (!Valid(l, index)) return FALSE;
  int page = PageRows(hwnd, l);
  if (index < l->top) l->top = index;
  if (index >= l->top + page) l->top = index - page + 1;
  return TRUE;
}

DWORD SetExtendedStyle(ListViewExtra* l, DWORD mask, DWORD style) {
  DWORD old = l->exStyle;
  if (mask == 0) mask = 0xFFFFFFFF;
  l->exStyle = (old & ~mask) | (style & mask);
  bool on = (l->exStyle & LVS_EX_CHECKBOXES) != 0, was = (old & LVS_EX_CHECKBOXES) != 0;
  // Check boxes are the state images: every row gets an unchecked one, or loses its own.
  for (Row& row : l->rows) {
    if (on && !was && !(row.state & LVIS_STATEIMAGEMASK)) row.state |= INDEXTOSTATEIMAGEMASK(1);
    if (!on && was) row.state &= ~(UINT)LVIS_STATEIMAGEMASK;
  }
  return old;
}

// A shift-click: the rows from the mark to `index` are selected, the others not (with Ctrl
// as well, the others keep their selection); `index` takes the focus.
void SelectRange(HWND hwnd, int index, bool keepOthers) {
  ListViewExtra* l = Extra(hwnd);
  int mark = Valid(l, l->mark) ? l->mark : NextItem(l, -1, LVNI_FOCUSED);
  if (mark < 0) mark = index;
  int from = std::min(mark, index), to = std::max(mark, index);
  for (int i = 0; (l = Extra(hwnd)) && i < (int)l->rows.size(); ++i)
    if (i >= from && i <= to)
      ChangeState(hwnd, i, LVIS_SELECTED, LVIS_SELECTED);
    else if (!keepOthers)
      ChangeState(hwnd, i, 0, LVIS_SELECTED);
  SetState(hwnd, index, LVIS_FOCUSED, LVIS_FOCUSED);
}

// The user's click on a row: select and focus it (in a multiple-selection list, with Ctrl
// toggle it, with Shift select the rows from the mark to it); on the check box, toggle the
// check. A click past the rows clears the selection.
void ClickRow(HWND hwnd, int index, UINT hitFlags, bool right) {
  ListViewExtra* l = Extra(hwnd);
  bool multiple = !right && !(Style(hwnd) & LVS_SINGLESEL);
  bool toggle = multiple && GetKeyState(VK_CONTROL) < 0, range = multiple && GetKeyState(VK_SHIFT) < 0;
  if (index < 0) {
    if (!toggle && !range) SetState(hwnd, -1, 0, LVIS_SELECTED);
    return;
  }
  if (hitFlags == LVHT_ONITEMSTATEICON && !right) {
    UINT check = (l->rows[index].state & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2) ? 1 : 2;
    ChangeState(hwnd, index, INDEXTOSTATEIMAGEMASK(check), LVIS_STATEIMAGEMASK);
    l = Extra(hwnd);  // the parent may have changed the list meanwhile
  }
  if (range && Valid(l, index)) {
    SelectRange(hwnd, index, toggle);
    return;
  }
  if (Valid(l, index)) l->mark = index;
  if (toggle) {
    const UINT both = LVIS_SELECTED | LVIS_FOCUSED;
    if (Valid(l, index)) SetState(hwnd, index, (l->rows[index].state ^ LVIS_SELECTED) | LVIS_FOCUSED, both);
    return;
  }
  if (right && Valid(l, index) && (l->rows[index].state & LVIS_SELECTED)) return;  // keeps a multiple selection
  for (int i = 0; (l = Extra(hwnd)) && i < (int)l->rows.size(); ++i)
    if (i != index) ChangeState(hwnd, i, 0, LVIS_SELECTED);
  SetState(hwnd, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

LRESULT Mouse(HWND hwnd, UINT msg, LPARAM lParam) {
  ListViewExtra* l = Extra(hwnd);
  POINT p = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  UINT flags = 0;
  int index = HitRow(hwnd, l, p, &flags);
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      ::SetFocus(hwnd);
      ClickRow(hwnd, index, flags, msg == WM_RBUTTONDOWN);
      if ((l = Extra(hwnd))) (msg == WM_LBUTTONDOWN ? l->leftDown : l->rightDown) = true;
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: {
      bool& down = msg == WM_LBUTTONUP ? l->leftDown : l->rightDown;
      if (!down) return 0;
      down = false;
      LRESULT handled = NotifyItem(hwnd, msg == WM_LBUTTONUP ? NM_CLICK : NM_RCLICK, index, 0, 0, 0, p);
      // An unhandled right click goes on to the context menu.
      if (msg == WM_RBUTTONUP && !handled) GenericWindowProc(hwnd, msg, 0, MAKELPARAM(p.x, p.y));
      return 0;
    }
    case WM_LBUTTONDBLCLK:
      ClickRow(hwnd, index, LVHT_ONITEMLABEL, false);  // a double click does not toggle a check
      NotifyItem(hwnd, NM_DBLCLK, index, 0, 0, 0, p);
      return 0;
  }
  return 0;
}

LRESULT Key(HWND hwnd, WPARAM vk) {
  NMLVKEYDOWN nm = {};
  nm.wVKey = (WORD)vk;
  SendNotify(hwnd, LVN_KEYDOWN, &nm.hdr);
  ListViewExtra* l = Extra(hwnd);
  if (!l || l->rows.empty()) return 0;
  int focus = NextItem(l, -1, LVNI_FOCUSED), last = (int)l->rows.size() - 1, next = focus;
  switch (vk) {
    case VK_UP: next = std::max(0, focus - 1); break;
    case VK_DOWN: next = std::min(last, focus + 1); break;
    case VK_HOME: next = 0; break;
    case VK_END: next = last; break;
    case VK_SPACE:
      if ((l->exStyle & LVS_EX_CHECKBOXES) && focus >= 0) ClickRow(hwnd, focus, LVHT_ONITEMSTATEICON, false);
      return 0;
    default: return 0;
  }
  if (next != focus || focus < 0) {
    ClickRow(hwnd, std::max(next, 0), LVHT_ONITEMLABEL, false);
    if ((l = Extra(hwnd))) EnsureVisible(hwnd, l, std::max(next, 0));
  }
  return 0;
}

void CreateHeader(HWND hwnd) {
  if ((Style(hwnd) & LVS_TYPEMASK) != LVS_REPORT || (Style(hwnd) & LVS_NOCOLUMNHEADER)) return;
  RECT client;
  GetClientRect(hwnd, &client);
  RECT rect = {0, 0, client.right, kHeaderHeight};
  tree::CreateParams p = {0, WC_HEADER, "", WS_CHILD | WS_VISIBLE, rect, hwnd, 0, nullptr};
  Extra(hwnd)->header = tree::Create(p, nullptr);
}

}  // namespace

LRESULT ListViewClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    SetWindowExtra(hwnd, std::make_unique<ListViewExtra>());
    return TRUE;
  }
  ListViewExtra* l = Extra(hwnd);
  if (!l) return GenericWindowProc(hwnd, msg, wParam, lParam);
  int index = (int)wParam;
  switch (msg) {
    case WM_CREATE: CreateHeader(hwnd); return 0;
    case LVM_INSERTCOLUMN: return InsertColumn(l, index, (const LVCOLUMN*)lParam);
    case LVM_DELETECOLUMN: return DeleteColumn(l, index);
    case LVM_GETCOLUMN: return GetColumn(l, index, (LVCOLUMN*)lParam);
    case LVM_SETCOLUMN: {
      auto* info = (const LVCOLUMN*)lParam;
      if (!info || index < 0 || index >= (int)l->columns.size()) return FALSE;
      if ((info->mask & LVCF_TEXT) && info->pszText) l->columns[index].text = info->pszText;
      if (info->mask & LVCF_WIDTH) l->columns[index].width = info->cx;
      if (info->mask & LVCF_FMT) l->columns[index].fmt = info->fmt;
      return TRUE;
    }
    case LVM_GETCOLUMNWIDTH: return index >= 0 && index < (int)l->columns.size() ? l->columns[index].width : 0;
    case LVM_SETCOLUMNWIDTH:
      if (index < 0 || index >= (int)l->columns.size()) return FALSE;
      l->columns[index].width = std::max(0, (int)lParam);
      return TRUE;
    case LVM_GETHEADER: return (LRESULT)l->header;
    case LVM_INSERTITEM: return InsertRow(hwnd, l, (const LVITEM*)lParam);
    case LVM_SETITEM: return SetItem(hwnd, l, (const LVITEM*)lParam);
    case LVM_GETITEM: return GetItem(l, (LVITEM*)lParam);
    case LVM_SETITEMTEXT: {
      auto* item = (LVITEM*)lParam;
      if (!item) return FALSE;
      LVITEM text = *item;
      text.mask = LVIF_TEXT;
      text.iItem = index;
      return SetItem(hwnd, l, &text);
    }
    case LVM_GETITEMTEXT: return CopyText(l, index, (LVITEM*)lParam);
    case LVM_GETITEMCOUNT: return (LRESULT)l->rows.size();
    case LVM_DELETEITEM: return DeleteRow(hwnd, index);
    case LVM_DELETEALLITEMS: return DeleteAll(hwnd);
    case LVM_SETITEMSTATE: {
      auto* item = (const LVITEM*)lParam;
      return item ? SetState(hwnd, index, item->state, item->stateMask) : FALSE;
    }
    case LVM_GETITEMSTATE: return Valid(l, index) ? (LRESULT)(l->rows[index].state & (UINT)lParam) : 0;
    case LVM_GETNEXTITEM: return NextItem(l, index, (UINT)lParam);
    case LVM_GETSELECTEDCOUNT:
      return std::count_if(l->rows.begin(), l->rows.end(), [](const Row& r) { return (r.state & LVIS_SELECTED) != 0; });
    case LVM_FINDITEM: return FindItem(l, index, (const LVFINDINFO*)lParam);
    case LVM_GETITEMRECT:
      if (!Valid(l, index) || !lParam) return FALSE;
      *(RECT*)lParam = RowRect(hwnd, l, index);
      return TRUE;
    case LVM_HITTEST: {
      auto* info = (LVHITTESTINFO*)lParam;
      if (!info) return -1;
      info->iItem = HitRow(hwnd, l, info->pt, &info->flags);
      info->iSubItem = 0;
      return info->iItem;
    }
    case LVM_ENSUREVISIBLE: return EnsureVisible(hwnd, l, index);
    case LVM_GETTOPINDEX: return l->top;
    case LVM_GETCOUNTPERPAGE: return PageRows(hwnd, l);
    case LVM_SORTITEMS: return SortRows(l, (LPARAM)wParam, (PFNLVCOMPARE)lParam);
    case LVM_SETEXTENDEDLISTVIEWSTYLE: return SetExtendedStyle(l, (DWORD)wParam, (DWORD)lParam);
    case LVM_GETEXTENDEDLISTVIEWSTYLE: return l->exStyle;
    case LVM_SETIMAGELIST: {
      if (index < 0 || index > LVSIL_STATE) return 0;
      HIMAGELIST old = l->images[index];
      l->images[index] = (HIMAGELIST)lParam;
      return (LRESULT)old;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      return Mouse(hwnd, msg, lParam);
    case WM_KEYDOWN: return Key(hwnd, wParam);
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
  }
  return GenericWindowProc(hwnd, msg, wParam, lParam);
}

// ---- The header ----

namespace {

int ColumnAt(HWND list, int x) {
  ListViewExtra* l = Extra(list);
  if (!l) return -1;
  for (int i = 0, left = 0; i < (int)l->columns.size(); left += l->columns[i].width, ++i)
    if (x >= left && x < left + l->columns[i].width) return i;
  return -1;
}

struct HeaderExtra : WindowExtra {
  int pressed = -1;
};

}  // namespace

LRESULT HeaderClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    SetWindowExtra(hwnd, std::make_unique<HeaderExtra>());
    return TRUE;
  }
  auto* h = GetWindowExtraAs<HeaderExtra>(hwnd);
  HWND list = GetParent(hwnd);
  switch (msg) {
    case HDM_GETITEMCOUNT: {
      ListViewExtra* l = Extra(list);
      return l ? (LRESULT)l->columns.size() : 0;
    }
    case WM_LBUTTONDOWN:
      if (h) h->pressed = ColumnAt(list, GET_X_LPARAM(lParam));
      return 0;
    case WM_LBUTTONUP: {
      if (!h || h->pressed < 0) return 0;
      int column = ColumnAt(list, GET_X_LPARAM(lParam));
      bool same = column == h->pressed;
      h->pressed = -1;
      if (!same || (GetWindowLong(list, GWL_STYLE) & LVS_NOSORTHEADER)) return 0;
      NMLISTVIEW nm = {};
      nm.iItem = -1;
      nm.iSubItem = column;
      SendNotify(list, LVN_COLUMNCLICK, &nm.hdr);
      return 0;
    }
  }
  return GenericWindowProc(hwnd, msg, wParam, lParam);
}

}  // namespace platform
