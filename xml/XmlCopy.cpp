// Copying elements and subtrees.
#include <cstring>

#include "xml/XmlStorage.h"
#include "xml/XmlText.h"
#include "xml/XmlTree.h"

XmlElement* XmlCopyNode(XmlElement* e, bool withText) {
  XmlElement* copy = XmlAllocElement(e->name, e->name ? strlen(e->name) : 0);
  if (!copy) return nullptr;
  copy->kind = e->kind;
  if (withText && e->text) {
    copy->text = XmlStrDup(e->text);
    if (!copy->text) {
      XmlFreeElementOnly(copy);
      return nullptr;
    }
    copy->textSize = e->textSize;
  }
  XmlAttribute** slot = &copy->attributes;
  for (XmlAttribute* a = e->attributes; a; a = a->next) {
    XmlAttribute* c = XmlAllocAttribute(a->name, a->value, a->value ? strlen(a->value) : 0);
    if (!c) {
      XmlFreeElementOnly(copy);
      return nullptr;
    }
    c->owner = copy;
    *slot = c;
    slot = &c->next;
  }
  return copy;
}

namespace {

struct CopyWalk {
  XmlElement* top;      // the copy of the walk's first element
  XmlElement* current;  // the copy whose children are being made
  int deep;
};

int EnterCopy(XmlElement* e, void* context) {
  auto* walk = static_cast<CopyWalk*>(context);
  XmlElement* copy = XmlCopyNode(e, true);
  if (!copy) return -1;
  if (walk->current) {
    XmlLinkLast(walk->current, copy);
  } else {
    walk->top = copy;
  }
  walk->current = copy;
  return walk->deep ? 1 : 0;
}

void LeaveCopy(XmlElement*, void* context) {
  auto* walk = static_cast<CopyWalk*>(context);
  walk->current = walk->current->parent;
}

}  // namespace

XmlElement* XmlCopyElement(XmlElement* e, int deep) {
  if (!e) return nullptr;
  CopyWalk walk{nullptr, nullptr, deep};
  if (!XmlTraverse(e, EnterCopy, LeaveCopy, &walk)) {
    XmlFreeTree(walk.top);
    return nullptr;
  }
  return walk.top;
}

int XmlAppendCopies(XmlElement* parent, XmlList* list) {
  if (!parent) return 0;
  for (; list; list = list->next) {
    XmlElement* copy = XmlCopyElement(list->item, 1);
    if (!copy) return 0;
    XmlLinkLast(parent, copy);
  }
  return 1;
}
