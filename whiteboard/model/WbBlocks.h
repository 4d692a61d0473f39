// Allocation, filling and release of whiteboard message blocks (layouts in WbRecords.h).
// Every block is a zero-filled byte array from new[], or from the open WbBlockPool; each
// allocator returns NULL when out of memory. A message's builder owns what it allocated and
// frees it after the host call.
#pragma once

#include <new>

#include "platform/Mbcs.h"
#include "protocol/WbRecords.h"

// size zero-filled bytes from new[]; NULL when out of memory. Freed with FreeWbBlock.
void* AllocWbBytes(size_t size);

// A zero-filled block of T's size; NULL when out of memory. Freed with FreeWbBlock.
template <typename T>
T* NewWbBlock() {
  void* mem = AllocWbBytes(sizeof(T));
  return mem ? new (mem) T() : nullptr;
}

// Frees one block (or text) from NewWbBlock or NewWbText; NULL and blocks of an open pool
// are ignored. Does not follow the pointers inside the block.
void FreeWbBlock(void* block);

// A header with the type at 0, the value at 658 and nothing else set (no head texts, no page
// part); the board factories fill the head. NULL when out of memory.
WbMsgHeader* AllocWbMsgHeader(DWORD type, int32_t value);

// Page -1, op -1, the rest 0.
WbPageOpRecord* NewWbPageOpRecord();
// Both pointers NULL.
WbListNode* NewWbListNode();
// Appends node at the end of the list *head (stores it in *head when the list is empty);
// FALSE and nothing done for a NULL node or list pointer.
BOOL AppendWbListNode(WbListNode** head, WbListNode* node);
// Colours and face empty; pen width, font size, weight, italic, underline/strike -1;
// the reserved float -1.0.
WbStyleRecord* NewWbStyleRecord();

// Shape payloads: object type 0, empty id, sub-op -1, empty texts, NULL pointers.
WbRectPayload* NewWbRectPayload();
WbLinePayload* NewWbLinePayload();
WbCirclePayload* NewWbCirclePayload();
WbEllipsePayload* NewWbEllipsePayload();
WbPathPayload* NewWbPathPayload();
WbTextPayload* NewWbTextPayload();
WbImagePayload* NewWbImagePayload();
WbDocPagePayload* NewWbDocPagePayload();
// A payload of the kind of type (the bare head for a type no kind has) with its object type
// set, the rest as above.
WbShapePayload* NewWbPayload(DWORD type);

// A heap copy of text for a payload's text pointer (path text, data URL, text); NULL when out
// of memory or text is NULL. Freed with FreeWbBlock.
char* NewWbText(const char* text);

// Fills a fixed text field: at most N-1 bytes, never half a double-byte character.
template <size_t N>
void SetWbText(char (&field)[N], const char* text) {
  mbcs::CopyLimited(field, N, text);
}
// Fills a fixed field with the decimal text of value, cut like SetWbText. Wide enough that
// sums and differences of coordinates need not overflow.
void SetWbNumberText(char* field, size_t size, long long value);
template <size_t N>
void SetWbNumber(char (&field)[N], long long value) {
  SetWbNumberText(field, N, value);
}
// Fills a colour field with the decimal text of a COLORREF (0x00BBGGRR): red is "255".
template <size_t N>
void SetWbColor(char (&field)[N], COLORREF color) {
  SetWbNumberText(field, N, (int)color);
}

// Frees a payload together with the style record and the text it points to.
void FreeWbPayload(void* payload);
// Frees a whole message built from these allocators: the header, its page/op record, every
// list node, each node's payload with its style record and text. Only for messages whose
// blocks all belong to the builder (not the static block of BuildOpRecord, nor a payload
// that a stroke keeps). Leaves a message whose header came from an open pool to the pool.
void FreeWbMessage(WbMsgHeader* header);
