// The basic controls: thin CWnd classes over the window classes "Button", "Edit", "ComboBox",
// "ListBox" and "Static", whose behaviour lives in the class procedures (Controls*.cpp) so that
// it stays with the window whatever object is attached to it.
#pragma once

#include "platform/ui/Wnd.h"

class CStatic : public CWnd {
  DECLARE_DYNAMIC(CStatic)

 public:
  using CWnd::Create;
  BOOL Create(LPCTSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id = 0xffff);
};

class CButton : public CWnd {
  DECLARE_DYNAMIC(CButton)

 public:
  using CWnd::Create;
  BOOL Create(LPCTSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id);
  int GetCheck() const;
  void SetCheck(int check);
  UINT GetState() const;
  void SetState(BOOL highlight);
  UINT GetButtonStyle() const;
  void SetButtonStyle(UINT style, BOOL redraw = TRUE);
};

class CEdit : public CWnd {
  DECLARE_DYNAMIC(CEdit)

 public:
  using CWnd::Create;
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
  // Limits are in bytes of GBK text; a double-byte character is never cut.
  void SetLimitText(UINT max);
  void LimitText(int max = 0) { SetLimitText(max); }
  UINT GetLimitText() const;
  void SetSel(int start, int end, BOOL noScroll = FALSE);
  void SetSel(DWORD selection, BOOL noScroll = FALSE);
  void GetSel(int& start, int& end) const;
  DWORD GetSel() const;
  void ReplaceSel(LPCTSTR text, BOOL canUndo = FALSE);
  BOOL SetReadOnly(BOOL readOnly = TRUE);
  void SetPasswordChar(char ch);
  char GetPasswordChar() const;
  BOOL GetModify() const;
  void SetModify(BOOL modified = TRUE);
  int GetLineCount() const;
  void Clear();
};

class CComboBox : public CWnd {
  DECLARE_DYNAMIC(CComboBox)

 public:
  using CWnd::Create;
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
  int AddString(LPCTSTR text);
  int InsertString(int index, LPCTSTR text);
  int DeleteString(UINT index);
  void ResetContent();
  int GetCount() const;
  int GetCurSel() const;
  // Out of range selects none and returns CB_ERR.
  int SetCurSel(int index);
  int GetLBText(int index, LPTSTR buffer) const;
  void GetLBText(int index, CString& text) const;
  int GetLBTextLen(int index) const;
  int SetItemData(int index, DWORD_PTR data);
  DWORD_PTR GetItemData(int index) const;
  int SetItemDataPtr(int index, void* data) { return SetItemData(index, (DWORD_PTR)data); }
  void* GetItemDataPtr(int index) const { return (void*)GetItemData(index); }
  // Prefix (FindString) or whole-text (FindStringExact) search without case, starting after
  // `startAfter` (-1: from the top) and wrapping; CB_ERR when none.
  int FindString(int startAfter, LPCTSTR text) const;
  int FindStringExact(int startAfter, LPCTSTR text) const;
  int SelectString(int startAfter, LPCTSTR text);
  BOOL LimitText(int max);
  void ShowDropDown(BOOL show = TRUE);
  BOOL GetDroppedState() const;
};

class CListBox : public CWnd {
  DECLARE_DYNAMIC(CListBox)

 public:
  using CWnd::Create;
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
  int AddString(LPCTSTR text);
  int InsertString(int index, LPCTSTR text);
  int DeleteString(UINT index);
  void ResetContent();
  int GetCount() const;
  int GetCurSel() const;
  int SetCurSel(int index);
  int GetSel(int index) const;
  int SetSel(int index, BOOL select = TRUE);
  int GetSelCount() const;
  int GetText(int index, LPTSTR buffer) const;
  void GetText(int index, CString& text) const;
  int GetTextLen(int index) const;
  int SetItemData(int index, DWORD_PTR data);
  DWORD_PTR GetItemData(int index) const;
  int SetItemDataPtr(int index, void* data) { return SetItemData(index, (DWORD_PTR)data); }
  void* GetItemDataPtr(int index) const { return (void*)GetItemData(index); }
  int FindString(int startAfter, LPCTSTR text) const;
  int FindStringExact(int startAfter, LPCTSTR text) const;
  int SetItemHeight(int index, UINT height);
  int GetItemHeight(int index) const;
  int GetTopIndex() const;
  int SetTopIndex(int index);
  int GetItemRect(int index, LPRECT rect) const;
  // The item under a client point (LOWORD), HIWORD 1 when the point is below the last item.
  UINT ItemFromPoint(CPoint point, BOOL& outside) const;
  // Owner-drawn lists: the item height, asked through the parent's WM_MEASUREITEM.
  virtual void MeasureItem(MEASUREITEMSTRUCT* mis);
  BOOL OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};

namespace platform {
// Registers the basic control classes (done once, automatically, by the desktop).
void RegisterControlClasses();
}  // namespace platform
