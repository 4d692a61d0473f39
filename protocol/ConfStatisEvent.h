// confStatisEvent: the record of conference event iType 7 (a status change of a conference),
// 52,773 bytes, byte-packed. Its first int is the detail type; the fields after it are this
// module's layout, chosen where the host's protocol leaves the offsets open (URIs in
// char[257], as every conference record); up to 200 members travel in one event:
//
//   +0x0000 int  detailType        ConfStatisDetail
//   +0x0004 char szConfURI[257]    the conference the event is about
//   +0x0105 int  iMemberCount      members present now (the user included)
//   +0x0109 int  iMaxMembers       the conference's maximum (0: unchanged)
//   +0x010D int  iEntryCount       entries used in the three member arrays
//   +0x0111 int  aiMemberIDs[200]  each member's numeric id
//   +0x0431 unsigned char abMemberStates[200]  ConfMemberState of each member
//   +0x04F9 char reserved[100]     zero
//   +0x055D char aszMemberURIs[200][257]
//
// Detail kStatisMembers reports members whose state changed (or all of them): each listed
// member is added or updated, the others stay as they were. Detail kStatisConfEnded says that
// the conference is over; only the URI is read.
#pragma once

#include <cstddef>

constexpr int kStatisMemberCapacity = 200;

enum ConfStatisDetail {
  kStatisMembers = 1,
  kStatisConfEnded = 2,
};

// A member's state in abMemberStates, and its text in the conference window's member entry.
enum ConfMemberState {
  kMemberDisconnected = 0,  // "disconnected": left, or was never reached
  kMemberConnecting = 1,    // "connecting": invited, being called
  kMemberConnected = 2,     // "connected": present
};

#pragma pack(push, 1)
struct confStatisEvent {
  int detailType;
  char szConfURI[257];
  int iMemberCount;
  int iMaxMembers;
  int iEntryCount;
  int aiMemberIDs[kStatisMemberCapacity];
  unsigned char abMemberStates[kStatisMemberCapacity];
  char reserved[100];
  char aszMemberURIs[kStatisMemberCapacity][257];
};
#pragma pack(pop)

static_assert(sizeof(confStatisEvent) == 52773, "confStatisEvent size");
static_assert(offsetof(confStatisEvent, szConfURI) == 0x0004, "layout");
static_assert(offsetof(confStatisEvent, iMemberCount) == 0x0105, "layout");
static_assert(offsetof(confStatisEvent, iMaxMembers) == 0x0109, "layout");
static_assert(offsetof(confStatisEvent, iEntryCount) == 0x010D, "layout");
static_assert(offsetof(confStatisEvent, aiMemberIDs) == 0x0111, "layout");
static_assert(offsetof(confStatisEvent, abMemberStates) == 0x0431, "layout");
static_assert(offsetof(confStatisEvent, reserved) == 0x04F9, "layout");
static_assert(offsetof(confStatisEvent, aszMemberURIs) == 0x055D, "layout");

// The state text of a member entry ("connected", "connecting", "disconnected").
inline const char* MemberStateText(int state) {
  switch (state) {
    case kMemberConnecting: return "connecting";
    case kMemberConnected: return "connected";
    default: return "disconnected";
  }
}
