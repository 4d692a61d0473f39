#include "host/WindowLookup.h"

#include <functional>
#include <vector>

#include "platform/Charset.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/Wnd.h"

namespace host {
namespace {

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

// The top-level windows with the title, the visible ones first.
std::vector<HWND> TitledWindows(const std::string& title) {
  std::string gbk = charset::Utf8ToGbk(title);
  std::vector<HWND> visible, hidden;
  for (HWND top : platform::Desktop::TopLevelWindows())
    if (HasTitle(top, gbk)) (IsWindowVisible(top) ? visible : hidden).push_back(top);
  visible.insert(visible.end(), hidden.begin(), hidden.end());
  return visible;
}

}  // namespace

HWND FindTitledWindow(const std::string& title) {
  std::vector<HWND> windows = TitledWindows(title);
  return windows.empty() ? nullptr : windows.front();
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

}  // namespace host
