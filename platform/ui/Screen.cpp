#include "platform/ui/Screen.h"

namespace platform {
namespace {

struct ScreenState {
  int width = 1280;
  int height = 1024;
  RECT workArea = {0, 0, 1280, 984};
};

ScreenState& Scr() {
  static ScreenState state;
  return state;
}

}  // namespace

void SetScreen(int width, int height, const RECT& workArea) { Scr() = {width, height, workArea}; }

void ResetScreen() { Scr() = ScreenState(); }

RECT WorkArea() { return Scr().workArea; }

}  // namespace platform

int GetSystemMetrics(int index) {
  const auto& s = platform::Scr();
  switch (index) {
    case SM_CXSCREEN: return s.width;
    case SM_CYSCREEN: return s.height;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL: return 17;
    case SM_CYCAPTION: return 19;
    case SM_CXBORDER:
    case SM_CYBORDER: return 1;
    case SM_CYFRAME: return 4;
    case SM_CXFULLSCREEN: return s.workArea.right - s.workArea.left;
    case SM_CYFULLSCREEN: return s.workArea.bottom - s.workArea.top - 19;
  }
  return 0;
}

BOOL SystemParametersInfo(UINT action, UINT, void* data, UINT) {
  if (action != SPI_GETWORKAREA || !data) return FALSE;
  *(RECT*)data = platform::Scr().workArea;
  return TRUE;
}
