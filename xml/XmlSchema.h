// The schema-typed binding. A document whose root name contains "schema" is read as an XML Schema
// and turned into a template: one node per declared element, nested as the schema nests them,
// named complex types expanded in place, each node carrying its type name (prefix removed) and its
// schemaPath (the enclosing declarations from the root down, each closed by "\"). Data documents
// are merged into such templates so that the data takes the template's shape.
//
// Template nodes: name, typeName, schemaPath, hasChildren (1 with declared content), repeat 1, id
// (the declaration's document ordinal; expansion copies get fresh ids above the largest one) and
// parentId (the enclosing node, 0 at the top). Schemas are walked breadth first; "element",
// "complexType", "sequence" and "choice" are read, every other schema element is skipped with its
// content, and so is an element declaration without a "name". The walk leaves its working values
// on the schema tree: `extra` (the element's schema path), `templateParent` (the id of the
// enclosing template node) and `declaredAtTop` (0 inside a sequence or choice).
//
// A type used inside its own definition is expanded once and then left as it is; a template that
// would exceed 200,000 nodes or 32 MB of strings is refused (0, list emptied).
#pragma once

#include <cstdint>

#include "xml/XmlNode.h"
#include "xml/XmlRecordList.h"
#include "xml/XmlTree.h"

// The built-in types: "long", "string", "int", "short", "byte", "unsignedLong", "unsignedInt",
// "unsignedShort", "unsignedByte", "positiveInteger", "boolean", "date" -> 0 .. 11; else -1.
int XsdTypeIndex(const char* name);

// Template from a schema's intermediate tree (XmlParseString): 1, or 0 when the root's name does
// not contain "schema", the template is too large or memory runs out.
int XsdToNodes(XmlElement* schemaRoot, XmlNode* list);
int XsdToRecords(XmlElement* schemaRoot, XmlRecord* head);
// The older walk: only the exact names "schema", "element", "complexType", "sequence", "choice".
int XsdToNodesBasic(XmlElement* schemaRoot, XmlNode* list);
int XsdToRecordsBasic(XmlElement* schemaRoot, XmlRecord* head);
// The staged conversion of an intermediate tree with the older schema walk.
int XmlTreeToNodesBasic(XmlElement* intermediateRoot, XmlNode* list);
int XmlTreeToRecordsBasic(XmlElement* intermediateRoot, XmlRecord* head);

// Merges data into a template: a data element takes the template node with its path; the k-th
// element of a name under one parent (k >= 2) takes a fresh copy of the declaration's subtree,
// numbered repeat k and placed after the (k-1)-th. Its text goes into the node. Data elements
// that the template does not declare are dropped. The output is a new record array (node
// records: free with XmlRecordsFree and free(); payloads: free()); an empty input gives NULL and
// 0. Answers 0 when memory runs out or the output would exceed 200,000 records.
int XmlBindNodes(XmlNodeRecord* templateRecords, uint32_t templateCount, XmlNodeRecord* dataRecords,
                 uint32_t dataCount, XmlNodeRecord** out, uint32_t* outCount);
int XmlBindRecords(const XmlRecordPayload* templateRecords, uint32_t templateCount,
                   const XmlRecordPayload* dataRecords, uint32_t dataCount, XmlRecordPayload** out,
                   uint32_t* outCount);
