// Storage of elements and attributes, child-list primitives and the non-recursive walk.
#include "xml/XmlStorage.h"

#include <malloc.h>

#include <cstdlib>
#include <cstring>

#include "xml/XmlScan.h"

namespace {

const size_t kQuickPairs = 16;  // attributes whose lengths are measured once

size_t AlignUp(size_t n) { return (n + alignof(XmlAttribute) - 1) & ~(alignof(XmlAttribute) - 1); }

// Lays out one attribute at `at`: the XmlAttribute, its name, its value.
XmlAttribute* PlaceAttribute(char* at, const char* name, size_t nameLength, const char* value, size_t valueLength) {
  auto* a = reinterpret_cast<XmlAttribute*>(at);
  a->name = reinterpret_cast<char*>(a + 1);
  memcpy(a->name, name, nameLength + 1);
  a->value = a->name + nameLength + 1;
  memcpy(a->value, value, valueLength);
  a->value[valueLength] = '\0';
  a->valueSize = static_cast<uint32_t>(valueLength + 1);
  a->next = nullptr;
  return a;
}

}  // namespace

XmlElement* XmlAllocElement(const char* name, size_t length) {
  size_t extra = name ? length + 1 : 0;
  auto* block = static_cast<XmlElementBlock*>(malloc(sizeof(XmlElementBlock) + extra));
  if (!block) return nullptr;
  memset(block, 0, sizeof(XmlElementBlock));
  XmlElement* e = &block->element;
  e->declaredAtTop = 1;
  block->link.child = e;
  if (name) {
    e->name = XmlInlineArea(e);
    memcpy(e->name, name, length);
    e->name[length] = '\0';
  }
  return e;
}

XmlElement* XmlAllocParsedElement(const char* name, const char* const* pairs) {
  size_t lengths[2 * kQuickPairs];
  size_t nameLength = XmlScanLength(name);
  size_t size = AlignUp(sizeof(XmlElementBlock) + nameLength + 1);
  size_t count = 0;
  for (const char* const* pair = pairs; pair[0]; pair += 2, ++count) {
    size_t n = XmlScanLength(pair[0]);
    size_t v = XmlScanLength(pair[1]);
    if (count < kQuickPairs) {
      lengths[2 * count] = n;
      lengths[2 * count + 1] = v;
    }
    size += AlignUp(sizeof(XmlAttribute) + v + 1 + n + 1);
  }
  auto* block = static_cast<XmlElementBlock*>(malloc(size));
  if (!block) return nullptr;
  memset(block, 0, sizeof(XmlElementBlock));
  XmlElement* e = &block->element;
  e->declaredAtTop = 1;
  block->link.child = e;
  e->name = XmlInlineArea(e);
  memcpy(e->name, name, nameLength + 1);
  char* at = reinterpret_cast<char*>(block) + AlignUp(sizeof(XmlElementBlock) + nameLength + 1);
  XmlAttribute** slot = &e->attributes;
  for (size_t i = 0; i < count; ++i) {
    const char* n = pairs[2 * i];
    const char* v = pairs[2 * i + 1];
    size_t nLength = i < kQuickPairs ? lengths[2 * i] : strlen(n);
    size_t vLength = i < kQuickPairs ? lengths[2 * i + 1] : strlen(v);
    XmlAttribute* a = PlaceAttribute(at, n, nLength, v, vLength);
    a->owner = e;
    *slot = a;
    slot = &a->next;
    at += AlignUp(sizeof(XmlAttribute) + vLength + 1 + nLength + 1);
  }
  return e;
}

XmlElement* XmlAllocTextNode(const char* text, size_t length) {
  auto* block = static_cast<XmlElementBlock*>(malloc(sizeof(XmlElementBlock) + length + 1));
  if (!block) return nullptr;
  memset(block, 0, sizeof(XmlElementBlock));
  XmlElement* e = &block->element;
  e->declaredAtTop = 1;
  block->link.child = e;
  e->text = XmlInlineArea(e);
  memcpy(e->text, text, length);
  e->text[length] = '\0';
  e->textSize = static_cast<uint32_t>(length + 1);
  return e;
}

XmlAttribute* XmlAllocAttribute(const char* name, const char* value, size_t valueLength) {
  size_t nameSize = name ? strlen(name) + 1 : 0;
  size_t valueSize = value ? valueLength + 1 : 0;
  auto* a = static_cast<XmlAttribute*>(malloc(sizeof(XmlAttribute) + valueSize + nameSize));
  if (!a) return nullptr;
  char* area = reinterpret_cast<char*>(a + 1);
  a->name = name ? static_cast<char*>(memcpy(area, name, nameSize)) : nullptr;
  a->value = nullptr;
  a->valueSize = 0;
  if (value) {
    a->value = area + nameSize;
    memcpy(a->value, value, valueLength);
    a->value[valueLength] = '\0';
    a->valueSize = static_cast<uint32_t>(valueSize);
  }
  a->next = nullptr;
  a->owner = nullptr;
  return a;
}

void XmlReleaseText(XmlElement* e) {
  if (e->text != XmlInlineArea(e)) free(e->text);
  e->text = nullptr;
}

void XmlReleaseValue(XmlAttribute* a) {
  if (a->value != XmlInlineValue(a)) free(a->value);
  a->value = nullptr;
}

void XmlFreeAttributes(XmlAttribute* a) {
  while (a) {
    XmlAttribute* next = a->next;
    XmlReleaseValue(a);
    free(a);
    a = next;
  }
}

namespace {

// Frees the attributes of e. Those stored in e's own block only free a value replaced since,
// which is the one value outside the block.
void FreeAttributesOf(XmlElement* e) {
  const char* begin = reinterpret_cast<const char*>(e);
  const char* end = begin + malloc_usable_size(e);
  auto inBlock = [begin, end](const char* at) { return at >= begin && at < end; };
  for (XmlAttribute* a = e->attributes; a;) {
    XmlAttribute* next = a->next;
    if (!inBlock(reinterpret_cast<const char*>(a))) {
      XmlReleaseValue(a);
      free(a);
    } else if (a->value && !inBlock(a->value)) {
      free(a->value);
    }
    a = next;
  }
}

}  // namespace

void XmlFreeElementOnly(XmlElement* e) {
  if (e->name != XmlInlineArea(e)) free(e->name);
  XmlReleaseText(e);
  if (e->attributes) FreeAttributesOf(e);
  free(e->encoding);
  free(e->extra);
  free(e);
}

void XmlLinkLast(XmlElement* parent, XmlElement* child) {
  XmlChildLink* link = XmlLinkOf(child);
  link->next = nullptr;
  link->prev = parent->lastChild;
  if (parent->lastChild) {
    parent->lastChild->next = link;
  } else {
    parent->children = link;
  }
  parent->lastChild = link;
  child->parent = parent;
}

void XmlUnlink(XmlElement* child) {
  XmlElement* parent = child->parent;
  XmlChildLink* link = XmlLinkOf(child);
  if (link->prev) {
    link->prev->next = link->next;
  } else {
    parent->children = link->next;
  }
  if (link->next) {
    link->next->prev = link->prev;
  } else {
    parent->lastChild = link->prev;
  }
  link->next = link->prev = nullptr;
  child->parent = nullptr;
}

int XmlTraverse(XmlElement* top, XmlEnterFn enter, XmlLeaveFn leave, void* context) {
  XmlElement* e = top;
  for (;;) {
    int visit = enter(e, context);
    if (visit < 0) return 0;
    if (visit > 0 && e->children) {
      e = e->children->child;
      continue;
    }
    for (;;) {  // leave e, then climb until an element with a next sibling
      if (leave) leave(e, context);
      if (e == top) return 1;
      XmlChildLink* next = XmlLinkOf(e)->next;
      if (next) {
        e = next->child;
        break;
      }
      e = e->parent;
    }
  }
}

char* XmlStrDupN(const char* s, size_t n) {
  char* copy = static_cast<char*>(malloc(n + 1));
  if (!copy) return nullptr;
  memcpy(copy, s, n);
  copy[n] = '\0';
  return copy;
}

int XmlStrEq(const char* a, const char* b) { return a && b && strcmp(a, b) == 0; }

int XmlPtrArrayPush(XmlPtrArray* array, void* item) {
  if (array->count == array->capacity) {
    uint32_t capacity = array->capacity ? array->capacity * 2 : 16;
    if (capacity > SIZE_MAX / sizeof(void*)) return 0;
    void** items = static_cast<void**>(realloc(array->items, capacity * sizeof(void*)));
    if (!items) return 0;
    array->items = items;
    array->capacity = capacity;
  }
  array->items[array->count++] = item;
  return 1;
}

void XmlPtrArrayFree(XmlPtrArray* array) {
  free(array->items);
  *array = XmlPtrArray{};
}
