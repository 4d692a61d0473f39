// CListCtrl (report view) and its CHeaderCtrl: thin wrappers over the "SysListView32" and
// "SysHeader32" window classes (ListViewClass.cpp), one class message per call as in MFC.
#pragma once

#include "platform/ui/CommCtrl.h"
#include "platform/ui/Wnd.h"

class CImageList;

class CHeaderCtrl : public CWnd {
  DECLARE_DYNAMIC(CHeaderCtrl)

 public:
  int GetItemCount() const;
};

class CListCtrl : public CWnd {
  DECLARE_DYNAMIC(CListCtrl)

 public:
  using CWnd::Create;
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

  // ---- Columns ----
  int InsertColumn(int column, LPCTSTR heading, int format = LVCFMT_LEFT, int width = -1, int subItem = -1);
  int InsertColumn(int column, const LVCOLUMN* column_);
  BOOL DeleteColumn(int column);
  BOOL GetColumn(int column, LVCOLUMN* info) const;
  int GetColumnWidth(int column) const;
  BOOL SetColumnWidth(int column, int width);
  CHeaderCtrl* GetHeaderCtrl() const;

  // ---- Items ----
  int InsertItem(const LVITEM* item);
  int InsertItem(int index, LPCTSTR text);
  int InsertItem(int index, LPCTSTR text, int image);
  int InsertItem(UINT mask, int index, LPCTSTR text, UINT state, UINT stateMask, int image, LPARAM data);
  BOOL SetItem(const LVITEM* item);
  BOOL GetItem(LVITEM* item) const;
  BOOL DeleteItem(int index);
  BOOL DeleteAllItems();
  int GetItemCount() const;
  BOOL SetItemText(int index, int subItem, LPCTSTR text);
  CString GetItemText(int index, int subItem) const;
  int GetItemText(int index, int subItem, LPTSTR buffer, int size) const;
  BOOL SetItemData(int index, DWORD_PTR data);
  DWORD_PTR GetItemData(int index) const;
  BOOL SetItemState(int index, UINT state, UINT mask);
  UINT GetItemState(int index, UINT mask) const;
  BOOL GetItemRect(int index, LPRECT rect, UINT code) const;

  // ---- Selection and search ----
  UINT GetSelectedCount() const;
  // The position of the first selected item (NULL when none); GetNextSelectedItem returns the
  // item at `pos` and moves `pos` to the next selected one.
  POSITION GetFirstSelectedItemPosition() const;
  int GetNextSelectedItem(POSITION& pos) const;
  int GetNextItem(int start, int flags) const;
  int FindItem(LVFINDINFO* info, int start = -1) const;
  int HitTest(CPoint point, UINT* flags = nullptr) const;
  int HitTest(LVHITTESTINFO* info) const;
  BOOL EnsureVisible(int index, BOOL partialOK);
  int GetTopIndex() const;
  int GetCountPerPage() const;

  // ---- Check boxes (LVS_EX_CHECKBOXES) ----
  BOOL GetCheck(int index) const;
  BOOL SetCheck(int index, BOOL check = TRUE);

  // Sorts with `compare(data1, data2, sortData)` over the items' data (stable).
  BOOL SortItems(PFNLVCOMPARE compare, DWORD_PTR sortData);
  DWORD SetExtendedStyle(DWORD exStyle);
  DWORD GetExtendedStyle() const;
  CImageList* SetImageList(CImageList* list, int which);
};
