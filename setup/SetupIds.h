// Template, control and string ids of the start window and its pages.
#pragma once

#include "platform/Win32Types.h"

// Templates.
constexpr UINT IDD_MMCONF_PRECREATE = 530;
constexpr UINT IDD_MMCONF_CREATE = 534;
constexpr UINT IDD_MMCONF_JOIN = 536;
constexpr UINT IDD_MMCONF_PRE = 543;
constexpr UINT IDD_MMCONF_RECORDS = 776;
constexpr UINT IDD_MMCONF_DEFAULTS = 782;

// Start window (530).
constexpr int IDC_FUNC_FRAME = 1977;
constexpr int IDC_RADIO_DEFAULT_SET = 1108;
constexpr int IDC_RADIO_CREATE_CONF = 1107;
constexpr int IDC_RADIO_PRE_CONF = 1769;
constexpr int IDC_RADIO_JOIN_CONF = 1770;
constexpr int IDC_RADIO_CONF_RECORD = 1771;
constexpr int IDC_LIST_LINE1 = 2011;
constexpr int IDC_LIST_LINE2 = 2012;
constexpr int IDC_HINT = 1765;

// Every page: the separator line above the buttons.
constexpr int IDC_PAGE_LINE = 2082;

// Create page (534).
constexpr int IDC_DEPT_TREE = 1934;
constexpr int IDC_BTN_ADD = 1081;
constexpr int IDC_BTN_DELETE = 1085;
constexpr int IDC_MEMBER_LIST = 1485;
constexpr int IDC_SPARE_LIST = 1484;
constexpr int IDC_NUMBER_ENTRY = 1687;
constexpr int IDC_BTN_ADD_NUMBER = 1689;
constexpr int IDC_BTN_PHONEBOOK = 1957;
constexpr int IDC_SUBJECT = 1045;
constexpr int IDC_CONF_TYPE = 1688;
constexpr int IDC_SPLIT_LABEL = 2116;
constexpr int IDC_SPLIT_SCREEN = 1492;
constexpr int IDC_MAX_MEMBERS = 1499;
constexpr int IDC_DURATION = 1498;
constexpr int IDC_REMAIN_NOTICE = 1964;
constexpr int IDC_MEMBER_PWD = 1777;
constexpr int IDC_MEMBER_PWD_AGAIN = 1781;
constexpr int IDC_CHAIR_PWD = 1775;
constexpr int IDC_CHAIR_PWD_AGAIN = 1779;
constexpr int IDC_VISITOR_PWD = 1778;
constexpr int IDC_VISITOR_PWD_AGAIN = 1780;
constexpr int IDC_CHAIR_LEAVE_NO_END = 5004;
constexpr int IDC_START_DATE = 1486;
constexpr int IDC_START_TIME = 1497;
constexpr int IDC_START_TIME_LABEL = 1708;
constexpr int IDC_BTN_IMPORT_DEFAULTS = 2016;

// Join page (536).
constexpr int IDC_JOIN_URI = 1693;
constexpr int IDC_JOIN_PASSWORD = 1045;

// Book page (543): the password edits the start window's hint reads.
constexpr int IDC_PRE_CHAIR_PWD = 1757;
constexpr int IDC_PRE_CHAIR_PWD_AGAIN = 1759;
constexpr int IDC_PRE_MEMBER_PWD = 1756;
constexpr int IDC_PRE_MEMBER_PWD_AGAIN = 1763;
constexpr int IDC_PRE_VISITOR_PWD = 1758;
constexpr int IDC_PRE_VISITOR_PWD_AGAIN = 1762;

// Records page (776).
constexpr int IDC_RECORD_LIST = 1177;

// Defaults page (782).
constexpr int IDC_DFS_SUBJECT = 1996;
constexpr int IDC_DFS_MAX_MEMBERS = 2002;
constexpr int IDC_DFS_DURATION = 1997;
constexpr int IDC_DFS_REMAIN_NOTICE = 1998;
constexpr int IDC_DFS_MEMBER_PWD = 1999;
constexpr int IDC_DFS_CHAIR_PWD = 2000;
constexpr int IDC_DFS_VISITOR_PWD = 2001;

// Strings of the conference-type lists.
constexpr UINT IDS_CONFTYPE_VIDEO = 37004;
constexpr UINT IDS_CONFTYPE_AUDIO = 37117;
constexpr UINT IDS_CONFTYPE_APP_SHARE = 37118;
constexpr UINT IDS_CONFTYPE_WHITEBOARD = 37119;
constexpr UINT IDS_CONFTYPE_DOC_SHARE = 37120;
constexpr UINT IDS_CONFTYPE_WEB_SHARE = 37121;
constexpr UINT IDS_CONFTYPE_VOTE = 37122;
constexpr UINT IDS_CONFTYPE_RAISE_HAND = 37123;
constexpr UINT IDS_CONFTYPE_AGENDA = 37124;
constexpr UINT IDS_CONFTYPE_SHARE_SPACE = 37125;
constexpr UINT IDS_CONFTYPE_FILE_TRANSFER = 37126;
