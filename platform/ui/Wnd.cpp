#include "platform/ui/Wnd.h"

#include <algorithm>

#include "platform/gdi/Rgn.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Screen.h"
#include "platform/ui/WindowTree.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)
IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

namespace {

// The message being handled, for Default(); saved and restored around every WindowProc call,
// so that nothing is kept in an object that its handler may delete.
MSG g_lastSent = {};

struct LastSentScope {
  MSG saved;
  LastSentScope(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) : saved(g_lastSent) {
    g_lastSent.hwnd = hwnd, g_lastSent.message = msg, g_lastSent.wParam = wParam, g_lastSent.lParam = lParam;
  }
  ~LastSentScope() { g_lastSent = saved; }
};

uint64_t Key(UINT code, UINT id) { return ((uint64_t)code << 32) | id; }

}  // namespace

CWnd::CWnd() = default;

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

CWnd::~CWnd() {
  if (m_hWnd && platform::tree::Find(m_hWnd)) {
    HWND hwnd = m_hWnd;
    platform::tree::DetachObject(hwnd);
    m_hWnd = nullptr;
    ::DestroyWindow(hwnd);
  }
}

CWnd* CWnd::FromHandle(HWND hwnd) {
  platform::tree::Window* w = platform::tree::Find(hwnd);
  if (!w) return nullptr;
  if (!w->object) {
    CWnd* wrapper = (w->cls && w->cls->makeWrapper) ? w->cls->makeWrapper() : new CWnd;
    platform::tree::AttachObject(hwnd, wrapper, true);
  }
  return w->object;
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd) {
  platform::tree::Window* w = platform::tree::Find(hwnd);
  return w && !w->objectIsWrapper ? w->object : nullptr;
}

BOOL CWnd::Attach(HWND hwnd) {
  platform::tree::Window* w = platform::tree::Find(hwnd);
  if (!w || m_hWnd || (w->object && !w->objectIsWrapper)) return FALSE;
  platform::tree::AttachObject(hwnd, this, false);
  return TRUE;
}

HWND CWnd::Detach() {
  HWND hwnd = m_hWnd;
  if (hwnd) platform::tree::DetachObject(hwnd);
  m_hWnd = nullptr;
  return hwnd;
}

BOOL CWnd::SubclassWindow(HWND hwnd) {
  if (!Attach(hwnd)) return FALSE;
  PreSubclassWindow();
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
  return parent && SubclassWindow(::GetDlgItem(parent->m_hWnd, (int)id));
}

HWND CWnd::UnsubclassWindow() { return Detach(); }

BOOL CWnd::Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                  UINT id, LPVOID param) {
  return CreateEx(0, className, windowName, style | WS_CHILD, rect, parent, id, param);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect,
                    CWnd* parent, UINT id, LPVOID param) {
  return CreateEx(exStyle, className, windowName, style, rect.left, rect.top, rect.right - rect.left,
                  rect.bottom - rect.top, parent ? parent->m_hWnd : nullptr, (HMENU)(uintptr_t)id, param);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU idOrMenu, LPVOID param) {
  if (m_hWnd) return FALSE;
  CREATESTRUCT cs = {param, nullptr, idOrMenu, parent, height, width, y, x, (LONG)style,
                     windowName ? windowName : "", className ? className : "AfxWnd", exStyle};
  if (!PreCreateWindow(cs)) return FALSE;
  platform::tree::CreateParams p = {cs.dwExStyle, cs.lpszClass, cs.lpszName, (DWORD)cs.style,
                                    {cs.x, cs.y, cs.x + cs.cx, cs.y + cs.cy}, cs.hwndParent,
                                    (int)(uintptr_t)cs.hMenu, cs.lpCreateParams};
  return platform::tree::Create(p, this) != nullptr;
}

BOOL CWnd::DestroyWindow() { return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE; }

BOOL CWnd::PreCreateWindow(CREATESTRUCT&) { return TRUE; }

void CWnd::PreSubclassWindow() {}

void CWnd::PostNcDestroy() {}

LRESULT CWnd::SendMessage(UINT msg, WPARAM wParam, LPARAM lParam) { return ::SendMessage(m_hWnd, msg, wParam, lParam); }

BOOL CWnd::PostMessage(UINT msg, WPARAM wParam, LPARAM lParam) { return ::PostMessage(m_hWnd, msg, wParam, lParam); }

LRESULT CWnd::SendDlgItemMessage(int id, UINT msg, WPARAM wParam, LPARAM lParam) {
  return ::SendMessage(::GetDlgItem(m_hWnd, id), msg, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCDESTROY) {
    // The last message: detach, then let the class release itself; nothing touches `this` after.
    HWND hwnd = m_hWnd;
    platform::tree::CallClassProc(hwnd, msg, wParam, lParam);
    bool wrapper = platform::tree::DetachObject(hwnd);
    m_hWnd = nullptr;
    if (wrapper)
      delete this;
    else
      PostNcDestroy();
    return 0;
  }
  LastSentScope scope(m_hWnd, msg, wParam, lParam);
  LRESULT result = 0;
  if (!OnWndMsg(msg, wParam, lParam, &result)) result = DefWindowProc(msg, wParam, lParam);
  return result;
}

LRESULT CWnd::DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  return platform::tree::CallClassProc(m_hWnd, msg, wParam, lParam);
}

LRESULT CWnd::Default() {
  if (!m_hWnd || g_lastSent.hwnd != m_hWnd) return 0;
  return DefWindowProc(g_lastSent.message, g_lastSent.wParam, g_lastSent.lParam);
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  CWnd* control = FromHandlePermanent((HWND)lParam);
  LRESULT result = 0;
  if (control && control != this && control->OnChildNotify(WM_COMMAND, wParam, lParam, &result)) return TRUE;
  return DispatchCommand(wParam);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
  NMHDR* hdr = (NMHDR*)lParam;
  if (!hdr) return FALSE;
  CWnd* control = FromHandlePermanent(hdr->hwndFrom);
  if (control && control != this && control->OnChildNotify(WM_NOTIFY, wParam, lParam, result)) return TRUE;
  return DispatchNotify(hdr, result);
}

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) { return FALSE; }

BOOL CWnd::DispatchCommand(WPARAM wParam) {
  UINT id = LOWORD(wParam), code = HIWORD(wParam);
  auto it = commands_.find(Key(code, id));
  if (it == commands_.end() && code == 1) it = commands_.find(Key(0, id));  // accelerators
  if (it != commands_.end()) {
    auto handler = it->second;  // the handler may change the table
    handler();
    return TRUE;
  }
  if (code != 0) return FALSE;
  for (const RangeEntry& range : commandRanges_) {
    if (id < range.first || id > range.last) continue;
    auto handler = range.handler;
    handler(id);
    return TRUE;
  }
  return FALSE;
}

BOOL CWnd::DispatchNotify(NMHDR* hdr, LRESULT* result) {
  auto it = notifies_.find(Key(hdr->code, (UINT)hdr->idFrom));
  if (it == notifies_.end()) return FALSE;
  auto handler = it->second;
  handler(hdr, result);
  return TRUE;
}

void CWnd::MapCommand(UINT id, std::function<void()> handler) { commands_[Key(BN_CLICKED, id)] = std::move(handler); }

void CWnd::MapCommandRange(UINT firstId, UINT lastId, std::function<void(UINT)> handler) {
  commandRanges_.push_back({firstId, lastId, std::move(handler)});
}

void CWnd::MapControl(UINT code, UINT id, std::function<void()> handler) { commands_[Key(code, id)] = std::move(handler); }

void CWnd::MapNotify(UINT code, UINT id, std::function<void(NMHDR*, LRESULT*)> handler) {
  notifies_[Key(code, id)] = std::move(handler);
}

void CWnd::MapMessage(UINT msg, std::function<LRESULT(WPARAM, LPARAM)> handler) { messages_[msg] = std::move(handler); }

BOOL CWnd::OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  auto mapped = messages_.find(msg);
  if (mapped != messages_.end()) {
    auto handler = mapped->second;
    *result = handler(wParam, lParam);
    return TRUE;
  }
  CPoint point((LPARAM)lParam);
  switch (msg) {
    case WM_COMMAND:
      return OnCommand(wParam, lParam);
    case WM_NOTIFY:
      return OnNotify(wParam, lParam, result);
    case WM_CREATE: *result = OnCreate((LPCREATESTRUCT)lParam); return TRUE;
    case WM_DESTROY: OnDestroy(); return TRUE;
    case WM_CLOSE: OnClose(); return TRUE;
    case WM_SIZE: OnSize((UINT)wParam, LOWORD(lParam), HIWORD(lParam)); return TRUE;
    case WM_MOVE: OnMove((short)LOWORD(lParam), (short)HIWORD(lParam)); return TRUE;
    case WM_SHOWWINDOW: OnShowWindow((BOOL)wParam, (UINT)lParam); return TRUE;
    case WM_ENABLE: OnEnable((BOOL)wParam); return TRUE;
    case WM_ACTIVATE: OnActivate(LOWORD(wParam), FromHandle((HWND)lParam), HIWORD(wParam)); return TRUE;
    case WM_TIMER: OnTimer(wParam); return TRUE;
    case WM_SETFOCUS: OnSetFocus(FromHandle((HWND)wParam)); return TRUE;
    case WM_KILLFOCUS: OnKillFocus(FromHandle((HWND)wParam)); return TRUE;
    case WM_CAPTURECHANGED: OnCaptureChanged(FromHandle((HWND)lParam)); return TRUE;
    case WM_LBUTTONDOWN: OnLButtonDown((UINT)wParam, point); return TRUE;
    case WM_LBUTTONUP: OnLButtonUp((UINT)wParam, point); return TRUE;
    case WM_LBUTTONDBLCLK: OnLButtonDblClk((UINT)wParam, point); return TRUE;
    case WM_RBUTTONDOWN: OnRButtonDown((UINT)wParam, point); return TRUE;
    case WM_RBUTTONUP: OnRButtonUp((UINT)wParam, point); return TRUE;
    case WM_MOUSEMOVE: OnMouseMove((UINT)wParam, point); return TRUE;
    case WM_MOUSEWHEEL: *result = OnMouseWheel(LOWORD(wParam), (short)HIWORD(wParam), point); return TRUE;
    case WM_SETCURSOR:
      *result = OnSetCursor(FromHandle((HWND)wParam), LOWORD(lParam), HIWORD(lParam));
      return TRUE;
    case WM_CONTEXTMENU: OnContextMenu(FromHandle((HWND)wParam), point); return TRUE;
    case WM_KEYDOWN: OnKeyDown((UINT)wParam, LOWORD(lParam), HIWORD(lParam)); return TRUE;
    case WM_KEYUP: OnKeyUp((UINT)wParam, LOWORD(lParam), HIWORD(lParam)); return TRUE;
    case WM_CHAR: OnChar((UINT)wParam, LOWORD(lParam), HIWORD(lParam)); return TRUE;
    case WM_SYSCOMMAND: OnSysCommand((UINT)wParam, lParam); return TRUE;
    case WM_HSCROLL: OnHScroll(LOWORD(wParam), HIWORD(wParam), FromHandle((HWND)lParam)); return TRUE;
    case WM_VSCROLL: OnVScroll(LOWORD(wParam), HIWORD(wParam), FromHandle((HWND)lParam)); return TRUE;
    case WM_MEASUREITEM: OnMeasureItem((int)wParam, (MEASUREITEMSTRUCT*)lParam); return TRUE;
    case WM_PAINT: OnPaint(); return TRUE;
  }
  return FALSE;
}

int CWnd::OnCreate(LPCREATESTRUCT) { return (int)Default(); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnEnable(BOOL) { Default(); }
void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnCaptureChanged(CWnd*) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) { return (BOOL)Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return (BOOL)Default(); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
void CWnd::OnHScroll(UINT, UINT, CWnd*) { Default(); }
void CWnd::OnVScroll(UINT, UINT, CWnd*) { Default(); }
// The base offers the measuring to the control itself (CListBox::MeasureItem ...).
void CWnd::OnMeasureItem(int, MEASUREITEMSTRUCT* mis) {
  CWnd* control = mis ? FromHandlePermanent(::GetDlgItem(m_hWnd, (int)mis->CtlID)) : nullptr;
  LRESULT result = 0;
  if (control && control->OnChildNotify(WM_MEASUREITEM, (WPARAM)mis->CtlID, (LPARAM)mis, &result)) return;
  Default();
}
void CWnd::OnPaint() { Default(); }

void CWnd::SetWindowText(LPCTSTR text) { ::SetWindowText(m_hWnd, text); }

void CWnd::GetWindowText(CString& text) const {
  int len = ::GetWindowTextLength(m_hWnd);
  char* buffer = text.GetBufferSetLength(len);
  ::GetWindowText(m_hWnd, buffer, len + 1);
  text.ReleaseBuffer();
}

int CWnd::GetWindowText(LPTSTR buffer, int size) const { return ::GetWindowText(m_hWnd, buffer, size); }

int CWnd::GetWindowTextLength() const { return ::GetWindowTextLength(m_hWnd); }

CString CWnd::GetClassName() const {
  platform::tree::Window* w = platform::tree::Find(m_hWnd);
  return w ? CString(w->className.c_str()) : CString();
}

DWORD CWnd::GetStyle() const { return (DWORD)::GetWindowLong(m_hWnd, GWL_STYLE); }

DWORD CWnd::GetExStyle() const { return (DWORD)::GetWindowLong(m_hWnd, GWL_EXSTYLE); }

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT) {
  DWORD style = GetStyle(), changed = (style & ~remove) | add;
  if (!m_hWnd || style == changed) return FALSE;
  ::SetWindowLong(m_hWnd, GWL_STYLE, (LONG)changed);
  return TRUE;
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT) {
  DWORD style = GetExStyle(), changed = (style & ~remove) | add;
  if (!m_hWnd || style == changed) return FALSE;
  ::SetWindowLong(m_hWnd, GWL_EXSTYLE, (LONG)changed);
  return TRUE;
}

int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }

int CWnd::SetDlgCtrlID(int id) { return (int)::SetWindowLong(m_hWnd, GWL_ID, id); }

CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }

CWnd* CWnd::SetParent(CWnd* parent) {
  platform::tree::Window* w = platform::tree::Find(m_hWnd);
  if (!w) return nullptr;
  CWnd* old = FromHandle(w->parent ? w->parent : w->owner);
  if (w->parent && parent && platform::tree::Find(parent->m_hWnd)) {
    auto& siblings = platform::tree::Siblings(w);
    siblings.erase(std::find(siblings.begin(), siblings.end(), m_hWnd));
    w->parent = parent->m_hWnd;
    platform::tree::Find(w->parent)->children.push_back(m_hWnd);
  } else if (!w->parent) {
    w->owner = parent ? platform::tree::TopLevelOf(parent->m_hWnd) : nullptr;
  }
  return old;
}

CWnd* CWnd::GetOwner() const { return FromHandle(::GetWindow(m_hWnd, GW_OWNER)); }

void CWnd::SetOwner(CWnd* owner) {
  platform::tree::Window* w = platform::tree::Find(m_hWnd);
  if (w && !w->parent) w->owner = owner ? platform::tree::TopLevelOf(owner->m_hWnd) : nullptr;
}

CWnd* CWnd::GetTopLevelParent() const { return FromHandle(platform::tree::TopLevelOf(m_hWnd)); }

CWnd* CWnd::GetWindow(UINT relation) const { return FromHandle(::GetWindow(m_hWnd, relation)); }

CWnd* CWnd::GetNextWindow(UINT relation) const { return FromHandle(::GetWindow(m_hWnd, relation)); }

CWnd* CWnd::GetTopWindow() const { return FromHandle(::GetWindow(m_hWnd, GW_CHILD)); }

BOOL CWnd::IsChild(const CWnd* wnd) const { return wnd && ::IsChild(m_hWnd, wnd->m_hWnd); }

BOOL CWnd::ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }

BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }

BOOL CWnd::EnableWindow(BOOL enable) { return ::EnableWindow(m_hWnd, enable); }

BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }

BOOL CWnd::IsIconic() const { return ::IsIconic(m_hWnd); }

BOOL CWnd::IsZoomed() const {
  platform::tree::Window* w = platform::tree::Find(m_hWnd);
  return w && w->zoomed;
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
  ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}

void CWnd::MoveWindow(LPCRECT rect, BOOL repaint) {
  ::MoveWindow(m_hWnd, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
}

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags) {
  HWND after = insertAfter ? insertAfter->m_hWnd : HWND_TOP;
  return ::SetWindowPos(m_hWnd, after, x, y, cx, cy, flags);
}

void CWnd::GetWindowRect(LPRECT rect) const { ::GetWindowRect(m_hWnd, rect); }

void CWnd::GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }

void CWnd::ClientToScreen(LPPOINT point) const { ::ClientToScreen(m_hWnd, point); }

void CWnd::ClientToScreen(LPRECT rect) const {
  ::ClientToScreen(m_hWnd, (LPPOINT)&rect->left);
  ::ClientToScreen(m_hWnd, (LPPOINT)&rect->right);
}

void CWnd::ScreenToClient(LPPOINT point) const { ::ScreenToClient(m_hWnd, point); }

void CWnd::ScreenToClient(LPRECT rect) const {
  ::ScreenToClient(m_hWnd, (LPPOINT)&rect->left);
  ::ScreenToClient(m_hWnd, (LPPOINT)&rect->right);
}

void CWnd::CenterWindow(CWnd* alternateOwner) {
  platform::tree::Window* w = platform::tree::Find(m_hWnd);
  if (!w) return;
  RECT area = platform::WorkArea();
  HWND center = alternateOwner ? alternateOwner->m_hWnd : (w->parent ? w->parent : w->owner);
  if (w->parent) {
    ::GetClientRect(w->parent, &area);
  } else if (center && ::IsWindowVisible(center) && !::IsIconic(center)) {
    ::GetWindowRect(center, &area);
  }
  int width = w->rect.right - w->rect.left, height = w->rect.bottom - w->rect.top;
  int x = (area.left + area.right - width) / 2, y = (area.top + area.bottom - height) / 2;
  ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void CWnd::BringWindowToTop() { ::BringWindowToTop(m_hWnd); }

BOOL CWnd::SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }

CWnd* CWnd::SetActiveWindow() { return FromHandle(::SetActiveWindow(m_hWnd)); }

void CWnd::Invalidate(BOOL erase) { ::InvalidateRect(m_hWnd, nullptr, erase); }

void CWnd::InvalidateRect(LPCRECT rect, BOOL erase) { ::InvalidateRect(m_hWnd, rect, erase); }

void CWnd::ValidateRect(LPCRECT rect) { ::ValidateRect(m_hWnd, rect); }

int CWnd::GetUpdateRgn(CRgn* rgn, BOOL) const {
  if (!rgn) return RGN_ERROR;
  const gdi::SpanSet* update = platform::tree::UpdateRegion(m_hWnd);
  rgn->CreateFromPixels(update ? *update : gdi::SpanSet());
  RECT box;
  return rgn->GetRgnBox(&box);
}

BOOL CWnd::GetUpdateRect(LPRECT rect, BOOL erase) const { return ::GetUpdateRect(m_hWnd, rect, erase); }

void CWnd::UpdateWindow() { ::UpdateWindow(m_hWnd); }

CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }

CWnd* CWnd::GetFocus() { return FromHandle(::GetFocus()); }

CWnd* CWnd::SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }

CWnd* CWnd::GetCapture() { return FromHandle(::GetCapture()); }

CWnd* CWnd::GetActiveWindow() { return FromHandle(::GetActiveWindow()); }

CWnd* CWnd::GetForegroundWindow() { return FromHandle(::GetForegroundWindow()); }

CWnd* CWnd::FindWindow(LPCTSTR className, LPCTSTR windowName) { return FromHandle(::FindWindow(className, windowName)); }

BOOL CWnd::SetScrollInfo(int bar, LPSCROLLINFO info, BOOL redraw) {
  ::SetScrollInfo(m_hWnd, bar, info, redraw);
  return TRUE;
}

BOOL CWnd::GetScrollInfo(int bar, LPSCROLLINFO info, UINT mask) {
  if (!info) return FALSE;
  info->fMask = mask;
  return ::GetScrollInfo(m_hWnd, bar, info);
}

int CWnd::SetScrollPos(int bar, int pos, BOOL redraw) { return ::SetScrollPos(m_hWnd, bar, pos, redraw); }

int CWnd::GetScrollPos(int bar) const { return ::GetScrollPos(m_hWnd, bar); }

void CWnd::SetScrollRange(int bar, int minPos, int maxPos, BOOL redraw) {
  ::SetScrollRange(m_hWnd, bar, minPos, maxPos, redraw);
}

void CWnd::GetScrollRange(int bar, int* minPos, int* maxPos) const { ::GetScrollRange(m_hWnd, bar, minPos, maxPos); }

int CWnd::GetScrollLimit(int bar) {
  SCROLLINFO info = {sizeof info, SIF_RANGE | SIF_PAGE, 0, 0, 0, 0, 0};
  ::GetScrollInfo(m_hWnd, bar, &info);
  return info.nMax - std::max((int)info.nPage - 1, 0);
}

void CWnd::ShowScrollBar(UINT bar, BOOL show) { ::ShowScrollBar(m_hWnd, (int)bar, show); }

BOOL CWnd::EnableScrollBar(int bar, UINT arrows) { return ::EnableScrollBar(m_hWnd, (UINT)bar, arrows); }

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc) { return ::SetTimer(m_hWnd, id, elapse, proc); }

BOOL CWnd::KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }

CWnd* CWnd::GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }

void CWnd::SetDlgItemText(int id, LPCTSTR text) { ::SetDlgItemText(m_hWnd, id, text); }

int CWnd::GetDlgItemText(int id, CString& text) const {
  text.Empty();
  CWnd* item = GetDlgItem(id);
  if (item) item->GetWindowText(text);
  return text.GetLength();
}

int CWnd::GetDlgItemText(int id, LPTSTR buffer, int size) const {
  return (int)::GetDlgItemText(m_hWnd, id, buffer, size);
}

UINT CWnd::GetDlgItemInt(int id, BOOL* translated, BOOL isSigned) const {
  CString text;
  GetDlgItemText(id, text);
  text.Trim();
  const char* p = text;
  bool negative = isSigned && *p == '-';
  if (*p == '-' || *p == '+') p++;
  bool digits = *p >= '0' && *p <= '9';
  uint64_t value = 0;
  while (*p >= '0' && *p <= '9') value = std::min<uint64_t>(value * 10 + (uint64_t)(*p++ - '0'), 0x100000000ULL);
  bool ok = digits && *p == 0 && value <= (isSigned ? (negative ? 0x80000000ULL : 0x7FFFFFFFULL) : 0xFFFFFFFFULL);
  if (translated) *translated = ok;
  if (!ok) return 0;
  return negative ? (UINT)(-(int64_t)value) : (UINT)value;
}

void CWnd::SetDlgItemInt(int id, UINT value, BOOL isSigned) {
  CString text;
  if (isSigned)
    text.Format("%d", (int)value);
  else
    text.Format("%u", value);
  SetDlgItemText(id, text);
}

void CWnd::CheckDlgButton(int id, UINT check) { SendDlgItemMessage(id, BM_SETCHECK, check); }

UINT CWnd::IsDlgButtonChecked(int id) const {
  return (UINT)::SendMessage(::GetDlgItem(m_hWnd, id), BM_GETCHECK, 0, 0);
}

void CWnd::CheckRadioButton(int firstId, int lastId, int checkId) {
  for (int id = firstId; id <= lastId; ++id) CheckDlgButton(id, id == checkId ? BST_CHECKED : BST_UNCHECKED);
}

int CWnd::GetCheckedRadioButton(int firstId, int lastId) {
  for (int id = firstId; id <= lastId; ++id)
    if (IsDlgButtonChecked(id) == BST_CHECKED) return id;
  return 0;
}

int CWnd::MessageBox(LPCTSTR text, LPCTSTR caption, UINT type) {
  return ::MessageBox(m_hWnd, text, caption ? caption : (const char*)platform::MessageBoxes::AppName(), type);
}

void CWnd::DoDataExchange(CDataExchange*) {}
