// Heap strings, the growable character buffer and the mini formatter.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "xml/XmlStorage.h"
#include "xml/XmlText.h"

namespace {

const uint32_t kBufStart = 256;
const uint32_t kBufStep = 256;

// Grows the block to at least `needed` bytes with the given policy; frees it on failure.
char* GrowTo(char* block, uint32_t* capacity, size_t needed, bool doubling) {
  if (needed > UINT32_MAX) {
    free(block);
    return nullptr;
  }
  size_t size = *capacity ? *capacity : kBufStart;
  if (size < needed && !doubling) size += (needed - size + kBufStep - 1) / kBufStep * kBufStep;
  while (size < needed) size = size <= UINT32_MAX / 2 ? size * 2 : needed;
  if (block && size == *capacity) return block;
  char* grown = static_cast<char*>(realloc(block, size));
  if (!grown) {
    free(block);
    return nullptr;
  }
  if (!block) grown[0] = '\0';
  *capacity = static_cast<uint32_t>(size);
  return grown;
}

char* AppendBytes(char* block, uint32_t* capacity, uint32_t* length, const char* bytes, size_t n, bool doubling) {
  if (!block) *capacity = *length = 0;
  block = GrowTo(block, capacity, static_cast<size_t>(*length) + n + 1, doubling);
  if (!block) {
    *capacity = *length = 0;
    return nullptr;
  }
  memcpy(block + *length, bytes, n);
  *length += static_cast<uint32_t>(n);
  block[*length] = '\0';
  return block;
}

}  // namespace

char* XmlStrDup(const char* s) { return s ? XmlStrDupN(s, strlen(s)) : nullptr; }

char* XmlStrAppend(char* s, const char* t) {
  if (!s) return XmlStrDup(t);
  if (!t) return s;
  size_t n = strlen(s);
  size_t m = strlen(t);
  char* joined = static_cast<char*>(realloc(s, n + m + 1));
  if (!joined) return s;
  memcpy(joined + n, t, m + 1);
  return joined;
}

char* XmlBufAppend(char* block, uint32_t* capacity, uint32_t* length, const char* text) {
  if (!capacity || !length || !text || !*text) return block;
  return AppendBytes(block, capacity, length, text, strlen(text), true);
}

char* XmlBufAppendBytes(char* block, uint32_t* capacity, uint32_t* length, const char* bytes, uint32_t n) {
  if (!capacity || !length || !bytes) return block;
  return AppendBytes(block, capacity, length, bytes, n, false);
}

char* XmlFormatV(const char* format, va_list args) {
  if (!format) return nullptr;
  uint32_t capacity = 0;
  uint32_t length = 0;
  char* out = GrowTo(nullptr, &capacity, kBufStart, true);
  const char* p = format;
  while (out && *p) {
    const char* mark = strchr(p, '%');
    size_t run = mark ? static_cast<size_t>(mark - p) : strlen(p);
    if (run) out = XmlBufAppendBytes(out, &capacity, &length, p, static_cast<uint32_t>(run));
    if (!mark || !out) break;
    char directive = mark[1];
    if (directive == '\0') break;
    if (directive == 'd') {
      char digits[16];
      snprintf(digits, sizeof digits, "%d", va_arg(args, int));
      out = XmlBufAppend(out, &capacity, &length, digits);
    } else if (directive == 's') {
      out = XmlBufAppend(out, &capacity, &length, va_arg(args, const char*));
    } else {
      out = XmlBufAppendBytes(out, &capacity, &length, &directive, 1);
    }
    p = mark + 2;
  }
  return out;
}

char* XmlFormat(const char* format, ...) {
  va_list args;
  va_start(args, format);
  char* out = XmlFormatV(format, args);
  va_end(args);
  return out;
}
