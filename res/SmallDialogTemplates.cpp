// Dialog templates and the menu of the assistance bar, the small input dialogs and the
// conference properties dialog.
#include "res/SmallDialogTemplates.h"

#include "platform/ui/Dialog.h"
#include "platform/ui/Menu.h"
#include "setup/DlgConfProperties.h"
#include "setup/DlgDialExtension.h"
#include "setup/DlgInputPassword.h"
#include "setup/DlgVNCTip.h"

namespace {

constexpr DWORD kText = WS_VISIBLE | SS_LEFT;
constexpr DWORD kPush = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kDefPush = WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON;
constexpr DWORD kEdit = WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD kDigits = kEdit | ES_NUMBER;
constexpr DWORD kPassword = kEdit | ES_PASSWORD;
constexpr DWORD kHiddenCheck = WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kPopup = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
constexpr int kStatic = 65535;

// 798: the assistance bar, a thin tool window.
DialogTemplate AssistBar() {
  return {IDD_VNC_TIP, "点对点请求协助", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT, 0, 0, 188, 18,
          {
              {IDC_VNC_TIP_HEAD, "Static", "您正在与", kText, 3, 5, 33, 10},
              {IDC_VNC_TIP_PEER, "Static", "对端URI", kText, 40, 5, 40, 10},
              {IDC_VNC_TIP_TAIL, "Static", "进行点对点请求协助", kText, 80, 5, 72, 10},
              {IDC_VNC_TIP_END, "Button", "结束", kPush | WS_DISABLED, 162, 3, 20, 12},
          },
          WS_EX_TOOLWINDOW};
}

// 5001: the extension digits.
DialogTemplate DialExtension() {
  return {IDD_DIAL_EXTENSION, "拨打分机号", kPopup, 0, 0, 160, 62,
          {
              {IDC_EXTENSION_LABEL, "Static", "分机号：", kText, 8, 12, 36, 10},
              {IDC_EXTENSION_EDIT, "Edit", "", kDigits, 46, 10, 104, 12},
              {IDOK, "Button", "确定", kDefPush, 40, 40, 50, 14},
              {IDCANCEL, "Button", "取消", kPush, 100, 40, 50, 14},
          }};
}

// 5000: a password typed twice.
DialogTemplate InputPassword() {
  return {IDD_INPUT_PASSWORD, "Input Pswd Dialog", kPopup, 0, 0, 170, 78,
          {
              {kStatic, "Static", "请输入密码:", kText, 8, 12, 50, 10},
              {IDC_PASSWORD_EDIT, "Edit", "", kPassword, 60, 10, 100, 12},
              {kStatic, "Static", "验证密码:", kText, 8, 32, 50, 10},
              {IDC_PASSWORD_CONFIRM, "Edit", "", kPassword, 60, 30, 100, 12},
              {IDOK, "Button", "确定", kDefPush, 50, 56, 50, 14},
              {IDCANCEL, "Button", "取消", kPush, 110, 56, 50, 14},
          }};
}

// 540: conference properties. The check boxes are never shown and send nothing.
DialogTemplate ConfProperties() {
  return {IDD_CONF_PROPERTIES, "多媒体会议属性设置", kPopup, 0, 0, 190, 90,
          {
              {IDC_PROP_BASIC, "Button", "会议基本属性设置：", kHiddenCheck, 8, 4, 80, 10},
              {IDC_PROP_RECORD, "Button", "允许录制会议", kHiddenCheck, 8, 16, 80, 10},
              {IDC_PROP_SYNC_LAYOUT, "Button", "同步界面布局", kHiddenCheck, 95, 16, 80, 10},
              {IDC_PROP_VIDEO_POLL, "Button", "视频轮循", kHiddenCheck, 8, 28, 80, 10},
              {IDC_PROP_FILE_TRANSFER, "Button", "传输文件", kHiddenCheck, 95, 28, 80, 10},
              {IDC_PROP_ADD_RESOURCES, "Button", "增加会场资源：", kHiddenCheck, 8, 4, 80, 10},
              {kStatic, "Static", "最大成员数增加：", kText, 8, 20, 70, 10},
              {IDC_PROP_ADD_MEMBERS, "Edit", "", kDigits, 80, 18, 50, 12},
              {kStatic, "Static", "会议时间增加：", kText, 8, 40, 70, 10},
              {IDC_PROP_ADD_MINUTES, "Edit", "", kDigits, 80, 38, 50, 12},
              {kStatic, "Static", "(分钟)", kText, 134, 40, 40, 10},
              {IDOK, "Button", "确定(&O)", kDefPush, 70, 68, 50, 14},
              {IDCANCEL, "Button", "取消(&C)", kPush, 130, 68, 50, 14},
          }};
}

// 799: the assistance bar's icon menu.
platform::MenuTemplate AssistBarMenu() {
  return {{MF_POPUP, 0, "VNC_TIP",
           {{MF_POPUP, 0, "透明度",
             {{MF_STRING, ID_VNC_ALPHA_NONE, "不透明", {}},
              {MF_STRING, ID_VNC_ALPHA_20, "%20", {}},
              {MF_STRING, ID_VNC_ALPHA_40, "%40", {}},
              {MF_STRING, ID_VNC_ALPHA_60, "%60", {}},
              {MF_STRING, ID_VNC_ALPHA_80, "%80", {}},
              {MF_STRING, ID_VNC_ALPHA_FULL, "完全透明", {}}}},
            {MF_STRING, ID_VNC_OPEN, "打开(&O)", {}},
            {MF_STRING, ID_VNC_HIDE, "隐藏(&H)", {}},
            {MF_STRING, ID_VNC_END_ASSIST, "结束请求协助(&C)", {}}}}};
}

}  // namespace

void RegisterSmallDialogResources() {
  for (const DialogTemplate& tmpl : {AssistBar(), DialExtension(), InputPassword(), ConfProperties()})
    platform::RegisterDialogTemplate(tmpl);
  platform::RegisterMenuTemplate(IDR_VNC_TIP_MENU, AssistBarMenu());
}
