// Library-internal: how elements and attributes are stored, the child-list primitives, a walk over
// a subtree without recursion, and a growable array of pointers.
//
// An element is one heap block: the XmlElement, the XmlChildLink that ties it into its parent's
// child list, then its name (or, for a text node made by the parser, its text); a parsed element's
// attributes follow in the same block. An attribute is laid out as the XmlAttribute, its name,
// then its first value, so that finding one by name reads one cache line per attribute; one not
// made by the parser is a block of its own. A string that is later replaced is allocated on its
// own; only strings and attributes outside the element's block are freed separately.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "xml/XmlTree.h"

struct XmlElementBlock {
  XmlElement element;
  XmlChildLink link;
};

inline XmlChildLink* XmlLinkOf(XmlElement* e) { return &reinterpret_cast<XmlElementBlock*>(e)->link; }
inline char* XmlInlineArea(XmlElement* e) { return reinterpret_cast<char*>(reinterpret_cast<XmlElementBlock*>(e) + 1); }
// Where an attribute's first value is stored: after its name, which never changes.
inline char* XmlInlineValue(XmlAttribute* a) {
  char* area = reinterpret_cast<char*>(a + 1);
  return a->name ? area + strlen(a->name) + 1 : area;
}
// The element whose block holds a child link (its `child`), found without reading the link.
inline XmlElement* XmlBlockOfLink(XmlChildLink* link) {
  return reinterpret_cast<XmlElement*>(reinterpret_cast<char*>(link) - offsetof(XmlElementBlock, link));
}
// Starts fetching the first lines of an element's block (its fields and first attributes), so that
// a walk or a free over siblings overlaps the next sibling's memory latency with this one's work.
inline void XmlPrefetchBlock(const XmlElement* e) {
  const char* block = reinterpret_cast<const char*>(e);
  for (int line = 0; line < 5; ++line) __builtin_prefetch(block + 64 * line);
}

// A new element named by the first `length` bytes of name (NULL: nameless); declaredAtTop is 1.
XmlElement* XmlAllocElement(const char* name, size_t length);
// A new element with the attributes of name/value pairs (ended by a NULL name) in order, all in
// the element's block after its name. They are freed with the element; a value replaced later
// gets its own block as usual.
XmlElement* XmlAllocParsedElement(const char* name, const char* const* pairs);
// A nameless node whose text is a copy of `length` bytes (kind 0, textSize length + 1).
XmlElement* XmlAllocTextNode(const char* text, size_t length);
// A new attribute; value may be NULL. The name is never replaced afterwards.
XmlAttribute* XmlAllocAttribute(const char* name, const char* value, size_t valueLength);

void XmlReleaseText(XmlElement* e);     // frees text unless it is stored in the block; text = NULL
void XmlReleaseValue(XmlAttribute* a);  // frees value unless it is stored in the block; value = NULL
// Appends n bytes and a terminator to a value; its buffer grows in steps of 256 bytes.
int XmlValueAppend(XmlAttribute* a, const char* bytes, size_t n);
void XmlFreeAttributes(XmlAttribute* first);
void XmlFreeElementOnly(XmlElement* e);  // its strings, attributes and block, not its children

// A copy of one node: name, kind, attributes and (withText) text; no children.
XmlElement* XmlCopyNode(XmlElement* e, bool withText);

void XmlLinkLast(XmlElement* parent, XmlElement* child);  // child must have no parent
void XmlUnlink(XmlElement* child);                        // takes a linked child out of its list

// Visits `top` and its subtree in document order without recursion. enter answers 1 to visit the
// element's children, 0 to skip them, -1 to stop the walk; leave follows the children. Answers 0
// when the walk was stopped, else 1.
typedef int (*XmlEnterFn)(XmlElement* e, void* context);
typedef void (*XmlLeaveFn)(XmlElement* e, void* context);
int XmlTraverse(XmlElement* top, XmlEnterFn enter, XmlLeaveFn leave, void* context);

char* XmlStrDupN(const char* s, size_t n);  // n bytes and a terminator
int XmlStrEq(const char* a, const char* b);  // both set and equal

// Appends to a result list, keeping its last node in *tail.
int XmlListPushBack(XmlList** head, XmlList** tail, XmlElement* item);

// A growable array of pointers; all zero when empty.
struct XmlPtrArray {
  void** items;
  uint32_t count;
  uint32_t capacity;
};
int XmlPtrArrayPush(XmlPtrArray* array, void* item);
void XmlPtrArrayFree(XmlPtrArray* array);
