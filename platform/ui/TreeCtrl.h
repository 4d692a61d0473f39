// CTreeCtrl: a thin wrapper over the "SysTreeView32" window class (TreeViewClass.cpp), one
// class message per call as in MFC. Item handles stay unique for the life of the process, so
// a handle of a deleted item is refused instead of reaching another item.
#pragma once

#include "platform/ui/CommCtrl.h"
#include "platform/ui/Wnd.h"

class CImageList;

class CTreeCtrl : public CWnd {
  DECLARE_DYNAMIC(CTreeCtrl)

 public:
  using CWnd::Create;
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

  // ---- Items ----
  HTREEITEM InsertItem(LPTVINSERTSTRUCT insert);
  HTREEITEM InsertItem(UINT mask, LPCTSTR text, int image, int selectedImage, UINT state, UINT stateMask,
                       LPARAM data, HTREEITEM parent, HTREEITEM after);
  HTREEITEM InsertItem(LPCTSTR text, HTREEITEM parent = TVI_ROOT, HTREEITEM after = TVI_LAST);
  HTREEITEM InsertItem(LPCTSTR text, int image, int selectedImage, HTREEITEM parent = TVI_ROOT,
                       HTREEITEM after = TVI_LAST);
  // Deletes an item with its children (TVN_DELETEITEM for each, children first).
  BOOL DeleteItem(HTREEITEM item);
  BOOL DeleteAllItems();
  UINT GetCount() const;
  BOOL GetItem(TVITEM* item) const;
  BOOL SetItem(TVITEM* item);
  CString GetItemText(HTREEITEM item) const;
  BOOL SetItemText(HTREEITEM item, LPCTSTR text);
  DWORD_PTR GetItemData(HTREEITEM item) const;
  BOOL SetItemData(HTREEITEM item, DWORD_PTR data);
  BOOL GetItemImage(HTREEITEM item, int& image, int& selectedImage) const;
  BOOL SetItemImage(HTREEITEM item, int image, int selectedImage);
  UINT GetItemState(HTREEITEM item, UINT mask) const;
  BOOL SetItemState(HTREEITEM item, UINT state, UINT mask);
  // Whether the item has children, or was marked as having some (TVIF_CHILDREN).
  BOOL ItemHasChildren(HTREEITEM item) const;

  // ---- Navigation ----
  HTREEITEM GetNextItem(HTREEITEM item, UINT code) const;
  HTREEITEM GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }
  HTREEITEM GetChildItem(HTREEITEM item) const { return GetNextItem(item, TVGN_CHILD); }
  HTREEITEM GetNextSiblingItem(HTREEITEM item) const { return GetNextItem(item, TVGN_NEXT); }
  HTREEITEM GetPrevSiblingItem(HTREEITEM item) const { return GetNextItem(item, TVGN_PREVIOUS); }
  HTREEITEM GetParentItem(HTREEITEM item) const { return GetNextItem(item, TVGN_PARENT); }
  HTREEITEM GetFirstVisibleItem() const { return GetNextItem(nullptr, TVGN_FIRSTVISIBLE); }
  HTREEITEM GetNextVisibleItem(HTREEITEM item) const { return GetNextItem(item, TVGN_NEXTVISIBLE); }
  HTREEITEM GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }

  // ---- Selection, expansion, layout ----
  // Selects an item (NULL: none) with TVN_SELCHANGING / TVN_SELCHANGED; its parents open.
  BOOL SelectItem(HTREEITEM item);
  // TVE_EXPAND, TVE_COLLAPSE or TVE_TOGGLE; as on Windows, TVN_ITEMEXPANDING and
  // TVN_ITEMEXPANDED come only until the item has once been expanded (the user's own
  // expansions always notify).
  BOOL Expand(HTREEITEM item, UINT code);
  BOOL EnsureVisible(HTREEITEM item);
  // The item at a client point and where on it (TVHT_...); rows are GetItemHeight() high, each
  // level GetIndent() further right, then the icon (when an image list is set), then the label.
  HTREEITEM HitTest(CPoint point, UINT* flags = nullptr) const;
  HTREEITEM HitTest(TVHITTESTINFO* info) const;
  BOOL GetItemRect(HTREEITEM item, LPRECT rect, BOOL textOnly) const;
  short SetItemHeight(short height);
  short GetItemHeight() const;
  BOOL SetIndent(UINT indent);
  UINT GetIndent() const;
  CImageList* SetImageList(CImageList* list, int which);
  CImageList* GetImageList(int which) const;
};
