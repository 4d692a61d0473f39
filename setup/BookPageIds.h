// Template, control, menu and command ids of the book page and the notice numbers dialog.
#pragma once

#include "setup/SetupIds.h"

// Book page (543); the tree, arrow buttons, member list, typed numbers, type, split screen,
// maximum members, duration, notice, pickers and the chair-leaves check share the create
// page's ids.
constexpr int IDC_PRE_PHONEBOOK = 1959;
constexpr int IDC_PRE_GROUP_BOOK = 1958;
constexpr int IDC_PRE_NOTICE_CHAIR = 1501;
constexpr int IDC_PRE_SMS_CHECK = 1103;
constexpr int IDC_PRE_EMAIL_CHECK = 1104;
constexpr int IDC_PRE_NOTICE_TYPE = 1760;
constexpr int IDC_PRE_NOTICE_NUMBER = 1779;
constexpr int IDC_PRE_NOTICE_ADD = 1781;
constexpr int IDC_PRE_NOTICE_LIST = 1780;
constexpr int IDC_PRE_EDIT_NOTICES = 2013;
constexpr int IDC_PRE_SUBJECT = 1761;
constexpr int IDC_PRE_SPARE_TEXT = 1698;
constexpr int IDC_PRE_SKIN = 1745;

// Notice numbers dialog (784).
constexpr UINT IDD_EDIT_NOTICE_NUMBERS = 784;
constexpr int IDC_NOTICE_LIST = 2014;
constexpr int IDC_NOTICE_NAME = 1045;
constexpr int IDC_NOTICE_NUMBER = 1046;
constexpr int IDC_NOTICE_SMS = 1047;
constexpr int IDC_NOTICE_SMS_CHAIR = 1103;
constexpr int IDC_NOTICE_EMAIL = 1210;
constexpr int IDC_NOTICE_EMAIL_CHAIR = 1104;
constexpr int IDC_NOTICE_ADD = 1081;
constexpr int IDC_NOTICE_CLEAR = 1085;

// Menus: the member row's chair menu and the one-item delete menu.
constexpr UINT IDR_PRE_CHAIR_MENU = 785;
constexpr UINT ID_PRE_SET_CHAIR = 13459;
constexpr UINT ID_PRE_SET_MEMBER = 13460;
constexpr UINT IDR_DELETE_MENU = 756;
constexpr UINT ID_DELETE_ROWS = 13434;
