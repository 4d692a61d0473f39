// Node lists: a head node, singly linked items with a tail pointer, 1-based positions.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "xml/XmlNodeIndex.h"
#include "xml/XmlStorage.h"

namespace {

XmlNode* ItemAt(XmlNode* list, uint32_t i) {
  if (i < 1 || i > list->count) return nullptr;
  if (i == list->count) return list->tail;
  XmlNode* item = list->next;
  while (item && --i > 0) item = item->next;
  return item;
}

// Links item after prev (NULL: at the front).
void LinkAfter(XmlNode* list, XmlNode* prev, XmlNode* item) {
  XmlNode** slot = prev ? &prev->next : &list->next;
  item->next = *slot;
  *slot = item;
  if (!item->next) list->tail = item;
  ++list->count;
}

int Insert(XmlNode* list, XmlNode* prev, const XmlNodeRecord* node) {
  if (!list || !node) return 0;
  XmlNode* item = XmlNodeNewItem(node);
  if (!item) return 0;
  LinkAfter(list, prev, item);
  return 1;
}

// Copies item out, unlinks it (prev is its predecessor or NULL) and frees it.
int Take(XmlNode* list, XmlNode* prev, XmlNode* item, XmlNodeRecord* out) {
  if (!item || !XmlNodeCopyOut(item, out)) return 0;
  XmlNode** slot = prev ? &prev->next : &list->next;
  *slot = item->next;
  if (list->tail == item) list->tail = prev;
  --list->count;
  XmlNodeFreeItem(item);
  return 1;
}

XmlNode* Predecessor(XmlNode* list, XmlNode* item) {
  XmlNode* prev = nullptr;
  for (XmlNode* p = list->next; p && p != item; p = p->next) prev = p;
  return prev;
}

}  // namespace

XmlNode* XmlNodeListNew() {
  auto* head = static_cast<XmlNode*>(calloc(1, sizeof(XmlNode)));
  if (head) XmlNodeInit(head);
  return head;
}

int XmlNodeListClear(XmlNode* list) {
  if (!list) return 0;
  XmlNode* item = list->next;
  while (item) {
    XmlNode* next = item->next;
    XmlNodeFreeItem(item);
    item = next;
  }
  list->next = list->tail = nullptr;
  list->count = 0;
  return 1;
}

int XmlNodeListFree(XmlNode* list) {
  if (!list) return 0;
  XmlNodeListClear(list);
  XmlNodeFreeItem(list);
  return 1;
}

int XmlNodeListIsEmpty(XmlNode* list) { return list && list->count == 0 ? 1 : 0; }

uint32_t XmlNodeListCount(XmlNode* list) { return list ? list->count : 0; }

int XmlNodeListAppend(XmlNode* list, const XmlNodeRecord* node) { return list ? Insert(list, list->tail, node) : 0; }

int XmlNodeListAppendMoved(XmlNode* list, XmlNodeRecord* node) {
  auto* item = list && node ? static_cast<XmlNode*>(calloc(1, sizeof(XmlNode))) : nullptr;
  if (!item) return 0;
  memcpy(static_cast<XmlNodeRecord*>(item), node, sizeof(XmlNodeRecord));
  XmlNodeInit(node);
  LinkAfter(list, list->tail, item);
  return 1;
}

int XmlNodeListPush(XmlNode* list, const XmlNodeRecord* node) { return Insert(list, nullptr, node); }

int XmlNodeListInsertAfter(XmlNode* list, uint32_t i, const XmlNodeRecord* node) {
  if (!list || i > list->count) return 0;
  return Insert(list, ItemAt(list, i), node);
}

int XmlNodeListMoveAfter(XmlNode* list, uint32_t i, XmlNode* other) {
  if (!list || !other || other == list || i > list->count) return 0;
  if (!other->count) return 1;
  XmlNode* prev = ItemAt(list, i);
  XmlNode** slot = prev ? &prev->next : &list->next;
  other->tail->next = *slot;
  *slot = other->next;
  if (!other->tail->next) list->tail = other->tail;
  list->count += other->count;
  other->next = other->tail = nullptr;
  other->count = 0;
  return 1;
}

int XmlNodeListAppendAll(XmlNode* list, XmlNode* other) {
  return list ? XmlNodeListMoveAfter(list, list->count, other) : 0;
}

int XmlNodeListTakeFirst(XmlNode* list, XmlNodeRecord* out) {
  return list ? Take(list, nullptr, list->next, out) : 0;
}

int XmlNodeListTakeLast(XmlNode* list, XmlNodeRecord* out) {
  return list && list->tail ? Take(list, Predecessor(list, list->tail), list->tail, out) : 0;
}

int XmlNodeListTakeAt(XmlNode* list, uint32_t i, XmlNodeRecord* out) {
  if (!list || i < 1 || i > list->count) return 0;
  XmlNode* prev = ItemAt(list, i - 1);
  return Take(list, prev, prev ? prev->next : list->next, out);
}

int XmlNodeListPeekFirst(XmlNode* list, XmlNodeRecord* out) {
  return list && list->next ? XmlNodeCopyOut(list->next, out) : 0;
}

int XmlNodeListGetAt(XmlNode* list, uint32_t i, XmlNodeRecord* out) {
  XmlNode* item = list ? ItemAt(list, i) : nullptr;
  return item ? XmlNodeCopyOut(item, out) : 0;
}

int XmlNodeListGetRoot(XmlNode* list, XmlNodeRecord* out) {
  for (XmlNode* item = list ? list->next : nullptr; item; item = item->next) {
    if (item->parentId == 0) return XmlNodeCopyOut(item, out);
  }
  return 0;
}

int XmlNodeListGetById(XmlNode* list, uint32_t id, XmlNodeRecord* out) {
  for (XmlNode* item = list ? list->next : nullptr; item; item = item->next) {
    if (item->id == id) return XmlNodeCopyOut(item, out);
  }
  return 0;
}

int XmlNodeListGetByName(XmlNode* list, const char* name, XmlNodeRecord* out) {
  for (XmlNode* item = list ? list->next : nullptr; item; item = item->next) {
    if (XmlStrEq(item->name, name)) return XmlNodeCopyOut(item, out);
  }
  return 0;
}

int XmlNodeListCopyAllByName(XmlNode* list, const char* name, XmlNodeRecord* out) {
  int found = 0;
  for (XmlNode* item = list ? list->next : nullptr; item; item = item->next) {
    if (XmlStrEq(item->name, name) && XmlNodeCopyOut(item, out)) found = 1;
  }
  return found;
}

uint32_t XmlNodeListMaxId(XmlNode* list) {
  uint32_t max = 0;
  for (XmlNode* item = list ? list->next : nullptr; item; item = item->next) {
    if (item->id > max) max = item->id;
  }
  return max;
}

int XmlNodeListSetMark(XmlNode* list, uint32_t i, uint32_t mark) {
  XmlNode* item = list ? ItemAt(list, i) : nullptr;
  if (!item) return 0;
  item->mark = mark;
  return 1;
}

uint32_t XmlNodeListGetMark(XmlNode* list, uint32_t i) {
  XmlNode* item = list ? ItemAt(list, i) : nullptr;
  return item ? item->mark : 0;
}

void XmlNodeListPrint(XmlNode* list) {
  for (XmlNode* item = list ? list->next : nullptr; item; item = item->next) {
    printf("%u %u %s\n", item->id, item->parentId, item->name ? item->name : "(text)");
  }
  printf("\n");
}
