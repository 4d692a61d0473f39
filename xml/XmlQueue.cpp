// The generic queue of pointers (also used as a stack), 1-based positions.
#include <cstdlib>

#include "xml/XmlNode.h"

namespace {

XmlQueueCell* CellAt(XmlQueue* q, uint32_t i) {
  if (!q || i < 1 || i > q->count) return nullptr;
  if (i == q->count) return q->last;
  XmlQueueCell* cell = q->first;
  while (--i > 0) cell = cell->next;
  return cell;
}

// Links a new cell after prev (NULL: at the front).
int InsertAfterCell(XmlQueue* q, XmlQueueCell* prev, void* item) {
  auto* cell = static_cast<XmlQueueCell*>(calloc(1, sizeof(XmlQueueCell)));
  if (!cell) return 0;
  cell->item = item;
  XmlQueueCell** slot = prev ? &prev->next : &q->first;
  cell->next = *slot;
  *slot = cell;
  if (!cell->next) q->last = cell;
  ++q->count;
  return 1;
}

void* RemoveAfterCell(XmlQueue* q, XmlQueueCell* prev) {
  XmlQueueCell** slot = prev ? &prev->next : &q->first;
  XmlQueueCell* cell = *slot;
  if (!cell) return nullptr;
  *slot = cell->next;
  if (q->last == cell) q->last = prev;
  --q->count;
  void* item = cell->item;
  free(cell);
  return item;
}

}  // namespace

XmlQueue* XmlQueueNew() { return static_cast<XmlQueue*>(calloc(1, sizeof(XmlQueue))); }

void XmlQueueClear(XmlQueue* q) {
  while (q && q->first) RemoveAfterCell(q, nullptr);
}

void XmlQueueFree(XmlQueue* q) {
  XmlQueueClear(q);
  free(q);
}

int XmlQueueIsEmpty(XmlQueue* q) { return q && q->count == 0 ? 1 : 0; }

uint32_t XmlQueueCount(XmlQueue* q) { return q ? q->count : 0; }

void* XmlQueueGetAt(XmlQueue* q, uint32_t i) {
  XmlQueueCell* cell = CellAt(q, i);
  return cell ? cell->item : nullptr;
}

int XmlQueueAdd(XmlQueue* q, void* item) { return q ? InsertAfterCell(q, q->last, item) : 0; }

int XmlQueuePush(XmlQueue* q, void* item) { return q ? InsertAfterCell(q, nullptr, item) : 0; }

int XmlQueueInsertAfter(XmlQueue* q, uint32_t i, void* item) {
  if (!q || i > q->count) return 0;
  return InsertAfterCell(q, CellAt(q, i), item);
}

void* XmlQueueTake(XmlQueue* q) { return q ? RemoveAfterCell(q, nullptr) : nullptr; }

void* XmlQueueTakeAt(XmlQueue* q, uint32_t i) {
  if (!q || i < 1 || i > q->count) return nullptr;
  return RemoveAfterCell(q, CellAt(q, i - 1));
}

void* XmlQueueTakeLast(XmlQueue* q) { return q ? XmlQueueTakeAt(q, q->count) : nullptr; }

void* XmlQueuePeek(XmlQueue* q) { return q && q->first ? q->first->item : nullptr; }
