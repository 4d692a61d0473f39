// Ids of the conference records: the detail dialog's template and controls, and the records
// page's context menu with its commands.
#pragma once

#include "platform/Win32Types.h"

// The detail dialog (778, "会议记录详细信息").
constexpr UINT IDD_CONF_RECORD_DETAIL = 778;
constexpr int IDC_DETAIL_TITLE = 1996;
constexpr int IDC_DETAIL_START = 1997;
constexpr int IDC_DETAIL_END = 1998;
constexpr int IDC_DETAIL_ROLE = 1999;
constexpr int IDC_DETAIL_EVENTS = 2000;

// The records page's context menu (781) and its commands.
constexpr UINT IDR_RECORD_MENU = 781;
constexpr UINT ID_RECORD_VIEW = 13457;
constexpr UINT ID_RECORD_DELETE = 13458;
