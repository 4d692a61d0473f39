// Text utilities: heap strings, the growable buffer, the formatter, the builder, declarations and
// encoding conversions.
#include <gtest/gtest.h>

#include <string>

#include "tests/xml/XmlTestUtil.h"

using namespace xmltest;

namespace {

std::string Bytes(const char* data, uint32_t n) { return std::string(data, n); }

std::string Convert(const char* from, const char* to, const std::string& in) {
  char* out = nullptr;
  uint32_t n = 0;
  if (!XmlConvertEncoding(from, to, in.data(), static_cast<uint32_t>(in.size()), &out, &n)) return "(none)";
  std::string result(out, n);
  free(out);
  return result;
}

TEST(XmlTextUtil, HeapStrings) {
  EXPECT_EQ(XmlStrDup(nullptr), nullptr);
  Owned joined(XmlStrAppend(XmlStrDup("ab"), "cd"));
  EXPECT_STREQ(joined.get(), "abcd");
  Owned fromNull(XmlStrAppend(nullptr, "x"));
  EXPECT_STREQ(fromNull.get(), "x");
  Owned unchanged(XmlStrAppend(XmlStrDup("same"), nullptr));
  EXPECT_STREQ(unchanged.get(), "same");
}

TEST(XmlTextUtil, GrowableBuffer) {
  uint32_t capacity = 0;
  uint32_t length = 0;
  char* block = XmlBufAppend(nullptr, &capacity, &length, "start");
  EXPECT_EQ(capacity, 256u);
  std::string expected = "start";
  for (int i = 0; i < 60; ++i) {
    block = XmlBufAppend(block, &capacity, &length, "0123456789");
    expected += "0123456789";
  }
  EXPECT_EQ(capacity, 1024u);  // doubled
  block = XmlBufAppend(block, &capacity, &length, "");
  block = XmlBufAppendBytes(block, &capacity, &length, "xyz", 2);
  expected += "xy";
  EXPECT_EQ(std::string(block), expected);
  EXPECT_EQ(length, expected.size());
  free(block);

  capacity = length = 0;
  block = XmlBufAppendBytes(nullptr, &capacity, &length, std::string(300, 'b').c_str(), 300);
  EXPECT_EQ(capacity, 512u);  // steps of 256
  free(block);
}

TEST(XmlTextUtil, Formatter) {
  Owned a(XmlFormat("a%db%sc%%", 7, "x"));
  EXPECT_STREQ(a.get(), "a7bxc%");
  Owned b(XmlFormat("%s|%s|%d|%q|end%", static_cast<const char*>(nullptr), "", -5));
  EXPECT_STREQ(b.get(), "||-5|q|end");
  std::string longText(1000, 'z');
  Owned c(XmlFormat("<%s>", longText.c_str()));
  EXPECT_EQ(std::string(c.get()), "<" + longText + ">");
  EXPECT_EQ(XmlFormat(nullptr), nullptr);
}

TEST(XmlTextUtil, BuilderEscapesAndGrows) {
  XmlStringBuilder b;
  XmlStringBuilderInit(&b);
  EXPECT_EQ(XmlStringBuilderCopy(&b), nullptr);
  XmlStringBuilderAppendEscaped("a<b&\"c'>", &b);
  Owned escaped(XmlStringBuilderCopy(&b));
  EXPECT_STREQ(escaped.get(), "a&lt;b&amp;&quot;c&apos;&gt;");
  EXPECT_EQ(b.capacity, 2048u);
  std::string big(5000, 'q');
  XmlStringBuilderAppend(big.c_str(), &b);
  EXPECT_EQ(b.capacity, 8192u);
  EXPECT_EQ(XmlStringBuilderLength(&b), 5000u + 28u);
  XmlStringBuilderFree(&b);
  EXPECT_EQ(b.start, nullptr);
  EXPECT_EQ(XmlStringBuilderLength(&b), 0u);
}

TEST(XmlTextUtil, Declarations) {
  char* out = nullptr;
  ASSERT_TRUE(XmlWithDeclaration("gbk", "<a/>", &out));
  EXPECT_STREQ(out, "<?xml version=\"1.0\" encoding=\"gbk\" ?><a/>");
  free(out);
  ASSERT_TRUE(XmlWithDeclaration(nullptr, "<a/>", &out));
  EXPECT_STREQ(out, "<a/>");
  free(out);
  ASSERT_TRUE(XmlReplaceDeclaredEncoding("utf-8", "<?xml version=\"1.0\" encoding=\"gb2312\"?><a/>", &out));
  EXPECT_STREQ(out, "<?xml version=\"1.0\" encoding=\"utf-8\"?><a/>");
  free(out);
  out = nullptr;
  EXPECT_FALSE(XmlReplaceDeclaredEncoding("utf-8", "<?xml version='1.0' encoding='gbk'?><a/>", &out));
  EXPECT_EQ(out, nullptr);
}

TEST(XmlTextUtil, ConvertEncodingPairs) {
  EXPECT_EQ(Convert("utf-8", "unicode", "A"), Bytes("\xFE\xFF\x00\x41", 4));
  EXPECT_EQ(Convert("unicode", "utf-8", Bytes("\xFE\xFF\x4F\x60", 4)), u8"你");
  EXPECT_EQ(Convert("unicode", "utf-8", Bytes("\xFF\xFE\x60\x4F", 4)), u8"你");
  EXPECT_EQ(Convert("unicode", "utf-8", Bytes("\x4F\x60\x00\x41", 4)), u8"你A");  // big-endian without mark
  EXPECT_EQ(Convert("gbk", "utf-8", "\xC4\xE3\xBA\xC3"), u8"你好");
  EXPECT_EQ(Convert("gb2312", "utf-8", "\xC4\xE3"), u8"你");
  EXPECT_EQ(Convert("utf-8", "gbk", u8"你好x"), "\xC4\xE3\xBA\xC3x");
  EXPECT_EQ(Convert("gbk", "utf-8", "ok\xC4\xE3\xFF\xC4\xE3"), u8"ok你");  // stops at the refused byte
  EXPECT_EQ(Convert("utf-8", nullptr, "x"), "(none)");
  EXPECT_EQ(Convert("latin1", "utf-8", "x"), "(none)");
  EXPECT_EQ(Convert("UTF-8", "gbk", "x"), "(none)");  // names are lower case
}

TEST(XmlTextUtil, ConvertFromUtf8IsTerminated) {
  Owned gbk(XmlConvertFromUtf8("gbk", u8"系统"));
  EXPECT_STREQ(gbk.get(), "系统");  // narrow literals are GBK
  Owned wide(XmlConvertFromUtf8("unicode", "AB"));
  EXPECT_EQ(Bytes(wide.get(), 8), Bytes("\xFE\xFF\x00\x41\x00\x42\x00\x00", 8));
  EXPECT_EQ(XmlConvertFromUtf8("gbk", ""), nullptr);
  EXPECT_EQ(XmlConvertFromUtf8("gbk", "\xFF"), nullptr);
  EXPECT_EQ(XmlConvertFromUtf8(nullptr, "x"), nullptr);
}

}  // namespace
