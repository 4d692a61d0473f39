// Library-internal: measuring strings a block of 16 bytes at a time.
//
// An aligned 16-byte load never reaches a page that the string does not reach, so a string can be
// read by aligned blocks up to the block holding its terminator, bytes before its start masked
// out. AddressSanitizer sees such loads as overflows, so its builds measure with strlen; under
// valgrind the bytes past the terminator are undefined values that decide a jump, so a process
// running there measures with strlen too (known once, at load).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define XML_HAS_ADDRESS_SANITIZER 1
#endif
#endif
#ifndef XML_HAS_ADDRESS_SANITIZER
#define XML_HAS_ADDRESS_SANITIZER 0
#endif

#if defined(__SSE2__) && !defined(__SANITIZE_ADDRESS__) && !XML_HAS_ADDRESS_SANITIZER
#define XML_SCAN_BY_BLOCKS 1
#include <emmintrin.h>
#else
#define XML_SCAN_BY_BLOCKS 0
#endif

#if XML_SCAN_BY_BLOCKS && defined(__has_include)
#if __has_include(<valgrind/valgrind.h>)
#include <valgrind/valgrind.h>
inline const bool kXmlScanOnValgrind = [] { return RUNNING_ON_VALGRIND != 0; }();
#define XML_SCAN_KNOWS_VALGRIND 1
#endif
#endif
#ifndef XML_SCAN_KNOWS_VALGRIND
inline const bool kXmlScanOnValgrind = false;
#endif

// strlen for the short names and values of parsed elements, inline and without a byte loop.
inline size_t XmlScanLength(const char* s) {
#if XML_SCAN_BY_BLOCKS
  if (kXmlScanOnValgrind) return strlen(s);
  const __m128i zero = _mm_setzero_si128();
  size_t misalign = reinterpret_cast<uintptr_t>(s) & 15;
  const char* block = s - misalign;
  unsigned zeros = static_cast<unsigned>(
      _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_load_si128(reinterpret_cast<const __m128i*>(block)), zero)));
  zeros &= 0xFFFFu << misalign;
  while (!zeros) {
    block += 16;
    zeros = static_cast<unsigned>(
        _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_load_si128(reinterpret_cast<const __m128i*>(block)), zero)));
  }
  return static_cast<size_t>(block + __builtin_ctz(zeros) - s);
#else
  return strlen(s);
#endif
}
