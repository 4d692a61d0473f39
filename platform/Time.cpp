#include "platform/Time.h"

#include <ctime>

#include "platform/Clock.h"

struct CTime::Fields {
  struct tm tm;
  bool ok;
};

namespace {

int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = (unsigned)(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + (int64_t)doe - 719468;
}

// Inverse of DaysFromCivil: the calendar date of a day count since 1970-01-01.
void CivilFromDays(int64_t z, int* year, int* month, int* day) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = (unsigned)(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  *day = (int)(doy - (153 * mp + 2) / 5 + 1);
  *month = (int)(mp < 10 ? mp + 3 : mp - 9);
  *year = (int)(yoe + era * 400 + (*month <= 2));
}

int64_t FloorDiv(int64_t a, int64_t b) { return a / b - (a % b < 0); }

int DaysInMonth(int year, int month) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : days[month - 1];
}

}  // namespace

CTime::CTime(int year, int month, int day, int hour, int minute, int second) {
  if (year < 1970 || year > 3000 || month < 1 || month > 12 || day < 1 ||
      day > DaysInMonth(year, month) || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
      second < 0 || second > 59) {
    t_ = kInvalid;
    return;
  }
  int64_t local = DaysFromCivil(year, month, day) * 86400 + hour * 3600 + minute * 60 + second;
  t_ = local - platform::Clock::LocalOffset();
}

CTime CTime::GetCurrentTime() { return CTime(platform::Clock::UnixTime()); }

// Local calendar fields computed without time_t, which is 32 bits on i686.
CTime::Fields CTime::Split() const {
  Fields f{};
  if (!IsValid()) return f;
  int64_t local = t_ + platform::Clock::LocalOffset();
  int64_t days = FloorDiv(local, 86400);
  int64_t secs = local - days * 86400;
  int year, month, day;
  CivilFromDays(days, &year, &month, &day);
  f.tm.tm_year = year - 1900;
  f.tm.tm_mon = month - 1;
  f.tm.tm_mday = day;
  f.tm.tm_hour = (int)(secs / 3600);
  f.tm.tm_min = (int)(secs / 60 % 60);
  f.tm.tm_sec = (int)(secs % 60);
  f.tm.tm_wday = (int)((days % 7 + 11) % 7);  // 1970-01-01 was a Thursday
  f.tm.tm_yday = (int)(days - DaysFromCivil(year, 1, 1));
  f.ok = true;
  return f;
}

int CTime::GetYear() const { return Split().tm.tm_year + 1900; }
int CTime::GetMonth() const { return Split().tm.tm_mon + 1; }
int CTime::GetDay() const { return Split().tm.tm_mday; }
int CTime::GetHour() const { return Split().tm.tm_hour; }
int CTime::GetMinute() const { return Split().tm.tm_min; }
int CTime::GetSecond() const { return Split().tm.tm_sec; }
int CTime::GetDayOfWeek() const { return Split().tm.tm_wday + 1; }

CString CTime::Format(const char* format) const {
  Fields f = Split();
  if (!f.ok) return CString();
  char buf[256];
  size_t n = strftime(buf, sizeof buf, format, &f.tm);
  return CString(buf, (int)n);
}
