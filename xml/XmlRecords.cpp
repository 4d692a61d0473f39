// Record arrays copied from node lists, and the operations every record carries.
#include <cstdlib>
#include <cstring>

#include "xml/XmlNodeIndex.h"
#include "xml/XmlStorage.h"

namespace {

bool IsChild(XmlNodeRecord* self, XmlNodeRecord* r, const char* name) {
  return r->parentId == self->id && (!name || XmlStrEq(r->name, name));
}

// The n-th (1-based) child of self with that name (any name when NULL), or NULL; *seen counts matches.
XmlNodeRecord* NthChild(XmlNodeRecord* self, const char* name, uint32_t n, uint32_t* seen) {
  *seen = 0;
  if (!self || !self->recordBase) return nullptr;
  for (uint32_t i = 0; i < self->recordCount; ++i) {
    XmlNodeRecord* r = &self->recordBase[i];
    if (IsChild(self, r, name) && ++*seen == n) return r;
  }
  return nullptr;
}

}  // namespace

XmlNodeRecord* XmlRecordFindChild(XmlNodeRecord* self, const char* name) {
  uint32_t seen;
  return name ? NthChild(self, name, 1, &seen) : nullptr;
}

uint32_t XmlRecordCountChildren(XmlNodeRecord* self, const char* name) {
  uint32_t seen = 0;
  if (name) NthChild(self, name, 0, &seen);
  return seen;
}

XmlNodeRecord* XmlRecordFindChildN(XmlNodeRecord* self, const char* name, uint32_t n) {
  uint32_t seen;
  return name && n >= 1 ? NthChild(self, name, n, &seen) : nullptr;
}

uint32_t XmlRecordChildCount(XmlNodeRecord* self) {
  uint32_t seen;
  NthChild(self, nullptr, 0, &seen);
  return seen;
}

XmlNodeRecord* XmlRecordChildAt(XmlNodeRecord* self, uint32_t i) {
  uint32_t seen;
  return i >= 1 ? NthChild(self, nullptr, i, &seen) : nullptr;
}

uint32_t XmlRecordAttributeCount(XmlNodeRecord* self) {
  uint32_t count = 0;
  for (XmlNodeAttribute* a = self ? self->attributes : nullptr; a; a = a->next) ++count;
  return count;
}

XmlNodeAttribute* XmlRecordAttributeAt(XmlNodeRecord* self, uint32_t i) {
  if (!self || i < 1) return nullptr;
  XmlNodeAttribute* a = self->attributes;
  while (a && --i > 0) a = a->next;
  return a;
}

XmlNodeAttribute* XmlRecordFindAttribute(XmlNodeRecord* self, const char* name) {
  for (XmlNodeAttribute* a = self ? self->attributes : nullptr; a; a = a->next) {
    if (XmlStrEq(a->name, name)) return a;
  }
  return nullptr;
}

int XmlNodeListToRecords(XmlNode* list, XmlNodeRecord** records, uint32_t* count) {
  if (!list || !records || !count) return 0;
  *records = nullptr;
  *count = 0;
  uint32_t n = list->count;
  if (n == 0) return 1;
  if (n > SIZE_MAX / sizeof(XmlNodeRecord)) return 0;
  auto* block = static_cast<XmlNodeRecord*>(malloc(n * sizeof(XmlNodeRecord)));
  if (!block) return 0;
  uint32_t made = 0;
  for (XmlNode* item = list->next; item && made < n; item = item->next, ++made) {
    XmlNodeInit(&block[made]);
    if (!XmlNodeCopy(item, &block[made])) break;
    block[made].recordCount = n;
    block[made].recordBase = block;
  }
  if (made < n) {
    XmlRecordsFree(block, made);
    free(block);
    return 0;
  }
  *records = block;
  *count = n;
  return 1;
}

int XmlRecordsToNodeList(XmlNodeRecord* records, uint32_t count, XmlNode* list) {
  if (!records || !list) return 0;
  for (uint32_t i = 0; i < count; ++i) {
    if (!XmlNodeListAppend(list, &records[i])) return 0;
  }
  return 1;
}

int XmlRecordsFree(XmlNodeRecord* records, uint32_t count) {
  if (!records) return 0;
  for (uint32_t i = 0; i < count; ++i) XmlNodeClear(&records[i]);
  return 1;
}

uint32_t XmlRecordGetById(XmlNodeRecord* records, uint32_t count, uint32_t id, XmlNodeRecord* out) {
  for (uint32_t i = 0; records && i < count; ++i) {
    if (records[i].id == id) return XmlNodeCopyOut(&records[i], out) ? i + 1 : 0;
  }
  return 0;
}

int XmlRecordGetAt(XmlNodeRecord* records, uint32_t count, uint32_t i, XmlNodeRecord* out) {
  if (!records || i < 1 || i > count) return 0;
  return XmlNodeCopyOut(&records[i - 1], out);
}

int XmlRecordSetAt(XmlNodeRecord* records, uint32_t count, uint32_t i, const XmlNodeRecord* node) {
  if (!records || !node || i < 1 || i > count) return 0;
  XmlNodeRecord* slot = &records[i - 1];
  XmlNodeRecord* base = slot->recordBase;
  uint32_t size = slot->recordCount;
  int done = XmlNodeCopyOut(node, slot);
  slot->recordBase = base;  // the record stays a member of its array
  slot->recordCount = size;
  return done;
}
