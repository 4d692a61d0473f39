#include "res/MemberTemplates.h"

#include "platform/gdi/BitmapResources.h"
#include "platform/gdi/Raster.h"
#include "platform/ui/CommCtrl.h"
#include "platform/ui/Dialog.h"
#include "setup/DeptTree.h"
#include "setup/MemberIds.h"

namespace {

constexpr DWORD kPopup = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT;
constexpr DWORD kText = WS_VISIBLE | SS_LEFT;
constexpr DWORD kPush = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;

// 280: the personal phone book as a list to pick receivers from.
DialogTemplate SelectReceiver() {
  return {IDD_SELECT_RECEIVER, "选择接收方", kPopup, 0, 0, 187, 235,
          {
              {IDC_RECEIVER_LIST, WC_LISTVIEW, "", WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT, 5, 5, 177, 190},
              {IDC_RECEIVER_HINT, "Static", "", kText, 5, 199, 177, 10},
              {IDOK, "Button", "确定(&O)", kPush | BS_DEFPUSHBUTTON, 70, 215, 50, 14},
              {IDCANCEL, "Button", "取消(&C)", kPush, 130, 215, 50, 14},
          }};
}

// 5004: waiting for the host's answer on a member's rights.
DialogTemplate MemberRightQuery() {
  return {IDD_MEMBER_RIGHT_QUERY, kMemberRightQueryTitle, kPopup, 0, 0, 187, 63,
          {
              {IDC_RIGHT_RESULT, "Static", "正在查询请稍候...", kText, 10, 10, 167, 10},
              {IDC_RIGHT_COUNTDOWN, "Static", "", kText, 10, 25, 100, 10},
              {IDC_RIGHT_CLOSE, "Button", "确定(&O)", kPush | WS_DISABLED, 127, 42, 50, 14},
          }};
}

// One small glyph per icon index on white (the mask colour): folders of the directory, people
// and the kinds of number leaves, each in its own colour so that pictures tell them apart.
gdi::SurfaceRef DeptIcons() {
  const int kSize = 17;
  gdi::SurfaceRef strip = gdi::SurfaceRef::CreateRgb(kSize * kDeptIconCount, kSize);
  gdi::Raster pixels = strip.Pixels();
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize * kDeptIconCount; ++x) pixels.At(x, y) = gdi::ToPixel(RGB(255, 255, 255));
  for (int icon = 0; icon < kDeptIconCount; ++icon) {
    COLORREF color = RGB((icon * 67) % 200, (icon * 131) % 200, 80 + (icon * 29) % 160);
    for (int y = 4; y < 13; ++y)
      for (int x = 3; x < 14; ++x) pixels.At(icon * kSize + x, y) = gdi::ToPixel(color);
  }
  strip.MarkDirty();
  return strip;
}

}  // namespace

const char kMemberRightQueryTitle[] = "会议成员权限查询";

void RegisterMemberResources() {
  platform::RegisterDialogTemplate(SelectReceiver());
  platform::RegisterDialogTemplate(MemberRightQuery());
  platform::RegisterBitmapResource(IDB_DEPT_ICONS, DeptIcons);
}
