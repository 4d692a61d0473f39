// The growable string builder and its escaping append.
#include <cstdlib>
#include <cstring>

#include "xml/XmlText.h"

namespace {

const uint32_t kFirstCapacity = 2048;

// Makes room for n more bytes and a terminator; doubling, zero-filled. Failure empties the builder.
bool Reserve(XmlStringBuilder* b, size_t n) {
  size_t length = static_cast<size_t>(b->position - b->start);
  if (b->start && static_cast<size_t>(b->end - b->position) > n) return true;
  size_t capacity = b->capacity ? b->capacity : kFirstCapacity;
  while (capacity <= length + n) {
    if (capacity > UINT32_MAX / 2) {
      XmlStringBuilderFree(b);
      return false;
    }
    capacity *= 2;
  }
  char* block = static_cast<char*>(calloc(capacity, 1));
  if (!block) {
    XmlStringBuilderFree(b);
    return false;
  }
  if (length) memcpy(block, b->start, length);
  free(b->start);
  b->start = block;
  b->capacity = static_cast<uint32_t>(capacity);
  b->position = block + length;
  b->end = block + capacity;
  return true;
}

const char* Replacement(char c) {
  switch (c) {
    case '"': return "&quot;";
    case '&': return "&amp;";
    case '\'': return "&apos;";
    case '<': return "&lt;";
    case '>': return "&gt;";
    default: return nullptr;
  }
}

}  // namespace

void XmlStringBuilderInit(XmlStringBuilder* builder) {
  if (builder) *builder = XmlStringBuilder{};
}

void XmlStringBuilderFree(XmlStringBuilder* builder) {
  if (!builder) return;
  free(builder->start);
  *builder = XmlStringBuilder{};
}

uint32_t XmlStringBuilderLength(XmlStringBuilder* builder) {
  return builder ? static_cast<uint32_t>(builder->position - builder->start) : 0;
}

int XmlStringBuilderAppendBytes(const char* bytes, uint32_t n, XmlStringBuilder* builder) {
  if (!builder || !bytes || n == 0) return builder ? 1 : 0;
  if (!Reserve(builder, n)) return 0;
  memcpy(builder->position, bytes, n);
  builder->position += n;
  return 1;
}

int XmlStringBuilderAppend(const char* text, XmlStringBuilder* builder) {
  return text ? XmlStringBuilderAppendBytes(text, static_cast<uint32_t>(strlen(text)), builder) : (builder ? 1 : 0);
}

int XmlStringBuilderAppendEscaped(const char* text, XmlStringBuilder* builder) {
  if (!builder) return 0;
  if (!text) return 1;
  while (*text) {
    size_t run = strcspn(text, "\"&'<>");
    if (!XmlStringBuilderAppendBytes(text, static_cast<uint32_t>(run), builder)) return 0;
    text += run;
    if (!*text) break;
    if (!XmlStringBuilderAppend(Replacement(*text), builder)) return 0;
    ++text;
  }
  return 1;
}

char* XmlStringBuilderCopy(XmlStringBuilder* builder) {
  uint32_t length = XmlStringBuilderLength(builder);
  if (length == 0) return nullptr;
  char* copy = static_cast<char*>(calloc(length + 1, 1));
  if (copy) memcpy(copy, builder->start, length);
  return copy;
}
