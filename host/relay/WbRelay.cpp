#include "host/relay/WbRelay.h"

#include <cstring>

#include "host/relay/WbMessages.h"
#include "platform/Mbcs.h"
#include "protocol/WbPayloadKinds.h"

namespace host {
namespace {

// Writes the parts of a message one after the other: flags, lengths and bytes.
class Writer {
 public:
  void Bytes(const void* p, size_t n) { out_.append(static_cast<const char*>(p), n); }
  void U32(uint32_t v) { Bytes(&v, sizeof v); }
  void Text(const char* text) {
    U32(text ? 1 : 0);
    if (!text) return;
    U32((uint32_t)std::strlen(text));
    Bytes(text, std::strlen(text));
  }
  std::string Take() { return std::move(out_); }

 private:
  std::string out_;
};

class Reader {
 public:
  explicit Reader(const std::string& in) : in_(in) {}
  bool Bytes(void* p, size_t n) {
    if (in_.size() - pos_ < n) return false;
    std::memcpy(p, in_.data() + pos_, n);
    pos_ += n;
    return true;
  }
  bool U32(uint32_t* v) { return Bytes(v, sizeof *v); }
  // A text into the arena; *text NULL when the sender had none.
  bool Text(BlockArena& arena, const char** text) {
    uint32_t present = 0, length = 0;
    if (!U32(&present)) return false;
    *text = nullptr;
    if (!present) return true;
    if (!U32(&length) || in_.size() - pos_ < length) return false;
    std::string value(in_.data() + pos_, length);
    pos_ += length;
    *text = arena.CopyText(value.c_str(), length + 1);
    return true;
  }
  bool AtEnd() const { return pos_ == in_.size(); }

 private:
  const std::string& in_;
  size_t pos_ = 0;
};

void PackPayload(Writer& w, const void* payload) {
  const WbPayloadKind& kind = WbPayloadKindOf(payload);
  w.U32((uint32_t)kind.size);
  w.Bytes(payload, kind.size);
  w.Text(static_cast<const char*>(WbPayloadPointer(payload, kind.textOffset)));
  const void* style = WbPayloadPointer(payload, kind.styleOffset);
  w.U32(style ? 1 : 0);
  if (style) w.Bytes(style, sizeof(WbStyleRecord));
}

void* UnpackPayload(Reader& r, BlockArena& arena) {
  uint32_t size = 0, hasStyle = 0;
  if (!r.U32(&size) || size < sizeof(WbShapePayload) || size > 4096) return nullptr;
  std::string bytes(size, '\0');
  const char* text = nullptr;
  if (!r.Bytes(&bytes[0], size) || !r.Text(arena, &text) || !r.U32(&hasStyle)) return nullptr;
  void* payload = arena.CopyBytes(bytes.data(), size);
  const WbPayloadKind& kind = WbPayloadKindOf(payload);
  if (kind.size != size) return nullptr;
  SetWbPayloadPointer(payload, kind.textOffset, text);
  WbStyleRecord style;
  void* styleCopy = nullptr;
  if (hasStyle) {
    if (!r.Bytes(&style, sizeof style)) return nullptr;
    styleCopy = arena.CopyBytes(&style, sizeof style);
  }
  SetWbPayloadPointer(payload, kind.styleOffset, styleCopy);
  return payload;
}

const char* MethodName(DWORD method) {
  static const char* const names[] = {"",         "board style",  "board content", "board ended",    "",
                                      "new page", "page deleted", "page content",  "object added",   "object changed",
                                      "object deleted"};
  return method < sizeof names / sizeof names[0] ? names[method] : "";
}

}  // namespace

std::string FormatReceivedWbMessage(const void* record, const std::string& indent) {
  const WbRecvMsgHeader* received = static_cast<const WbRecvMsgHeader*>(record);
  DWORD method = received->head.op;
  // The sent form of the same message prints the rest.
  WbMsgHeader sent;
  std::memset(&sent, 0, sizeof sent);
  sent.head = received->head;
  std::memcpy(sent.szBoardStyle, received->szBoardStyle, sizeof sent.szBoardStyle);
  sent.nValue = received->nValue;
  sent.pPageOp = received->pPageOp;
  std::string text = FormatWbMessage(&sent, indent);
  size_t firstLineEnd = text.find('\n');
  size_t detail = text.find(", session");
  std::string head = indent + "whiteboard record: method " + std::to_string(method) + " (" + MethodName(method) + ")";
  if (detail != std::string::npos && detail < firstLineEnd) head += text.substr(detail, firstLineEnd - detail);
  return head + text.substr(firstLineEnd);
}

DWORD ReceivedWbMethod(DWORD sentType) {
  return sentType >= WB_MSG_PAGE_ADD && sentType <= WB_MSG_OBJECT_DELETE ? sentType + 1 : sentType;
}

std::string PackWbMessage(const void* sent) {
  const WbMsgHeader* header = static_cast<const WbMsgHeader*>(sent);
  Writer w;
  WbMsgHeader head = *header;
  head.pPageOp = nullptr;
  w.Bytes(&head, sizeof head);
  const WbPageOpRecord* pageOp = header->pPageOp;
  w.U32(pageOp ? 1 : 0);
  if (!pageOp) return w.Take();
  WbPageOpRecord op = *pageOp;
  op.pList = nullptr;
  w.Bytes(&op, sizeof op);
  uint32_t count = 0;
  for (const WbListNode* node = pageOp->pList; node && count < (uint32_t)kMaxWbListNodes; node = node->pNext) ++count;
  w.U32(count);
  const WbListNode* node = pageOp->pList;
  for (uint32_t i = 0; i < count; ++i, node = node->pNext) {
    w.U32(node->pItem ? 1 : 0);
    if (node->pItem) PackPayload(w, node->pItem);
  }
  return w.Take();
}

void* UnpackReceivedWbMessage(const std::string& bytes, BlockArena& arena, const char* sessionURI, DWORD method) {
  Reader r(bytes);
  WbMsgHeader sent;
  uint32_t hasPageOp = 0;
  if (!r.Bytes(&sent, sizeof sent) || !r.U32(&hasPageOp)) return nullptr;
  WbRecvMsgHeader received;
  std::memset(&received, 0, sizeof received);
  received.head = sent.head;
  received.head.op = method ? method : ReceivedWbMethod(sent.head.op);
  if (sessionURI) mbcs::CopyLimited(received.head.szSessionURI, sizeof received.head.szSessionURI, sessionURI);
  std::memcpy(received.szBoardStyle, sent.szBoardStyle, sizeof received.szBoardStyle);
  received.nValue = sent.nValue;
  auto* header = static_cast<WbRecvMsgHeader*>(arena.CopyBytes(&received, sizeof received));
  if (!hasPageOp) return r.AtEnd() ? header : nullptr;
  WbPageOpRecord op;
  uint32_t count = 0;
  if (!r.Bytes(&op, sizeof op) || !r.U32(&count) || count > (uint32_t)kMaxWbListNodes) return nullptr;
  op.pList = nullptr;
  auto* pageOp = static_cast<WbPageOpRecord*>(arena.CopyBytes(&op, sizeof op));
  header->pPageOp = pageOp;
  WbListNode* last = nullptr;
  for (uint32_t i = 0; i < count; ++i) {
    uint32_t hasPayload = 0;
    if (!r.U32(&hasPayload)) return nullptr;
    WbListNode node = {nullptr, nullptr};
    if (hasPayload && !(node.pItem = UnpackPayload(r, arena))) return nullptr;
    auto* copy = static_cast<WbListNode*>(arena.CopyBytes(&node, sizeof node));
    if (last) last->pNext = copy;
    else pageOp->pList = copy;
    last = copy;
  }
  return r.AtEnd() ? header : nullptr;
}

}  // namespace host
