// Code page 936 (GBK) character rules for narrow strings.
#pragma once

#include <cstddef>

namespace mbcs {

// A GBK lead byte starts a double-byte character.
inline bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

// Length in bytes of the character that starts at text[i] within a text of len bytes.
// A lead byte at the very end counts as one byte on its own.
inline size_t CharLength(const char* text, size_t len, size_t i) {
  return (IsLeadByte((unsigned char)text[i]) && i + 1 < len) ? 2 : 1;
}

// The largest n <= max such that text[0, n) does not end in half a double-byte character.
size_t SafeCut(const char* text, size_t len, size_t max);

// Copies src into dest[destSize] (always terminated when destSize > 0), cutting at most
// destSize - 1 bytes without splitting a double-byte character. Returns the bytes copied.
size_t CopyLimited(char* dest, size_t destSize, const char* src);

}  // namespace mbcs
