// The CToolTipCtrl wrapper: each call is one class message.
#include "platform/ui/ToolTipCtrl.h"

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

#define SEND(msg, w, l) ::SendMessage(m_hWnd, (msg), (WPARAM)(w), (LPARAM)(l))

namespace {

// MFC's rule: a tool without an id is the window itself, registered with its parent.
TOOLINFO ToolFor(CWnd* wnd, UINT_PTR id) {
  TOOLINFO ti = {};
  ti.cbSize = sizeof ti;
  HWND hwnd = wnd ? wnd->GetSafeHwnd() : nullptr;
  if (id == 0) {
    ti.hwnd = ::GetParent(hwnd);
    ti.uFlags = TTF_IDISHWND;
    ti.uId = (UINT_PTR)hwnd;
  } else {
    ti.hwnd = hwnd;
    ti.uId = id;
  }
  return ti;
}

}  // namespace

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style) {
  return CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, TOOLTIPS_CLASS, nullptr, WS_POPUP | style, CRect(0, 0, 0, 0),
                  parent, 0);
}

BOOL CToolTipCtrl::AddTool(CWnd* wnd, LPCTSTR text, LPCRECT rect, UINT_PTR id) {
  if (!wnd || !wnd->GetSafeHwnd()) return FALSE;
  TOOLINFO ti = ToolFor(wnd, id);
  ti.lpszText = (LPSTR)text;
  if (rect) ti.rect = *rect;
  return (BOOL)SEND(TTM_ADDTOOL, 0, &ti);
}

void CToolTipCtrl::DelTool(CWnd* wnd, UINT_PTR id) {
  TOOLINFO ti = ToolFor(wnd, id);
  SEND(TTM_DELTOOL, 0, &ti);
}

void CToolTipCtrl::UpdateTipText(LPCTSTR text, CWnd* wnd, UINT_PTR id) {
  TOOLINFO ti = ToolFor(wnd, id);
  ti.lpszText = (LPSTR)text;
  SEND(TTM_UPDATETIPTEXT, 0, &ti);
}

void CToolTipCtrl::GetText(CString& text, CWnd* wnd, UINT_PTR id) const {
  TOOLINFO ti = ToolFor(wnd, id);
  const int size = 256;
  ti.lpszText = text.GetBufferSetLength(size);
  ti.lpszText[0] = '\0';
  SEND(TTM_GETTEXT, size, &ti);
  text.ReleaseBuffer();
}

int CToolTipCtrl::GetToolCount() const { return (int)SEND(TTM_GETTOOLCOUNT, 0, 0); }
void CToolTipCtrl::Activate(BOOL activate) { SEND(TTM_ACTIVATE, activate, 0); }
void CToolTipCtrl::RelayEvent(LPMSG msg) { SEND(TTM_RELAYEVENT, 0, msg); }
int CToolTipCtrl::SetMaxTipWidth(int width) { return (int)SEND(TTM_SETMAXTIPWIDTH, 0, width); }
void CToolTipCtrl::SetDelayTime(UINT delay) { SEND(TTM_SETDELAYTIME, 0, delay); }
void CToolTipCtrl::Pop() { SEND(TTM_POP, 0, 0); }
