// Backslash paths, dotted selectors and location paths, and their round trips.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/xml/XmlTestUtil.h"

using namespace xmltest;

namespace {

const char kBoard[] =
    "<xwb>\n"
    " <page number=\"0\"><line id=\"line:a\"/><line id=\"line:b\" name=\"second\"/><path name=\"p\"/></page>\n"
    " <page number=\"1\"><line id=\"line:c\"/></page>\n"
    " <meta><page number=\"x\"/></meta>\n"
    "</xwb>";

std::string Ids(XmlList* list) {
  std::string ids;
  for (XmlList* n = list; n; n = n->next) {
    const char* id = XmlGetAttribute(n->item, "id");
    ids += Str(id ? id : XmlGetAttribute(n->item, "number")) + " ";
  }
  XmlListFree(list);
  return ids;
}

// Every element of the tree, in document order.
std::vector<XmlElement*> Elements(XmlElement* root) {
  std::vector<XmlElement*> all{root};
  for (size_t i = 0; i < all.size(); ++i) {
    for (XmlElement* c = XmlFirstChildElement(all[i]); c; c = XmlNextSiblingElement(c)) all.push_back(c);
  }
  return all;
}

TEST(XmlQuery, QueryPathFollowsExactComponents) {
  Tree t(XmlLoadString(kBoard));
  EXPECT_EQ(Ids(XmlQueryPath(t.get(), "\\xwb\\page\\")), "0 1 ");
  EXPECT_EQ(Ids(XmlQueryPath(t.get(), "\\xwb\\page\\line\\")), "line:a line:b line:c ");
  EXPECT_EQ(Ids(XmlQueryPath(t.get(), "\\xwb\\meta\\page\\")), "x ");
  EXPECT_EQ(XmlQueryPath(t.get(), "\\xwb\\pag\\"), nullptr);
  EXPECT_EQ(XmlQueryPath(t.get(), "\\xw\\page\\"), nullptr);
  EXPECT_EQ(XmlQueryPath(t.get(), "\\xwb\\page"), nullptr);  // unclosed component
  EXPECT_EQ(XmlQueryPath(t.get(), "xwb\\page\\"), nullptr);
  EXPECT_EQ(XmlQueryPath(t.get(), "\\xwb\\\\"), nullptr);
  EXPECT_EQ(XmlQueryFirst(t.get(), "\\xwb\\page\\line\\"), XmlFirstChildElement(XmlFirstChildElement(t.get())));
  EXPECT_EQ(XmlQueryFirst(t.get(), "\\none\\"), nullptr);
}

TEST(XmlQuery, SingleBackslashOrNoPathGivesTheElement) {
  Tree t(XmlLoadString(kBoard));
  XmlList* list = XmlQueryPath(t.get(), "\\");
  ASSERT_EQ(XmlListCount(list), 1);
  EXPECT_EQ(list->item, t.get());
  XmlListFree(list);
  Tree text(XmlCreateText("nameless"));
  list = XmlQueryPath(text.get(), nullptr);
  EXPECT_EQ(XmlListCount(list), 1);
  XmlListFree(list);
  EXPECT_EQ(XmlQueryPath(text.get(), "\\x\\"), nullptr);
  EXPECT_EQ(XmlQueryPath(nullptr, "\\"), nullptr);
}

TEST(XmlQuery, SelectByCountKeyAndDots) {
  Tree t(XmlLoadString(kBoard));
  EXPECT_EQ(XmlSelect(t.get(), nullptr), t.get());
  EXPECT_EQ(XmlSelect(t.get(), ""), t.get());
  EXPECT_STREQ(XmlGetAttribute(XmlSelect(t.get(), "xwb.page(1).line"), "id"), "line:c");
  EXPECT_STREQ(XmlGetAttribute(XmlSelect(t.get(), "xwb. page.line(1)"), "id"), "line:b");
  EXPECT_STREQ(XmlGetAttribute(XmlSelect(t.get(), " xwb.page.line[line:b]"), "id"), "line:b");
  EXPECT_STREQ(XmlGetAttribute(XmlSelect(t.get(), "xwb.page.path[p]"), "name"), "p");
  EXPECT_EQ(XmlSelect(t.get(), "xwb.page.line[second]"), nullptr);  // an id is compared when present
  EXPECT_STREQ(XmlGetAttribute(XmlSelect(t.get(), "xwb.page.line[line:a]trailing"), "id"), "line:a");
  EXPECT_EQ(XmlSelect(t.get(), "xwb.page(2)"), nullptr);
  EXPECT_EQ(XmlSelect(t.get(), "xwb.missing"), nullptr);
  EXPECT_EQ(XmlSelect(t.get(), "other"), nullptr);
  EXPECT_STREQ(XmlElementName(XmlSelect(t.get(), ".page")), "page");  // a leading dot enters the children
  EXPECT_STREQ(XmlGetAttribute(XmlSelectFormat(t.get(), "xwb.page(%d).line[%s]", 0, "line:a"), "id"), "line:a");
  std::string longName = "xwb." + std::string(64, 'n');
  EXPECT_EQ(XmlSelect(t.get(), longName.c_str()), nullptr);
}

TEST(XmlQuery, LocationPathAndSelectRoundTrip) {
  Tree t(XmlLoadString(kBoard));
  for (XmlElement* e : Elements(t.get())) {
    Owned path(XmlLocationPath(e));
    ASSERT_TRUE(path);
    EXPECT_EQ(XmlSelect(t.get(), path.get()), e) << path.get();
  }
  Owned third(XmlLocationPath(XmlSelect(t.get(), "xwb.page.line(1)")));
  EXPECT_STREQ(third.get(), "xwb.page.line(1)");
  Owned second(XmlLocationPath(XmlSelect(t.get(), "xwb.page(1).line")));
  EXPECT_STREQ(second.get(), "xwb.page(1).line");
  EXPECT_EQ(XmlLocationPath(XmlFirstChild(t.get())), nullptr);  // a text node has no name
}

TEST(XmlQuery, LocationPathBufCutsToFit) {
  Tree t(XmlLoadString((std::string(u8"<根><页/><页/></根>")).c_str()));
  XmlElement* second = XmlLastChild(t.get());
  char buffer[32];
  EXPECT_STREQ(XmlLocationPathBuf(second, buffer, sizeof buffer), u8"根.页(1)");
  EXPECT_STREQ(XmlLocationPathBuf(second, buffer, 6), u8"根.");  // no half character
  EXPECT_STREQ(XmlLocationPathBuf(second, buffer, 1), "");
  EXPECT_EQ(XmlLocationPathBuf(second, buffer, 0), nullptr);
  EXPECT_EQ(XmlLocationPathBuf(second, nullptr, 8), nullptr);
}

}  // namespace
