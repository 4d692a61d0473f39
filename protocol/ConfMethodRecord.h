// The record of conference method 1 (conference control): the one request with which the
// module asks the host's conference control to create, book, join, leave or end a conference,
// invite or remove a member, answer an invitation, start or stop a sub-conference, send
// extension digits, and set up or leave a point-to-point session. 5,241 bytes, byte-packed.
//
// Every record is built by one of the builders of common/ConfMethodRecord.h (each zeroes the
// whole record first), sent with bIMSConfMethod(1, &record), and then released with
// FreeConfMethodLists.
#pragma once

#include <cstddef>

enum ConfMethodSubType {
  kConfCreate = 1,
  kConfInvite = 2,
  kConfAnswer = 3,
  kConfRemoveMember = 4,
  kConfLeave = 5,
  kConfJoin = 6,
  kConfBook = 7,
  kConfSubConf = 8,
  kConfExtension = 10,
  kConfEnd = 12,
};

// Conference types of point-to-point sessions.
constexpr int kP2PWhiteboard = -1;
constexpr int kP2PAssist = -2;

// Sub-conference states of sub-type 8.
constexpr int kSubConfStart = 1;
constexpr int kSubConfStop = -1;

constexpr int kConfListCapacity = 200;

#pragma pack(push, 1)
struct ConfMethodRecord {
  int iSubType;                                // +0x0000 ConfMethodSubType
  char szConfURI[257];                         // +0x0004 conference URI, or the peer's URI
  char szSubject[65];                          // +0x0105
  int iConfType;                               // +0x0146 media or feature type; -1/-2 point to point
  int iMemberCount;                            // +0x014A
  char* pMemberList[kConfListCapacity];        // +0x014E
  char szMemberURI[257];                       // +0x046E the member an operation addresses
  int iAnswer;                                 // +0x056F 1 accept, 0 refuse
  char szJoinPassword[65];                     // +0x0573
  int iSMSCount;                               // +0x05B4
  char* pSMSList[kConfListCapacity];           // +0x05B8
  int iSMSChairFlag[kConfListCapacity];        // +0x08D8
  int iEmailCount;                             // +0x0BF8
  char* pEmailList[kConfListCapacity];         // +0x0BFC
  int iEmailChairFlag[kConfListCapacity];      // +0x0F1C
  int iMaxMembers;                             // +0x123C the chair included
  char szStartTime[20];                        // +0x1240 "YYYY-MM-DD hh:mm:ss"
  int iDuration;                               // +0x1254 minutes
  int iRemainNotice;                           // +0x1258 minutes before the end
  int iSplitScreen;                            // +0x125C 1, 4 or 6 (0 none)
  int iReserved;                               // +0x1260 always 0
  char szChairURI[257];                        // +0x1264
  char szChairPassword[65];                    // +0x1365
  char szMemberPassword[65];                   // +0x13A6
  char szVisitorPassword[65];                  // +0x13E7
  int iSubConfState;                           // +0x1428 kSubConfStart / kSubConfStop
  int iSubConfType;                            // +0x142C
  int iMemberID;                               // +0x1430
  char szExtension[65];                        // +0x1434
  int bChairLeaveNoEnd;                        // +0x1475 1: the conference goes on without the chair
};
#pragma pack(pop)

static_assert(sizeof(ConfMethodRecord) == 5241, "ConfMethodRecord size");
static_assert(offsetof(ConfMethodRecord, iSubType) == 0x0000, "layout");
static_assert(offsetof(ConfMethodRecord, szConfURI) == 0x0004, "layout");
static_assert(offsetof(ConfMethodRecord, szSubject) == 0x0105, "layout");
static_assert(offsetof(ConfMethodRecord, iConfType) == 0x0146, "layout");
static_assert(offsetof(ConfMethodRecord, iMemberCount) == 0x014A, "layout");
static_assert(offsetof(ConfMethodRecord, pMemberList) == 0x014E, "layout");
static_assert(offsetof(ConfMethodRecord, szMemberURI) == 0x046E, "layout");
static_assert(offsetof(ConfMethodRecord, iAnswer) == 0x056F, "layout");
static_assert(offsetof(ConfMethodRecord, szJoinPassword) == 0x0573, "layout");
static_assert(offsetof(ConfMethodRecord, iSMSCount) == 0x05B4, "layout");
static_assert(offsetof(ConfMethodRecord, pSMSList) == 0x05B8, "layout");
static_assert(offsetof(ConfMethodRecord, iSMSChairFlag) == 0x08D8, "layout");
static_assert(offsetof(ConfMethodRecord, iEmailCount) == 0x0BF8, "layout");
static_assert(offsetof(ConfMethodRecord, pEmailList) == 0x0BFC, "layout");
static_assert(offsetof(ConfMethodRecord, iEmailChairFlag) == 0x0F1C, "layout");
static_assert(offsetof(ConfMethodRecord, iMaxMembers) == 0x123C, "layout");
static_assert(offsetof(ConfMethodRecord, szStartTime) == 0x1240, "layout");
static_assert(offsetof(ConfMethodRecord, iDuration) == 0x1254, "layout");
static_assert(offsetof(ConfMethodRecord, iRemainNotice) == 0x1258, "layout");
static_assert(offsetof(ConfMethodRecord, iSplitScreen) == 0x125C, "layout");
static_assert(offsetof(ConfMethodRecord, iReserved) == 0x1260, "layout");
static_assert(offsetof(ConfMethodRecord, szChairURI) == 0x1264, "layout");
static_assert(offsetof(ConfMethodRecord, szChairPassword) == 0x1365, "layout");
static_assert(offsetof(ConfMethodRecord, szMemberPassword) == 0x13A6, "layout");
static_assert(offsetof(ConfMethodRecord, szVisitorPassword) == 0x13E7, "layout");
static_assert(offsetof(ConfMethodRecord, iSubConfState) == 0x1428, "layout");
static_assert(offsetof(ConfMethodRecord, iSubConfType) == 0x142C, "layout");
static_assert(offsetof(ConfMethodRecord, iMemberID) == 0x1430, "layout");
static_assert(offsetof(ConfMethodRecord, szExtension) == 0x1434, "layout");
static_assert(offsetof(ConfMethodRecord, bChairLeaveNoEnd) == 0x1475, "layout");
