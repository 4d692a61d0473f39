#include "res/InviteTemplates.h"

#include "platform/ui/Dialog.h"
#include "setup/InviteIds.h"

const char kInviteReceivedCaption[] = "收到加入多媒体会议邀请";
const char kPtopInviteCaption[] = "点对点邀请";

namespace {

constexpr DWORD kText = WS_VISIBLE | SS_LEFT;
constexpr DWORD kReadOnly = WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | ES_READONLY;
constexpr DWORD kPush = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kDefPush = WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON;
constexpr DWORD kPopup = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT;
constexpr int kStatic = 65535;

DialogTemplate InviteReceived() {
  return {IDD_INVITE_RECEIVED, kInviteReceivedCaption, kPopup, 0, 0, 210, 133,
          {
              {kStatic, "Static", "邀请您加入多媒体会议：", kText, 7, 7, 196, 10},
              {kStatic, "Static", "会场URI", kText, 7, 24, 40, 10},
              {IDC_INVITE_CONF_URI, "Edit", "", kReadOnly, 50, 22, 153, 13},
              {kStatic, "Static", "主题", kText, 7, 42, 40, 10},
              {IDC_INVITE_SUBJECT, "Edit", "", kReadOnly, 50, 40, 153, 13},
              {kStatic, "Static", "创建者", kText, 7, 60, 40, 10},
              {IDC_INVITE_CREATOR, "Edit", "", kReadOnly, 50, 58, 153, 13},
              {kStatic, "Static", "会议类型", kText, 7, 78, 40, 10},
              {IDC_INVITE_CONF_TYPE, "Edit", "", kReadOnly, 50, 76, 153, 13},
              {IDOK, "Button", "加入(&J)", kDefPush, 50, 108, 50, 14},
              {IDCANCEL, "Button", "取消(&C)", kPush, 110, 108, 50, 14},
          }};
}

// The ringing text and its cancel button start hidden; RingCome shows them.
DialogTemplate PtopInvite() {
  return {IDD_PTOP_INVITE, kPtopInviteCaption, kPopup, 0, 0, 169, 71,
          {
              {IDC_PTOP_TYPE_LABEL, "Static", "邀请类型：", kText, 7, 9, 40, 10},
              {IDC_PTOP_TYPE, "Edit", "", kReadOnly, 50, 7, 112, 13},
              {IDC_PTOP_FROM_LABEL, "Static", "邀请来自：", kText, 7, 27, 40, 10},
              {IDC_PTOP_FROM, "Edit", "", kReadOnly, 50, 25, 112, 13},
              {IDOK, "Button", "同意", kDefPush, 40, 50, 40, 14},
              {IDCANCEL, "Button", "取消", kPush, 90, 50, 40, 14},
              {IDC_PTOP_RING_TEXT, "Static", "", SS_LEFT, 7, 7, 155, 30},
              {IDC_PTOP_RING_CANCEL, "Button", "取消(&C)", WS_TABSTOP | BS_PUSHBUTTON, 112, 50, 50, 14},
          }};
}

}  // namespace

void RegisterInviteResources() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  platform::RegisterDialogTemplate(InviteReceived());
  platform::RegisterDialogTemplate(PtopInvite());
}
