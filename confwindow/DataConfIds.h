// Controls of the conference window (IDD_DATACONF) beside its invite button
// (IDC_CONF_INVITE, setup/InviteDialogIds.h).
#pragma once

constexpr int IDC_CONF_STATE = 2101;           // the conference: subject, URI, members
constexpr int IDC_CONF_MEMBERS = 2102;         // the members and their states
constexpr int IDC_CONF_PROMPTS = 2103;         // the prompt lines
constexpr int IDC_CONF_DIAL_EXTENSION = 2104;  // "拨打分机号" for the selected member
constexpr int IDC_CONF_PROPERTIES = 2105;      // "会场属性"
constexpr int IDC_CONF_PROMPT_SOUND = 2106;    // the prompt-sound switch
