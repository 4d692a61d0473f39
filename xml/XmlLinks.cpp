// Linking elements into child lists and taking them out again.
#include "xml/XmlStorage.h"
#include "xml/XmlTree.h"

namespace {

// A child may be linked when it is free and is neither the parent nor one of its ancestors:
// linking an ancestor would close a cycle.
bool Linkable(XmlElement* parent, XmlElement* child) {
  if (!parent || !child || child->parent) return false;
  for (XmlElement* up = parent; up; up = up->parent) {
    if (up == child) return false;
  }
  return true;
}

// Links child in front of the link `before` (NULL: at the end) of parent's list.
void LinkBefore(XmlElement* parent, XmlChildLink* before, XmlElement* child) {
  if (!before) {
    XmlLinkLast(parent, child);
    return;
  }
  XmlChildLink* link = XmlLinkOf(child);
  link->next = before;
  link->prev = before->prev;
  if (before->prev) {
    before->prev->next = link;
  } else {
    parent->children = link;
  }
  before->prev = link;
  child->parent = parent;
}

}  // namespace

int XmlAppendChild(XmlElement* parent, XmlElement* child) {
  if (!Linkable(parent, child)) return 0;
  XmlLinkLast(parent, child);
  return 1;
}

int XmlPrependChild(XmlElement* parent, XmlElement* child) {
  if (!Linkable(parent, child)) return 0;
  LinkBefore(parent, parent->children, child);
  return 1;
}

int XmlInsertBefore(XmlElement* newNode, XmlElement* ref) {
  if (!ref || !Linkable(ref->parent, newNode)) return 0;
  LinkBefore(ref->parent, XmlLinkOf(ref), newNode);
  return 1;
}

int XmlReplaceChild(XmlElement* oldNode, XmlElement* newNode) {
  if (!oldNode || !Linkable(oldNode->parent, newNode)) return 0;
  LinkBefore(oldNode->parent, XmlLinkOf(oldNode), newNode);
  XmlUnlink(oldNode);
  XmlFreeTree(oldNode);
  return 1;
}

int XmlRemoveChildren(XmlElement* e) {
  if (!e) return 0;
  XmlChildLink* link = e->children;
  e->children = e->lastChild = nullptr;
  while (link) {
    XmlChildLink* next = link->next;
    XmlElement* child = link->child;
    child->parent = nullptr;
    XmlFreeTree(child);
    link = next;
  }
  return 1;
}

int XmlSetOnlyChild(XmlElement* parent, XmlElement* child) {
  if (!Linkable(parent, child)) return 0;
  XmlRemoveChildren(parent);
  XmlLinkLast(parent, child);
  return 1;
}

int XmlDeleteElement(XmlElement* e) {
  if (!e) return 0;
  if (e->parent) XmlUnlink(e);
  XmlFreeTree(e);
  return 1;
}
