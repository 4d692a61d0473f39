// Finding the first record with a given backslash path, from the roots downwards.
#include <cstdlib>
#include <cstring>

#include "xml/XmlNodeIndex.h"

namespace {

// Whether the record's name equals the component [start, end) of the path.
bool NameIs(const XmlNodeRecord* r, const char* start, const char* end) {
  const char* name = r->name ? r->name : "";
  size_t n = static_cast<size_t>(end - start);
  return strncmp(name, start, n) == 0 && name[n] == '\0';
}

const char* ComponentEnd(const char* start) {
  const char* end = strchr(start, '\\');
  return end ? end : start + strlen(start);
}

struct Levels {
  uint32_t* current;
  uint32_t* next;
  uint32_t size;
};

// Keeps the children of the current level whose name is the component [start, end).
void Descend(Levels* l, const XmlChildIndex* index, XmlNodeRecord* const* records, const char* start, const char* end) {
  uint32_t size = 0;
  for (uint32_t k = 0; k < l->size; ++k) {
    uint32_t p = l->current[k];
    for (uint32_t c = index->first[p]; c < index->first[p + 1]; ++c) {
      if (NameIs(records[index->child[c]], start, end)) l->next[size++] = index->child[c];
    }
  }
  uint32_t* swap = l->current;
  l->current = l->next;
  l->next = swap;
  l->size = size;
}

}  // namespace

uint32_t XmlFindPathPosition(XmlNodeRecord* const* records, uint32_t count, const char* path) {
  if (!records || !count || !path || path[0] != '\\') return 0;
  XmlIdMap map;
  XmlChildIndex index;
  Levels l{static_cast<uint32_t*>(malloc(count * sizeof(uint32_t))), static_cast<uint32_t*>(malloc(count * sizeof(uint32_t))), 0};
  bool ready = l.current && l.next && XmlIdMapBuild(&map, records, count);
  if (ready && !XmlChildIndexBuild(&index, records, count)) {
    XmlIdMapFree(&map);
    ready = false;
  }
  uint32_t found = 0;
  if (ready) {
    const char* start = path + 1;
    const char* end = ComponentEnd(start);
    for (uint32_t p = 0; p < count; ++p) {
      uint32_t parent;
      if (!XmlIdMapFind(&map, records[p]->parentId, &parent) && NameIs(records[p], start, end)) l.current[l.size++] = p;
    }
    while (*end && l.size) {
      start = end + 1;
      end = ComponentEnd(start);
      Descend(&l, &index, records, start, end);
    }
    for (uint32_t k = 0; k < l.size; ++k) {
      if (!found || l.current[k] + 1 < found) found = l.current[k] + 1;
    }
    XmlIdMapFree(&map);
    XmlChildIndexFree(&index);
  }
  free(l.current);
  free(l.next);
  return found;
}
