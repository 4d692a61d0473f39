// Copies of delivered trees in the older form, whose text lives in nameless text nodes.
#include "xml/XmlParse.h"
#include "xml/XmlStorage.h"
#include "xml/XmlText.h"

namespace {

// The older-form text node of a nameless node: its text as the older writer prints it.
XmlElement* OldText(XmlElement* e) { return XmlNewTextNodeOwned(XmlElementToString(e)); }

struct OldFormWalk {
  XmlElement* top;
  XmlElement* current;
};

bool Attach(OldFormWalk* w, XmlElement* node) {
  if (!node) return false;
  if (w->current) {
    XmlLinkLast(w->current, node);
  } else {
    w->top = node;
  }
  return true;
}

int Enter(XmlElement* e, void* context) {
  auto* w = static_cast<OldFormWalk*>(context);
  if (!e->name) return Attach(w, OldText(e)) ? 0 : -1;
  XmlElement* copy = XmlCopyNode(e, false);
  if (!Attach(w, copy)) return -1;
  w->current = copy;
  // A text-only element keeps its text as an older-form text child.
  if (!e->text) return 1;
  XmlElement* text = XmlNewTextNode(e->text);
  if (!text) return -1;
  XmlLinkLast(copy, text);  // a fresh node: no need to look for a cycle up a deep copy
  return 1;
}

void Leave(XmlElement* e, void* context) {
  auto* w = static_cast<OldFormWalk*>(context);
  if (e->name) w->current = w->current->parent;
}

}  // namespace

XmlElement* XmlCopyToOldForm(XmlElement* e) {
  if (!e) return nullptr;
  OldFormWalk w{nullptr, nullptr};
  if (!XmlTraverse(e, Enter, Leave, &w)) {
    XmlFreeTree(w.top);
    return nullptr;
  }
  return w.top;
}

XmlElement* XmlMergeToOldForm(XmlElement* dst, XmlElement* src) {
  if (!src) return dst;
  if (!dst) return XmlCopyToOldForm(src);
  if (!src->name) {
    XmlElement* text = OldText(src);
    if (!XmlAppendChild(dst, text)) XmlFreeTree(text);
    return dst;
  }
  for (XmlAttribute* a = src->attributes; a; a = a->next) XmlSetAttribute(dst, a->name, a->value);
  if (src->text) {
    XmlElement* text = XmlNewTextNode(src->text);
    if (!XmlAppendChild(dst, text)) XmlFreeTree(text);
  }
  for (XmlElement* c = XmlFirstChild(src); c; c = XmlNextSibling(c)) {
    XmlElement* copy = XmlCopyToOldForm(c);
    if (!XmlAppendChild(dst, copy)) XmlFreeTree(copy);
  }
  return dst;
}

void XmlLowerAscii(char* s) {
  for (; s && *s; ++s) {
    if (*s >= 'A' && *s <= 'Z') *s = static_cast<char>(*s - 'A' + 'a');
  }
}
