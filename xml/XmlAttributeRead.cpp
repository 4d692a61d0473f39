// Reading attributes.
#include <cstdlib>

#include "xml/XmlStorage.h"
#include "xml/XmlTree.h"

XmlAttribute* XmlFirstAttribute(XmlElement* e) { return e ? e->attributes : nullptr; }

namespace {

// Attribute names are short: comparing them in place beats a call.
bool SameName(const char* a, const char* b) {
  while (*a && *a == *b) {
    ++a;
    ++b;
  }
  return *a == *b;
}

}  // namespace

XmlAttribute* XmlFindAttribute(XmlAttribute* from, const char* name) {
  if (!name) return nullptr;
  for (XmlAttribute* a = from; a; a = a->next) {
    if (a->name && SameName(a->name, name)) return a;
  }
  return nullptr;
}

const char* XmlAttributeValue(XmlAttribute* a) { return a ? a->value : nullptr; }

int XmlHasAttributes(XmlElement* e) { return e && e->attributes ? 1 : 0; }

int XmlAttributeCount(XmlAttribute* first) {
  int count = 0;
  for (XmlAttribute* a = first; a; a = a->next) ++count;
  return count;
}

XmlAttribute* XmlAttributeAt(XmlAttribute* first, int i) {
  if (i < 1) return nullptr;
  XmlAttribute* a = first;
  while (a && --i > 0) a = a->next;
  return a;
}

XmlAttribute* XmlGetAttributeNode(XmlElement* e, const char* name) {
  return XmlFindAttribute(XmlFirstAttribute(e), name);
}

const char* XmlGetAttribute(XmlElement* e, const char* name) {
  return XmlAttributeValue(XmlGetAttributeNode(e, name));
}

int XmlHasAttribute(XmlElement* e, const char* name) { return XmlGetAttributeNode(e, name) ? 1 : 0; }

int XmlGetAttributeInt(XmlElement* e, const char* name) {
  const char* value = XmlGetAttribute(e, name);
  return value ? atoi(value) : 0;
}

const char* XmlFirstAttributeName(XmlElement* e) { return e && e->attributes ? e->attributes->name : nullptr; }

const char* XmlFirstAttributeValue(XmlElement* e) { return e && e->attributes ? e->attributes->value : nullptr; }

XmlAttribute* XmlNextAttribute(XmlAttribute* a) { return a ? a->next : nullptr; }

int XmlAttributeNameIs(XmlAttribute* a, const char* name) { return a && XmlStrEq(a->name, name) ? 1 : 0; }

int XmlIsSet(XmlAttribute* a) { return a && a->name ? 1 : 0; }
