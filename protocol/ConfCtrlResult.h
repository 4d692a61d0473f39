// confCtrlResult: the record of conference event iType 1 (a conference-control result),
// 1,373 bytes, byte-packed. Its first int is the detail type; the fields after it are this
// module's layout of the control's result, chosen here where the host's protocol leaves the
// offsets open (URIs in char[257], texts in char[65], as every conference record):
//
//   +0x000 int  detailType      ConfCtrlDetail
//   +0x004 int  iResult         the server's answer code (200 success)
//   +0x008 char szConfURI[257]  the conference
//   +0x109 char szSubject[65]
//   +0x14A char szChairURI[257] the conference's chair (invitations)
//   +0x24B char szMemberURI[257] the member a result or a state change is about
//   +0x34C char szReason[65]    the failure reason text
//   +0x38D char szDConfID[65]   the data-conference id
//   +0x3CE char szSubConfID[65] a sub-conference id
//   +0x40F char szMemberState[65] "connected", "connecting" ...
//   +0x450 int  iConfType       the conference type
//   +0x454 int  iTypeCount      entries used in aiTypes
//   +0x458 int  aiTypes[16]     the conference's media and feature types (invitations)
//   +0x498 int  iMemberID
//   +0x49C int  iMemberCount    members present
//   +0x4A0 int  iMaxMembers     the conference's maximum
//   +0x4A4 int  iSubConfType
//   +0x4A8 int  aiSubConfIDs[16] the sub-conference id of each entry of aiTypes, 0 where the
//                               feature has none of its own (szSubConfID stands for it)
//   +0x4E8 char reserved[117]   zero
#pragma once

#include <cstddef>
#include <cstring>

#include "platform/CString.h"

// Detail types of conference event iType 1 that the set-up windows wait for.
enum ConfCtrlDetail {
  kDetailCreate = 1,      // the answer to a create request
  kDetailJoin = 7,        // the answer to a join request
  kDetailBook = 8,        // the answer to a booking
  kDetailFailReason = 14, // the failure reason of the last control request
};

// The server's answer code of success.
constexpr int kConfResultOK = 200;

constexpr int kConfCtrlTypeCapacity = 16;

#pragma pack(push, 1)
struct confCtrlResult {
  int detailType;
  int iResult;
  char szConfURI[257];
  char szSubject[65];
  char szChairURI[257];
  char szMemberURI[257];
  char szReason[65];
  char szDConfID[65];
  char szSubConfID[65];
  char szMemberState[65];
  int iConfType;
  int iTypeCount;
  int aiTypes[kConfCtrlTypeCapacity];
  int iMemberID;
  int iMemberCount;
  int iMaxMembers;
  int iSubConfType;
  int aiSubConfIDs[kConfCtrlTypeCapacity];
  char reserved[117];
};
#pragma pack(pop)

static_assert(sizeof(confCtrlResult) == 1373, "confCtrlResult size");
static_assert(offsetof(confCtrlResult, iResult) == 0x004, "layout");
static_assert(offsetof(confCtrlResult, szConfURI) == 0x008, "layout");
static_assert(offsetof(confCtrlResult, szSubject) == 0x109, "layout");
static_assert(offsetof(confCtrlResult, szChairURI) == 0x14A, "layout");
static_assert(offsetof(confCtrlResult, szMemberURI) == 0x24B, "layout");
static_assert(offsetof(confCtrlResult, szReason) == 0x34C, "layout");
static_assert(offsetof(confCtrlResult, szDConfID) == 0x38D, "layout");
static_assert(offsetof(confCtrlResult, szSubConfID) == 0x3CE, "layout");
static_assert(offsetof(confCtrlResult, szMemberState) == 0x40F, "layout");
static_assert(offsetof(confCtrlResult, iConfType) == 0x450, "layout");
static_assert(offsetof(confCtrlResult, iTypeCount) == 0x454, "layout");
static_assert(offsetof(confCtrlResult, aiTypes) == 0x458, "layout");
static_assert(offsetof(confCtrlResult, iMemberID) == 0x498, "layout");
static_assert(offsetof(confCtrlResult, iMemberCount) == 0x49C, "layout");
static_assert(offsetof(confCtrlResult, iMaxMembers) == 0x4A0, "layout");
static_assert(offsetof(confCtrlResult, iSubConfType) == 0x4A4, "layout");
static_assert(offsetof(confCtrlResult, aiSubConfIDs) == 0x4A8, "layout");
static_assert(offsetof(confCtrlResult, reserved) == 0x4E8, "layout");

// The text of a fixed field of a received record, read up to its first zero byte and never
// past the field, so that a field without one is cut at its end.
template <size_t N>
inline CString RecordText(const char (&field)[N]) {
  return CString(field, (int)strnlen(field, N));
}
