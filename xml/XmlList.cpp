// Result lists of element pointers.
#include <cstdlib>

#include "xml/XmlStorage.h"
#include "xml/XmlTree.h"

int XmlListPushBack(XmlList** head, XmlList** tail, XmlElement* item) {
  if (!item) return 1;
  auto* node = static_cast<XmlList*>(malloc(sizeof(XmlList)));
  if (!node) return 0;
  node->item = item;
  node->next = nullptr;
  node->prev = *tail;
  if (*tail) {
    (*tail)->next = node;
  } else {
    *head = node;
  }
  *tail = node;
  return 1;
}

int XmlListCount(XmlList* list) {
  int count = 0;
  for (; list; list = list->next) ++count;
  return count;
}

XmlElement* XmlListItem(XmlList* list, int i) {
  if (i < 1) return nullptr;
  while (list && --i > 0) list = list->next;
  return list ? list->item : nullptr;
}

void XmlListFree(XmlList* list) {
  while (list) {
    XmlList* next = list->next;
    free(list);
    list = next;
  }
}

XmlList* XmlListAppend(XmlList* list, XmlElement* item) {
  XmlList* tail = list;
  while (tail && tail->next) tail = tail->next;
  XmlListPushBack(&list, &tail, item);
  return list;
}
