// Object nodes: setting up, copying and clearing them, their attributes, and list items.
#include <cstdlib>
#include <cstring>

#include "xml/XmlNodeIndex.h"
#include "xml/XmlStorage.h"
#include "xml/XmlText.h"

// The record operations (XmlRecords.cpp and XmlWriteNodes.cpp).
XmlNodeRecord* XmlRecordFindChild(XmlNodeRecord* self, const char* name);
uint32_t XmlRecordCountChildren(XmlNodeRecord* self, const char* name);
XmlNodeRecord* XmlRecordFindChildN(XmlNodeRecord* self, const char* name, uint32_t n);
uint32_t XmlRecordChildCount(XmlNodeRecord* self);
XmlNodeRecord* XmlRecordChildAt(XmlNodeRecord* self, uint32_t i);
uint32_t XmlRecordAttributeCount(XmlNodeRecord* self);
XmlNodeAttribute* XmlRecordAttributeAt(XmlNodeRecord* self, uint32_t i);
XmlNodeAttribute* XmlRecordFindAttribute(XmlNodeRecord* self, const char* name);

XmlNodeAttribute* XmlNewNodeAttribute(const char* name, const char* value) {
  auto* a = static_cast<XmlNodeAttribute*>(calloc(1, sizeof(XmlNodeAttribute)));
  if (!a) return nullptr;
  a->name = XmlStrDup(name);
  a->value = XmlStrDup(value);
  if ((name && !a->name) || (value && !a->value)) {
    XmlFreeNodeAttributes(a);
    return nullptr;
  }
  a->valueSize = value ? static_cast<uint32_t>(strlen(value) + 1) : 0;
  return a;
}

XmlNodeAttribute* XmlCopyNodeAttributes(const XmlNodeAttribute* first, bool* ok) {
  XmlNodeAttribute* head = nullptr;
  XmlNodeAttribute** slot = &head;
  *ok = true;
  for (const XmlNodeAttribute* a = first; a; a = a->next) {
    if (!(*slot = XmlNewNodeAttribute(a->name, a->value))) {
      *ok = false;
      break;
    }
    slot = &(*slot)->next;
  }
  return head;
}

void XmlFreeNodeAttributes(XmlNodeAttribute* a) {
  while (a) {
    XmlNodeAttribute* next = a->next;
    free(a->name);
    free(a->value);
    free(a);
    a = next;
  }
}

int XmlNodeInit(XmlNodeRecord* node) {
  if (!node) return 0;
  memset(node, 0, sizeof(XmlNodeRecord));
  node->parentId = UINT32_MAX;
  node->FindChild = XmlRecordFindChild;
  node->CountChildren = XmlRecordCountChildren;
  node->FindChildN = XmlRecordFindChildN;
  node->ChildCount = XmlRecordChildCount;
  node->ChildAt = XmlRecordChildAt;
  node->AttributeCount = XmlRecordAttributeCount;
  node->AttributeAt = XmlRecordAttributeAt;
  node->FindAttribute = XmlRecordFindAttribute;
  node->ToText = XmlRecordToText;
  return 1;
}

int XmlNodeClear(XmlNodeRecord* node) {
  if (!node) return 0;
  free(node->name);
  free(node->typeName);
  free(node->text);
  free(node->schemaPath);
  XmlFreeNodeAttributes(node->attributes);
  node->name = node->typeName = node->text = node->schemaPath = nullptr;
  node->attributes = nullptr;
  return 1;
}

int XmlNodeCopy(const XmlNodeRecord* from, XmlNodeRecord* to) {
  if (!from || !to || from == to) return 0;
  memcpy(to, from, sizeof(XmlNodeRecord));
  to->name = XmlStrDup(from->name);
  to->typeName = XmlStrDup(from->typeName);
  to->text = XmlStrDup(from->text);
  to->schemaPath = XmlStrDup(from->schemaPath);
  bool ok;
  to->attributes = XmlCopyNodeAttributes(from->attributes, &ok);
  if (ok && (!from->name || to->name) && (!from->typeName || to->typeName) && (!from->text || to->text) &&
      (!from->schemaPath || to->schemaPath)) {
    return 1;
  }
  XmlNodeClear(to);
  return 0;
}

int XmlNodeCopyOut(const XmlNodeRecord* from, XmlNodeRecord* out) {
  if (!out || out == from) return 1;
  XmlNodeClear(out);
  return XmlNodeCopy(from, out);
}

XmlNode* XmlNodeNewItem(const XmlNodeRecord* node) {
  auto* item = static_cast<XmlNode*>(calloc(1, sizeof(XmlNode)));
  if (!item) return nullptr;
  if (!XmlNodeCopy(node, item)) {
    free(item);
    return nullptr;
  }
  return item;
}

void XmlNodeFreeItem(XmlNode* item) {
  XmlNodeClear(item);
  free(item);
}

int XmlNodeAddAttribute(XmlNodeRecord* node, const char* name, const char* value) {
  if (!node || !name) return 0;
  XmlNodeAttribute* a = XmlNewNodeAttribute(name, value);
  if (!a) return 0;
  XmlNodeAttribute** slot = &node->attributes;
  while (*slot) slot = &(*slot)->next;
  *slot = a;
  return 1;
}

int XmlNodeSetNew(XmlNodeRecord* node, const char* name, const char* text, uint32_t* lastId) {
  if (!node || !lastId) return 0;
  char* nameCopy = XmlStrDup(name);
  char* textCopy = XmlStrDup(text);
  if ((name && !nameCopy) || (text && !textCopy)) {
    free(nameCopy);
    free(textCopy);
    return 0;
  }
  free(node->name);
  free(node->text);
  node->name = nameCopy;
  node->text = textCopy;
  node->hasChildren = text ? 0 : 1;
  node->id = ++*lastId;
  return 1;
}

const char* XmlFirstAttributeName(XmlNodeRecord* node) {
  return node && node->attributes ? node->attributes->name : nullptr;
}

const char* XmlFirstAttributeValue(XmlNodeRecord* node) {
  return node && node->attributes ? node->attributes->value : nullptr;
}

XmlNodeAttribute* XmlNextAttribute(XmlNodeAttribute* a) { return a ? a->next : nullptr; }

int XmlAttributeNameIs(XmlNodeAttribute* a, const char* name) { return a && XmlStrEq(a->name, name) ? 1 : 0; }

int XmlIsSet(XmlNodeRecord* node) { return node && node->id ? 1 : 0; }

int XmlIsSet(XmlNodeAttribute* a) { return a && a->name ? 1 : 0; }
