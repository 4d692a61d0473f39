// XWB documents that the user opens: a refused document leaves the board as it was.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/boards/SurfaceFixture.h"
#include "whiteboard/model/StrokeBase.h"
#include "whiteboard/model/StrokePage.h"

namespace surftest {
namespace {

class SurfaceDocument : public SurfaceTest {
 protected:
  void SetUp() override {
    SurfaceTest::SetUp();
    UseTool(kToolLine, kRed);
    Drag({100, 100}, {300, 200});
    ASSERT_EQ(Strokes().size(), 1u);
    line_ = Strokes()[0]->m_szID;
  }

  // A document of the given XML after the 46 header characters, its length written in.
  static std::string Document(const std::string& xml) {
    std::string doc = "WB" + std::string(44, ' ') + xml;
    uint32_t length = (uint32_t)doc.size();
    for (int i = 0; i < 4; ++i) doc[2 + i] = (char)((length >> (8 * i)) & 0xFF);
    return doc;
  }
  static std::string WithSize(const std::string& size) {
    return Document("<xwb><style><size>" + size + "</size></style><pagecount>1</pagecount><page number=\"0\"/></xwb>");
  }
  BOOL Read(const std::string& doc) { return Surface()->ReadXwbDocument(doc.data(), doc.size()); }

  void ExpectBoardKept() {
    ASSERT_EQ(Surface()->m_listPages.GetCount(), 1);
    ASSERT_EQ(Strokes().size(), 1u);
    EXPECT_EQ(std::string(Strokes()[0]->m_szID), line_);
    EXPECT_EQ(Surface()->GetCanvasSize(), CSize(1600, 1200));
  }

  std::string line_;
};

TEST_F(SurfaceDocument, ADocumentShorterThanItsHeaderIsRefused) {
  std::string doc = Document("<xwb/>");
  for (size_t length : {0u, 6u, 45u}) {
    EXPECT_FALSE(Surface()->ReadXwbDocument(doc.data(), length)) << length;
    ExpectBoardKept();
  }
  EXPECT_FALSE(Surface()->ReadXwbDocument(nullptr, 100));
  ExpectBoardKept();
}

TEST_F(SurfaceDocument, ACanvasSizeOutOfRangeIsRefusedAndTheBoardKept) {
  for (const char* size : {"-1600*1200", "1600*-1", "2147483647*1200", "1600*4097", "99999999999999999999*1",
                           "1600*", "*1200", "x*y"}) {
    EXPECT_FALSE(Read(WithSize(size))) << size;
    ExpectBoardKept();
  }
  ASSERT_TRUE(Read(WithSize("4096*4096")));
  EXPECT_EQ(Surface()->GetCanvasSize(), CSize(4096, 4096));
  EXPECT_EQ(Surface()->m_listPages.GetCount(), 1);
  EXPECT_TRUE(Strokes().empty());
}

TEST_F(SurfaceDocument, ADocumentRefusedAfterItsPagesLeavesTheBoard) {
  EXPECT_FALSE(Read(Document("<xwb><page number=\"0\"><line id=\"line:1\" x1=\"1\" y1=\"2\" x2=\"3\" y2=\"4\"/>"
                             "</page><pagecount/></xwb>")));
  ExpectBoardKept();
  EXPECT_FALSE(Read(Document("<xwb><page number=\"0\"></xwb>")));  // not well-formed
  ExpectBoardKept();
}

// An id that is not plain ASCII (read into GBK) is written back as UTF-8: the saved board
// reads again with the same id.
TEST_F(SurfaceDocument, AChineseIdSurvivesSaveAndOpenAgain) {
  ASSERT_TRUE(Read(Document("<xwb><style><size>1600*1200</size></style><pagecount>1</pagecount><page number=\"0\">"
                            "<line id=\"line:\xE4\xB8\xAD&amp;\" x1=\"1\" y1=\"2\" x2=\"30\" y2=\"40\"/></page></xwb>")));
  ASSERT_EQ(Strokes().size(), 1u);
  const std::string id = Strokes()[0]->m_szID;
  EXPECT_EQ(id, "line:\xD6\xD0&");  // GBK in the module
  CString saved = Surface()->WriteXwbDocument();
  ASSERT_TRUE(Surface()->ReadXwbDocument(saved, saved.GetLength()));
  ASSERT_EQ(Strokes().size(), 1u);
  EXPECT_EQ(std::string(Strokes()[0]->m_szID), id);
}

}  // namespace
}  // namespace surftest
