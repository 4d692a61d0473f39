// The book page (543), the notice numbers dialog (784), the chair menu (785) and the delete
// menu (756).
#include "res/BookTemplates.h"

#include "platform/ui/CommCtrl.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Menu.h"
#include "setup/BookPageIds.h"

namespace {

constexpr DWORD kText = WS_VISIBLE | SS_LEFT;
constexpr DWORD kPush = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kDefPush = WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON;
constexpr DWORD kCheck = WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kEdit = WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD kDigits = kEdit | ES_NUMBER;
constexpr DWORD kPassword = kEdit | ES_PASSWORD;
constexpr DWORD kDropList = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
constexpr DWORD kReport = WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS;
constexpr DWORD kPicker = WS_VISIBLE | WS_TABSTOP;
constexpr int kStatic = 65535;

DialogTemplate BookPage() {
  return {IDD_MMCONF_PRE, nullptr, WS_CHILD | DS_SETFONT, 0, 0, 365, 295,
          {
              {kStatic, "Static", "集团通讯录列表：", kText, 5, 3, 100, 10},
              {IDC_DEPT_TREE, WC_TREEVIEW, "", WS_VISIBLE | WS_TABSTOP | WS_BORDER, 5, 14, 110, 120},
              {IDC_BTN_ADD, "Button", "添加(&A)>>", kPush, 118, 40, 50, 14},
              {IDC_BTN_DELETE, "Button", "<<删除(&D)", kPush, 118, 60, 50, 14},
              {IDC_PRE_GROUP_BOOK, "Button", "集团通讯录(&R)", kPush, 118, 90, 50, 14},
              {IDC_PRE_PHONEBOOK, "Button", "个人通讯录(&H)", kPush, 118, 110, 50, 14},
              {kStatic, "Static", "会议成员列表：", kText, 172, 3, 100, 10},
              {IDC_MEMBER_LIST, WC_LISTVIEW, "", kReport, 172, 14, 188, 105},
              {IDC_NUMBER_ENTRY, "Edit", "", kEdit, 172, 122, 130, 12},
              {IDC_BTN_ADD_NUMBER, "Button", "添加(&I)", kPush, 308, 122, 52, 13},
              {IDC_PRE_SMS_CHECK, "Button", "短信号码", kCheck, 5, 138, 50, 10},
              {IDC_PRE_EMAIL_CHECK, "Button", "电子邮件", kCheck, 60, 138, 50, 10},
              {IDC_PRE_EDIT_NOTICES, "Button", "修改通知号码(&M)", kPush, 118, 136, 60, 13},
              {IDC_PRE_NOTICE_TYPE, "ComboBox", "", kDropList, 5, 152, 55, 60},
              {IDC_PRE_NOTICE_CHAIR, "Button", "主席", kCheck, 63, 153, 28, 10},
              {IDC_PRE_NOTICE_NUMBER, "Edit", "", kEdit, 93, 152, 75, 12},
              {IDC_PRE_NOTICE_ADD, "Button", "添加(&T)", kPush, 118, 166, 50, 13},
              {IDC_PRE_NOTICE_LIST, WC_LISTVIEW, "", kReport, 172, 138, 188, 42},
              {kStatic, "Static", "会议主题：", kText, 5, 186, 45, 10},
              {IDC_PRE_SUBJECT, "Edit", "", kEdit, 52, 184, 116, 12},
              {kStatic, "Static", "会议类型：", kText, 172, 186, 45, 10},
              {IDC_CONF_TYPE, "ComboBox", "", kDropList, 219, 184, 70, 60},
              {IDC_SPLIT_LABEL, "Static", "分   屏：", kText, 292, 186, 30, 10},
              {IDC_SPLIT_SCREEN, "ComboBox", "", kDropList, 322, 184, 38, 60},
              {kStatic, "Static", "最大成员数：", kText, 5, 202, 45, 10},
              {IDC_MAX_MEMBERS, "Edit", "", kDigits, 52, 200, 30, 12},
              {kStatic, "Static", "会议时长：", kText, 88, 202, 40, 10},
              {IDC_DURATION, "Edit", "", kDigits, 130, 200, 30, 12},
              {kStatic, "Static", "剩余时间通知：", kText, 172, 202, 55, 10},
              {IDC_REMAIN_NOTICE, "Edit", "", kDigits, 229, 200, 30, 12},
              {kStatic, "Static", "开始时间：", kText, 5, 218, 45, 10},
              {IDC_START_DATE, DATETIMEPICK_CLASS, "", kPicker | DTS_SHORTDATEFORMAT, 52, 216, 70, 12},
              {IDC_START_TIME, DATETIMEPICK_CLASS, "", kPicker | DTS_TIMEFORMAT, 125, 216, 55, 12},
              {IDC_CHAIR_LEAVE_NO_END, "Button", "主席离开时不结束会议", kCheck, 245, 216, 115, 12},
              {kStatic, "Static", "成员密码：", kText, 5, 234, 45, 10},
              {IDC_PRE_MEMBER_PWD, "Edit", "", kPassword, 52, 232, 60, 12},
              {kStatic, "Static", "再次输入密码：", kText, 120, 234, 55, 10},
              {IDC_PRE_MEMBER_PWD_AGAIN, "Edit", "", kPassword, 177, 232, 60, 12},
              {kStatic, "Static", "主席密码：", kText, 5, 250, 45, 10},
              {IDC_PRE_CHAIR_PWD, "Edit", "", kPassword, 52, 248, 60, 12},
              {kStatic, "Static", "再次输入密码：", kText, 120, 250, 55, 10},
              {IDC_PRE_CHAIR_PWD_AGAIN, "Edit", "", kPassword, 177, 248, 60, 12},
              {kStatic, "Static", "访客密码：", kText, 245, 234, 55, 10},
              {IDC_PRE_VISITOR_PWD, "Edit", "", kPassword, 302, 232, 58, 12},
              {kStatic, "Static", "再次输入密码：", kText, 245, 250, 55, 10},
              {IDC_PRE_VISITOR_PWD_AGAIN, "Edit", "", kPassword, 302, 248, 58, 12},
              {IDC_PRE_SPARE_TEXT, "Edit", "", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 310, 232, 50, 12},
              {IDC_BTN_IMPORT_DEFAULTS, "Button", "导入缺省设置(D)", kPush, 5, 272, 70, 14},
              {IDOK, "Button", "预约(&O)", kDefPush, 250, 272, 50, 14},
              {IDCANCEL, "Button", "取消(&C)", kPush, 308, 272, 50, 14},
              {IDC_PRE_SKIN, "Static", "", 0, 0, 0, 1, 1},
              {IDC_PAGE_LINE, "Static", "", kText, 0, 266, 363, 1},
          }};
}

DialogTemplate NoticeNumbersDialog() {
  return {IDD_EDIT_NOTICE_NUMBERS, "编辑会议通知号码", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT | DS_MODALFRAME,
          0, 0, 313, 215,
          {
              {kStatic, "Static", "会议通知号码列表", kText, 5, 3, 100, 10},
              {IDC_NOTICE_LIST, WC_LISTVIEW, "", kReport | LVS_SINGLESEL, 5, 14, 303, 100},
              {kStatic, "Static", "详细信息：", kText, 5, 118, 60, 10},
              {kStatic, "Static", "姓名：", kText, 10, 133, 40, 10},
              {IDC_NOTICE_NAME, "Edit", "", kEdit, 55, 131, 90, 12},
              {kStatic, "Static", "号码：", kText, 155, 133, 40, 10},
              {IDC_NOTICE_NUMBER, "Edit", "", kEdit, 200, 131, 105, 12},
              {kStatic, "Static", "短信号码：", kText, 10, 151, 40, 10},
              {IDC_NOTICE_SMS, "Edit", "", kEdit, 55, 149, 90, 12},
              {IDC_NOTICE_SMS_CHAIR, "Button", "主席", kCheck, 150, 150, 30, 10},
              {kStatic, "Static", "电子邮件：", kText, 10, 169, 40, 10},
              {IDC_NOTICE_EMAIL, "Edit", "", kEdit, 55, 167, 150, 12},
              {IDC_NOTICE_EMAIL_CHAIR, "Button", "主席", kCheck, 210, 168, 30, 10},
              {IDC_NOTICE_ADD, "Button", "添加(&A)", kPush, 130, 192, 50, 14},
              {IDC_NOTICE_CLEAR, "Button", "清空(&C)", kPush, 190, 192, 50, 14},
              {IDCANCEL, "Button", "退出(&E)", kPush, 250, 192, 50, 14},
              {IDOK, "Button", "确定(&O)", WS_TABSTOP | BS_DEFPUSHBUTTON, 70, 192, 50, 14},
          }};
}

}  // namespace

void RegisterBookResources() {
  platform::RegisterDialogTemplate(BookPage());
  platform::RegisterDialogTemplate(NoticeNumbersDialog());
  platform::RegisterMenuTemplate(IDR_PRE_CHAIR_MENU, {{MF_POPUP, 0, "成员",
                                                       {{MF_STRING, ID_PRE_SET_CHAIR, "设置为主席(&M)", {}},
                                                        {MF_STRING, ID_PRE_SET_MEMBER, "设置为成员(E)", {}}}}});
  platform::RegisterMenuTemplate(IDR_DELETE_MENU, {{MF_POPUP, 0, "删除", {{MF_STRING, ID_DELETE_ROWS, "删除(&D)", {}}}}});
}
