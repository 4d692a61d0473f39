#include "host/scenario/HostMessages.h"

#include <map>

#include "host/scenario/ConfEventWords.h"
#include "host/scenario/OfferWords.h"
#include "host/scenario/ScenarioWords.h"
#include "platform/Charset.h"

namespace host {
namespace {

using Args = std::vector<std::string>;

int IntArg(const Args& args, size_t i) {
  int value = 0;
  ParseInt(args[i], &value);
  return value;
}

std::string Handled(int handled) { return "handled " + std::to_string(handled); }

std::string DeliverPlain(RecordingHost& host, int code, const Args&) {
  HostPlainBlock block{};
  return Handled(host.Deliver(code, block));
}

std::string DeliverStatusQuery(RecordingHost& host, int code, const Args&) {
  HostStatusBlock block{};
  int handled = host.Deliver(code, block);
  return Handled(handled) + ", member adding " + std::to_string(block.bMemberAdding) + ", request pending " +
         std::to_string(block.bSetupRequestPending) + ", in conference " + std::to_string(block.bInConf) +
         ", point-to-point busy " + std::to_string(block.bP2PBusy);
}

std::string DeliverMemberRightAnswer(RecordingHost& host, int code, const Args& args) {
  std::string text = args.size() > 1 ? charset::Utf8ToGbk(args[1]) : "";
  HostMemberRightAnswerBlock block{};
  block.nResult = IntArg(args, 0);
  block.pText = text.c_str();
  return Handled(host.Deliver(code, block));
}

struct Rule {
  size_t minArgs;
  size_t maxArgs;
  size_t intArgs;  // the first intArgs words are ints
  std::string (*deliver)(RecordingHost& host, int code, const Args& args);
  const char* usage;
};

const std::map<int, Rule>& Rules() {
  static const std::map<int, Rule> rules = {
      {kModuleRightsChanged, {0, 0, 0, DeliverPlain, "no words"}},
      {kModuleOpenUI, {0, 0, 0, DeliverPlain, "no words"}},
      {kModuleAcceptInvite, {0, 0, 0, DeliverPlain, "no words"}},
      {kModuleRefuseInvite, {0, 0, 0, DeliverPlain, "no words"}},
      {kModuleAssistWindow, {0, 0, 0, DeliverPlain, "no words"}},
      {kModuleRefreshPages, {0, 0, 0, DeliverPlain, "no words"}},
      {kModuleClearTrees, {0, 0, 0, DeliverPlain, "no words"}},
      {kModuleStatusQuery, {0, 0, 0, DeliverStatusQuery, "no words"}},
      {kModuleShowUIPage, {1, 201, 1, DeliverShowPage, "a page number and member numbers"}},
      {kModuleP2PWhiteboardRequest, {1, 1, 0, DeliverPeerRequest, "a peer URI"}},
      {kModuleP2PAssistRequest, {1, 1, 0, DeliverPeerRequest, "a peer URI"}},
      {kModuleMemberRightAnswer, {1, 2, 1, DeliverMemberRightAnswer, "a result and a text"}},
      {kModuleConfEvent, {1, 64, 0, DeliverConfEvent, "an event's words (host/scenario/ConfEventWords.h)"}},
  };
  return rules;
}

}  // namespace

bool CheckHostMessage(int code, const Args& args, std::string* error) {
  auto it = Rules().find(code);
  if (it == Rules().end()) {
    *error = "host code " + std::to_string(code) + " cannot be played";
    return false;
  }
  const Rule& rule = it->second;
  bool ok = args.size() >= rule.minArgs && args.size() <= rule.maxArgs;
  int value;
  for (size_t i = 0; ok && i < rule.intArgs && i < args.size(); ++i) ok = ParseInt(args[i], &value);
  if (ok && code == kModuleConfEvent) {
    *error = CheckConfEvent(args);
    return error->empty();
  }
  if (!ok) *error = "host " + std::to_string(code) + " takes " + rule.usage;
  return ok;
}

std::string DeliverHostMessage(RecordingHost& host, int code, const Args& args) {
  return Rules().at(code).deliver(host, code, args);
}

}  // namespace host
