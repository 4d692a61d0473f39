// Text utilities shared by the library, the encoding converter, and the writers that turn element
// trees and object nodes back into XML text.
#pragma once

#include <cstdarg>
#include <cstdint>

#include "xml/XmlNode.h"
#include "xml/XmlTree.h"

// Heap strings and the growable character buffer (block, capacity, used length).
char* XmlStrDup(const char* s);
char* XmlStrAppend(char* s, const char* t);
char* XmlBufAppend(char* block, uint32_t* capacity, uint32_t* length, const char* text);
char* XmlBufAppendBytes(char* block, uint32_t* capacity, uint32_t* length, const char* bytes, uint32_t n);

// The mini formatter: "%d" (int), "%s" (string; NULL adds nothing), any other "%c" gives c.
char* XmlFormat(const char* format, ...);
char* XmlFormatV(const char* format, va_list args);

// A growable string; all zero when empty.
struct XmlStringBuilder {
  char* start;
  uint32_t capacity;
  char* position;
  char* end;
};
static_assert(sizeof(XmlStringBuilder) == 16, "XmlStringBuilder is four words");

void XmlStringBuilderInit(XmlStringBuilder* builder);
void XmlStringBuilderFree(XmlStringBuilder* builder);
uint32_t XmlStringBuilderLength(XmlStringBuilder* builder);
int XmlStringBuilderAppend(const char* text, XmlStringBuilder* builder);
int XmlStringBuilderAppendBytes(const char* bytes, uint32_t n, XmlStringBuilder* builder);
int XmlStringBuilderAppendEscaped(const char* text, XmlStringBuilder* builder);
char* XmlStringBuilderCopy(XmlStringBuilder* builder);  // new block of length + 1; NULL when empty

// Declarations and encodings. Encoding names: "gb2312", "gbk", "utf-8", "unicode" (UTF-16).
int XmlWithDeclaration(const char* encoding, const char* text, char** out);
int XmlConvertEncoding(const char* fromName, const char* toName, const char* bytes, uint32_t length,
                       char** out, uint32_t* outLength);
char* XmlConvertFromUtf8(const char* toName, const char* utf8Text);
int XmlReplaceDeclaredEncoding(const char* encoding, const char* text, char** out);

// Element trees.
char* XmlElementToText(XmlElement* e);
void XmlWriteElement(XmlStringBuilder* builder, XmlElement* e);
char* XmlElementToString(XmlElement* e);
char* XmlChildrenToString(XmlElement* e);
char* XmlElementToHtml(XmlElement* e);
char* XmlChildrenToHtml(XmlElement* e);
enum XmlWriteMode { XML_WRITE_ELEMENT = 0, XML_WRITE_CHILDREN = 1, XML_WRITE_HTML = 2, XML_WRITE_CHILDREN_HTML = 3 };
// The file writers answer 1 when the whole text reached the file, 0 when it could not be created
// or a write failed (a disk full); an existing regular file then keeps its previous content.
int XmlWriteFile(const char* path, XmlElement* e, int mode);

// Object nodes and their records.
char* XmlRecordToText(XmlNodeRecord* record);
int XmlRecordsToText(XmlNodeRecord* records, uint32_t count, char** out, uint32_t* length);
int XmlNodesToText(XmlNode* list, char** out, uint32_t* length);
int XmlNodesWriteFile(const char* path, XmlNode* list);
