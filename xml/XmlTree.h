// The element tree: plain structures on the heap, read and changed through free functions.
//
// Conventions shared by the whole library:
// - every string belongs to the node that holds it; accessors return pointers into the tree that
//   stay valid until the tree is freed, and callers never free them;
// - accessors accept NULL and answer NULL or 0; editors answer 1 for success and 0 for failure;
// - nothing throws; whatever a creating, loading or serialising operation returns is the caller's;
// - names are compared byte for byte, case-sensitively.
//
// Create elements and attributes only through the library: an element's heap block also holds the
// link that ties it into its parent's child list and its name, and an attribute's block holds its
// name and first value. Names are fixed at creation.
#pragma once

#include <cstdint>

struct XmlElement;

struct XmlAttribute {
  char* name;          // NULL for the text holder of an older-form text node
  char* value;
  uint32_t valueSize;  // strlen(value) + 1
  XmlAttribute* next;  // document order
  XmlElement* owner;
};

// One link of a parent's child list; the list is doubly linked in document order.
struct XmlChildLink {
  XmlElement* child;
  XmlChildLink* next;
  XmlChildLink* prev;
};

enum XmlNodeKind : uint32_t {
  XML_KIND_ELEMENT = 0,
  XML_KIND_TEXT = 1,
  XML_KIND_CDATA = 2,  // text already wrapped in "<![CDATA[" ... "]]>"
};

struct XmlElement {
  char* name;                // NULL marks a text node
  XmlAttribute* attributes;  // first attribute, document order
  XmlElement* parent;
  XmlChildLink* children;    // first link of the child list
  char* text;                // character data of a text-only element or of a text node
  uint32_t textSize;         // informational
  uint32_t ordinal;          // document-order number while parsing; 0 in delivered trees
  uint32_t declaredAtTop;    // 1 at creation
  uint32_t lastOrdinal;      // highest ordinal inside the subtree while parsing
  uint32_t templateParent;   // working storage of the schema binding
  uint32_t numbered;         // 1 once ordinal has been given
  uint32_t kind;             // XmlNodeKind
  char* encoding;            // declared encoding on the root of a file's intermediate tree
  char* extra;               // working storage of the schema binding
  XmlChildLink* lastChild;   // last link of the child list, so that appending is constant time
};

static_assert(sizeof(XmlAttribute) == 20, "XmlAttribute is five words");
static_assert(sizeof(XmlChildLink) == 12, "XmlChildLink is three words");
static_assert(sizeof(XmlElement) == 60, "XmlElement is fifteen words");

// A result list of element pointers; the caller frees the nodes (not the elements) with XmlListFree.
struct XmlList {
  XmlElement* item;
  XmlList* next;
  XmlList* prev;
};
static_assert(sizeof(XmlList) == 12, "XmlList nodes are three words");

// Reading.
void XmlFreeTree(XmlElement* root);
XmlElement* XmlFirstChildElement(XmlElement* e);
XmlElement* XmlNextSiblingElement(XmlElement* e);
const char* XmlElementName(XmlElement* e);
char* XmlElementText(XmlElement* e);
XmlAttribute* XmlFirstAttribute(XmlElement* e);
XmlAttribute* XmlFindAttribute(XmlAttribute* from, const char* name);
const char* XmlAttributeValue(XmlAttribute* a);

XmlElement* XmlFirstChild(XmlElement* e);
XmlElement* XmlLastChild(XmlElement* e);
XmlElement* XmlNextSibling(XmlElement* e);
XmlElement* XmlPrevSibling(XmlElement* e);
XmlElement* XmlParent(XmlElement* e);
XmlElement* XmlRoot(XmlElement* e);
XmlList* XmlChildren(XmlElement* e);
XmlList* XmlFindChildren(XmlElement* e, const char* name);
int XmlHasChildren(XmlElement* e);
int XmlHasAttributes(XmlElement* e);
char* XmlGetText(XmlElement* e);
int XmlAttributeCount(XmlAttribute* first);
XmlAttribute* XmlAttributeAt(XmlAttribute* first, int i);  // 1-based
const char* XmlGetAttribute(XmlElement* e, const char* name);
XmlAttribute* XmlGetAttributeNode(XmlElement* e, const char* name);
int XmlHasAttribute(XmlElement* e, const char* name);
int XmlGetAttributeInt(XmlElement* e, const char* name);

// Small accessors over attribute lists (the node layer has the same ones for its attributes).
const char* XmlFirstAttributeName(XmlElement* e);
const char* XmlFirstAttributeValue(XmlElement* e);
XmlAttribute* XmlNextAttribute(XmlAttribute* a);
int XmlAttributeNameIs(XmlAttribute* a, const char* name);
int XmlIsSet(XmlAttribute* a);  // 1 when the attribute's first word (its name) is set

// Result lists.
int XmlListCount(XmlList* list);
XmlElement* XmlListItem(XmlList* list, int i);  // 1-based
void XmlListFree(XmlList* list);
XmlList* XmlListAppend(XmlList* list, XmlElement* item);  // returns the list's first node

// Queries (XmlQuery.cpp).
XmlList* XmlQueryPath(XmlElement* e, const char* path);
XmlElement* XmlQueryFirst(XmlElement* e, const char* path);
XmlElement* XmlSelect(XmlElement* e, const char* selector);
XmlElement* XmlSelectFormat(XmlElement* e, const char* format, ...);
char* XmlLocationPath(XmlElement* e);
char* XmlLocationPathBuf(XmlElement* e, char* buffer, uint32_t size);

// Building.
XmlElement* XmlNewElement();
XmlElement* XmlCreateElement(const char* name, const char* text);
XmlElement* XmlCreateText(const char* text);
XmlElement* XmlCreateCData(const char* text);
int XmlMakeCData(XmlElement* e);
int XmlSetText(XmlElement* e, const char* text);
XmlAttribute* XmlNewAttribute(const char* name, const char* value);
int XmlAddAttribute(XmlElement* e, XmlAttribute* a);
int XmlSetAttribute(XmlElement* e, const char* name, const char* value);
int XmlSetAttributeInt(XmlElement* e, const char* name, int value);
int XmlSetAttributeValue(XmlAttribute* a, const char* value);
int XmlSetAttributeFormat(XmlElement* e, const char* name, const char* format, ...);
int XmlAppendAttributeText(XmlElement* e, const char* name, const char* text);
int XmlAppendAttributeBytes(XmlElement* e, const char* name, const char* bytes, uint32_t n);

// Older-form text nodes: nameless nodes holding their text as the value of one nameless attribute.
XmlElement* XmlNewTextNode(const char* text);
XmlElement* XmlNewTextNodeOwned(char* text);
XmlElement* XmlNewTextNodeBytes(const char* bytes, uint32_t n);
XmlElement* XmlNewTextNodeFormat(const char* format, ...);
int XmlAppendTextNode(XmlElement* node, const char* bytes, uint32_t n);

// Linking and unlinking.
int XmlAppendChild(XmlElement* parent, XmlElement* child);
int XmlAppendCopies(XmlElement* parent, XmlList* list);
XmlElement* XmlCopyElement(XmlElement* e, int deep);
int XmlPrependChild(XmlElement* parent, XmlElement* child);
int XmlInsertBefore(XmlElement* newNode, XmlElement* ref);
int XmlReplaceChild(XmlElement* oldNode, XmlElement* newNode);
int XmlSetOnlyChild(XmlElement* parent, XmlElement* child);
int XmlRemoveChildren(XmlElement* e);
int XmlDeleteElement(XmlElement* e);
