// Loading documents into delivered trees.
//
// The callbacks build the delivered tree in one pass: character data collects in a run buffer;
// when a child element starts, the run becomes a text node of the parent; when an element ends,
// the run becomes its text if it has no children, else its last text node. The result equals the
// staged route through the intermediate tree, object nodes and records (XmlTreeToNodes,
// XmlNodeListToRecords, XmlRecordsToTree), which the loader still takes for schema documents.
#include <cstdlib>
#include <cstring>

#include <expat.h>

#include "xml/XmlIntermediate.h"
#include "xml/XmlParse.h"
#include "xml/XmlParserMemory.h"
#include "xml/XmlPrepare.h"
#include "xml/XmlSchema.h"
#include "xml/XmlStorage.h"
#include "xml/XmlText.h"

namespace {

struct LoadBuilder {
  XML_Parser parser;
  XmlElement* root;
  XmlElement* current;
  char* run;  // character data of `current` since its start or its last child element
  size_t runLength;
  size_t runCapacity;
  bool failed;
  bool schema;  // the root's name contains "schema": the intermediate builder took over
  XmlIntermediateBuilder intermediate;
};

void Fail(LoadBuilder* b) {
  b->failed = true;
  XML_StopParser(b->parser, XML_FALSE);
}

// Turns the pending run into a text node at the end of the current element's children.
bool FlushRun(LoadBuilder* b) {
  if (!b->runLength) return true;
  XmlElement* text = XmlAllocTextNode(b->run, b->runLength);
  if (!text) return false;
  XmlLinkLast(b->current, text);
  b->runLength = 0;
  return true;
}

void XMLCALL Start(void* data, const XML_Char* name, const XML_Char** attributes) {
  auto* b = static_cast<LoadBuilder*>(data);
  if (b->failed) return;  // a stopped parser may still report what it had read
  if (!b->root && strstr(name, "schema")) {
    b->schema = true;
    XmlIntermediateInstall(b->parser, &b->intermediate);
    return XmlIntermediateStart(&b->intermediate, name, attributes);
  }
  XmlElement* e = XmlAllocParsedElement(name, attributes);
  if (!e || (b->current && !FlushRun(b))) {
    if (e) XmlFreeTree(e);
    return Fail(b);
  }
  if (b->current) {
    XmlLinkLast(b->current, e);
  } else {
    b->root = e;
  }
  b->current = e;
}

void XMLCALL End(void* data, const XML_Char*) {
  auto* b = static_cast<LoadBuilder*>(data);
  if (b->failed) return;
  XmlElement* e = b->current;
  if (e->children) {
    if (!FlushRun(b)) return Fail(b);
  } else if (b->runLength) {
    if (!(e->text = XmlStrDupN(b->run, b->runLength))) return Fail(b);
    e->textSize = static_cast<uint32_t>(b->runLength + 1);
    b->runLength = 0;
  }
  if (e->parent) b->current = e->parent;
}

void XMLCALL Chars(void* data, const XML_Char* s, int length) {
  auto* b = static_cast<LoadBuilder*>(data);
  if (b->failed) return;
  size_t n = static_cast<size_t>(length);
  if (b->runCapacity - b->runLength < n) {
    size_t capacity = b->runCapacity ? b->runCapacity : 256;
    while (capacity - b->runLength < n) {
      if (capacity > SIZE_MAX / 2) return Fail(b);
      capacity *= 2;
    }
    char* grown = static_cast<char*>(realloc(b->run, capacity));
    if (!grown) return Fail(b);
    b->run = grown;
    b->runCapacity = capacity;
  }
  memcpy(b->run + b->runLength, s, n);
  b->runLength += n;
}

// Schema documents: their template's object nodes become the delivered tree.
XmlElement* FinishSchema(XmlElement* root, const char* declared) {
  XmlElement* tree = nullptr;
  XmlNode* list = XmlNodeListNew();
  if (root && list && (!declared || (root->encoding = XmlStrDup(declared))) && XsdToNodes(root, list)) {
    XmlNodeRecord* records = nullptr;
    uint32_t count = 0;
    if (XmlNodeListToRecords(list, &records, &count)) tree = XmlRecordsToTree(records, count);
    XmlRecordsFree(records, count);
    free(records);
  }
  XmlNodeListFree(list);
  XmlFreeTree(root);
  return tree;
}

// Parses prepared UTF-8 text in one XML_Parse call. `declared` is kept on a schema root (files only).
XmlElement* Load(const XmlPrepared* prepared, const char* declared) {
  XML_Parser parser = XML_ParserCreate_MM(nullptr, &kXmlParserMemory, nullptr);
  if (!parser) return nullptr;
  LoadBuilder b{};
  b.parser = parser;
  XML_SetUserData(parser, &b);
  XML_SetEncoding(parser, "utf-8");
  XML_SetElementHandler(parser, Start, End);
  XML_SetCharacterDataHandler(parser, Chars);
  bool parsed = XML_Parse(parser, prepared->text, static_cast<int>(prepared->length), 1) == XML_STATUS_OK;
  XML_ParserFree(parser);
  free(b.run);
  if (b.schema) {
    if (parsed && !b.intermediate.failed) return FinishSchema(b.intermediate.root, declared);
    XmlFreeTree(b.intermediate.root);
    return nullptr;
  }
  if (!parsed || b.failed) {
    XmlFreeTree(b.root);
    return nullptr;
  }
  return b.root;
}

XmlElement* LoadPrepared(XmlPrepared* prepared, bool keepDeclared) {
  XmlElement* root = Load(prepared, keepDeclared ? prepared->declared : nullptr);
  XmlPreparedFree(prepared);
  return root;
}

XmlElement* LoadBytes(const char* data, size_t length, bool keepDeclared) {
  XmlPrepared prepared;
  return XmlPrepareInput(data, length, &prepared) ? LoadPrepared(&prepared, keepDeclared) : nullptr;
}

}  // namespace

XmlElement* XmlLoadString(const char* xml) {
  XmlPrepared prepared;
  return xml && XmlPrepareString(xml, &prepared) ? LoadPrepared(&prepared, false) : nullptr;
}

XmlElement* XmlLoadBuffer(const char* data, uint32_t length) { return data ? LoadBytes(data, length, false) : nullptr; }

XmlElement* XmlLoadFile(const char* path) {
  size_t length = 0;
  char* text = XmlReadWholeFile(path, &length);
  XmlElement* root = text ? LoadBytes(text, length, true) : nullptr;
  free(text);
  return root;
}
