#include "platform/Mbcs.h"

#include <cstring>

namespace mbcs {

size_t SafeCut(const char* text, size_t len, size_t max) {
  if (len <= max) return len;
  size_t i = 0;
  while (i < max) {
    size_t n = CharLength(text, len, i);
    if (i + n > max) break;
    i += n;
  }
  return i;
}

size_t CopyLimited(char* dest, size_t destSize, const char* src) {
  if (destSize == 0) return 0;
  if (src == nullptr) {
    dest[0] = '\0';
    return 0;
  }
  size_t len = strnlen(src, destSize);
  size_t n = SafeCut(src, len, destSize - 1);
  memcpy(dest, src, n);
  dest[n] = '\0';
  return n;
}

}  // namespace mbcs
