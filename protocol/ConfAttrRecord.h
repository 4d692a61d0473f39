// The record of conference method 5 (conference attributes): 313 bytes, byte-packed, all bytes
// zero before filling. The conference-properties dialog sends sub-type 6 (extension: more
// minutes and room for more members).
#pragma once

#include <cstddef>
#include <cstring>

#include "platform/Mbcs.h"

constexpr int kConfAttrMethod = 5;
constexpr int kConfAttrExtend = 6;

#pragma pack(push, 1)
struct ConfAttrRecord {
  int iSubType;            // +0   kConfAttrExtend
  char szConfURI[257];     // +4   the conference URI, at most 256 characters
  char szWords[4][11];     // +261 four word fields used by other sub-types; zero here
  int iAddMinutes;         // +305 minutes to add
  int iAddMembers;         // +309 members to add
};
#pragma pack(pop)

static_assert(sizeof(ConfAttrRecord) == 313, "ConfAttrRecord size");
static_assert(offsetof(ConfAttrRecord, szConfURI) == 4, "layout");
static_assert(offsetof(ConfAttrRecord, szWords) == 261, "layout");
static_assert(offsetof(ConfAttrRecord, iAddMinutes) == 305, "layout");
static_assert(offsetof(ConfAttrRecord, iAddMembers) == 309, "layout");

// A zeroed extension record for the conference: URI cut at 256 bytes.
inline void BuildConfAttrExtend(ConfAttrRecord& rec, const char* confURI, int addMinutes, int addMembers) {
  std::memset(&rec, 0, sizeof rec);
  rec.iSubType = kConfAttrExtend;
  mbcs::CopyLimited(rec.szConfURI, sizeof rec.szConfURI, confURI);
  rec.iAddMinutes = addMinutes;
  rec.iAddMembers = addMembers;
}
