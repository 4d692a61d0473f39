// The builders of the conference-control record (protocol/ConfMethodRecord.h): one per
// sub-type, the record's pointer lists, and the owner that frees them.
#pragma once

#include "platform/CString.h"
#include "platform/Collections.h"
#include "platform/Win32Types.h"
#include "protocol/ConfMethodRecord.h"

// What a create request (sub-type 1) carries.
struct ConfCreateParams {
  int iConfType = 0;
  CString csSubject;
  int iMaxMembers = 0;
  int iDuration = 0;
  int iRemainNotice = 0;
  int iSplitScreen = 0;
  CString csChairPassword;
  CString csMemberPassword;
  CString csVisitorPassword;
  BOOL bChairLeaveNoEnd = FALSE;
};

// One notice entry of a booking: an SMS number or an e-mail address, flagged when it is the
// chair's.
struct ConfNoticeEntry {
  CString csAddress;
  BOOL bChair = FALSE;
};

// The start time of a booking, local time.
struct ConfStartTime {
  int iYear = 0, iMonth = 0, iDay = 0, iHour = 0, iMinute = 0, iSecond = 0;
};

// What a booking (sub-type 7) carries.
struct ConfBookParams {
  CString csSubject;
  int iConfType = 0;
  CStringArray saMembers;
  CArray<ConfNoticeEntry> aSMS;
  CArray<ConfNoticeEntry> aEmail;
  int iMaxMembers = 0;
  ConfStartTime startTime;
  int iDuration = 0;
  int iRemainNotice = 0;
  int iSplitScreen = 0;
  CString csChairURI;
  CString csChairPassword;
  CString csMemberPassword;
  CString csVisitorPassword;
  BOOL bChairLeaveNoEnd = FALSE;
};

// One builder per sub-type. Each zeroes the whole record, stores the sub-type and the fields
// of its operation; texts are cut at the field's byte limit without splitting a double-byte
// character.
void BuildConfCreate(ConfMethodRecord& rec, const ConfCreateParams& params);
void BuildConfCreateP2P(ConfMethodRecord& rec, const char* peerURI, int iSessionType);
void BuildConfInvite(ConfMethodRecord& rec, const char* confURI, const char* memberURI);
void BuildConfAnswer(ConfMethodRecord& rec, const char* uri, int iConfType, int iAnswer);
void BuildConfRemoveMember(ConfMethodRecord& rec, const char* confURI, const char* memberURI,
                           int iMemberID);
// iConfType is 0, or kP2PWhiteboard when the point-to-point whiteboard leaves.
void BuildConfLeave(ConfMethodRecord& rec, const char* uri, int iConfType = 0);
void BuildConfJoin(ConfMethodRecord& rec, const char* confURI, const char* password);
void BuildConfBook(ConfMethodRecord& rec, const ConfBookParams& params);
void BuildConfSubConf(ConfMethodRecord& rec, const char* confURI, int iState, int iSubConfType);
void BuildConfExtension(ConfMethodRecord& rec, const char* confURI, const char* memberURI,
                        int iMemberID, const char* digits);
void BuildConfEnd(ConfMethodRecord& rec, const char* confURI);

// The record's three pointer lists.
enum ConfListKind { kConfMemberList, kConfSMSList, kConfEmailList };

// Appends one text (a fresh zeroed 257-byte copy, at most 256 bytes of the text) to a pointer
// list, raising its count; the chair flag goes to the list's flag entry at the same index
// (the member list has none). At most kConfListCapacity entries: a text beyond that is
// dropped and logged, and FALSE returned.
BOOL AddConfListEntry(ConfMethodRecord& rec, ConfListKind kind, const char* text, BOOL bChair = FALSE);

// The entry at index of a list (NULL past its count), read without unaligned access.
const char* GetConfListEntry(const ConfMethodRecord& rec, ConfListKind kind, int index);

// Frees every buffer the record's pointer lists hold and clears the lists and counts.
void FreeConfMethodLists(ConfMethodRecord& rec);

// Owns one record on the heap and frees its lists when it goes.
class CConfMethodRecordPtr {
 public:
  CConfMethodRecordPtr();
  ~CConfMethodRecordPtr();
  CConfMethodRecordPtr(const CConfMethodRecordPtr&) = delete;
  CConfMethodRecordPtr& operator=(const CConfMethodRecordPtr&) = delete;
  ConfMethodRecord& operator*() { return *m_pRecord; }
  ConfMethodRecord* operator->() { return m_pRecord; }
  ConfMethodRecord* get() { return m_pRecord; }

 private:
  ConfMethodRecord* m_pRecord;
};
