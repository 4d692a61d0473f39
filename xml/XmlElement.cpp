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

// Fetches the first lines of an element's block (its fields and first attributes) into the cache.
void PrefetchBlock(const XmlElement* e) {
  const char* block = reinterpret_cast<const char*>(e);
  for (int line = 0; line < 5; ++line) __builtin_prefetch(block + 64 * line);
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

// Iterative: descending detaches the last child from its parent's list, so every element is
// reached once and freed after its children, without call stack or work list. Freeing in reverse
// document order gives back a loaded tree in the reverse of its allocation, which the allocator
// merges most cheaply.
void XmlFreeTree(XmlElement* root) {
  XmlElement* e = root;
  while (e) {
    if (e->lastChild) {
      XmlChildLink* last = e->lastChild;
      e->lastChild = last->prev;
      if (last->prev) PrefetchBlock(last->prev->child);  // the sibling freed next
      e = last->child;
      continue;
    }
    XmlElement* parent = e == root ? nullptr : e->parent;
    XmlFreeElementOnly(e);
    e = parent;
  }
}
