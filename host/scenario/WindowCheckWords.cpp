#include "host/scenario/WindowCheckWords.h"

#include "host/scenario/ScenarioWords.h"
#include "host/scenario/WindowLookup.h"
#include "platform/ui/Wnd.h"

namespace host {
namespace {

std::string WindowState(const std::string& title) {
  HWND window = FindTitledWindow(title);
  if (!window) return "absent";
  return IsWindowVisible(window) ? "visible" : "hidden";
}

std::string CheckText(const ScenarioStep& step) {
  const std::vector<std::string>& a = step.args;
  int id = 0;
  ParseInt(a[1], &id);
  // The user reads only what is shown: a hidden control (or one in a hidden window) fails.
  HWND control = nullptr;
  std::string missing = FindShownControl(a[0], a[1], &control);
  if (!missing.empty()) return missing;
  if (id == 0 && !IsWindowVisible(control)) return "the window titled " + a[0] + " is hidden";
  std::string text = WindowTextUtf8(control);
  return text == a[2] ? "" : "control " + a[1] + " of " + a[0] + " shows \"" + text + "\"";
}

std::string CheckControlState(const ScenarioStep& step) {
  const std::vector<std::string>& a = step.args;
  int id = 0;
  ParseInt(a[1], &id);
  bool windowFound = false;
  HWND control = FindTitledControl(a[0], id, false, &windowFound);
  if (!control) return windowFound ? "no control " + a[1] + " in " + a[0] : "no window titled " + a[0];
  std::string state = !IsWindowVisible(control) ? "hidden" : IsWindowEnabled(control) ? "enabled" : "disabled";
  return state == a[2] ? "" : "control " + a[1] + " of " + a[0] + " is " + state;
}

// "" when the step's words fit its verb, else the reason.
std::string CheckForm(const ScenarioStep& step) {
  const std::vector<std::string>& a = step.args;
  int id = 0;
  if (step.verb == "expect-text")
    return a.size() == 3 && ParseInt(a[1], &id) ? "" : "expect-text needs a window title, a control id and a text";
  if (step.verb == "expect-control") {
    bool state = a.size() == 3 && (a[2] == "enabled" || a[2] == "disabled" || a[2] == "hidden");
    return state && ParseInt(a[1], &id) ? "" : "expect-control needs a window title, a control id and enabled, "
                                                "disabled or hidden";
  }
  bool known = a.size() == 2 && (a[1] == "visible" || a[1] == "hidden" || a[1] == "absent");
  return known ? "" : "expect-window needs a window title and visible, hidden or absent";
}

}  // namespace

bool IsWindowCheckVerb(const std::string& verb) {
  return verb == "expect-text" || verb == "expect-window" || verb == "expect-control";
}

std::string CheckWindowCheck(const ScenarioStep& step) {
  std::string form = CheckForm(step);
  return form.empty() ? CheckWindowName(step.args[0]) : form;
}

std::string PlayWindowCheck(const ScenarioStep& step) {
  if (step.verb == "expect-text") return CheckText(step);
  if (step.verb == "expect-control") return CheckControlState(step);
  std::string state = WindowState(step.args[0]);
  return state == step.args[1] ? "" : "the window titled " + step.args[0] + " is " + state;
}

}  // namespace host
