// The invitation and point-to-point events of conference event iType 1 (confCtrlResult).
//
// The host's protocol leaves their detail types and fields open; this module's choice:
//   detail 30  an invitation to a conference: szConfURI the conference, szSubject, szChairURI
//              its creator, iConfType, iTypeCount/aiTypes its media and feature types,
//              szDConfID the data-conference id
//   detail 31  a received point-to-point invitation: szConfURI the inviter's URI, iConfType
//              the session kind (-1 whiteboard, -2 assistance)
//   detail 32  the callee's terminal rings: szConfURI the callee's URI, iConfType the kind
//   detail 33  the creation result of our point-to-point session: szConfURI the peer's URI,
//              iConfType the kind, iResult 200 on success
//   detail 34  the peer ended the session: szConfURI the peer's URI, iConfType the kind
// The host stand-in's scenario words (host/scenario/ConfEventWords.h) fill the same fields.
#pragma once

enum InviteEventDetail {
  kDetailConfInvite = 30,
  kDetailP2PInvite = 31,
  kDetailP2PRing = 32,
  kDetailP2PCreated = 33,
  kDetailP2PPeerEnd = 34,
};
