// The XML declaration: finding, writing and replacing the declared encoding.
#include <cstdlib>
#include <cstring>

#include "xml/XmlDeclared.h"
#include "xml/XmlText.h"

bool XmlFindDeclaredEncoding(const char* text, size_t length, size_t* start, size_t* end) {
  static const char kKey[] = "encoding=";
  const size_t keyLength = sizeof(kKey) - 1;
  const char* key = static_cast<const char*>(memmem(text, length, kKey, keyLength));
  if (!key) return false;
  size_t equals = static_cast<size_t>(key - text) + keyLength - 1;
  const char* limit = text + length;
  const char* first = static_cast<const char*>(memchr(text + equals, '"', length - equals));
  if (!first) return false;
  const char* second = static_cast<const char*>(memchr(first + 1, '"', static_cast<size_t>(limit - first - 1)));
  if (!second) return false;
  *start = equals + 2;
  *end = static_cast<size_t>(second - text);
  return true;
}

int XmlWithDeclaration(const char* encoding, const char* text, char** out) {
  if (!text || !out) return 0;
  if (!encoding) return (*out = XmlStrDup(text)) != nullptr;
  char* joined = XmlFormat("<?xml version=\"1.0\" encoding=\"%s\" ?>%s", encoding, text);
  if (!joined) return 0;
  *out = joined;
  return 1;
}

int XmlReplaceDeclaredEncoding(const char* encoding, const char* text, char** out) {
  if (!encoding || !text || !out) return 0;
  size_t length = strlen(text);
  size_t start = 0;
  size_t end = 0;
  if (!XmlFindDeclaredEncoding(text, length, &start, &end)) return 0;
  size_t n = strlen(encoding);
  char* replaced = static_cast<char*>(malloc(length - (end - start) + n + 1));
  if (!replaced) return 0;
  memcpy(replaced, text, start);
  memcpy(replaced + start, encoding, n);
  memcpy(replaced + start + n, text + end, length - end + 1);
  *out = replaced;
  return 1;
}
