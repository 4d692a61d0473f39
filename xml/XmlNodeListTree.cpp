// Parent and child relations inside node lists: children, parents, subtrees.
#include <cstdlib>

#include "xml/XmlNodeIndex.h"

uint32_t* XmlSubtreePositions(XmlNodeRecord* const* records, uint32_t count, uint32_t id, uint32_t* found) {
  *found = 0;
  XmlIdMap map;
  XmlChildIndex index;
  uint32_t start;
  if (!XmlIdMapBuild(&map, records, count)) return nullptr;
  bool present = XmlIdMapFind(&map, id, &start);
  XmlIdMapFree(&map);
  if (!present || !XmlChildIndexBuild(&index, records, count)) return nullptr;
  auto* order = static_cast<uint32_t*>(malloc(count * sizeof(uint32_t)));
  auto* seen = static_cast<bool*>(calloc(count, sizeof(bool)));
  if (order && seen) {
    order[(*found)++] = start;
    seen[start] = true;
    for (uint32_t head = 0; head < *found; ++head) {
      uint32_t p = order[head];
      for (uint32_t k = index.first[p]; k < index.first[p + 1]; ++k) {
        uint32_t c = index.child[k];
        if (!seen[c]) {
          seen[c] = true;
          order[(*found)++] = c;
        }
      }
    }
  } else {
    free(order);
    order = nullptr;
  }
  free(seen);
  XmlChildIndexFree(&index);
  return order;
}

int XmlNodeListChildrenOf(XmlNode* list, uint32_t id, XmlNode* out) {
  if (!list || !out) return 0;
  for (XmlNode* item = list->next; item; item = item->next) {
    if (item->parentId == id && !XmlNodeListAppend(out, item)) return 0;
  }
  return 1;
}

int XmlNodeListChildrenOfAt(XmlNode* list, uint32_t i, XmlNode* out) {
  XmlNodeRecord at;
  XmlNodeInit(&at);
  int found = XmlNodeListGetAt(list, i, &at);
  uint32_t id = at.id;
  XmlNodeClear(&at);
  return found ? XmlNodeListChildrenOf(list, id, out) : 0;
}

int XmlNodeListParentOfAt(XmlNode* list, uint32_t i, XmlNodeRecord* out) {
  XmlNodeRecord at;
  XmlNodeInit(&at);
  int found = XmlNodeListGetAt(list, i, &at);
  uint32_t parentId = at.parentId;
  XmlNodeClear(&at);
  return found ? XmlNodeListGetById(list, parentId, out) : 0;
}

int XmlNodeListSubtree(XmlNode* list, uint32_t id, XmlNode* out) {
  if (!list || !out) return 0;
  uint32_t count;
  uint32_t found;
  XmlNodeRecord** records = XmlNodeListPointers(list, &count);
  uint32_t* order = records ? XmlSubtreePositions(records, count, id, &found) : nullptr;
  int done = order != nullptr;
  for (uint32_t k = 0; done && k < found; ++k) done = XmlNodeListAppend(out, records[order[k]]);
  free(order);
  free(records);
  return done;
}

int XmlNodeListRemoveSubtree(XmlNode* list, uint32_t id) {
  if (!list) return 0;
  uint32_t count;
  uint32_t found;
  XmlNodeRecord** records = XmlNodeListPointers(list, &count);
  uint32_t* order = records ? XmlSubtreePositions(records, count, id, &found) : nullptr;
  auto* doomed = order ? static_cast<bool*>(calloc(count, sizeof(bool))) : nullptr;
  if (!doomed) {
    free(order);
    free(records);
    return 0;
  }
  for (uint32_t k = 0; k < found; ++k) doomed[order[k]] = true;
  XmlNode* kept = nullptr;
  list->next = list->tail = nullptr;
  list->count = 0;
  for (uint32_t p = 0; p < count; ++p) {
    auto* item = static_cast<XmlNode*>(records[p]);
    if (doomed[p]) {
      XmlNodeFreeItem(item);
      continue;
    }
    item->next = nullptr;
    if (kept) {
      kept->next = item;
    } else {
      list->next = item;
    }
    kept = list->tail = item;
    ++list->count;
  }
  free(doomed);
  free(order);
  free(records);
  return 1;
}
