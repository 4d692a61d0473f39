// Parsing documents into record lists and writing records back.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include <unistd.h>

#include "tests/xml/XmlRecordTestUtil.h"
#include "tests/xml/XmlTestUtil.h"

using namespace xmltest;

namespace {

RecordList Parse(const std::string& text) {
  RecordList list = NewRecordList();
  EXPECT_EQ(XmlRecordParseText(text.c_str(), static_cast<uint32_t>(text.size()), list.get()), 1) << text;
  return list;
}

TEST(XmlRecordParse, ElementsBecomeRecordsBreadthFirst) {
  RecordList list = Parse("<r><a><c>1</c></a><b>2</b><b>3</b></r>");
  EXPECT_EQ(Names(list.get()), "r a b=2 b=3 c=1");
  XmlRecord* r = list->next;
  XmlRecord* a = r->next;
  XmlRecord* b2 = a->next->next;
  EXPECT_EQ(r->parentId, 0u);
  EXPECT_EQ(r->hasChildren, 1u);
  EXPECT_EQ(a->parentId, r->id);
  EXPECT_EQ(b2->repeat, 2);
  EXPECT_EQ(b2->hasChildren, 0u);
  EXPECT_EQ(list->tail->parentId, a->id);
}

TEST(XmlRecordParse, TextIsTheFirstChunkOnly) {
  RecordList list = Parse("<a>a&amp;b</a>");
  EXPECT_STREQ(list->next->text, "a");
  RecordList mixed = Parse("<a>x<b/>y</a>");  // text chunks of a parent are not records
  EXPECT_EQ(Names(mixed.get()), "a b");
}

TEST(XmlRecordParse, LongTextIsCutAtACharacterBoundary) {
  std::string text;
  for (int i = 0; i < 300; ++i) text += "\xE4\xB8\xAD";  // 900 bytes of a three-byte character
  RecordList list = Parse("<a>" + text + "</a>");
  size_t kept = strlen(list->next->text);
  EXPECT_EQ(kept, 768u);  // 256 whole characters fit into 770 bytes
  EXPECT_EQ(std::string(list->next->text), text.substr(0, kept));
}

TEST(XmlRecordParse, DeclaredGbkIsConverted) {
  RecordList list = Parse("<?xml version=\"1.0\" encoding=\"GBK\"?><a>\xD6\xD0</a>");
  EXPECT_STREQ(list->next->text, "\xE4\xB8\xAD");
}

TEST(XmlRecordParse, FailuresLeaveTheListEmpty) {
  RecordList list = NewRecordList();
  EXPECT_EQ(XmlRecordParseText("<a><b></a>", 10, list.get()), 0);
  EXPECT_EQ(XmlRecordParseText(nullptr, 0, list.get()), 0);
  EXPECT_EQ(XmlRecordParseText("<a/>", 4, nullptr), 0);
  EXPECT_EQ(XmlRecordListCount(list.get()), 0u);
  EXPECT_EQ(XmlRecordParseFile("/nonexistent/x.xml", list.get()), 0);
  XmlRecordPayload* array = nullptr;
  uint32_t count = 7;
  EXPECT_EQ(XmlRecordLoadText("<a>", 3, &array, &count), 0);
  EXPECT_EQ(array, nullptr);
}

TEST(XmlRecordParse, LoadTextGivesAPayloadArray) {
  XmlRecordPayload* array = nullptr;
  uint32_t count = 0;
  ASSERT_EQ(XmlRecordLoadText("<r><a>1</a></r>", 15, &array, &count), 1);
  EXPECT_EQ(Names(array, count), "r a=1");
  char* text = nullptr;
  uint32_t length = 0;
  ASSERT_EQ(XmlRecordPayloadsToText(array, count, &text, &length), 1);
  EXPECT_STREQ(text, "<r><a>1</a></r>");
  EXPECT_EQ(length, strlen(text));
  free(text);
  free(array);
}

TEST(XmlRecordParse, PayloadsToTextEscapesText) {
  XmlRecordPayload p = Payload(1, 0, "a", "x<y&z");
  char* text = nullptr;
  uint32_t length = 0;
  ASSERT_EQ(XmlRecordPayloadsToText(&p, 1, &text, &length), 1);
  EXPECT_STREQ(text, "<a>x&lt;y&amp;z</a>");
  free(text);
  EXPECT_EQ(XmlRecordPayloadsToText(nullptr, 0, &text, &length), 0);
}

// The file and the string form are the same escaped text, which parses back to the same texts.
TEST(XmlRecordParse, FilesRoundTrip) {
  char path[] = "/tmp/xml2-records-XXXXXX";
  int fd = mkstemp(path);
  ASSERT_GE(fd, 0);
  close(fd);
  RecordList list = NewRecordList();
  for (const XmlRecordPayload& p : {Payload(1, 0, "r"), Payload(2, 1, "a", "1 < 2 & \"3\""), Payload(3, 1, "b"),
                                    Payload(4, 3, "c", "2")}) {
    XmlRecordListAppend(list.get(), &p);
  }
  ASSERT_EQ(XmlRecordsWriteFile(path, list.get()), 1);
  XmlRecordPayload* array = nullptr;
  uint32_t count = 0;
  ASSERT_EQ(XmlRecordListToArray(list.get(), &array, &count), 1);
  char* text = nullptr;
  uint32_t length = 0;
  ASSERT_EQ(XmlRecordPayloadsToText(array, count, &text, &length), 1);
  free(array);
  FILE* file = fopen(path, "r");
  std::string written(length + 1, '\0');
  written.resize(fread(&written[0], 1, written.size(), file));
  fclose(file);
  EXPECT_EQ(written, text);
  free(text);
  Tree loaded(XmlLoadFile(path));
  EXPECT_EQ(DumpOrNull(loaded.get()), "r\n  a \"1 < 2 & \"3\"\"\n  b\n    c \"2\"\n");
  RecordList again = NewRecordList();
  ASSERT_EQ(XmlRecordParseFile(path, again.get()), 1);
  EXPECT_EQ(Names(again.get()), "r a=1  b c=2");  // a record keeps the first piece of character data
  ASSERT_EQ(XmlRecordLoadFile(path, &array, &count), 1);
  EXPECT_EQ(count, 4u);
  free(array);
  remove(path);
}

}  // namespace
