// The host's blocks of any content: conference events (code 9) of every type, the member-right
// answer (code 17), and whiteboard records routed by the module (code 8) to the
// point-to-point board of the peer they name or, through the conference window, the conference
// board of their sub-conference; each input starts with the conference and its board open.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "confwindow/ConfCtrlResult.h"
#include "confwindow/ConfStatisEvent.h"
#include "fuzz/FuzzBoards.h"
#include "module/HostBlocks.h"
#include "whiteboard/model/WbRecords.h"

namespace {

// A text field: empty, one of the URIs the module knows, or any bytes (maybe unterminated).
void FillText(FuzzedDataProvider& in, char* field, size_t size) {
  std::string text;
  switch (in.ConsumeIntegralInRange<int>(0, 3)) {
    case 0: return;
    case 1: text = fuzzboards::kConfURI; break;
    case 2: text = fuzzboards::kPeer; break;
    default: text = in.ConsumeBytesAsString(in.ConsumeIntegralInRange<size_t>(0, size)); break;
  }
  memcpy(field, text.data(), std::min(text.size(), size));
}

void ConfEvent(FuzzedDataProvider& in) {
  HostRecordBlock block = {in.ConsumeIntegralInRange<int>(-1, 40), nullptr, 0};
  // As large as the largest event record (the statistics of type 7), so that every type reads
  // within it.
  std::vector<BYTE> record(std::max(sizeof(confCtrlResult), sizeof(confStatisEvent)) + 16, 0);
  if (in.ConsumeBool()) {
    std::vector<BYTE> bytes = in.ConsumeBytes<BYTE>(in.ConsumeIntegralInRange<size_t>(0, 2048));
    if (!bytes.empty()) memcpy(record.data(), bytes.data(), bytes.size());
    confCtrlResult* result = reinterpret_cast<confCtrlResult*>(record.data());
    if (in.ConsumeBool()) result->detailType = in.ConsumeIntegralInRange<int>(0, 60);
    if (in.ConsumeBool()) result->iResult = in.ConsumeIntegralInRange<int>(-2, 2);
    FillText(in, result->szConfURI, sizeof result->szConfURI);
    FillText(in, result->szMemberURI, sizeof result->szMemberURI);
    block.pRecord = record.data();
  }
  fuzzboards::Get().host.Deliver(kModuleConfEvent, block);
}

void MemberRightAnswer(FuzzedDataProvider& in) {
  std::string text = in.ConsumeRandomLengthString(600);
  HostMemberRightAnswerBlock block = {in.ConsumeIntegral<int>(), in.ConsumeBool() ? text.c_str() : nullptr, 0};
  fuzzboards::Get().host.Deliver(kModuleMemberRightAnswer, block);
}

void WhiteboardRecord(FuzzedDataProvider& in) {
  std::vector<BYTE> bytes(sizeof(WbRecvMsgHeader), 0);
  std::vector<BYTE> head = in.ConsumeBytes<BYTE>(in.ConsumeIntegralInRange<size_t>(0, bytes.size()));
  if (!head.empty()) memcpy(bytes.data(), head.data(), head.size());
  WbRecvMsgHeader* header = reinterpret_cast<WbRecvMsgHeader*>(bytes.data());
  header->head.op = in.ConsumeIntegralInRange<DWORD>(0, 11);
  FillText(in, header->head.szSessionURI, sizeof header->head.szSessionURI);
  if (in.ConsumeBool()) header->head.nSubConfID = fuzzboards::kWhiteboardSubConf;
  WbPageOpRecord pageOp = {in.ConsumeIntegralInRange<int32_t>(-1, 2), in.ConsumeIntegral<int32_t>(), 0, nullptr, 0};
  WbLinePayload line = {};
  WbListNode node = {&line, nullptr};
  std::vector<BYTE> lineBytes = in.ConsumeBytes<BYTE>(sizeof line);
  if (!lineBytes.empty()) memcpy(&line, lineBytes.data(), lineBytes.size());
  line.pStyle = nullptr;
  if (in.ConsumeBool()) pageOp.pList = &node;
  header->pPageOp = in.ConsumeBool() ? &pageOp : nullptr;
  HostRecordBlock block = {in.ConsumeIntegralInRange<int>(0, 2), in.ConsumeBool() ? header : nullptr, 0};
  fuzzboards::Get().host.Deliver(kModuleDataConfRecord, block);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  fuzzboards::Reset();
  for (int n = in.ConsumeIntegralInRange<int>(1, 4); n > 0 && in.remaining_bytes() > 0; --n) {
    switch (in.ConsumeIntegralInRange<int>(0, 2)) {
      case 0: ConfEvent(in); break;
      case 1: MemberRightAnswer(in); break;
      default: WhiteboardRecord(in); break;
    }
  }
  return 0;
}
