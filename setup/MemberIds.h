// Template, control and resource ids of the member dialogs: the receiver chooser and the
// member-right query; the image list of the department trees.
#pragma once

#include "platform/Win32Types.h"

// Receiver chooser (280).
constexpr UINT IDD_SELECT_RECEIVER = 280;
constexpr int IDC_RECEIVER_LIST = 1084;
constexpr int IDC_RECEIVER_HINT = 1667;

// Member-right query (5004).
constexpr UINT IDD_MEMBER_RIGHT_QUERY = 5004;
constexpr int IDC_RIGHT_RESULT = 5011;
constexpr int IDC_RIGHT_CLOSE = 1085;
constexpr int IDC_RIGHT_COUNTDOWN = 1442;
// WM_COMMAND id that carries the host's member-right answer (code 17) to the query dialog.
constexpr WPARAM kMemberRightAnswerCommand = 123456;
// The query dialog's caption, by which the module finds it for the answer.
extern const char kMemberRightQueryTitle[];

// The 17 x 17 icons of the department trees and the receiver chooser.
constexpr UINT IDB_DEPT_ICONS = 133;
