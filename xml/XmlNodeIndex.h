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
