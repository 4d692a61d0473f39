#include "host/scenario/UserActionWords.h"

#include "host/scenario/ScenarioWords.h"
#include "host/scenario/WindowLookup.h"
#include "platform/Charset.h"
#include "platform/ui/UserInput.h"
#include "platform/ui/Wnd.h"

namespace host {

namespace {

bool IsListBox(HWND control) {
  char name[32] = {};
  GetClassName(control, name, sizeof name);
  return std::string(name) == "ListBox";
}

// Picks item `index` of a drop-down or plain list; the user brings the list's window to the front
// before pointing at an item.
bool Choose(HWND control, int index) {
  if (!IsListBox(control)) return platform::user::ChooseComboItem(control, index);
  BringWindowToTop(GetAncestor(control, GA_ROOT));
  return platform::user::ChooseListItem(control, index);
}

// Double-clicks the control at its centre, its window brought to the front first.
bool DoubleClick(HWND control) {
  RECT r;
  GetClientRect(control, &r);
  BringWindowToTop(GetAncestor(control, GA_ROOT));
  return platform::user::DoubleClick(control, POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}) == control;
}

}  // namespace

bool IsUserActionVerb(const std::string& verb) {
  return verb == "type" || verb == "click" || verb == "dblclick" || verb == "choose";
}

std::string CheckUserAction(const ScenarioStep& step) {
  const std::vector<std::string>& a = step.args;
  size_t words = step.verb == "click" || step.verb == "dblclick" ? 2 : 3;
  int value = 0;
  if (a.size() != words || !ParseInt(a[1], &value)) return step.verb + " needs a window title, a control id" +
                                                             (words == 3 ? " and a text" : "");
  if (step.verb == "choose" && !ParseInt(a[2], &value)) return "choose needs an item index";
  return CheckWindowName(a[0]);
}

std::string PlayUserAction(const ScenarioStep& step) {
  const std::vector<std::string>& a = step.args;
  int id = 0;
  ParseInt(a[1], &id);
  HWND control = nullptr;
  std::string missing = FindShownControl(a[0], a[1], &control);
  if (!missing.empty()) return missing;
  bool done = false;
  // A window that holds the mouse (a polygon being drawn) takes the click the user aims at the
  // control.
  HWND capture = GetCapture();
  if (step.verb == "click") {
    done = platform::user::Click(control);
    if (!done && capture && capture != control)
      return "the click on control " + a[1] + " went to the window that holds the mouse";
  } else if (step.verb == "dblclick") {
    done = DoubleClick(control);
  } else if (step.verb == "type") {
    SetWindowText(control, "");
    done = platform::user::Type(control, charset::Utf8ToGbk(a[2]).c_str());
  } else {
    int index = 0;
    ParseInt(a[2], &index);
    done = Choose(control, index);
  }
  return done ? "" : "the user cannot " + step.verb + " control " + a[1] + " now";
}

}  // namespace host
