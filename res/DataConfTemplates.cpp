#include "res/DataConfTemplates.h"

#include "confwindow/DataConfIds.h"
#include "confwindow/DlgDataConf.h"
#include "confwindow/DlgInfoToolTip.h"
#include "platform/ui/CommCtrl.h"
#include "platform/ui/Dialog.h"
#include "res/StringTable.h"
#include "setup/InviteDialogIds.h"

namespace {

const res::StringEntry kStrings[] = {
    {IDS_MAX_MEMBERS_OVER_LIMIT, "最大成员数超过系统限制！"},
};

}  // namespace

void RegisterConfWindowResources() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  res::AddStrings(kStrings, sizeof kStrings / sizeof kStrings[0]);
  platform::RegisterDialogTemplate(
      {IDD_DATACONF,
       "多媒体会议",
       WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
       0,
       0,
       560,
       380,
       {
           {IDC_CONF_STATE, "Static", "", WS_VISIBLE | SS_LEFT, 8, 8, 544, 12},
           {IDC_CONF_MEMBERS, WC_LISTVIEW, "", WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL, 8, 24,
            220, 326},
           {IDC_CONF_PROMPTS, "ListBox", "", WS_VISIBLE | WS_BORDER | WS_VSCROLL, 236, 24, 316, 326},
           {IDC_CONF_INVITE, "Button", "邀请加入", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 8, 358, 60, 14},
           {IDC_CONF_DIAL_EXTENSION, "Button", "拨打分机号", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 76, 358, 60, 14},
           {IDC_CONF_PROPERTIES, "Button", "会场属性", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 144, 358, 60, 14},
           {IDC_CONF_PROMPT_SOUND, "Button", "提示音", WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 212, 358, 60, 14},
       }});
  platform::RegisterDialogTemplate({IDD_INFO_TOOLTIP,
                                    "",
                                    WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                    0,
                                    0,
                                    216,
                                    80,
                                    {
                                        {IDC_INFO_TEXT, "Static", "", WS_VISIBLE | SS_LEFT, 8, 8, 200, 40},
                                        {IDOK, "Button", "确定", BS_DEFPUSHBUTTON | WS_TABSTOP, 48, 56, 50, 14},
                                        {IDCANCEL, "Button", "取消", BS_PUSHBUTTON | WS_TABSTOP, 118, 56, 50, 14},
                                    }});
}
