// Conference event iType 1 (a conference-control result) as a scenario delivers it:
//   host 9 1 DETAIL RESULT URI [SUBJECT [TYPE]]
// DETAIL is the detail type (1 create, 7 join, 8 booking; 30 to 34 the invitation and
// point-to-point events of module/InviteEvents.h), RESULT the server's answer code (200
// success), URI the conference's URI (point to point: the peer's), SUBJECT its subject and
// TYPE its conference type (point to point: -1 whiteboard, -2 assistance).
#pragma once

#include <string>
#include <vector>

#include "host/RecordingHost.h"

namespace host {

// "" when the words (after the code) make such an event, else the reason.
std::string CheckConfCtrlResult(const std::vector<std::string>& args);
std::string DeliverConfCtrlResult(RecordingHost& host, int code, const std::vector<std::string>& args);

}  // namespace host
