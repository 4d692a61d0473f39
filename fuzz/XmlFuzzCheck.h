// Checks shared by the XML fuzz targets: tree equality without recursion, and abort on a broken
// property so that libFuzzer reports it.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "xml/Xml.h"

namespace xmlfuzz {

inline bool SameText(const char* a, const char* b) { return (!a && !b) || (a && b && strcmp(a, b) == 0); }

inline bool SameNode(XmlElement* a, XmlElement* b) {
  if (!SameText(a->name, b->name) || !SameText(a->text, b->text)) return false;
  XmlAttribute* x = a->attributes;
  XmlAttribute* y = b->attributes;
  for (; x && y; x = x->next, y = y->next) {
    if (!SameText(x->name, y->name) || !SameText(x->value, y->value)) return false;
  }
  return !x && !y;
}

// Names, texts, attributes and shape of two trees, walked side by side.
inline bool SameTree(XmlElement* a, XmlElement* b) {
  XmlElement* topA = a;
  while (a && b) {
    if (!SameNode(a, b)) return false;
    if (XmlFirstChild(a) || XmlFirstChild(b)) {
      a = XmlFirstChild(a);
      b = XmlFirstChild(b);
      continue;
    }
    while (a != topA && !XmlNextSibling(a) && !XmlNextSibling(b)) {
      a = XmlParent(a);
      b = XmlParent(b);
    }
    if (a == topA) return true;
    a = XmlNextSibling(a);
    b = XmlNextSibling(b);
  }
  return !a && !b;
}

// Calls fn on top and every node below it, in document order, without recursion; stops at the
// first node for which fn answers false and answers false then.
template <typename Fn>
bool EveryNode(XmlElement* top, Fn fn) {
  XmlElement* e = top;
  while (e) {
    if (!fn(e)) return false;
    if (XmlFirstChild(e)) {
      e = XmlFirstChild(e);
      continue;
    }
    while (e != top && !XmlNextSibling(e)) e = XmlParent(e);
    e = e == top ? nullptr : XmlNextSibling(e);
  }
  return true;
}

inline void Require(bool ok, const char* what) {
  if (ok) return;
  fprintf(stderr, "broken property: %s\n", what);
  abort();
}

}  // namespace xmlfuzz
