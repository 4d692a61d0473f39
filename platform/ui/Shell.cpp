#include "platform/ui/Shell.h"

#include <algorithm>
#include <cstring>

#include "platform/Mbcs.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/WindowTree.h"
#include "platform/ui/Wnd.h"

namespace platform {
namespace {

struct Layered {
  HWND hwnd;
  COLORREF key;
  BYTE alpha;
  DWORD flags;
};

struct ShellState {
  std::vector<TrayIcon> icons;
  std::vector<Layered> layered;
};

ShellState& Sh() {
  static auto* state = new ShellState;
  return *state;
}

auto FindIcon(HWND hwnd, UINT id) {
  auto& icons = Sh().icons;
  return std::find_if(icons.begin(), icons.end(), [&](const TrayIcon& i) { return i.hwnd == hwnd && i.id == id; });
}

void Apply(TrayIcon& icon, const NOTIFYICONDATA& data) {
  if (data.uFlags & NIF_MESSAGE) icon.callbackMessage = data.uCallbackMessage;
  if (data.uFlags & NIF_ICON) icon.icon = data.hIcon;
  if (data.uFlags & NIF_TIP) {
    char tip[sizeof data.szTip];
    memcpy(tip, data.szTip, sizeof tip);
    tip[sizeof tip - 1] = 0;
    icon.tip = tip;
  }
}

HMODULE const kUser32 = (HMODULE)0x7E410000;

}  // namespace

const std::vector<TrayIcon>& TrayIcons() { return Sh().icons; }

void ClearTrayIcons() {
  Sh().icons.clear();
  Sh().layered.clear();
}

namespace user {
bool TrayIconMouse(HWND hwnd, UINT id, UINT mouseMessage) {
  auto it = FindIcon(hwnd, id);
  if (it == Sh().icons.end() || !IsWindow(hwnd)) return false;
  SendMessage(hwnd, it->callbackMessage, id, (LPARAM)mouseMessage);
  Desktop::PumpMessages();
  return true;
}
}  // namespace user

}  // namespace platform

BOOL SetLayeredWindowAttributes(HWND hwnd, COLORREF key, BYTE alpha, DWORD flags) {
  if (!IsWindow(hwnd) || !(GetWindowLong(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED)) return FALSE;
  auto& layered = platform::Sh().layered;
  auto it = std::find_if(layered.begin(), layered.end(), [hwnd](const auto& l) { return l.hwnd == hwnd; });
  if (it == layered.end()) it = layered.insert(layered.end(), {hwnd, 0, 255, 0});
  it->key = key, it->alpha = alpha, it->flags = flags;
  return TRUE;
}

BOOL GetLayeredWindowAttributes(HWND hwnd, COLORREF* key, BYTE* alpha, DWORD* flags) {
  auto& layered = platform::Sh().layered;
  auto it = std::find_if(layered.begin(), layered.end(), [hwnd](const auto& l) { return l.hwnd == hwnd; });
  if (it == layered.end() || !IsWindow(hwnd)) return FALSE;
  if (key) *key = it->key;
  if (alpha) *alpha = it->alpha;
  if (flags) *flags = it->flags;
  return TRUE;
}

BOOL Shell_NotifyIcon(DWORD message, PNOTIFYICONDATA data) {
  if (!data) return FALSE;
  auto& icons = platform::Sh().icons;
  auto it = platform::FindIcon(data->hWnd, data->uID);
  switch (message) {
    case NIM_ADD:
      if (it != icons.end() || !IsWindow(data->hWnd)) return FALSE;
      icons.push_back({data->hWnd, data->uID, 0, nullptr, CString()});
      platform::Apply(icons.back(), *data);
      return TRUE;
    case NIM_MODIFY:
      if (it == icons.end()) return FALSE;
      platform::Apply(*it, *data);
      return TRUE;
    case NIM_DELETE:
      if (it == icons.end()) return FALSE;
      icons.erase(it);
      return TRUE;
  }
  return FALSE;
}

HMODULE LoadLibrary(LPCTSTR name) {
  return name && CString(name).CompareNoCase("User32.dll") == 0 ? platform::kUser32 : nullptr;
}

FARPROC GetProcAddress(HMODULE module, LPCSTR name) {
  if (module != platform::kUser32 || !name) return nullptr;
  if (strcmp(name, "SetLayeredWindowAttributes") == 0) return (FARPROC)&SetLayeredWindowAttributes;
  return nullptr;
}

BOOL FreeLibrary(HMODULE module) { return module == platform::kUser32; }
