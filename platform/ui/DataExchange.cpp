#include "platform/ui/DataExchange.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "platform/ui/MessageBox.h"
#include "platform/ui/WindowTree.h"

namespace {

bool IsRadio(HWND hwnd) { return (::SendMessage(hwnd, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0; }

void FailWith(CDataExchange* dx, const CString& text) {
  AfxMessageBox(text, MB_ICONEXCLAMATION);
  dx->Fail();
}

// A whole decimal number with optional blanks around it and a sign, as MFC's DDX reads it.
bool ParseLong(const CString& text, long long* value) {
  const char* begin = text;
  char* end = nullptr;
  errno = 0;
  long long v = strtoll(begin, &end, 10);
  if (end == begin || errno == ERANGE) return false;
  while (*end == ' ' || *end == '\t') end++;
  if (*end) return false;
  *value = v;
  return true;
}

template <class T>
void DdxInteger(CDataExchange* dx, int id, T& value, long long min, long long max, const char* format) {
  HWND hwnd = dx->PrepareEditCtrl(id);
  if (!hwnd) return;
  CString text;
  if (!dx->m_bSaveAndValidate) {
    text.Format(format, value);
    ::SetWindowText(hwnd, text);
    return;
  }
  CWnd::FromHandle(hwnd)->GetWindowText(text);
  long long parsed = 0;
  if (!ParseLong(text, &parsed) || parsed < min || parsed > max) FailWith(dx, "请输入一个整数。");
  value = (T)parsed;
}

}  // namespace

HWND CDataExchange::PrepareCtrl(int id) {
  HWND hwnd = ::GetDlgItem(m_pDlgWnd->m_hWnd, id);
  if (!hwnd) fprintf(stderr, "platform: data exchange with a missing control %d\n", id);
  lastControl_ = hwnd;
  return hwnd;
}

void CDataExchange::Fail() {
  if (lastControl_ && ::IsWindow(lastControl_)) {
    ::SetFocus(lastControl_);
    ::SendMessage(lastControl_, EM_SETSEL, 0, -1);
  }
  throw CUserException();
}

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
  CDataExchange dx(this, saveAndValidate);
  try {
    DoDataExchange(&dx);
  } catch (const CUserException&) {
    return FALSE;
  }
  return TRUE;
}

void DDX_Text(CDataExchange* dx, int id, CString& value) {
  HWND hwnd = dx->PrepareEditCtrl(id);
  if (!hwnd) return;
  if (dx->m_bSaveAndValidate)
    CWnd::FromHandle(hwnd)->GetWindowText(value);
  else
    ::SetWindowText(hwnd, value);
}

void DDX_Text(CDataExchange* dx, int id, int& value) { DdxInteger(dx, id, value, INT32_MIN, INT32_MAX, "%d"); }

void DDX_Text(CDataExchange* dx, int id, UINT& value) { DdxInteger(dx, id, value, 0, UINT32_MAX, "%u"); }

void DDX_Text(CDataExchange* dx, int id, long& value) { DdxInteger(dx, id, value, INT32_MIN, INT32_MAX, "%ld"); }

void DDX_Check(CDataExchange* dx, int id, int& value) {
  HWND hwnd = dx->PrepareCtrl(id);
  if (!hwnd) return;
  if (dx->m_bSaveAndValidate)
    value = (int)::SendMessage(hwnd, BM_GETCHECK, 0, 0);
  else
    ::SendMessage(hwnd, BM_SETCHECK, (WPARAM)value, 0);
}

void DDX_Radio(CDataExchange* dx, int id, int& value) {
  HWND first = dx->PrepareCtrl(id);
  if (!first) return;
  if (dx->m_bSaveAndValidate) value = -1;
  int index = 0;
  for (HWND h = first; h; h = ::GetWindow(h, GW_HWNDNEXT)) {
    if (h != first && (GetWindowLong(h, GWL_STYLE) & WS_GROUP)) break;
    if (!IsRadio(h)) continue;
    if (dx->m_bSaveAndValidate) {
      if (::SendMessage(h, BM_GETCHECK, 0, 0) == BST_CHECKED) value = index;
    } else {
      ::SendMessage(h, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    index++;
  }
}

void DDX_CBIndex(CDataExchange* dx, int id, int& index) {
  HWND hwnd = dx->PrepareCtrl(id);
  if (!hwnd) return;
  if (dx->m_bSaveAndValidate)
    index = (int)::SendMessage(hwnd, CB_GETCURSEL, 0, 0);
  else
    ::SendMessage(hwnd, CB_SETCURSEL, (WPARAM)index, 0);
}

void DDX_CBString(CDataExchange* dx, int id, CString& value) {
  HWND hwnd = dx->PrepareCtrl(id);
  if (!hwnd) return;
  if (dx->m_bSaveAndValidate) {
    CWnd::FromHandle(hwnd)->GetWindowText(value);
  } else if (::SendMessage(hwnd, CB_SELECTSTRING, (WPARAM)-1, (LPARAM)(const char*)value) == CB_ERR) {
    ::SetWindowText(hwnd, value);
  }
}

void DDX_LBIndex(CDataExchange* dx, int id, int& index) {
  HWND hwnd = dx->PrepareCtrl(id);
  if (!hwnd) return;
  if (dx->m_bSaveAndValidate)
    index = (int)::SendMessage(hwnd, LB_GETCURSEL, 0, 0);
  else
    ::SendMessage(hwnd, LB_SETCURSEL, (WPARAM)index, 0);
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
  if (control.m_hWnd) return;
  HWND hwnd = dx->PrepareCtrl(id);
  if (hwnd && !control.SubclassWindow(hwnd))
    fprintf(stderr, "platform: control %d already has an object of its own\n", id);
}

void DDV_MaxChars(CDataExchange* dx, const CString& value, int maxChars) {
  if (!dx->m_bSaveAndValidate) {
    // Loading: the control itself refuses longer input from now on.
    HWND last = dx->LastControl();
    char cls[16] = "";
    ::GetClassName(last, cls, sizeof cls);
    ::SendMessage(last, CString(cls).CompareNoCase("ComboBox") == 0 ? CB_LIMITTEXT : EM_LIMITTEXT, (WPARAM)maxChars, 0);
    return;
  }
  if (value.GetLength() <= maxChars) return;
  CString text;
  text.Format("请输入不超过 %d 个字符。", maxChars);
  FailWith(dx, text);
}

void DDV_MinMaxInt(CDataExchange* dx, int value, int minValue, int maxValue) {
  if (!dx->m_bSaveAndValidate || (value >= minValue && value <= maxValue)) return;
  CString text;
  text.Format("请输入一个在 %d 和 %d 之间的整数。", minValue, maxValue);
  FailWith(dx, text);
}

void DDV_MinMaxUInt(CDataExchange* dx, UINT value, UINT minValue, UINT maxValue) {
  if (!dx->m_bSaveAndValidate || (value >= minValue && value <= maxValue)) return;
  CString text;
  text.Format("请输入一个在 %u 和 %u 之间的整数。", minValue, maxValue);
  FailWith(dx, text);
}
