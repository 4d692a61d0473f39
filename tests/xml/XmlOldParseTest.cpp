// The older parsers (intermediate trees, "xml-error"), the stream parse, and the staged route
// from the intermediate tree through object nodes and records to the delivered tree.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "tests/xml/XmlTestUtil.h"

using namespace xmltest;

namespace {

const char kDoc[] =
    "<?xml version=\"1.0\"?>\n<xwb oper=\"create\">\n  <page number=\"0\">"
    "<line id=\"line:1\" x1=\"1\"/>pre&amp;post<path d=\"M 1 2 L 3 4 Z\"/></page>\n"
    "  <page number=\"1\"><text id=\"text:1\">5L2g5aW9</text><!-- note --><![CDATA[raw<]]></page>\n</xwb>";

std::string ErrorOf(XmlElement* e) {
  if (!e || !XmlElementName(e) || strcmp(XmlElementName(e), "xml-error") != 0) return "not an error";
  return Str(XmlGetAttribute(e, "code")) + "|" + Str(XmlGetAttribute(e, "message")) + "|" + Str(XmlGetAttribute(e, "line"));
}

struct ChunkReader {
  const std::string* text;
  size_t offset;
  size_t chunk;
};

size_t ReadChunk(void* buffer, size_t size, size_t count, void* stream) {
  auto* r = static_cast<ChunkReader*>(stream);
  size_t n = std::min({count * size, r->chunk, r->text->size() - r->offset});
  memcpy(buffer, r->text->data() + r->offset, n);
  r->offset += n;
  return n;
}

// The delivered tree by the staged route: intermediate tree, object nodes, records, tree.
std::string StagedRoute(const char* xml) {
  Tree intermediate(XmlParseString(xml));
  XmlNode* list = XmlNodeListNew();
  EXPECT_TRUE(XmlTreeToNodes(intermediate.get(), list));
  XmlNodeRecord* records = nullptr;
  uint32_t count = 0;
  EXPECT_TRUE(XmlNodeListToRecords(list, &records, &count));
  Tree tree(XmlRecordsToTree(records, count));
  XmlRecordsFree(records, count);
  free(records);
  XmlNodeListFree(list);
  return DumpOrNull(tree.get());
}

TEST(XmlOldParse, IntermediateTreeKeepsEveryPieceWithOrdinals) {
  Tree t(XmlParseString("<a>x&amp;y<b k=\"v\"/>z</a>"));
  ASSERT_TRUE(t);
  EXPECT_EQ(Dump(t.get()), "a\n  #old\"x\"\n  #old\"&\"\n  #old\"y\"\n  b k=v\n  #old\"z\"\n");
  std::string ordinals;
  for (XmlElement* c = XmlFirstChild(t.get()); c; c = XmlNextSibling(c)) {
    ordinals += std::to_string(c->ordinal) + (c->name ? "e" : "t") + std::to_string(c->kind) + " ";
  }
  EXPECT_EQ(ordinals, "2t1 3t1 4t1 5e0 6t1 ");
  EXPECT_EQ(t->ordinal, 1u);
  EXPECT_EQ(t->lastOrdinal, 6u);
}

TEST(XmlOldParse, ErrorsBecomeAnErrorElement) {
  Tree t(XmlParseString("<a>\n<b></a>"));
  EXPECT_EQ(ErrorOf(t.get()), "7|mismatched tag|2");
  Tree empty(XmlParseString(""));
  EXPECT_EQ(ErrorOf(empty.get()), "3|no element found|1");
  EXPECT_EQ(XmlParseString(nullptr), nullptr);
}

// The older parsers prepare nothing, but tell expat the input is UTF-8: a declaration cannot
// choose another encoding, and bytes that are not UTF-8 are errors.
Tree ParseFileBytes(const std::string& bytes) {
  FILE* file = tmpfile();
  fwrite(bytes.data(), 1, bytes.size(), file);
  rewind(file);
  Tree tree(XmlParseFile(file));
  fclose(file);
  return tree;
}

// The tree of the string parser, checked against the file and stream parsers (7-byte chunks).
std::string ParseAllThreeWays(const std::string& text) {
  Tree fromString(XmlParseString(text.c_str()));
  Tree fromFile = ParseFileBytes(text);
  ChunkReader reader{&text, 0, 7};
  Tree fromStream(XmlParseStream(&reader, ReadChunk));
  Owned expected(XmlElementToString(fromString.get()));
  Owned file(XmlElementToString(fromFile.get()));
  Owned stream(XmlElementToString(fromStream.get()));
  EXPECT_STREQ(file.get(), expected.get()) << text;
  EXPECT_STREQ(stream.get(), expected.get()) << text;
  return ErrorOf(fromString.get()) == "not an error" ? Str(expected.get()) : ErrorOf(fromString.get());
}

TEST(XmlOldParse, InputIsReadAsUtf8WhateverItDeclares) {
  EXPECT_EQ(ParseAllThreeWays("<?xml version=\"1.0\" encoding=\"gbk\"?><a k=\"v\">x</a>"), "<a k=\"v\">x</a>");
  EXPECT_EQ(ParseAllThreeWays("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a>caf\xE9</a>"),
            "4|not well-formed (invalid token)|1");
  EXPECT_EQ(ParseAllThreeWays("<a>\xC4\xE3\xBA\xC3</a>"), "4|not well-formed (invalid token)|1");  // GBK bytes
  EXPECT_EQ(ParseAllThreeWays("\xEF\xBB\xBF<a>caf\xC3\xA9</a>"), "<a>caf\xC3\xA9</a>");
  // expat recognises UTF-16 by its first bytes whatever it is told, and delivers it as UTF-8.
  for (const std::string& utf16 : {std::string("\xFF\xFE<\0a\0>\0\xE9\0<\0/\0a\0>\0", 18),
                                   std::string("<\0a\0>\0\xE9\0<\0/\0a\0>\0", 16)}) {
    Tree tree = ParseFileBytes(utf16);
    Owned text(XmlElementToString(tree.get()));
    EXPECT_STREQ(text.get(), "<a>\xC3\xA9</a>");
  }
}

TEST(XmlOldParse, ParseFileReadsInChunks) {
  std::string doc = "<list>";
  for (int i = 0; i < 200; ++i) doc += "<item n=\"" + std::to_string(i) + "\"/>";
  doc += "</list>";
  for (const std::string& text : {doc, std::string("<a>"), doc.substr(0, 512), doc.substr(0, 1024)}) {
    FILE* file = tmpfile();
    ASSERT_NE(file, nullptr);
    fwrite(text.data(), 1, text.size(), file);
    rewind(file);
    Tree t(XmlParseFile(file));
    fclose(file);
    Tree expected(XmlParseString(text.c_str()));
    EXPECT_EQ(DumpOrNull(t.get()), DumpOrNull(expected.get())) << text.size();
  }
}

TEST(XmlOldParse, StreamParseAgreesWithWholeParseForEveryChunkSize) {
  std::string doc = kDoc;
  for (int i = 0; i < 40; ++i) doc.insert(doc.size() - 7, "<p i=\"" + std::to_string(i) + "\">" + u8"你好" + "</p>");
  // Pieces of character data follow the chunks, so compare the serialised trees.
  Tree whole(XmlParseString(doc.c_str()));
  Owned expected(XmlElementToString(whole.get()));
  std::string truncated = doc.substr(0, doc.size() - 3);
  Tree wholeTruncated(XmlParseString(truncated.c_str()));
  std::string expectedError = ErrorOf(wholeTruncated.get());
  ASSERT_NE(expectedError, "not an error");
  for (size_t chunk = 1; chunk <= 600; ++chunk) {
    ChunkReader reader{&doc, 0, chunk};
    Tree streamed(XmlParseStream(&reader, ReadChunk));
    Owned text(XmlElementToString(streamed.get()));
    ASSERT_STREQ(text.get(), expected.get()) << "chunk " << chunk;
    ChunkReader cut{&truncated, 0, chunk};
    Tree partial(XmlParseStream(&cut, ReadChunk));
    ASSERT_EQ(ErrorOf(partial.get()), expectedError) << "chunk " << chunk;
  }
}

TEST(XmlOldParse, StreamEdgeCases) {
  std::string nothing;
  ChunkReader empty{&nothing, 0, 512};
  Tree none(XmlParseStream(&empty, ReadChunk));
  EXPECT_EQ(ErrorOf(none.get()), "3|no data received|0");
  std::string withZero("<a>x</a>\0<b>", 12);
  ChunkReader zero{&withZero, 0, 512};
  Tree cut(XmlParseStream(&zero, ReadChunk));  // a chunk ends at its first zero byte, and so does the stream
  EXPECT_EQ(DumpOrNull(cut.get()), "a\n  #old\"x\"\n");
  EXPECT_EQ(XmlParseStream(nullptr, nullptr), nullptr);
}

TEST(XmlOldParse, TreeToNodesIsBreadthFirstWithMergedTextRuns) {
  Tree t(XmlParseString("<a k=\"1\">x&amp;y<b/>z<b>t</b><c><d/></c></a>"));
  XmlNode* list = XmlNodeListNew();
  ASSERT_TRUE(XmlTreeToNodes(t.get(), list));
  std::string nodes;
  for (XmlNode* n = list->next; n; n = n->next) {
    nodes += std::to_string(n->id) + "/" + std::to_string(n->parentId) + ":" + Str(n->name) + " r" +
             std::to_string(n->repeat) + " h" + std::to_string(n->hasChildren) + " k" + std::to_string(n->kind) +
             " \"" + Str(n->text) + "\"\n";
  }
  EXPECT_EQ(nodes,
            "1/0:a r1 h1 k0 \"(null)\"\n"
            "2/1:(null) r0 h0 k1 \"x&y\"\n"
            "5/1:b r1 h0 k0 \"(null)\"\n"
            "6/1:(null) r0 h0 k1 \"z\"\n"
            "7/1:b r2 h0 k0 \"t\"\n"
            "9/1:c r1 h1 k0 \"(null)\"\n"
            "10/9:d r1 h0 k0 \"(null)\"\n");
  EXPECT_STREQ(list->next->attributes->name, "k");
  XmlNodeListFree(list);
}

TEST(XmlOldParse, LoaderEqualsTheStagedRoute) {
  const char* documents[] = {
      kDoc,
      "<a/>",
      "<a> </a>",
      "<a>\n  <b>1</b>\n  <c/>\n</a>",
      "<a>x<!--c-->y<b>p<![CDATA[q]]>r</b>s&amp;t<c><d>deep</d></c>\n</a>",
      "<r><x/><x/><y/><x>1</x></r>",
      "<r a=\"1\" b=\"&lt;\"><s c=\"2\">text</s>tail</r>",
  };
  for (const char* doc : documents) EXPECT_EQ(LoadDump(doc), StagedRoute(doc)) << doc;
}

TEST(XmlOldParse, CopyToOldFormKeepsTexts) {
  Tree t(XmlLoadString("<a k=\"v\">x<b>1</b><c/>y</a>"));
  Tree old(XmlCopyToOldForm(t.get()));
  EXPECT_EQ(Dump(old.get()), "a k=v\n  #old\"x\"\n  b\n    #old\"1\"\n  c\n  #old\"y\"\n");
  Owned text(XmlElementToString(old.get()));
  EXPECT_STREQ(text.get(), "<a k=\"v\">x<b>1</b><c></c>y</a>");

  Tree dst(XmlCreateElement("dst", nullptr));
  XmlSetAttribute(dst.get(), "k", "old");
  EXPECT_EQ(XmlMergeToOldForm(dst.get(), t.get()), dst.get());
  EXPECT_EQ(Dump(dst.get()), "dst k=v\n  #old\"x\"\n  b\n    #old\"1\"\n  c\n  #old\"y\"\n");
  Tree single(XmlMergeToOldForm(nullptr, XmlFirstChild(t.get())));
  EXPECT_EQ(Dump(single.get()), "#old\"x\"\n");
  char upper[] = "GB2312-Abc";
  XmlLowerAscii(upper);
  EXPECT_STREQ(upper, "gb2312-abc");
}

}  // namespace
