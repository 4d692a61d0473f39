// Conference event iType 7 (confStatisEvent, protocol/ConfStatisEvent.h) as a scenario
// delivers it:
//
//   host 9 7 DETAIL URI [members=N] [max=N] [entry=MEMBER-URI,STATE[,ID] ...]
//
// DETAIL 1: the members of the conference URI changed: members the count present now (the user
// included), max the conference's maximum (0 or absent: unchanged), one entry word per listed
// member, STATE connected, connecting, disconnected or 0 to 2, ID its member id. DETAIL 2: the
// conference URI ended. At most 200 entries; texts longer than their field are refused.
#pragma once

#include <string>
#include <vector>

#include "host/recording/RecordingHost.h"

namespace host {

// "" when the words (after the code, args[0] "7") make such an event, else the reason.
std::string CheckConfStatis(const std::vector<std::string>& args);
std::string DeliverConfStatis(RecordingHost& host, int code, const std::vector<std::string>& args);

}  // namespace host
