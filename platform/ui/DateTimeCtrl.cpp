// The CDateTimeCtrl wrapper and its data exchange.
#include "platform/ui/DateTimeCtrl.h"

#include "platform/ui/DataExchange.h"

IMPLEMENT_DYNAMIC(CDateTimeCtrl, CWnd)

#define SEND(msg, w, l) ::SendMessage(m_hWnd, (msg), (WPARAM)(w), (LPARAM)(l))

namespace platform {

SYSTEMTIME ToSystemTime(const CTime& time) {
  SYSTEMTIME st = {(WORD)time.GetYear(), (WORD)time.GetMonth(), (WORD)(time.GetDayOfWeek() - 1), (WORD)time.GetDay(),
                   (WORD)time.GetHour(), (WORD)time.GetMinute(), (WORD)time.GetSecond(), 0};
  return st;
}

CTime FromSystemTime(const SYSTEMTIME& st) {
  return CTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond);
}

}  // namespace platform

BOOL CDateTimeCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CWnd::Create(DATETIMEPICK_CLASS, "", style, rect, parent, id);
}

BOOL CDateTimeCtrl::SetTime(const CTime* time) {
  if (!time) return (BOOL)SEND(DTM_SETSYSTEMTIME, GDT_NONE, 0);
  if (!time->IsValid()) return FALSE;
  SYSTEMTIME st = platform::ToSystemTime(*time);
  return SetTime(&st);
}

BOOL CDateTimeCtrl::SetTime(const SYSTEMTIME* time) {
  return (BOOL)SEND(DTM_SETSYSTEMTIME, time ? GDT_VALID : GDT_NONE, time);
}

DWORD CDateTimeCtrl::GetTime(SYSTEMTIME* time) const { return (DWORD)SEND(DTM_GETSYSTEMTIME, 0, time); }

DWORD CDateTimeCtrl::GetTime(CTime& time) const {
  SYSTEMTIME st = {};
  DWORD result = GetTime(&st);
  if (result == GDT_VALID) time = platform::FromSystemTime(st);
  return result;
}

BOOL CDateTimeCtrl::SetFormat(LPCTSTR format) { return (BOOL)SEND(DTM_SETFORMAT, 0, format); }

BOOL CDateTimeCtrl::SetRange(const CTime* minTime, const CTime* maxTime) {
  SYSTEMTIME range[2] = {};
  DWORD flags = 0;
  if (minTime && minTime->IsValid()) flags |= GDTR_MIN, range[0] = platform::ToSystemTime(*minTime);
  if (maxTime && maxTime->IsValid()) flags |= GDTR_MAX, range[1] = platform::ToSystemTime(*maxTime);
  return (BOOL)SEND(DTM_SETRANGE, flags, range);
}

DWORD CDateTimeCtrl::GetRange(CTime* minTime, CTime* maxTime) const {
  SYSTEMTIME range[2] = {};
  DWORD flags = (DWORD)SEND(DTM_GETRANGE, 0, range);
  if (minTime && (flags & GDTR_MIN)) *minTime = platform::FromSystemTime(range[0]);
  if (maxTime && (flags & GDTR_MAX)) *maxTime = platform::FromSystemTime(range[1]);
  return flags;
}

void DDX_DateTimeCtrl(CDataExchange* dx, int id, CTime& value) {
  HWND hwnd = dx->PrepareCtrl(id);
  if (!hwnd) return;
  if (dx->m_bSaveAndValidate) {
    SYSTEMTIME st = {};
    if (::SendMessage(hwnd, DTM_GETSYSTEMTIME, 0, (LPARAM)&st) == GDT_VALID) value = platform::FromSystemTime(st);
  } else if (value.IsValid()) {
    SYSTEMTIME st = platform::ToSystemTime(value);
    ::SendMessage(hwnd, DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)&st);
  }
}
