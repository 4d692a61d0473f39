// The breadth-first walk over a schema that makes one template node per declaration. The schema
// elements carry the walk's state: extra (their schema path), templateParent (the id of the
// enclosing template node) and declaredAtTop (cleared inside a sequence or choice).
#include <cstdlib>
#include <cstring>

#include "xml/XmlNodeIndex.h"
#include "xml/XmlStorage.h"
#include "xml/XmlText.h"
#include "xml/XsdTemplate.h"

namespace {

const char* WithoutPrefix(const char* name) {
  const char* colon = name ? strchr(name, ':') : nullptr;
  return colon ? colon + 1 : name;
}

enum class Kind { Schema, Element, ComplexType, Sequence, Choice, Other };

Kind KindOf(const char* local, bool basic) {
  if (strcmp(local, "schema") == 0) return Kind::Schema;
  if (strcmp(local, "element") == 0) return Kind::Element;
  if (strcmp(local, "complexType") == 0) return Kind::ComplexType;
  if (basic ? strcmp(local, "sequence") == 0 : strstr(local, "sequence") != nullptr) return Kind::Sequence;
  if (basic ? strcmp(local, "choice") == 0 : strstr(local, "choice") != nullptr) return Kind::Choice;
  return Kind::Other;
}

struct Walk {
  XmlQueue* queue;
  XmlNode* list;
  XsdBudget* budget;
  XmlElement* root;
};

// Queues the named children of e with their path, the id of their template parent, and cleared
// declaredAtTop when they stand inside a sequence or choice.
bool QueueChildren(Walk* w, XmlElement* e, const char* path, uint32_t parentId, bool nested) {
  size_t n = strlen(path);
  for (XmlElement* c = XmlFirstChild(e); c; c = XmlNextSibling(c)) {
    if (!c->name) continue;
    free(c->extra);
    c->extra = w->budget->TakeBytes(n + 1) ? XmlStrDupN(path, n) : nullptr;
    if (!c->extra || !XmlQueueAdd(w->queue, c)) return false;
    c->templateParent = parentId;
    if (nested) c->declaredAtTop = 0;
  }
  return true;
}

// path + name + "\", a new string.
char* Below(const char* path, const char* name) {
  size_t a = strlen(path);
  size_t b = strlen(name);
  auto* below = static_cast<char*>(malloc(a + b + 2));
  if (!below) return nullptr;
  memcpy(below, path, a);
  memcpy(below + a, name, b);
  below[a + b] = '\\';
  below[a + b + 1] = '\0';
  return below;
}

// Appends the template node of a declaration and queues its content below it.
bool Declare(Walk* w, XmlElement* e, const char* name, const char* typeName) {
  XmlNodeRecord node;
  XmlNodeInit(&node);
  node.id = e->ordinal;
  node.parentId = e->templateParent;
  node.repeat = 1;
  node.hasChildren = strcmp(typeName ? typeName : "", "complexType") == 0;
  node.name = XmlStrDup(name);
  node.typeName = XmlStrDup(typeName);
  node.schemaPath = XmlStrDup(e->extra);
  bool made = node.name && (!typeName || node.typeName) && node.schemaPath;
  char* path = made && w->budget->Take(&node) ? Below(e->extra, name) : nullptr;
  bool ok = path && w->budget->TakeBytes(strlen(path)) && XmlNodeListAppendMoved(w->list, &node) &&
            QueueChildren(w, e, path, e->ordinal, false);
  XmlNodeClear(&node);
  free(path);
  return ok;
}

bool Visit(Walk* w, XmlElement* e, bool basic) {
  Kind kind = e != w->root ? KindOf(WithoutPrefix(e->name), basic) : Kind::Schema;  // the root is the schema
  switch (kind) {
    case Kind::Schema:
      return QueueChildren(w, e, e->extra, e->templateParent, false);
    case Kind::Element: {
      const char* name = XmlGetAttribute(e, "name");
      return !name || Declare(w, e, name, WithoutPrefix(XmlGetAttribute(e, "type")));
    }
    case Kind::ComplexType: {
      const char* name = XmlGetAttribute(e, "name");
      return name ? Declare(w, e, name, "complexType") : QueueChildren(w, e, e->extra, e->templateParent, false);
    }
    case Kind::Sequence:
    case Kind::Choice:
      return QueueChildren(w, e, e->extra, e->templateParent, true);
    case Kind::Other:
      return true;
  }
  return true;
}

}  // namespace

int XsdWalk(XmlElement* root, XmlNode* list, bool basic, XsdBudget* budget) {
  if (!root || !root->name || !strstr(root->name, "schema") || !list) return 0;
  Walk w{XmlQueueNew(), list, budget, root};
  free(root->extra);
  root->extra = XmlStrDup("\\");
  root->templateParent = 0;
  bool ok = w.queue && root->extra && XmlQueueAdd(w.queue, root);
  while (ok && !XmlQueueIsEmpty(w.queue)) ok = Visit(&w, static_cast<XmlElement*>(XmlQueueTake(w.queue)), basic);
  XmlQueueFree(w.queue);
  return ok;
}
