// The shapes of delivered trees: where character data ends up, and what the readers see.
#include <gtest/gtest.h>
#include <unistd.h>

#include "tests/xml/XmlTestUtil.h"

using namespace xmltest;

namespace {

TEST(XmlLoadShape, TextOnlyContentIsTheElementsText) {
  EXPECT_EQ(LoadDump("<a>x<!--comment-->y</a>"), "a \"xy\"\n");
  EXPECT_EQ(LoadDump("<a> </a>"), "a \" \"\n");
  EXPECT_EQ(LoadDump("<a>a&amp;b&lt;&#x41;</a>"), "a \"a&b<A\"\n");
  EXPECT_EQ(LoadDump("<a>x<![CDATA[<y>&amp;]]>z</a>"), "a \"x<y>&amp;z\"\n");
  EXPECT_EQ(LoadDump("<a>x<?target data?>y</a>"), "a \"xy\"\n");
  EXPECT_EQ(LoadDump("<a>line1\r\nline2</a>"), "a \"line1\nline2\"\n");
}

TEST(XmlLoadShape, EmptyElementsHaveNoText) {
  Tree t(XmlLoadString("<a><b/><c></c></a>"));
  ASSERT_TRUE(t);
  EXPECT_EQ(XmlElementText(t.get()), nullptr);
  EXPECT_EQ(XmlElementText(XmlFirstChildElement(t.get())), nullptr);
  EXPECT_EQ(XmlElementText(XmlNextSiblingElement(XmlFirstChildElement(t.get()))), nullptr);
  EXPECT_FALSE(XmlHasChildren(XmlFirstChildElement(t.get())));
}

TEST(XmlLoadShape, RunsBetweenChildElementsBecomeTextNodes) {
  Tree t(XmlLoadString("<a>\n  <b>1</b>\n  <c/>\n</a>"));
  ASSERT_TRUE(t);
  EXPECT_EQ(Dump(t.get()), "a\n  # \"\n  \"\n  b \"1\"\n  # \"\n  \"\n  c\n  # \"\n\"\n");
  XmlElement* b = XmlFirstChildElement(t.get());
  XmlElement* c = XmlNextSiblingElement(b);
  EXPECT_STREQ(XmlElementName(b), "b");
  EXPECT_STREQ(XmlElementName(c), "c");
  EXPECT_EQ(XmlNextSiblingElement(c), nullptr);
  EXPECT_EQ(XmlElementName(XmlFirstChild(t.get())), nullptr);
  EXPECT_EQ(XmlElementText(t.get()), nullptr);
  EXPECT_EQ(ChildCount(t.get()), 5);
  EXPECT_EQ(XmlFirstChild(t.get())->kind, XML_KIND_ELEMENT);  // delivered text nodes are kind 0
}

TEST(XmlLoadShape, TextAroundChildrenKeepsDocumentOrder) {
  EXPECT_EQ(LoadDump("<a>x&amp;y<b/>m<!--c-->n<b>t</b><![CDATA[z]]></a>"),
            "a\n  # \"x&y\"\n  b\n  # \"mn\"\n  b \"t\"\n  # \"z\"\n");
  EXPECT_EQ(LoadDump("<a><b/><c/></a>"), "a\n  b\n  c\n");
}

TEST(XmlLoadShape, AttributesKeepDocumentOrderAndPrefixedNames) {
  Tree t(XmlLoadString("<xwb oper=\"create\" xmlns=\"dconf:doc:share\"><image id=\"image:1\" "
                       "xlink:href=\"data:image/png;base64,AA==\" x=\"5\"/></xwb>"));
  ASSERT_TRUE(t);
  EXPECT_STREQ(XmlAttributeValue(XmlFindAttribute(XmlFirstAttribute(t.get()), "xmlns")), "dconf:doc:share");
  XmlElement* image = XmlFirstChildElement(t.get());
  EXPECT_STREQ(XmlAttributeValue(XmlFindAttribute(XmlFirstAttribute(image), "xlink:href")), "data:image/png;base64,AA==");
  EXPECT_EQ(XmlGetAttributeInt(image, "x"), 5);
  EXPECT_STREQ(XmlFirstAttributeName(image), "id");
  EXPECT_EQ(XmlAttributeCount(XmlFirstAttribute(image)), 3);
  EXPECT_STREQ(XmlAttributeAt(XmlFirstAttribute(image), 3)->name, "x");
  EXPECT_EQ(XmlAttributeAt(XmlFirstAttribute(image), 4), nullptr);
  EXPECT_EQ(XmlAttributeAt(XmlFirstAttribute(image), 0), nullptr);
}

TEST(XmlLoadShape, ReaderChainToleratesMissingPieces) {
  Tree t(XmlLoadString("<page number=\"0\"><line/></page>"));
  XmlElement* line = XmlFirstChildElement(t.get());
  EXPECT_EQ(XmlFindAttribute(XmlFirstAttribute(line), "id"), nullptr);
  EXPECT_EQ(XmlAttributeValue(XmlFindAttribute(XmlFirstAttribute(line), "id")), nullptr);
  EXPECT_EQ(XmlNextSiblingElement(t.get()), nullptr);
  EXPECT_EQ(XmlFindAttribute(XmlFirstAttribute(t.get()), nullptr), nullptr);
  EXPECT_EQ(XmlFirstChildElement(nullptr), nullptr);
  EXPECT_EQ(XmlElementName(nullptr), nullptr);
  XmlFreeTree(nullptr);
}

TEST(XmlLoadShape, MalformedAndEmptyInputGiveNull) {
  EXPECT_EQ(XmlLoadString(nullptr), nullptr);
  EXPECT_EQ(XmlLoadBuffer(nullptr, 4), nullptr);
  EXPECT_EQ(XmlLoadFile(nullptr), nullptr);
  EXPECT_EQ(XmlLoadFile("/nonexistent/dir/file.xml"), nullptr);
  for (const char* bad : {"", "   ", "<a>", "<a></b>", "<a/><b/>", "<a x=\"1\" x=\"2\"/>", "text", "<a>&undefined;</a>"}) {
    EXPECT_EQ(XmlLoadString(bad), nullptr) << bad;
  }
}

TEST(XmlLoadShape, SchemaDocumentsLoadAsTheirTemplate) {
  EXPECT_EQ(LoadDump("<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\">"
                     "<xs:element name=\"a\" type=\"xs:string\"/></xs:schema>"),
            "a\n");
  EXPECT_EQ(XmlLoadString("<myschemadoc/>"), nullptr);  // declares nothing
  Tree nested(XmlLoadString("<doc><schema/></doc>"));  // only the root's name counts
  EXPECT_TRUE(nested);
}

TEST(XmlLoadShape, BufferLengthBoundsTheRead) {
  const char text[] = "<a/>trailing garbage";
  Tree whole(XmlLoadBuffer(text, 4));
  ASSERT_TRUE(whole);
  EXPECT_STREQ(XmlElementName(whole.get()), "a");
  EXPECT_EQ(XmlLoadBuffer("<a>x</a>", 5), nullptr);  // cut inside the element
  Tree terminated(XmlLoadBuffer("<a>x</a>", 9));     // the terminator is inside the length
  EXPECT_TRUE(terminated);
  EXPECT_EQ(XmlLoadBuffer("<a/>", 0x80000000u), nullptr);  // beyond INT_MAX
}

TEST(XmlLoadShape, LoadFileReadsTheWholeFile) {
  char path[] = "/tmp/xmlloadXXXXXX";
  int fd = mkstemp(path);
  ASSERT_GE(fd, 0);
  std::string doc = "<?xml version=\"1.0\" encoding=\"gbk\"?><page>";
  for (int i = 0; i < 3000; ++i) doc += "<line id=\"line:" + std::to_string(i) + "\"/>";
  doc += "<text>\xC4\xE3</text></page>";
  ASSERT_EQ(write(fd, doc.data(), doc.size()), static_cast<ssize_t>(doc.size()));
  close(fd);
  Tree t(XmlLoadFile(path));
  unlink(path);
  ASSERT_TRUE(t);
  EXPECT_EQ(ChildCount(t.get()), 3001);
  EXPECT_STREQ(XmlElementText(XmlLastChild(t.get())), u8"你");
}

}  // namespace
