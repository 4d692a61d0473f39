// Input encodings: UTF-8 with and without mark, declared GBK, UTF-16 with mark. Delivered
// strings are always UTF-8.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/xml/XmlTestUtil.h"
#include "xml/XmlDeclared.h"

using namespace xmltest;

namespace {

const char kGbkNiHao[] = "\xC4\xE3\xBA\xC3";  // 你好 in GBK
const char kUtf8NiHao[] = u8"你好";

std::string Utf16(const std::u16string& text, bool bigEndian) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t unit : text) {
    char high = static_cast<char>(unit >> 8);
    char low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}

std::string Value(XmlElement* e, const char* name) { return Str(XmlGetAttribute(e, name)); }

TEST(XmlLoadEncoding, Utf8WithAndWithoutMark) {
  std::string doc = std::string("<a v=\"") + kUtf8NiHao + "\"/>";
  Tree plain(XmlLoadString(doc.c_str()));
  Tree marked(XmlLoadString(("\xEF\xBB\xBF" + doc).c_str()));
  ASSERT_TRUE(plain && marked);
  EXPECT_EQ(Value(plain.get(), "v"), kUtf8NiHao);
  EXPECT_EQ(Value(marked.get(), "v"), kUtf8NiHao);
  Tree skipped(XmlLoadString("\xEF\xBB\xBF junk before <a/>"));
  EXPECT_TRUE(skipped);
  EXPECT_EQ(XmlLoadString("\xEF\xBB\xBF no element"), nullptr);
}

TEST(XmlLoadEncoding, DeclaredGbkIsConverted) {
  for (const char* declared : {"GBK", "gbk", "gb2312", "GB2312"}) {
    std::string doc = std::string("<?xml version=\"1.0\" encoding=\"") + declared + "\"?><a v=\"" + kGbkNiHao + "\">" +
                      kGbkNiHao + "</a>";
    Tree t(XmlLoadString(doc.c_str()));
    ASSERT_TRUE(t) << declared;
    EXPECT_EQ(Value(t.get(), "v"), kUtf8NiHao);
    EXPECT_EQ(Str(XmlElementText(t.get())), kUtf8NiHao);
  }
}

TEST(XmlLoadEncoding, NarrowLiteralsAreGbk) {
  // Narrow literals in this project are compiled to GBK, as the module's own texts are.
  Tree t(XmlLoadString("<?xml version=\"1.0\" encoding=\"gbk\"?><a>系统忙，请稍后重试！</a>"));
  ASSERT_TRUE(t);
  EXPECT_EQ(Str(XmlElementText(t.get())), u8"系统忙，请稍后重试！");
}

TEST(XmlLoadEncoding, OnlyDoubleQuotedDeclarationsCount) {
  std::string body = std::string("<a>") + kGbkNiHao + "</a>";
  EXPECT_EQ(XmlLoadString(("<?xml version='1.0' encoding='gbk'?>" + body).c_str()), nullptr);
  EXPECT_EQ(XmlLoadString(("<?xml version=\"1.0\" encoding= \"gbk\"?>" + body).c_str()), nullptr);
  Tree latin(XmlLoadString("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a>plain</a>"));
  EXPECT_TRUE(latin);
  // The first "encoding=" anywhere counts, even an attribute of the document.
  Tree attribute(XmlLoadString((std::string("<a encoding=\"gbk\">") + kGbkNiHao + "</a>").c_str()));
  ASSERT_TRUE(attribute);
  EXPECT_EQ(Str(XmlElementText(attribute.get())), kUtf8NiHao);
  // An unclosed value is not a declaration: the scan stops at the end of the text.
  Tree unclosed(XmlLoadString("<a>encoding=\"gbk</a>"));
  ASSERT_TRUE(unclosed);
  EXPECT_STREQ(XmlElementText(unclosed.get()), "encoding=\"gbk");
}

// Measuring a text and finding its first "encoding=" in one pass agrees with strlen and strstr
// for every alignment of the text, length, and place of the key (also split across blocks).
TEST(XmlLoadEncoding, MeasuringAgreesWithStrlenAndStrstr) {
  alignas(16) char buffer[160];
  for (size_t start = 0; start < 16; ++start) {
    for (size_t length = 0; length < 70; ++length) {
      for (size_t key = 0; key <= length; key += 3) {
        memset(buffer, 'e', sizeof buffer);
        if (start >= 9) memcpy(buffer, "encoding=", 9);  // before the text: not part of it
        char* text = buffer + start;
        memcpy(text + length + 1, "encoding=", 9);    // after its end: not part of it either
        if (key + 9 <= length) memcpy(text + key, "encoding=", 9);
        if (key + 18 <= length) memcpy(text + key + 9, "encoding=", 9);
        text[length] = '\0';
        const char* found = nullptr;
        ASSERT_EQ(XmlMeasureText(text, &found), length) << start << " " << length;
        ASSERT_EQ(found, strstr(text, "encoding=")) << start << " " << length << " " << key;
      }
    }
  }
}

// The search for "encoding=" finds it at every offset of long and short texts, after look-alikes.
TEST(XmlLoadEncoding, DeclarationFoundAtEveryOffset) {
  for (size_t pad = 0; pad < 40; ++pad) {
    std::string head = "<a x=\"" + std::string(pad, 'e') + "encodin= encoding \" ";
    for (const std::string& tail : {std::string(), std::string(64, ' ')}) {
      std::string doc = head + "encoding=\"gbk\" p=\"\">" + kGbkNiHao + "</a>" + tail;
      Tree t(XmlLoadString(doc.c_str()));
      ASSERT_TRUE(t) << doc;
      EXPECT_EQ(Str(XmlElementText(t.get())), kUtf8NiHao) << doc;
      Tree buffered(XmlLoadBuffer(doc.c_str(), static_cast<uint32_t>(doc.size())));
      EXPECT_EQ(Str(XmlElementText(buffered.get())), kUtf8NiHao) << doc;
    }
  }
}

TEST(XmlLoadEncoding, InvalidGbkEndsTheConvertedText) {
  std::string doc = std::string("<?xml version=\"1.0\" encoding=\"gbk\"?><a>") + kGbkNiHao + "\xFF\xFF" + "</a>";
  EXPECT_EQ(XmlLoadString(doc.c_str()), nullptr);
  std::string cutInLead = std::string("<?xml version=\"1.0\" encoding=\"gbk\"?><a>\xC4") + "</a>";
  EXPECT_EQ(XmlLoadString(cutInLead.c_str()), nullptr);
  // What was converted before the bad bytes is parsed: a complete document still loads.
  Tree complete(XmlLoadString("<?xml version=\"1.0\" encoding=\"gbk\"?><a/>\xFF"));
  EXPECT_TRUE(complete);
}

TEST(XmlLoadEncoding, Utf16WithMarkNeedsTheBufferLength) {
  for (bool bigEndian : {false, true}) {
    std::string doc = Utf16(u"<?xml version=\"1.0\" encoding=\"UTF-16\"?><a v=\"你好\">\U0001F600</a>", bigEndian);
    Tree t(XmlLoadBuffer(doc.data(), static_cast<uint32_t>(doc.size())));
    ASSERT_TRUE(t) << bigEndian;
    EXPECT_EQ(Value(t.get(), "v"), kUtf8NiHao);
    EXPECT_EQ(Str(XmlElementText(t.get())), u8"\U0001F600");
    EXPECT_EQ(XmlLoadString(doc.c_str()), nullptr);  // strlen stops at the first zero byte
    std::string odd = doc + "<";
    Tree oddLength(XmlLoadBuffer(odd.data(), static_cast<uint32_t>(odd.size())));
    EXPECT_TRUE(oddLength) << bigEndian;
  }
}

TEST(XmlLoadEncoding, TruncatedUtf16Fails) {
  std::string doc = Utf16(u"<a>text</a>", true);
  EXPECT_EQ(XmlLoadBuffer(doc.data(), static_cast<uint32_t>(doc.size() - 4)), nullptr);
  EXPECT_EQ(XmlLoadBuffer(doc.data(), 2), nullptr);
}

TEST(XmlLoadEncoding, InvalidUtf8WithoutDeclarationFails) {
  EXPECT_EQ(XmlLoadString((std::string("<a>") + kGbkNiHao + "</a>").c_str()), nullptr);
}

}  // namespace
