// Dialog templates and strings of the start window and its pages.
#include "platform/ui/CommCtrl.h"
#include "platform/ui/Dialog.h"
#include "res/Resources.h"
#include "res/StringTable.h"
#include "setup/SetupIds.h"

namespace {

constexpr DWORD kText = WS_VISIBLE | SS_LEFT;
constexpr DWORD kPush = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kDefPush = WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON;
constexpr DWORD kEdit = WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD kDigits = kEdit | ES_NUMBER;
constexpr DWORD kPassword = kEdit | ES_PASSWORD;
constexpr DWORD kHiddenPassword = WS_TABSTOP | WS_DISABLED | WS_BORDER | ES_AUTOHSCROLL | ES_PASSWORD;
constexpr DWORD kDropList = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
constexpr DWORD kRadio = WS_VISIBLE | WS_TABSTOP | BS_AUTORADIOBUTTON;
constexpr DWORD kListView = WS_VISIBLE | WS_TABSTOP | WS_BORDER;
constexpr DWORD kPageStyle = WS_CHILD | DS_SETFONT;
constexpr int kStatic = 65535;

const char* const kListViewClass = WC_LISTVIEW;
const char* const kTreeViewClass = WC_TREEVIEW;
const char* const kDateTimeClass = DATETIMEPICK_CLASS;

// 530: the start window, the radio list on the left and the hint line at the bottom.
DialogTemplate StartWindow() {
  return {IDD_MMCONF_PRECREATE, "多媒体会议", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT, 0, 0, 470, 319,
          {
              {IDC_FUNC_FRAME, "Static", "frm", kText, 3, 12, 93, 290},
              {IDC_RADIO_DEFAULT_SET, "Button", "default set", kRadio | WS_GROUP, 5, 35, 86, 20},
              {IDC_RADIO_CREATE_CONF, "Button", "create conf", kRadio, 5, 58, 86, 20},
              {IDC_RADIO_PRE_CONF, "Button", "pre conf", kRadio, 5, 82, 86, 20},
              {IDC_LIST_LINE1, "Static", "", kText, 3, 102, 92, 1},
              {IDC_RADIO_JOIN_CONF, "Button", "join conf", kRadio, 5, 105, 86, 20},
              {IDC_LIST_LINE2, "Static", "", kText, 3, 126, 92, 1},
              {IDC_RADIO_CONF_RECORD, "Button", "conf record", kRadio, 5, 128, 86, 20},
              {IDC_HINT, "Static", "注意：密码只能输入数字！", kText | WS_GROUP, 100, 300, 360, 12},
          }};
}

// 534: the create page.
DialogTemplate CreatePage() {
  return {IDD_MMCONF_CREATE, nullptr, kPageStyle, 0, 0, 365, 295,
          {
              {kStatic, "Static", "集团通讯录列表：", kText, 5, 3, 100, 10},
              {IDC_DEPT_TREE, kTreeViewClass, "", kListView, 5, 14, 120, 150},
              {IDC_BTN_ADD, "Button", "添加(&A)>>", kPush, 130, 50, 50, 14},
              {IDC_BTN_DELETE, "Button", "<<删除(&D)", kPush, 130, 70, 50, 14},
              {kStatic, "Static", "会议成员列表：", kText, 185, 3, 100, 10},
              {IDC_MEMBER_LIST, kListViewClass, "", kListView | LVS_REPORT | LVS_SINGLESEL, 185, 14, 175, 130},
              {IDC_SPARE_LIST, kListViewClass, "", WS_TABSTOP | WS_BORDER, 185, 14, 175, 130},
              {kStatic, "Static", "会议成员：", kText, 185, 150, 40, 10},
              {IDC_NUMBER_ENTRY, "Edit", "", kEdit, 225, 148, 80, 12},
              {IDC_BTN_ADD_NUMBER, "Button", "添加(&I)", kPush, 308, 148, 52, 13},
              {IDC_BTN_PHONEBOOK, "Button", "个人通讯录(&H)", kPush, 130, 150, 50, 14},
              {kStatic, "Static", "会议主题：", kText, 5, 172, 45, 10},
              {IDC_SUBJECT, "Edit", "", kEdit, 52, 170, 130, 12},
              {kStatic, "Static", "会议类型：", kText, 190, 172, 45, 10},
              {IDC_CONF_TYPE, "ComboBox", "", kDropList, 237, 170, 70, 100},
              {IDC_SPLIT_LABEL, "Static", "分屏", kText, 310, 172, 18, 10},
              {IDC_SPLIT_SCREEN, "ComboBox", "", kDropList, 328, 170, 32, 60},
              {kStatic, "Static", "最大成员数：", kText, 5, 188, 45, 10},
              {IDC_MAX_MEMBERS, "Edit", "", kDigits, 52, 186, 30, 12},
              {kStatic, "Static", "会议时长：", kText, 90, 188, 40, 10},
              {IDC_DURATION, "Edit", "", kDigits, 132, 186, 30, 12},
              {kStatic, "Static", "分钟", kText, 165, 188, 20, 10},
              {kStatic, "Static", "剩余时间通知：", kText, 190, 188, 55, 10},
              {IDC_REMAIN_NOTICE, "Edit", "", kDigits, 247, 186, 30, 12},
              {kStatic, "Static", "分钟", kText, 280, 188, 20, 10},
              {kStatic, "Static", "成员密码：", kText, 5, 204, 45, 10},
              {IDC_MEMBER_PWD, "Edit", "", kPassword, 52, 202, 60, 12},
              {kStatic, "Static", "再次输入密码：", kText, 120, 204, 55, 10},
              {IDC_MEMBER_PWD_AGAIN, "Edit", "", kPassword, 177, 202, 60, 12},
              {kStatic, "Static", "主席密码：", kText, 5, 220, 45, 10},
              {IDC_CHAIR_PWD, "Edit", "", kPassword, 52, 218, 60, 12},
              {kStatic, "Static", "再次输入密码：", kText, 120, 220, 55, 10},
              {IDC_CHAIR_PWD_AGAIN, "Edit", "", kPassword, 177, 218, 60, 12},
              {kStatic, "Static", "访客密码：", SS_LEFT, 5, 236, 45, 10},
              {IDC_VISITOR_PWD, "Edit", "", kHiddenPassword, 52, 234, 60, 12},
              {kStatic, "Static", "再次输入密码：", SS_LEFT, 120, 236, 55, 10},
              {IDC_VISITOR_PWD_AGAIN, "Edit", "", kHiddenPassword, 177, 234, 60, 12},
              {IDC_CHAIR_LEAVE_NO_END, "Button", "主席离开时不结束会议", WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 245,
               202, 115, 12},
              {IDC_START_TIME_LABEL, "Static", "开始时间", SS_LEFT, 245, 220, 40, 10},
              {IDC_START_DATE, kDateTimeClass, "", WS_TABSTOP, 245, 230, 60, 12},
              {IDC_START_TIME, kDateTimeClass, "", WS_TABSTOP, 305, 230, 55, 12},
              {IDC_BTN_IMPORT_DEFAULTS, "Button", "导入缺省设置(D)", kPush, 5, 272, 70, 14},
              {IDOK, "Button", "创建(&O)", kDefPush, 250, 272, 50, 14},
              {IDCANCEL, "Button", "取消(&C)", kPush, 308, 272, 50, 14},
              {IDC_PAGE_LINE, "Static", "", kText, 0, 266, 363, 1},
          }};
}

// 536: the join page.
DialogTemplate JoinPage() {
  return {IDD_MMCONF_JOIN, nullptr, kPageStyle, 0, 0, 365, 295,
          {
              {kStatic, "Static", "会场URI：", kText, 40, 60, 50, 10},
              {IDC_JOIN_URI, "Edit", "", kEdit, 95, 58, 200, 12},
              {kStatic, "Static", "会场密码：", kText, 40, 85, 50, 10},
              {IDC_JOIN_PASSWORD, "Edit", "", kPassword, 95, 83, 200, 12},
              {IDOK, "Button", "确定(&O)", kDefPush, 250, 272, 50, 14},
              {IDCANCEL, "Button", "取消(&C)", kPush, 308, 272, 50, 14},
              {IDC_PAGE_LINE, "Static", "", kText, 0, 266, 363, 1},
          }};
}

// 776: the conference records page.
DialogTemplate RecordListPage() {
  return {IDD_MMCONF_RECORDS, nullptr, kPageStyle, 0, 0, 365, 295,
          {
              {kStatic, "Static", "会议记录列表（双击查看详细信息）：", kText, 5, 3, 200, 10},
              {IDC_RECORD_LIST, kListViewClass, "", kListView | LVS_REPORT, 5, 14, 355, 245},
              {IDOK, "Button", "退出(&E)", kDefPush, 308, 272, 50, 14},
              {IDCANCEL, "Button", "取消(&C)", WS_TABSTOP | BS_PUSHBUTTON, 250, 272, 50, 14},
              {IDC_PAGE_LINE, "Static", "", kText, 0, 266, 363, 1},
          }};
}

// 782: the defaults page.
DialogTemplate DefaultsPage() {
  return {IDD_MMCONF_DEFAULTS, nullptr, kPageStyle, 0, 0, 365, 295,
          {
              {kStatic, "Static", "会议主题：", kText, 40, 30, 60, 10},
              {IDC_DFS_SUBJECT, "Edit", "", kEdit, 105, 28, 150, 12},
              {kStatic, "Static", "最大成员数：", kText, 40, 50, 60, 10},
              {IDC_DFS_MAX_MEMBERS, "Edit", "", kDigits, 105, 48, 40, 12},
              {kStatic, "Static", "会议时长：", kText, 40, 70, 60, 10},
              {IDC_DFS_DURATION, "Edit", "", kDigits, 105, 68, 40, 12},
              {kStatic, "Static", "分钟", kText, 150, 70, 20, 10},
              {kStatic, "Static", "剩余时间通知：", kText, 40, 90, 60, 10},
              {IDC_DFS_REMAIN_NOTICE, "Edit", "", kDigits, 105, 88, 40, 12},
              {kStatic, "Static", "分钟", kText, 150, 90, 20, 10},
              {kStatic, "Static", "成员密码：", kText, 40, 110, 60, 10},
              {IDC_DFS_MEMBER_PWD, "Edit", "", kPassword | ES_NUMBER, 105, 108, 80, 12},
              {kStatic, "Static", "主席密码：", kText, 40, 130, 60, 10},
              {IDC_DFS_CHAIR_PWD, "Edit", "", kPassword | ES_NUMBER, 105, 128, 80, 12},
              {kStatic, "Static", "访客密码：", SS_LEFT, 40, 150, 60, 10},
              {IDC_DFS_VISITOR_PWD, "Edit", "", kHiddenPassword | ES_NUMBER, 105, 148, 80, 12},
              {IDOK, "Button", "修改(&M)", kDefPush, 250, 272, 50, 14},
              {IDCANCEL, "Button", "取消(&C)", kPush, 308, 272, 50, 14},
              {IDC_PAGE_LINE, "Static", "", kText, 0, 266, 363, 1},
          }};
}

// The conference and feature types of the create and book pages' type lists.
const res::StringEntry kSetupStrings[] = {
    {IDS_CONFTYPE_VIDEO, "视频会议"},         {IDS_CONFTYPE_AUDIO, "音频会议"},
    {IDS_CONFTYPE_APP_SHARE, "请求协助"},     {IDS_CONFTYPE_WHITEBOARD, "白板"},
    {IDS_CONFTYPE_DOC_SHARE, "文档共享"},     {IDS_CONFTYPE_WEB_SHARE, "网页共享"},
    {IDS_CONFTYPE_VOTE, "投票"},              {IDS_CONFTYPE_RAISE_HAND, "举手"},
    {IDS_CONFTYPE_AGENDA, "议程"},            {IDS_CONFTYPE_SHARE_SPACE, "共享空间"},
    {IDS_CONFTYPE_FILE_TRANSFER, "文件传输"},
};

}  // namespace

void RegisterSetupResources() {
  for (const DialogTemplate& tmpl : {StartWindow(), CreatePage(), JoinPage(), RecordListPage(), DefaultsPage()})
    platform::RegisterDialogTemplate(tmpl);
  res::AddStrings(kSetupStrings, sizeof kSetupStrings / sizeof kSetupStrings[0]);
}
