// Record payloads <-> object nodes, and the node records that stand for payloads in the indexes.
#include <cstdlib>
#include <cstring>

#include "xml/XmlRecordIndex.h"
#include "xml/XmlStorage.h"

namespace {

// A heap copy of a character array's string; NULL for an empty array. *ok turns false when
// memory runs out.
char* FromArray(const char* array, size_t size, bool* ok) {
  size_t n = strnlen(array, size);
  if (!n) return nullptr;
  char* copy = XmlStrDupN(array, n);
  if (!copy) *ok = false;
  return copy;
}

}  // namespace

void XmlPutCut(char* array, size_t size, const char* s) {
  size_t n = s ? strnlen(s, size) : 0;
  if (n == size) {
    n = size - 1;
    while (n > 0 && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80) --n;  // keep characters whole
  }
  if (n) memcpy(array, s, n);
  memset(array + n, 0, size - n);
}

void XmlPayloadTerminate(XmlRecordPayload* p) {
  p->schemaPath[sizeof p->schemaPath - 1] = '\0';
  p->name[sizeof p->name - 1] = '\0';
  p->typeName[sizeof p->typeName - 1] = '\0';
  p->text[sizeof p->text - 1] = '\0';
}

int XmlPayloadToNode(const XmlRecordPayload* p, XmlNodeRecord* node) {
  bool ok = true;
  node->id = p->id;
  node->parentId = p->parentId;
  node->hasChildren = p->hasChildren;
  node->repeat = p->repeat;
  node->name = FromArray(p->name, sizeof p->name, &ok);
  node->typeName = FromArray(p->typeName, sizeof p->typeName, &ok);
  node->text = FromArray(p->text, sizeof p->text, &ok);
  node->schemaPath = FromArray(p->schemaPath, sizeof p->schemaPath, &ok);
  if (!ok) XmlNodeClear(node);
  return ok;
}

void XmlNodeToPayload(const XmlNodeRecord* node, XmlRecordPayload* p) {
  memset(p, 0, sizeof *p);
  p->id = node->id;
  p->parentId = node->parentId;
  p->hasChildren = node->hasChildren;
  p->repeat = static_cast<uint16_t>(node->repeat > UINT16_MAX ? UINT16_MAX : node->repeat);
  XmlPutCut(p->schemaPath, sizeof p->schemaPath, node->schemaPath);
  XmlPutCut(p->name, sizeof p->name, node->name);
  XmlPutCut(p->typeName, sizeof p->typeName, node->typeName);
  XmlPutCut(p->text, sizeof p->text, node->text);
}

int XmlRecordShadowsBuild(XmlRecordShadows* s, const XmlRecordPayload* const* payloads, uint32_t count) {
  *s = XmlRecordShadows{};
  if (!payloads || !count || count > SIZE_MAX / sizeof(XmlNodeRecord)) return 0;
  s->nodes = static_cast<XmlNodeRecord*>(calloc(count, sizeof(XmlNodeRecord)));
  s->pointers = static_cast<XmlNodeRecord**>(malloc(count * sizeof(XmlNodeRecord*)));
  if (!s->nodes || !s->pointers) {
    XmlRecordShadowsFree(s);
    return 0;
  }
  bool ok = true;
  for (uint32_t i = 0; i < count; ++i, ++s->count) {
    const XmlRecordPayload* p = payloads[i];
    XmlNodeRecord* node = &s->nodes[i];
    node->id = p->id;
    node->parentId = p->parentId;
    node->repeat = p->repeat;
    node->name = FromArray(p->name, sizeof p->name, &ok);
    node->schemaPath = FromArray(p->schemaPath, sizeof p->schemaPath, &ok);
    s->pointers[i] = node;
  }
  if (!ok) XmlRecordShadowsFree(s);
  return ok;
}

void XmlRecordShadowsFree(XmlRecordShadows* s) {
  for (uint32_t i = 0; s->nodes && i < s->count; ++i) XmlNodeClear(&s->nodes[i]);
  free(s->nodes);
  free(s->pointers);
  *s = XmlRecordShadows{};
}

XmlRecordPayload** XmlRecordListItems(XmlRecord* head, uint32_t* count) {
  *count = 0;
  if (!head || !head->count || head->count > SIZE_MAX / sizeof(void*)) return nullptr;
  auto** items = static_cast<XmlRecordPayload**>(malloc(head->count * sizeof(void*)));
  if (!items) return nullptr;
  for (XmlRecord* r = head->next; r && *count < head->count; r = r->next) items[(*count)++] = r;
  return items;
}

XmlRecordPayload** XmlRecordArrayItems(const XmlRecordPayload* array, uint32_t count) {
  if (!array || !count || count > SIZE_MAX / sizeof(void*)) return nullptr;
  auto** items = static_cast<XmlRecordPayload**>(malloc(count * sizeof(void*)));
  if (!items) return nullptr;
  for (uint32_t i = 0; i < count; ++i) items[i] = const_cast<XmlRecordPayload*>(&array[i]);
  return items;
}
