// Documents of many megabytes: expat's input buffer then lives on a mapping of its own.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "tests/xml/XmlTestUtil.h"

using namespace xmltest;

namespace {

// About 11 MB: `count` strokes, each with an id and a long point list.
std::string ManyStrokes(int count) {
  std::string points;
  for (int k = 0; k < 60; ++k) points += " " + std::to_string(k * 7) + " " + std::to_string(k * 3);
  std::string doc = "<page>";
  for (int i = 0; i < count; ++i) doc += "<path id=\"s" + std::to_string(i) + "\" d=\"M" + points + "\"/>";
  return doc + "</page>";
}

// The process's address space in kB ("VmSize" of /proc/self/status).
long AddressSpaceKb() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmSize:", 0) == 0) return std::stol(line.substr(7));
  }
  return -1;
}

TEST(XmlLoadLarge, ManyElementsLoadWhole) {
  const int kCount = 20000;
  std::string doc = ManyStrokes(kCount);
  ASSERT_GT(doc.size(), 8u << 20);
  Tree t(XmlLoadString(doc.c_str()));
  ASSERT_TRUE(t);
  int seen = 0;
  XmlElement* last = nullptr;
  for (XmlElement* e = XmlFirstChildElement(t.get()); e; e = XmlNextSiblingElement(e)) last = e, ++seen;
  EXPECT_EQ(seen, kCount);
  EXPECT_EQ(Str(XmlGetAttribute(last, "id")), "s19999");
  EXPECT_EQ(Str(XmlGetAttribute(last, "d")).size(), Str(XmlGetAttribute(XmlFirstChildElement(t.get()), "d")).size());
}

TEST(XmlLoadLarge, AValueOfManyMegabytesKeepsEveryByte) {
  std::string value(12u << 20, 'v');
  for (size_t i = 0; i < value.size(); i += 4099) value[i] = static_cast<char>('a' + i % 26);
  Tree t(XmlLoadString(("<r big=\"" + value + "\">" + value + "</r>").c_str()));
  ASSERT_TRUE(t);
  EXPECT_TRUE(Str(XmlGetAttribute(t.get(), "big")) == value);
  EXPECT_TRUE(Str(XmlElementText(t.get())) == value);
}

// Every load gives its large buffer back: repeated loads leave the address space as they found it.
TEST(XmlLoadLarge, RepeatedLoadsKeepNoMappings) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address sanitizer keeps freed memory in quarantine";
#endif
  std::string doc = ManyStrokes(20000);
  XmlFreeTree(XmlLoadString(doc.c_str()));  // the heap grows once for the tree
  long before = AddressSpaceKb();
  for (int i = 0; i < 6; ++i) XmlFreeTree(XmlLoadString(doc.c_str()));
  EXPECT_LT(AddressSpaceKb() - before, 4 * 1024);
}

}  // namespace
