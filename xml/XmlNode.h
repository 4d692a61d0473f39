// The object node layer: a document as a flat list of nodes that name their own id and their
// parent's id instead of holding pointers, the array of records copied from such a list, the
// backslash paths of nodes, and the generic queue used by the library's walks.
//
// Out parameters of type XmlNodeRecord* receive copies: pass a node that was set up with
// XmlNodeInit (or is all zero); its previous strings are released before the copy.
#pragma once

#include <cstdint>

struct XmlNodeAttribute {
  char* name;
  char* value;
  uint32_t valueSize;  // strlen(value) + 1, 0 for a NULL value
  XmlNodeAttribute* next;
};
static_assert(sizeof(XmlNodeAttribute) == 16, "XmlNodeAttribute is four words");

// A record: the first 21 words of a node, stored contiguously in an array. Its operations find
// its children (the records of the same array whose parentId equals its id, in array order).
struct XmlNodeRecord {
  uint32_t id;           // never 0 for parsed documents
  uint32_t parentId;     // 0 for a root, -1 after XmlNodeInit
  uint32_t hasChildren;  // 1 when the node has element children (its text is then NULL)
  uint32_t repeat;       // position in a run of same-named nodes
  char* name;            // NULL for a text record
  char* typeName;
  char* text;
  char* schemaPath;
  uint32_t recordCount;  // records in this record's array (records only)
  uint32_t kind;         // XmlNodeKind
  XmlNodeAttribute* attributes;
  XmlNodeRecord* recordBase;  // first record of this record's array (records only)
  XmlNodeRecord* (*FindChild)(XmlNodeRecord* self, const char* name);
  uint32_t (*CountChildren)(XmlNodeRecord* self, const char* name);
  XmlNodeRecord* (*FindChildN)(XmlNodeRecord* self, const char* name, uint32_t n);
  uint32_t (*ChildCount)(XmlNodeRecord* self);
  XmlNodeRecord* (*ChildAt)(XmlNodeRecord* self, uint32_t i);
  uint32_t (*AttributeCount)(XmlNodeRecord* self);
  XmlNodeAttribute* (*AttributeAt)(XmlNodeRecord* self, uint32_t i);
  XmlNodeAttribute* (*FindAttribute)(XmlNodeRecord* self, const char* name);
  char* (*ToText)(XmlNodeRecord* self);
};
static_assert(sizeof(XmlNodeRecord) == 84, "a record is 21 words");

// A node: the record words followed by the list words. A list head is a node too.
struct XmlNode : XmlNodeRecord {
  XmlNode* tail;   // head: last item
  XmlNode* next;   // head: first item; item: next item
  uint32_t mark;   // item: 1 once a walk has visited it
  uint32_t count;  // head: number of items
};
static_assert(sizeof(XmlNode) == 100, "XmlNode is 25 words");

// Nodes.
int XmlNodeInit(XmlNodeRecord* node);
int XmlNodeClear(XmlNodeRecord* node);
int XmlNodeCopy(const XmlNodeRecord* from, XmlNodeRecord* to);  // to's old strings are not released
int XmlNodeAddAttribute(XmlNodeRecord* node, const char* name, const char* value);
int XmlNodeSetNew(XmlNodeRecord* node, const char* name, const char* text, uint32_t* lastId);

// Node lists. Positions are 1-based.
XmlNode* XmlNodeListNew();
int XmlNodeListFree(XmlNode* list);
int XmlNodeListClear(XmlNode* list);
int XmlNodeListIsEmpty(XmlNode* list);
uint32_t XmlNodeListCount(XmlNode* list);
int XmlNodeListAppend(XmlNode* list, const XmlNodeRecord* node);
int XmlNodeListPush(XmlNode* list, const XmlNodeRecord* node);
int XmlNodeListInsertAfter(XmlNode* list, uint32_t i, const XmlNodeRecord* node);
int XmlNodeListMoveAfter(XmlNode* list, uint32_t i, XmlNode* other);
int XmlNodeListAppendAll(XmlNode* list, XmlNode* other);
int XmlNodeListTakeFirst(XmlNode* list, XmlNodeRecord* out);
int XmlNodeListTakeLast(XmlNode* list, XmlNodeRecord* out);
int XmlNodeListTakeAt(XmlNode* list, uint32_t i, XmlNodeRecord* out);
int XmlNodeListPeekFirst(XmlNode* list, XmlNodeRecord* out);
int XmlNodeListGetAt(XmlNode* list, uint32_t i, XmlNodeRecord* out);
int XmlNodeListGetRoot(XmlNode* list, XmlNodeRecord* out);
int XmlNodeListGetById(XmlNode* list, uint32_t id, XmlNodeRecord* out);
int XmlNodeListGetByName(XmlNode* list, const char* name, XmlNodeRecord* out);
int XmlNodeListCopyAllByName(XmlNode* list, const char* name, XmlNodeRecord* out);
int XmlNodeListChildrenOf(XmlNode* list, uint32_t id, XmlNode* out);
int XmlNodeListChildrenOfAt(XmlNode* list, uint32_t i, XmlNode* out);
int XmlNodeListParentOfAt(XmlNode* list, uint32_t i, XmlNodeRecord* out);
int XmlNodeListSubtree(XmlNode* list, uint32_t id, XmlNode* out);
int XmlNodeListRemoveSubtree(XmlNode* list, uint32_t id);
uint32_t XmlNodeListMaxId(XmlNode* list);
int XmlNodeListSetMark(XmlNode* list, uint32_t i, uint32_t mark);
uint32_t XmlNodeListGetMark(XmlNode* list, uint32_t i);
void XmlNodeListPrint(XmlNode* list);

// Record arrays.
int XmlNodeListToRecords(XmlNode* list, XmlNodeRecord** records, uint32_t* count);
int XmlRecordsToNodeList(XmlNodeRecord* records, uint32_t count, XmlNode* list);
int XmlRecordsFree(XmlNodeRecord* records, uint32_t count);  // clears the records; the caller frees the array
uint32_t XmlRecordGetById(XmlNodeRecord* records, uint32_t count, uint32_t id, XmlNodeRecord* out);
int XmlRecordGetAt(XmlNodeRecord* records, uint32_t count, uint32_t i, XmlNodeRecord* out);
int XmlRecordSetAt(XmlNodeRecord* records, uint32_t count, uint32_t i, const XmlNodeRecord* node);

// Backslash paths: "\root\child" names a node from its root down.
int XmlNodePath(XmlNode* list, uint32_t id, char** out);
int XmlRecordPath(XmlNodeRecord* records, uint32_t count, uint32_t id, char** out);
uint32_t XmlNodeListFindByPath(XmlNode* list, const char* path, XmlNodeRecord* out);
int XmlNodeListRemoveByPath(XmlNode* list, const char* path);

// Small accessors over node attribute lists.
const char* XmlFirstAttributeName(XmlNodeRecord* node);
const char* XmlFirstAttributeValue(XmlNodeRecord* node);
XmlNodeAttribute* XmlNextAttribute(XmlNodeAttribute* a);
int XmlAttributeNameIs(XmlNodeAttribute* a, const char* name);
int XmlIsSet(XmlNodeRecord* node);    // 1 when the id is set
int XmlIsSet(XmlNodeAttribute* a);    // 1 when the name is set

// A queue of pointers: first in first out with Add and Take, a stack with Push and Take.
struct XmlQueueCell {
  void* item;
  XmlQueueCell* next;
  uint32_t unused[3];
};
struct XmlQueue {
  uint32_t count;
  XmlQueueCell* first;
  XmlQueueCell* last;
  uint32_t unused[2];
};
static_assert(sizeof(XmlQueueCell) == 20 && sizeof(XmlQueue) == 20, "queue head and cells are five words");

XmlQueue* XmlQueueNew();
void XmlQueueFree(XmlQueue* queue);
void XmlQueueClear(XmlQueue* queue);
int XmlQueueIsEmpty(XmlQueue* queue);
uint32_t XmlQueueCount(XmlQueue* queue);
void* XmlQueueGetAt(XmlQueue* queue, uint32_t i);
int XmlQueueAdd(XmlQueue* queue, void* item);
int XmlQueuePush(XmlQueue* queue, void* item);
int XmlQueueInsertAfter(XmlQueue* queue, uint32_t i, void* item);
void* XmlQueueTake(XmlQueue* queue);
void* XmlQueueTakeAt(XmlQueue* queue, uint32_t i);
void* XmlQueueTakeLast(XmlQueue* queue);
void* XmlQueuePeek(XmlQueue* queue);
