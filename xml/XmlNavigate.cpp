// Walking the tree: children, siblings, parents, names and texts.
#include "xml/XmlStorage.h"
#include "xml/XmlTree.h"

const char* XmlElementName(XmlElement* e) { return e ? e->name : nullptr; }

char* XmlElementText(XmlElement* e) { return e ? e->text : nullptr; }

char* XmlGetText(XmlElement* e) { return XmlElementText(e); }

XmlElement* XmlParent(XmlElement* e) { return e ? e->parent : nullptr; }

XmlElement* XmlRoot(XmlElement* e) {
  if (!e) return nullptr;
  while (e->parent) e = e->parent;
  return e;
}

XmlElement* XmlFirstChild(XmlElement* e) { return e && e->children ? e->children->child : nullptr; }

XmlElement* XmlLastChild(XmlElement* e) { return e && e->lastChild ? e->lastChild->child : nullptr; }

// Walks over siblings are the common case: the sibling after the one returned is fetched ahead.
XmlElement* XmlNextSibling(XmlElement* e) {
  if (!e || !e->parent) return nullptr;
  XmlChildLink* next = XmlLinkOf(e)->next;
  if (!next) return nullptr;
  if (next->next) XmlPrefetchBlock(XmlBlockOfLink(next->next));
  return next->child;
}

XmlElement* XmlPrevSibling(XmlElement* e) {
  if (!e || !e->parent) return nullptr;
  XmlChildLink* prev = XmlLinkOf(e)->prev;
  return prev ? prev->child : nullptr;
}

XmlElement* XmlFirstChildElement(XmlElement* e) {
  XmlElement* child = XmlFirstChild(e);
  while (child && !child->name) child = XmlNextSibling(child);
  return child;
}

XmlElement* XmlNextSiblingElement(XmlElement* e) {
  XmlElement* sibling = XmlNextSibling(e);
  while (sibling && !sibling->name) sibling = XmlNextSibling(sibling);
  return sibling;
}

int XmlHasChildren(XmlElement* e) { return e && e->children ? 1 : 0; }

XmlList* XmlChildren(XmlElement* e) {
  XmlList* head = nullptr;
  XmlList* tail = nullptr;
  for (XmlElement* c = XmlFirstChild(e); c; c = XmlNextSibling(c)) {
    if (!XmlListPushBack(&head, &tail, c)) break;
  }
  return head;
}

XmlList* XmlFindChildren(XmlElement* e, const char* name) {
  XmlList* head = nullptr;
  XmlList* tail = nullptr;
  if (!name) return nullptr;
  for (XmlElement* c = XmlFirstChildElement(e); c; c = XmlNextSiblingElement(c)) {
    if (XmlStrEq(c->name, name) && !XmlListPushBack(&head, &tail, c)) break;
  }
  return head;
}
