#include "res/PaletteTemplates.h"

#include "platform/ui/Dialog.h"
#include "whiteboard/surface/LineWidthListBox.h"
#include "whiteboard/windows/ColorBarDlg.h"
#include "whiteboard/windows/P2PColorBarDlg.h"

namespace {

constexpr DWORD kSwatch = WS_VISIBLE | BS_OWNERDRAW;
constexpr short kSwatchLeft = 24, kSwatchTop = 2, kSwatchStep = 8, kSwatchSize = 8, kSwatchesPerRow = 14;

// 573 and 805: the current colour at the left, then the 28 swatches in two rows of 14 (1832
// first).
DialogTemplate ColorBar(UINT id) {
  DialogTemplate bar = {id, "", WS_CHILD | WS_VISIBLE, 0, 0, 140, 20, {}};
  bar.items.push_back({IDC_CUR_COLOR, "Button", "", kSwatch, 4, 2, 16, 16});
  for (int i = 0; i < kColorSwatchCount; ++i) {
    short x = (short)(kSwatchLeft + (i % kSwatchesPerRow) * kSwatchStep);
    short y = (short)(kSwatchTop + (i / kSwatchesPerRow) * kSwatchStep);
    bar.items.push_back({IDC_COLOR_SWATCH_FIRST + i, "Button", "", kSwatch, x, y, kSwatchSize, kSwatchSize});
  }
  return bar;
}

// 789: the line-width dialog.
DialogTemplate LineWidth() {
  return {IDD_LINE_WIDTH, "线形", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0, 0, 120, 140,
          {
              {65535, "Button", "线形", WS_VISIBLE | BS_GROUPBOX, 4, 2, 112, 114},
              {IDC_LINE_WIDTH_LIST, "ListBox", "",
               WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY, 10, 12, 100, 100},
              {IDOK, "Button", "确定", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 10, 120, 46, 14},
              {IDCANCEL, "Button", "取消", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 64, 120, 46, 14},
          }};
}

}  // namespace

void RegisterPaletteResources() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  platform::RegisterDialogTemplate(ColorBar(IDD_COLOR_BAR));
  platform::RegisterDialogTemplate(ColorBar(IDD_P2P_COLOR_BAR));
  platform::RegisterDialogTemplate(LineWidth());
}
