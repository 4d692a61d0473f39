#include "tests/whiteboard/WbHostCopy.h"

namespace wbtest {

namespace {

using host::BlockArena;

WbStyleRecord* CopyStyle(const WbStyleRecord* style, BlockArena& arena) {
  return static_cast<WbStyleRecord*>(arena.CopyBytes(style, sizeof(WbStyleRecord)));
}

char* CopyText(const char* text, BlockArena& arena) { return const_cast<char*>(arena.CopyText(text)); }

template <class T>
T* CopyBlock(const void* block, BlockArena& arena) {
  return static_cast<T*>(arena.CopyBytes(block, sizeof(T)));
}

const void* CopyPayload(const void* item, BlockArena& arena) {
  if (!item) return nullptr;
  switch (static_cast<const WbShapePayload*>(item)->nObjType) {
    case WB_OBJ_RECT: {
      WbRectPayload* p = CopyBlock<WbRectPayload>(item, arena);
      p->pStyle = CopyStyle(p->pStyle, arena);
      return p;
    }
    case WB_OBJ_LINE: {
      WbLinePayload* p = CopyBlock<WbLinePayload>(item, arena);
      p->pStyle = CopyStyle(p->pStyle, arena);
      return p;
    }
    case WB_OBJ_CIRCLE: {
      WbCirclePayload* p = CopyBlock<WbCirclePayload>(item, arena);
      p->pStyle = CopyStyle(p->pStyle, arena);
      return p;
    }
    case WB_OBJ_ELLIPSE: {
      WbEllipsePayload* p = CopyBlock<WbEllipsePayload>(item, arena);
      p->pStyle = CopyStyle(p->pStyle, arena);
      return p;
    }
    case WB_OBJ_PATH: {
      WbPathPayload* p = CopyBlock<WbPathPayload>(item, arena);
      p->pszPath = CopyText(p->pszPath, arena);
      p->pStyle = CopyStyle(p->pStyle, arena);
      return p;
    }
    case WB_OBJ_TEXT: {
      WbTextPayload* p = CopyBlock<WbTextPayload>(item, arena);
      p->pszText = CopyText(p->pszText, arena);
      p->pStyle = CopyStyle(p->pStyle, arena);
      return p;
    }
    case WB_OBJ_IMAGE: {
      WbImagePayload* p = CopyBlock<WbImagePayload>(item, arena);
      p->pszData = CopyText(p->pszData, arena);
      return p;
    }
    case WB_OBJ_DOCPAGE: {
      WbDocPagePayload* p = CopyBlock<WbDocPagePayload>(item, arena);
      p->pszData = CopyText(p->pszData, arena);
      return p;
    }
    default: return CopyBlock<WbShapePayload>(item, arena);
  }
}

const void* CopyMessage(const void* record, BlockArena& arena) {
  WbMsgHeader* header = CopyBlock<WbMsgHeader>(record, arena);
  if (!header || !header->pPageOp) return header;
  WbPageOpRecord* pageOp = CopyBlock<WbPageOpRecord>(header->pPageOp, arena);
  header->pPageOp = pageOp;
  for (WbListNode** link = &pageOp->pList; *link; link = &(*link)->pNext) {
    WbListNode* node = CopyBlock<WbListNode>(*link, arena);
    node->pItem = const_cast<void*>(CopyPayload(node->pItem, arena));
    *link = node;
  }
  return header;
}

}  // namespace

void AddWbMessageCopier(host::RecordingHost& host) {
  host.Copiers().SetMethodBlock(kHostDataConfRecord);
  host.Copiers().SetRecord(kHostDataConfRecord, WB_MRS_METHOD, CopyMessage);
}

std::vector<const WbMsgHeader*> SentWbMessages(const host::RecordingHost& host) {
  std::vector<const WbMsgHeader*> messages;
  for (const host::HostEvent& event : host.EventsWithCode(kHostDataConfRecord)) {
    const HostMethodBlock* block = event.As<HostMethodBlock>();
    if (block && block->nMethod == WB_MRS_METHOD)
      messages.push_back(static_cast<const WbMsgHeader*>(block->pRecord));
  }
  return messages;
}

}  // namespace wbtest
