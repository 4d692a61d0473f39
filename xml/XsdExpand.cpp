// Expanding named complex types in a template: every element whose type names a complex type of
// the schema gets a copy of the type's declarations below it, and the definitions of the types
// that were used are removed at the end. Copies are made from the definitions as the walk left
// them and are expanded in turn, so types used inside types unfold level by level; a type that
// is already being expanded further up stops the unfolding. A nesting of more than 32 types
// refuses the template (with a log line) rather than hand back one cut short.
//
// Every element the step takes is retyped "complexType" afterwards, also when its type names no
// complex type of the schema (XML Schema's own types such as decimal or dateTime, for example):
// it then stays without content.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "xml/XmlLog.h"
#include "xml/XmlNodeIndex.h"
#include "xml/XmlSchema.h"
#include "xml/XmlStorage.h"
#include "xml/XmlText.h"
#include "xml/XsdTemplate.h"

namespace {

const uint32_t kMaxTypeNesting = 32;
const uint32_t kNone = UINT32_MAX;

struct Item {
  XmlNode* node;
  uint32_t madeBy;  // the item whose expansion copied this one, or kNone
  bool taken;       // its type was neither empty, built-in nor "complexType"
  bool expanded;    // it received the declarations of its type
};

struct Expansion {
  XmlNode* list;
  XsdBudget* budget;
  Item* items;  // list order: the walk's nodes first, then the copies
  uint32_t count;
  uint32_t capacity;
  uint32_t originals;
  XmlNodeRecord** records;  // the walk's nodes
  XmlChildIndex children;   // of the walk's nodes
  uint32_t* types;          // positions of the named complex types, by name, then position
  uint32_t typeCount;
  bool* used;               // per walk node: a type definition that was used
  uint32_t* queue;          // scratch for copying one definition: original positions
  uint32_t* copyOf;         // scratch: queue slot -> id of the copy of its parent
  uint32_t lastId;
};

bool IsComplexType(const XmlNodeRecord* r) { return r->name && XmlStrEq(r->typeName, "complexType"); }

bool NeedsExpansion(const XmlNodeRecord* r) {
  return r->typeName && *r->typeName && XsdTypeIndex(r->typeName) < 0 && !XmlStrEq(r->typeName, "complexType");
}

bool Push(Expansion* x, XmlNode* node, uint32_t madeBy) {
  if (x->count == x->capacity) {
    uint32_t capacity = x->capacity ? x->capacity * 2 : 64;
    auto* grown = static_cast<Item*>(realloc(x->items, capacity * sizeof(Item)));
    if (!grown) return false;
    x->items = grown;
    x->capacity = capacity;
  }
  x->items[x->count++] = Item{node, madeBy, false, false};
  return true;
}

// The first named complex type called name, or kNone.
uint32_t FindType(const Expansion* x, const char* name) {
  const uint32_t* begin = x->types;
  const uint32_t* end = begin + x->typeCount;
  const uint32_t* at = std::lower_bound(begin, end, name, [x](uint32_t p, const char* n) {
    return strcmp(x->records[p]->name, n) < 0;
  });
  return at != end && strcmp(x->records[*at]->name, name) == 0 ? *at : kNone;
}



char* Join(const char* a, const char* b, const char* c, const char* d) {
  size_t n[4] = {strlen(a), strlen(b), strlen(c), strlen(d)};
  auto* joined = static_cast<char*>(malloc(n[0] + n[1] + n[2] + n[3] + 1));
  if (!joined) return nullptr;
  char* at = joined;
  for (const char* part : {a, b, c, d}) {
    size_t length = strlen(part);
    memcpy(at, part, length);
    at += length;
  }
  *at = '\0';
  return joined;
}

// A copy of the walk's node d below element e: fresh id, new parent, path moved below e.
bool CopyBelow(Expansion* x, uint32_t i, uint32_t d, uint32_t parentId, const char* typePath) {
  XmlNode* e = x->items[i].node;
  XmlNodeRecord copy;
  XmlNodeInit(&copy);
  if (!XmlNodeCopy(x->records[d], &copy)) return false;
  const char* old = copy.schemaPath ? copy.schemaPath : "";
  size_t n = strlen(typePath);
  const char* rest = strncmp(old, typePath, n) == 0 ? old + n : "";
  char* path = Join(e->schemaPath ? e->schemaPath : "", e->name ? e->name : "", "\\", rest);
  free(copy.schemaPath);
  copy.schemaPath = path;
  copy.id = ++x->lastId;
  copy.parentId = parentId;
  bool ok = path && x->budget->Take(&copy) && Push(x, nullptr, i) && XmlNodeListAppendMoved(x->list, &copy);
  if (ok) x->items[x->count - 1].node = x->list->tail;
  if (!ok && x->count && !x->items[x->count - 1].node) --x->count;
  XmlNodeClear(&copy);
  return ok;
}

// Copies the declarations of type t below item i, breadth first.
bool Expand(Expansion* x, uint32_t i, uint32_t t) {
  XmlNodeRecord* type = x->records[t];
  char* typePath = Join(type->schemaPath ? type->schemaPath : "", type->name, "\\", "");
  if (!typePath) return false;
  uint32_t head = 0;
  uint32_t tail = 0;
  bool ok = true;
  for (uint32_t k = x->children.first[t]; k < x->children.first[t + 1] && tail < x->originals; ++k) {
    x->copyOf[tail] = x->items[i].node->id;
    x->queue[tail++] = x->children.child[k];
  }
  while (ok && head < tail) {
    uint32_t d = x->queue[head];
    ok = CopyBelow(x, i, d, x->copyOf[head++], typePath);
    for (uint32_t k = x->children.first[d]; ok && k < x->children.first[d + 1] && tail < x->originals; ++k) {
      x->copyOf[tail] = x->lastId;
      x->queue[tail++] = x->children.child[k];
    }
  }
  free(typePath);
  x->items[i].expanded = ok;
  x->used[t] = x->used[t] || ok;
  return ok;
}

enum class Nesting { Fine, Recursive, TooDeep };

// Whether the type is already being expanded above item i, or the nesting is too deep.
Nesting NestingOf(const Expansion* x, uint32_t i, const char* type) {
  uint32_t depth = 0;
  for (uint32_t j = x->items[i].madeBy; j != kNone; j = x->items[j].madeBy) {
    if (XmlStrEq(x->items[j].node->typeName, type)) return Nesting::Recursive;
    if (++depth > kMaxTypeNesting) return Nesting::TooDeep;
  }
  return Nesting::Fine;
}

// Expands item i when its type names a complex type; false when the template must be refused.
bool Take(Expansion* x, uint32_t i) {
  XmlNode* e = x->items[i].node;
  x->items[i].taken = true;
  uint32_t t = FindType(x, e->typeName);
  if (t == kNone) return true;
  switch (NestingOf(x, i, e->typeName)) {
    case Nesting::Fine: return Expand(x, i, t);
    case Nesting::Recursive: return true;
    case Nesting::TooDeep: break;
  }
  XmlLog("schema types nest more than %u deep at element \"%s\" of type \"%s\"; the template is refused",
         kMaxTypeNesting, e->name ? e->name : "", e->typeName);
  return false;
}

bool Prepare(Expansion* x) {
  x->originals = x->list->count;
  x->records = XmlNodeListPointers(x->list, &x->originals);
  x->types = static_cast<uint32_t*>(malloc(x->originals * sizeof(uint32_t)));
  x->used = static_cast<bool*>(calloc(x->originals, sizeof(bool)));
  x->queue = static_cast<uint32_t*>(malloc(x->originals * sizeof(uint32_t)));
  x->copyOf = static_cast<uint32_t*>(malloc(x->originals * sizeof(uint32_t)));
  if (!x->records || !x->types || !x->used || !x->queue || !x->copyOf ||
      !XmlChildIndexBuild(&x->children, x->records, x->originals)) {
    return false;
  }
  for (uint32_t p = 0; p < x->originals; ++p) {
    if (!Push(x, static_cast<XmlNode*>(x->records[p]), kNone)) return false;
    if (IsComplexType(x->records[p])) x->types[x->typeCount++] = p;
    if (x->records[p]->id > x->lastId) x->lastId = x->records[p]->id;
  }
  std::stable_sort(x->types, x->types + x->typeCount, [x](uint32_t a, uint32_t b) {
    return strcmp(x->records[a]->name, x->records[b]->name) < 0;
  });
  return true;
}

// Marks the used definitions and everything below them, the copies made inside them included.
bool* Doomed(Expansion* x) {
  auto** all = static_cast<XmlNodeRecord**>(malloc(x->count * sizeof(XmlNodeRecord*)));
  auto* doomed = static_cast<bool*>(calloc(x->count, sizeof(bool)));
  auto* order = static_cast<uint32_t*>(malloc(x->count * sizeof(uint32_t)));
  XmlChildIndex index{};
  bool ok = all && doomed && order;
  for (uint32_t p = 0; ok && p < x->count; ++p) all[p] = x->items[p].node;
  ok = ok && XmlChildIndexBuild(&index, all, x->count);
  uint32_t found = 0;
  for (uint32_t t = 0; ok && t < x->originals; ++t) {
    if (!x->used[t] || doomed[t]) continue;
    doomed[t] = true;
    uint32_t head = found;
    order[found++] = t;
    for (; head < found; ++head) {
      uint32_t p = order[head];
      for (uint32_t k = index.first[p]; k < index.first[p + 1]; ++k) {
        if (!doomed[index.child[k]]) {
          doomed[index.child[k]] = true;
          order[found++] = index.child[k];
        }
      }
    }
  }
  XmlChildIndexFree(&index);
  free(order);
  free(all);
  if (!ok) {
    free(doomed);
    return nullptr;
  }
  return doomed;
}

// Retypes the elements the step took, then rebuilds the list without the doomed items.
bool Finish(Expansion* x) {
  bool* doomed = Doomed(x);
  if (!doomed) return false;
  for (uint32_t p = 0; p < x->count; ++p) {
    XmlNode* node = x->items[p].node;
    if (doomed[p] || !x->items[p].taken) continue;
    char* retyped = XmlStrDup("complexType");
    if (!retyped) {
      free(doomed);
      return false;
    }
    free(node->typeName);
    node->typeName = retyped;
    if (x->items[p].expanded) node->hasChildren = 1;
  }
  x->list->next = x->list->tail = nullptr;
  x->list->count = 0;
  for (uint32_t p = 0; p < x->count; ++p) {
    XmlNode* node = x->items[p].node;
    if (doomed[p]) {
      XmlNodeClear(node);
      free(node);
      continue;
    }
    node->next = nullptr;
    (x->list->tail ? x->list->tail->next : x->list->next) = node;
    x->list->tail = node;
    ++x->list->count;
  }
  free(doomed);
  return true;
}

}  // namespace

int XsdExpand(XmlNode* list, XsdBudget* budget) {
  if (!list || !list->count) return 1;
  Expansion x{};
  x.list = list;
  x.budget = budget;
  bool ok = Prepare(&x);
  bool anyTaken = false;
  for (uint32_t i = 0; ok && i < x.count; ++i) {
    if (!NeedsExpansion(x.items[i].node)) continue;
    anyTaken = true;
    ok = Take(&x, i);
  }
  if (ok && anyTaken) ok = Finish(&x);
  XmlChildIndexFree(&x.children);
  free(x.items);
  free(x.records);
  free(x.types);
  free(x.used);
  free(x.queue);
  free(x.copyOf);
  return ok;
}
