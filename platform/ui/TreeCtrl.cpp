// The CTreeCtrl wrapper: each call is one class message.
#include "platform/ui/TreeCtrl.h"

#include <cstring>

#include "platform/ui/ControlsInternal.h"
#include "platform/ui/ImageList.h"

IMPLEMENT_DYNAMIC(CTreeCtrl, CWnd)

#define SEND(msg, w, l) ::SendMessage(m_hWnd, (msg), (WPARAM)(w), (LPARAM)(l))

BOOL CTreeCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CWnd::Create(WC_TREEVIEW, "", style, rect, parent, id);
}

HTREEITEM CTreeCtrl::InsertItem(LPTVINSERTSTRUCT insert) { return (HTREEITEM)SEND(TVM_INSERTITEM, 0, insert); }
HTREEITEM CTreeCtrl::InsertItem(UINT mask, LPCTSTR text, int image, int selectedImage, UINT state, UINT stateMask,
                                LPARAM data, HTREEITEM parent, HTREEITEM after) {
  TVITEM item = {mask, nullptr, state, stateMask, (LPSTR)text, 0, image, selectedImage, 0, data};
  TVINSERTSTRUCT insert = {parent, after, item};
  return InsertItem(&insert);
}
HTREEITEM CTreeCtrl::InsertItem(LPCTSTR text, HTREEITEM parent, HTREEITEM after) {
  return InsertItem(TVIF_TEXT, text, 0, 0, 0, 0, 0, parent, after);
}
HTREEITEM CTreeCtrl::InsertItem(LPCTSTR text, int image, int selectedImage, HTREEITEM parent, HTREEITEM after) {
  return InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE, text, image, selectedImage, 0, 0, 0, parent, after);
}
BOOL CTreeCtrl::DeleteItem(HTREEITEM item) { return (BOOL)SEND(TVM_DELETEITEM, 0, item); }
BOOL CTreeCtrl::DeleteAllItems() { return DeleteItem(TVI_ROOT); }
UINT CTreeCtrl::GetCount() const { return (UINT)SEND(TVM_GETCOUNT, 0, 0); }
BOOL CTreeCtrl::GetItem(TVITEM* item) const { return (BOOL)SEND(TVM_GETITEM, 0, item); }
BOOL CTreeCtrl::SetItem(TVITEM* item) { return (BOOL)SEND(TVM_SETITEM, 0, item); }

CString CTreeCtrl::GetItemText(HTREEITEM item) const {
  return platform::ReadGrowingText([&](LPTSTR buffer, int size) {
    TVITEM info = {};
    info.mask = TVIF_TEXT;
    info.hItem = item;
    info.pszText = buffer;
    info.cchTextMax = size;
    buffer[0] = '\0';
    GetItem(&info);
    return (int)strlen(buffer);
  });
}
BOOL CTreeCtrl::SetItemText(HTREEITEM item, LPCTSTR text) {
  TVITEM info = {};
  info.mask = TVIF_TEXT;
  info.hItem = item;
  info.pszText = (LPSTR)text;
  return SetItem(&info);
}
DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM item) const {
  TVITEM info = {};
  info.mask = TVIF_PARAM;
  info.hItem = item;
  return GetItem(&info) ? (DWORD_PTR)info.lParam : 0;
}
BOOL CTreeCtrl::SetItemData(HTREEITEM item, DWORD_PTR data) {
  TVITEM info = {};
  info.mask = TVIF_PARAM;
  info.hItem = item;
  info.lParam = (LPARAM)data;
  return SetItem(&info);
}
BOOL CTreeCtrl::GetItemImage(HTREEITEM item, int& image, int& selectedImage) const {
  TVITEM info = {};
  info.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  info.hItem = item;
  if (!GetItem(&info)) return FALSE;
  image = info.iImage;
  selectedImage = info.iSelectedImage;
  return TRUE;
}
BOOL CTreeCtrl::SetItemImage(HTREEITEM item, int image, int selectedImage) {
  TVITEM info = {};
  info.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  info.hItem = item;
  info.iImage = image;
  info.iSelectedImage = selectedImage;
  return SetItem(&info);
}
UINT CTreeCtrl::GetItemState(HTREEITEM item, UINT mask) const {
  TVITEM info = {};
  info.mask = TVIF_STATE;
  info.hItem = item;
  info.stateMask = mask;
  return GetItem(&info) ? info.state & mask : 0;
}
BOOL CTreeCtrl::SetItemState(HTREEITEM item, UINT state, UINT mask) {
  TVITEM info = {};
  info.mask = TVIF_STATE;
  info.hItem = item;
  info.state = state;
  info.stateMask = mask;
  return SetItem(&info);
}
BOOL CTreeCtrl::ItemHasChildren(HTREEITEM item) const {
  TVITEM info = {};
  info.mask = TVIF_CHILDREN;
  info.hItem = item;
  return GetItem(&info) && info.cChildren != 0;
}

HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM item, UINT code) const {
  return (HTREEITEM)SEND(TVM_GETNEXTITEM, code, item);
}
BOOL CTreeCtrl::SelectItem(HTREEITEM item) { return (BOOL)SEND(TVM_SELECTITEM, TVGN_CARET, item); }
BOOL CTreeCtrl::Expand(HTREEITEM item, UINT code) { return (BOOL)SEND(TVM_EXPAND, code, item); }
BOOL CTreeCtrl::EnsureVisible(HTREEITEM item) { return (BOOL)SEND(TVM_ENSUREVISIBLE, 0, item); }
HTREEITEM CTreeCtrl::HitTest(TVHITTESTINFO* info) const { return (HTREEITEM)SEND(TVM_HITTEST, 0, info); }
HTREEITEM CTreeCtrl::HitTest(CPoint point, UINT* flags) const {
  TVHITTESTINFO info = {point, 0, nullptr};
  HTREEITEM item = HitTest(&info);
  if (flags) *flags = info.flags;
  return item;
}
BOOL CTreeCtrl::GetItemRect(HTREEITEM item, LPRECT rect, BOOL textOnly) const {
  if (!rect) return FALSE;
  PutItemInRect(rect, item);
  return (BOOL)SEND(TVM_GETITEMRECT, textOnly, rect);
}
short CTreeCtrl::SetItemHeight(short height) { return (short)SEND(TVM_SETITEMHEIGHT, height, 0); }
short CTreeCtrl::GetItemHeight() const { return (short)SEND(TVM_GETITEMHEIGHT, 0, 0); }
BOOL CTreeCtrl::SetIndent(UINT indent) { return (BOOL)SEND(TVM_SETINDENT, indent, 0); }
UINT CTreeCtrl::GetIndent() const { return (UINT)SEND(TVM_GETINDENT, 0, 0); }
CImageList* CTreeCtrl::SetImageList(CImageList* list, int which) {
  return CImageList::FromHandle((HIMAGELIST)SEND(TVM_SETIMAGELIST, which, list ? list->GetSafeHandle() : nullptr));
}
CImageList* CTreeCtrl::GetImageList(int which) const {
  return CImageList::FromHandle((HIMAGELIST)SEND(TVM_GETIMAGELIST, which, 0));
}
