// Copying text into the fixed char fields of host records.
#pragma once

#include <cstddef>

#include "platform/Mbcs.h"

// Copies text into a char[N] field: at most N - 1 bytes, cut without splitting a GBK
// double-byte character, always followed by a zero byte. NULL copies the empty text.
template <size_t N>
inline void CopyField(char (&field)[N], const char* text) {
  mbcs::CopyLimited(field, N, text);
}
