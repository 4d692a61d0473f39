#include "platform/Charset.h"

#include <iconv.h>

#include <cerrno>

namespace charset {
namespace {

// Runs iconv over the whole input; with lenient, each bad input byte becomes '?'.
bool Convert(const char* to, const char* from, const std::string& in, std::string* out, bool lenient) {
  iconv_t cd = iconv_open(to, from);
  if (cd == (iconv_t)-1) return false;
  std::string result;
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  char buf[1024];
  bool ok = true;
  while (srcLeft > 0) {
    char* dst = buf;
    size_t dstLeft = sizeof buf;
    size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    result.append(buf, dst - buf);
    if (rc != (size_t)-1 || errno == E2BIG) continue;
    if (!lenient) {
      ok = false;
      break;
    }
    result += '?';
    ++src;
    --srcLeft;
  }
  iconv_close(cd);
  if (ok) out->swap(result);
  return ok;
}

}  // namespace

std::string GbkToUtf8(const std::string& gbk) {
  std::string out;
  Convert("UTF-8", "GBK", gbk, &out, true);
  return out;
}

std::string Utf8ToGbk(const std::string& utf8) {
  std::string out;
  Convert("GBK", "UTF-8", utf8, &out, true);
  return out;
}

bool TryGbkToUtf8(const std::string& gbk, std::string* out) { return Convert("UTF-8", "GBK", gbk, out, false); }

bool TryUtf8ToGbk(const std::string& utf8, std::string* out) { return Convert("GBK", "UTF-8", utf8, out, false); }

}  // namespace charset
