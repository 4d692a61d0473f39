// The "tooltips_class32" window class: the tools (a window, or a rectangle of a window) with
// their texts, active or not, and the tool whose tip is up after the relayed mouse messages.
#include <algorithm>
#include <vector>

#include "platform/Mbcs.h"
#include "platform/ui/ControlsInternal.h"
#include "platform/ui/ToolTipCtrl.h"
#include "platform/ui/WindowTree.h"

namespace platform {
namespace {

// The classic TTM_GETTEXT buffer when the caller gives no size.
const size_t kDefaultTextBuffer = 80;

struct Tool {
  UINT flags;
  HWND hwnd;
  UINT_PTR id;
  RECT rect;
  CString text;
};

struct ToolTipExtra : WindowExtra {
  std::vector<Tool> tools;
  bool active = true;
  int shown = -1;
  int maxWidth = -1;
};

ToolTipExtra* Extra(HWND hwnd) { return GetWindowExtraAs<ToolTipExtra>(hwnd); }

int FindTool(const ToolTipExtra* t, const TOOLINFO* ti) {
  if (!ti) return -1;
  for (size_t i = 0; i < t->tools.size(); ++i)
    if (t->tools[i].hwnd == ti->hwnd && t->tools[i].id == ti->uId) return (int)i;
  return -1;
}

CString TextOf(const TOOLINFO* ti) {
  return ti->lpszText && ti->lpszText != LPSTR_TEXTCALLBACK ? CString(ti->lpszText) : CString();
}

// The tool under a relayed mouse message, or -1.
int ToolUnder(const ToolTipExtra* t, const MSG* m) {
  POINT p = {GET_X_LPARAM(m->lParam), GET_Y_LPARAM(m->lParam)};
  for (size_t i = 0; i < t->tools.size(); ++i) {
    const Tool& tool = t->tools[i];
    if (tool.flags & TTF_IDISHWND) {
      if ((HWND)tool.id == m->hwnd) return (int)i;
    } else if (tool.hwnd == m->hwnd && p.x >= tool.rect.left && p.x < tool.rect.right && p.y >= tool.rect.top &&
               p.y < tool.rect.bottom) {
      return (int)i;
    }
  }
  return -1;
}

void Relay(ToolTipExtra* t, const MSG* m) {
  if (!m) return;
  if (m->message == WM_MOUSEMOVE)
    t->shown = t->active ? ToolUnder(t, m) : -1;
  else if (m->message >= WM_LBUTTONDOWN && m->message <= WM_MOUSELAST)
    t->shown = -1;
}

bool IsToolTip(HWND hwnd) {
  tree::Window* w = tree::Find(hwnd);
  return w && w->cls && w->cls == FindWindowClass(TOOLTIPS_CLASS);
}

}  // namespace

LRESULT ToolTipClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    SetWindowExtra(hwnd, std::make_unique<ToolTipExtra>());
    return TRUE;
  }
  ToolTipExtra* t = Extra(hwnd);
  if (!t) return GenericWindowProc(hwnd, msg, wParam, lParam);
  auto* ti = (TOOLINFO*)lParam;
  switch (msg) {
    case TTM_ADDTOOL:
      if (!ti || FindTool(t, ti) >= 0) return FALSE;
      t->tools.push_back({ti->uFlags, ti->hwnd, ti->uId, ti->rect, TextOf(ti)});
      return TRUE;
    case TTM_DELTOOL: {
      int i = FindTool(t, ti);
      if (i < 0) return 0;
      t->tools.erase(t->tools.begin() + i);
      if (t->shown == i) t->shown = -1;
      if (t->shown > i) --t->shown;
      return 0;
    }
    case TTM_UPDATETIPTEXT: {
      int i = FindTool(t, ti);
      if (i >= 0) t->tools[i].text = TextOf(ti);
      return 0;
    }
    case TTM_GETTEXT: {
      int i = FindTool(t, ti);
      if (i < 0 || !ti->lpszText) return 0;
      size_t size = wParam ? (size_t)wParam : kDefaultTextBuffer;
      mbcs::CopyLimited(ti->lpszText, size, t->tools[i].text);
      return 0;
    }
    case TTM_GETTOOLCOUNT: return (LRESULT)t->tools.size();
    case TTM_ACTIVATE:
      t->active = wParam != 0;
      if (!t->active) t->shown = -1;
      return 0;
    case TTM_RELAYEVENT: Relay(t, (const MSG*)lParam); return 0;
    case TTM_SETMAXTIPWIDTH: {
      int old = t->maxWidth;
      t->maxWidth = (int)lParam;
      return old;
    }
    case TTM_SETDELAYTIME: return 0;
    case TTM_POP: t->shown = -1; return 0;
  }
  return GenericWindowProc(hwnd, msg, wParam, lParam);
}

CString ToolTipTextFor(HWND window) {
  for (HWND h : tree::AllWindows()) {
    ToolTipExtra* t = IsToolTip(h) ? Extra(h) : nullptr;
    if (!t) continue;
    for (const Tool& tool : t->tools) {
      bool isWindow = (tool.flags & TTF_IDISHWND) ? (HWND)tool.id == window : tool.hwnd == window;
      if (isWindow) return tool.text;
    }
  }
  return CString();
}

CString ShownToolTipText(HWND tooltip) {
  ToolTipExtra* t = IsToolTip(tooltip) ? Extra(tooltip) : nullptr;
  return t && t->shown >= 0 ? t->tools[t->shown].text : CString();
}

}  // namespace platform
