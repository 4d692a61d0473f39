#include "host/EventPrinter.h"

#include <cstdio>
#include <cstring>

#include "common/HostBlocks.h"
#include "host/ConfMethodPrinter.h"
#include "host/HostProtocol.h"
#include "host/WbMessages.h"
#include "platform/Charset.h"

namespace host {
namespace {

std::string Hex(uintptr_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%lx", static_cast<unsigned long>(value));
  return text;
}

std::string Num(int value) { return std::to_string(value); }

std::string FormatLog(const HostEvent& e) {
  const HostLogBlock* b = e.As<HostLogBlock>();
  return "level " + Num(b->nLevel) + " " + QuoteGbk(b->pText);
}

std::string FormatSkin(const HostEvent& e) {
  const HostSkinBlock* b = e.As<HostSkinBlock>();
  return "window " + Hex(reinterpret_cast<uintptr_t>(b->hWnd)) + " file " + QuoteGbk(b->pSkinFile) + " section " +
         QuoteGbk(b->pSection);
}

std::string FormatFrontWindow(const HostEvent& e) { return "window " + Hex(static_cast<unsigned>(e.As<HostFrontWindowBlock>()->nValue)); }

std::string FormatWatchDept(const HostEvent& e) {
  const HostWatchDeptBlock* b = e.As<HostWatchDeptBlock>();
  return "op " + Num(b->nOp) + " department " + QuoteGbk(b->pDeptURI);
}

std::string FormatMemberRightQuery(const HostEvent& e) {
  const HostMemberRightQueryBlock* b = e.As<HostMemberRightQueryBlock>();
  return "number " + QuoteField(b->szNumber, sizeof b->szNumber);
}

std::string FormatDeptAddrList(const HostEvent& e) {
  const HostDeptAddrListBlock* b = e.As<HostDeptAddrListBlock>();
  return "entry " + QuoteGbk(b->pURI) + " kind " + Num(b->nType) + " tree " + Num(b->nDlgType);
}

std::string FormatTree(const HostEvent& e) { return "tree " + Num(e.As<HostTreeBlock>()->nTree); }

std::string FormatTreeClick(const HostEvent& e) {
  const HostTreeClickBlock* b = e.As<HostTreeClickBlock>();
  return "new " + QuoteField(b->szNewDeptURI, sizeof b->szNewDeptURI) + " old " +
         QuoteField(b->szOldDeptURI, sizeof b->szOldDeptURI);
}

// Code 108 passes its value in place of a block.
std::string FormatValueInPlace(const HostEvent& e) { return "value " + Num(static_cast<int>(e.blockAddress)); }

std::string FormatConfMethod1(const void* record, const std::string& indent) {
  const ConfMethodRecord* rec = static_cast<const ConfMethodRecord*>(record);
  std::string name = ConfSubTypeName(rec->iSubType);
  return indent + "record: " + (name.empty() ? "unknown sub-type" : name) + "\n" + FormatConfMethodRecord(*rec, indent);
}

}  // namespace

std::string QuoteGbk(const char* gbk) {
  if (!gbk) return "NULL";
  std::string out = "\"";
  for (char c : charset::GbkToUtf8(gbk)) {
    if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else if (c == '\t') out += "\\t";
    else if (c == '"' || c == '\\') out += std::string("\\") + c;
    else if (static_cast<unsigned char>(c) < 0x20) out += "\\x" + Hex(static_cast<unsigned char>(c)).substr(2);
    else out += c;
  }
  return out + "\"";
}

std::string QuoteField(const char* field, size_t size) {
  return QuoteGbk(std::string(field, strnlen(field, size)).c_str());
}

EventPrinter::EventPrinter() {
  Set(Channel::kMessage, kHostWriteLog, FormatLog);
  Set(Channel::kMessage, kHostWriteLogPlain, FormatLog);
  Set(Channel::kMessage, kHostSkinWindow, FormatSkin);
  Set(Channel::kMessage, kHostFrontWindow, FormatFrontWindow);
  Set(Channel::kMessage, kHostWatchDept, FormatWatchDept);
  Set(Channel::kMessage, kHostMemberRightQuery, FormatMemberRightQuery);
  // The question block of 20032 holds nothing but the slot for the answer.
  Set(Channel::kMessage, kHostMayStartConfOp, [](const HostEvent&) { return std::string(); });
  Set(Channel::kMessage, kHostDeptAddrList, FormatDeptAddrList);
  Set(Channel::kMessage, kHostP2PInviteWindow, FormatValueInPlace, false);
  Set(Channel::kRequest, kTreeRegister, FormatTree);
  Set(Channel::kRequest, kTreeUnregister, FormatTree);
  Set(Channel::kRequest, kTreeFill, FormatTree);
  Set(Channel::kRequest, kTreeClick, FormatTreeClick);
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
  bool methodBlock = e.channel == Channel::kMessage && (e.code == kHostConfMethod || e.code == kHostDataConfRecord);
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
