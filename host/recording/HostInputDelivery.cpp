#include "host/recording/HostInputDelivery.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "host/recording/HostInputForm.h"
#include "protocol/ConfCtrlResult.h"
#include "protocol/ConfStatisEvent.h"
#include "protocol/HostBlocks.h"
#include "protocol/WbRecords.h"

namespace host {
namespace {

// Room for the largest event record, so that an event of any type reads within it.
constexpr size_t kEventRoom = std::max(sizeof(confCtrlResult), sizeof(confStatisEvent)) + 16;

// A whiteboard record of the host's code 8, or the bytes as a header without page part when
// they are not one.
void* WhiteboardRecord(const std::string& bytes, BlockArena& arena) {
  if (void* record = UnpackReceivedWbInput(bytes, arena)) return record;
  std::vector<char> raw(sizeof(WbRecvMsgHeader), 0);
  memcpy(raw.data(), bytes.data(), std::min(bytes.size(), raw.size()));
  auto* header = static_cast<WbRecvMsgHeader*>(arena.CopyBytes(raw.data(), raw.size()));
  header->pPageOp = nullptr;
  return header;
}

}  // namespace

bool DeliverHostInput(RecordingHost& host, const uint8_t* data, size_t size, size_t* pos) {
  if (*pos >= size) return false;
  uint8_t head[kHostInputHeadSize] = {};
  memcpy(head, data + *pos, std::min(kHostInputHeadSize, size - *pos));
  *pos += std::min(kHostInputHeadSize, size - *pos);
  size_t length = std::min<size_t>(head[4] | (head[5] << 8), size - *pos);
  std::string bytes(reinterpret_cast<const char*>(data + *pos), length);
  *pos += length;
  int code = kHostInputCodes[head[0] % kHostInputCodeCount];
  bool none = head[1] & kHostInputNoRecord;
  int kind = (int16_t)(head[2] | (head[3] << 8));
  if (code == kModuleConfEvent) {
    std::vector<char> record(kEventRoom, 0);
    memcpy(record.data(), bytes.data(), std::min(bytes.size(), record.size()));
    HostRecordBlock block = {kind, none ? nullptr : record.data(), 0};
    host.Deliver(code, block);
  } else if (code == kModuleDataConfRecord) {
    BlockArena arena;
    HostRecordBlock block = {((kind % 3) + 3) % 3, none ? nullptr : WhiteboardRecord(bytes, arena), 0};
    host.Deliver(code, block);
  } else if (code == kModuleMemberRightAnswer) {
    int result = 0;
    memcpy(&result, bytes.data(), std::min(bytes.size(), sizeof result));
    std::string text = bytes.size() > sizeof result ? bytes.substr(sizeof result) : "";
    HostMemberRightAnswerBlock block = {result, none ? nullptr : text.c_str(), 0};
    host.Deliver(code, block);
  } else if (code == kModuleShowUIPage) {
    HostPageBlock block = {kind, none ? nullptr : bytes.c_str(), 0};
    host.Deliver(code, block);
  } else if (code == kModuleStatusQuery) {
    HostStatusBlock block = {};
    host.Deliver(code, block);
  } else {
    HostPlainBlock block = {};
    host.Deliver(code, block);
  }
  return true;
}

}  // namespace host
