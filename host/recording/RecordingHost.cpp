#include "host/recording/RecordingHost.h"

#include <cstdlib>
#include <cstring>

#include "host/recording/HostInputForm.h"
#include "host/recording/HostProtocol.h"
#include "host/relay/WbRelay.h"

namespace host {

RecordingHost::RecordingHost() {
  AddModuleCopiers(copiers_);
  AddModuleAnswers(answers_);
  if (const char* folder = getenv("TAV_KEEP_HOST_INPUTS")) keepFolder_ = folder;
}

RecordingHost::~RecordingHost() {
  if (!keptMessages_.empty()) KeepInput(keepFolder_, "host_events_fuzz", keptMessages_);
  // The records the module's boards sent, as the other side receives them, for the
  // conference board and for the point-to-point board.
  for (char board : {'\x04', '\x05'})
    if (!keptWbRecords_.empty()) KeepInput(keepFolder_, "wb_record_fuzz", board + keptWbRecords_);
}

void RecordingHost::KeepDelivered(int code, const void* block, size_t at) {
  if (code == kModuleDataConfRecord && !static_cast<const HostRecordBlock*>(block)->bHandled) return;
  std::string message;
  if (AppendHostInput(code, block, &message)) keptMessages_.insert(at, message);
}

void RecordingHost::KeepSent(int code, const void* block) {
  auto* b = static_cast<const HostMethodBlock*>(block);
  if (code != kHostDataConfRecord || !b || b->nMethod != 1 || !b->pRecord) return;
  uint32_t asRelayed = 0;
  std::string record = std::string(reinterpret_cast<const char*>(&asRelayed), sizeof asRelayed) + PackWbMessage(b->pRecord);
  uint32_t length = (uint32_t)record.size();
  keptWbRecords_.append(reinterpret_cast<const char*>(&length), sizeof length);
  keptWbRecords_.append(record);
}

int RecordingHost::OnModuleMessage(int moduleKind, int code, void* block) {
  return Record(Channel::kMessage, moduleKind, code, block, 0);
}

int RecordingHost::SendToModule(int target, int code, void* block, int value) {
  return Record(Channel::kRequest, target, code, block, value);
}

// Copies before answering, so the copy shows the block as the module sent it.
int RecordingHost::Record(Channel channel, int sender, int code, void* block, int value) {
  if (!keepFolder_.empty() && channel == Channel::kMessage) KeepSent(code, block);
  HostEvent event;
  event.channel = channel;
  event.sender = sender;
  event.code = code;
  event.value = value;
  event.blockAddress = reinterpret_cast<uintptr_t>(block);
  event.blocks = std::make_shared<BlockArena>();
  event.copy = copiers_.Copy(channel, code, block, *event.blocks);
  event.answer = answers_.Answer(channel, code, block);
  events_.push_back(event);
  if (observer_) observer_(events_.back());
  if (service_) service_(event);
  return event.answer;
}

std::vector<HostEvent> RecordingHost::EventsWithCode(int code, Channel channel) const {
  std::vector<HostEvent> found;
  for (const HostEvent& e : events_)
    if (e.channel == channel && e.code == code) found.push_back(e);
  return found;
}

size_t RecordingHost::CountCode(int code, Channel channel) const { return EventsWithCode(code, channel).size(); }

std::vector<const void*> RecordingHost::ConfMethodRecords(int method) const {
  std::vector<const void*> records;
  for (const HostEvent& e : EventsWithCode(kHostConfMethod)) {
    const HostMethodBlock* block = e.As<HostMethodBlock>();
    if (block && block->nMethod == method) records.push_back(block->pRecord);
  }
  return records;
}

const ConfMethodRecord* RecordingHost::ConfMethod1(size_t n) const {
  std::vector<const void*> records = ConfMethodRecords(1);
  return n < records.size() ? static_cast<const ConfMethodRecord*>(records[n]) : nullptr;
}

std::vector<std::string> RecordingHost::LogLines() const {
  std::vector<std::string> lines;
  for (const HostEvent& e : events_) {
    if (e.channel != Channel::kMessage || (e.code != kHostWriteLog && e.code != kHostWriteLogPlain)) continue;
    const HostLogBlock* block = e.As<HostLogBlock>();
    if (block && block->pText) lines.push_back(block->pText);
  }
  return lines;
}

}  // namespace host
