// CWnd: a C++ object attached to one headless window of the desktop's window tree.
// Messages reach the object through the virtual WindowProc, which calls the plain virtual
// handlers below; a handler that wants the window class's own behaviour calls Default().
// Small per-window command tables (MapCommand, MapControl, MapNotify, MapMessage), filled in
// constructors, take the place of MFC's message-map macros.
#pragma once

#include <functional>
#include <map>
#include <vector>

#include "platform/CString.h"
#include "platform/Geometry.h"
#include "platform/Object.h"
#include "platform/ui/Messages.h"
#include "platform/ui/ScrollBars.h"

class CWnd;
class CDataExchange;
class CRgn;
typedef void (*TIMERPROC)(HWND, UINT, UINT_PTR, DWORD);

class CCmdTarget : public CObject {
  DECLARE_DYNAMIC(CCmdTarget)
};

class CWnd : public CCmdTarget {
  DECLARE_DYNAMIC(CWnd)

 public:
  CWnd();
  // Destroys the window when it is still attached.
  ~CWnd() override;
  explicit CWnd(HWND special) : m_hWnd(special) {}
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  HWND m_hWnd = nullptr;
  HWND GetSafeHwnd() const { return m_hWnd; }

  // Insert-after values for SetWindowPos.
  static const CWnd wndTop;
  static const CWnd wndBottom;
  static const CWnd wndTopMost;
  static const CWnd wndNoTopMost;
  operator HWND() const { return m_hWnd; }

  // The object attached to a window; a window without one gets a wrapper of its class
  // (CButton for "Button" ...) owned by the desktop and deleted with the window.
  static CWnd* FromHandle(HWND hwnd);
  // The attached object only (no wrapper), or NULL.
  static CWnd* FromHandlePermanent(HWND hwnd);
  BOOL Attach(HWND hwnd);
  HWND Detach();
  // Attaches this object to an existing window so that its messages reach this object first.
  BOOL SubclassWindow(HWND hwnd);
  BOOL SubclassDlgItem(UINT id, CWnd* parent);
  HWND UnsubclassWindow();

  // ---- Creation and destruction ----
  virtual BOOL Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect,
                      CWnd* parent, UINT id, LPVOID param = nullptr);
  BOOL CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect,
                CWnd* parent, UINT id, LPVOID param = nullptr);
  BOOL CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, int x, int y,
                int width, int height, HWND parent, HMENU idOrMenu, LPVOID param = nullptr);
  virtual BOOL DestroyWindow();
  virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
  virtual void PreSubclassWindow();
  // Called after the last message (WM_NCDESTROY); a class that owns itself may `delete this`.
  virtual void PostNcDestroy();

  // ---- Messages ----
  LRESULT SendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  BOOL PostMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  LRESULT SendDlgItemMessage(int id, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
  // The window class's own behaviour (the control's procedure, or the generic default).
  virtual LRESULT DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
  // DefWindowProc of the message being handled.
  LRESULT Default();
  // Keyboard and mouse input passes through the target and its ancestors up to the top-level
  // window before it is dispatched; TRUE swallows the message.
  virtual BOOL PreTranslateMessage(MSG* msg);
  // WM_COMMAND: the whole wParam (control id and code) and the control's handle as lParam.
  // The base reflects a control's notification to the control (OnChildNotify), then looks up
  // the command table; FALSE when nothing handled it.
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
  // A notification of this control to its parent, offered to the control first.
  virtual BOOL OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result);

  // ---- Handlers (the base calls Default()) ----
  virtual int OnCreate(LPCREATESTRUCT cs);
  virtual void OnDestroy();
  virtual void OnClose();
  virtual void OnSize(UINT type, int cx, int cy);
  virtual void OnMove(int x, int y);
  virtual void OnShowWindow(BOOL show, UINT status);
  virtual void OnEnable(BOOL enable);
  virtual void OnActivate(UINT state, CWnd* other, BOOL minimized);
  virtual void OnTimer(UINT_PTR id);
  virtual void OnSetFocus(CWnd* oldWnd);
  virtual void OnKillFocus(CWnd* newWnd);
  virtual void OnCaptureChanged(CWnd* wnd);
  virtual void OnLButtonDown(UINT flags, CPoint point);
  virtual void OnLButtonUp(UINT flags, CPoint point);
  virtual void OnLButtonDblClk(UINT flags, CPoint point);
  virtual void OnRButtonDown(UINT flags, CPoint point);
  virtual void OnRButtonUp(UINT flags, CPoint point);
  virtual void OnMouseMove(UINT flags, CPoint point);
  virtual BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
  virtual BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
  virtual void OnContextMenu(CWnd* wnd, CPoint point);
  virtual void OnKeyDown(UINT ch, UINT repeat, UINT flags);
  virtual void OnKeyUp(UINT ch, UINT repeat, UINT flags);
  virtual void OnChar(UINT ch, UINT repeat, UINT flags);
  virtual void OnSysCommand(UINT id, LPARAM lParam);
  virtual void OnHScroll(UINT code, UINT pos, CWnd* scrollBar);
  virtual void OnVScroll(UINT code, UINT pos, CWnd* scrollBar);
  virtual void OnMeasureItem(int id, MEASUREITEMSTRUCT* mis);
  // Painting hook: reached by WM_PAINT (UpdateWindow, or the pump for an invalidated window).
  virtual void OnPaint();

  // ---- Window state ----
  void SetWindowText(LPCTSTR text);
  void GetWindowText(CString& text) const;
  int GetWindowText(LPTSTR buffer, int size) const;
  int GetWindowTextLength() const;
  CString GetClassName() const;
  DWORD GetStyle() const;
  DWORD GetExStyle() const;
  BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
  BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0);
  int GetDlgCtrlID() const;
  int SetDlgCtrlID(int id);

  CWnd* GetParent() const;
  CWnd* SetParent(CWnd* parent);
  CWnd* GetOwner() const;
  void SetOwner(CWnd* owner);
  CWnd* GetTopLevelParent() const;
  CWnd* GetWindow(UINT relation) const;
  CWnd* GetNextWindow(UINT relation = GW_HWNDNEXT) const;
  CWnd* GetTopWindow() const;
  BOOL IsChild(const CWnd* wnd) const;

  BOOL ShowWindow(int command);
  BOOL IsWindowVisible() const;
  BOOL EnableWindow(BOOL enable = TRUE);
  BOOL IsWindowEnabled() const;
  BOOL IsIconic() const;
  BOOL IsZoomed() const;

  void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
  void MoveWindow(LPCRECT rect, BOOL repaint = TRUE);
  BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
  // Rectangles: the window's in screen coordinates; the client area is the whole window.
  void GetWindowRect(LPRECT rect) const;
  void GetClientRect(LPRECT rect) const;
  void ClientToScreen(LPPOINT point) const;
  void ClientToScreen(LPRECT rect) const;
  void ScreenToClient(LPPOINT point) const;
  void ScreenToClient(LPRECT rect) const;
  void CenterWindow(CWnd* alternateOwner = nullptr);
  void BringWindowToTop();
  BOOL SetForegroundWindow();
  CWnd* SetActiveWindow();
  void Invalidate(BOOL erase = TRUE);
  void InvalidateRect(LPCRECT rect, BOOL erase = TRUE);
  void ValidateRect(LPCRECT rect);
  // The update region (copied into rgn) and its bounding box, as a paint handler sees them
  // before its paint DC validates the window. GetUpdateRgn returns the region's kind.
  int GetUpdateRgn(CRgn* rgn, BOOL erase = FALSE) const;
  BOOL GetUpdateRect(LPRECT rect, BOOL erase = FALSE) const;
  void UpdateWindow();

  CWnd* SetFocus();
  static CWnd* GetFocus();
  CWnd* SetCapture();
  static CWnd* GetCapture();
  static CWnd* GetActiveWindow();
  static CWnd* GetForegroundWindow();
  static CWnd* FindWindow(LPCTSTR className, LPCTSTR windowName);

  // Scroll bars (SB_HORZ / SB_VERT).
  BOOL SetScrollInfo(int bar, LPSCROLLINFO info, BOOL redraw = TRUE);
  BOOL GetScrollInfo(int bar, LPSCROLLINFO info, UINT mask = SIF_ALL);
  int SetScrollPos(int bar, int pos, BOOL redraw = TRUE);
  int GetScrollPos(int bar) const;
  void SetScrollRange(int bar, int minPos, int maxPos, BOOL redraw = TRUE);
  void GetScrollRange(int bar, int* minPos, int* maxPos) const;
  int GetScrollLimit(int bar);
  void ShowScrollBar(UINT bar, BOOL show = TRUE);
  BOOL EnableScrollBar(int bar, UINT arrows = ESB_ENABLE_BOTH);

  UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc = nullptr);
  BOOL KillTimer(UINT_PTR id);

  // ---- Dialog items ----
  CWnd* GetDlgItem(int id) const;
  void SetDlgItemText(int id, LPCTSTR text);
  int GetDlgItemText(int id, CString& text) const;
  int GetDlgItemText(int id, LPTSTR buffer, int size) const;
  UINT GetDlgItemInt(int id, BOOL* translated = nullptr, BOOL isSigned = TRUE) const;
  void SetDlgItemInt(int id, UINT value, BOOL isSigned = TRUE);
  void CheckDlgButton(int id, UINT check);
  UINT IsDlgButtonChecked(int id) const;
  void CheckRadioButton(int firstId, int lastId, int checkId);
  int GetCheckedRadioButton(int firstId, int lastId);
  CWnd* GetNextDlgTabItem(CWnd* control, BOOL previous = FALSE) const;
  CWnd* GetNextDlgGroupItem(CWnd* control, BOOL previous = FALSE) const;

  // Dialog data exchange: DoDataExchange with the direction; FALSE when a check failed
  // (after its message box).
  BOOL UpdateData(BOOL saveAndValidate = TRUE);
  virtual void DoDataExchange(CDataExchange* dx);

  int MessageBox(LPCTSTR text, LPCTSTR caption = nullptr, UINT type = MB_OK);

 protected:
  // ---- Command tables ----
  // WM_COMMAND from control or menu `id` with notification `code` (BN_CLICKED for buttons and
  // menus, also code 1 for accelerators).
  void MapCommand(UINT id, std::function<void()> handler);
  void MapCommandRange(UINT firstId, UINT lastId, std::function<void(UINT)> handler);
  void MapControl(UINT code, UINT id, std::function<void()> handler);
  void MapNotify(UINT code, UINT id, std::function<void(NMHDR*, LRESULT*)> handler);
  // Any message (WM_USER+n, registered messages ...), handled before the built-in handlers.
  void MapMessage(UINT msg, std::function<LRESULT(WPARAM, LPARAM)> handler);

  template <class T>
  void MapCommand(UINT id, void (T::*fn)()) {
    MapCommand(id, [this, fn] { (static_cast<T*>(this)->*fn)(); });
  }
  template <class T>
  void MapControl(UINT code, UINT id, void (T::*fn)()) {
    MapControl(code, id, [this, fn] { (static_cast<T*>(this)->*fn)(); });
  }
  template <class T>
  void MapNotify(UINT code, UINT id, void (T::*fn)(NMHDR*, LRESULT*)) {
    MapNotify(code, id, [this, fn](NMHDR* n, LRESULT* r) { (static_cast<T*>(this)->*fn)(n, r); });
  }
  template <class T>
  void MapMessage(UINT msg, LRESULT (T::*fn)(WPARAM, LPARAM)) {
    MapMessage(msg, [this, fn](WPARAM w, LPARAM l) { return (static_cast<T*>(this)->*fn)(w, l); });
  }

  // Dispatches one message to the handlers; FALSE when no handler took it.
  virtual BOOL OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result);
  // The command table lookup behind OnCommand and OnNotify.
  BOOL DispatchCommand(WPARAM wParam);
  BOOL DispatchNotify(NMHDR* hdr, LRESULT* result);

 private:
  friend class CWndAccess;
  struct CurrentMessage {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
  };
  struct RangeEntry {
    UINT first, last;
    std::function<void(UINT)> handler;
  };
  std::vector<CurrentMessage> current_;  // messages being handled, innermost last
  std::map<uint64_t, std::function<void()>> commands_;
  std::vector<RangeEntry> commandRanges_;
  std::map<uint64_t, std::function<void(NMHDR*, LRESULT*)>> notifies_;
  std::map<UINT, std::function<LRESULT(WPARAM, LPARAM)>> messages_;
};

// ---- Win32 functions over window handles ----
LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
HWND CreateWindowEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, int x,
                    int y, int width, int height, HWND parent, HMENU idOrMenu, HINSTANCE instance,
                    LPVOID param);
BOOL DestroyWindow(HWND hwnd);
BOOL IsWindow(HWND hwnd);
BOOL IsWindowVisible(HWND hwnd);
BOOL IsWindowEnabled(HWND hwnd);
BOOL EnableWindow(HWND hwnd, BOOL enable);
BOOL ShowWindow(HWND hwnd, int command);
BOOL IsIconic(HWND hwnd);
BOOL SetWindowText(HWND hwnd, LPCTSTR text);
int GetWindowText(HWND hwnd, LPTSTR buffer, int size);
int GetWindowTextLength(HWND hwnd);
int GetClassName(HWND hwnd, LPTSTR buffer, int size);
LONG GetWindowLong(HWND hwnd, int index);
LONG SetWindowLong(HWND hwnd, int index, LONG value);
HWND GetParent(HWND hwnd);
HWND GetWindow(HWND hwnd, UINT relation);
#define GA_PARENT 1
#define GA_ROOT 2
#define GA_ROOTOWNER 3
HWND GetAncestor(HWND hwnd, UINT flags);
BOOL IsChild(HWND parent, HWND hwnd);
HWND GetDlgItem(HWND dialog, int id);
int GetDlgCtrlID(HWND hwnd);
BOOL SetDlgItemText(HWND dialog, int id, LPCTSTR text);
UINT GetDlgItemText(HWND dialog, int id, LPTSTR buffer, int size);
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
BOOL GetWindowRect(HWND hwnd, LPRECT rect);
BOOL GetClientRect(HWND hwnd, LPRECT rect);
BOOL ClientToScreen(HWND hwnd, LPPOINT point);
BOOL ScreenToClient(HWND hwnd, LPPOINT point);
BOOL BringWindowToTop(HWND hwnd);
BOOL SetForegroundWindow(HWND hwnd);
HWND GetForegroundWindow();
HWND SetActiveWindow(HWND hwnd);
HWND GetActiveWindow();
HWND SetFocus(HWND hwnd);
HWND GetFocus();
HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();
HWND GetCapture();
BOOL InvalidateRect(HWND hwnd, LPCRECT rect, BOOL erase);
BOOL ValidateRect(HWND hwnd, LPCRECT rect);
BOOL GetUpdateRect(HWND hwnd, LPRECT rect, BOOL erase);
BOOL UpdateWindow(HWND hwnd);
HWND WindowFromPoint(POINT point);
BOOL GetCursorPos(LPPOINT point);
BOOL SetCursorPos(int x, int y);
// A top-level window by exact title and/or class (NULL matches any), topmost first.
HWND FindWindow(LPCTSTR className, LPCTSTR windowName);
typedef BOOL (*WNDENUMPROC)(HWND, LPARAM);
// Every top-level window, topmost first, until the callback returns FALSE.
BOOL EnumWindows(WNDENUMPROC proc, LPARAM lParam);
BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam);
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc);
BOOL KillTimer(HWND hwnd, UINT_PTR id);
#define USER_TIMER_MINIMUM 0x0000000A
BOOL MapDialogRect(HWND dialog, LPRECT rect);
