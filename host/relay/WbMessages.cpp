#include "host/relay/WbMessages.h"

#include <cstring>

#include "host/relay/QuotedText.h"
#include "protocol/WbPayloadKinds.h"

namespace host {
namespace {

void* CopyPayload(const void* payload, BlockArena& arena) {
  if (!payload) return nullptr;
  const WbPayloadKind& kind = WbPayloadKindOf(payload);
  void* copy = arena.CopyBytes(payload, kind.size);
  const char* text = static_cast<const char*>(WbPayloadPointer(copy, kind.textOffset));
  SetWbPayloadPointer(copy, kind.textOffset, arena.CopyText(text));
  const void* style = WbPayloadPointer(copy, kind.styleOffset);
  SetWbPayloadPointer(copy, kind.styleOffset, arena.CopyBytes(style, sizeof(WbStyleRecord)));
  return copy;
}

const char* TypeName(DWORD type) {
  static const char* const names[] = {"",          "board style",  "content request", "board ended",  "page added",
                                      "page deleted", "page content", "object added",    "object changed", "object deleted"};
  return type < sizeof names / sizeof names[0] ? names[type] : "";
}

std::string Num(long long value) { return std::to_string(value); }

// A payload text; picture data runs to megabytes, so a long text shows its start and length.
std::string ShortText(const char* text) {
  constexpr size_t kShown = 64;
  if (!text || std::strlen(text) <= kShown) return QuoteGbk(text);
  return QuoteGbk(std::string(text, kShown).c_str()) + "... (" + Num(std::strlen(text)) + " bytes)";
}

std::string FormatStyle(const WbStyleRecord& s) {
  std::string text = "; style";
  if (s.szFillColor[0]) text += " fill " + QuoteField(s.szFillColor, sizeof s.szFillColor);
  if (s.szPenColor[0]) text += " pen " + QuoteField(s.szPenColor, sizeof s.szPenColor);
  int32_t width = s.nPenWidth, font = s.nFontSize, weight = s.nWeight;
  if (width != -1) text += " width " + Num(width);
  if (font != -1) text += " font size " + Num(font >> 16) + "x" + Num(font & 0xFFFF);
  if (s.szFaceName[0]) text += " face " + QuoteField(s.szFaceName, sizeof s.szFaceName);
  if (weight != -1) text += " weight " + Num(weight);
  return text;
}

std::string FormatPayload(const void* payload) {
  const WbPayloadKind& kind = WbPayloadKindOf(payload);
  const WbShapePayload* head = static_cast<const WbShapePayload*>(payload);
  int32_t subOp = head->nSubOp;
  std::string text = std::string(kind.name) + " " + QuoteField(head->szID, sizeof head->szID) + " sub-op " + Num(subOp);
  const char* numbers = static_cast<const char*>(payload) + sizeof(WbShapePayload);
  for (int i = 0; i < kind.NumberCount(); ++i)
    text += std::string(" ") + kind.numberNames[i] + " " + QuoteField(numbers + i * WB_NUMBER_LEN, WB_NUMBER_LEN);
  if (kind.textOffset >= 0) text += " text " + ShortText(static_cast<const char*>(WbPayloadPointer(payload, kind.textOffset)));
  const void* style = WbPayloadPointer(payload, kind.styleOffset);
  if (style) text += FormatStyle(*static_cast<const WbStyleRecord*>(style));
  return text;
}

}  // namespace

const void* CopyWbMessage(const void* record, BlockArena& arena) {
  WbMsgHeader* header = static_cast<WbMsgHeader*>(arena.CopyBytes(record, sizeof(WbMsgHeader)));
  if (!header) return nullptr;
  auto* pageOp = static_cast<WbPageOpRecord*>(arena.CopyBytes(header->pPageOp, sizeof(WbPageOpRecord)));
  header->pPageOp = pageOp;
  if (!pageOp) return header;
  WbListNode* source = pageOp->pList;
  WbListNode* last = nullptr;
  pageOp->pList = nullptr;
  for (int n = 0; source && n < kMaxWbListNodes; ++n) {
    auto* node = static_cast<WbListNode*>(arena.CopyBytes(source, sizeof(WbListNode)));
    source = node->pNext;
    node->pItem = CopyPayload(node->pItem, arena);
    node->pNext = nullptr;
    if (last) last->pNext = node;
    else pageOp->pList = node;
    last = node;
  }
  return header;
}

std::string FormatWbMessage(const void* record, const std::string& indent) {
  const WbMsgHeader* h = static_cast<const WbMsgHeader*>(record);
  DWORD type = h->head.op, subConf = h->head.nSubConfID;
  int32_t value = h->nValue;
  std::string text = indent + "whiteboard message: type " + Num(type) + " (" + TypeName(type) + "), session " +
                     QuoteField(h->head.szSessionURI, WB_URI_LEN) + ", data conference " +
                     QuoteField(h->head.szDConfID, WB_URI_LEN) + ", sub-conference " + Num(subConf) + ", value " +
                     Num(value) + "\n";
  const WbPageOpRecord* pageOp = h->pPageOp;
  if (!pageOp) return text;
  text += indent + "page " + Num(pageOp->nPage) + ", op " + Num(pageOp->nOp) + (pageOp->bNewPage ? ", new page" : "") + "\n";
  for (const WbListNode* node = pageOp->pList; node; node = node->pNext)
    text += indent + "  " + (node->pItem ? FormatPayload(node->pItem) : "empty node") + "\n";
  return text;
}

}  // namespace host
