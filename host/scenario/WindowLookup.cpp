#include "host/scenario/WindowLookup.h"

#include <cstdlib>
#include <functional>
#include <vector>

#include "host/scenario/ScenarioWords.h"
#include "platform/Charset.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/TreeCtrl.h"
#include "platform/ui/Wnd.h"

namespace host {
namespace {

// The module's windows titled "多媒体会议", told apart by their dialog templates.
struct Qualifier {
  const char* word;
  UINT templateId;
};
const Qualifier kQualifiers[] = {{"conf", 529}, {"start", 530}, {"box", 552}};

// A window name split into its title and the template it names (0: any window).
struct WindowName {
  std::string title;
  UINT templateId = 0;
  bool known = true;  // false for a qualifier that names no template
};

WindowName SplitName(const std::string& name) {
  WindowName split{name};
  size_t hash = name.rfind('#');
  if (hash == std::string::npos) return split;
  split.title = name.substr(0, hash);
  std::string word = name.substr(hash + 1);
  int id = 0;
  for (const Qualifier& q : kQualifiers)
    if (word == q.word) split.templateId = q.templateId;
  if (!split.templateId && ParseInt(word, &id) && id > 0) split.templateId = static_cast<UINT>(id);
  split.known = split.templateId != 0;
  return split;
}

bool MadeFrom(HWND window, UINT templateId) {
  if (!templateId) return true;
  const CDialog* dialog = dynamic_cast<const CDialog*>(CWnd::FromHandle(window));
  return dialog && dialog->m_nIDTemplate == templateId;
}

// The first window below parent, depth first, that the test accepts.
HWND FindBelow(HWND parent, const std::function<bool(HWND)>& accept) {
  for (HWND child : platform::Desktop::Children(parent)) {
    if (accept(child)) return child;
    if (HWND found = FindBelow(child, accept)) return found;
  }
  return nullptr;
}

std::string RawText(HWND window) {
  int length = GetWindowTextLength(window);
  std::string text(length + 1, '\0');
  GetWindowText(window, &text[0], length + 1);
  text.resize(length);
  return text;
}

bool HasTitle(HWND window, const std::string& gbkTitle) { return RawText(window) == gbkTitle; }

// The control with the id inside window (depth first, through child dialogs): the first
// visible one, or, when visibleOnly is false and none is visible, the first one.
HWND FindControlById(HWND window, int id, bool visibleOnly) {
  HWND visible = FindBelow(window, [id](HWND w) { return GetDlgCtrlID(w) == id && IsWindowVisible(w); });
  if (visible || visibleOnly) return visible;
  return FindBelow(window, [id](HWND w) { return GetDlgCtrlID(w) == id; });
}

// The top-level windows with the name, the visible ones first.
std::vector<HWND> TitledWindows(const std::string& name) {
  WindowName split = SplitName(name);
  std::string gbk = charset::Utf8ToGbk(split.title);
  std::vector<HWND> visible, hidden;
  for (HWND top : platform::Desktop::TopLevelWindows())
    if (HasTitle(top, gbk) && MadeFrom(top, split.templateId)) (IsWindowVisible(top) ? visible : hidden).push_back(top);
  visible.insert(visible.end(), hidden.begin(), hidden.end());
  return visible;
}

}  // namespace

std::string CheckWindowName(const std::string& name) {
  if (SplitName(name).known) return "";
  return "the window name " + name + " needs #start, #conf, #box or a dialog template id after the title";
}

HWND FindTitledWindow(const std::string& title) {
  std::vector<HWND> windows = TitledWindows(title);
  return windows.empty() ? nullptr : windows.front();
}

std::string FindShownControl(const std::string& name, const std::string& idWord, HWND* control) {
  int id = std::atoi(idWord.c_str());
  if (id == 0) {
    *control = FindTitledWindow(name);
    return *control ? "" : "no window titled " + name;
  }
  bool windowFound = false;
  *control = FindTitledControl(name, id, true, &windowFound);
  if (!windowFound) return "no window titled " + name;
  return *control ? "" : "no visible control " + idWord + " in " + name;
}

HWND FindTitledControl(const std::string& title, int id, bool visibleOnly, bool* windowFound) {
  std::vector<HWND> windows = TitledWindows(title);
  *windowFound = !windows.empty();
  for (HWND window : windows)
    if (HWND control = FindControlById(window, id, true)) return control;
  if (visibleOnly) return nullptr;
  for (HWND window : windows)
    if (HWND control = FindControlById(window, id, false)) return control;
  return nullptr;
}

std::string WindowTextUtf8(HWND window) { return charset::GbkToUtf8(RawText(window)); }

HTREEITEM FindTreeItem(const CTreeCtrl* tree, HTREEITEM from, const std::string& gbk) {
  for (HTREEITEM item = from; item; item = tree->GetNextSiblingItem(item)) {
    if (tree->GetItemText(item).str() == gbk) return item;
    if (HTREEITEM found = FindTreeItem(tree, tree->GetChildItem(item), gbk)) return found;
  }
  return nullptr;
}

int FindListRow(const CListCtrl* list, const std::string& gbk) {
  for (int row = 0; row < list->GetItemCount(); ++row)
    if (list->GetItemText(row, 0).str() == gbk || list->GetItemText(row, 1).str() == gbk) return row;
  return -1;
}

}  // namespace host
