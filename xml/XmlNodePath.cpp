// Backslash paths of nodes and records: "\root\child\grandchild".
#include <cstdlib>
#include <cstring>

#include "xml/XmlNodeIndex.h"
#include "xml/XmlStorage.h"
#include "xml/XmlText.h"

char* XmlPathAt(XmlNodeRecord* const* records, uint32_t count, const XmlIdMap* map, uint32_t p) {
  XmlPtrArray chain{};
  for (uint32_t steps = 0; steps < count; ++steps) {
    if (!XmlPtrArrayPush(&chain, records[p])) {
      XmlPtrArrayFree(&chain);
      return nullptr;
    }
    if (!XmlIdMapFind(map, records[p]->parentId, &p)) break;
  }
  XmlStringBuilder b;
  XmlStringBuilderInit(&b);
  bool ok = true;
  for (uint32_t i = chain.count; ok && i-- > 0;) {
    ok = XmlStringBuilderAppend("\\", &b) && XmlStringBuilderAppend(static_cast<XmlNodeRecord*>(chain.items[i])->name, &b);
  }
  XmlPtrArrayFree(&chain);
  char* path = ok ? XmlStringBuilderCopy(&b) : nullptr;
  XmlStringBuilderFree(&b);
  return path;
}

namespace {

int PathOf(XmlNodeRecord** records, uint32_t count, uint32_t id, char** out) {
  XmlIdMap map;
  uint32_t p;
  int found = 0;
  if (records && XmlIdMapBuild(&map, records, count)) {
    if (XmlIdMapFind(&map, id, &p)) {
      *out = XmlPathAt(records, count, &map, p);
      found = *out != nullptr;
    }
    XmlIdMapFree(&map);
  }
  free(records);
  return found;
}

bool InSchemaPath(const char* schemaPath, const char* path, size_t n) {
  return schemaPath && schemaPath[0] == '\\' && strncmp(schemaPath + 1, path, n) == 0 && schemaPath[n + 1] == '\\';
}

}  // namespace

int XmlNodePath(XmlNode* list, uint32_t id, char** out) {
  if (!out) return 0;
  *out = nullptr;
  uint32_t count;
  XmlNodeRecord** records = XmlNodeListPointers(list, &count);
  return PathOf(records, count, id, out);
}

int XmlRecordPath(XmlNodeRecord* records, uint32_t count, uint32_t id, char** out) {
  if (!out) return 0;
  *out = nullptr;
  return PathOf(XmlRecordPointers(records, count), count, id, out);
}

uint32_t XmlNodeListFindByPath(XmlNode* list, const char* path, XmlNodeRecord* out) {
  if (!path) return 0;
  uint32_t count;
  XmlNodeRecord** records = XmlNodeListPointers(list, &count);
  uint32_t position = records ? XmlFindPathPosition(records, count, path) : 0;
  if (position && !XmlNodeCopyOut(records[position - 1], out)) position = 0;
  free(records);
  return position;
}

int XmlNodeListRemoveByPath(XmlNode* list, const char* path) {
  if (!list) return 0;
  if (!path || !*path) return XmlNodeListClear(list);
  size_t n = strlen(path);
  XmlNode* prev = nullptr;
  XmlNode* item = list->next;
  while (item) {
    XmlNode* next = item->next;
    if (InSchemaPath(item->schemaPath, path, n) || XmlStrEq(item->name, path)) {
      if (prev) {
        prev->next = next;
      } else {
        list->next = next;
      }
      --list->count;
      XmlNodeFreeItem(item);
    } else {
      prev = item;
    }
    item = next;
  }
  list->tail = prev;
  return 1;
}
