// Internal to the platform's window code: the records of the window tree and the operations
// that change it. Module code uses CWnd and the Win32 functions instead.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/CString.h"
#include "platform/gdi/SpanSet.h"
#include "platform/ui/Desktop.h"

class CWnd;

namespace platform {
namespace tree {

struct ScrollBarState {
  int min = 0;
  int max = 0;
  UINT page = 0;
  int pos = 0;
  int trackPos = 0;
  bool enabled = true;
};

struct Window {
  HWND hwnd = nullptr;
  std::string className;
  const WindowClass* cls = nullptr;
  int id = 0;
  CString text;
  DWORD style = 0;
  DWORD exStyle = 0;
  RECT rect = {0, 0, 0, 0};  // in the parent's client coordinates (top level: the screen's)
  bool iconic = false;
  bool zoomed = false;
  HWND parent = nullptr;  // child windows only
  HWND owner = nullptr;   // top-level windows only
  std::vector<HWND> children;  // z-order, topmost first
  CWnd* object = nullptr;
  bool objectIsWrapper = false;
  std::unique_ptr<WindowExtra> extra;
  LONG userData = 0;
  bool destroying = false;
  // The update region: the invalidated pixels of the client area, kept as Windows keeps them
  // (a set of rectangles, not their bounding box).
  bool invalid = false;
  gdi::SpanSet updateRgn;
  // The update region of the WM_PAINT being delivered (the window is valid again by then).
  bool paintPending = false;
  gdi::SpanSet paintRgn;
  ScrollBarState bars[2];  // SB_HORZ, SB_VERT; shown when the style has WS_HSCROLL / WS_VSCROLL
};

// The client size: the window's less its visible scroll bars.
SIZE ClientSize(const Window* w);
const int kScrollBarSize = 17;

Window* Find(HWND hwnd);
// Every window's handle, in creation order.
std::vector<HWND> AllWindows();
std::vector<HWND>& TopLevels();  // z-order, topmost first
// The sibling list a window is in (its parent's children or the top-level list).
std::vector<HWND>& Siblings(Window* w);
HWND TopLevelOf(HWND hwnd);
bool IsDescendant(HWND ancestor, HWND hwnd);  // true also for hwnd == ancestor
// WS_VISIBLE on the window and all its ancestors.
bool IsVisible(HWND hwnd);
POINT ClientOrigin(HWND hwnd);  // the client area's top-left in screen coordinates

struct CreateParams {
  DWORD exStyle;
  const char* className;
  const char* text;
  DWORD style;
  RECT rect;
  HWND parent;  // the parent of a child, or the owner-to-be of a top-level window
  int id;
  LPVOID param;
};
// Creates the window with `object` attached (may be NULL), sends WM_NCCREATE, WM_CREATE,
// WM_SIZE, WM_MOVE and, with WS_VISIBLE, shows it. NULL when creation was refused.
HWND Create(const CreateParams& params, CWnd* object);
BOOL Destroy(HWND hwnd);
// Visibility changes (WM_SHOWWINDOW only when `notify` and the state changes). Returns whether
// the window was visible before.
bool SetVisible(HWND hwnd, bool visible, bool notify);
// Position and size (WM_MOVE / WM_SIZE only for what changed).
void SetRect(HWND hwnd, const RECT& rect, bool move, bool size);
void SetZOrder(HWND hwnd, HWND insertAfter);
// Adds the rectangle (NULL: the whole client area), cut to the client area, to the update region.
void Invalidate(HWND hwnd, const RECT* rect);
// Takes the rectangle (NULL: everything) out of the update region.
void Validate(HWND hwnd, const RECT* rect);
// The update region a WM_PAINT handler sees before BeginPaint: the window's while it is
// invalid, else that of the paint being delivered; NULL when there is none.
const gdi::SpanSet* UpdateRegion(HWND hwnd);
// Sends WM_PAINT once, the window validated first but its update region kept for the handler
// (GetUpdateRgn, then the paint DC) until the delivery ends.
void DeliverPaint(HWND hwnd, bool send);
// BeginPaint's rcPaint: the bounding box of the paint being delivered's update region, else of
// a window still invalid, else the whole client area. The handler's view of the region ends.
RECT TakePaintRect(HWND hwnd);

// Attaches an object (replacing a wrapper); detaches at WM_NCDESTROY. DetachObject returns
// whether the object was a desktop-made wrapper.
void AttachObject(HWND hwnd, CWnd* object, bool wrapper);
bool DetachObject(HWND hwnd);

// Runs the window's class procedure (or the generic one).
LRESULT CallClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Delivers a message to the window's object (or its class procedure) now, telling the spy.
LRESULT Deliver(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Counts deliveries: the modal loop's measure of progress.
uint64_t DeliveryCount();
void CountDelivery();

// Forgets everything (after all windows were destroyed).
void Clear();

// Input state kept with the tree.
HWND Focus();
HWND SetFocus(HWND hwnd);
HWND Capture();
HWND SetCapture(HWND hwnd);
HWND Active();
void SetActive(HWND hwnd);
// Lets go of every held key.
void ReleaseKeys();
// Called while a window is destroyed: drops focus, capture and activation that point into it.
void ForgetInputState(HWND hwnd);

// The desktop's timers: kills every timer of a window.
void KillTimersOf(HWND hwnd);
void EnsureClasses();

// Sends WM_COMMAND with a notification code to a control's parent.
void NotifyParent(HWND control, UINT code);

}  // namespace tree
}  // namespace platform

