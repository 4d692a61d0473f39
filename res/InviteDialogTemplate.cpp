#include "res/InviteDialogTemplate.h"

#include "platform/ui/CommCtrl.h"
#include "platform/ui/Dialog.h"
#include "setup/InviteDialogIds.h"

namespace {

constexpr DWORD kText = WS_VISIBLE | SS_LEFT;
constexpr DWORD kPush = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kDefPush = WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON;
constexpr DWORD kEdit = WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD kReport = WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS;
constexpr int kStatic = 65535;

DialogTemplate InviteDialog() {
  return {IDD_CONF_INVITE, "邀请加入多媒体会议", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT, 0, 0, 378, 239,
          {
              {kStatic, "Static", "集团通讯录列表：", kText, 7, 7, 120, 10},
              {IDC_INVITE_TREE, WC_TREEVIEW, "", WS_VISIBLE | WS_TABSTOP | WS_BORDER, 7, 19, 150, 170},
              {IDC_INVITE_ADD, "Button", "添加(&A)>>", kPush, 163, 70, 50, 14},
              {IDC_INVITE_DELETE, "Button", "<<删除(&D)", kPush, 163, 92, 50, 14},
              {kStatic, "Static", "您想邀请的成员列表：", kText, 219, 7, 150, 10},
              {IDC_INVITE_LIST, WC_LISTVIEW, "", kReport, 219, 19, 152, 170},
              {IDC_INVITE_SPARE_LIST, WC_LISTVIEW, "", LVS_REPORT | LVS_SINGLESEL, 219, 19, 10, 10},
              {kStatic, "Static", "邀请：", kText, 7, 198, 25, 10},
              {IDC_INVITE_NUMBER, "Edit", "", kEdit, 34, 196, 180, 13},
              {IDC_INVITE_ADD_NUMBER, "Button", "添加(&I)", kPush, 219, 196, 50, 14},
              {IDC_INVITE_PHONEBOOK, "Button", "个人通讯录(&H)", kPush, 275, 196, 70, 14},
              {IDOK, "Button", "确定(&O)", kDefPush, 249, 218, 56, 14},
              {IDCANCEL, "Button", "取消(&C)", kPush, 315, 218, 56, 14},
          }};
}

}  // namespace

void RegisterInviteDialogResources() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  platform::RegisterDialogTemplate(InviteDialog());
}
