// The staged conversions: intermediate tree to object nodes, records to a delivered tree.
#include <cstdlib>
#include <cstring>

#include "xml/XmlNodeIndex.h"
#include "xml/XmlParse.h"
#include "xml/XmlStorage.h"
#include "xml/XmlText.h"

namespace {

// The text of a piece: the older-form value, else the node's own text.
const char* PieceText(XmlElement* piece) {
  XmlAttribute* holder = piece->attributes;
  return holder && !holder->name ? holder->value : piece->text;
}

// The texts of `first` and of the nameless siblings that follow it, joined; "" when all are empty.
char* JoinRun(XmlElement* first) {
  uint32_t capacity = 0;
  uint32_t length = 0;
  char* joined = XmlBufAppendBytes(nullptr, &capacity, &length, "", 0);
  for (XmlElement* piece = first; joined && piece && !piece->name; piece = XmlNextSibling(piece)) {
    joined = XmlBufAppend(joined, &capacity, &length, PieceText(piece));
  }
  return joined;
}

bool HasNamedChild(XmlElement* e) {
  for (XmlElement* c = XmlFirstChild(e); c; c = XmlNextSibling(c)) {
    if (c->name) return true;
  }
  return false;
}

// Queues the named children and the first piece of every run of text pieces.
bool QueueChildren(XmlQueue* queue, XmlElement* e) {
  for (XmlElement* c = XmlFirstChild(e); c; c = XmlNextSibling(c)) {
    XmlElement* prev = XmlPrevSibling(c);
    if ((c->name || !prev || prev->name) && !XmlQueueAdd(queue, c)) return false;
  }
  return true;
}

bool CopyAttributes(XmlNodeRecord* node, XmlElement* e) {
  XmlNodeAttribute** slot = &node->attributes;
  for (XmlAttribute* a = e->attributes; a; a = a->next) {
    if (!(*slot = XmlNewNodeAttribute(a->name, a->value))) return false;
    slot = &(*slot)->next;
  }
  return true;
}

struct Repeat {
  const char* previousName;
  uint32_t count;
};

// Fills the object node of one element or text piece taken from the queue.
bool FillNode(XmlNodeRecord* node, XmlElement* e, Repeat* repeat, XmlQueue* queue) {
  node->id = e->ordinal;
  node->parentId = e->parent ? e->parent->ordinal : 0;
  if (!e->name) {
    node->kind = XML_KIND_TEXT;
    return (node->text = JoinRun(e)) != nullptr;
  }
  repeat->count = XmlStrEq(repeat->previousName, e->name) ? repeat->count + 1 : 1;
  repeat->previousName = e->name;
  node->repeat = repeat->count;
  if (!(node->name = XmlStrDup(e->name)) || !CopyAttributes(node, e)) return false;
  if (HasNamedChild(e)) {
    node->hasChildren = 1;
    return QueueChildren(queue, e);
  }
  return !e->children || (node->text = JoinRun(XmlFirstChild(e))) != nullptr;
}

XmlElement* MakeElement(XmlNodeRecord* r) {
  XmlElement* e = XmlAllocElement(r->name, r->name ? strlen(r->name) : 0);
  if (!e) return nullptr;
  if (r->text) {
    size_t n = strlen(r->text);
    if (!(e->text = XmlStrDupN(r->text, n))) {
      XmlFreeElementOnly(e);
      return nullptr;
    }
    e->textSize = static_cast<uint32_t>(n + 1);
  }
  XmlAttribute** slot = &e->attributes;
  for (XmlNodeAttribute* a = r->attributes; a; a = a->next) {
    if (!a->name) continue;
    XmlAttribute* copy = XmlAllocAttribute(a->name, a->value, a->value ? strlen(a->value) : 0);
    if (!copy) {
      XmlFreeElementOnly(e);
      return nullptr;
    }
    copy->owner = e;
    *slot = copy;
    slot = &copy->next;
  }
  return e;
}

// Builds the children of every reached record breadth first, each record once.
bool BuildChildren(XmlNodeRecord** records, uint32_t count, XmlElement** elements) {
  XmlChildIndex index;
  auto* order = static_cast<uint32_t*>(malloc(count * sizeof(uint32_t)));
  if (!order || !XmlChildIndexBuild(&index, records, count)) {
    free(order);
    return false;
  }
  bool ok = true;
  uint32_t reached = 1;
  order[0] = 0;
  for (uint32_t head = 0; ok && head < reached; ++head) {
    uint32_t p = order[head];
    for (uint32_t k = index.first[p]; ok && k < index.first[p + 1]; ++k) {
      uint32_t c = index.child[k];
      if (elements[c]) continue;
      ok = (elements[c] = MakeElement(records[c])) != nullptr;
      if (ok) XmlLinkLast(elements[p], elements[c]);
      order[reached++] = c;
    }
  }
  XmlChildIndexFree(&index);
  free(order);
  return ok;
}

}  // namespace

int XmlTreeToNodes(XmlElement* root, XmlNode* list) {
  if (!root || !list) return 0;
  XmlQueue* queue = XmlQueueNew();
  if (!queue || !XmlQueueAdd(queue, root)) {
    XmlQueueFree(queue);
    return 0;
  }
  Repeat repeat{nullptr, 0};
  bool ok = true;
  while (ok && !XmlQueueIsEmpty(queue)) {
    XmlNodeRecord node;
    XmlNodeInit(&node);
    ok = FillNode(&node, static_cast<XmlElement*>(XmlQueueTake(queue)), &repeat, queue) && XmlNodeListAppend(list, &node);
    XmlNodeClear(&node);
  }
  XmlQueueFree(queue);
  return ok;
}

XmlElement* XmlRecordsToTree(XmlNodeRecord* records, uint32_t count) {
  if (!records || !count) return nullptr;
  XmlNodeRecord** pointers = XmlRecordPointers(records, count);
  auto** elements = static_cast<XmlElement**>(calloc(count, sizeof(XmlElement*)));
  XmlElement* root = pointers && elements ? MakeElement(records) : nullptr;
  if (root) elements[0] = root;
  if (root && !BuildChildren(pointers, count, elements)) {
    XmlFreeTree(root);
    root = nullptr;
  }
  free(elements);
  free(pointers);
  return root;
}
