// Template and controls of the invite dialog (CmmconfInvite, 535), and the conference
// window's invite button.
#pragma once

#include "platform/Win32Types.h"

// 535: "邀请加入多媒体会议".
constexpr UINT IDD_CONF_INVITE = 535;
constexpr int IDC_INVITE_TREE = 1088;
constexpr int IDC_INVITE_ADD = 1082;
constexpr int IDC_INVITE_DELETE = 1085;
constexpr int IDC_INVITE_LIST = 1485;
constexpr int IDC_INVITE_SPARE_LIST = 1484;
constexpr int IDC_INVITE_NUMBER = 1692;
constexpr int IDC_INVITE_ADD_NUMBER = 1689;
constexpr int IDC_INVITE_PHONEBOOK = 1081;

// The conference window's "邀请加入" button.
constexpr int IDC_CONF_INVITE = 1081;
