// Library-internal: turning input bytes into the UTF-8 text that expat reads.
#pragma once

#include <cstddef>

struct XmlPrepared {
  const char* text;  // the working text: into the input, or into `owned`
  size_t length;
  char* owned;       // converted text, or NULL
  char* declared;    // the declared encoding, lower-cased, or NULL
};

// Prepares at most `length` bytes of input. The text ends at its first zero byte, except that
// input starting with a UTF-16 byte-order mark is read to `length` (less an odd last byte) and
// converted; a leading UTF-8 mark is skipped up to the first "<"; text declared "gbk" or
// "gb2312" is converted from GBK, up to the first byte sequence that is not GBK. Answers 0 when
// the input or its conversion is longer than INT_MAX or memory runs out.
int XmlPrepareInput(const char* data, size_t length, XmlPrepared* out);
// The same for a NUL-terminated text of any length, measured in the pass that looks for its
// declared encoding.
int XmlPrepareString(const char* text, XmlPrepared* out);
void XmlPreparedFree(XmlPrepared* prepared);

// The whole file opened for reading in text mode, NUL-terminated, its length in *length; NULL when
// it cannot be opened or read, or is longer than INT_MAX.
char* XmlReadWholeFile(const char* path, size_t* length);
