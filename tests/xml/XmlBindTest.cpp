// Merging data documents into templates, over node records and over record payloads.
#include <gtest/gtest.h>

#include <string>

#include "tests/xml/XmlRecordTestUtil.h"
#include "tests/xml/XmlTestUtil.h"

using namespace xmltest;

namespace {

const char* const kOrderSchema =
    "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\">"
    "<xs:element name=\"order\" type=\"Order\"/>"
    "<xs:complexType name=\"Order\"><xs:sequence>"
    "<xs:element name=\"customer\" type=\"xs:string\"/>"
    "<xs:element name=\"item\" type=\"Item\" maxOccurs=\"unbounded\"/>"
    "<xs:element name=\"note\" type=\"xs:string\"/>"
    "</xs:sequence></xs:complexType>"
    "<xs:complexType name=\"Item\"><xs:sequence>"
    "<xs:element name=\"name\" type=\"xs:string\"/><xs:element name=\"qty\" type=\"xs:int\"/>"
    "</xs:sequence></xs:complexType></xs:schema>";

// Node records of a document through the staged route (a schema gives its template).
struct Records {
  XmlNodeRecord* records = nullptr;
  uint32_t count = 0;
  explicit Records(const std::string& text) {
    Tree tree(XmlParseString(text.c_str()));
    XmlNode* list = XmlNodeListNew();
    if (strstr(tree->name, "schema")) {
      XsdToNodes(tree.get(), list);
    } else {
      XmlTreeToNodes(tree.get(), list);
    }
    XmlNodeListToRecords(list, &records, &count);
    XmlNodeListFree(list);
  }
  Records() = default;
  ~Records() {
    XmlRecordsFree(records, count);
    free(records);
  }
};

std::string BindDump(const Records& t, const Records& d) {
  Records out;
  EXPECT_EQ(XmlBindNodes(t.records, t.count, d.records, d.count, &out.records, &out.count), 1);
  Tree tree(XmlRecordsToTree(out.records, out.count));
  return DumpOrNull(tree.get());
}

TEST(XmlBind, DataTakesTheTemplatesShape) {
  Records t(kOrderSchema);
  Records d("<order><item><qty>2</qty><name>pen</name></item><customer>Li</customer></order>");
  EXPECT_EQ(BindDump(t, d),
            "order\n  customer \"Li\"\n  item\n    name \"pen\"\n    qty \"2\"\n  note\n");
}

TEST(XmlBind, RepeatedElementsGetTheirOwnInstances) {
  Records t(kOrderSchema);
  Records d(
      "<order><customer>Li</customer><item><name>pen</name><qty>2</qty></item>"
      "<item><name>ink</name></item><item><qty>9</qty></item></order>");
  Records out;
  ASSERT_EQ(XmlBindNodes(t.records, t.count, d.records, d.count, &out.records, &out.count), 1);
  Tree tree(XmlRecordsToTree(out.records, out.count));
  EXPECT_EQ(Dump(tree.get()),
            "order\n  customer \"Li\"\n  item\n    name \"pen\"\n    qty \"2\"\n  item\n    name \"ink\"\n    qty\n"
            "  item\n    name\n    qty \"9\"\n  note\n");
  uint32_t repeats[4] = {0, 0, 0, 0};
  for (uint32_t i = 0; i < out.count; ++i) {
    if (strcmp(out.records[i].name, "item") == 0 && out.records[i].repeat <= 3) ++repeats[out.records[i].repeat];
  }
  EXPECT_EQ(repeats[1], 1u);
  EXPECT_EQ(repeats[2], 1u);
  EXPECT_EQ(repeats[3], 1u);
  for (uint32_t i = 1; i < out.count; ++i) EXPECT_NE(out.records[i].id, out.records[i - 1].id);
}

TEST(XmlBind, UndeclaredDataIsDropped) {
  Records t(kOrderSchema);
  Records d("<order><extra><customer>x</customer></extra><customer>Li<b>bold</b></customer></order>");
  EXPECT_EQ(BindDump(t, d), "order\n  customer\n  item\n    name\n    qty\n  note\n");
  Records other("<invoice><customer>Li</customer></invoice>");
  EXPECT_EQ(BindDump(t, other), "order\n  customer\n  item\n    name\n    qty\n  note\n");
}

TEST(XmlBind, EmptyInputsGiveNoOutput) {
  Records t(kOrderSchema);
  XmlNodeRecord* out = reinterpret_cast<XmlNodeRecord*>(&t);
  uint32_t count = 5;
  EXPECT_EQ(XmlBindNodes(t.records, t.count, nullptr, 0, &out, &count), 1);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(count, 0u);
  EXPECT_EQ(XmlBindNodes(t.records, t.count, nullptr, 3, &out, &count), 0);
  EXPECT_EQ(XmlBindNodes(t.records, t.count, t.records, t.count, nullptr, &count), 0);
}

TEST(XmlBind, RecordPayloadsBindTheSameWay) {
  XmlRecordPayload* t = nullptr;
  uint32_t tc = 0;
  ASSERT_EQ(XmlRecordLoadText(kOrderSchema, static_cast<uint32_t>(strlen(kOrderSchema)), &t, &tc), 1);
  const char* data = "<order><customer>Li</customer><item><name>a</name></item><item><name>b</name></item></order>";
  XmlRecordPayload* d = nullptr;
  uint32_t dc = 0;
  ASSERT_EQ(XmlRecordLoadText(data, static_cast<uint32_t>(strlen(data)), &d, &dc), 1);
  XmlRecordPayload* out = nullptr;
  uint32_t count = 0;
  ASSERT_EQ(XmlBindRecords(t, tc, d, dc, &out, &count), 1);
  EXPECT_EQ(Names(out, count), "order customer=Li item item note name=a qty name=b qty");
  EXPECT_STREQ(out[2].typeName, "complexType");
  EXPECT_STREQ(out[5].schemaPath, "\\order\\item\\");
  char* text = nullptr;
  uint32_t length = 0;
  ASSERT_EQ(XmlRecordPayloadsToText(out, count, &text, &length), 1);
  EXPECT_STREQ(text,
               "<order><customer>Li</customer><item><name>a</name><qty></qty></item>"
               "<item><name>b</name><qty></qty></item><note></note></order>");
  free(text);
  free(out);
  free(t);
  free(d);
}

}  // namespace
