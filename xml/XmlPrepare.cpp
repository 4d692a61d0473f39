// Preparing input bytes for expat: byte-order marks, UTF-16, and a declared GBK encoding.
#include "xml/XmlPrepare.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "xml/XmlDeclared.h"
#include "xml/XmlParse.h"
#include "xml/XmlStorage.h"
#include "xml/XmlText.h"

namespace {

bool HasUtf16Mark(const unsigned char* b) { return (b[0] == 0xFF && b[1] == 0xFE) || (b[0] == 0xFE && b[1] == 0xFF); }

// Replaces the working text by its conversion.
bool Convert(XmlPrepared* p, const char* from, const char* bytes, size_t length) {
  char* converted = nullptr;
  uint32_t convertedLength = 0;
  if (!XmlConvertEncoding(from, "utf-8", bytes, static_cast<uint32_t>(length), &converted, &convertedLength)) {
    return false;
  }
  free(p->owned);
  p->owned = converted;
  p->text = converted;
  p->length = convertedLength;
  return true;
}

// Reads the declared encoding; `key` is the first "encoding=" when already found (NULL: none),
// or kSearch.
const char* const kSearch = "";

bool ReadDeclared(XmlPrepared* p, const char* text, size_t length, const char* key) {
  size_t start;
  size_t end;
  bool declared = key == kSearch ? XmlFindDeclaredEncoding(text, length, &start, &end)
                                 : XmlDeclaredEncodingAt(text, length, key, &start, &end);
  if (!declared) return true;
  p->declared = XmlStrDupN(text + start, end - start);
  if (!p->declared) return false;
  XmlLowerAscii(p->declared);
  return true;
}

// Prepares `length` bytes of input whose text (up to its first zero byte) is textLength long.
int Prepare(const char* data, size_t length, size_t textLength, const char* key, XmlPrepared* p) {
  *p = XmlPrepared{};
  if (!data || length > INT_MAX) return 0;
  auto* bytes = reinterpret_cast<const unsigned char*>(data);
  bool ok = true;
  if (textLength >= 2 && HasUtf16Mark(bytes)) {
    ok = Convert(p, "unicode", data, length & ~static_cast<size_t>(1));
  } else if (textLength >= 2 && bytes[0] == 0xEF) {
    const char* open = static_cast<const char*>(memchr(data, '<', textLength));
    p->text = open ? open : data + textLength;
    p->length = static_cast<size_t>(data + textLength - p->text);
  } else {
    p->text = data;
    p->length = textLength;
  }
  ok = ok && ReadDeclared(p, data, textLength, key);
  if (ok && (XmlStrEq(p->declared, "gbk") || XmlStrEq(p->declared, "gb2312"))) {
    ok = Convert(p, "gbk", p->text, p->length);
  }
  if (!ok || p->length > INT_MAX) {
    XmlPreparedFree(p);
    return 0;
  }
  return 1;
}

}  // namespace

int XmlPrepareInput(const char* data, size_t length, XmlPrepared* p) {
  return Prepare(data, length, data && length <= INT_MAX ? strnlen(data, length) : 0, kSearch, p);
}

int XmlPrepareString(const char* text, XmlPrepared* p) {
  const char* key = nullptr;
  size_t length = text ? XmlMeasureText(text, &key) : 0;
  return Prepare(text, length, length, key, p);
}

void XmlPreparedFree(XmlPrepared* p) {
  free(p->owned);
  free(p->declared);
  *p = XmlPrepared{};
}

char* XmlReadWholeFile(const char* path, size_t* length) {
  FILE* file = path ? fopen(path, "r") : nullptr;
  if (!file) return nullptr;
  size_t capacity = 4096;
  size_t used = 0;
  char* buffer = static_cast<char*>(malloc(capacity));
  while (buffer) {
    used += fread(buffer + used, 1, capacity - used - 1, file);
    if (used < capacity - 1) break;
    char* grown = capacity <= INT_MAX / 2 + 1 ? static_cast<char*>(realloc(buffer, capacity * 2)) : nullptr;
    if (!grown) free(buffer);
    buffer = grown;
    capacity *= 2;
  }
  bool failed = ferror(file) != 0;
  fclose(file);
  if (!buffer || failed) {
    free(buffer);
    return nullptr;
  }
  buffer[used] = '\0';
  *length = used;
  return buffer;
}
