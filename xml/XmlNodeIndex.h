// Library-internal helpers of the node layer: attribute-list copies, item allocation, and the
// indexes that find records by id and children by parent in linear time.
#pragma once

#include <cstdint>

#include "xml/XmlNode.h"

XmlNodeAttribute* XmlNewNodeAttribute(const char* name, const char* value);
XmlNodeAttribute* XmlCopyNodeAttributes(const XmlNodeAttribute* first, bool* ok);
void XmlFreeNodeAttributes(XmlNodeAttribute* first);

// Releases out's strings, then copies from into it. With out NULL nothing is copied.
int XmlNodeCopyOut(const XmlNodeRecord* from, XmlNodeRecord* out);
// A new list item holding a copy of node (mark 0), or NULL.
XmlNode* XmlNodeNewItem(const XmlNodeRecord* node);
void XmlNodeFreeItem(XmlNode* item);
// Appends an item that takes over node's strings and attributes (node is left initialised empty).
int XmlNodeListAppendMoved(XmlNode* list, XmlNodeRecord* node);

// Pointers to the items of a list, or to the records of an array, in order (NULL when empty or
// out of memory; *count 0 then).
XmlNodeRecord** XmlNodeListPointers(XmlNode* list, uint32_t* count);
XmlNodeRecord** XmlRecordPointers(XmlNodeRecord* records, uint32_t count);

// Position of the first record with a given id.
struct XmlIdMap {
  uint32_t mask;
  uint32_t* slots;  // position + 1; 0 marks an empty slot
  XmlNodeRecord* const* records;
};
int XmlIdMapBuild(XmlIdMap* map, XmlNodeRecord* const* records, uint32_t count);
int XmlIdMapFind(const XmlIdMap* map, uint32_t id, uint32_t* position);
void XmlIdMapFree(XmlIdMap* map);

// The children of each record: the records whose parentId is its id (when it is the first record
// with that id), in array order. Children of position p: child[first[p]] .. child[first[p + 1] - 1].
struct XmlChildIndex {
  uint32_t* first;
  uint32_t* child;
};
int XmlChildIndexBuild(XmlChildIndex* index, XmlNodeRecord* const* records, uint32_t count);
void XmlChildIndexFree(XmlChildIndex* index);

// The backslash path of the record at position p (parents found through map; the walk up ends
// after `count` steps, so parent cycles end too). A new string, or NULL.
char* XmlPathAt(XmlNodeRecord* const* records, uint32_t count, const XmlIdMap* map, uint32_t p);
// 1 + the position of the first record whose backslash path equals path, or 0. Searches from the
// records without a parent downwards, so each record is visited at most once; records in a parent
// cycle have no path. A NULL name counts as empty.
uint32_t XmlFindPathPosition(XmlNodeRecord* const* records, uint32_t count, const char* path);
// Positions of the record with the given id and of all its descendants, breadth first, each once;
// a new array of *found positions, or NULL when the id is absent or memory runs out.
uint32_t* XmlSubtreePositions(XmlNodeRecord* const* records, uint32_t count, uint32_t id, uint32_t* found);
