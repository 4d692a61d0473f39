// The XML declaration: finding, writing and replacing the declared encoding.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "xml/XmlDeclared.h"
#include "xml/XmlScan.h"
#include "xml/XmlText.h"

namespace {

const char kKey[] = "encoding=";
const size_t kKeyLength = sizeof(kKey) - 1;

// The first "encoding=" in text[0, length), or NULL. The loaders search whole documents, so 16
// positions are tested at once for an "e" with an "=" eight bytes on; memmem does the rest.
const char* FindKey(const char* text, size_t length) {
  size_t at = 0;
#ifdef __SSE2__
  const __m128i first = _mm_set1_epi8(kKey[0]);
  const __m128i last = _mm_set1_epi8(kKey[kKeyLength - 1]);
  for (; at + 16 + kKeyLength - 1 <= length; at += 16) {
    __m128i head = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + at));
    __m128i tail = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + at + kKeyLength - 1));
    unsigned mask = static_cast<unsigned>(
        _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(head, first), _mm_cmpeq_epi8(tail, last))));
    for (; mask; mask &= mask - 1) {
      const char* candidate = text + at + __builtin_ctz(mask);
      if (memcmp(candidate + 1, kKey + 1, kKeyLength - 2) == 0) return candidate;
    }
  }
#endif
  return static_cast<const char*>(memmem(text + at, length - at, kKey, kKeyLength));
}

#if XML_SCAN_BY_BLOCKS
// Length and first key in one pass over aligned 16-byte blocks (see XmlScan.h); the block after
// one is loaded only when that one holds no zero byte.
size_t MeasureByBlocks(const char* text, const char** key) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i first = _mm_set1_epi8(kKey[0]);
  const __m128i last = _mm_set1_epi8(kKey[kKeyLength - 1]);
  size_t misalign = reinterpret_cast<uintptr_t>(text) & 15;
  const char* block = text - misalign;
  unsigned inText = 0xFFFFu << misalign & 0xFFFFu;
  __m128i current = _mm_load_si128(reinterpret_cast<const __m128i*>(block));
  const char* found = nullptr;
  for (;; block += 16, inText = 0xFFFFu) {
    unsigned zeros = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(current, zero))) & inText;
    if (zeros) {
      const char* end = block + __builtin_ctz(zeros);
      const char* from = block < text ? text : block;
      if (!found) found = static_cast<const char*>(memmem(from, static_cast<size_t>(end - from), kKey, kKeyLength));
      *key = found;
      return static_cast<size_t>(end - text);
    }
    __m128i next = _mm_load_si128(reinterpret_cast<const __m128i*>(block + 16));
    if (!found) {
      __m128i shifted = _mm_or_si128(_mm_srli_si128(current, kKeyLength - 1), _mm_slli_si128(next, 17 - kKeyLength));
      unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(
                          _mm_and_si128(_mm_cmpeq_epi8(current, first), _mm_cmpeq_epi8(shifted, last)))) & inText;
      for (; mask && !found; mask &= mask - 1) {
        const char* candidate = block + __builtin_ctz(mask);
        if (memcmp(candidate + 1, kKey + 1, kKeyLength - 2) == 0) found = candidate;
      }
    }
    current = next;
  }
}
#endif

bool ValueAt(const char* text, size_t length, const char* key, size_t* start, size_t* end) {
  if (!key) return false;
  size_t equals = static_cast<size_t>(key - text) + kKeyLength - 1;
  const char* limit = text + length;
  const char* first = static_cast<const char*>(memchr(text + equals, '"', length - equals));
  if (!first) return false;
  const char* second = static_cast<const char*>(memchr(first + 1, '"', static_cast<size_t>(limit - first - 1)));
  if (!second) return false;
  *start = equals + 2;
  *end = static_cast<size_t>(second - text);
  return true;
}

}  // namespace

bool XmlFindDeclaredEncoding(const char* text, size_t length, size_t* start, size_t* end) {
  return ValueAt(text, length, FindKey(text, length), start, end);
}

size_t XmlMeasureText(const char* text, const char** key) {
#if XML_SCAN_BY_BLOCKS
  if (!kXmlScanOnValgrind) return MeasureByBlocks(text, key);
#endif
  size_t length = strlen(text);
  *key = FindKey(text, length);
  return length;
}

bool XmlDeclaredEncodingAt(const char* text, size_t length, const char* key, size_t* start, size_t* end) {
  return ValueAt(text, length, key, start, end);
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
