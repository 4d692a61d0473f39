// Record lists: a head record, singly linked items with a tail pointer, whole payloads copied.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "xml/XmlRecordIndex.h"
#include "xml/XmlStorage.h"

namespace {

XmlRecord* ItemAt(XmlRecord* head, uint32_t i) {
  if (!head || i < 1 || i > head->count) return nullptr;
  if (i == head->count) return head->tail;
  XmlRecord* item = head->next;
  while (item && --i > 0) item = item->next;
  return item;
}

void CopyOut(const XmlRecordPayload* from, XmlRecordPayload* out) {
  if (out && out != from) memcpy(out, from, sizeof(XmlRecordPayload));
}

// Links a new item holding a copy of payload after prev (NULL: at the front).
int Insert(XmlRecord* head, XmlRecord* prev, const XmlRecordPayload* payload) {
  if (!head || !payload) return 0;
  auto* item = static_cast<XmlRecord*>(calloc(1, sizeof(XmlRecord)));
  if (!item) return 0;
  memcpy(item, payload, sizeof(XmlRecordPayload));
  XmlPayloadTerminate(item);
  XmlRecord** slot = prev ? &prev->next : &head->next;
  item->next = *slot;
  *slot = item;
  if (!item->next) head->tail = item;
  ++head->count;
  return 1;
}

// Copies item out, unlinks it (prev is its predecessor or NULL) and frees it.
int Take(XmlRecord* head, XmlRecord* prev, XmlRecord* item, XmlRecordPayload* out) {
  if (!item) return 0;
  CopyOut(item, out);
  XmlRecord** slot = prev ? &prev->next : &head->next;
  *slot = item->next;
  if (head->tail == item) head->tail = prev;
  --head->count;
  free(item);
  return 1;
}

// The first item for which match answers true, copied out.
template <typename Match>
int CopyFirst(XmlRecord* head, XmlRecordPayload* out, Match match) {
  for (XmlRecord* item = head ? head->next : nullptr; item; item = item->next) {
    if (match(item)) {
      CopyOut(item, out);
      return 1;
    }
  }
  return 0;
}

}  // namespace

int XmlRecordListNew(XmlRecord** head) {
  if (!head) return 0;
  *head = static_cast<XmlRecord*>(calloc(1, sizeof(XmlRecord)));
  return *head != nullptr;
}

int XmlRecordListClear(XmlRecord** head) {
  if (!head || !*head) return 0;
  XmlRecord* item = (*head)->next;
  while (item) {
    XmlRecord* next = item->next;
    free(item);
    item = next;
  }
  (*head)->next = (*head)->tail = nullptr;
  (*head)->count = (*head)->mark = 0;
  return 1;
}

int XmlRecordListFree(XmlRecord** head) {
  if (!XmlRecordListClear(head)) return 0;
  free(*head);
  *head = nullptr;
  return 1;
}

int XmlRecordListIsEmpty(XmlRecord* head) { return head && head->count == 0 ? 1 : 0; }

uint32_t XmlRecordListCount(XmlRecord* head) { return head ? head->count : 0; }

int XmlRecordListAppend(XmlRecord* head, const XmlRecordPayload* payload) {
  return head ? Insert(head, head->tail, payload) : 0;
}

int XmlRecordListPush(XmlRecord* head, const XmlRecordPayload* payload) { return Insert(head, nullptr, payload); }

int XmlRecordListInsertAfter(XmlRecord* head, uint32_t i, const XmlRecordPayload* payload) {
  if (!head || i > head->count) return 0;
  return Insert(head, ItemAt(head, i), payload);
}

int XmlRecordListMoveAfter(XmlRecord* head, uint32_t i, XmlRecord* other) {
  if (!head || !other || other == head || i > head->count) return 0;
  if (!other->count) return 1;
  XmlRecord* prev = ItemAt(head, i);
  XmlRecord** slot = prev ? &prev->next : &head->next;
  other->tail->next = *slot;
  *slot = other->next;
  if (!other->tail->next) head->tail = other->tail;
  head->count += other->count;
  other->next = other->tail = nullptr;
  other->count = 0;
  return 1;
}

int XmlRecordListAppendAll(XmlRecord* head, XmlRecord* other) {
  return head ? XmlRecordListMoveAfter(head, head->count, other) : 0;
}

int XmlRecordListTakeFirst(XmlRecord* head, XmlRecordPayload* out) {
  return head ? Take(head, nullptr, head->next, out) : 0;
}

int XmlRecordListTakeLast(XmlRecord* head, XmlRecordPayload* out) {
  if (!head || !head->tail) return 0;
  return Take(head, head->count > 1 ? ItemAt(head, head->count - 1) : nullptr, head->tail, out);
}

int XmlRecordListTakeAt(XmlRecord* head, uint32_t i, XmlRecordPayload* out) {
  if (!head || i < 1 || i > head->count) return 0;
  XmlRecord* prev = ItemAt(head, i - 1);
  return Take(head, prev, prev ? prev->next : head->next, out);
}

int XmlRecordListPeekFirst(XmlRecord* head, XmlRecordPayload* out) {
  if (!head || !head->next) return 0;
  CopyOut(head->next, out);
  return 1;
}

int XmlRecordListGetAt(XmlRecord* head, uint32_t i, XmlRecordPayload* out) {
  XmlRecord* item = ItemAt(head, i);
  if (!item) return 0;
  CopyOut(item, out);
  return 1;
}

int XmlRecordListSetAt(XmlRecord* head, uint32_t i, const XmlRecordPayload* payload) {
  XmlRecord* item = ItemAt(head, i);
  if (!item || !payload) return 0;
  if (item != payload) memcpy(item, payload, sizeof(XmlRecordPayload));
  XmlPayloadTerminate(item);
  return 1;
}

int XmlRecordListGetRoot(XmlRecord* head, XmlRecordPayload* out) {
  return CopyFirst(head, out, [](XmlRecord* r) { return r->parentId == 0; });
}

int XmlRecordListGetById(XmlRecord* head, uint32_t id, XmlRecordPayload* out) {
  return CopyFirst(head, out, [id](XmlRecord* r) { return r->id == id; });
}

int XmlRecordListGetByName(XmlRecord* head, const char* name, XmlRecordPayload* out) {
  if (!name) return 0;
  return CopyFirst(head, out, [name](XmlRecord* r) { return strncmp(r->name, name, sizeof r->name) == 0; });
}

uint32_t XmlRecordListMaxId(XmlRecord* head) {
  uint32_t max = 0;
  for (XmlRecord* item = head ? head->next : nullptr; item; item = item->next) {
    if (item->id > max) max = item->id;
  }
  return max;
}

int XmlRecordListSetMark(XmlRecord* head, uint32_t i, uint32_t mark) {
  XmlRecord* item = ItemAt(head, i);
  if (!item) return 0;
  item->mark = mark;
  return 1;
}

uint32_t XmlRecordListGetMark(XmlRecord* head, uint32_t i) {
  XmlRecord* item = ItemAt(head, i);
  return item ? item->mark : 0;
}

void XmlRecordListPrint(XmlRecord* head) {
  for (XmlRecord* item = head ? head->next : nullptr; item; item = item->next) {
    item->mark = 1;
    printf("%u %u %s\n", item->id, item->parentId, item->name);
  }
  printf("\n");
}
