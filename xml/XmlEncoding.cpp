// Named encoding conversions over iconv: GBK and UTF-16 to and from UTF-8.
#include <iconv.h>

#include <cstdlib>
#include <cstring>

#include "xml/XmlText.h"

namespace {

const char kUtf16BeMark[] = "\xFE\xFF";
const char kUtf16LeMark[] = "\xFF\xFE";

bool IsGbk(const char* name) { return strcmp(name, "gb2312") == 0 || strcmp(name, "gbk") == 0; }

// One supported conversion: iconv names, output bytes per input byte and before it, and the
// number of input bytes (a byte-order mark) to skip.
struct Route {
  const char* to;
  const char* from;
  uint32_t factor;
  uint32_t fixed;
  uint32_t skip;
  bool writeMark;
};

bool FindRoute(const char* from, const char* to, const char* bytes, uint32_t length, Route* r) {
  bool fromUtf8 = strcmp(from, "utf-8") == 0;
  bool toUtf8 = strcmp(to, "utf-8") == 0;
  if (IsGbk(from) && toUtf8) {
    *r = Route{"UTF-8", "GBK", 3, 0, 0, false};
  } else if (fromUtf8 && IsGbk(to)) {
    *r = Route{"GBK", "UTF-8", 1, 0, 0, false};
  } else if (strcmp(from, "unicode") == 0 && toUtf8) {
    // glibc's "UTF-16" reads little-endian without a mark; read the mark here, big-endian by default.
    bool le = length >= 2 && memcmp(bytes, kUtf16LeMark, 2) == 0;
    bool be = length >= 2 && memcmp(bytes, kUtf16BeMark, 2) == 0;
    *r = Route{"UTF-8", le ? "UTF-16LE" : "UTF-16BE", 3, 0, (le || be) ? 2u : 0u, false};
  } else if (fromUtf8 && strcmp(to, "unicode") == 0) {
    *r = Route{"UTF-16BE", "UTF-8", 2, 2, 0, true};
  } else {
    return false;
  }
  return true;
}

}  // namespace

int XmlConvertEncoding(const char* fromName, const char* toName, const char* bytes, uint32_t length,
                       char** out, uint32_t* outLength) {
  if (!fromName || !bytes || !out || !outLength) return 0;
  Route route;
  if (!FindRoute(fromName, toName ? toName : fromName, bytes, length, &route)) return 0;
  if (length > (UINT32_MAX - route.fixed - 2) / route.factor) return 0;
  size_t capacity = static_cast<size_t>(length) * route.factor + route.fixed;
  char* block = static_cast<char*>(malloc(capacity + 2));  // room for a two-byte terminator
  if (!block) return 0;
  iconv_t cd = iconv_open(route.to, route.from);
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    free(block);
    return 0;
  }
  char* dst = block;
  if (route.writeMark) {
    memcpy(dst, kUtf16BeMark, 2);
    dst += 2;
  }
  char* src = const_cast<char*>(bytes) + route.skip;
  size_t srcLeft = length - route.skip;
  size_t dstLeft = capacity - static_cast<size_t>(dst - block);
  // A sequence the decoder refuses (or an incomplete one at the end) ends the conversion there.
  iconv(cd, &src, &srcLeft, &dst, &dstLeft);
  iconv_close(cd);
  dst[0] = dst[1] = '\0';
  *out = block;
  *outLength = static_cast<uint32_t>(dst - block);
  return 1;
}

char* XmlConvertFromUtf8(const char* toName, const char* utf8Text) {
  if (!toName || !utf8Text) return nullptr;
  size_t n = strlen(utf8Text);
  if (n > UINT32_MAX) return nullptr;
  char* out = nullptr;
  uint32_t outLength = 0;
  if (!XmlConvertEncoding("utf-8", toName, utf8Text, static_cast<uint32_t>(n), &out, &outLength)) return nullptr;
  if (outLength == 0) {
    free(out);
    return nullptr;
  }
  return out;
}
