// Parsing XML text into element trees, over expat.
//
// The loaders deliver trees whose strings are UTF-8: input with a UTF-16 byte-order mark, with a
// UTF-8 mark, or declared encoding="gbk" / encoding="gb2312" (double quotes, no blank after "=")
// is converted first; everything else is read as UTF-8. In a delivered tree an element holding
// only character data keeps it in `text` (no children); an element with element children has
// `text` NULL and its character data in nameless text nodes, one per run between child elements.
// Comments and processing instructions are dropped; CDATA sections count as character data.
//
// The older parsers return the intermediate tree instead: character data in older-form text
// nodes (kind 1, one per piece that expat reports), and an "xml-error" element with the
// attributes "code", "message" and "line" when the text does not parse. They convert nothing:
// their input is read as UTF-8 whatever it declares, so GBK, Latin-1 or UTF-16 bytes are errors.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "xml/XmlNode.h"
#include "xml/XmlTree.h"

XmlElement* XmlLoadString(const char* xml);
XmlElement* XmlLoadBuffer(const char* data, uint32_t length);  // reads at most length bytes
XmlElement* XmlLoadFile(const char* path);

// Older parsers.
XmlElement* XmlParseFile(FILE* stream);
XmlElement* XmlParseString(const char* xml);
// A reader with the shape of fread: fills up to count bytes of buffer (size is 1), returns the
// number of bytes read; 0 ends the stream.
typedef size_t (*XmlStreamReader)(void* buffer, size_t size, size_t count, void* stream);
XmlElement* XmlParseStream(void* stream, XmlStreamReader reader);

XmlElement* XmlCopyToOldForm(XmlElement* e);
XmlElement* XmlMergeToOldForm(XmlElement* dst, XmlElement* src);
void XmlLowerAscii(char* s);

// The staged conversions between the forms: an intermediate tree into object nodes (breadth
// first, ids = ordinals, runs of text pieces merged), and a record array into a delivered tree.
int XmlTreeToNodes(XmlElement* intermediateRoot, XmlNode* list);
XmlElement* XmlRecordsToTree(XmlNodeRecord* records, uint32_t count);
