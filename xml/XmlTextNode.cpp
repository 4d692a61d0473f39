// Older-form text nodes: a nameless element whose text is the value of one nameless attribute.
#include <cstdlib>
#include <cstring>

#include "xml/XmlStorage.h"
#include "xml/XmlText.h"
#include "xml/XmlTree.h"

namespace {

XmlElement* WithHolder(XmlAttribute* holder) {
  if (!holder) return nullptr;
  XmlElement* node = XmlNewElement();
  if (!node) {
    XmlFreeAttributes(holder);
    return nullptr;
  }
  holder->owner = node;
  node->attributes = holder;
  return node;
}

}  // namespace

XmlElement* XmlNewTextNodeBytes(const char* bytes, uint32_t n) {
  if (!bytes) return nullptr;
  return WithHolder(XmlAllocAttribute(nullptr, bytes, n));
}

XmlElement* XmlNewTextNode(const char* text) { return text ? XmlNewTextNodeBytes(text, strlen(text)) : nullptr; }

XmlElement* XmlNewTextNodeOwned(char* text) {
  if (!text) return nullptr;
  XmlAttribute* holder = XmlAllocAttribute(nullptr, nullptr, 0);
  if (!holder) {
    free(text);
    return nullptr;
  }
  holder->value = text;
  holder->valueSize = static_cast<uint32_t>(strlen(text) + 1);
  return WithHolder(holder);
}

XmlElement* XmlNewTextNodeFormat(const char* format, ...) {
  va_list args;
  va_start(args, format);
  char* text = XmlFormatV(format, args);
  va_end(args);
  return XmlNewTextNodeOwned(text);
}

int XmlAppendTextNode(XmlElement* node, const char* bytes, uint32_t n) {
  if (!node || node->name || !bytes) return 0;
  if (!node->attributes) {
    XmlAttribute* holder = XmlAllocAttribute(nullptr, "", 0);
    if (!holder) return 0;
    holder->owner = node;
    node->attributes = holder;
  }
  return XmlValueAppend(node->attributes, bytes, n);
}
