#include "platform/ui/ScrollBars.h"

#include <algorithm>

#include "platform/ui/Desktop.h"
#include "platform/ui/Wnd.h"
#include "platform/ui/WindowTree.h"

using platform::tree::Find;
using platform::tree::ScrollBarState;
using platform::tree::Window;

namespace {

ScrollBarState* Bar(HWND hwnd, int bar) {
  Window* w = Find(hwnd);
  return w && (bar == SB_HORZ || bar == SB_VERT) ? &w->bars[bar] : nullptr;
}

DWORD StyleBit(int bar) { return bar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL; }

int Clamp(const ScrollBarState& s, int pos) {
  int top = s.max - std::max((int)s.page - 1, 0);
  return std::max(s.min, std::min(pos, std::max(top, s.min)));
}

// Shows or hides one bar; WM_SIZE follows when the client size changed.
void SetShown(HWND hwnd, int bar, bool show) {
  Window* w = Find(hwnd);
  if (!w || ((w->style & StyleBit(bar)) != 0) == show) return;
  SIZE before = platform::tree::ClientSize(w);
  if (show)
    w->style |= StyleBit(bar);
  else
    w->style &= ~StyleBit(bar);
  SIZE after = platform::tree::ClientSize(w);
  platform::tree::Invalidate(hwnd, nullptr);
  if (before.cx != after.cx || before.cy != after.cy)
    platform::tree::Deliver(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(after.cx, after.cy));
}

// A bar scrolls when its range is larger than its page (with no page: when it is not empty).
bool Scrollable(const ScrollBarState& s) { return s.page ? s.max - s.min + 1 > (int)s.page : s.max > s.min; }

}  // namespace

int SetScrollInfo(HWND hwnd, int bar, LPCSCROLLINFO info, BOOL) {
  ScrollBarState* s = Bar(hwnd, bar);
  if (!s || !info) return 0;
  if (info->fMask & SIF_RANGE) s->min = info->nMin, s->max = info->nMax;
  if (info->fMask & SIF_PAGE) s->page = std::min<UINT>(info->nPage, (UINT)std::max(s->max - s->min + 1, 0));
  if (info->fMask & SIF_POS) s->pos = info->nPos;
  s->pos = Clamp(*s, s->pos);
  int pos = s->pos;
  if (info->fMask & (SIF_RANGE | SIF_PAGE)) {
    bool scrollable = Scrollable(*s);
    if (info->fMask & SIF_DISABLENOSCROLL) {
      s->enabled = scrollable;
      SetShown(hwnd, bar, true);
    } else {
      SetShown(hwnd, bar, scrollable);
    }
  }
  return pos;
}

BOOL GetScrollInfo(HWND hwnd, int bar, LPSCROLLINFO info) {
  ScrollBarState* s = Bar(hwnd, bar);
  if (!s || !info) return FALSE;
  if (info->fMask & SIF_RANGE) info->nMin = s->min, info->nMax = s->max;
  if (info->fMask & SIF_PAGE) info->nPage = s->page;
  if (info->fMask & SIF_POS) info->nPos = s->pos;
  if (info->fMask & SIF_TRACKPOS) info->nTrackPos = s->trackPos;
  return TRUE;
}

int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw) {
  ScrollBarState* s = Bar(hwnd, bar);
  if (!s) return 0;
  int old = s->pos;
  SCROLLINFO info = {sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, pos, 0};
  SetScrollInfo(hwnd, bar, &info, redraw);
  return old;
}

int GetScrollPos(HWND hwnd, int bar) {
  ScrollBarState* s = Bar(hwnd, bar);
  return s ? s->pos : 0;
}

BOOL SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, BOOL redraw) {
  if (!Bar(hwnd, bar)) return FALSE;
  SCROLLINFO info = {sizeof(SCROLLINFO), SIF_RANGE, minPos, maxPos, 0, 0, 0};
  SetScrollInfo(hwnd, bar, &info, redraw);
  return TRUE;
}

BOOL GetScrollRange(HWND hwnd, int bar, int* minPos, int* maxPos) {
  ScrollBarState* s = Bar(hwnd, bar);
  if (!s) return FALSE;
  if (minPos) *minPos = s->min;
  if (maxPos) *maxPos = s->max;
  return TRUE;
}

BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show) {
  if (!Find(hwnd)) return FALSE;
  if (bar == SB_HORZ || bar == SB_BOTH) SetShown(hwnd, SB_HORZ, show);
  if (bar == SB_VERT || bar == SB_BOTH) SetShown(hwnd, SB_VERT, show);
  return TRUE;
}

BOOL EnableScrollBar(HWND hwnd, UINT bar, UINT arrows) {
  Window* w = Find(hwnd);
  if (!w) return FALSE;
  for (int b : {SB_HORZ, SB_VERT})
    if ((int)bar == b || bar == SB_BOTH) w->bars[b].enabled = arrows != ESB_DISABLE_BOTH;
  return TRUE;
}

BOOL IsScrollBarEnabled(HWND hwnd, int bar) {
  ScrollBarState* s = Bar(hwnd, bar);
  return s && s->enabled;
}

namespace platform {
namespace user {

bool Scroll(HWND hwnd, int bar, UINT code, int thumbPos) {
  ScrollBarState* s = Bar(hwnd, bar);
  Window* w = Find(hwnd);
  if (!s || !(w->style & StyleBit(bar)) || !s->enabled || !IsWindowEnabled(hwnd)) return false;
  if (code == SB_THUMBTRACK || code == SB_THUMBPOSITION) s->trackPos = Clamp(*s, thumbPos);
  WPARAM wParam = MAKEWPARAM(code, (code == SB_THUMBTRACK || code == SB_THUMBPOSITION) ? s->trackPos : 0);
  SendMessage(hwnd, bar == SB_HORZ ? WM_HSCROLL : WM_VSCROLL, wParam, 0);
  Desktop::PumpMessages();
  return true;
}

}  // namespace user
}  // namespace platform
