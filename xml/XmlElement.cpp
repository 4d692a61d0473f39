// Creating elements and text nodes, setting their text, and freeing trees.
#include <cstdlib>
#include <cstring>

#include "xml/XmlStorage.h"
#include "xml/XmlText.h"
#include "xml/XmlTree.h"

namespace {

const char kCDataOpen[] = "<![CDATA[";
const char kCDataClose[] = "]]>";

// "<![CDATA[" + text + "]]>" in a new block; its length (without terminator) in *length.
char* WrapCData(const char* text, uint32_t* length) {
  size_t n = strlen(text);
  size_t total = sizeof(kCDataOpen) - 1 + n + sizeof(kCDataClose) - 1;
  char* wrapped = static_cast<char*>(malloc(total + 1));
  if (!wrapped) return nullptr;
  memcpy(wrapped, kCDataOpen, sizeof(kCDataOpen) - 1);
  memcpy(wrapped + sizeof(kCDataOpen) - 1, text, n);
  memcpy(wrapped + total - (sizeof(kCDataClose) - 1), kCDataClose, sizeof(kCDataClose));
  *length = static_cast<uint32_t>(total);
  return wrapped;
}

}  // namespace

XmlElement* XmlNewElement() { return XmlAllocElement(nullptr, 0); }

XmlElement* XmlCreateElement(const char* name, const char* text) {
  XmlElement* e = XmlAllocElement(name, name ? strlen(name) : 0);
  if (e && text && *text) XmlSetText(e, text);
  return e;
}

XmlElement* XmlCreateText(const char* text) {
  XmlElement* e = XmlNewElement();
  if (!e) return nullptr;
  e->kind = XML_KIND_TEXT;
  if (text && *text) XmlSetText(e, text);
  return e;
}

XmlElement* XmlCreateCData(const char* text) {
  if (!text) return nullptr;
  XmlElement* e = XmlNewElement();
  if (!e) return nullptr;
  e->kind = XML_KIND_CDATA;
  if (*text) e->text = WrapCData(text, &e->textSize);
  return e;
}

int XmlMakeCData(XmlElement* e) {
  if (!e) return 0;
  if (e->kind == XML_KIND_CDATA) return 1;
  e->kind = XML_KIND_CDATA;
  if (!e->text) return 1;
  uint32_t length = 0;
  char* wrapped = WrapCData(e->text, &length);
  if (!wrapped) return 0;
  XmlReleaseText(e);
  e->text = wrapped;
  e->textSize = length;
  return 1;
}

int XmlSetText(XmlElement* e, const char* text) {
  if (!e) return 0;
  char* copy = nullptr;
  if (text && !(copy = XmlStrDup(text))) return 0;
  XmlReleaseText(e);
  e->text = copy;
  e->textSize = copy ? static_cast<uint32_t>(strlen(copy) + 1) : 0;
  return 1;
}

namespace {

// Takes the last child out of e's remaining child list; the block of the one before it is
// fetched meanwhile (its address is the link's, so no load waits for it).
XmlElement* TakeLast(XmlElement* e) {
  XmlChildLink* last = e->lastChild;
  if (last == e->children) {
    e->children = e->lastChild = nullptr;
  } else {
    e->lastChild = last->prev;
    XmlPrefetchBlock(XmlBlockOfLink(last->prev));
  }
  return XmlBlockOfLink(last);
}

// Takes the first child out of e's remaining child list, fetching the block of the one after it.
XmlElement* TakeFirst(XmlElement* e) {
  XmlChildLink* first = e->children;
  if (first == e->lastChild) {
    e->children = e->lastChild = nullptr;
  } else {
    e->children = first->next;
    XmlPrefetchBlock(XmlBlockOfLink(first->next));
  }
  return XmlBlockOfLink(first);
}

}  // namespace

// Iterative, without call stack or work list: a child leaves its parent's list before it is freed
// or descended into, so every element is reached once and freed after its children. Children are
// taken from both ends of a list in turn: two independent chains of links let the memory fetch
// two blocks at a time, where one chain waits for each block in turn.
void XmlFreeTree(XmlElement* root) {
  XmlElement* e = root;
  bool fromEnd = true;
  while (e) {
    if (!e->lastChild) {
      XmlElement* parent = e == root ? nullptr : e->parent;
      XmlFreeElementOnly(e);
      e = parent;
      continue;
    }
    XmlElement* child = fromEnd ? TakeLast(e) : TakeFirst(e);
    fromEnd = !fromEnd;
    if (child->lastChild) {
      e = child;
    } else {
      XmlFreeElementOnly(child);
    }
  }
}
