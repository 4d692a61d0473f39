// Conference events (host code 9) as a scenario delivers them.
//
//   host 9 11 DETAIL TIME
//       iType 11 (confSysTime): the server's time; DETAIL 1 answers the book page's request.
//   host 9 6 DETAIL URI MEMBER FEATURE
//       iType 6 (confCtrlRight): DETAIL 1 gives MEMBER the control right of FEATURE ("xwb" the
//       whiteboard, "doc-share" document share ...) in conference URI, 2 takes it back.
//   host 9 7 DETAIL URI ...
//       iType 7 (confStatisEvent): members changed, the conference ended
//       (host/scenario/ConfStatisWords.h).
//   host 9 1 DETAIL RESULT URI [SUBJECT [TYPE]] [FIELD=VALUE ...]
//       iType 1 (confCtrlResult): DETAIL the detail type (1 create, 7 join, 8 booking, 14 the
//       failure reason; 30 to 34 the invitation and point-to-point events of
//       protocol/InviteEvents.h; the module's other events by their number), RESULT the server's
//       answer code (200 success), URI the conference's URI (point to point: the peer's),
//       SUBJECT its subject, TYPE its conference type (point to point: -1 whiteboard, -2
//       assistance). The other fields of the record are named:
//         subject=TEXT type=N chair=URI member=URI reason=TEXT dconf=ID subconf=ID
//         state=TEXT types=N[:ID],... member-id=N members=N max=N subconf-type=N (a type's
//         ID is the sub-conference id of its own)
//       (dconf the data-conference id, subconf a sub-conference id, state a member's state,
//       types the conference's media and feature types, members the members present, max the
//       conference's maximum of members). Texts longer than their field are refused.
#pragma once

#include <string>
#include <vector>

#include "host/recording/RecordingHost.h"

namespace host {

// "" when the words (after the code) make a conference event, else the reason.
std::string CheckConfEvent(const std::vector<std::string>& args);
// Delivers the event (words checked before); the line of what the module wrote back.
std::string DeliverConfEvent(RecordingHost& host, int code, const std::vector<std::string>& args);

// The same for the words of an iType 1 event (args[0] is "1").
std::string CheckConfCtrlResult(const std::vector<std::string>& args);
std::string DeliverConfCtrlResult(RecordingHost& host, int code, const std::vector<std::string>& args);

}  // namespace host
