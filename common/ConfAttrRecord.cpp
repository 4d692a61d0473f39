#include "common/ConfAttrRecord.h"

#include <cstring>

#include "common/FixedText.h"

void BuildConfAttrExtend(ConfAttrRecord& rec, const char* confURI, int addMinutes, int addMembers) {
  memset(&rec, 0, sizeof rec);
  rec.iSubType = kConfAttrExtend;
  CopyField(rec.szConfURI, confURI);
  rec.iAddMinutes = addMinutes;
  rec.iAddMembers = addMembers;
}
