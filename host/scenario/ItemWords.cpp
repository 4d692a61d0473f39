#include "host/scenario/ItemWords.h"

#include <cstdio>

#include "host/scenario/ScenarioWords.h"
#include "host/scenario/WindowLookup.h"
#include "platform/Charset.h"
#include "platform/Time.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Messages.h"
#include "platform/ui/TreeCtrl.h"
#include "platform/ui/UserInput.h"
#include "platform/ui/Wnd.h"

namespace host {
namespace {

struct Key {
  const char* name;
  bool (*press)();
};
template <UINT vk>
bool Press() {
  return platform::user::PressKey(vk);
}
const Key kKeys[] = {{"esc", platform::user::PressEscape},
                     {"enter", platform::user::PressEnter},
                     {"tab", [] { return platform::user::PressTab(); }},
                     {"delete", platform::user::PressDelete},
                     {"backspace", Press<VK_BACK>},
                     {"left", Press<VK_LEFT>},
                     {"right", Press<VK_RIGHT>},
                     {"up", Press<VK_UP>},
                     {"down", Press<VK_DOWN>},
                     {"page-up", Press<VK_PRIOR>},
                     {"page-down", Press<VK_NEXT>},
                     {"home", Press<VK_HOME>},
                     {"end", Press<VK_END>}};

const Key* FindKey(const std::string& name) {
  for (const Key& key : kKeys)
    if (name == key.name) return &key;
  return nullptr;
}

bool ParseMoment(const std::string& text, CTime* moment) {
  int y, mo, d, h, mi, s;
  char end;
  if (std::sscanf(text.c_str(), "%d-%d-%d %d:%d:%d%c", &y, &mo, &d, &h, &mi, &s, &end) != 6) return false;
  *moment = CTime(y, mo, d, h, mi, s);
  return moment->IsValid();
}

std::string SetTime(const ScenarioStep& step) {
  const std::vector<std::string>& a = step.args;
  HWND picker = nullptr;
  std::string missing = FindShownControl(a[0], a[1], &picker);
  if (!missing.empty()) return missing;
  CTime moment;
  ParseMoment(a[2], &moment);
  return platform::user::SetDateTime(picker, moment) ? "" : "the picker " + a[1] + " does not take " + a[2];
}

// The key a click-item step holds down during its click (ctrl or shift), 0 for none.
UINT HeldKey(const ScenarioStep& step) {
  if (step.args.size() < 4) return 0;
  return step.args[3] == "ctrl" ? VK_CONTROL : VK_SHIFT;
}

// Clicks the tree item or list row: left (with a key held down), right or double.
bool ClickFound(const ScenarioStep& step, HWND control, HTREEITEM item, int row) {
  bool right = step.verb == "rclick-item";
  namespace user = platform::user;
  if (step.verb == "dblclick-item")
    return item ? user::DoubleClickTreeItem(control, item) : user::DoubleClickListItem(control, row);
  UINT key = HeldKey(step);
  if (key) user::HoldKey(key, true);
  bool done = item ? user::ClickTreeItem(control, item, right) : user::ClickListItem(control, row, right);
  if (key) user::HoldKey(key, false);
  return done;
}

// Finds the item of a click-item, rclick-item, dblclick-item or expect-item step and acts on it.
std::string ActOnItem(const ScenarioStep& step) {
  const std::vector<std::string>& a = step.args;
  int id = 0;
  ParseInt(a[1], &id);
  bool windowFound = false;
  HWND control = FindTitledControl(a[0], id, step.verb != "expect-item", &windowFound);
  if (!windowFound) return "no window titled " + a[0];
  CWnd* wnd = control ? CWnd::FromHandle(control) : nullptr;
  std::string gbk = charset::Utf8ToGbk(a[2]);
  HTREEITEM item = nullptr;
  int row = -1;
  if (CTreeCtrl* tree = dynamic_cast<CTreeCtrl*>(wnd))
    item = FindTreeItem(tree, tree->GetRootItem(), gbk);
  else if (CListCtrl* list = dynamic_cast<CListCtrl*>(wnd))
    row = FindListRow(list, gbk);
  else
    return "no visible tree or list " + a[1] + " in " + a[0];
  if (!item && row < 0) return "no item \"" + a[2] + "\" in control " + a[1] + " of " + a[0];
  if (step.verb == "expect-item" || ClickFound(step, control, item, row)) return "";
  return "the user cannot reach the item \"" + a[2] + "\" now";
}

}  // namespace

bool IsItemVerb(const std::string& verb) {
  return verb == "click-item" || verb == "rclick-item" || verb == "dblclick-item" || verb == "expect-item" ||
         verb == "set-time" || verb == "close-window" || verb == "press";
}

std::string CheckItemStep(const ScenarioStep& step) {
  const std::vector<std::string>& a = step.args;
  if (step.verb == "close-window") return a.size() == 1 ? CheckWindowName(a[0]) : "close-window needs a window title";
  if (step.verb == "press")
    return a.size() == 1 && FindKey(a[0]) ? ""
                                          : "press needs esc, enter, tab, delete, backspace, left, right, up, down, "
                                            "page-up, page-down, home or end";
  int id = 0;
  CTime moment;
  if (step.verb == "set-time")
    return a.size() == 3 && ParseInt(a[1], &id) && ParseMoment(a[2], &moment)
               ? CheckWindowName(a[0])
               : "set-time needs a window title, a control id and a time \"YYYY-MM-DD HH:MM:SS\"";
  if (step.verb == "click-item" && a.size() == 4)
    return a[3] == "ctrl" || a[3] == "shift" ? CheckItemStep({step.line, step.verb, {a[0], a[1], a[2]}})
                                             : "click-item takes ctrl or shift after the text";
  return a.size() == 3 && ParseInt(a[1], &id) ? CheckWindowName(a[0])
                                              : step.verb + " needs a window title, a control id and a text";
}

std::string PlayItemStep(const ScenarioStep& step) {
  if (step.verb == "press") return FindKey(step.args[0])->press() ? "" : "no window takes the key now";
  if (step.verb == "set-time") return SetTime(step);
  if (step.verb != "close-window") return ActOnItem(step);
  HWND window = FindTitledWindow(step.args[0]);
  if (!window || !IsWindowVisible(window)) return "no visible window titled " + step.args[0];
  return platform::user::CloseWindow(window) ? "" : "the user cannot close " + step.args[0] + " now";
}

}  // namespace host
