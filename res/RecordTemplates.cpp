#include "res/RecordTemplates.h"

#include "platform/ui/CommCtrl.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Menu.h"
#include "setup/RecordListIds.h"

namespace {

constexpr DWORD kLabel = WS_VISIBLE | SS_LEFT;
constexpr DWORD kReadOnly = WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | ES_READONLY;
constexpr int kStatic = 65535;

// 778: the times, role and events of one past conference.
DialogTemplate DetailDialog() {
  return {IDD_CONF_RECORD_DETAIL, "会议记录详细信息", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT, 0, 0, 380, 250,
          {
              {kStatic, "Static", "会议主题：", kLabel, 5, 6, 45, 10},
              {IDC_DETAIL_TITLE, "Edit", "", kReadOnly, 52, 4, 135, 12},
              {kStatic, "Static", "初始角色：", kLabel, 195, 6, 45, 10},
              {IDC_DETAIL_ROLE, "Edit", "", kReadOnly, 242, 4, 133, 12},
              {kStatic, "Static", "开始时间：", kLabel, 5, 22, 45, 10},
              {IDC_DETAIL_START, "Edit", "", kReadOnly, 52, 20, 135, 12},
              {kStatic, "Static", "结束时间：", kLabel, 195, 22, 45, 10},
              {IDC_DETAIL_END, "Edit", "", kReadOnly, 242, 20, 133, 12},
              {IDC_DETAIL_EVENTS, WC_LISTVIEW, "", WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT, 5, 40, 370, 185},
              {IDOK, "Button", "确定(&O)", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 325, 231, 50, 14},
              {IDCANCEL, "Button", "取消(&C)", WS_TABSTOP | BS_PUSHBUTTON, 270, 231, 50, 14},
          }};
}

}  // namespace

void RegisterRecordResources() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  platform::RegisterDialogTemplate(DetailDialog());
  platform::RegisterMenuTemplate(IDR_RECORD_MENU, {{MF_POPUP, 0, "会议记录",
                                                    {
                                                        {MF_STRING, ID_RECORD_VIEW, "查看(&S)", {}},
                                                        {MF_STRING, ID_RECORD_DELETE, "删除(&D)", {}},
                                                    }}});
}
