// Parents, children, subtrees and paths inside record lists and payload arrays.
#include <cstdlib>
#include <cstring>

#include "xml/XmlNodeIndex.h"
#include "xml/XmlRecordIndex.h"
#include "xml/XmlStorage.h"

namespace {

// The payloads of a list or an array with their standing-in node records.
struct Indexed {
  XmlRecordPayload** items;
  uint32_t count;
  XmlRecordShadows shadows;
};

bool Index(Indexed* x, XmlRecordPayload** items, uint32_t count) {
  x->items = items;
  x->count = count;
  if (items && XmlRecordShadowsBuild(&x->shadows, items, count)) return true;
  free(items);
  x->items = nullptr;
  return false;
}

void Release(Indexed* x) {
  XmlRecordShadowsFree(&x->shadows);
  free(x->items);
}

int PathOf(XmlRecordPayload** items, uint32_t count, uint32_t id, char** out) {
  if (!out) {
    free(items);
    return 0;
  }
  *out = nullptr;
  Indexed x;
  if (!Index(&x, items, count)) return 0;
  XmlIdMap map;
  uint32_t p;
  if (XmlIdMapBuild(&map, x.shadows.pointers, count)) {
    if (XmlIdMapFind(&map, id, &p)) *out = XmlPathAt(x.shadows.pointers, count, &map, p);
    XmlIdMapFree(&map);
  }
  Release(&x);
  return *out != nullptr;
}

uint32_t FindByPath(XmlRecordPayload** items, uint32_t count, const char* path, XmlRecordPayload* out) {
  Indexed x;
  if (!path) {
    free(items);
    return 0;
  }
  if (!Index(&x, items, count)) return 0;
  uint32_t position = XmlFindPathPosition(x.shadows.pointers, count, path);
  if (position && out) memcpy(out, x.items[position - 1], sizeof(XmlRecordPayload));
  Release(&x);
  return position;
}

// Unlinks and frees the items that drop answers true for, visiting them in order.
template <typename Drop>
void Filter(XmlRecord* head, Drop drop) {
  XmlRecord* prev = nullptr;
  XmlRecord* item = head->next;
  while (item) {
    XmlRecord* next = item->next;
    if (drop(item)) {
      (prev ? prev->next : head->next) = next;
      --head->count;
      free(item);
    } else {
      prev = item;
    }
    item = next;
  }
  head->tail = prev;
}

}  // namespace

int XmlRecordListChildrenOf(XmlRecord* head, uint32_t id, XmlRecord* out) {
  if (!head || !out || head == out) return 0;
  for (XmlRecord* item = head->next; item; item = item->next) {
    if (item->parentId == id && !XmlRecordListAppend(out, item)) return 0;
  }
  return 1;
}

int XmlRecordListChildrenOfAt(XmlRecord* head, uint32_t i, XmlRecord* out) {
  XmlRecordPayload at;
  return XmlRecordListGetAt(head, i, &at) ? XmlRecordListChildrenOf(head, at.id, out) : 0;
}

int XmlRecordListParentOfAt(XmlRecord* head, uint32_t i, XmlRecordPayload* out) {
  XmlRecordPayload at;
  return XmlRecordListGetAt(head, i, &at) ? XmlRecordListGetById(head, at.parentId, out) : 0;
}

int XmlRecordListSubtree(XmlRecord* head, uint32_t id, XmlRecord* out) {
  if (!head || !out || head == out) return 0;
  uint32_t count;
  XmlRecordPayload** items = XmlRecordListItems(head, &count);
  Indexed x;
  if (!Index(&x, items, count)) return 0;
  uint32_t found;
  uint32_t* order = XmlSubtreePositions(x.shadows.pointers, count, id, &found);
  int done = order != nullptr;
  for (uint32_t k = 0; done && k < found; ++k) done = XmlRecordListAppend(out, x.items[order[k]]);
  free(order);
  Release(&x);
  return done;
}

int XmlRecordListRemoveSubtree(XmlRecord* head, uint32_t id) {
  uint32_t count;
  XmlRecordPayload** items = XmlRecordListItems(head, &count);
  Indexed x;
  if (!head || !Index(&x, items, count)) return 0;
  uint32_t found;
  uint32_t* order = XmlSubtreePositions(x.shadows.pointers, count, id, &found);
  auto* doomed = order ? static_cast<bool*>(calloc(count, sizeof(bool))) : nullptr;
  bool done = doomed != nullptr;
  if (done) {
    for (uint32_t k = 0; k < found; ++k) doomed[order[k]] = true;
    uint32_t position = 0;
    Filter(head, [doomed, &position](XmlRecord*) { return doomed[position++]; });
  }
  free(doomed);
  free(order);
  Release(&x);
  return done;
}

int XmlRecordListPath(XmlRecord* head, uint32_t id, char** out) {
  uint32_t count;
  XmlRecordPayload** items = XmlRecordListItems(head, &count);
  return PathOf(items, count, id, out);
}

int XmlRecordArrayPath(const XmlRecordPayload* array, uint32_t count, uint32_t id, char** out) {
  return PathOf(XmlRecordArrayItems(array, count), count, id, out);
}

uint32_t XmlRecordListFindByPath(XmlRecord* head, const char* path, XmlRecordPayload* out) {
  uint32_t count;
  XmlRecordPayload** items = XmlRecordListItems(head, &count);
  return FindByPath(items, count, path, out);
}

uint32_t XmlRecordArrayFindByPath(const XmlRecordPayload* array, uint32_t count, const char* path, XmlRecordPayload* out) {
  return FindByPath(XmlRecordArrayItems(array, count), count, path, out);
}

int XmlRecordListRemoveByPath(XmlRecord* head, const char* path) {
  if (!head) return 0;
  if (!path || !*path) return XmlRecordListClear(&head);
  size_t n = strlen(path);
  Filter(head, [path, n](XmlRecord* r) {
    const char* s = r->schemaPath;
    bool inPath = s[0] == '\\' && n + 2 <= sizeof r->schemaPath - 1 && strncmp(s + 1, path, n) == 0 && s[n + 1] == '\\';
    return inPath || strncmp(r->name, path, sizeof r->name) == 0;
  });
  return 1;
}
