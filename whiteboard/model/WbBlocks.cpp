#include "whiteboard/model/WbBlocks.h"

#include <cstdio>
#include <cstring>

#include "platform/FaultPoints.h"
#include "protocol/WbPayloadKinds.h"
#include "whiteboard/model/WbBlockPool.h"

void* AllocWbBytes(size_t size) {
  if (platform::InjectedFault(platform::FaultPoint::kAllocation)) return nullptr;
  if (WbBlockPool::AnyOpen()) return WbBlockPool::Take(size);
  return new (std::nothrow) BYTE[size]();
}

void FreeWbBlock(void* block) {
  if (!WbBlockPool::Holds(block)) delete[] static_cast<BYTE*>(block);
}

WbMsgHeader* AllocWbMsgHeader(DWORD type, int32_t value) {
  WbMsgHeader* header = NewWbBlock<WbMsgHeader>();
  if (header) {
    header->head.op = type;
    header->nValue = value;
  }
  return header;
}

WbPageOpRecord* NewWbPageOpRecord() {
  WbPageOpRecord* record = NewWbBlock<WbPageOpRecord>();
  if (record) {
    record->nPage = -1;
    record->nOp = -1;
  }
  return record;
}

WbListNode* NewWbListNode() { return NewWbBlock<WbListNode>(); }

BOOL AppendWbListNode(WbListNode** head, WbListNode* node) {
  if (!head || !node) return FALSE;
  WbListNode** link = head;
  while (*link) link = &(*link)->pNext;
  *link = node;
  return TRUE;
}

WbStyleRecord* NewWbStyleRecord() {
  WbStyleRecord* style = NewWbBlock<WbStyleRecord>();
  if (style) {
    style->nPenWidth = -1;
    style->fReserved = -1.0f;
    style->nFontSize = -1;
    style->nWeight = -1;
    style->nItalic = -1;
    style->nUnderlineStrike = -1;
  }
  return style;
}

namespace {

// A payload with the defaults every kind shares.
template <typename T>
T* NewPayload() {
  T* payload = NewWbBlock<T>();
  if (payload) payload->head.nSubOp = WB_SUBOP_NEW;
  return payload;
}

}  // namespace

WbRectPayload* NewWbRectPayload() { return NewPayload<WbRectPayload>(); }
WbLinePayload* NewWbLinePayload() { return NewPayload<WbLinePayload>(); }
WbCirclePayload* NewWbCirclePayload() { return NewPayload<WbCirclePayload>(); }
WbEllipsePayload* NewWbEllipsePayload() { return NewPayload<WbEllipsePayload>(); }
WbPathPayload* NewWbPathPayload() { return NewPayload<WbPathPayload>(); }
WbTextPayload* NewWbTextPayload() { return NewPayload<WbTextPayload>(); }
WbImagePayload* NewWbImagePayload() { return NewPayload<WbImagePayload>(); }
WbDocPagePayload* NewWbDocPagePayload() { return NewPayload<WbDocPagePayload>(); }

WbShapePayload* NewWbPayload(DWORD type) {
  auto* payload = static_cast<WbShapePayload*>(AllocWbBytes(WbPayloadKindOfType(type).size));
  if (payload) {
    payload->nObjType = type;
    payload->nSubOp = WB_SUBOP_NEW;
  }
  return payload;
}

char* NewWbText(const char* text) {
  if (!text) return nullptr;
  size_t size = strlen(text) + 1;
  char* copy = static_cast<char*>(AllocWbBytes(size));
  if (copy) memcpy(copy, text, size);
  return copy;
}

void SetWbNumberText(char* field, size_t size, long long value) {
  char text[32];
  snprintf(text, sizeof(text), "%lld", value);
  mbcs::CopyLimited(field, size, text);
}

void FreeWbPayload(void* payload) {
  if (!payload) return;
  const WbPayloadKind& kind = WbPayloadKindOf(payload);  // a type not set yet links nothing
  FreeWbBlock(WbPayloadPointer(payload, kind.textOffset));
  FreeWbBlock(WbPayloadPointer(payload, kind.styleOffset));
  FreeWbBlock(payload);
}

void FreeWbMessage(WbMsgHeader* header) {
  // A message whose header came from an open pool was built in it whole: the pool frees it.
  if (!header || WbBlockPool::Holds(header)) return;
  if (WbPageOpRecord* pageOp = header->pPageOp) {
    WbListNode* node = pageOp->pList;
    while (node) {
      WbListNode* next = node->pNext;
      FreeWbPayload(node->pItem);
      FreeWbBlock(node);
      node = next;
    }
    FreeWbBlock(pageOp);
  }
  FreeWbBlock(header);
}
