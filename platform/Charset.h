// Conversions between code page 936 (GBK) and UTF-8 over iconv, for the edges that need UTF-8:
// glyph rendering, terminal output and file names.
#pragma once

#include <string>

namespace charset {

// Converts; an invalid or incomplete sequence is replaced by '?' so the result is always usable.
std::string GbkToUtf8(const std::string& gbk);
std::string Utf8ToGbk(const std::string& utf8);

// Strict conversion: false (and out untouched) when the input is not valid in its encoding.
bool TryGbkToUtf8(const std::string& gbk, std::string* out);
bool TryUtf8ToGbk(const std::string& utf8, std::string* out);

}  // namespace charset
