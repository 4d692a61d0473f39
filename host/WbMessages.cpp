#include "host/WbMessages.h"

#include <cstring>

#include "host/EventPrinter.h"
#include "whiteboard/model/WbRecords.h"

namespace host {
namespace {

// Where the parts of one payload kind lie: char[17] numbers from offset 56 on, an optional
// text pointer and an optional style pointer.
struct PayloadLayout {
  DWORD type;
  const char* name;
  size_t size;
  const char* numbers[6];
  int textOffset;  // -1: none
  int styleOffset;  // -1: none
};

const PayloadLayout kLayouts[] = {
    {WB_OBJ_RECT, "rectangle", sizeof(WbRectPayload), {"x", "y", "width", "height", "corner x", "corner y"}, -1,
     offsetof(WbRectPayload, pStyle)},
    {WB_OBJ_LINE, "line", sizeof(WbLinePayload), {"x1", "y1", "x2", "y2"}, -1, offsetof(WbLinePayload, pStyle)},
    {WB_OBJ_CIRCLE, "circle", sizeof(WbCirclePayload), {"cx", "cy", "r"}, -1, offsetof(WbCirclePayload, pStyle)},
    {WB_OBJ_ELLIPSE, "ellipse", sizeof(WbEllipsePayload), {"cx", "cy", "rx", "ry"}, -1,
     offsetof(WbEllipsePayload, pStyle)},
    {WB_OBJ_PATH, "path", sizeof(WbPathPayload), {}, offsetof(WbPathPayload, pszPath), offsetof(WbPathPayload, pStyle)},
    {WB_OBJ_TEXT, "text", sizeof(WbTextPayload), {"x", "y", "width", "height"}, offsetof(WbTextPayload, pszText),
     offsetof(WbTextPayload, pStyle)},
    {WB_OBJ_IMAGE, "picture", sizeof(WbImagePayload), {"x", "y", "width", "height"}, offsetof(WbImagePayload, pszData),
     -1},
    {WB_OBJ_DOCPAGE, "page background", sizeof(WbDocPagePayload), {}, offsetof(WbDocPagePayload, pszData), -1},
};

const PayloadLayout kUnknownLayout = {0, "object", sizeof(WbShapePayload), {}, -1, -1};

const PayloadLayout& LayoutOf(const void* payload) {
  DWORD type = static_cast<const WbShapePayload*>(payload)->nObjType;
  for (const PayloadLayout& layout : kLayouts)
    if (layout.type == type) return layout;
  return kUnknownLayout;
}

// Pointers inside packed blocks are not aligned: they move with memcpy.
const void* PointerAt(const void* block, int offset) {
  const void* p;
  std::memcpy(&p, static_cast<const char*>(block) + offset, sizeof p);
  return p;
}
void SetPointerAt(void* block, int offset, const void* p) { std::memcpy(static_cast<char*>(block) + offset, &p, sizeof p); }

void* CopyPayload(const void* payload, BlockArena& arena) {
  if (!payload) return nullptr;
  const PayloadLayout& layout = LayoutOf(payload);
  void* copy = arena.CopyBytes(payload, layout.size);
  if (layout.textOffset >= 0)
    SetPointerAt(copy, layout.textOffset, arena.CopyText(static_cast<const char*>(PointerAt(copy, layout.textOffset))));
  if (layout.styleOffset >= 0)
    SetPointerAt(copy, layout.styleOffset, arena.CopyBytes(PointerAt(copy, layout.styleOffset), sizeof(WbStyleRecord)));
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
  const PayloadLayout& layout = LayoutOf(payload);
  const WbShapePayload* head = static_cast<const WbShapePayload*>(payload);
  int32_t subOp = head->nSubOp;
  std::string text = std::string(layout.name) + " " + QuoteField(head->szID, sizeof head->szID) + " sub-op " + Num(subOp);
  const char* numbers = static_cast<const char*>(payload) + sizeof(WbShapePayload);
  for (int i = 0; i < 6 && layout.numbers[i]; ++i)
    text += std::string(" ") + layout.numbers[i] + " " + QuoteField(numbers + i * WB_NUMBER_LEN, WB_NUMBER_LEN);
  if (layout.textOffset >= 0) text += " text " + ShortText(static_cast<const char*>(PointerAt(payload, layout.textOffset)));
  const void* style = layout.styleOffset >= 0 ? PointerAt(payload, layout.styleOffset) : nullptr;
  if (style) text += FormatStyle(*static_cast<const WbStyleRecord*>(style));
  return text;
}

}  // namespace

WbPayloadParts WbPayloadPartsOf(const void* payload) {
  const PayloadLayout& layout = LayoutOf(payload);
  return {layout.size, layout.textOffset, layout.styleOffset};
}

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
