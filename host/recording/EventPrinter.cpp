#include "host/recording/EventPrinter.h"

#include <cstdio>
#include <cstring>

#include "host/recording/ConfMethodPrinter.h"
#include "host/recording/HostProtocol.h"
#include "host/relay/QuotedText.h"
#include "host/relay/WbMessages.h"
#include "platform/Charset.h"
#include "protocol/HostBlocks.h"

namespace host {
namespace {

std::string Hex(uintptr_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%lx", static_cast<unsigned long>(value));
  return text;
}

std::string Num(int value) { return std::to_string(value); }

// Code 108 passes its value in place of a block.
std::string FormatValueInPlace(const HostEvent& e) { return "value " + Num(static_cast<int>(e.blockAddress)); }

std::string FormatConfMethod1(const void* record, const std::string& indent) {
  const ConfMethodRecord* rec = static_cast<const ConfMethodRecord*>(record);
  std::string name = ConfSubTypeName(rec->iSubType);
  return indent + "record: " + (name.empty() ? "unknown sub-type" : name) + "\n" + FormatConfMethodRecord(*rec, indent);
}

}  // namespace

std::string FormatByLayout(const HostBlockLayout& layout, const void* block) {
  std::string text;
  for (const HostBlockField& field : layout.fields) {
    const char* at = static_cast<const char*>(block) + field.offset;
    std::string value;
    if (field.kind == HostFieldKind::kInt || field.kind == HostFieldKind::kHex) {
      int32_t number;
      std::memcpy(&number, at, sizeof number);
      value = field.kind == HostFieldKind::kInt ? Num(number) : Hex(static_cast<uint32_t>(number));
    } else if (field.kind == HostFieldKind::kText) {
      const char* pointer;
      std::memcpy(&pointer, at, sizeof pointer);
      value = QuoteGbk(pointer);
    } else if (field.kind == HostFieldKind::kChars) {
      value = QuoteField(at, field.size);
    } else {
      continue;  // past the last field, or a record printed by its method's rule
    }
    if (!text.empty()) text += " ";
    text += field.label[0] ? std::string(field.label) + " " + value : value;
  }
  return text;
}

EventPrinter::EventPrinter() {
  for (const HostCodeInfo& info : HostCodes()) {
    const HostBlockLayout* layout = info.block;
    if (layout && !layout->CarriesRecord()) Set(info.channel, info.code, [layout](const HostEvent& e) { return FormatByLayout(*layout, e.copy); });
  }
  Set(Channel::kMessage, kHostP2PInviteWindow, FormatValueInPlace, false);
  SetRecord(kHostConfMethod, 1, FormatConfMethod1);
  SetRecord(kHostDataConfRecord, 1, FormatWbMessage);
}

void EventPrinter::Set(Channel channel, int code, BlockFormatter formatter, bool needsCopy) {
  blocks_[{channel, code}] = Rule{std::move(formatter), needsCopy};
}

void EventPrinter::SetRecord(int code, int method, RecordFormatter formatter) {
  records_[{code, method}] = std::move(formatter);
}

std::string EventPrinter::Format(const HostEvent& e) const {
  std::string line = e.channel == Channel::kMessage ? "module " + Num(e.sender) + " -> host: "
                                                    : "module -> host service " + Num(e.sender) + ": ";
  line += Num(e.code);
  std::string name = CodeName(e.channel, e.code);
  if (!name.empty()) line += " (" + name + ")";
  if (e.channel == Channel::kRequest && e.value) line += " value " + Num(e.value);
  std::string detail;
  const HostCodeInfo* info = FindHostCode(e.channel, e.code);
  bool methodBlock = info && info->block && info->block->CarriesRecord();
  auto it = blocks_.find({e.channel, e.code});
  if (methodBlock && e.copy) {
    return line + ": method " + Num(e.As<HostMethodBlock>()->nMethod) + " -> " + Num(e.answer) + "\n" +
           FormatMethodBlock(e);
  }
  if (it != blocks_.end() && (e.copy || !it->second.needsCopy)) detail = it->second.format(e);
  else if (e.blockAddress) detail = "block " + Hex(e.blockAddress);
  if (!detail.empty()) line += ": " + detail;
  return line + " -> " + Num(e.answer) + "\n";
}

std::string EventPrinter::FormatMethodBlock(const HostEvent& e) const {
  const HostMethodBlock* b = e.As<HostMethodBlock>();
  const std::string indent = "    ";
  auto it = records_.find({e.code, b->nMethod});
  if (!b->pRecord) return indent + "record: none or not copied\n";
  if (it == records_.end()) return indent + "record at " + Hex(reinterpret_cast<uintptr_t>(b->pRecord)) + "\n";
  return it->second(b->pRecord, indent);
}

}  // namespace host
