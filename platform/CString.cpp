#include "platform/CString.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/Mbcs.h"

namespace {

StringTableLookup g_stringTable = nullptr;

// Calls fn(index, charLength) for every character in order; stops when fn returns false.
template <typename Fn>
void ForEachChar(const std::string& s, size_t start, Fn fn) {
  for (size_t i = start; i < s.size();) {
    size_t n = mbcs::CharLength(s.data(), s.size(), i);
    if (!fn(i, n)) return;
    i += n;
  }
}

// Moves a byte index forward to a character boundary.
size_t AlignToChar(const std::string& s, size_t start) {
  size_t result = s.size();
  ForEachChar(s, 0, [&](size_t i, size_t) {
    if (i < start) return true;
    result = i;
    return false;
  });
  return result;
}

bool InSet(const std::string& s, size_t i, size_t n, const char* chars) {
  if (n != 1 || chars == nullptr) return false;
  return s[i] != '\0' && strchr(chars, s[i]) != nullptr;
}

int FoldAscii(int c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; }

}  // namespace

void SetStringTableLookup(StringTableLookup lookup) { g_stringTable = lookup; }

int CString::Compare(const char* text) const { return strcmp(s_.c_str(), text ? text : ""); }

int CString::CompareNoCase(const char* text) const {
  const unsigned char* a = (const unsigned char*)s_.c_str();
  const unsigned char* b = (const unsigned char*)(text ? text : "");
  for (;;) {
    if (mbcs::IsLeadByte(*a) && a[1] && mbcs::IsLeadByte(*b) && b[1]) {
      // Two double-byte characters: their trail bytes are never case-folded.
      if (a[0] != b[0] || a[1] != b[1]) return a[0] != b[0] ? a[0] - b[0] : a[1] - b[1];
      a += 2, b += 2;
      continue;
    }
    int ca = FoldAscii(*a), cb = FoldAscii(*b);
    if (ca != cb || ca == 0) return ca - cb;
    ++a, ++b;
  }
}

int CString::Find(char ch, int start) const {
  if (start < 0) start = 0;
  int found = -1;
  ForEachChar(s_, AlignToChar(s_, start), [&](size_t i, size_t n) {
    if (n == 1 && s_[i] == ch) found = (int)i;
    return found < 0;
  });
  return found;
}

int CString::Find(const char* sub, int start) const {
  if (sub == nullptr) return -1;
  if (start < 0) start = 0;
  size_t subLen = strlen(sub);
  int found = -1;
  ForEachChar(s_, AlignToChar(s_, start), [&](size_t i, size_t) {
    if (s_.compare(i, subLen, sub) == 0 && i + subLen <= s_.size()) found = (int)i;
    return found < 0;
  });
  return found;
}

int CString::ReverseFind(char ch) const {
  int found = -1;
  ForEachChar(s_, 0, [&](size_t i, size_t n) {
    if (n == 1 && s_[i] == ch) found = (int)i;
    return true;
  });
  return found;
}

int CString::FindOneOf(const char* chars) const {
  int found = -1;
  ForEachChar(s_, 0, [&](size_t i, size_t n) {
    if (InSet(s_, i, n, chars)) found = (int)i;
    return found < 0;
  });
  return found;
}

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const {
  if (first < 0) first = 0;
  if (count < 0) count = 0;
  if (first >= GetLength()) return CString();
  return CString(s_.substr(first, std::min(count, GetLength() - first)));
}

CString CString::Left(int count) const { return Mid(0, count); }

CString CString::Right(int count) const {
  if (count < 0) count = 0;
  if (count >= GetLength()) return *this;
  return CString(s_.substr(s_.size() - count));
}

CString CString::SpanIncluding(const char* chars) const {
  size_t end = s_.size();
  ForEachChar(s_, 0, [&](size_t i, size_t n) {
    if (InSet(s_, i, n, chars)) return true;
    end = i;
    return false;
  });
  return CString(s_.substr(0, end));
}

CString CString::SpanExcluding(const char* chars) const {
  int at = FindOneOf(chars);
  return at < 0 ? *this : Left(at);
}

CString CString::Tokenize(const char* delims, int& start) const {
  if (start < 0 || start >= GetLength()) {
    start = -1;
    return CString();
  }
  size_t from = start;
  while (from < s_.size() && InSet(s_, from, 1, delims)) ++from;
  if (from >= s_.size()) {
    start = -1;
    return CString();
  }
  size_t end = s_.size();
  ForEachChar(s_, from, [&](size_t i, size_t n) {
    if (!InSet(s_, i, n, delims)) return true;
    end = i;
    return false;
  });
  start = (int)std::min(end + 1, s_.size());
  return CString(s_.substr(from, end - from));
}

CString& CString::MakeUpper() {
  ForEachChar(s_, 0, [&](size_t i, size_t n) {
    if (n == 1 && s_[i] >= 'a' && s_[i] <= 'z') s_[i] -= 32;
    return true;
  });
  return *this;
}

CString& CString::MakeLower() {
  ForEachChar(s_, 0, [&](size_t i, size_t n) {
    if (n == 1) s_[i] = (char)FoldAscii((unsigned char)s_[i]);
    return true;
  });
  return *this;
}

CString& CString::MakeReverse() {
  std::vector<std::string> chars;
  ForEachChar(s_, 0, [&](size_t i, size_t n) {
    chars.push_back(s_.substr(i, n));
    return true;
  });
  s_.clear();
  for (auto it = chars.rbegin(); it != chars.rend(); ++it) s_ += *it;
  return *this;
}

static const char kWhitespace[] = " \t\r\n\v\f";

CString& CString::Trim() { return TrimRight().TrimLeft(); }
CString& CString::Trim(char ch) { return TrimRight(ch).TrimLeft(ch); }
CString& CString::Trim(const char* chars) { return TrimRight(chars).TrimLeft(chars); }
CString& CString::TrimLeft() { return TrimLeft(kWhitespace); }
CString& CString::TrimRight() { return TrimRight(kWhitespace); }

CString& CString::TrimLeft(char ch) {
  const char set[2] = {ch, 0};
  return TrimLeft(set);
}

CString& CString::TrimRight(char ch) {
  const char set[2] = {ch, 0};
  return TrimRight(set);
}

CString& CString::TrimLeft(const char* chars) {
  size_t from = s_.size();
  ForEachChar(s_, 0, [&](size_t i, size_t n) {
    if (InSet(s_, i, n, chars)) return true;
    from = i;
    return false;
  });
  s_.erase(0, from);
  return *this;
}

CString& CString::TrimRight(const char* chars) {
  size_t end = 0;
  ForEachChar(s_, 0, [&](size_t i, size_t n) {
    if (!InSet(s_, i, n, chars)) end = i + n;
    return true;
  });
  s_.erase(end);
  return *this;
}

int CString::Replace(char oldCh, char newCh) {
  int count = 0;
  ForEachChar(s_, 0, [&](size_t i, size_t n) {
    if (n == 1 && s_[i] == oldCh) {
      s_[i] = newCh;
      ++count;
    }
    return true;
  });
  return count;
}

int CString::Replace(const char* oldText, const char* newText) {
  if (oldText == nullptr || *oldText == '\0') return 0;
  std::string out;
  size_t oldLen = strlen(oldText);
  int count = 0;
  size_t skipUntil = 0;
  ForEachChar(s_, 0, [&](size_t i, size_t n) {
    if (i < skipUntil) return true;
    if (s_.compare(i, oldLen, oldText) == 0 && i + oldLen <= s_.size()) {
      out += newText ? newText : "";
      skipUntil = i + oldLen;
      ++count;
    } else {
      out.append(s_, i, n);
    }
    return true;
  });
  if (count > 0) s_.swap(out);
  return count;
}

int CString::Remove(char ch) {
  std::string out;
  int count = 0;
  ForEachChar(s_, 0, [&](size_t i, size_t n) {
    if (n == 1 && s_[i] == ch)
      ++count;
    else
      out.append(s_, i, n);
    return true;
  });
  s_.swap(out);
  return count;
}

int CString::Insert(int index, char ch) {
  const char text[2] = {ch, 0};
  return Insert(index, text);
}

int CString::Insert(int index, const char* text) {
  if (index < 0) index = 0;
  if (index > GetLength()) index = GetLength();
  s_.insert(index, text ? text : "");
  return GetLength();
}

int CString::Delete(int index, int count) {
  if (index < 0) index = 0;
  if (count > 0 && index < GetLength()) s_.erase(index, count);
  return GetLength();
}

void CString::FormatV(const char* format, va_list args) {
  va_list copy;
  va_copy(copy, args);
  int n = vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  if (n < 0) {
    s_.clear();
    return;
  }
  std::string out(n + 1, '\0');
  vsnprintf(&out[0], n + 1, format, args);
  out.resize(n);
  s_.swap(out);
}

void CString::Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  FormatV(format, args);
  va_end(args);
}

void CString::AppendFormat(const char* format, ...) {
  CString tail;
  va_list args;
  va_start(args, format);
  tail.FormatV(format, args);
  va_end(args);
  s_ += tail.s_;
}

BOOL CString::LoadString(UINT id) {
  const char* text = g_stringTable ? g_stringTable(id) : nullptr;
  if (text == nullptr) return FALSE;
  s_ = text;
  return TRUE;
}

char* CString::GetBuffer(int minLength) {
  if (minLength > GetLength()) s_.resize(minLength);
  return &s_[0];
}

char* CString::GetBufferSetLength(int length) {
  s_.resize(length > 0 ? length : 0);
  return &s_[0];
}

void CString::ReleaseBuffer(int newLength) {
  if (newLength < 0) newLength = (int)strnlen(s_.c_str(), s_.size());
  s_.resize(std::min<size_t>(newLength, s_.size()));
}

CString operator+(const CString& a, const CString& b) { return CString(a.str() + b.str()); }
CString operator+(const CString& a, const char* b) { return CString(a.str() + (b ? b : "")); }
CString operator+(const char* a, const CString& b) { return CString((a ? a : "") + b.str()); }
CString operator+(const CString& a, char b) { return CString(a.str() + b); }
CString operator+(char a, const CString& b) { return CString(a + b.str()); }
bool operator==(const CString& a, const CString& b) { return a.str() == b.str(); }
bool operator==(const CString& a, const char* b) { return a.Compare(b) == 0; }
bool operator==(const char* a, const CString& b) { return b.Compare(a) == 0; }
bool operator!=(const CString& a, const CString& b) { return !(a == b); }
bool operator!=(const CString& a, const char* b) { return !(a == b); }
bool operator!=(const char* a, const CString& b) { return !(a == b); }
bool operator<(const CString& a, const CString& b) { return a.str() < b.str(); }
bool operator>(const CString& a, const CString& b) { return a.str() > b.str(); }
