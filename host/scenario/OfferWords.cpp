#include "host/scenario/OfferWords.h"

#include "host/recording/EventPrinter.h"
#include "host/scenario/ScenarioWords.h"
#include "platform/Charset.h"
#include "protocol/HostBlocks.h"

namespace host {
namespace {

// What the module wrote back, then the block as it was delivered.
std::string Answer(int handled, const HostBlockLayout& layout, const void* block) {
  return "handled " + std::to_string(handled) + ": " + FormatByLayout(layout, block);
}

}  // namespace

std::string DeliverPeerRequest(RecordingHost& host, int code, const std::vector<std::string>& args) {
  std::string peer = charset::Utf8ToGbk(args[0]);
  HostPeerBlock block{peer.c_str(), 0};
  int handled = host.Deliver(code, block);
  return Answer(handled, kHostPeerLayout, &block);
}

std::string DeliverShowPage(RecordingHost& host, int code, const std::vector<std::string>& args) {
  std::string numbers;
  for (size_t i = 1; i < args.size(); ++i) numbers += (i > 1 ? ";" : "") + charset::Utf8ToGbk(args[i]);
  HostPageBlock block{0, args.size() > 1 ? numbers.c_str() : nullptr, 0};
  ParseInt(args[0], &block.nPage);
  int handled = host.Deliver(code, block);
  return Answer(handled, kHostPageLayout, &block);
}

}  // namespace host
