// The "SysDateTimePick32" window class: one local date and time (or none, with DTS_SHOWNONE),
// a display format, an optional range, and DTN_DATETIMECHANGE when the user changes the value.
#include <cstdio>

#include "platform/ui/ControlsInternal.h"
#include "platform/ui/DateTimeCtrl.h"
#include "platform/ui/WindowTree.h"

namespace platform {
namespace {

struct DateTimeExtra : WindowExtra {
  CTime value;
  bool none = false;
  CString format;  // empty: the style's
  DWORD rangeFlags = 0;
  CTime minTime, maxTime;
};

DateTimeExtra* Extra(HWND hwnd) { return GetWindowExtraAs<DateTimeExtra>(hwnd); }

CString StyleFormat(HWND hwnd) {
  DWORD style = (DWORD)GetWindowLong(hwnd, GWL_STYLE);
  if ((style & DTS_TIMEFORMAT) == DTS_TIMEFORMAT) return "HH:mm:ss";
  if (style & DTS_LONGDATEFORMAT) return "yyyy'年'M'月'd'日'";
  return "yyyy-M-d";
}

// One field of the pattern: `letter` repeated `count` times.
CString Field(const CTime& t, char letter, int count) {
  char buf[16];
  auto num = [&](int v, bool pad) { snprintf(buf, sizeof buf, pad ? "%02d" : "%d", v); return CString(buf); };
  switch (letter) {
    case 'y': return count >= 3 ? num(t.GetYear(), false) : num(t.GetYear() % 100, count == 2);
    case 'M': return num(t.GetMonth(), count >= 2);
    case 'd': return num(t.GetDay(), count >= 2);
    case 'H': return num(t.GetHour(), count >= 2);
    case 'h': return num(t.GetHour() % 12 ? t.GetHour() % 12 : 12, count >= 2);
    case 'm': return num(t.GetMinute(), count >= 2);
    case 's': return num(t.GetSecond(), count >= 2);
    case 't': return t.GetHour() < 12 ? "上午" : "下午";
  }
  return CString();
}

CString FormatTime(const CTime& t, const CString& pattern) {
  CString out;
  const char* p = pattern.GetString();
  while (*p) {
    if (*p == '\'') {
      const char* end = p + 1;
      while (*end && *end != '\'') ++end;
      out += CString(p + 1, (int)(end - p - 1));
      p = *end ? end + 1 : end;
    } else if (CString("yMdHhmst").Find(*p) >= 0) {
      int count = 1;
      while (p[count] == *p) ++count;
      out += Field(t, *p, count);
      p += count;
    } else if ((unsigned char)*p >= 0x81 && p[1]) {
      out += CString(p, 2);  // a double-byte character, whose trail byte may look like a field
      p += 2;
    } else {
      out += *p++;
    }
  }
  return out;
}

void ShowValue(HWND hwnd, DateTimeExtra* d) {
  tree::Window* w = tree::Find(hwnd);
  if (w) w->text = d->none ? CString() : FormatTime(d->value, d->format.IsEmpty() ? StyleFormat(hwnd) : d->format);
}

bool InRange(const DateTimeExtra* d, const CTime& t) {
  return !((d->rangeFlags & GDTR_MIN) && t < d->minTime) && !((d->rangeFlags & GDTR_MAX) && t > d->maxTime);
}

BOOL SetValue(HWND hwnd, DateTimeExtra* d, WPARAM flag, const SYSTEMTIME* st) {
  if (flag == GDT_NONE) {
    if (!(GetWindowLong(hwnd, GWL_STYLE) & DTS_SHOWNONE)) return FALSE;
    d->none = true;
  } else {
    if (!st) return FALSE;
    CTime t = FromSystemTime(*st);
    if (!t.IsValid() || !InRange(d, t)) return FALSE;
    d->value = t;
    d->none = false;
  }
  ShowValue(hwnd, d);
  return TRUE;
}

BOOL UserSet(HWND hwnd, DateTimeExtra* d, const SYSTEMTIME* st) {
  CTime before = d->value;
  bool wasNone = d->none;
  if (!SetValue(hwnd, d, GDT_VALID, st)) return FALSE;
  if (before == d->value && !wasNone) return TRUE;
  NMDATETIMECHANGE nm = {};
  nm.dwFlags = GDT_VALID;
  nm.st = ToSystemTime(d->value);
  SendNotify(hwnd, DTN_DATETIMECHANGE, &nm.nmhdr);
  return TRUE;
}

}  // namespace

LRESULT DateTimeClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto d = std::make_unique<DateTimeExtra>();
    d->value = CTime::GetCurrentTime();
    SetWindowExtra(hwnd, std::move(d));
    return TRUE;
  }
  DateTimeExtra* d = Extra(hwnd);
  if (!d) return GenericWindowProc(hwnd, msg, wParam, lParam);
  switch (msg) {
    case WM_CREATE: ShowValue(hwnd, d); return 0;
    case DTM_GETSYSTEMTIME:
      if (d->none) return GDT_NONE;
      if (!lParam) return GDT_ERROR;
      *(SYSTEMTIME*)lParam = ToSystemTime(d->value);
      return GDT_VALID;
    case DTM_SETSYSTEMTIME: return SetValue(hwnd, d, wParam, (const SYSTEMTIME*)lParam);
    case DTM_SETFORMAT:
      d->format = lParam ? (const char*)lParam : "";
      ShowValue(hwnd, d);
      return TRUE;
    case DTM_SETRANGE: {
      auto* range = (const SYSTEMTIME*)lParam;
      if (!range) return FALSE;
      d->rangeFlags = (DWORD)wParam & (GDTR_MIN | GDTR_MAX);
      if (wParam & GDTR_MIN) d->minTime = FromSystemTime(range[0]);
      if (wParam & GDTR_MAX) d->maxTime = FromSystemTime(range[1]);
      // The value moves inside a new range, as on Windows.
      if ((d->rangeFlags & GDTR_MIN) && d->value < d->minTime) d->value = d->minTime;
      if ((d->rangeFlags & GDTR_MAX) && d->value > d->maxTime) d->value = d->maxTime;
      ShowValue(hwnd, d);
      return TRUE;
    }
    case DTM_GETRANGE:
      if (lParam) {
        auto* range = (SYSTEMTIME*)lParam;
        if (d->rangeFlags & GDTR_MIN) range[0] = ToSystemTime(d->minTime);
        if (d->rangeFlags & GDTR_MAX) range[1] = ToSystemTime(d->maxTime);
      }
      return d->rangeFlags;
    case kDateTimeUserSet: return UserSet(hwnd, d, (const SYSTEMTIME*)lParam);
    case WM_SETTEXT: return FALSE;  // the text follows the value
  }
  return GenericWindowProc(hwnd, msg, wParam, lParam);
}

}  // namespace platform
