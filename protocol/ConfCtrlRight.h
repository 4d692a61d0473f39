// confCtrlRight: the record of conference event iType 6 (a feature's control right given to a
// member or taken back), byte-packed. Its first int is the detail type; the fields after it are
// this module's layout, chosen where the host's protocol leaves the offsets open (URIs in
// char[257] and texts in char[65], as every conference record):
//
//   +0x000 int  detailType       ConfCtrlRightDetail
//   +0x004 char szConfURI[257]   the conference the event is about
//   +0x105 char szMemberURI[257] the member the right concerns
//   +0x206 char szFeature[65]    the feature key ("doc-share", "xwb", "app-share" ...)
#pragma once

#include <cstddef>

enum ConfCtrlRightDetail {
  kCtrlRightGiven = 1,  // the member now holds the feature's control right (no one else does)
  kCtrlRightTaken = 2,  // the member no longer holds it
};

// The feature keys of the shared-document board's and the whiteboard's control rights.
constexpr char kFeatureDocShare[] = "doc-share";
constexpr char kFeatureWhiteboard[] = "xwb";

#pragma pack(push, 1)
struct confCtrlRight {
  int detailType;
  char szConfURI[257];
  char szMemberURI[257];
  char szFeature[65];
};
#pragma pack(pop)

static_assert(sizeof(confCtrlRight) == 583, "layout");
static_assert(offsetof(confCtrlRight, szMemberURI) == 0x105, "layout");
static_assert(offsetof(confCtrlRight, szFeature) == 0x206, "layout");
