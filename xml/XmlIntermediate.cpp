// Building the intermediate tree from expat's callbacks.
#include "xml/XmlIntermediate.h"

#include <cstring>

#include "xml/XmlStorage.h"

namespace {

void Fail(XmlIntermediateBuilder* b) {
  b->failed = true;
  XML_StopParser(b->parser, XML_FALSE);
}

void XMLCALL End(void* data, const XML_Char*) {
  auto* b = static_cast<XmlIntermediateBuilder*>(data);
  XmlElement* e = b->current;
  if (b->failed || !e || !e->parent) return;  // the root stays current after its end tag
  e->parent->lastOrdinal = e->lastOrdinal;
  b->current = e->parent;
}

void XMLCALL Chars(void* data, const XML_Char* s, int length) {
  auto* b = static_cast<XmlIntermediateBuilder*>(data);
  if (b->failed || !b->current) return;
  XmlElement* piece = XmlNewTextNodeBytes(s, static_cast<uint32_t>(length));
  if (!piece) return Fail(b);
  piece->kind = XML_KIND_TEXT;
  piece->ordinal = ++b->current->lastOrdinal;
  XmlLinkLast(b->current, piece);
}

}  // namespace

void XMLCALL XmlIntermediateStart(void* data, const XML_Char* name, const XML_Char** attributes) {
  auto* b = static_cast<XmlIntermediateBuilder*>(data);
  if (b->failed) return;
  XmlElement* e = XmlAllocParsedElement(name, attributes);
  if (!e) return Fail(b);
  if (b->current) {
    XmlLinkLast(b->current, e);
    e->ordinal = e->lastOrdinal = b->current->lastOrdinal + 1;
  } else {
    b->root = e;
    e->ordinal = e->lastOrdinal = 1;
  }
  e->numbered = 1;
  b->current = e;
}

void XmlIntermediateInstall(XML_Parser parser, XmlIntermediateBuilder* builder) {
  builder->parser = parser;
  XML_SetUserData(parser, builder);
  XML_SetElementHandler(parser, XmlIntermediateStart, End);
  XML_SetCharacterDataHandler(parser, Chars);
}
