#include "host/scenario/TrafficWords.h"

#include "host/scenario/ScenarioWords.h"

namespace host {

bool IsTrafficVerb(const std::string& verb) { return verb == "mark" || verb == "expect-sent-count"; }

std::string CheckTrafficStep(const ScenarioStep& step) {
  const std::vector<std::string>& a = step.args;
  if (step.verb == "mark") return a.empty() ? "" : "mark takes nothing";
  int code, count;
  bool ok = (a.size() == 2 || a.size() == 3) && ParseInt(a[0], &code) && ParseInt(a[1], &count) && count >= 0;
  return ok ? "" : "expect-sent-count needs a code, a count and maybe a text";
}

std::string TrafficSpan::Play(const ScenarioStep& step, const RecordingHost& host, const EventPrinter& printer,
                              std::string* failure) {
  const std::vector<HostEvent>& events = host.Events();
  if (step.verb == "mark") {
    start_ = events.size();
    return "a new span starts after " + std::to_string(start_) + " events";
  }
  int code = 0, expected = 0;
  ParseInt(step.args[0], &code);
  ParseInt(step.args[1], &expected);
  const std::string* text = step.args.size() > 2 ? &step.args[2] : nullptr;
  int sent = 0;
  for (size_t i = start_; i < events.size(); ++i) {
    const HostEvent& event = events[i];
    if (event.channel != Channel::kMessage || event.code != code) continue;
    if (!text || printer.Format(event).find(*text) != std::string::npos) ++sent;
  }
  std::string what = "code " + std::to_string(code) + " sent " + std::to_string(sent) + " times" +
                     (text ? " reading \"" + *text + "\"" : "") + " in this span";
  if (sent == expected) return "ok: " + what;
  *failure = what + ", expected " + std::to_string(expected);
  return "";
}

}  // namespace host
