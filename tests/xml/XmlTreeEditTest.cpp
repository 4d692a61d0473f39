// Building and editing element trees: constructors, attributes, child lists, copies.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/xml/XmlTestUtil.h"

using namespace xmltest;

namespace {

XmlElement* Child(XmlElement* parent, const char* name) {
  XmlElement* c = XmlCreateElement(name, nullptr);
  XmlAppendChild(parent, c);
  return c;
}

std::string Names(XmlElement* parent) {
  std::string names;
  for (XmlElement* c = XmlFirstChild(parent); c; c = XmlNextSibling(c)) names += Str(XmlElementName(c)) + " ";
  std::string backwards;
  for (XmlElement* c = XmlLastChild(parent); c; c = XmlPrevSibling(c)) backwards = Str(XmlElementName(c)) + " " + backwards;
  EXPECT_EQ(names, backwards);  // both directions agree
  return names;
}

TEST(XmlTreeEdit, Constructors) {
  Tree e(XmlCreateElement("a", ""));
  EXPECT_EQ(XmlElementText(e.get()), nullptr);
  EXPECT_EQ(e->declaredAtTop, 1u);
  Tree t(XmlCreateElement("a", "body"));
  EXPECT_STREQ(XmlElementText(t.get()), "body");
  EXPECT_EQ(t->textSize, 5u);
  Tree text(XmlCreateText("run"));
  EXPECT_EQ(text->kind, XML_KIND_TEXT);
  EXPECT_EQ(XmlElementName(text.get()), nullptr);
  EXPECT_EQ(XmlCreateCData(nullptr), nullptr);
  Tree emptyCData(XmlCreateCData(""));
  EXPECT_EQ(emptyCData->kind, XML_KIND_CDATA);
  EXPECT_EQ(emptyCData->text, nullptr);
  Tree cdata(XmlCreateCData("x<y"));
  EXPECT_STREQ(cdata->text, "<![CDATA[x<y]]>");
  EXPECT_EQ(cdata->textSize, 15u);
  XmlMakeCData(t.get());
  XmlMakeCData(t.get());  // already CDATA: unchanged
  EXPECT_STREQ(XmlElementText(t.get()), "<![CDATA[body]]>");
  XmlSetText(t.get(), nullptr);
  EXPECT_EQ(XmlElementText(t.get()), nullptr);
  EXPECT_EQ(XmlSetText(nullptr, "x"), 0);
}

TEST(XmlTreeEdit, SetAttributeReplacesOrAppends) {
  Tree e(XmlCreateElement("a", nullptr));
  XmlSetAttribute(e.get(), "k", "1");
  XmlSetAttributeInt(e.get(), "n", -42);
  XmlSetAttributeFormat(e.get(), "f", "%s-%d%%", "x", 7);
  XmlSetAttribute(e.get(), "k", "2");
  EXPECT_EQ(Dump(e.get()), "a k=2 n=-42 f=x-7%\n");
  EXPECT_EQ(XmlGetAttributeInt(e.get(), "n"), -42);
  EXPECT_EQ(XmlGetAttributeInt(e.get(), "missing"), 0);
  EXPECT_TRUE(XmlHasAttribute(e.get(), "f"));
  EXPECT_FALSE(XmlHasAttribute(e.get(), "F"));
  EXPECT_EQ(XmlGetAttributeNode(e.get(), "n")->owner, e.get());
  XmlSetAttributeValue(XmlGetAttributeNode(e.get(), "k"), nullptr);
  EXPECT_EQ(XmlGetAttribute(e.get(), "k"), nullptr);
  EXPECT_EQ(XmlGetAttributeNode(e.get(), "k")->valueSize, 0u);
  EXPECT_EQ(XmlSetAttribute(e.get(), nullptr, "v"), 0);
}

TEST(XmlTreeEdit, AddAttributeTakesOnlyUnownedOnes) {
  Tree e(XmlCreateElement("a", nullptr));
  Tree other(XmlCreateElement("b", nullptr));
  XmlAttribute* a = XmlNewAttribute("k", "v");
  EXPECT_EQ(XmlNewAttribute(nullptr, "v"), nullptr);
  EXPECT_TRUE(XmlAddAttribute(e.get(), a));
  EXPECT_FALSE(XmlAddAttribute(other.get(), a));
  EXPECT_TRUE(XmlAddAttribute(e.get(), XmlNewAttribute("z", nullptr)));
  EXPECT_EQ(Dump(e.get()), "a k=v z=(null)\n");
  EXPECT_TRUE(XmlIsSet(a));
  EXPECT_TRUE(XmlAttributeNameIs(a, "k"));
  EXPECT_EQ(XmlNextAttribute(a)->value, nullptr);
  EXPECT_STREQ(XmlFirstAttributeValue(e.get()), "v");
}

TEST(XmlTreeEdit, AppendingToValuesGrows) {
  Tree e(XmlCreateElement("a", nullptr));
  XmlAppendAttributeText(e.get(), "t", "first");  // absent: set
  std::string expected = "first";
  for (int i = 0; i < 100; ++i) {
    XmlAppendAttributeText(e.get(), "t", "0123456789");
    expected += "0123456789";
  }
  EXPECT_EQ(Str(XmlGetAttribute(e.get(), "t")), expected);
  EXPECT_EQ(XmlGetAttributeNode(e.get(), "t")->valueSize, expected.size() + 1);
  XmlAppendAttributeBytes(e.get(), "b", "xyz", 2);
  XmlAppendAttributeBytes(e.get(), "b", "12", 2);
  EXPECT_STREQ(XmlGetAttribute(e.get(), "b"), "xy12");

  Tree node(XmlNewTextNode("ab"));
  XmlAppendTextNode(node.get(), "cdef", 3);
  EXPECT_EQ(Dump(node.get()), "#old\"abcde\"\n");
  EXPECT_FALSE(XmlAppendTextNode(e.get(), "x", 1));  // only nameless nodes
  Tree bytes(XmlNewTextNodeBytes("abc", 2));
  Tree formatted(XmlNewTextNodeFormat("%d:%s", 3, "x"));
  Tree owned(XmlNewTextNodeOwned(XmlStrDup("mine")));
  EXPECT_EQ(Dump(bytes.get()) + Dump(formatted.get()) + Dump(owned.get()), "#old\"ab\"\n#old\"3:x\"\n#old\"mine\"\n");
}

// A loaded element keeps its attributes in its own block: edits give the changed values blocks
// of their own, and freeing releases exactly those (the sanitizer build checks every free).
TEST(XmlTreeEdit, EditingALoadedTreeKeepsItsStorageApart) {
  Tree t(XmlLoadString("<r><a k=\"v\" m=\"w\" n=\"u\"/><b/></r>"));
  XmlElement* a = XmlFirstChildElement(t.get());
  XmlSetAttribute(a, "k", "replaced");
  XmlAppendAttributeText(a, "m", "+more");
  XmlSetAttributeValue(XmlGetAttributeNode(a, "n"), nullptr);
  XmlSetAttribute(a, "z", "added");
  XmlAppendAttributeBytes(a, "z", "!?", 1);
  XmlSetText(a, "text");
  XmlAppendChild(a, XmlCreateElement("c", nullptr));
  EXPECT_EQ(Dump(t.get()), "r\n  a k=replaced m=w+more n=(null) z=added! \"text\"\n    c\n  b\n");
  XmlDeleteElement(XmlNextSiblingElement(a));
  Tree copy(XmlCopyElement(t.get(), 1));
  XmlDeleteElement(a);
  EXPECT_EQ(Dump(t.get()), "r\n");
  EXPECT_EQ(Dump(copy.get()), "r\n  a k=replaced m=w+more n=(null) z=added! \"text\"\n    c\n");
}

// Freeing takes children from both ends of each list; every shape of list must lose each node
// exactly once (the sanitizer build checks every free and reports any node left behind), and
// deleting a subtree leaves its siblings linked both ways.
TEST(XmlTreeEdit, FreeingReachesEveryNodeOfEveryShape) {
  std::string deep;
  for (int i = 0; i < 200; ++i) deep += "<d k=\"v\">t";
  for (int i = 0; i < 200; ++i) deep += "</d>";
  const char* const shapes[] = {
      "<r/>",
      "<r>text</r>",
      "<r><a/></r>",
      "<r><a/><b/></r>",
      "<r>x<a/>y<b/>z<c/>w</r>",
      "<r><a><x/><y/></a><b/><c/></r>",
      "<r><a/><b/><c><x/><y/><z/></c></r>",
      "<r><a/><b><x><p/><q/></x></b><c/><d/></r>",
      "<r><a><x/></a><b><y/></b><c><z/></c></r>",
  };
  for (const char* shape : shapes) {
    Tree t(XmlLoadString(shape));
    ASSERT_TRUE(t) << shape;
  }
  Tree chain(XmlLoadString(deep.c_str()));
  ASSERT_TRUE(chain);

  Tree t(XmlLoadString("<r><a/><b><x/><y/></b>mid<c/><d><z/></d><e/></r>"));
  XmlElement* b = XmlNextSibling(XmlFirstChild(t.get()));
  XmlDeleteElement(XmlNextSibling(XmlNextSibling(XmlNextSibling(b))));  // d
  XmlDeleteElement(b);
  EXPECT_EQ(Names(t.get()), "a (null) c e ");
}

TEST(XmlTreeEdit, ChildListOperations) {
  Tree root(XmlCreateElement("r", nullptr));
  XmlElement* b = Child(root.get(), "b");
  XmlElement* d = Child(root.get(), "d");
  XmlPrependChild(root.get(), XmlCreateElement("a", nullptr));
  XmlInsertBefore(XmlCreateElement("c", nullptr), d);
  XmlInsertBefore(XmlCreateElement("first", nullptr), XmlFirstChild(root.get()));
  EXPECT_EQ(Names(root.get()), "first a b c d ");
  EXPECT_FALSE(XmlAppendChild(root.get(), b));              // already linked
  EXPECT_FALSE(XmlAppendChild(root.get(), root.get()));     // itself
  XmlReplaceChild(b, XmlCreateElement("B", nullptr));
  EXPECT_EQ(Names(root.get()), "first a B c d ");
  XmlDeleteElement(XmlFirstChild(root.get()));
  XmlDeleteElement(XmlLastChild(root.get()));
  EXPECT_EQ(Names(root.get()), "a B c ");
  XmlDeleteElement(XmlNextSibling(XmlFirstChild(root.get())));
  EXPECT_EQ(Names(root.get()), "a c ");
  EXPECT_EQ(XmlParent(XmlLastChild(root.get())), root.get());
  EXPECT_EQ(XmlRoot(XmlLastChild(root.get())), root.get());
  XmlSetOnlyChild(root.get(), XmlCreateElement("only", nullptr));
  EXPECT_EQ(Names(root.get()), "only ");
  XmlRemoveChildren(root.get());
  EXPECT_FALSE(XmlHasChildren(root.get()));
  EXPECT_EQ(XmlLastChild(root.get()), nullptr);
  Child(root.get(), "again");
  EXPECT_EQ(Names(root.get()), "again ");
}

// Linking an ancestor below one of its descendants would close a cycle: every linking operation
// refuses it and leaves the tree as it was.
TEST(XmlTreeEdit, AncestorsAreRefusedAsChildren) {
  Tree root(XmlCreateElement("r", nullptr));
  XmlElement* a = Child(root.get(), "a");
  XmlElement* b = Child(a, "b");
  XmlElement* r = root.get();
  EXPECT_FALSE(XmlAppendChild(b, r));
  EXPECT_FALSE(XmlAppendChild(a, r));
  EXPECT_FALSE(XmlPrependChild(b, r));
  EXPECT_FALSE(XmlInsertBefore(r, b));
  EXPECT_FALSE(XmlReplaceChild(b, r));
  EXPECT_FALSE(XmlSetOnlyChild(a, r));
  EXPECT_FALSE(XmlSetOnlyChild(r, r));
  EXPECT_EQ(XmlParent(r), nullptr);
  EXPECT_EQ(XmlRoot(b), r);
  EXPECT_EQ(Dump(r), "r\n  a\n    b\n");
  Tree other(XmlCreateElement("o", nullptr));  // another tree's root is still welcome
  EXPECT_TRUE(XmlSetOnlyChild(b, other.release()));
  EXPECT_EQ(Dump(r), "r\n  a\n    b\n      o\n");
}

TEST(XmlTreeEdit, InsertBeforeNeedsALinkedReference) {
  XmlElement* loose = XmlCreateElement("loose", nullptr);
  XmlElement* added = XmlCreateElement("new", nullptr);
  EXPECT_FALSE(XmlInsertBefore(added, loose));
  EXPECT_EQ(XmlParent(added), nullptr);
  EXPECT_FALSE(XmlReplaceChild(loose, added));
  XmlFreeTree(loose);
  XmlFreeTree(added);
}

TEST(XmlTreeEdit, ChildrenAndFindChildrenLists) {
  Tree t(XmlLoadString("<r>x<a/><b/>y<a i=\"2\"/></r>"));
  XmlList* all = XmlChildren(t.get());
  EXPECT_EQ(XmlListCount(all), 5);
  EXPECT_EQ(XmlListItem(all, 0), nullptr);
  EXPECT_EQ(XmlListItem(all, 6), nullptr);
  EXPECT_STREQ(XmlElementName(XmlListItem(all, 2)), "a");
  XmlListFree(all);
  XmlList* as = XmlFindChildren(t.get(), "a");
  EXPECT_EQ(XmlListCount(as), 2);
  EXPECT_STREQ(XmlGetAttribute(XmlListItem(as, 2), "i"), "2");
  as = XmlListAppend(as, nullptr);
  as = XmlListAppend(as, t.get());
  EXPECT_EQ(XmlListCount(as), 3);
  EXPECT_EQ(XmlListItem(as, 3), t.get());
  XmlListFree(as);
  EXPECT_EQ(XmlChildren(XmlFirstChildElement(t.get())), nullptr);
}

TEST(XmlTreeEdit, CopiesAreDeepAndIndependent) {
  Tree t(XmlLoadString("<r k=\"v\">text<a><b x=\"1\">t</b></a></r>"));
  XmlMakeCData(XmlFirstChild(t.get()));
  Tree deep(XmlCopyElement(t.get(), 1));
  EXPECT_EQ(Dump(deep.get()), Dump(t.get()));
  Owned original(XmlElementToText(t.get()));
  Owned copied(XmlElementToText(deep.get()));
  EXPECT_STREQ(original.get(), copied.get());
  Tree shallow(XmlCopyElement(t.get(), 0));
  EXPECT_EQ(Dump(shallow.get()), "r k=v\n");
  XmlSetAttribute(deep.get(), "k", "changed");
  EXPECT_STREQ(XmlGetAttribute(t.get(), "k"), "v");

  Tree target(XmlCreateElement("target", nullptr));
  XmlList* list = XmlFindChildren(t.get(), "a");
  XmlAppendCopies(target.get(), list);
  XmlAppendCopies(target.get(), list);
  XmlListFree(list);
  EXPECT_EQ(Dump(target.get()), "target\n  a\n    b x=1 \"t\"\n  a\n    b x=1 \"t\"\n");
  EXPECT_EQ(XmlCopyElement(nullptr, 1), nullptr);
}

}  // namespace
