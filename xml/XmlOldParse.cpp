// The older parsers: the intermediate tree itself, or an "xml-error" element. They prepare
// nothing: the bytes go to expat as they are, read as UTF-8.
#include <climits>
#include <cstdio>
#include <cstring>

#include <expat.h>

#include "xml/XmlIntermediate.h"
#include "xml/XmlParse.h"
#include "xml/XmlParserMemory.h"

namespace {

const size_t kChunk = 512;

XmlElement* ErrorElement(long code, const char* message, unsigned long line) {
  XmlElement* e = XmlCreateElement("xml-error", nullptr);
  char number[24];
  snprintf(number, sizeof number, "%ld", code);
  XmlSetAttribute(e, "code", number);
  XmlSetAttribute(e, "message", message);
  snprintf(number, sizeof number, "%lu", line);
  XmlSetAttribute(e, "line", number);
  return e;
}

// One expat parser feeding the intermediate builder.
struct OldParse {
  XML_Parser parser;
  XmlIntermediateBuilder builder;
};

bool Begin(OldParse* p) {
  p->parser = XML_ParserCreate_MM(nullptr, &kXmlParserMemory, nullptr);
  if (!p->parser) return false;
  XML_SetEncoding(p->parser, "utf-8");  // whatever the document declares
  p->builder = XmlIntermediateBuilder{};
  XmlIntermediateInstall(p->parser, &p->builder);
  return true;
}

XmlElement* Finish(OldParse* p, bool parsed) {
  XmlElement* result = p->builder.root;
  if (!parsed || p->builder.failed || !result) {
    XML_Error code = XML_GetErrorCode(p->parser);
    XmlFreeTree(p->builder.root);
    result = ErrorElement(code, XML_ErrorString(code), XML_GetCurrentLineNumber(p->parser));
  }
  XML_ParserFree(p->parser);
  return result;
}

}  // namespace

XmlElement* XmlParseString(const char* xml) {
  size_t length = xml ? strlen(xml) : 0;
  OldParse p;
  if (!xml || length > INT_MAX || !Begin(&p)) return nullptr;
  return Finish(&p, XML_Parse(p.parser, xml, static_cast<int>(length), 1) == XML_STATUS_OK);
}

XmlElement* XmlParseFile(FILE* stream) {
  OldParse p;
  if (!stream || !Begin(&p)) return nullptr;
  char buffer[kChunk];
  bool parsed = true;
  for (bool final = false; parsed && !final;) {
    size_t n = fread(buffer, 1, kChunk, stream);
    final = n < kChunk;
    parsed = XML_Parse(p.parser, buffer, static_cast<int>(n), final) == XML_STATUS_OK;
  }
  return Finish(&p, parsed);
}

// Every chunk is text and ends at its first zero byte; an empty chunk ends the stream, and the
// parse is always finished with a final call, so a truncated document is an error.
XmlElement* XmlParseStream(void* stream, XmlStreamReader reader) {
  OldParse p;
  if (!reader || !Begin(&p)) return nullptr;
  char buffer[kChunk];
  bool received = false;
  bool parsed = true;
  for (;;) {
    size_t n = reader(buffer, 1, kChunk, stream);
    n = strnlen(buffer, n < kChunk ? n : kChunk);
    if (n == 0) break;
    received = true;
    parsed = XML_Parse(p.parser, buffer, static_cast<int>(n), 0) == XML_STATUS_OK;
    if (!parsed) break;
  }
  if (!received) {
    XML_ParserFree(p.parser);
    return ErrorElement(3, "no data received", 0);
  }
  if (parsed) parsed = XML_Parse(p.parser, buffer, 0, 1) == XML_STATUS_OK;
  return Finish(&p, parsed);
}
