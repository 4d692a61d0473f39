// The control classes' CWnd wrappers (each call is one class message, as in MFC) and the
// registration of the built-in window classes.
#include "platform/ui/Controls.h"

#include "platform/ui/ControlsInternal.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/WindowTree.h"

IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CComboBox, CWnd)
IMPLEMENT_DYNAMIC(CListBox, CWnd)

namespace platform {

void RegisterControlClasses() {
  RegisterWindowClass({kDialogClass, DialogClassProc, nullptr});
  RegisterWindowClass({"Button", ButtonClassProc, [] { return (CWnd*)new CButton; }});
  RegisterWindowClass({"Edit", EditClassProc, [] { return (CWnd*)new CEdit; }});
  RegisterWindowClass({"ComboBox", ComboClassProc, [] { return (CWnd*)new CComboBox; }});
  RegisterWindowClass({"ListBox", ListBoxClassProc, [] { return (CWnd*)new CListBox; }});
  RegisterWindowClass({"Static", StaticClassProc, [] { return (CWnd*)new CStatic; }});
  RegisterCommonControlClasses();
}

namespace tree {
void EnsureClasses() {
  static bool done = false;
  if (!done) {
    done = true;
    RegisterControlClasses();
  }
}
}  // namespace tree

}  // namespace platform

#define SEND(msg, w, l) ::SendMessage(m_hWnd, (msg), (WPARAM)(w), (LPARAM)(l))

BOOL CStatic::Create(LPCTSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CWnd::Create("Static", text, style, rect, parent, id);
}

BOOL CButton::Create(LPCTSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CWnd::Create("Button", text, style, rect, parent, id);
}
int CButton::GetCheck() const { return (int)SEND(BM_GETCHECK, 0, 0); }
void CButton::SetCheck(int check) { SEND(BM_SETCHECK, check, 0); }
UINT CButton::GetState() const { return (UINT)SEND(BM_GETSTATE, 0, 0); }
void CButton::SetState(BOOL highlight) { SEND(BM_SETSTATE, highlight, 0); }
UINT CButton::GetButtonStyle() const { return GetStyle() & 0xFFFF; }
void CButton::SetButtonStyle(UINT style, BOOL redraw) { SEND(BM_SETSTYLE, style, redraw); }

BOOL CEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CWnd::Create("Edit", "", style, rect, parent, id);
}
void CEdit::SetLimitText(UINT max) { SEND(EM_LIMITTEXT, max, 0); }
UINT CEdit::GetLimitText() const { return (UINT)SEND(EM_GETLIMITTEXT, 0, 0); }
void CEdit::SetSel(int start, int end, BOOL) { SEND(EM_SETSEL, start, end); }
void CEdit::SetSel(DWORD selection, BOOL) { SEND(EM_SETSEL, (short)LOWORD(selection), (short)HIWORD(selection)); }
void CEdit::GetSel(int& start, int& end) const {
  DWORD s = 0, e = 0;
  SEND(EM_GETSEL, &s, &e);
  start = (int)s, end = (int)e;
}
DWORD CEdit::GetSel() const { return (DWORD)SEND(EM_GETSEL, 0, 0); }
void CEdit::ReplaceSel(LPCTSTR text, BOOL canUndo) { SEND(EM_REPLACESEL, canUndo, text); }
BOOL CEdit::SetReadOnly(BOOL readOnly) { return (BOOL)SEND(EM_SETREADONLY, readOnly, 0); }
void CEdit::SetPasswordChar(char ch) { SEND(EM_SETPASSWORDCHAR, (unsigned char)ch, 0); }
char CEdit::GetPasswordChar() const { return (char)SEND(EM_GETPASSWORDCHAR, 0, 0); }
BOOL CEdit::GetModify() const { return (BOOL)SEND(EM_GETMODIFY, 0, 0); }
void CEdit::SetModify(BOOL modified) { SEND(EM_SETMODIFY, modified, 0); }
int CEdit::GetLineCount() const { return (int)SEND(EM_GETLINECOUNT, 0, 0); }
void CEdit::Clear() { SEND(EM_REPLACESEL, 0, ""); }

BOOL CComboBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CWnd::Create("ComboBox", "", style, rect, parent, id);
}
int CComboBox::AddString(LPCTSTR text) { return (int)SEND(CB_ADDSTRING, 0, text); }
int CComboBox::InsertString(int index, LPCTSTR text) { return (int)SEND(CB_INSERTSTRING, index, text); }
int CComboBox::DeleteString(UINT index) { return (int)SEND(CB_DELETESTRING, index, 0); }
void CComboBox::ResetContent() { SEND(CB_RESETCONTENT, 0, 0); }
int CComboBox::GetCount() const { return (int)SEND(CB_GETCOUNT, 0, 0); }
int CComboBox::GetCurSel() const { return (int)SEND(CB_GETCURSEL, 0, 0); }
int CComboBox::SetCurSel(int index) { return (int)SEND(CB_SETCURSEL, index, 0); }
int CComboBox::GetLBText(int index, LPTSTR buffer) const { return (int)SEND(CB_GETLBTEXT, index, buffer); }
void CComboBox::GetLBText(int index, CString& text) const {
  int len = GetLBTextLen(index);
  if (len < 0) {
    text.Empty();
    return;
  }
  SEND(CB_GETLBTEXT, index, text.GetBufferSetLength(len));
  text.ReleaseBuffer(len);
}
int CComboBox::GetLBTextLen(int index) const { return (int)SEND(CB_GETLBTEXTLEN, index, 0); }
int CComboBox::SetItemData(int index, DWORD_PTR data) { return (int)SEND(CB_SETITEMDATA, index, data); }
DWORD_PTR CComboBox::GetItemData(int index) const { return (DWORD_PTR)SEND(CB_GETITEMDATA, index, 0); }
int CComboBox::FindString(int startAfter, LPCTSTR text) const { return (int)SEND(CB_FINDSTRING, startAfter, text); }
int CComboBox::FindStringExact(int startAfter, LPCTSTR text) const {
  return (int)SEND(CB_FINDSTRINGEXACT, startAfter, text);
}
int CComboBox::SelectString(int startAfter, LPCTSTR text) { return (int)SEND(CB_SELECTSTRING, startAfter, text); }
BOOL CComboBox::LimitText(int max) { return (BOOL)SEND(CB_LIMITTEXT, max, 0); }
void CComboBox::ShowDropDown(BOOL show) { SEND(CB_SHOWDROPDOWN, show, 0); }
BOOL CComboBox::GetDroppedState() const { return (BOOL)SEND(CB_GETDROPPEDSTATE, 0, 0); }

BOOL CListBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CWnd::Create("ListBox", "", style, rect, parent, id);
}
int CListBox::AddString(LPCTSTR text) { return (int)SEND(LB_ADDSTRING, 0, text); }
int CListBox::InsertString(int index, LPCTSTR text) { return (int)SEND(LB_INSERTSTRING, index, text); }
int CListBox::DeleteString(UINT index) { return (int)SEND(LB_DELETESTRING, index, 0); }
void CListBox::ResetContent() { SEND(LB_RESETCONTENT, 0, 0); }
int CListBox::GetCount() const { return (int)SEND(LB_GETCOUNT, 0, 0); }
int CListBox::GetCurSel() const { return (int)SEND(LB_GETCURSEL, 0, 0); }
int CListBox::SetCurSel(int index) { return (int)SEND(LB_SETCURSEL, index, 0); }
int CListBox::GetSel(int index) const { return (int)SEND(LB_GETSEL, index, 0); }
int CListBox::SetSel(int index, BOOL select) { return (int)SEND(LB_SETSEL, select, index); }
int CListBox::GetSelCount() const { return (int)SEND(LB_GETSELCOUNT, 0, 0); }
int CListBox::GetText(int index, LPTSTR buffer) const { return (int)SEND(LB_GETTEXT, index, buffer); }
void CListBox::GetText(int index, CString& text) const {
  int len = GetTextLen(index);
  if (len < 0) {
    text.Empty();
    return;
  }
  char* buffer = text.GetBufferSetLength(len + (int)sizeof(ULONG_PTR));
  SEND(LB_GETTEXT, index, buffer);
  text.ReleaseBuffer(len);
}
int CListBox::GetTextLen(int index) const { return (int)SEND(LB_GETTEXTLEN, index, 0); }
int CListBox::SetItemData(int index, DWORD_PTR data) { return (int)SEND(LB_SETITEMDATA, index, data); }
DWORD_PTR CListBox::GetItemData(int index) const { return (DWORD_PTR)SEND(LB_GETITEMDATA, index, 0); }
int CListBox::FindString(int startAfter, LPCTSTR text) const { return (int)SEND(LB_FINDSTRING, startAfter, text); }
int CListBox::FindStringExact(int startAfter, LPCTSTR text) const {
  return (int)SEND(LB_FINDSTRINGEXACT, startAfter, text);
}
int CListBox::SetItemHeight(int index, UINT height) { return (int)SEND(LB_SETITEMHEIGHT, index, height); }
int CListBox::GetItemHeight(int index) const { return (int)SEND(LB_GETITEMHEIGHT, index, 0); }
int CListBox::GetTopIndex() const { return (int)SEND(LB_GETTOPINDEX, 0, 0); }
int CListBox::SetTopIndex(int index) { return (int)SEND(LB_SETTOPINDEX, index, 0); }
int CListBox::GetItemRect(int index, LPRECT rect) const { return (int)SEND(LB_GETITEMRECT, index, rect); }
UINT CListBox::ItemFromPoint(CPoint point, BOOL& outside) const {
  DWORD hit = (DWORD)SEND(LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
  outside = HIWORD(hit);
  return LOWORD(hit);
}
void CListBox::MeasureItem(MEASUREITEMSTRUCT*) {}

BOOL CListBox::OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (msg != WM_MEASUREITEM) return CWnd::OnChildNotify(msg, wParam, lParam, result);
  MeasureItem((MEASUREITEMSTRUCT*)lParam);
  return TRUE;
}
