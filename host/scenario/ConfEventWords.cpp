#include "host/scenario/ConfEventWords.h"

#include <cstddef>
#include <cstring>

#include "host/scenario/ConfStatisWords.h"
#include "host/scenario/ScenarioWords.h"
#include "platform/Mbcs.h"
#include "protocol/ConfCtrlResult.h"
#include "protocol/ConfCtrlRight.h"

namespace host {
namespace {

using Args = std::vector<std::string>;

// One int of an array of the packed record.
void SetEntry(confCtrlResult& r, size_t arrayOffset, int index, int value) {
  char* entry = reinterpret_cast<char*>(&r) + arrayOffset + index * sizeof value;
  std::memcpy(entry, &value, sizeof value);
}

// `types=TYPE[:SUBCONF],...`: each type, and the sub-conference id of its own when given.
bool SetTypes(confCtrlResult& r, const std::string& list) {
  int count = 0;
  size_t start = 0;
  while (start <= list.size()) {
    size_t end = list.find(',', start);
    if (end == std::string::npos) end = list.size();
    std::string word = list.substr(start, end - start);
    size_t colon = word.find(':');
    int type = 0, subConf = 0;
    if (count == kConfCtrlTypeCapacity || !ParseInt(word.substr(0, colon), &type)) return false;
    if (colon != std::string::npos && !ParseInt(word.substr(colon + 1), &subConf)) return false;
    SetEntry(r, offsetof(confCtrlResult, aiTypes), count, type);
    SetEntry(r, offsetof(confCtrlResult, aiSubConfIDs), count++, subConf);
    start = end + 1;
  }
  r.iTypeCount = count;
  return true;
}

// A named int field, written through a local (the record is packed).
#define INT_FIELD(member) [](confCtrlResult& r, const std::string& v) { \
    int value = 0;                                                      \
    if (!ParseInt(v, &value)) return false;                             \
    r.member = value;                                                   \
    return true;                                                        \
  }
#define TEXT_FIELD(member) [](confCtrlResult& r, const std::string& v) { return SetGbkText(r.member, v); }

struct Field {
  const char* name;
  bool (*set)(confCtrlResult& record, const std::string& value);
};

const Field kFields[] = {
    {"subject", TEXT_FIELD(szSubject)},      {"type", INT_FIELD(iConfType)},
    {"chair", TEXT_FIELD(szChairURI)},       {"member", TEXT_FIELD(szMemberURI)},
    {"reason", TEXT_FIELD(szReason)},        {"dconf", TEXT_FIELD(szDConfID)},
    {"subconf", TEXT_FIELD(szSubConfID)},    {"state", TEXT_FIELD(szMemberState)},
    {"types", SetTypes},                     {"member-id", INT_FIELD(iMemberID)},
    {"members", INT_FIELD(iMemberCount)},    {"max", INT_FIELD(iMaxMembers)},
    {"subconf-type", INT_FIELD(iSubConfType)},
};

#undef INT_FIELD
#undef TEXT_FIELD

// The field that a NAME=VALUE word names, or NULL (then the word is positional).
const Field* NamedField(const std::string& word, std::string* value) {
  size_t equals = word.find('=');
  if (equals == std::string::npos) return nullptr;
  for (const Field& field : kFields)
    if (word.compare(0, equals, field.name) == 0 && std::strlen(field.name) == equals) {
      *value = word.substr(equals + 1);
      return &field;
    }
  return nullptr;
}

const char kUsage[] = "1, a detail type, a result code, a conference URI, then a subject, a conference type and "
                      "FIELD=VALUE words (subject type chair member reason dconf subconf state types member-id "
                      "members max subconf-type)";

// Builds the record from the words; "" or the reason.
std::string BuildCtrlResult(const Args& args, confCtrlResult* r) {
  std::memset(r, 0, sizeof *r);
  int detail = 0, result = 0;
  if (args.size() < 4 || args[0] != "1" || !ParseInt(args[1], &detail) || !ParseInt(args[2], &result))
    return std::string("host 9 takes 11, a detail type and a time text; 7, a status event (host/scenario/ConfStatisWords.h); "
                       "6, a control right; or ") + kUsage;
  r->detailType = detail;
  r->iResult = result;
  if (!SetGbkText(r->szConfURI, args[3])) return "the conference URI is longer than 256 bytes";
  const char* positional[] = {"subject", "type"};
  size_t next = 0;
  for (size_t i = 4; i < args.size(); ++i) {
    std::string value = args[i];
    const Field* field = NamedField(args[i], &value);
    if (!field && next < 2) field = NamedField(std::string(positional[next++]) + "=" + args[i], &value);
    if (!field) return "unknown word '" + args[i] + "' in a conference event";
    if (!field->set(*r, value)) return std::string("the value of ") + field->name + " does not fit: '" + value + "'";
  }
  return "";
}

// iType 11: the server's time.
std::string BuildSysTime(const Args& args, confSysTime* record) {
  std::memset(record, 0, sizeof *record);
  int detail = 0;
  if (args.size() != 3 || !ParseInt(args[1], &detail)) return "host 9 11 takes a detail type and a time text";
  record->detailType = detail;
  return SetGbkText(record->cSysTime, args[2]) ? "" : "the time text is longer than 64 bytes";
}

// iType 6: a feature's control right given to a member or taken back.
std::string BuildCtrlRight(const Args& args, confCtrlRight* record) {
  std::memset(record, 0, sizeof *record);
  int detail = 0;
  if (args.size() != 5 || !ParseInt(args[1], &detail))
    return "host 9 6 takes a detail type, a conference URI, a member URI and a feature key";
  record->detailType = detail;
  if (!SetGbkText(record->szConfURI, args[2]) || !SetGbkText(record->szMemberURI, args[3]))
    return "a URI is longer than 256 bytes";
  return SetGbkText(record->szFeature, args[4]) ? "" : "the feature key is longer than 64 bytes";
}

std::string Deliver(RecordingHost& host, int code, int kind, void* record) {
  HostRecordBlock block{};
  block.nKind = kind;
  block.pRecord = record;
  return "handled " + std::to_string(host.Deliver(code, block));
}

}  // namespace

std::string CheckConfEvent(const Args& args) {
  if (!args.empty() && args[0] == "7") return CheckConfStatis(args);
  if (!args.empty() && args[0] == "11") {
    confSysTime record;
    return BuildSysTime(args, &record);
  }
  if (!args.empty() && args[0] == "6") {
    confCtrlRight record;
    return BuildCtrlRight(args, &record);
  }
  return CheckConfCtrlResult(args);
}

std::string DeliverConfEvent(RecordingHost& host, int code, const Args& args) {
  if (args[0] == "7") return DeliverConfStatis(host, code, args);
  if (args[0] == "11") {
    confSysTime record;
    BuildSysTime(args, &record);
    return Deliver(host, code, 11, &record);
  }
  if (args[0] == "6") {
    confCtrlRight record;
    BuildCtrlRight(args, &record);
    return Deliver(host, code, 6, &record);
  }
  return DeliverConfCtrlResult(host, code, args);
}

std::string CheckConfCtrlResult(const Args& args) {
  confCtrlResult record;
  return BuildCtrlResult(args, &record);
}

std::string DeliverConfCtrlResult(RecordingHost& host, int code, const Args& args) {
  confCtrlResult record;
  BuildCtrlResult(args, &record);
  return Deliver(host, code, 1, &record);
}

}  // namespace host
