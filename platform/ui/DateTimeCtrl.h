// CDateTimeCtrl: a thin wrapper over the "SysDateTimePick32" window class (DateTimeClass.cpp).
// The value is local time with whole seconds; the window text is the value as displayed
// (DTS_TIMEFORMAT "HH:mm:ss", DTS_SHORTDATEFORMAT "yyyy-M-d", DTS_LONGDATEFORMAT
// "yyyy年M月d日", or the SetFormat pattern with the fields d dd M MM yy yyyy h hh H HH m mm s ss
// t tt and 'quoted' text).
#pragma once

#include "platform/Time.h"
#include "platform/ui/CommCtrl.h"
#include "platform/ui/Wnd.h"

class CDataExchange;

class CDateTimeCtrl : public CWnd {
  DECLARE_DYNAMIC(CDateTimeCtrl)

 public:
  using CWnd::Create;
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

  // NULL clears the value of a DTS_SHOWNONE picker (FALSE for others). A value outside the
  // range is refused.
  BOOL SetTime(const CTime* time);
  BOOL SetTime(const CTime& time) { return SetTime(&time); }
  BOOL SetTime(const SYSTEMTIME* time);
  // GDT_VALID with the value, or GDT_NONE.
  DWORD GetTime(CTime& time) const;
  DWORD GetTime(SYSTEMTIME* time) const;
  // NULL returns to the style's format.
  BOOL SetFormat(LPCTSTR format);
  // Either end may be NULL (no limit there).
  BOOL SetRange(const CTime* minTime, const CTime* maxTime);
  // GDTR_MIN / GDTR_MAX for the ends that are set.
  DWORD GetRange(CTime* minTime, CTime* maxTime) const;
};

void DDX_DateTimeCtrl(CDataExchange* dx, int id, CTime& value);

namespace platform {
SYSTEMTIME ToSystemTime(const CTime& time);
// Invalid (GetTime() == -1) for an impossible date.
CTime FromSystemTime(const SYSTEMTIME& st);
}  // namespace platform
