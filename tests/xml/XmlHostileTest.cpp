// Hostile and large documents: they load (or are refused) without recursion, without quadratic
// work and without losing nodes.
#include <gtest/gtest.h>

#include <string>

#include "tests/xml/XmlTestUtil.h"

using namespace xmltest;

namespace {

std::string Nested(int depth) {
  std::string doc;
  doc.reserve(static_cast<size_t>(depth) * 7);
  for (int i = 0; i < depth; ++i) doc += "<a>";
  doc += "x";
  for (int i = 0; i < depth; ++i) doc += "</a>";
  return doc;
}

int Depth(XmlElement* e) {
  int depth = 0;
  for (; XmlFirstChildElement(e); e = XmlFirstChildElement(e)) ++depth;
  return depth;
}

TEST(XmlHostile, MillionNestingLevelsLoadWriteAndFree) {
  const int depth = 1000000;
  std::string doc = Nested(depth);
  Tree t(XmlLoadString(doc.c_str()));
  ASSERT_TRUE(t);
  EXPECT_EQ(Depth(t.get()), depth - 1);
  Owned text(XmlElementToText(t.get()));
  ASSERT_TRUE(text);
  EXPECT_EQ(std::string(text.get()), doc);
}

TEST(XmlHostile, DeepTreesCopyDeleteAndConvertWithoutRecursion) {
  const int depth = 200000;
  std::string doc = Nested(depth);
  Tree t(XmlLoadString(doc.c_str()));
  ASSERT_TRUE(t);
  Tree copy(XmlCopyElement(t.get(), 1));
  EXPECT_EQ(Depth(copy.get()), depth - 1);
  Tree old(XmlCopyToOldForm(t.get()));
  Owned oldText(XmlElementToString(old.get()));
  EXPECT_EQ(std::string(oldText.get()), doc);
  XmlDeleteElement(XmlFirstChild(copy.get()));
  EXPECT_FALSE(XmlHasChildren(copy.get()));
  XmlRemoveChildren(t.get());
  EXPECT_EQ(XmlFirstChild(t.get()), nullptr);

  Tree intermediate(XmlParseString(doc.c_str()));
  XmlNode* list = XmlNodeListNew();
  ASSERT_TRUE(XmlTreeToNodes(intermediate.get(), list));
  XmlNodeRecord* records = nullptr;
  uint32_t count = 0;
  ASSERT_TRUE(XmlNodeListToRecords(list, &records, &count));
  EXPECT_EQ(count, static_cast<uint32_t>(depth));
  Owned recordText(XmlRecordToText(records));
  EXPECT_EQ(std::string(recordText.get()), doc);
  Tree rebuilt(XmlRecordsToTree(records, count));
  EXPECT_EQ(Depth(rebuilt.get()), depth - 1);
  XmlRecordsFree(records, count);
  free(records);
  XmlNodeListFree(list);
}

TEST(XmlHostile, ManyAttributesOnOneElement) {
  const int n = 200000;
  std::string doc = "<a";
  for (int i = 0; i < n; ++i) doc += " k" + std::to_string(i) + "=\"" + std::to_string(i) + "\"";
  doc += "/>";
  Tree t(XmlLoadString(doc.c_str()));
  ASSERT_TRUE(t);
  EXPECT_EQ(XmlAttributeCount(XmlFirstAttribute(t.get())), n);
  EXPECT_STREQ(XmlGetAttribute(t.get(), "k199999"), "199999");
  EXPECT_STREQ(XmlFirstAttributeName(t.get()), "k0");
}

TEST(XmlHostile, MillionNewlines) {
  std::string text(1000000, '\n');
  Tree t(XmlLoadString(("<a>" + text + "</a>").c_str()));
  ASSERT_TRUE(t);
  EXPECT_EQ(std::string(XmlElementText(t.get())), text);

  std::string lines = "<a>";
  for (int i = 0; i < 100000; ++i) lines += "\n\n<b/>";
  lines += "\n</a>";
  Tree children(XmlLoadString(lines.c_str()));
  ASSERT_TRUE(children);
  EXPECT_EQ(ChildCount(children.get()), 200001);
}

TEST(XmlHostile, MoreThan65535ChildrenAreAllKept) {
  const int n = 70000;
  std::string doc = "<page>";
  for (int i = 0; i < n; ++i) doc += "<line id=\"line:" + std::to_string(i) + "\"/>";
  doc += "</page>";
  Tree t(XmlLoadString(doc.c_str()));
  ASSERT_TRUE(t);
  EXPECT_EQ(ChildCount(t.get()), n);
  EXPECT_STREQ(XmlGetAttribute(XmlLastChild(t.get()), "id"), "line:69999");

  Tree intermediate(XmlParseString(doc.c_str()));
  XmlNode* list = XmlNodeListNew();
  ASSERT_TRUE(XmlTreeToNodes(intermediate.get(), list));
  XmlNodeRecord* records = nullptr;
  uint32_t count = 0;
  ASSERT_TRUE(XmlNodeListToRecords(list, &records, &count));
  EXPECT_EQ(records[n].recordCount, static_cast<uint32_t>(n + 1));
  EXPECT_EQ(records[n].repeat, static_cast<uint32_t>(n));  // the last of n same-named siblings
  EXPECT_EQ(records->ChildCount(records), static_cast<uint32_t>(n));
  Tree rebuilt(XmlRecordsToTree(records, count));
  EXPECT_EQ(ChildCount(rebuilt.get()), n);
  XmlRecordsFree(records, count);
  free(records);
  XmlNodeListFree(list);
}

TEST(XmlHostile, EntityExpansionIsRefused) {
  std::string doc = "<?xml version=\"1.0\"?><!DOCTYPE lolz [<!ENTITY lol \"lol\">";
  doc += "<!ENTITY lol1 \"&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;\">";
  for (int i = 2; i <= 9; ++i) {
    std::string previous = "&lol" + std::to_string(i - 1) + ";";
    std::string body;
    for (int k = 0; k < 10; ++k) body += previous;
    doc += "<!ENTITY lol" + std::to_string(i) + " \"" + body + "\">";
  }
  doc += "]><lolz>&lol9;</lolz>";
  EXPECT_EQ(XmlLoadString(doc.c_str()), nullptr);
  Tree small(XmlLoadString("<!DOCTYPE a [<!ENTITY e \"xyz\">]><a>&e;&e;</a>"));
  ASSERT_TRUE(small);
  EXPECT_STREQ(XmlElementText(small.get()), "xyzxyz");
}

TEST(XmlHostile, ExternalEntitiesAreNotFetched) {
  Tree t(XmlLoadString("<!DOCTYPE a [<!ENTITY e SYSTEM \"file:///etc/passwd\">]><a>[&e;]</a>"));
  ASSERT_TRUE(t);
  EXPECT_STREQ(XmlElementText(t.get()), "[]");
}

}  // namespace
