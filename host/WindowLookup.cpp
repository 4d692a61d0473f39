#include "host/WindowLookup.h"

#include <functional>

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

}  // namespace

HWND FindTitledWindow(const std::string& title) {
  std::string gbk = charset::Utf8ToGbk(title);
  HWND hidden = nullptr;
  for (HWND top : platform::Desktop::TopLevelWindows()) {
    if (!HasTitle(top, gbk)) continue;
    if (IsWindowVisible(top)) return top;
    if (!hidden) hidden = top;
  }
  return hidden;
}

bool AnyTitledWindowVisible(const std::string& title) {
  HWND window = FindTitledWindow(title);
  return window && IsWindowVisible(window);
}

HWND FindControlById(HWND window, int id, bool visibleOnly) {
  HWND visible = FindBelow(window, [id](HWND w) { return GetDlgCtrlID(w) == id && IsWindowVisible(w); });
  if (visible || visibleOnly) return visible;
  return FindBelow(window, [id](HWND w) { return GetDlgCtrlID(w) == id; });
}

std::string WindowTextUtf8(HWND window) { return charset::GbkToUtf8(RawText(window)); }

}  // namespace host
