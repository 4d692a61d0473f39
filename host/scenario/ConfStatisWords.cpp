#include "host/scenario/ConfStatisWords.h"

#include <cstddef>
#include <cstring>
#include <memory>

#include "host/scenario/ScenarioWords.h"
#include "protocol/ConfStatisEvent.h"

namespace host {
namespace {

using Args = std::vector<std::string>;

bool ParseState(const std::string& word, int* state) {
  const char* const kStates[] = {"disconnected", "connecting", "connected"};
  for (int i = 0; i < 3; ++i)
    if (word == kStates[i]) {
      *state = i;
      return true;
    }
  return ParseInt(word, state) && *state >= kMemberDisconnected && *state <= kMemberConnected;
}

// entry=URI,STATE[,ID] into entry n of the record.
bool AddEntry(confStatisEvent& e, const std::string& value) {
  int n = e.iEntryCount;
  size_t first = value.find(','), second = value.find(',', first == std::string::npos ? first : first + 1);
  if (n == kStatisMemberCapacity || first == std::string::npos) return false;
  int state = 0, id = 0;
  std::string stateWord = value.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
  if (!ParseState(stateWord, &state)) return false;
  if (second != std::string::npos && !ParseInt(value.substr(second + 1), &id)) return false;
  if (!SetGbkText(e.aszMemberURIs[n], value.substr(0, first))) return false;
  e.abMemberStates[n] = static_cast<unsigned char>(state);
  char* idField = reinterpret_cast<char*>(&e) + offsetof(confStatisEvent, aiMemberIDs) + n * sizeof id;
  std::memcpy(idField, &id, sizeof id);
  e.iEntryCount = n + 1;
  return true;
}

// One NAME=VALUE word; false when the name is unknown or the value does not fit.
bool SetField(confStatisEvent& e, const std::string& word) {
  size_t equals = word.find('=');
  if (equals == std::string::npos) return false;
  std::string name = word.substr(0, equals), value = word.substr(equals + 1);
  int number = 0;
  if (name == "entry") return AddEntry(e, value);
  if (!ParseInt(value, &number)) return false;
  if (name == "members") e.iMemberCount = number;
  else if (name == "max") e.iMaxMembers = number;
  else return false;
  return true;
}

std::string Build(const Args& args, confStatisEvent* e) {
  std::memset(e, 0, sizeof *e);
  int detail = 0;
  if (args.size() < 3 || args[0] != "7" || !ParseInt(args[1], &detail))
    return "host 9 7 takes a detail type, a conference URI, then members=N max=N entry=URI,STATE[,ID] words";
  e->detailType = detail;
  if (!SetGbkText(e->szConfURI, args[2])) return "the conference URI is longer than 256 bytes";
  for (size_t i = 3; i < args.size(); ++i)
    if (!SetField(*e, args[i])) return "unknown or unfit word '" + args[i] + "' in a conference status event";
  return "";
}

}  // namespace

std::string CheckConfStatis(const Args& args) {
  auto record = std::make_unique<confStatisEvent>();
  return Build(args, record.get());
}

std::string DeliverConfStatis(RecordingHost& host, int code, const Args& args) {
  auto record = std::make_unique<confStatisEvent>();
  Build(args, record.get());
  HostRecordBlock block{};
  block.nKind = 7;
  block.pRecord = record.get();
  return "handled " + std::to_string(host.Deliver(code, block));
}

}  // namespace host
