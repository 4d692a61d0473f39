// Library-internal: conversions between record payloads and object nodes, and node records that
// stand for payloads so that the node layer's indexes (id map, child index, paths) serve record
// lists and payload arrays too.
#pragma once

#include <cstddef>
#include <cstdint>

#include "xml/XmlNode.h"
#include "xml/XmlRecordList.h"

// Copies s into a character array of `size` bytes, cut at a UTF-8 character boundary; NULL clears.
void XmlPutCut(char* array, size_t size, const char* s);
// Terminates every character array of a payload.
void XmlPayloadTerminate(XmlRecordPayload* p);
// Payload -> node (node set up with XmlNodeInit; empty arrays give NULL strings) and back.
int XmlPayloadToNode(const XmlRecordPayload* p, XmlNodeRecord* node);
void XmlNodeToPayload(const XmlNodeRecord* node, XmlRecordPayload* p);

struct XmlRecordShadows {
  XmlNodeRecord* nodes;      // id, parentId, repeat, and a copy of the name and schemaPath
  XmlNodeRecord** pointers;  // into nodes, in payload order
  uint32_t count;
};
int XmlRecordShadowsBuild(XmlRecordShadows* s, const XmlRecordPayload* const* payloads, uint32_t count);
void XmlRecordShadowsFree(XmlRecordShadows* s);
// Pointers to the items of a list, or to the payloads of an array (NULL and 0 when empty).
XmlRecordPayload** XmlRecordListItems(XmlRecord* head, uint32_t* count);
XmlRecordPayload** XmlRecordArrayItems(const XmlRecordPayload* array, uint32_t count);
