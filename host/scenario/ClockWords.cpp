#include "host/scenario/ClockWords.h"

#include <cstdio>
#include <ctime>

#include "platform/Clock.h"

namespace host {
namespace {

// The moment of the step's words as local date and time, joined by a blank (one quoted word or
// two); false when there is none or it does not read as YYYY-MM-DD HH:MM:SS.
bool StartTime(const ScenarioStep& step, struct tm* fields) {
  std::string text;
  for (size_t i = 1; i < step.args.size(); ++i) text += (i > 1 ? " " : "") + step.args[i];
  int year, month, day, hour, minute, second;
  char end;
  if (std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &year, &month, &day, &hour, &minute, &second, &end) != 6)
    return false;
  *fields = {};
  fields->tm_year = year - 1900;
  fields->tm_mon = month - 1;
  fields->tm_mday = day;
  fields->tm_hour = hour;
  fields->tm_min = minute;
  fields->tm_sec = second;
  struct tm normal = *fields;
  timegm(&normal);  // a day or an hour out of range moves the others: refused
  return year >= 1970 && normal.tm_year == fields->tm_year && normal.tm_mon == fields->tm_mon &&
         normal.tm_mday == fields->tm_mday && normal.tm_hour == hour && normal.tm_min == minute &&
         normal.tm_sec == second;
}

}  // namespace

bool IsClockVerb(const std::string& verb) { return verb == "clock"; }

std::string CheckClockStep(const ScenarioStep& step, bool first) {
  struct tm fields;
  const std::vector<std::string>& a = step.args;
  bool timed = a.size() == 2 || a.size() == 3;
  if (a.empty() || a[0] != "virtual" || a.size() > 3 || (timed && !StartTime(step, &fields)))
    return "clock takes virtual and maybe a local time YYYY-MM-DD HH:MM:SS";
  if (!first) return "clock virtual must be the first step";
  return "";
}

std::string PlayClockStep(const ScenarioStep& step) {
  const char* said = "the desktop runs on the virtual clock";
  struct tm fields;
  bool timed = StartTime(step, &fields);
  if (!timed && platform::Clock::IsVirtual()) return said;  // already virtual: time goes on as it is
  // The local time the desktop showed goes on being its local time: the offset stays.
  int32_t offset = platform::Clock::LocalOffset();
  int64_t start = timed ? (int64_t)timegm(&fields) - offset : platform::Clock::UnixTime();
  platform::Clock::UseVirtual(start, offset);
  return said;
}

}  // namespace host
