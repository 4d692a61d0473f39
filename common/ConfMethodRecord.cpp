#include "common/ConfMethodRecord.h"

#include <cstdio>
#include <cstring>

#include "common/FixedText.h"
#include "common/ModuleLog.h"

namespace {

// Where one pointer list, its count and its flags lie in the record. The lists start at
// offsets that are not multiples of four, so entries are read and written with memcpy.
struct ListLayout {
  size_t list;
  size_t count;
  size_t flags;  // 0: no flags
};

ListLayout LayoutOf(ConfListKind kind) {
  switch (kind) {
    case kConfSMSList:
      return {offsetof(ConfMethodRecord, pSMSList), offsetof(ConfMethodRecord, iSMSCount),
              offsetof(ConfMethodRecord, iSMSChairFlag)};
    case kConfEmailList:
      return {offsetof(ConfMethodRecord, pEmailList), offsetof(ConfMethodRecord, iEmailCount),
              offsetof(ConfMethodRecord, iEmailChairFlag)};
    case kConfMemberList:
    default:
      return {offsetof(ConfMethodRecord, pMemberList), offsetof(ConfMethodRecord, iMemberCount), 0};
  }
}

template <typename T>
T Load(const ConfMethodRecord& rec, size_t offset) {
  T value;
  memcpy(&value, reinterpret_cast<const char*>(&rec) + offset, sizeof value);
  return value;
}

template <typename T>
void Store(ConfMethodRecord& rec, size_t offset, T value) {
  memcpy(reinterpret_cast<char*>(&rec) + offset, &value, sizeof value);
}

void Begin(ConfMethodRecord& rec, int subType) {
  memset(&rec, 0, sizeof rec);
  rec.iSubType = subType;
}

void FillNoticeList(ConfMethodRecord& rec, ConfListKind kind, const CArray<ConfNoticeEntry>& entries) {
  for (int i = 0; i < entries.GetSize(); ++i)
    if (!AddConfListEntry(rec, kind, entries[i].csAddress, entries[i].bChair)) break;
}

void FreeList(ConfMethodRecord& rec, ConfListKind kind) {
  ListLayout at = LayoutOf(kind);
  for (int i = 0; i < kConfListCapacity; ++i) {
    size_t slot = at.list + i * sizeof(char*);
    delete[] Load<char*>(rec, slot);
    Store<char*>(rec, slot, nullptr);
  }
  Store<int>(rec, at.count, 0);
}

}  // namespace

BOOL AddConfListEntry(ConfMethodRecord& rec, ConfListKind kind, const char* text, BOOL bChair) {
  ListLayout at = LayoutOf(kind);
  int count = Load<int>(rec, at.count);
  if (count < 0 || count >= kConfListCapacity) {
    char line[360];
    snprintf(line, sizeof line, "[ERROR]AddConfListEntry(list %d full at %d entries, '%.256s' dropped)\n",
             (int)kind, count, text ? text : "");
    ModuleLog(line);
    return FALSE;
  }
  char* entry = new char[257]();
  mbcs::CopyLimited(entry, 257, text);
  Store<char*>(rec, at.list + count * sizeof(char*), entry);
  if (at.flags) Store<int>(rec, at.flags + count * sizeof(int), bChair ? 1 : 0);
  Store<int>(rec, at.count, count + 1);
  return TRUE;
}

const char* GetConfListEntry(const ConfMethodRecord& rec, ConfListKind kind, int index) {
  ListLayout at = LayoutOf(kind);
  int count = Load<int>(rec, at.count);
  if (index < 0 || index >= count || index >= kConfListCapacity) return nullptr;
  return Load<char*>(rec, at.list + index * sizeof(char*));
}

void FreeConfMethodLists(ConfMethodRecord& rec) {
  FreeList(rec, kConfMemberList);
  FreeList(rec, kConfSMSList);
  FreeList(rec, kConfEmailList);
}

void BuildConfCreate(ConfMethodRecord& rec, const ConfCreateParams& p) {
  Begin(rec, kConfCreate);
  rec.iConfType = p.iConfType;
  rec.iMemberCount = 0;
  CopyField(rec.szSubject, p.csSubject);
  rec.iMaxMembers = p.iMaxMembers;
  rec.iDuration = p.iDuration;
  rec.iRemainNotice = p.iRemainNotice;
  rec.iSplitScreen = p.iSplitScreen;
  CopyField(rec.szChairPassword, p.csChairPassword);
  CopyField(rec.szMemberPassword, p.csMemberPassword);
  CopyField(rec.szVisitorPassword, p.csVisitorPassword);
  rec.bChairLeaveNoEnd = p.bChairLeaveNoEnd ? 1 : 0;
}

void BuildConfCreateP2P(ConfMethodRecord& rec, const char* peerURI, int iSessionType) {
  Begin(rec, kConfCreate);
  CopyField(rec.szConfURI, peerURI);
  rec.iConfType = iSessionType;
}

void BuildConfInvite(ConfMethodRecord& rec, const char* confURI, const char* memberURI) {
  Begin(rec, kConfInvite);
  CopyField(rec.szConfURI, confURI);
  CopyField(rec.szMemberURI, memberURI);
}

void BuildConfAnswer(ConfMethodRecord& rec, const char* uri, int iConfType, int iAnswer) {
  Begin(rec, kConfAnswer);
  CopyField(rec.szConfURI, uri);
  rec.iConfType = iConfType;
  rec.iAnswer = iAnswer;
}

void BuildConfRemoveMember(ConfMethodRecord& rec, const char* confURI, const char* memberURI,
                           int iMemberID) {
  Begin(rec, kConfRemoveMember);
  CopyField(rec.szConfURI, confURI);
  CopyField(rec.szMemberURI, memberURI);
  rec.iMemberID = iMemberID;
}

void BuildConfLeave(ConfMethodRecord& rec, const char* uri, int iConfType) {
  Begin(rec, kConfLeave);
  CopyField(rec.szConfURI, uri);
  rec.iConfType = iConfType;
}

void BuildConfJoin(ConfMethodRecord& rec, const char* confURI, const char* password) {
  Begin(rec, kConfJoin);
  CopyField(rec.szConfURI, confURI);
  CopyField(rec.szJoinPassword, password);
}

void BuildConfBook(ConfMethodRecord& rec, const ConfBookParams& p) {
  Begin(rec, kConfBook);
  CopyField(rec.szSubject, p.csSubject);
  rec.iConfType = p.iConfType;
  for (int i = 0; i < p.saMembers.GetSize(); ++i)
    if (!AddConfListEntry(rec, kConfMemberList, p.saMembers[i])) break;
  FillNoticeList(rec, kConfSMSList, p.aSMS);
  FillNoticeList(rec, kConfEmailList, p.aEmail);
  rec.iMaxMembers = p.iMaxMembers;
  const ConfStartTime& t = p.startTime;
  char start[80];
  snprintf(start, sizeof start, "%04d-%02d-%02d %02d:%02d:%02d", t.iYear, t.iMonth, t.iDay, t.iHour,
           t.iMinute, t.iSecond);
  CopyField(rec.szStartTime, start);
  rec.iDuration = p.iDuration;
  rec.iRemainNotice = p.iRemainNotice;
  rec.iSplitScreen = p.iSplitScreen;
  CopyField(rec.szChairURI, p.csChairURI);
  CopyField(rec.szChairPassword, p.csChairPassword);
  CopyField(rec.szMemberPassword, p.csMemberPassword);
  CopyField(rec.szVisitorPassword, p.csVisitorPassword);
  rec.bChairLeaveNoEnd = p.bChairLeaveNoEnd ? 1 : 0;
}

void BuildConfSubConf(ConfMethodRecord& rec, const char* confURI, int iState, int iSubConfType) {
  Begin(rec, kConfSubConf);
  CopyField(rec.szConfURI, confURI);
  rec.iSubConfState = iState;
  rec.iSubConfType = iSubConfType;
}

void BuildConfExtension(ConfMethodRecord& rec, const char* confURI, const char* memberURI,
                        int iMemberID, const char* digits) {
  Begin(rec, kConfExtension);
  CopyField(rec.szConfURI, confURI);
  CopyField(rec.szMemberURI, memberURI);
  rec.iMemberID = iMemberID;
  CopyField(rec.szExtension, digits);
}

void BuildConfEnd(ConfMethodRecord& rec, const char* confURI) {
  Begin(rec, kConfEnd);
  CopyField(rec.szConfURI, confURI);
}

CConfMethodRecordPtr::CConfMethodRecordPtr() : m_pRecord(new ConfMethodRecord()) {}

CConfMethodRecordPtr::~CConfMethodRecordPtr() {
  FreeConfMethodLists(*m_pRecord);
  delete m_pRecord;
}
