// CTime and CTimeSpan: local calendar time in whole seconds, read from the platform clock.
// A CTime built from an impossible date is invalid (GetTime() == -1) instead of aborting.
#pragma once

#include <cstdint>

#include "platform/CString.h"

class CTimeSpan {
 public:
  CTimeSpan() = default;
  explicit CTimeSpan(int64_t seconds) : s_(seconds) {}
  CTimeSpan(LONG days, int hours, int minutes, int seconds)
      : s_(((int64_t)days * 24 + hours) * 3600 + (int64_t)minutes * 60 + seconds) {}
  int64_t GetTotalSeconds() const { return s_; }
  LONG GetTotalMinutes() const { return (LONG)(s_ / 60); }
  LONG GetTotalHours() const { return (LONG)(s_ / 3600); }
  LONG GetDays() const { return (LONG)(s_ / 86400); }
  int GetHours() const { return (int)(s_ / 3600 % 24); }
  int GetMinutes() const { return (int)(s_ / 60 % 60); }
  int GetSeconds() const { return (int)(s_ % 60); }
  bool operator==(CTimeSpan o) const { return s_ == o.s_; }
  bool operator<(CTimeSpan o) const { return s_ < o.s_; }
  bool operator>(CTimeSpan o) const { return s_ > o.s_; }
  bool operator<=(CTimeSpan o) const { return s_ <= o.s_; }
  bool operator>=(CTimeSpan o) const { return s_ >= o.s_; }

 private:
  int64_t s_ = 0;
};

class CTime {
 public:
  static constexpr int64_t kInvalid = -1;

  CTime() = default;
  explicit CTime(int64_t unixTime) : t_(unixTime) {}
  // Local date and time; invalid when a field is out of range.
  CTime(int year, int month, int day, int hour, int minute, int second);

  static CTime GetCurrentTime();

  bool IsValid() const { return t_ != kInvalid; }
  int64_t GetTime() const { return t_; }
  int GetYear() const;
  int GetMonth() const;
  int GetDay() const;
  int GetHour() const;
  int GetMinute() const;
  int GetSecond() const;
  int GetDayOfWeek() const;  // 1 = Sunday
  // strftime-style format of the local time; "" when invalid.
  CString Format(const char* format) const;

  CTimeSpan operator-(CTime o) const { return CTimeSpan(t_ - o.t_); }
  CTime operator+(CTimeSpan s) const { return CTime(t_ + s.GetTotalSeconds()); }
  CTime operator-(CTimeSpan s) const { return CTime(t_ - s.GetTotalSeconds()); }
  CTime& operator+=(CTimeSpan s) { t_ += s.GetTotalSeconds(); return *this; }
  CTime& operator-=(CTimeSpan s) { t_ -= s.GetTotalSeconds(); return *this; }
  bool operator==(CTime o) const { return t_ == o.t_; }
  bool operator!=(CTime o) const { return t_ != o.t_; }
  bool operator<(CTime o) const { return t_ < o.t_; }
  bool operator>(CTime o) const { return t_ > o.t_; }
  bool operator<=(CTime o) const { return t_ <= o.t_; }
  bool operator>=(CTime o) const { return t_ >= o.t_; }

 private:
  struct Fields;
  Fields Split() const;
  int64_t t_ = 0;
};
