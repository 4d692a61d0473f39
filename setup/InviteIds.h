// Templates and controls of the two invitation windows: the invitation to a conference
// (CDlgInviteReceived, 537) and the point-to-point invitation (CDlgPtopInvite, 801).
#pragma once

#include "platform/Win32Types.h"

// 537: "收到加入多媒体会议邀请".
constexpr UINT IDD_INVITE_RECEIVED = 537;
constexpr int IDC_INVITE_CONF_URI = 1693;
constexpr int IDC_INVITE_SUBJECT = 1045;
constexpr int IDC_INVITE_CREATOR = 1711;
constexpr int IDC_INVITE_CONF_TYPE = 1712;

// 801: "点对点邀请".
constexpr UINT IDD_PTOP_INVITE = 801;
constexpr int IDC_PTOP_TYPE_LABEL = 1741;
constexpr int IDC_PTOP_TYPE = 1045;
constexpr int IDC_PTOP_FROM_LABEL = 1742;
constexpr int IDC_PTOP_FROM = 1046;
constexpr int IDC_PTOP_RING_TEXT = 1414;
constexpr int IDC_PTOP_RING_CANCEL = 1081;

// The window titles the host's codes 11 and 12 look for.
extern const char kInviteReceivedCaption[];  // "收到加入多媒体会议邀请"
extern const char kPtopInviteCaption[];      // "点对点邀请"
