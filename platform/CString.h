// CString: a narrow string of code page 936 (GBK) bytes with the MFC interface the module uses.
// Searching and case changes respect double-byte characters: a trail byte never matches an
// ASCII character and is never case-folded.
#pragma once

#include <cstdarg>
#include <string>

#include "platform/Win32Types.h"

class CString {
 public:
  CString() = default;
  CString(const char* text) : s_(text ? text : "") {}  // NOLINT: implicit as in MFC
  CString(const char* text, int len) : s_(text ? std::string(text, len > 0 ? len : 0) : "") {}
  CString(char ch, int repeat = 1) : s_(repeat > 0 ? repeat : 0, ch) {}
  CString(const std::string& s) : s_(s) {}  // NOLINT

  int GetLength() const { return (int)s_.size(); }
  bool IsEmpty() const { return s_.empty(); }
  void Empty() { s_.clear(); }
  char GetAt(int i) const { return s_.at(i); }
  void SetAt(int i, char ch) { s_.at(i) = ch; }
  char operator[](int i) const { return s_.at(i); }
  operator LPCTSTR() const { return s_.c_str(); }
  const char* GetString() const { return s_.c_str(); }
  const std::string& str() const { return s_; }

  CString& operator=(const char* text) { s_ = text ? text : ""; return *this; }
  CString& operator=(char ch) { s_.assign(1, ch); return *this; }
  CString& operator+=(const CString& other) { s_ += other.s_; return *this; }
  CString& operator+=(const char* text) { if (text) s_ += text; return *this; }
  CString& operator+=(char ch) { s_ += ch; return *this; }

  int Compare(const char* text) const;
  int CompareNoCase(const char* text) const;
  int Collate(const char* text) const { return Compare(text); }

  // Searches return the byte index or -1.
  int Find(char ch, int start = 0) const;
  int Find(const char* sub, int start = 0) const;
  int ReverseFind(char ch) const;
  int FindOneOf(const char* chars) const;

  CString Mid(int first) const;
  CString Mid(int first, int count) const;
  CString Left(int count) const;
  CString Right(int count) const;
  CString SpanIncluding(const char* chars) const;
  CString SpanExcluding(const char* chars) const;
  CString Tokenize(const char* delims, int& start) const;

  CString& MakeUpper();
  CString& MakeLower();
  CString& MakeReverse();
  CString& Trim();
  CString& Trim(char ch);
  CString& Trim(const char* chars);
  CString& TrimLeft();
  CString& TrimLeft(char ch);
  CString& TrimLeft(const char* chars);
  CString& TrimRight();
  CString& TrimRight(char ch);
  CString& TrimRight(const char* chars);

  int Replace(char oldCh, char newCh);
  int Replace(const char* oldText, const char* newText);
  int Remove(char ch);
  int Insert(int index, char ch);
  int Insert(int index, const char* text);
  int Delete(int index, int count = 1);

  void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
  void AppendFormat(const char* format, ...) __attribute__((format(printf, 2, 3)));
  void FormatV(const char* format, va_list args);
  void Append(const char* text, int len) { if (text && len > 0) s_.append(text, len); }

  // Loads a text of the module's string table; FALSE when the id is unknown.
  BOOL LoadString(UINT id);

  // A writable buffer of at least minLength + 1 bytes; ReleaseBuffer(-1) takes the length up
  // to the first NUL (within the buffer), ReleaseBuffer(n) takes n bytes.
  char* GetBuffer(int minLength = 0);
  char* GetBufferSetLength(int length);
  void ReleaseBuffer(int newLength = -1);

 private:
  std::string s_;
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, const char* b);
CString operator+(const char* a, const CString& b);
CString operator+(const CString& a, char b);
CString operator+(char a, const CString& b);
bool operator==(const CString& a, const CString& b);
bool operator==(const CString& a, const char* b);
bool operator==(const char* a, const CString& b);
bool operator!=(const CString& a, const CString& b);
bool operator!=(const CString& a, const char* b);
bool operator!=(const char* a, const CString& b);
bool operator<(const CString& a, const CString& b);
bool operator>(const CString& a, const CString& b);

// The string table hook: res/ registers the module's texts; LoadString reads them.
typedef const char* (*StringTableLookup)(UINT id);
void SetStringTableLookup(StringTableLookup lookup);
