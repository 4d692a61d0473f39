// Parsing documents into record lists (the intermediate tree converted breadth first, schema
// documents through their template), and writing records back as XML.
#include <cstdlib>
#include <cstring>

#include <expat.h>

#include "xml/XmlFileOut.h"
#include "xml/XmlIntermediate.h"
#include "xml/XmlNodeIndex.h"
#include "xml/XmlParse.h"
#include "xml/XmlParserMemory.h"
#include "xml/XmlPrepare.h"
#include "xml/XmlRecordIndex.h"
#include "xml/XmlSchema.h"
#include "xml/XmlStorage.h"
#include "xml/XmlText.h"

namespace {

// The first character-data chunk among the children of e (older form or plain), or NULL.
const char* FirstChunk(XmlElement* e) {
  for (XmlElement* c = XmlFirstChild(e); c; c = XmlNextSibling(c)) {
    if (c->name) continue;
    XmlAttribute* holder = c->attributes;
    return holder && !holder->name ? holder->value : c->text;
  }
  return nullptr;
}

bool HasNamedChild(XmlElement* e) {
  for (XmlElement* c = XmlFirstChild(e); c; c = XmlNextSibling(c)) {
    if (c->name) return true;
  }
  return false;
}

// Fills the payload of one element and queues its named children.
bool Convert(XmlElement* e, XmlRecordPayload* p, const char** previousName, uint32_t* repeat, XmlQueue* queue) {
  memset(p, 0, sizeof *p);
  p->id = e->ordinal;
  p->parentId = e->parent ? e->parent->ordinal : 0;
  *repeat = XmlStrEq(*previousName, e->name) ? *repeat + 1 : 1;
  *previousName = e->name;
  p->repeat = static_cast<uint16_t>(*repeat > UINT16_MAX ? UINT16_MAX : *repeat);
  XmlPutCut(p->name, sizeof p->name, e->name);
  if (!HasNamedChild(e)) {
    XmlPutCut(p->text, sizeof p->text, FirstChunk(e));
    return true;
  }
  p->hasChildren = 1;
  for (XmlElement* c = XmlFirstChild(e); c; c = XmlNextSibling(c)) {
    if (c->name && !XmlQueueAdd(queue, c)) return false;
  }
  return true;
}

// The intermediate tree of prepared text, or NULL when it does not parse.
XmlElement* ParseIntermediate(const XmlPrepared* prepared) {
  XML_Parser parser = XML_ParserCreate_MM(nullptr, &kXmlParserMemory, nullptr);
  if (!parser) return nullptr;
  XmlIntermediateBuilder b{};
  XmlIntermediateInstall(parser, &b);
  XML_SetEncoding(parser, "utf-8");
  bool parsed = XML_Parse(parser, prepared->text, static_cast<int>(prepared->length), 1) == XML_STATUS_OK;
  XML_ParserFree(parser);
  if (parsed && !b.failed) return b.root;
  XmlFreeTree(b.root);
  return nullptr;
}

int ParseBytes(const char* data, size_t length, XmlRecord* head) {
  XmlPrepared prepared;
  if (!data || !head || !XmlPrepareInput(data, length, &prepared)) return 0;
  XmlElement* root = ParseIntermediate(&prepared);
  XmlPreparedFree(&prepared);
  if (!root) return 0;
  int done = strstr(root->name, "schema") ? XsdToRecords(root, head) : XmlTreeToRecords(root, head);
  XmlFreeTree(root);
  return done;
}

// Parses into a temporary list and copies it out as a payload array.
int LoadInto(int parsed, XmlRecord* list, XmlRecordPayload** array, uint32_t* count) {
  int done = parsed && XmlRecordListToArray(list, array, count);
  XmlRecordListFree(&list);
  return done;
}

// The payloads as object nodes, for the node writers.
XmlNode* AsNodes(XmlRecordPayload* const* items, uint32_t count) {
  XmlNode* list = XmlNodeListNew();
  for (uint32_t i = 0; list && i < count; ++i) {
    XmlNodeRecord node;
    XmlNodeInit(&node);
    bool ok = XmlPayloadToNode(items[i], &node) && XmlNodeListAppendMoved(list, &node);
    XmlNodeClear(&node);
    if (!ok) {
      XmlNodeListFree(list);
      return nullptr;
    }
  }
  return list;
}

}  // namespace

int XmlTreeToRecords(XmlElement* root, XmlRecord* head) {
  if (!root || !head) return 0;
  XmlQueue* queue = XmlQueueNew();
  XmlRecord added{};  // filled first, so that a failure leaves head as it was
  bool ok = queue && XmlQueueAdd(queue, root);
  const char* previousName = nullptr;
  uint32_t repeat = 0;
  while (ok && !XmlQueueIsEmpty(queue)) {
    XmlRecordPayload payload;
    ok = Convert(static_cast<XmlElement*>(XmlQueueTake(queue)), &payload, &previousName, &repeat, queue) &&
         XmlRecordListAppend(&added, &payload);
  }
  XmlQueueFree(queue);
  if (ok) XmlRecordListAppendAll(head, &added);
  XmlRecord* doomed = &added;
  XmlRecordListClear(&doomed);
  return ok;
}

int XmlRecordParseText(const char* text, uint32_t length, XmlRecord* head) { return ParseBytes(text, length, head); }

int XmlRecordParseFile(const char* path, XmlRecord* head) {
  size_t length = 0;
  char* text = head ? XmlReadWholeFile(path, &length) : nullptr;
  int done = text ? ParseBytes(text, length, head) : 0;
  free(text);
  return done;
}

int XmlRecordLoadText(const char* text, uint32_t length, XmlRecordPayload** array, uint32_t* count) {
  XmlRecord* list = nullptr;
  if (!array || !count || !XmlRecordListNew(&list)) return 0;
  return LoadInto(XmlRecordParseText(text, length, list), list, array, count);
}

int XmlRecordLoadFile(const char* path, XmlRecordPayload** array, uint32_t* count) {
  XmlRecord* list = nullptr;
  if (!array || !count || !XmlRecordListNew(&list)) return 0;
  return LoadInto(XmlRecordParseFile(path, list), list, array, count);
}

int XmlRecordsWriteFile(const char* path, XmlRecord* head) {
  uint32_t count;
  XmlRecordPayload** items = XmlRecordListItems(head, &count);
  XmlNode* nodes = path && head ? AsNodes(items, count) : nullptr;
  int done = nodes ? XmlNodesWriteFileAs(path, nodes, true) : 0;
  XmlNodeListFree(nodes);
  free(items);
  return done;
}

int XmlRecordPayloadsToText(const XmlRecordPayload* array, uint32_t count, char** out, uint32_t* length) {
  if (!out || !length) return 0;
  *out = nullptr;
  *length = 0;
  XmlRecordPayload** items = XmlRecordArrayItems(array, count);
  XmlNode* nodes = items ? AsNodes(items, count) : nullptr;
  int done = nodes ? XmlNodesToText(nodes, out, length) : 0;
  XmlNodeListFree(nodes);
  free(items);
  return done;
}
