#include "host/relay/QuotedText.h"

#include <cstdio>
#include <cstring>

#include "platform/Charset.h"

namespace host {

std::string QuoteGbk(const char* gbk) {
  if (!gbk) return "NULL";
  std::string out = "\"";
  for (char c : charset::GbkToUtf8(gbk)) {
    if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else if (c == '\t') out += "\\t";
    else if (c == '"' || c == '\\') out += std::string("\\") + c;
    else if (static_cast<unsigned char>(c) < 0x20) {
      char code[8];
      std::snprintf(code, sizeof code, "\\x%x", static_cast<unsigned>(static_cast<unsigned char>(c)));
      out += code;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string QuoteField(const char* field, size_t size) {
  return QuoteGbk(std::string(field, strnlen(field, size)).c_str());
}

}  // namespace host
