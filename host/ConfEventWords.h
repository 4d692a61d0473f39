// Conference event iType 1 (a conference-control result) as a scenario delivers it:
//   host 9 1 DETAIL RESULT URI [SUBJECT]
// DETAIL is the detail type (1 create, 7 join, 8 booking), RESULT the server's answer code
// (200 success), URI the conference's URI and SUBJECT its subject.
#pragma once

#include <string>
#include <vector>

#include "host/RecordingHost.h"

namespace host {

// "" when the words (after the code) make such an event, else the reason.
std::string CheckConfCtrlResult(const std::vector<std::string>& args);
std::string DeliverConfCtrlResult(RecordingHost& host, int code, const std::vector<std::string>& args);

}  // namespace host
