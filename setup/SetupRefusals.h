// What every create, book and join request checks before it goes: the user busy in a call or
// a point-to-point session, and the host's consent to a conference operation now.
#pragma once

#include "platform/CString.h"

// Asks the host for the background-sound list (conference method 11) the first time a set-up
// request is made in this run.
void RequestBackgroundSoundsOnce();
// "通话中，不能进行多媒体会议操作" while a call runs or is being set up; "" when not.
CString CallRefusal();
// The refusal while a point-to-point session is set up or runs; "" when none.
CString P2PRefusal();
// A conference runs: the create and join pages never start a second one beside it.
// "您正在会议中，请先退出当前会议！" while one runs; "" when none.
CString ConferenceRefusal();
// Host code 20032: TRUE when the host answers that a conference operation may start now.
BOOL HostAllowsConfOperation();
// The first of CallRefusal(), P2PRefusal() and, when the host does not consent, kBusyText;
// "" when none. The host is asked only when the user is free.
CString RequestRefusal();

extern const char kBusyText[];  // "系统忙，请稍后重试！"
