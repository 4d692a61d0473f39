// The assistance bar's tray icon, the icon's menu and the bar's transparency.
#include <cmath>

#include "common/FixedText.h"
#include "platform/ui/Menu.h"
#include "platform/ui/Shell.h"
#include "setup/DlgVNCTip.h"

namespace {

struct Transparency {
  UINT command;
  float value;
  BYTE alpha;
};

// "完全透明" (13486) has no entry: the menu never offers it.
const Transparency kTransparencies[] = {
    {ID_VNC_ALPHA_NONE, 1.0f, 255}, {ID_VNC_ALPHA_20, 0.2f, 203}, {ID_VNC_ALPHA_40, 0.4f, 152},
    {ID_VNC_ALPHA_60, 0.6f, 101},   {ID_VNC_ALPHA_80, 0.8f, 50},
};

UINT CommandOfTransparency(float value) {
  for (const Transparency& item : kTransparencies)
    if (std::fabs(item.value - value) < 0.05f) return item.command;
  return ID_VNC_ALPHA_NONE;
}

typedef BOOL (*SetLayeredFn)(HWND, COLORREF, BYTE, DWORD);

}  // namespace

void CDlgVNCTip::OnTransparency(UINT id) {
  for (const Transparency& item : kTransparencies) {
    if (item.command != id) continue;
    m_fTransparency = item.value;
    SetAlpha(item.alpha);
  }
}

// Looked up at run time: older systems have no layered windows, and the bar then stays opaque.
void CDlgVNCTip::SetAlpha(BYTE alpha) {
  HMODULE user32 = LoadLibrary("User32.DLL");
  if (!user32) return;
  if (FARPROC proc = GetProcAddress(user32, "SetLayeredWindowAttributes"))
    reinterpret_cast<SetLayeredFn>(proc)(m_hWnd, 0, alpha, LWA_ALPHA);
  FreeLibrary(user32);
}

BOOL CDlgVNCTip::TrayIcon(int nAction, CString csTip) {
  NOTIFYICONDATA data{};
  data.cbSize = sizeof(data);
  data.hWnd = m_hWnd;
  data.uID = kVncTrayIconId;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = WM_MOUSEMOVE;
  data.hIcon = m_hTrayIcon;
  CopyField(data.szTip, csTip);
  DWORD message = nAction == kTrayAdd ? NIM_ADD : nAction == kTrayDelete ? NIM_DELETE : NIM_MODIFY;
  BOOL done = Shell_NotifyIcon(message, &data);
  if (done && nAction == kTrayAdd) m_bIconShown = true;
  if (done && nAction == kTrayDelete) m_bIconShown = false;
  return done;
}

// The tray icon's callback arrives as WM_MOUSEMOVE with the icon id as flags and the mouse
// message as x.
void CDlgVNCTip::OnMouseMove(UINT flags, CPoint point) {
  if (flags == kVncTrayIconId) OnTrayNotify(flags, (UINT)point.x);
  CDialog::OnMouseMove(flags, point);
}

void CDlgVNCTip::OnTrayNotify(UINT, UINT mouseMessage) {
  switch (mouseMessage) {
    case WM_RBUTTONDOWN:
      ShowTrayMenu();
      break;
    case WM_LBUTTONUP:
      TrayIcon(kTrayAdd, m_csTitle);
      break;
    case WM_LBUTTONDBLCLK:
      TrayIcon(kTrayAdd, m_csTitle);
      OnOpen();
      break;
  }
}

// A visible bar offers transparency and hiding, a hidden one opening; ending only while a
// session runs.
void CDlgVNCTip::ShowTrayMenu() {
  CMenu menu;
  if (!menu.LoadMenu(IDR_VNC_TIP_MENU)) return;
  CMenu* popup = menu.GetSubMenu(0);
  if (!popup) return;
  if (IsWindowVisible()) {
    popup->DeleteMenu(ID_VNC_OPEN, MF_BYCOMMAND);
    popup->DeleteMenu(ID_VNC_ALPHA_FULL, MF_BYCOMMAND);
    popup->CheckMenuRadioItem(ID_VNC_ALPHA_NONE, ID_VNC_ALPHA_FULL, CommandOfTransparency(m_fTransparency),
                              MF_BYCOMMAND);
  } else {
    popup->DeleteMenu(0, MF_BYPOSITION);
    popup->DeleteMenu(ID_VNC_HIDE, MF_BYCOMMAND);
  }
  if (!m_bInAssist) popup->DeleteMenu(ID_VNC_END_ASSIST, MF_BYCOMMAND);
  POINT cursor{};
  GetCursorPos(&cursor);
  popup->TrackPopupMenu(TPM_RIGHTBUTTON, cursor.x, cursor.y, this);
  PostMessage(WM_NULL);
  menu.DestroyMenu();
}
