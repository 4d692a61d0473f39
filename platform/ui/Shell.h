// The notification area (tray icons), layered-window transparency and the system libraries the
// module looks functions up in: recorded, deterministic stand-ins.
#pragma once

#include <vector>

#include "platform/CString.h"
#include "platform/ui/Messages.h"

// ---- Layered windows ----
#define LWA_COLORKEY 0x00000001
#define LWA_ALPHA 0x00000002
// FALSE unless the window has WS_EX_LAYERED.
BOOL SetLayeredWindowAttributes(HWND hwnd, COLORREF key, BYTE alpha, DWORD flags);
BOOL GetLayeredWindowAttributes(HWND hwnd, COLORREF* key, BYTE* alpha, DWORD* flags);

// ---- Tray icons ----
#define NIM_ADD 0x00000000
#define NIM_MODIFY 0x00000001
#define NIM_DELETE 0x00000002
#define NIF_MESSAGE 0x00000001
#define NIF_ICON 0x00000002
#define NIF_TIP 0x00000004

struct NOTIFYICONDATA {
  DWORD cbSize;
  HWND hWnd;
  UINT uID;
  UINT uFlags;
  UINT uCallbackMessage;
  HICON hIcon;
  CHAR szTip[64];
};
typedef NOTIFYICONDATA* PNOTIFYICONDATA;

// Adds, changes or removes the icon (window, id); adding an icon that exists fails, as do
// changing and removing one that does not.
BOOL Shell_NotifyIcon(DWORD message, PNOTIFYICONDATA data);

namespace platform {
struct TrayIcon {
  HWND hwnd;
  UINT id;
  UINT callbackMessage;
  HICON icon;
  CString tip;
};
// The icons in the notification area now, in the order they were added.
const std::vector<TrayIcon>& TrayIcons();
void ClearTrayIcons();
namespace user {
// The user's mouse on a tray icon: its callback message with the icon id and the mouse message.
bool TrayIconMouse(HWND hwnd, UINT id, UINT mouseMessage);
}  // namespace user
}  // namespace platform

// ---- System libraries ----
typedef HINSTANCE HMODULE;
typedef void (*FARPROC)();
// "User32.dll" (any case) is known and offers SetLayeredWindowAttributes; other names give NULL.
HMODULE LoadLibrary(LPCTSTR name);
FARPROC GetProcAddress(HMODULE module, LPCSTR name);
BOOL FreeLibrary(HMODULE module);
