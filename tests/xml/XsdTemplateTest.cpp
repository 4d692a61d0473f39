// Templates from schemas: declarations, nesting, named complex types, and the walk's working values.
#include <gtest/gtest.h>

#include <string>

#include "tests/xml/XmlRecordTestUtil.h"
#include "tests/xml/XmlTestUtil.h"

using namespace xmltest;

namespace {

const char* const kXs = "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\">";

struct NodeListDeleter {
  void operator()(XmlNode* list) const { XmlNodeListFree(list); }
};
using NodeList = std::unique_ptr<XmlNode, NodeListDeleter>;

std::string Str0(const char* s) { return s ? s : "-"; }

// "name:type@path" per template node, in list order.
std::string Template(XmlNode* list) {
  std::string out;
  for (XmlNode* n = list->next; n; n = n->next) {
    if (!out.empty()) out += " ";
    out += Str0(n->name) + ":" + Str0(n->typeName) + "@" + Str0(n->schemaPath);
  }
  return out;
}

NodeList Build(const std::string& body, int* result = nullptr) {
  Tree schema(XmlParseString((kXs + body + "</xs:schema>").c_str()));
  NodeList list(XmlNodeListNew());
  int done = XsdToNodes(schema.get(), list.get());
  if (result) *result = done;
  return list;
}

XmlNode* Named(XmlNode* list, const char* name) {
  for (XmlNode* n = list->next; n; n = n->next) {
    if (n->name && strcmp(n->name, name) == 0) return n;
  }
  return nullptr;
}

TEST(XsdTemplate, TypeIndexKnowsTheTwelveBuiltInTypes) {
  EXPECT_EQ(XsdTypeIndex("long"), 0);
  EXPECT_EQ(XsdTypeIndex("date"), 11);
  EXPECT_EQ(XsdTypeIndex("boolean"), 10);
  EXPECT_EQ(XsdTypeIndex("decimal"), -1);
  EXPECT_EQ(XsdTypeIndex("xs:string"), -1);  // callers remove the prefix first
  EXPECT_EQ(XsdTypeIndex(nullptr), -1);
}

TEST(XsdTemplate, DeclarationsCarryTypeAndPath) {
  NodeList list = Build("<xs:element name=\"a\" type=\"xs:string\"/>");
  EXPECT_EQ(Template(list.get()), "a:string@\\");
  NodeList nested = Build(
      "<xs:element name=\"a\"><xs:complexType><xs:sequence>"
      "<xs:element name=\"b\" type=\"xs:int\"/></xs:sequence></xs:complexType></xs:element>");
  EXPECT_EQ(Template(nested.get()), "a:-@\\ b:int@\\a\\");
  XmlNode* a = Named(nested.get(), "a");
  XmlNode* b = Named(nested.get(), "b");
  EXPECT_EQ(b->parentId, a->id);
  EXPECT_EQ(a->parentId, 0u);
  EXPECT_EQ(a->hasChildren, 1u);
  EXPECT_EQ(b->hasChildren, 0u);
  EXPECT_EQ(b->repeat, 1u);
}

TEST(XsdTemplate, NamedComplexTypesAreExpandedAndTheirDefinitionRemoved) {
  NodeList list = Build(
      "<xs:element name=\"a\" type=\"T\"/>"
      "<xs:complexType name=\"T\"><xs:sequence><xs:element name=\"b\" type=\"xs:string\"/>"
      "<xs:element name=\"c\" type=\"xs:int\"/></xs:sequence></xs:complexType>");
  EXPECT_EQ(Template(list.get()), "a:complexType@\\ b:string@\\a\\ c:int@\\a\\");
  XmlNode* a = Named(list.get(), "a");
  EXPECT_EQ(Named(list.get(), "b")->parentId, a->id);
  EXPECT_EQ(Named(list.get(), "c")->parentId, a->id);
  EXPECT_EQ(Named(list.get(), "T"), nullptr);
  EXPECT_GT(Named(list.get(), "b")->id, a->id);
}

TEST(XsdTemplate, TypesInsideTypesUnfoldLevelByLevel) {
  NodeList list = Build(
      "<xs:complexType name=\"B\"><xs:sequence><xs:element name=\"y\" type=\"xs:date\"/></xs:sequence></xs:complexType>"
      "<xs:element name=\"r\" type=\"A\"/>"
      "<xs:complexType name=\"A\"><xs:choice><xs:element name=\"x\" type=\"B\"/>"
      "<xs:element name=\"z\" type=\"B\"/></xs:choice></xs:complexType>");
  EXPECT_EQ(Template(list.get()),
            "r:complexType@\\ x:complexType@\\r\\ z:complexType@\\r\\ y:date@\\r\\x\\ y:date@\\r\\z\\");
  EXPECT_EQ(LoadDump(std::string(kXs) +
                     "<xs:element name=\"r\"><xs:complexType><xs:sequence><xs:element name=\"p\" type=\"P\"/>"
                     "</xs:sequence></xs:complexType></xs:element><xs:complexType name=\"P\"><xs:all/>"
                     "<xs:sequence><xs:element name=\"q\"/></xs:sequence></xs:complexType></xs:schema>"),
            "r\n  p\n    q\n");
}

TEST(XsdTemplate, AnElementNamedLikeItsTypeIsKept) {
  NodeList list = Build(
      "<xs:element name=\"person\" type=\"person\"/>"
      "<xs:complexType name=\"person\"><xs:sequence><xs:element name=\"name\" type=\"xs:string\"/>"
      "</xs:sequence></xs:complexType>");
  EXPECT_EQ(Template(list.get()), "person:complexType@\\ name:string@\\person\\");
}

// A type that names no complex type of the schema (XML Schema's own types among them) gives an
// element without content that the type step has taken: it is retyped like an expanded one.
TEST(XsdTemplate, UnusedTypesStayAndUnknownTypesStayEmpty) {
  NodeList list = Build(
      "<xs:element name=\"a\" type=\"Missing\"/>"
      "<xs:complexType name=\"U\"><xs:sequence><xs:element name=\"u\"/></xs:sequence></xs:complexType>");
  EXPECT_EQ(Template(list.get()), "a:complexType@\\ U:complexType@\\ u:-@\\U\\");
  NodeList typed = Build(
      "<xs:element name=\"order\"><xs:complexType><xs:sequence>"
      "<xs:element name=\"price\" type=\"xs:decimal\"/><xs:element name=\"at\" type=\"xs:dateTime\"/>"
      "<xs:element name=\"weight\" type=\"xs:double\"/><xs:element name=\"count\" type=\"xs:integer\"/>"
      "<xs:element name=\"id\" type=\"xs:long\"/></xs:sequence></xs:complexType></xs:element>");
  EXPECT_EQ(Template(typed.get()),
            "order:-@\\ price:complexType@\\order\\ at:complexType@\\order\\ weight:complexType@\\order\\ "
            "count:complexType@\\order\\ id:long@\\order\\");
  for (const char* leaf : {"price", "at", "weight", "count", "id"}) EXPECT_EQ(Named(typed.get(), leaf)->hasChildren, 0u) << leaf;
}

TEST(XsdTemplate, SkippedSchemaElementsMakeNoNodes) {
  NodeList list = Build(
      "<xs:annotation><xs:documentation><xs:element name=\"d\"/></xs:documentation></xs:annotation>"
      "<xs:simpleType name=\"S\"><xs:element name=\"s\"/></xs:simpleType>"
      "<xs:element name=\"a\"><xs:complexType><xs:attribute name=\"k\"><xs:element name=\"t\"/></xs:attribute>"
      "<xs:sequence><xs:element ref=\"other\"/><xs:any/></xs:sequence></xs:complexType></xs:element>");
  EXPECT_EQ(Template(list.get()), "a:-@\\");
}

TEST(XsdTemplate, TheWalkLeavesItsWorkingValuesOnTheSchema) {
  Tree schema(XmlParseString(
      "<schema><element name=\"a\"><complexType><sequence><element name=\"b\"/></sequence>"
      "<choice><element name=\"c\"/></choice></complexType></element></schema>"));
  NodeList list(XmlNodeListNew());
  ASSERT_EQ(XsdToNodes(schema.get(), list.get()), 1);
  XmlElement* a = XmlFirstChildElement(schema.get());
  XmlElement* complexType = XmlFirstChildElement(a);
  XmlElement* sequence = XmlFirstChildElement(complexType);
  XmlElement* b = XmlFirstChildElement(sequence);
  XmlElement* c = XmlFirstChildElement(XmlNextSiblingElement(sequence));
  EXPECT_STREQ(schema->extra, "\\");
  EXPECT_STREQ(a->extra, "\\");
  EXPECT_EQ(a->declaredAtTop, 1u);
  EXPECT_STREQ(complexType->extra, "\\a\\");
  EXPECT_EQ(complexType->templateParent, a->ordinal);
  EXPECT_STREQ(b->extra, "\\a\\");
  EXPECT_EQ(b->declaredAtTop, 0u);
  EXPECT_EQ(b->templateParent, a->ordinal);
  EXPECT_EQ(c->declaredAtTop, 0u);
  EXPECT_EQ(Template(list.get()), "a:-@\\ b:-@\\a\\ c:-@\\a\\");
}

TEST(XsdTemplate, OnlySchemaRootsMakeTemplates) {
  Tree plain(XmlParseString("<doc><element name=\"a\"/></doc>"));
  NodeList list(XmlNodeListNew());
  EXPECT_EQ(XsdToNodes(plain.get(), list.get()), 0);
  EXPECT_EQ(XsdToNodes(nullptr, list.get()), 0);
  EXPECT_EQ(XmlNodeListCount(list.get()), 0u);
  Tree longer(XmlParseString("<mySchemaDoc><element name=\"a\"/></mySchemaDoc>"));
  EXPECT_EQ(XsdToNodes(longer.get(), list.get()), 0);  // "Schema" is not "schema"
  Tree lower(XmlParseString("<dbschema><element name=\"a\"/></dbschema>"));
  EXPECT_EQ(XsdToNodes(lower.get(), list.get()), 1);
  EXPECT_EQ(Template(list.get()), "a:-@\\");
}

TEST(XsdTemplate, BasicWalkKnowsOnlyExactNames) {
  const char* text =
      "<schema><element name=\"a\"><complexType><xsequence><element name=\"b\"/></xsequence>"
      "</complexType></element></schema>";
  Tree schema(XmlParseString(text));
  NodeList full(XmlNodeListNew());
  NodeList basic(XmlNodeListNew());
  ASSERT_EQ(XsdToNodes(schema.get(), full.get()), 1);
  ASSERT_EQ(XmlTreeToNodesBasic(schema.get(), basic.get()), 1);
  EXPECT_EQ(Template(full.get()), "a:-@\\ b:-@\\a\\");
  EXPECT_EQ(Template(basic.get()), "a:-@\\");
  Tree data(XmlParseString("<r><x>1</x></r>"));
  RecordList records = NewRecordList();
  ASSERT_EQ(XmlTreeToRecordsBasic(data.get(), records.get()), 1);
  EXPECT_EQ(Names(records.get()), "r x=1");
}

TEST(XsdTemplate, RecordTemplatesCarryTypeAndPath) {
  std::string text = std::string(kXs) +
                     "<xs:element name=\"a\"><xs:complexType><xs:sequence><xs:element name=\"b\" type=\"xs:int\"/>"
                     "</xs:sequence></xs:complexType></xs:element></xs:schema>";
  RecordList list = NewRecordList();
  ASSERT_EQ(XmlRecordParseText(text.c_str(), static_cast<uint32_t>(text.size()), list.get()), 1);
  ASSERT_EQ(XmlRecordListCount(list.get()), 2u);
  XmlRecord* b = list->tail;
  EXPECT_STREQ(b->name, "b");
  EXPECT_STREQ(b->typeName, "int");
  EXPECT_STREQ(b->schemaPath, "\\a\\");
  EXPECT_EQ(b->parentId, list->next->id);
  EXPECT_EQ(list->next->hasChildren, 1u);
}

TEST(XsdTemplate, LoadDeliversTheFirstDeclarationsTree) {
  EXPECT_EQ(LoadDump(std::string(kXs) +
                     "<xs:element name=\"a\"><xs:complexType><xs:sequence><xs:element name=\"b\"/>"
                     "</xs:sequence></xs:complexType></xs:element><xs:element name=\"z\"/></xs:schema>"),
            "a\n  b\n");
}

}  // namespace
