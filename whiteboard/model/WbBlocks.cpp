#include "whiteboard/model/WbBlocks.h"

#include <cstdio>
#include <cstring>

#include "whiteboard/model/WbBlockPool.h"

namespace {

int g_allocationsLeft = -1;  // -1: no limit

}  // namespace

void* AllocWbBytes(size_t size) {
  if (g_allocationsLeft == 0) return nullptr;
  if (g_allocationsLeft > 0) --g_allocationsLeft;
  if (WbBlockPool::AnyOpen()) return WbBlockPool::Take(size);
  return new (std::nothrow) BYTE[size]();
}

void SetWbAllocationLimit(int count) { g_allocationsLeft = count; }

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
  switch (static_cast<WbShapePayload*>(payload)->nObjType) {
    case WB_OBJ_RECT: FreeWbBlock(static_cast<WbRectPayload*>(payload)->pStyle); break;
    case WB_OBJ_LINE: FreeWbBlock(static_cast<WbLinePayload*>(payload)->pStyle); break;
    case WB_OBJ_CIRCLE: FreeWbBlock(static_cast<WbCirclePayload*>(payload)->pStyle); break;
    case WB_OBJ_ELLIPSE: FreeWbBlock(static_cast<WbEllipsePayload*>(payload)->pStyle); break;
    case WB_OBJ_PATH: {
      WbPathPayload* path = static_cast<WbPathPayload*>(payload);
      FreeWbBlock(path->pszPath);
      FreeWbBlock(path->pStyle);
      break;
    }
    case WB_OBJ_TEXT: {
      WbTextPayload* text = static_cast<WbTextPayload*>(payload);
      FreeWbBlock(text->pszText);
      FreeWbBlock(text->pStyle);
      break;
    }
    case WB_OBJ_IMAGE: FreeWbBlock(static_cast<WbImagePayload*>(payload)->pszData); break;
    case WB_OBJ_DOCPAGE: FreeWbBlock(static_cast<WbDocPagePayload*>(payload)->pszData); break;
    default: break;  // type not set yet: nothing linked
  }
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
