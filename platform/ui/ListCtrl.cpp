// The CListCtrl and CHeaderCtrl wrappers: each call is one class message.
#include "platform/ui/ListCtrl.h"

#include "platform/ui/ControlsInternal.h"
#include "platform/ui/ImageList.h"

IMPLEMENT_DYNAMIC(CHeaderCtrl, CWnd)
IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

#define SEND(msg, w, l) ::SendMessage(m_hWnd, (msg), (WPARAM)(w), (LPARAM)(l))

int CHeaderCtrl::GetItemCount() const { return (int)SEND(HDM_GETITEMCOUNT, 0, 0); }

BOOL CListCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CWnd::Create(WC_LISTVIEW, "", style, rect, parent, id);
}

int CListCtrl::InsertColumn(int column, LPCTSTR heading, int format, int width, int subItem) {
  LVCOLUMN c = {LVCF_TEXT | LVCF_FMT, format, width, (LPSTR)heading, 0, subItem};
  if (width != -1) c.mask |= LVCF_WIDTH;
  if (subItem != -1) c.mask |= LVCF_SUBITEM;
  return InsertColumn(column, &c);
}
int CListCtrl::InsertColumn(int column, const LVCOLUMN* info) { return (int)SEND(LVM_INSERTCOLUMN, column, info); }
BOOL CListCtrl::DeleteColumn(int column) { return (BOOL)SEND(LVM_DELETECOLUMN, column, 0); }
BOOL CListCtrl::GetColumn(int column, LVCOLUMN* info) const { return (BOOL)SEND(LVM_GETCOLUMN, column, info); }
int CListCtrl::GetColumnWidth(int column) const { return (int)SEND(LVM_GETCOLUMNWIDTH, column, 0); }
BOOL CListCtrl::SetColumnWidth(int column, int width) { return (BOOL)SEND(LVM_SETCOLUMNWIDTH, column, width); }
CHeaderCtrl* CListCtrl::GetHeaderCtrl() const {
  return (CHeaderCtrl*)CWnd::FromHandle((HWND)SEND(LVM_GETHEADER, 0, 0));
}

int CListCtrl::InsertItem(const LVITEM* item) { return (int)SEND(LVM_INSERTITEM, 0, item); }
int CListCtrl::InsertItem(int index, LPCTSTR text) { return InsertItem(LVIF_TEXT, index, text, 0, 0, 0, 0); }
int CListCtrl::InsertItem(int index, LPCTSTR text, int image) {
  return InsertItem(LVIF_TEXT | LVIF_IMAGE, index, text, 0, 0, image, 0);
}
int CListCtrl::InsertItem(UINT mask, int index, LPCTSTR text, UINT state, UINT stateMask, int image, LPARAM data) {
  LVITEM item = {mask, index, 0, state, stateMask, (LPSTR)text, 0, image, data};
  return InsertItem(&item);
}
BOOL CListCtrl::SetItem(const LVITEM* item) { return (BOOL)SEND(LVM_SETITEM, 0, item); }
BOOL CListCtrl::GetItem(LVITEM* item) const { return (BOOL)SEND(LVM_GETITEM, 0, item); }
BOOL CListCtrl::DeleteItem(int index) { return (BOOL)SEND(LVM_DELETEITEM, index, 0); }
BOOL CListCtrl::DeleteAllItems() { return (BOOL)SEND(LVM_DELETEALLITEMS, 0, 0); }
int CListCtrl::GetItemCount() const { return (int)SEND(LVM_GETITEMCOUNT, 0, 0); }

BOOL CListCtrl::SetItemText(int index, int subItem, LPCTSTR text) {
  LVITEM item = {};
  item.iSubItem = subItem;
  item.pszText = (LPSTR)text;
  return (BOOL)SEND(LVM_SETITEMTEXT, index, &item);
}

int CListCtrl::GetItemText(int index, int subItem, LPTSTR buffer, int size) const {
  LVITEM item = {};
  item.iSubItem = subItem;
  item.pszText = buffer;
  item.cchTextMax = size;
  return (int)SEND(LVM_GETITEMTEXT, index, &item);
}

CString CListCtrl::GetItemText(int index, int subItem) const {
  return platform::ReadGrowingText(
      [&](LPTSTR buffer, int size) { return GetItemText(index, subItem, buffer, size); });
}

BOOL CListCtrl::SetItemData(int index, DWORD_PTR data) {
  LVITEM item = {};
  item.mask = LVIF_PARAM;
  item.iItem = index;
  item.lParam = (LPARAM)data;
  return SetItem(&item);
}
DWORD_PTR CListCtrl::GetItemData(int index) const {
  LVITEM item = {};
  item.mask = LVIF_PARAM;
  item.iItem = index;
  return GetItem(&item) ? (DWORD_PTR)item.lParam : 0;
}
BOOL CListCtrl::SetItemState(int index, UINT state, UINT mask) {
  LVITEM item = {};
  item.state = state;
  item.stateMask = mask;
  return (BOOL)SEND(LVM_SETITEMSTATE, index, &item);
}
UINT CListCtrl::GetItemState(int index, UINT mask) const { return (UINT)SEND(LVM_GETITEMSTATE, index, mask); }
BOOL CListCtrl::GetItemRect(int index, LPRECT rect, UINT code) const {
  if (!rect) return FALSE;
  rect->left = (LONG)code;
  return (BOOL)SEND(LVM_GETITEMRECT, index, rect);
}

UINT CListCtrl::GetSelectedCount() const { return (UINT)SEND(LVM_GETSELECTEDCOUNT, 0, 0); }
POSITION CListCtrl::GetFirstSelectedItemPosition() const {
  return (POSITION)(uintptr_t)(GetNextItem(-1, LVNI_SELECTED) + 1);
}
int CListCtrl::GetNextSelectedItem(POSITION& pos) const {
  int index = (int)(uintptr_t)pos - 1;
  pos = (POSITION)(uintptr_t)(GetNextItem(index, LVNI_SELECTED) + 1);
  return index;
}
int CListCtrl::GetNextItem(int start, int flags) const { return (int)SEND(LVM_GETNEXTITEM, start, flags); }
int CListCtrl::FindItem(LVFINDINFO* info, int start) const { return (int)SEND(LVM_FINDITEM, start, info); }
int CListCtrl::HitTest(LVHITTESTINFO* info) const { return (int)SEND(LVM_HITTEST, 0, info); }
int CListCtrl::HitTest(CPoint point, UINT* flags) const {
  LVHITTESTINFO info = {point, 0, -1, 0};
  int index = HitTest(&info);
  if (flags) *flags = info.flags;
  return index;
}
BOOL CListCtrl::EnsureVisible(int index, BOOL partialOK) { return (BOOL)SEND(LVM_ENSUREVISIBLE, index, partialOK); }
int CListCtrl::GetTopIndex() const { return (int)SEND(LVM_GETTOPINDEX, 0, 0); }
int CListCtrl::GetCountPerPage() const { return (int)SEND(LVM_GETCOUNTPERPAGE, 0, 0); }

BOOL CListCtrl::GetCheck(int index) const {
  return (BOOL)(((GetItemState(index, LVIS_STATEIMAGEMASK) >> 12) - 1) == 1);
}
BOOL CListCtrl::SetCheck(int index, BOOL check) {
  return SetItemState(index, INDEXTOSTATEIMAGEMASK(check ? 2 : 1), LVIS_STATEIMAGEMASK);
}

BOOL CListCtrl::SortItems(PFNLVCOMPARE compare, DWORD_PTR sortData) {
  return (BOOL)SEND(LVM_SORTITEMS, sortData, compare);
}
DWORD CListCtrl::SetExtendedStyle(DWORD exStyle) { return (DWORD)SEND(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, exStyle); }
DWORD CListCtrl::GetExtendedStyle() const { return (DWORD)SEND(LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0); }
CImageList* CListCtrl::SetImageList(CImageList* list, int which) {
  HIMAGELIST old = (HIMAGELIST)SEND(LVM_SETIMAGELIST, which, list ? list->GetSafeHandle() : nullptr);
  return CImageList::FromHandle(old);
}
