// Writers: escaped tree text, the older and HTML forms, files, and records and object nodes.
#include <gtest/gtest.h>

#include <dirent.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "tests/xml/XmlRecordTestUtil.h"
#include "tests/xml/XmlTestUtil.h"

using namespace xmltest;

namespace {

// A fresh file in the temporary folder, removed at the end of the test: runs at once never
// share it.
struct TempFile {
  char path[32] = "/tmp/xml-write-XXXXXX";
  TempFile() {
    int fd = mkstemp(path);
    if (fd >= 0) close(fd);
  }
  ~TempFile() { remove(path); }
};

std::string ReadAll(const char* path) {
  std::ifstream in(path);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string ToText(XmlElement* e) {
  Owned text(XmlElementToText(e));
  return Str(text.get());
}

// Object nodes and records of a parsed document, by the staged conversion.
struct Records {
  explicit Records(const char* xml) : intermediate(XmlParseString(xml)), list(XmlNodeListNew()) {
    XmlTreeToNodes(intermediate.get(), list);
    XmlNodeListToRecords(list, &records, &count);
  }
  ~Records() {
    XmlRecordsFree(records, count);
    free(records);
    XmlNodeListFree(list);
  }
  Tree intermediate;
  XmlNode* list;
  XmlNodeRecord* records = nullptr;
  uint32_t count = 0;
};

TEST(XmlWrite, ElementTextIsEscaped) {
  Tree a(XmlCreateElement("a", nullptr));
  XmlSetAttribute(a.get(), "k", "1&2");
  EXPECT_EQ(ToText(a.get()), "<a k=\"1&amp;2\"></a>");
  Tree t(XmlLoadString("<r q=\"&quot;'&lt;\">a&lt;b<c>&amp;</c>&gt;</r>"));
  EXPECT_EQ(ToText(t.get()), "<r q=\"&quot;&apos;&lt;\">a&lt;b<c>&amp;</c>&gt;</r>");
  EXPECT_EQ(XmlElementToText(nullptr), nullptr);
  Tree emptyText(XmlCreateText(""));
  EXPECT_EQ(XmlElementToText(emptyText.get()), nullptr);
}

TEST(XmlWrite, CDataIsWrittenRaw) {
  Tree p(XmlCreateElement("p", nullptr));
  XmlAppendChild(p.get(), XmlCreateCData("x<y"));
  EXPECT_EQ(ToText(p.get()), "<p><![CDATA[x<y]]></p>");
  Tree reloaded(XmlLoadString(ToText(p.get()).c_str()));
  EXPECT_STREQ(XmlElementText(reloaded.get()), "x<y");
}

TEST(XmlWrite, SerialiseThenParseGivesTheSameTree) {
  const char* documents[] = {
      "<a/>",
      "<xwb oper=\"create\" xmlns=\"dconf:doc:share\">\n <page number=\"0\"><line id=\"line:0123456789abcdef0\" "
      "x1=\"1\" y1=\"2\" x2=\"3\" y2=\"4\" style=\"stroke:255;stroke-width:2\"/></page>\n</xwb>",
      "<a k=\"&lt;&amp;&gt;&quot;&apos;\">x&lt;y<b>1 &amp; 2</b>\n\t<c/>tail</a>",
      u8"<根 名=\"值\">文字<子>内容</子></根>",
      "<a><![CDATA[<not markup>]]><b/>&#9;&#x10FFFF;</a>",
  };
  for (const char* doc : documents) {
    Tree first(XmlLoadString(doc));
    ASSERT_TRUE(first) << doc;
    std::string text = ToText(first.get());
    Tree second(XmlLoadString(text.c_str()));
    ASSERT_TRUE(second) << text;
    EXPECT_EQ(Dump(second.get()), Dump(first.get())) << text;
    EXPECT_EQ(ToText(second.get()), text);
  }
}

TEST(XmlWrite, OlderFormIsUnescaped) {
  Tree t(XmlParseString("<a k=\"&lt;\">x&amp;<b>1</b></a>"));
  Owned whole(XmlElementToString(t.get()));
  EXPECT_STREQ(whole.get(), "<a k=\"<\">x&<b>1</b></a>");
  Owned children(XmlChildrenToString(t.get()));
  EXPECT_STREQ(children.get(), "x&<b>1</b>");
  Tree delivered(XmlCreateElement("d", "own text"));
  Owned text(XmlElementToString(delivered.get()));
  EXPECT_STREQ(text.get(), "<d>own text</d>");
}

TEST(XmlWrite, HtmlEndTagsFollowHtmlHabits) {
  Tree br(XmlCreateElement("br", nullptr));
  Tree p(XmlCreateElement("p", "ignored"));
  Owned brText(XmlElementToHtml(br.get()));
  Owned pText(XmlElementToHtml(p.get()));
  EXPECT_STREQ(brText.get(), "<br>");
  EXPECT_STREQ(pText.get(), "<p></p>");
  Tree list(XmlParseString("<ul><li>one</li><li>two<br/></li></ul>"));
  Owned listText(XmlElementToHtml(list.get()));
  EXPECT_STREQ(listText.get(), "<ul><li>one<li>two<br></ul>");
  Owned inner(XmlChildrenToHtml(list.get()));
  EXPECT_STREQ(inner.get(), "<li>one<li>two<br>");
}

TEST(XmlWrite, WriteFileModes) {
  Tree t(XmlParseString("<a k=\"v&amp;\">x<b/><p/></a>"));
  TempFile file;
  const char* path = file.path;
  const char* expected[] = {"<a k=\"v&\">x<b/><p/></a>", "x<b/><p/>", "<a k=\"v&\">x<b><p></p></a>", "x<b><p></p>"};
  for (int mode = 0; mode < 4; ++mode) {
    ASSERT_TRUE(XmlWriteFile(path, t.get(), mode));
    EXPECT_EQ(ReadAll(path), expected[mode]) << mode;
  }
  EXPECT_FALSE(XmlWriteFile("/nonexistent/dir/x.xml", t.get(), 0));
}

// A document whose written form is far larger than a stdio buffer.
std::string BigDocument() {
  std::string doc = "<r>";
  for (int i = 0; i < 3000; ++i) doc += "<item n=\"" + std::to_string(i) + "\">some &amp; text</item>";
  return doc + "</r>";
}

// The three file writers, each writing the same document to a path.
struct FileWriters {
  explicit FileWriters(const std::string& doc) : tree(XmlParseString(doc.c_str())), records(doc.c_str()), list(NewRecordList()) {
    XmlRecordParseText(doc.c_str(), static_cast<uint32_t>(doc.size()), list.get());
  }
  std::vector<std::pair<const char*, std::function<int(const char*)>>> All() {
    return {{"XmlWriteFile", [this](const char* path) { return XmlWriteFile(path, tree.get(), XML_WRITE_ELEMENT); }},
            {"XmlNodesWriteFile", [this](const char* path) { return XmlNodesWriteFile(path, records.list); }},
            {"XmlRecordsWriteFile", [this](const char* path) { return XmlRecordsWriteFile(path, list.get()); }}};
  }
  Tree tree;
  Records records;
  RecordList list;
};

std::string DirectoryEntries(const std::string& dir) {
  std::string names;
  DIR* d = opendir(dir.c_str());
  while (dirent* entry = d ? readdir(d) : nullptr) {
    if (strcmp(entry->d_name, ".") && strcmp(entry->d_name, "..")) names += std::string(entry->d_name) + " ";
  }
  if (d) closedir(d);
  return names;
}

TEST(XmlWrite, FileWritersReportAFullDisk) {
  for (const std::string& doc : {std::string("<a k=\"v\">x</a>"), BigDocument()}) {
    FileWriters writers(doc);
    for (auto& [name, write] : writers.All()) EXPECT_EQ(write("/dev/full"), 0) << name << " " << doc.size();
  }
}

// A write that fails half-way (here the file-size limit, as a full disk would) leaves the file
// that was there before, and nothing beside it.
TEST(XmlWrite, AFailedWriteKeepsThePreviousFile) {
  char dir[] = "/tmp/xml-write-XXXXXX";
  ASSERT_NE(mkdtemp(dir), nullptr);
  std::string path = std::string(dir) + "/doc.xml";
  FileWriters small("<a>old</a>");
  FileWriters big(BigDocument());
  auto smallWriters = small.All();
  auto bigWriters = big.All();
  sighandler_t previous = signal(SIGXFSZ, SIG_IGN);
  rlimit saved;
  getrlimit(RLIMIT_FSIZE, &saved);
  for (size_t w = 0; w < bigWriters.size(); ++w) {
    ASSERT_EQ(smallWriters[w].second(path.c_str()), 1) << smallWriters[w].first;
    chmod(path.c_str(), 0640);
    std::string before = ReadAll(path.c_str());
    rlimit limit = saved;
    limit.rlim_cur = 20000;
    setrlimit(RLIMIT_FSIZE, &limit);
    int written = bigWriters[w].second(path.c_str());
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_EQ(written, 0) << bigWriters[w].first;
    EXPECT_EQ(ReadAll(path.c_str()), before) << bigWriters[w].first;
    EXPECT_EQ(DirectoryEntries(dir), "doc.xml ") << bigWriters[w].first;
    ASSERT_EQ(bigWriters[w].second(path.c_str()), 1) << bigWriters[w].first;  // without the limit it fits
    struct stat st;
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u) << bigWriters[w].first;  // the replacement keeps the permissions
    EXPECT_GT(ReadAll(path.c_str()).size(), 20000u);
  }
  signal(SIGXFSZ, previous);
  remove(path.c_str());
  rmdir(dir);
}

TEST(XmlWrite, RecordTextWritesEmptyElementsShort) {
  Records r("<a k=\"v&amp;\">x<b/>y&lt;<c>t</c></a>");
  ASSERT_EQ(r.count, 5u);
  Owned all(XmlRecordToText(&r.records[0]));
  EXPECT_STREQ(all.get(), "<a k=\"v&amp;\">x<b/>y&lt;<c>t</c></a>");
  Owned viaOperation(r.records[0].ToText(&r.records[0]));
  EXPECT_STREQ(viaOperation.get(), all.get());
  Owned empty(XmlRecordToText(&r.records[2]));
  EXPECT_STREQ(empty.get(), "<b/>");
  r.records[4].kind = XML_KIND_CDATA;
  Owned cdata(XmlRecordToText(&r.records[4]));
  EXPECT_STREQ(cdata.get(), "<c><![CDATA[t]]></c>");
}

TEST(XmlWrite, NodeListsAndRecordArraysWriteBothTags) {
  Records r("<a k=\"v\">x<b/>y&lt;<c>t</c></a>");
  char* out = nullptr;
  uint32_t length = 0;
  ASSERT_TRUE(XmlNodesToText(r.list, &out, &length));
  EXPECT_STREQ(out, "<a k=\"v\">x<b></b>y&lt;<c>t</c></a>");
  EXPECT_EQ(length, strlen(out));
  free(out);
  ASSERT_TRUE(XmlRecordsToText(r.records, r.count, &out, &length));
  EXPECT_STREQ(out, "<a k=\"v\">x<b></b>y&lt;<c>t</c></a>");
  free(out);
  XmlNode* empty = XmlNodeListNew();
  EXPECT_FALSE(XmlNodesToText(empty, &out, &length));
  EXPECT_EQ(out, nullptr);
  XmlNodeListFree(empty);
  TempFile file;
  ASSERT_TRUE(XmlNodesWriteFile(file.path, r.list));
  EXPECT_EQ(ReadAll(file.path), "<a k=\"v\">x<b></b>y<<c>t</c></a>");
}

TEST(XmlWrite, RecordCyclesAreWrittenOnce) {
  Records r("<a><b/></a>");
  r.records[0].parentId = r.records[1].id;  // a and b are each other's parent
  Owned text(XmlRecordToText(&r.records[0]));
  EXPECT_STREQ(text.get(), "<a><b></b></a>");
  char* out = nullptr;
  uint32_t length = 0;
  EXPECT_FALSE(XmlRecordsToText(r.records, r.count, &out, &length));  // no top-level record
}

}  // namespace
