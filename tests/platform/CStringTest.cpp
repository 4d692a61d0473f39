#include <gtest/gtest.h>

#include "platform/CString.h"
#include "platform/Mbcs.h"

// "中" in GBK is D6 D0; "\x81\x5c" is a double-byte character whose trail byte is '\\'.
static const char kZhong[] = "\xD6\xD0";
static const char kTrailBackslash[] = "\x81\x5c";

TEST(CString, SearchesNeverMatchTrailBytes) {
  CString s = CString(kTrailBackslash) + "\\x";
  EXPECT_EQ(2, s.Find('\\'));
  EXPECT_EQ(2, s.ReverseFind('\\'));
  EXPECT_EQ(2, s.Find("\\x"));
  EXPECT_EQ(2, s.FindOneOf("\\"));
  EXPECT_EQ(1, s.Replace("\\", "/"));
  EXPECT_STREQ("\x81\x5c/x", s);
}

TEST(CString, CaseChangesLeaveDoubleByteCharactersAlone) {
  // 0x81 0x41 has an ASCII 'A' as its trail byte.
  CString s("\x81\x41" "Ab");
  s.MakeLower();
  EXPECT_STREQ("\x81\x41" "ab", s);
  s.MakeUpper();
  EXPECT_STREQ("\x81\x41" "AB", s);
  EXPECT_EQ(0, CString("SIP:A").CompareNoCase("sip:a"));
  EXPECT_NE(0, CString("sip:b").CompareNoCase("sip:a"));
}

TEST(CString, MidLeftRightClampOutOfRange) {
  CString s("abcdef");
  EXPECT_STREQ("cd", s.Mid(2, 2));
  EXPECT_STREQ("", s.Mid(10));
  EXPECT_STREQ("abcdef", s.Left(100));
  EXPECT_STREQ("", s.Left(-1));
  EXPECT_STREQ("ef", s.Right(2));
  EXPECT_STREQ("abcdef", s.Right(9));
}

TEST(CString, TrimAndTokenize) {
  CString s("  a b \r\n");
  s.Trim();
  EXPECT_STREQ("a b", s);
  CString list("x;;y;z");
  int pos = 0;
  EXPECT_STREQ("x", list.Tokenize(";", pos));
  EXPECT_STREQ("y", list.Tokenize(";", pos));
  EXPECT_STREQ("z", list.Tokenize(";", pos));
  EXPECT_STREQ("", list.Tokenize(";", pos));
  EXPECT_EQ(-1, pos);
}

TEST(CString, FormatAndBuffers) {
  CString s;
  s.Format("%d-%02d-%s", 2026, 7, "x");
  EXPECT_STREQ("2026-07-x", s);
  char* buf = s.GetBuffer(64);
  strcpy(buf, "short");
  s.ReleaseBuffer();
  EXPECT_EQ(5, s.GetLength());
  s.AppendFormat("%c", '!');
  EXPECT_STREQ("short!", s);
}

TEST(Mbcs, CopyLimitedNeverSplitsADoubleByteCharacter) {
  char field[4];
  // "a" + 中 + 中: 5 bytes; 3 fit, but the third byte would be half of the second 中.
  std::string text = std::string("a") + kZhong + kZhong;
  EXPECT_EQ(3u, mbcs::CopyLimited(field, sizeof field, text.c_str()));
  EXPECT_EQ(std::string("a") + kZhong, field);
  char tiny[3];
  EXPECT_EQ(1u, mbcs::CopyLimited(tiny, sizeof tiny, text.c_str()));
  EXPECT_STREQ("a", tiny);
  EXPECT_EQ(0u, mbcs::CopyLimited(tiny, sizeof tiny, nullptr));
  EXPECT_STREQ("", tiny);
}
