// The desktop: the one window tree, the message queue and its pump, the one modal loop with its
// hook, the timers on the one clock, focus, capture and the routing of user input.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/ui/Messages.h"

class CWnd;

namespace platform {

// What a modal loop is waiting for.
enum class ModalKind { Dialog, MessageBox, Menu, Tracker, CommonDialog, Wait };

struct ModalState {
  ModalKind kind;
  HWND window;     // the modal window (the dialog, the message box, the menu's owner ...)
  int depth;       // 1 for the outermost modal loop
  int idlePasses;  // how often this loop has found nothing to do so far
};

// Called by every modal loop each time it has nothing to dispatch: the place where a test (or
// the host program's scenario) acts as the user or the host would.
using ModalHook = std::function<void(const ModalState&)>;
// Sees every message as it is delivered to a window procedure (sent, posted or timer).
using MessageSpy = std::function<void(const MSG&)>;

// Sees a keyboard or mouse message before anything else; true takes it.
using InputFilter = std::function<bool(const MSG&)>;

class Desktop {
 public:
  // Destroys every window, empties the queue, kills the timers, clears focus, capture, the hook
  // and the spy, removes the tray icons and restores the screen. Window classes and dialog
  // templates stay registered.
  static void Reset();

  // ---- The queue ----
  // Dispatches every waiting message now: posted messages in order, then the timers that have
  // fallen due, then paint for invalidated windows; repeats until nothing is left. Returns
  // whether anything was dispatched. WM_QUIT is left in the queue.
  static bool PumpMessages();
  static size_t PendingMessages();
  // Takes WM_QUIT from the queue when present (its exit code into *code).
  static bool TakeQuit(int* code);

  // ---- The modal loop ----
  // Runs until `running` returns false: dispatches messages, and when idle calls the hook;
  // when the hook did nothing, `fallback` (if given) may act and returns whether it did (a
  // message box takes its scripted answer there); on the real clock the loop then waits for the
  // next timer. A loop that can make no progress (no hook and no timer, or the hook doing
  // nothing many times over) is abandoned: returns false and counts in AbandonedLoops(). A
  // pending WM_QUIT also ends every loop (false, not counted).
  static bool RunModalLoop(ModalKind kind, HWND window, const std::function<bool()>& running,
                           const std::function<bool()>& fallback = nullptr);
  static void SetModalHook(ModalHook hook);
  static int ModalDepth();
  static int AbandonedLoops();

  // ---- Time ----
  // Moves the virtual clock forward by ms, firing the timers that fall due on the way in time
  // order (WM_TIMER to their windows, with posted messages dispatched between them); a periodic
  // timer re-arms. On the real clock it pumps messages for ms of real time.
  static void Advance(uint32_t ms);
  // A wait that keeps the user interface alive: a modal loop of kind Wait for ms, dispatching
  // messages and calling the hook when idle; otherwise time passes (the virtual clock jumps to
  // the next timer or the end, the real clock sleeps).
  static void Wait(uint32_t ms);
  // Ticks until the next timer is due (0 when one is due now); false when there is no timer.
  static bool NextTimer(uint32_t* ticksUntilDue);
  static size_t TimerCount();

  static void SetMessageSpy(MessageSpy spy);

  // ---- User input ----
  // A keyboard message for `target`, else the focus window, else the active window: offered to
  // PreTranslateMessage from
  // the target up to its top-level window, then dispatched; WM_KEYDOWN is translated to WM_CHAR
  // for characters. Returns whether a window received it.
  static bool DeliverKey(UINT msg, WPARAM wParam, LPARAM lParam = 0, HWND target = nullptr);
  // A mouse message at a screen point: to the capture window, or else to the deepest visible,
  // enabled window under the point (nothing when its top-level window is disabled). Offered to
  // PreTranslateMessage like keys. Returns the window that received it, or NULL.
  static HWND DeliverMouse(UINT msg, POINT screen, WPARAM keys = 0);
  // The same for a given window (the capture window still takes precedence).
  static HWND DeliverMouseTo(HWND target, UINT msg, POINT screen, WPARAM keys = 0);
  static POINT CursorPos();

  // While a loop that reads the input itself runs (CRectTracker::Track, a popup menu), it
  // installs a filter for its lifetime; the innermost filter sees every keyboard and mouse
  // message (with its target window) before PreTranslateMessage and may take it.
  class InputFilterScope {
   public:
    explicit InputFilterScope(InputFilter filter);
    ~InputFilterScope();
    InputFilterScope(const InputFilterScope&) = delete;
    InputFilterScope& operator=(const InputFilterScope&) = delete;
  };

  // ---- The window tree ----
  static std::vector<HWND> TopLevelWindows();  // topmost first
  static std::vector<HWND> Children(HWND parent);  // in z-order, topmost (first created) first
  static size_t WindowCount();
};

// A window class: the procedure behind DefWindowProc for its windows and the wrapper object
// that CWnd::FromHandle makes for its windows that have no object of their own.
typedef LRESULT (*WNDPROC)(HWND, UINT, WPARAM, LPARAM);
struct WindowClass {
  const char* name;          // compared without case, as Win32 does
  WNDPROC proc;              // NULL: the generic default behaviour
  CWnd* (*makeWrapper)();    // NULL: a plain CWnd
};
void RegisterWindowClass(const WindowClass& cls);
const WindowClass* FindWindowClass(const char* name);

// Per-window data of a window class (an edit's text limits, a combo box's items ...),
// owned by the window and deleted with it.
struct WindowExtra {
  virtual ~WindowExtra() = default;
};
WindowExtra* GetWindowExtra(HWND hwnd);
void SetWindowExtra(HWND hwnd, std::unique_ptr<WindowExtra> extra);
template <class T>
T* GetWindowExtraAs(HWND hwnd) {
  return dynamic_cast<T*>(GetWindowExtra(hwnd));
}

// The generic default behaviour of a window (WM_CLOSE destroys it, WM_SETTEXT stores the text ...).
LRESULT GenericWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace platform

// ---- Win32 functions of the queue and the clock ----
BOOL PeekMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT remove);
#define PM_NOREMOVE 0x0000
#define PM_REMOVE 0x0001
BOOL TranslateMessage(const MSG* msg);
// The state of a key: negative while it is held (see platform::user::HoldKey).
short GetKeyState(int vk);
short GetAsyncKeyState(int vk);
LRESULT DispatchMessage(const MSG* msg);
void PostQuitMessage(int exitCode);
void MessageBeep(UINT type);
