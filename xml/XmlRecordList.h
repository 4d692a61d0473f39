// Record lists: the fixed-size twin of the object node layer. Every string of a record is held in
// a character array inside it, so a whole document can be copied as plain memory: as a list of
// records, or as an array of payloads (n x 932 bytes, no list words).
//
// Strings longer than their arrays are cut to fit at a character boundary; payloads handed in are
// copied and their arrays terminated. Positions are 1-based unless said otherwise. Operations
// answer 1 for success and 0 for failure (a NULL head or payload, an absent id, a position out of
// range, memory running out); a failed operation leaves the list as it was.
#pragma once

#include <cstdint>

struct XmlElement;

struct XmlRecordPayload {
  char reserved[40];     // cleared
  uint32_t id;           // the element's document ordinal
  uint32_t parentId;     // 0 for the root
  uint32_t hasChildren;  // 1 when the element has a named child
  uint16_t repeat;       // position in a run of same-named elements
  char schemaPath[40];   // template records: the place in the schema, components closed by "\"
  char name[40];
  char typeName[27];     // template records: the declared type
  char text[771];        // character data
};
static_assert(sizeof(XmlRecordPayload) == 932, "a record payload is 932 bytes");

// A list head is a record too; its payload carries no data.
struct XmlRecord : XmlRecordPayload {
  uint32_t mark;     // item: 1 once a walk has visited it
  uint32_t count;    // head: number of items
  XmlRecord* next;   // head: first item; item: next item
  XmlRecord* tail;   // head: last item
};
static_assert(sizeof(XmlRecord) == 948, "a record is 948 bytes");

int XmlRecordListNew(XmlRecord** head);
int XmlRecordListFree(XmlRecord** head);   // frees the head and every item; *head = NULL
int XmlRecordListClear(XmlRecord** head);  // frees every item, keeps the head
int XmlRecordListIsEmpty(XmlRecord* head);
uint32_t XmlRecordListCount(XmlRecord* head);
int XmlRecordListAppend(XmlRecord* head, const XmlRecordPayload* payload);
int XmlRecordListPush(XmlRecord* head, const XmlRecordPayload* payload);
int XmlRecordListInsertAfter(XmlRecord* head, uint32_t i, const XmlRecordPayload* payload);  // i = 0: first
int XmlRecordListMoveAfter(XmlRecord* head, uint32_t i, XmlRecord* other);                  // i = 0: first
int XmlRecordListAppendAll(XmlRecord* head, XmlRecord* other);
// The Take operations copy the payload out when out is given.
int XmlRecordListTakeFirst(XmlRecord* head, XmlRecordPayload* out);
int XmlRecordListTakeLast(XmlRecord* head, XmlRecordPayload* out);
int XmlRecordListTakeAt(XmlRecord* head, uint32_t i, XmlRecordPayload* out);
int XmlRecordListPeekFirst(XmlRecord* head, XmlRecordPayload* out);
int XmlRecordListGetAt(XmlRecord* head, uint32_t i, XmlRecordPayload* out);
int XmlRecordListSetAt(XmlRecord* head, uint32_t i, const XmlRecordPayload* payload);
int XmlRecordListGetRoot(XmlRecord* head, XmlRecordPayload* out);  // first item with parentId 0
int XmlRecordListGetById(XmlRecord* head, uint32_t id, XmlRecordPayload* out);
int XmlRecordListGetByName(XmlRecord* head, const char* name, XmlRecordPayload* out);
uint32_t XmlRecordListMaxId(XmlRecord* head);
int XmlRecordListSetMark(XmlRecord* head, uint32_t i, uint32_t mark);
uint32_t XmlRecordListGetMark(XmlRecord* head, uint32_t i);
void XmlRecordListPrint(XmlRecord* head);

// Parents and children (by id and parentId; each id names its first record).
int XmlRecordListChildrenOf(XmlRecord* head, uint32_t id, XmlRecord* out);
int XmlRecordListChildrenOfAt(XmlRecord* head, uint32_t i, XmlRecord* out);
int XmlRecordListParentOfAt(XmlRecord* head, uint32_t i, XmlRecordPayload* out);
int XmlRecordListSubtree(XmlRecord* head, uint32_t id, XmlRecord* out);  // breadth first
int XmlRecordListRemoveSubtree(XmlRecord* head, uint32_t id);

// Payload arrays: one malloc block the caller frees.
int XmlRecordListToArray(XmlRecord* head, XmlRecordPayload** array, uint32_t* count);  // empty: NULL, 0
int XmlRecordListFromArray(const XmlRecordPayload* array, uint32_t count, XmlRecord* head);
uint32_t XmlRecordArrayGetById(const XmlRecordPayload* array, uint32_t count, uint32_t id, XmlRecordPayload* out);
int XmlRecordArrayGetAt(const XmlRecordPayload* array, uint32_t count, uint32_t i, XmlRecordPayload* out);
int XmlRecordArraySetAt(XmlRecordPayload* array, uint32_t count, uint32_t i, const XmlRecordPayload* payload);

// Backslash paths ("\root\child") built from the names; out is a new string.
int XmlRecordListPath(XmlRecord* head, uint32_t id, char** out);
int XmlRecordArrayPath(const XmlRecordPayload* array, uint32_t count, uint32_t id, char** out);
// Position of the first record whose path equals path (copied into out when given), or 0.
// Records in a parent cycle have no path and never match.
uint32_t XmlRecordListFindByPath(XmlRecord* head, const char* path, XmlRecordPayload* out);
uint32_t XmlRecordArrayFindByPath(const XmlRecordPayload* array, uint32_t count, const char* path, XmlRecordPayload* out);
// Removes every record whose schemaPath begins with "\" path "\" and every record named path; a
// NULL or empty path empties the list.
int XmlRecordListRemoveByPath(XmlRecord* head, const char* path);

// Parsing into records (one record per element, breadth first; a schema document becomes its
// template) and writing them back.
int XmlRecordParseText(const char* text, uint32_t length, XmlRecord* head);
// The conversion behind it for an intermediate tree (XmlParseString) that is not a schema: text
// is the first character-data chunk of an element without named children.
int XmlTreeToRecords(XmlElement* intermediateRoot, XmlRecord* head);
int XmlRecordParseFile(const char* path, XmlRecord* head);
int XmlRecordLoadText(const char* text, uint32_t length, XmlRecordPayload** array, uint32_t* count);
int XmlRecordLoadFile(const char* path, XmlRecordPayload** array, uint32_t* count);
// Both writers escape the text, so what they write parses back to the same records. The file
// writer answers 0 when the file cannot be written completely; an existing file then stays.
int XmlRecordsWriteFile(const char* path, XmlRecord* head);
int XmlRecordPayloadsToText(const XmlRecordPayload* array, uint32_t count, char** out, uint32_t* length);
