#include "platform/ui/WindowTree.h"

#include <algorithm>
#include <map>

#include "platform/FaultPoints.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/ui/Wnd.h"

namespace platform {
namespace tree {
namespace {

struct Tree {
  std::map<uintptr_t, std::unique_ptr<Window>> windows;  // by handle value; values grow, so
                                                        // map order is creation order
  std::vector<HWND> topLevels;
  uintptr_t nextHandle = 0x10010;  // handles are never reused within a run
  uint64_t deliveries = 0;
};

Tree& T() {
  // Never destroyed: windows of static objects are destroyed after other statics are gone.
  static auto* tree = new Tree;
  return *tree;
}

void Erase(std::vector<HWND>& list, HWND hwnd) {
  list.erase(std::remove(list.begin(), list.end(), hwnd), list.end());
}

// The window that owns top-level windows: the top-level ancestor of a given parent.
HWND OwnerFor(HWND parent) { return parent ? TopLevelOf(parent) : nullptr; }

void SendDestroy(HWND hwnd) {
  Window* w = Find(hwnd);
  if (!w) return;
  Deliver(hwnd, WM_DESTROY, 0, 0);
  w = Find(hwnd);
  if (!w) return;
  std::vector<HWND> kids = w->children;
  for (HWND child : kids) SendDestroy(child);
}

void SendNcDestroy(HWND hwnd) {
  Window* w = Find(hwnd);
  if (!w) return;
  std::vector<HWND> kids = w->children;
  for (HWND child : kids) SendNcDestroy(child);
  KillTimersOf(hwnd);
  Deliver(hwnd, WM_NCDESTROY, 0, 0);
  w = Find(hwnd);
  if (!w) return;
  if (w->object) {
    // An object whose WindowProc did not pass WM_NCDESTROY on: detach it here.
    CWnd* object = w->object;
    bool wrapper = DetachObject(hwnd);
    object->m_hWnd = nullptr;
    if (wrapper) delete object;
  }
  Erase(Siblings(w), hwnd);
  T().windows.erase((uintptr_t)hwnd);
}

}  // namespace

Window* Find(HWND hwnd) {
  auto it = T().windows.find((uintptr_t)hwnd);
  return it == T().windows.end() ? nullptr : it->second.get();
}

std::vector<HWND> AllWindows() {
  std::vector<HWND> all;
  for (auto& entry : T().windows) all.push_back(entry.second->hwnd);
  return all;
}

std::vector<HWND>& TopLevels() { return T().topLevels; }

std::vector<HWND>& Siblings(Window* w) {
  Window* parent = Find(w->parent);
  return parent ? parent->children : T().topLevels;
}

HWND TopLevelOf(HWND hwnd) {
  Window* w = Find(hwnd);
  while (w && w->parent) w = Find(w->parent);
  return w ? w->hwnd : nullptr;
}

bool IsDescendant(HWND ancestor, HWND hwnd) {
  for (Window* w = Find(hwnd); w; w = Find(w->parent))
    if (w->hwnd == ancestor) return true;
  return false;
}

bool IsVisible(HWND hwnd) {
  Window* w = Find(hwnd);
  if (!w) return false;
  for (; w; w = Find(w->parent))
    if (!(w->style & WS_VISIBLE)) return false;
  return true;
}

SIZE ClientSize(const Window* w) {
  SIZE s = {w->rect.right - w->rect.left, w->rect.bottom - w->rect.top};
  if (w->style & WS_VSCROLL) s.cx = s.cx > kScrollBarSize ? s.cx - kScrollBarSize : 0;
  if (w->style & WS_HSCROLL) s.cy = s.cy > kScrollBarSize ? s.cy - kScrollBarSize : 0;
  return s;
}

POINT ClientOrigin(HWND hwnd) {
  POINT p = {0, 0};
  for (Window* w = Find(hwnd); w; w = Find(w->parent)) {
    p.x += w->rect.left;
    p.y += w->rect.top;
  }
  return p;
}

HWND Create(const CreateParams& params, CWnd* object) {
  EnsureClasses();
  if (InjectedFault(FaultPoint::kWindowCreation, params.className)) return nullptr;
  Tree& t = T();
  bool child = (params.style & WS_CHILD) != 0;
  if (child && !Find(params.parent)) return nullptr;
  auto w = std::make_unique<Window>();
  HWND hwnd = (HWND)(t.nextHandle += 4);
  w->hwnd = hwnd;
  w->className = params.className ? params.className : "";
  w->cls = FindWindowClass(w->className.c_str());
  w->id = child ? params.id : 0;
  w->text = params.text;
  w->style = params.style & ~WS_VISIBLE;
  w->exStyle = params.exStyle;
  w->rect = params.rect;
  if (child) {
    w->parent = params.parent;
    Find(params.parent)->children.push_back(hwnd);  // new children go to the bottom
  } else {
    w->owner = OwnerFor(params.parent);
    t.topLevels.insert(t.topLevels.begin(), hwnd);  // new top-level windows go to the top
  }
  t.windows[(uintptr_t)hwnd] = std::move(w);
  if (object) AttachObject(hwnd, object, false);

  CREATESTRUCT cs = {params.param, nullptr, nullptr, params.parent,
                     params.rect.bottom - params.rect.top, params.rect.right - params.rect.left,
                     params.rect.top, params.rect.left, (LONG)params.style, params.text,
                     params.className, params.exStyle};
  if (!Deliver(hwnd, WM_NCCREATE, 0, (LPARAM)&cs) || Deliver(hwnd, WM_CREATE, 0, (LPARAM)&cs) == -1) {
    Destroy(hwnd);
    return nullptr;
  }
  if (!Find(hwnd)) return nullptr;
  const RECT& r = params.rect;
  SIZE client = ClientSize(Find(hwnd));
  Deliver(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.cx, client.cy));
  Deliver(hwnd, WM_MOVE, 0, MAKELPARAM(r.left, r.top));
  if ((params.style & WS_VISIBLE) && Find(hwnd)) {
    SetVisible(hwnd, true, true);
    if (!child && Find(hwnd)) SetActive(hwnd);  // a new visible top-level window is active
  }
  return Find(hwnd) ? hwnd : nullptr;
}

BOOL Destroy(HWND hwnd) {
  Window* w = Find(hwnd);
  if (!w || w->destroying) return FALSE;
  w->destroying = true;
  // Owned windows go first, as on Windows.
  std::vector<HWND> owned;
  for (HWND top : T().topLevels)
    if (Find(top) && Find(top)->owner == hwnd) owned.push_back(top);
  for (HWND o : owned) Destroy(o);
  w = Find(hwnd);
  if (!w) return TRUE;
  w->style &= ~WS_VISIBLE;
  ForgetInputState(hwnd);
  SendDestroy(hwnd);
  SendNcDestroy(hwnd);
  return TRUE;
}

bool SetVisible(HWND hwnd, bool visible, bool notify) {
  Window* w = Find(hwnd);
  if (!w) return false;
  bool was = (w->style & WS_VISIBLE) != 0;
  if (was == visible) return was;
  if (notify) {
    Deliver(hwnd, WM_SHOWWINDOW, visible, 0);
    w = Find(hwnd);
    if (!w) return was;
  }
  if (visible) {
    w->style |= WS_VISIBLE;
    Invalidate(hwnd, nullptr);
  } else {
    w->style &= ~WS_VISIBLE;
    if (IsDescendant(hwnd, Focus())) tree::SetFocus(w->parent);
    if (IsDescendant(hwnd, Capture())) tree::SetCapture(nullptr);
  }
  return was;
}

void SetRect(HWND hwnd, const RECT& rect, bool move, bool size) {
  Window* w = Find(hwnd);
  if (!w) return;
  RECT r = w->rect;
  if (move) {
    r.right += rect.left - r.left, r.bottom += rect.top - r.top;
    r.left = rect.left, r.top = rect.top;
  }
  if (size) r.right = r.left + (rect.right - rect.left), r.bottom = r.top + (rect.bottom - rect.top);
  bool moved = r.left != w->rect.left || r.top != w->rect.top;
  bool sized = r.right - r.left != w->rect.right - w->rect.left ||
               r.bottom - r.top != w->rect.bottom - w->rect.top;
  w->rect = r;
  if (sized) {
    Invalidate(hwnd, nullptr);
    UINT kind = w->iconic ? SIZE_MINIMIZED : (w->zoomed ? SIZE_MAXIMIZED : SIZE_RESTORED);
    SIZE client = ClientSize(w);
    Deliver(hwnd, WM_SIZE, kind, MAKELPARAM(client.cx, client.cy));
  }
  if (moved && Find(hwnd)) Deliver(hwnd, WM_MOVE, 0, MAKELPARAM(r.left, r.top));
}

void SetZOrder(HWND hwnd, HWND insertAfter) {
  Window* w = Find(hwnd);
  if (!w) return;
  if (insertAfter == HWND_TOPMOST) w->exStyle |= WS_EX_TOPMOST;
  if (insertAfter == HWND_NOTOPMOST) w->exStyle &= ~WS_EX_TOPMOST;
  std::vector<HWND>& list = Siblings(w);
  Erase(list, hwnd);
  auto at = list.begin();
  if (insertAfter == HWND_BOTTOM) {
    at = list.end();
  } else if (insertAfter != HWND_TOP && insertAfter != HWND_TOPMOST && insertAfter != HWND_NOTOPMOST) {
    auto after = std::find(list.begin(), list.end(), insertAfter);
    at = after == list.end() ? list.begin() : after + 1;
  }
  list.insert(at, hwnd);
}

void Invalidate(HWND hwnd, const RECT* rect) {
  Window* w = Find(hwnd);
  if (!w) return;
  SIZE client = ClientSize(w);
  RECT whole = {0, 0, client.cx, client.cy};
  gdi::SpanSet add = gdi::SpanSet::FromRect(rect ? *rect : whole, whole);
  w->updateRgn = w->invalid ? gdi::SpanSet::Combine(w->updateRgn, add, RGN_OR) : std::move(add);
  w->invalid = true;
}

void Validate(HWND hwnd, const RECT* rect) {
  Window* w = Find(hwnd);
  if (!w || !w->invalid) return;
  if (rect) w->updateRgn = gdi::SpanSet::Combine(w->updateRgn, gdi::SpanSet::FromRect(*rect), RGN_DIFF);
  if (!rect || w->updateRgn.IsEmpty()) {
    w->invalid = false;
    w->updateRgn = gdi::SpanSet();
  }
}

const gdi::SpanSet* UpdateRegion(HWND hwnd) {
  Window* w = Find(hwnd);
  if (!w) return nullptr;
  return w->invalid ? &w->updateRgn : w->paintPending ? &w->paintRgn : nullptr;
}

void DeliverPaint(HWND hwnd, bool send) {
  Window* w = Find(hwnd);
  if (!w) return;
  w->paintRgn = std::move(w->updateRgn);
  w->updateRgn = gdi::SpanSet();
  w->paintPending = true;
  w->invalid = false;
  if (send) SendMessage(hwnd, WM_PAINT, 0, 0);
  else Deliver(hwnd, WM_PAINT, 0, 0);
  if ((w = Find(hwnd))) {
    w->paintPending = false;
    w->paintRgn = gdi::SpanSet();
  }
}

RECT TakePaintRect(HWND hwnd) {
  Window* w = Find(hwnd);
  if (!w) return RECT{0, 0, 0, 0};
  SIZE client = ClientSize(w);
  RECT whole = {0, 0, client.cx, client.cy};
  const gdi::SpanSet* rgn = UpdateRegion(hwnd);
  RECT r = rgn ? rgn->Bounds() : whole;
  w->paintPending = false;
  w->paintRgn = gdi::SpanSet();
  return r;
}

void AttachObject(HWND hwnd, CWnd* object, bool wrapper) {
  Window* w = Find(hwnd);
  if (!w) return;
  if (w->object && w->objectIsWrapper && w->object != object) {
    w->object->m_hWnd = nullptr;
    delete w->object;
  }
  w->object = object;
  w->objectIsWrapper = wrapper;
  object->m_hWnd = hwnd;
}

bool DetachObject(HWND hwnd) {
  Window* w = Find(hwnd);
  if (!w) return false;
  bool wrapper = w->objectIsWrapper;
  w->object = nullptr;
  w->objectIsWrapper = false;
  return wrapper;
}

LRESULT CallClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Window* w = Find(hwnd);
  if (!w) return 0;
  if (w->cls && w->cls->proc) return w->cls->proc(hwnd, msg, wParam, lParam);
  return GenericWindowProc(hwnd, msg, wParam, lParam);
}

uint64_t DeliveryCount() { return T().deliveries; }

void CountDelivery() { ++T().deliveries; }

void Clear() {
  Tree& t = T();
  t.windows.clear();
  t.topLevels.clear();
}

}  // namespace tree

WindowExtra* GetWindowExtra(HWND hwnd) {
  tree::Window* w = tree::Find(hwnd);
  return w ? w->extra.get() : nullptr;
}

void SetWindowExtra(HWND hwnd, std::unique_ptr<WindowExtra> extra) {
  tree::Window* w = tree::Find(hwnd);
  if (w) w->extra = std::move(extra);
}

}  // namespace platform
