#include "host/relay/WbBoardServer.h"

#include <algorithm>
#include <cstring>

#include "host/relay/BlockArena.h"
#include "host/relay/WbRelay.h"
#include "protocol/WbPayloadKinds.h"

namespace host {
namespace {

constexpr size_t kNumbersAt = sizeof(WbShapePayload);

DWORD SentType(const std::string& packed) {
  DWORD type = 0;
  if (packed.size() >= sizeof type) std::memcpy(&type, packed.data(), sizeof type);
  return type;
}

template <class T>
T FieldAt(const std::string& block, size_t offset) {
  T value{};
  if (block.size() >= offset + sizeof value) std::memcpy(&value, block.data() + offset, sizeof value);
  return value;
}

void MergeText(char* stored, const char* change, size_t size) {
  if (change[0]) std::memcpy(stored, change, size);
}

// The stored number, or the change when it carries one (-1: none). By value: the fields of the
// byte-packed record may sit at any address.
int32_t Merged(int32_t stored, int32_t change) { return change != -1 ? change : stored; }

// A style change carries only what changed: a colour, a width, a font's parts.
void MergeStyle(WbStyleRecord* stored, const WbStyleRecord& change) {
  MergeText(stored->szFillColor, change.szFillColor, sizeof stored->szFillColor);
  MergeText(stored->szPenColor, change.szPenColor, sizeof stored->szPenColor);
  if (change.nPenWidth > 0) stored->nPenWidth = change.nPenWidth;
  stored->nFontSize = Merged(stored->nFontSize, change.nFontSize);
  MergeText(stored->szFaceName, change.szFaceName, sizeof stored->szFaceName);
  stored->nWeight = Merged(stored->nWeight, change.nWeight);
  stored->nItalic = Merged(stored->nItalic, change.nItalic);
  stored->nUnderlineStrike = Merged(stored->nUnderlineStrike, change.nUnderlineStrike);
}

}  // namespace

bool WbBoardServer::IsContentRequest(const std::string& packed) { return SentType(packed) == WB_MSG_REQUEST_SYNC; }

std::string WbBoardServer::BoardKey(const std::string& packed) {
  MrsRecordHead head;
  if (packed.size() < sizeof head) return "";
  std::memcpy(&head, packed.data(), sizeof head);
  return std::string(head.szSessionURI, strnlen(head.szSessionURI, sizeof head.szSessionURI)) + "\n" +
         std::string(head.szDConfID, strnlen(head.szDConfID, sizeof head.szDConfID)) + "\n" +
         std::to_string(head.nSubConfID);
}

WbBoardServer::Object WbBoardServer::ObjectOf(const void* payload) {
  const WbPayloadKind& kind = WbPayloadKindOf(payload);
  Object object;
  object.block.assign(static_cast<const char*>(payload), kind.size);
  auto* text = static_cast<const char*>(WbPayloadPointer(payload, kind.textOffset));
  auto* style = static_cast<const WbStyleRecord*>(WbPayloadPointer(payload, kind.styleOffset));
  if ((object.hasText = text != nullptr)) object.text = text;
  if ((object.hasStyle = style != nullptr)) object.style = *style;
  return object;
}

// A change record carries what changed: the geometry as a whole (a picture: each field it
// gives), a new text, path or picture, and the parts of the style it names.
void WbBoardServer::Merge(Object* stored, const Object& change) {
  const WbPayloadKind& kind = WbPayloadKindOf(change.block.data());
  const size_t numbersEnd = kind.NumbersEnd();
  if (FieldAt<DWORD>(stored->block, 0) != FieldAt<DWORD>(change.block, 0) || stored->block.size() != kind.size) {
    *stored = change;
    return;
  }
  bool picture = FieldAt<DWORD>(change.block, 0) == WB_OBJ_IMAGE;
  bool geometry = false;
  for (size_t at = kNumbersAt; at + WB_NUMBER_LEN <= numbersEnd; at += WB_NUMBER_LEN) {
    bool given = change.block[at] != 0;
    geometry = geometry || given;
    if (picture && given) stored->block.replace(at, WB_NUMBER_LEN, change.block, at, WB_NUMBER_LEN);
  }
  if (geometry && !picture)
    stored->block.replace(kNumbersAt, numbersEnd - kNumbersAt, change.block, kNumbersAt,
                          numbersEnd - kNumbersAt);
  if (change.hasText) stored->hasText = true, stored->text = change.text;
  if (change.hasStyle && !stored->hasStyle) stored->hasStyle = true, stored->style = change.style;
  else if (change.hasStyle) MergeStyle(&stored->style, change.style);
}

std::vector<WbBoardServer::Object>::iterator WbBoardServer::Find(std::vector<Object>& objects, const void* payload) {
  const char* id = static_cast<const WbShapePayload*>(payload)->szID;
  return std::find_if(objects.begin(), objects.end(), [id](const Object& o) {
    return strncmp(reinterpret_cast<const WbShapePayload*>(o.block.data())->szID, id, WB_ID_LEN - 1) == 0;
  });
}

void WbBoardServer::TakeObject(Board& board, DWORD type, const void* payload) {
  auto found = Find(board.objects, payload);
  bool present = found != board.objects.end();
  if (type == WB_MSG_OBJECT_ADD && !present) board.objects.push_back(ObjectOf(payload));
  if (type == WB_MSG_OBJECT_DELETE && present) board.objects.erase(found);
  if (type != WB_MSG_OBJECT_CHANGE || !present) return;
  int32_t subOp = static_cast<const WbShapePayload*>(payload)->nSubOp;
  if (subOp != WB_SUBOP_TO_FRONT && subOp != WB_SUBOP_TO_BACK) return Merge(&*found, ObjectOf(payload));
  Object moved = std::move(*found);
  board.objects.erase(found);
  board.objects.insert(subOp == WB_SUBOP_TO_FRONT ? board.objects.end() : board.objects.begin(), std::move(moved));
}

void WbBoardServer::Take(const std::string& packed) {
  BlockArena arena;
  const auto* record = static_cast<const WbRecvMsgHeader*>(UnpackReceivedWbMessage(packed, arena));
  if (!record) return;
  DWORD type = SentType(packed);
  std::string key = BoardKey(packed);
  if (type == WB_MSG_BOARD_END) {
    boards_.erase(key);
    return;
  }
  const WbPageOpRecord* pageOp = record->pPageOp;
  if (!pageOp || pageOp->nPage <= 0) return;
  Board& board = boards_[key];
  if (type == WB_MSG_PAGE_ADD || type == WB_MSG_PAGE_CONTENT) {
    const int32_t page = pageOp->nPage, count = record->nValue;  // packed fields, read by value
    board.page = page;
    board.pageCount = std::max(count, page);
    board.objects.clear();
    for (const WbListNode* node = pageOp->pList; node && type == WB_MSG_PAGE_CONTENT; node = node->pNext)
      if (node->pItem) TakeObject(board, WB_MSG_OBJECT_ADD, node->pItem);
    return;
  }
  bool objectRecord = type == WB_MSG_OBJECT_ADD || type == WB_MSG_OBJECT_CHANGE || type == WB_MSG_OBJECT_DELETE;
  if (objectRecord && pageOp->nPage == board.page && pageOp->pList && pageOp->pList->pItem)
    TakeObject(board, type, pageOp->pList->pItem);
}

std::string WbBoardServer::Answer(const std::string& request) const {
  BlockArena arena;
  WbMsgHeader header;
  std::memset(&header, 0, sizeof header);
  std::memcpy(&header.head, request.data(), std::min(request.size(), sizeof header.head));
  header.head.op = WB_MSG_REQUEST_SYNC;
  auto found = boards_.find(BoardKey(request));
  Board empty;
  const Board& board = found == boards_.end() ? empty : found->second;
  header.nValue = board.pageCount;
  WbPageOpRecord pageOp = {board.page, WB_PAGEOP_PAGE_CONTENT, 0, nullptr, 0};
  header.pPageOp = &pageOp;
  WbListNode** tail = &pageOp.pList;
  for (const Object& object : board.objects) {
    void* payload = arena.CopyBytes(object.block.data(), object.block.size());
    const WbPayloadKind& kind = WbPayloadKindOf(payload);
    const char* text = object.hasText ? arena.CopyText(object.text.c_str()) : nullptr;
    const void* style = object.hasStyle ? arena.CopyBytes(&object.style, sizeof object.style) : nullptr;
    SetWbPayloadPointer(payload, kind.textOffset, text);
    SetWbPayloadPointer(payload, kind.styleOffset, style);
    WbListNode node = {payload, nullptr};
    *tail = static_cast<WbListNode*>(arena.CopyBytes(&node, sizeof node));
    tail = &(*tail)->pNext;
  }
  return PackWbMessage(&header);
}

std::string WbBoardServer::Describe(const std::string& packed) const {
  auto found = boards_.find(BoardKey(packed));
  if (found == boards_.end()) return "page 1, 0 objects";
  return "page " + std::to_string(found->second.page) + ", " + std::to_string(found->second.objects.size()) +
         " objects";
}

}  // namespace host
