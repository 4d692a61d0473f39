// Record pointers, the id map and the child index.
#include "xml/XmlNodeIndex.h"

#include <cstdlib>
#include <cstring>

namespace {

uint32_t* NewCounts(uint32_t n) {
  if (n > SIZE_MAX / sizeof(uint32_t)) return nullptr;
  return static_cast<uint32_t*>(calloc(n ? n : 1, sizeof(uint32_t)));
}

uint32_t Hash(uint32_t id) { return id * 2654435761u; }

}  // namespace

XmlNodeRecord** XmlNodeListPointers(XmlNode* list, uint32_t* count) {
  *count = 0;
  if (!list || !list->count || list->count > SIZE_MAX / sizeof(void*)) return nullptr;
  auto** pointers = static_cast<XmlNodeRecord**>(malloc(list->count * sizeof(void*)));
  if (!pointers) return nullptr;
  for (XmlNode* item = list->next; item && *count < list->count; item = item->next) pointers[(*count)++] = item;
  return pointers;
}

XmlNodeRecord** XmlRecordPointers(XmlNodeRecord* records, uint32_t count) {
  if (!records || !count || count > SIZE_MAX / sizeof(void*)) return nullptr;
  auto** pointers = static_cast<XmlNodeRecord**>(malloc(count * sizeof(void*)));
  if (!pointers) return nullptr;
  for (uint32_t i = 0; i < count; ++i) pointers[i] = &records[i];
  return pointers;
}

int XmlIdMapBuild(XmlIdMap* map, XmlNodeRecord* const* records, uint32_t count) {
  uint32_t size = 16;
  while (size < count * 2u && size < 0x40000000u) size *= 2;
  *map = XmlIdMap{size - 1, NewCounts(size), records};
  if (!map->slots) return 0;
  for (uint32_t p = 0; p < count; ++p) {
    uint32_t s = Hash(records[p]->id) & map->mask;
    while (map->slots[s] && records[map->slots[s] - 1]->id != records[p]->id) s = (s + 1) & map->mask;
    if (!map->slots[s]) map->slots[s] = p + 1;
  }
  return 1;
}

int XmlIdMapFind(const XmlIdMap* map, uint32_t id, uint32_t* position) {
  uint32_t s = Hash(id) & map->mask;
  for (; map->slots[s]; s = (s + 1) & map->mask) {
    if (map->records[map->slots[s] - 1]->id == id) {
      *position = map->slots[s] - 1;
      return 1;
    }
  }
  return 0;
}

void XmlIdMapFree(XmlIdMap* map) {
  free(map->slots);
  map->slots = nullptr;
}

int XmlChildIndexBuild(XmlChildIndex* index, XmlNodeRecord* const* records, uint32_t count) {
  *index = XmlChildIndex{};
  XmlIdMap map;
  uint32_t* parent = NewCounts(count);
  index->first = count < UINT32_MAX ? NewCounts(count + 1) : nullptr;
  index->child = NewCounts(count);
  if (!parent || !index->first || !index->child || !XmlIdMapBuild(&map, records, count)) {
    free(parent);
    XmlChildIndexFree(index);
    return 0;
  }
  const uint32_t none = UINT32_MAX;
  for (uint32_t q = 0; q < count; ++q) {  // count children per parent position
    uint32_t p;
    parent[q] = XmlIdMapFind(&map, records[q]->parentId, &p) ? p : none;
    if (parent[q] != none) ++index->first[p + 1];
  }
  for (uint32_t p = 0; p < count; ++p) index->first[p + 1] += index->first[p];
  uint32_t* fill = NewCounts(count);
  if (fill) {
    for (uint32_t q = 0; q < count; ++q) {
      if (parent[q] != none) index->child[index->first[parent[q]] + fill[parent[q]]++] = q;
    }
  }
  free(fill);
  free(parent);
  XmlIdMapFree(&map);
  if (!fill) XmlChildIndexFree(index);
  return fill != nullptr;
}

void XmlChildIndexFree(XmlChildIndex* index) {
  free(index->first);
  free(index->child);
  *index = XmlChildIndex{};
}
