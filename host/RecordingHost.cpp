#include "host/RecordingHost.h"

#include "host/HostProtocol.h"

namespace host {

RecordingHost::RecordingHost() {
  AddModuleCopiers(copiers_);
  AddModuleAnswers(answers_);
}

int RecordingHost::OnModuleMessage(int moduleKind, int code, void* block) {
  return Record(Channel::kMessage, moduleKind, code, block, 0);
}

int RecordingHost::SendToModule(int target, int code, void* block, int value) {
  return Record(Channel::kRequest, target, code, block, value);
}

// Copies before answering, so the copy shows the block as the module sent it.
int RecordingHost::Record(Channel channel, int sender, int code, void* block, int value) {
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
