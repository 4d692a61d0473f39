// Merging data into a template. The output starts as the template; data elements are matched top
// down: an element takes the declaration of its name below its parent's instance, the first
// element of a name under one parent fills the declaration's first instance, and every further
// one gets a fresh copy of the declaration's subtree (from the unfilled template) placed after the
// previous instance. Matching by parent and name is matching by path, and repeats are counted per
// parent, so the children of a repeated element fill their own instance.
#include <cstdlib>
#include <cstring>

#include "xml/XmlKeyTable.h"
#include "xml/XmlNodeIndex.h"
#include "xml/XmlRecordIndex.h"
#include "xml/XmlSchema.h"
#include "xml/XmlText.h"

namespace {

const uint32_t kNone = UINT32_MAX;
const uint32_t kMaxBound = 200000;

// One output node; index 0 stands above the roots.
struct Out {
  uint32_t origin;  // template position
  uint32_t parent;
  uint32_t firstChild;
  uint32_t lastChild;
  uint32_t nextSibling;
  uint32_t id;
  uint32_t instance;  // 1 for the template's own node, k for the k-th instance
  const char* text;   // the data's text, or NULL to keep the template's
};

struct Side {  // one input: its records, id map and child index
  XmlNodeRecord** records;
  uint32_t count;
  XmlIdMap map;
  XmlChildIndex children;
};

struct Bind {
  Side t;
  Side d;
  Out* out;
  uint32_t outCount;
  uint32_t* dataInstance;  // data position -> output index, or kNone
  XmlKeyTable declared;    // (template parent position + 1, name) -> first template position
  XmlKeyTable instances;   // (output parent, template position) -> first output index
  XmlKeyTable lastOfName;  // (data parent position + 1, name) -> last output instance
  uint32_t outCapacity;
  uint32_t lastId;
  bool failed;  // memory ran out or the output grew too large
};

bool OpenSide(Side* s, XmlNodeRecord* records, uint32_t count) {
  *s = Side{XmlRecordPointers(records, count), count, {}, {}};
  if (s->records && XmlIdMapBuild(&s->map, s->records, count)) {
    if (XmlChildIndexBuild(&s->children, s->records, count)) return true;
    XmlIdMapFree(&s->map);
  }
  free(s->records);
  s->records = nullptr;
  return false;
}

void CloseSide(Side* s) {
  if (!s->records) return;
  XmlIdMapFree(&s->map);
  XmlChildIndexFree(&s->children);
  free(s->records);
}

// 1 + the parent's position, or 0 for a record without a parent in its side.
uint32_t ParentKey(Side* s, uint32_t p) {
  uint32_t parent;
  return XmlIdMapFind(&s->map, s->records[p]->parentId, &parent) && parent != p ? parent + 1 : 0;
}

// A new output node without links, or kNone when the output is full or memory runs out.
uint32_t NewOut(Bind* b, uint32_t origin, uint32_t parent, uint32_t id) {
  if (b->outCount == b->outCapacity) {
    uint32_t capacity = b->outCapacity * 2 < kMaxBound + 1 ? b->outCapacity * 2 : kMaxBound + 1;
    Out* grown = capacity > b->outCount ? static_cast<Out*>(realloc(b->out, capacity * sizeof(Out))) : nullptr;
    if (!grown) {
      b->failed = true;
      return kNone;
    }
    b->out = grown;
    b->outCapacity = capacity;
  }
  b->out[b->outCount] = Out{origin, parent, kNone, kNone, kNone, id, 1, nullptr};
  return b->outCount++;
}

// Links output node n as the last child of its parent, or right after `after` when given.
void Link(Bind* b, uint32_t n, uint32_t after) {
  Out& p = b->out[b->out[n].parent];
  if (after == kNone) after = p.lastChild;
  if (after == kNone) {
    p.firstChild = p.lastChild = n;
    return;
  }
  b->out[n].nextSibling = b->out[after].nextSibling;
  b->out[after].nextSibling = n;
  if (p.lastChild == after) p.lastChild = n;
}

// The template as output: position p becomes output index p + 1.
bool StartFromTemplate(Bind* b) {
  NewOut(b, kNone, kNone, 0);
  for (uint32_t p = 0; p < b->t.count && !b->failed; ++p) {
    XmlNodeRecord* r = b->t.records[p];
    uint32_t parentKey = ParentKey(&b->t, p);
    if (r->id > b->lastId) b->lastId = r->id;
    NewOut(b, p, parentKey, r->id);
    b->failed = b->failed || !XmlKeyTableAdd(&b->declared, XmlKey{parentKey, 0, r->name ? r->name : ""}, p) ||
                !XmlKeyTableAdd(&b->instances, XmlKey{parentKey, p, nullptr}, p + 1);
  }
  for (uint32_t n = 1; n < b->outCount && !b->failed; ++n) Link(b, n, kNone);
  return !b->failed;
}

// A fresh instance of the declaration at template position decl below output node parent,
// placed after output node `after`.
uint32_t CopyDeclaration(Bind* b, uint32_t decl, uint32_t parent, uint32_t after, uint32_t instance) {
  uint32_t first = NewOut(b, decl, parent, ++b->lastId);
  if (first == kNone) return kNone;
  Link(b, first, after);
  b->out[first].instance = instance;
  for (uint32_t n = first; n < b->outCount && !b->failed; ++n) {  // breadth first over the copies
    uint32_t p = b->out[n].origin;
    for (uint32_t k = b->t.children.first[p]; k < b->t.children.first[p + 1] && !b->failed; ++k) {
      uint32_t c = b->t.children.child[k];
      if (c == p) continue;  // a self-parent is a root
      uint32_t made = NewOut(b, c, n, ++b->lastId);
      if (made == kNone) break;
      Link(b, made, kNone);
      b->failed = !XmlKeyTableAdd(&b->instances, XmlKey{n, c, nullptr}, made);
    }
  }
  return b->failed ? kNone : first;
}

// Finds or makes the output instance for the data element at position c; kNone when the
// template does not declare it.
uint32_t Place(Bind* b, uint32_t c) {
  XmlNodeRecord* r = b->d.records[c];
  uint32_t dataParent = ParentKey(&b->d, c);
  uint32_t parent = dataParent ? b->dataInstance[dataParent - 1] : 0;
  if (!r->name || parent == kNone) return kNone;
  uint32_t origin = b->out[parent].origin;
  uint32_t* decl = XmlKeyTableFind(&b->declared, XmlKey{origin == kNone ? 0 : origin + 1, 0, r->name});
  if (!decl) return kNone;
  uint32_t* last = XmlKeyTableFind(&b->lastOfName, XmlKey{dataParent, 0, r->name});
  uint32_t placed;
  if (!last) {
    uint32_t* first = XmlKeyTableFind(&b->instances, XmlKey{parent, *decl, nullptr});
    placed = first ? *first : kNone;
  } else {
    placed = CopyDeclaration(b, *decl, parent, *last, b->out[*last].instance + 1);
  }
  if (placed == kNone) return kNone;
  if (last) {
    *last = placed;
  } else if (!XmlKeyTableAdd(&b->lastOfName, XmlKey{dataParent, 0, r->name}, placed)) {
    b->failed = true;
    return kNone;
  }
  b->out[placed].text = r->text;
  return placed;
}

// Data elements top down: roots first, then children of placed elements, in order.
bool PlaceData(Bind* b) {
  auto* order = static_cast<uint32_t*>(malloc(b->d.count * sizeof(uint32_t)));
  if (!order) return false;
  uint32_t found = 0;
  for (uint32_t p = 0; p < b->d.count; ++p) {
    b->dataInstance[p] = kNone;
    if (!ParentKey(&b->d, p)) order[found++] = p;
  }
  for (uint32_t head = 0; !b->failed && head < found; ++head) {
    uint32_t c = order[head];
    b->dataInstance[c] = Place(b, c);
    if (b->dataInstance[c] == kNone) continue;
    for (uint32_t k = b->d.children.first[c]; k < b->d.children.first[c + 1]; ++k) {
      if (b->d.children.child[k] != c) order[found++] = b->d.children.child[k];  // a self-parent is a root
    }
  }
  free(order);
  return !b->failed;
}

// The output breadth first from the roots, as object nodes.
bool Flatten(Bind* b, XmlNode* list) {
  auto* order = static_cast<uint32_t*>(malloc(b->outCount * sizeof(uint32_t)));
  if (!order) return false;
  uint32_t found = 1;
  order[0] = 0;
  bool ok = true;
  for (uint32_t head = 0; ok && head < found; ++head) {
    for (uint32_t c = b->out[order[head]].firstChild; c != kNone; c = b->out[c].nextSibling) order[found++] = c;
    if (head == 0) continue;
    const Out& o = b->out[order[head]];
    XmlNodeRecord node;
    XmlNodeInit(&node);
    ok = XmlNodeCopy(b->t.records[o.origin], &node);
    if (ok && o.text) {
      free(node.text);
      ok = (node.text = XmlStrDup(o.text)) != nullptr;
    }
    node.id = o.id;
    if (o.parent) node.parentId = b->out[o.parent].id;
    if (o.instance > 1) node.repeat = o.instance;
    node.recordBase = nullptr;
    node.recordCount = 0;
    ok = ok && XmlNodeListAppendMoved(list, &node);
    XmlNodeClear(&node);
  }
  free(order);
  return ok;
}

bool Run(Bind* b, XmlNodeRecord* tr, uint32_t tc, XmlNodeRecord* dr, uint32_t dc, XmlNode* list) {
  if (tc >= kMaxBound) return false;
  b->outCapacity = tc + 1;
  b->out = static_cast<Out*>(malloc(b->outCapacity * sizeof(Out)));
  b->dataInstance = static_cast<uint32_t*>(malloc(dc * sizeof(uint32_t)));
  bool ready = b->out && b->dataInstance && OpenSide(&b->t, tr, tc) && OpenSide(&b->d, dr, dc) &&
               XmlKeyTableInit(&b->declared, tc) && XmlKeyTableInit(&b->instances, tc) &&
               XmlKeyTableInit(&b->lastOfName, dc);
  return ready && StartFromTemplate(b) && PlaceData(b) && Flatten(b, list);
}

void Release(Bind* b) {
  CloseSide(&b->t);
  CloseSide(&b->d);
  XmlKeyTableFree(&b->declared);
  XmlKeyTableFree(&b->instances);
  XmlKeyTableFree(&b->lastOfName);
  free(b->out);
  free(b->dataInstance);
}

// Payloads as node records (the caller clears and frees them).
XmlNodeRecord* AsNodeRecords(const XmlRecordPayload* payloads, uint32_t count) {
  auto* records = static_cast<XmlNodeRecord*>(calloc(count, sizeof(XmlNodeRecord)));
  for (uint32_t i = 0; records && i < count; ++i) {
    XmlNodeInit(&records[i]);
    if (!XmlPayloadToNode(&payloads[i], &records[i])) {
      XmlRecordsFree(records, i);
      free(records);
      return nullptr;
    }
  }
  return records;
}

void FreeNodeRecords(XmlNodeRecord* records, uint32_t count) {
  XmlRecordsFree(records, count);
  free(records);
}

}  // namespace

int XmlBindNodes(XmlNodeRecord* templateRecords, uint32_t templateCount, XmlNodeRecord* dataRecords,
                 uint32_t dataCount, XmlNodeRecord** out, uint32_t* outCount) {
  if (!out || !outCount) return 0;
  *out = nullptr;
  *outCount = 0;
  if (!templateCount || !dataCount) return 1;
  if (!templateRecords || !dataRecords) return 0;
  XmlNode* list = XmlNodeListNew();
  Bind b{};
  bool ok = list && Run(&b, templateRecords, templateCount, dataRecords, dataCount, list);
  Release(&b);
  ok = ok && XmlNodeListToRecords(list, out, outCount);
  XmlNodeListFree(list);
  return ok;
}

int XmlBindRecords(const XmlRecordPayload* templateRecords, uint32_t templateCount,
                   const XmlRecordPayload* dataRecords, uint32_t dataCount, XmlRecordPayload** out,
                   uint32_t* outCount) {
  if (!out || !outCount) return 0;
  *out = nullptr;
  *outCount = 0;
  if (!templateCount || !dataCount) return 1;
  if (!templateRecords || !dataRecords) return 0;
  XmlNodeRecord* t = AsNodeRecords(templateRecords, templateCount);
  XmlNodeRecord* d = t ? AsNodeRecords(dataRecords, dataCount) : nullptr;
  XmlNodeRecord* bound = nullptr;
  uint32_t boundCount = 0;
  bool ok = d && XmlBindNodes(t, templateCount, d, dataCount, &bound, &boundCount);
  if (ok && boundCount) {
    *out = static_cast<XmlRecordPayload*>(malloc(boundCount * sizeof(XmlRecordPayload)));
    ok = *out != nullptr;
    for (uint32_t i = 0; ok && i < boundCount; ++i) XmlNodeToPayload(&bound[i], &(*out)[i]);
    if (ok) *outCount = boundCount;
  }
  if (t) FreeNodeRecords(t, templateCount);
  if (d) FreeNodeRecords(d, dataCount);
  if (bound) FreeNodeRecords(bound, boundCount);
  return ok;
}
