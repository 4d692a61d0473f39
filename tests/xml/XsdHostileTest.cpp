// Hostile schemas and data: exponential and recursive types, deep nesting, huge counts, long
// names and parent cycles are refused or bounded, and finish quickly.
#include <gtest/gtest.h>

#include <string>

#include "tests/xml/XmlRecordTestUtil.h"
#include "tests/xml/XmlTestUtil.h"

using namespace xmltest;

namespace {

struct NodeListDeleter {
  void operator()(XmlNode* list) const { XmlNodeListFree(list); }
};
using NodeList = std::unique_ptr<XmlNode, NodeListDeleter>;

int TemplateSize(const std::string& schema, int* result) {
  Tree tree(XmlParseString(schema.c_str()));
  NodeList list(XmlNodeListNew());
  *result = XsdToNodes(tree.get(), list.get());
  return static_cast<int>(XmlNodeListCount(list.get()));
}

std::string Type(const std::string& name, const std::string& content) {
  return "<complexType name=\"" + name + "\"><sequence>" + content + "</sequence></complexType>";
}

std::string Element(const std::string& name, const std::string& type) {
  return "<element name=\"" + name + "\" type=\"" + type + "\"/>";
}

TEST(XsdHostile, ExponentialTypesAreRefused) {
  std::string schema = "<schema>" + Element("r", "T0");
  for (int i = 0; i < 40; ++i) {
    std::string next = "T" + std::to_string(i + 1);
    schema += Type("T" + std::to_string(i), Element("a", next) + Element("b", next));
  }
  schema += "</schema>";
  int result = -1;
  EXPECT_EQ(TemplateSize(schema, &result), 0);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(XmlLoadString(schema.c_str()), nullptr);
}

TEST(XsdHostile, RecursiveTypesUnfoldOnce) {
  std::string schema = "<schema>" + Element("r", "A") + Type("A", Element("x", "A") + Element("y", "B")) +
                       Type("B", Element("z", "A")) + "</schema>";
  EXPECT_EQ(LoadDump(schema), "r\n  x\n  y\n    z\n");
}

// Each type holds one element of the next: a chain of named types nested n deep.
std::string TypeChain(int n) {
  std::string schema = "<schema>" + Element("r", "T0");
  for (int i = 0; i < n; ++i) schema += Type("T" + std::to_string(i), Element("e", "T" + std::to_string(i + 1)));
  return schema + Type("T" + std::to_string(n), Element("leaf", "string")) + "</schema>";
}

TEST(XsdHostile, TypesNestedBeyondTheCapAreRefusedWithALogLine) {
  int result = -1;
  testing::internal::CaptureStderr();
  EXPECT_EQ(TemplateSize(TypeChain(32), &result), 34);  // r, 32 e and the leaf
  EXPECT_EQ(result, 1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  testing::internal::CaptureStderr();
  EXPECT_EQ(TemplateSize(TypeChain(33), &result), 0);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(XmlLoadString(TypeChain(33).c_str()), nullptr);
  std::string log = testing::internal::GetCapturedStderr();
  EXPECT_NE(log.find("xml: schema types nest more than 32 deep at element \"e\""), std::string::npos) << log;
}

TEST(XsdHostile, DeepNestingIsBounded) {
  auto nested = [](int depth) {
    std::string s = "<schema>";
    for (int i = 0; i < depth; ++i) s += "<element name=\"e\"><complexType><sequence>";
    for (int i = 0; i < depth; ++i) s += "</sequence></complexType></element>";
    return s + "</schema>";
  };
  int result = -1;
  EXPECT_EQ(TemplateSize(nested(1000), &result), 1000);
  EXPECT_EQ(result, 1);
  Tree tree(XmlLoadString(nested(1000).c_str()));
  ASSERT_TRUE(tree);
  EXPECT_EQ(TemplateSize(nested(20000), &result), 0);  // its paths alone would take 400 MB
  EXPECT_EQ(result, 0);
}

TEST(XsdHostile, LongNamesCopiedManyTimesAreRefused) {
  std::string schema = "<schema>" + Type("T", Element(std::string(100000, 'n'), "string"));
  for (int i = 0; i < 400; ++i) schema += Element("e", "T");
  schema += "</schema>";
  int result = -1;
  TemplateSize(schema, &result);
  EXPECT_EQ(result, 0);
}

std::string Items(int n) {
  std::string data = "<order>";
  for (int i = 0; i < n; ++i) data += "<item><name>n</name></item>";
  return data + "</order>";
}

int Bind(const std::string& data, uint32_t* count) {
  const std::string schema = "<schema>" + Element("order", "O") + Type("O", Element("item", "I")) +
                             Type("I", Element("name", "string") + Element("qty", "int")) + "</schema>";
  XmlRecordPayload* t = nullptr;
  XmlRecordPayload* d = nullptr;
  XmlRecordPayload* out = nullptr;
  uint32_t tc = 0, dc = 0;
  XmlRecordLoadText(schema.c_str(), static_cast<uint32_t>(schema.size()), &t, &tc);
  XmlRecordLoadText(data.c_str(), static_cast<uint32_t>(data.size()), &d, &dc);
  int done = XmlBindRecords(t, tc, d, dc, &out, count);
  free(t);
  free(d);
  free(out);
  return done;
}

TEST(XsdHostile, BindingManyRepeatsIsLinearAndBounded) {
  uint32_t count = 0;
  ASSERT_EQ(Bind(Items(20000), &count), 1);
  EXPECT_EQ(count, 1u + 3u * 20000u);
  EXPECT_EQ(Bind(Items(70000), &count), 0);  // more than 200,000 records
  EXPECT_EQ(count, 0u);
}

TEST(XsdHostile, ParentCyclesInRecordsEndTheBinding) {
  XmlRecordPayload t[3] = {Payload(1, 0, "r"), Payload(2, 3, "a"), Payload(3, 2, "b")};
  XmlRecordPayload d[4] = {Payload(10, 0, "r", "x"), Payload(11, 12, "a"), Payload(12, 11, "b"), Payload(13, 13, "r")};
  XmlRecordPayload* out = nullptr;
  uint32_t count = 0;
  ASSERT_EQ(XmlBindRecords(t, 3, d, 4, &out, &count), 1);
  EXPECT_EQ(Names(out, count), "r=x r");  // the cycle a-b is unreachable; a self-parent is a root
  free(out);
}

TEST(XsdHostile, RecursiveRecordTemplatesStaySmall) {
  std::string schema = "<xs:schema>" + Element("r", "A") + Type("A", Element("x", "A") + Element("x", "A")) + "</xs:schema>";
  RecordList list = NewRecordList();
  ASSERT_EQ(XmlRecordParseText(schema.c_str(), static_cast<uint32_t>(schema.size()), list.get()), 1);
  EXPECT_LT(XmlRecordListCount(list.get()), 10u);
}

}  // namespace
