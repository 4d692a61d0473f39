// The page: its XML written exactly, read back by the class each id names, the background,
// and the list operations.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/support/whiteboard/PictureSamples.h"
#include "whiteboard/model/StrokeBitmap.h"
#include "whiteboard/model/StrokeDocPage.h"
#include "whiteboard/model/StrokeEllipse.h"
#include "whiteboard/model/StrokeFluorescencePen.h"
#include "whiteboard/model/StrokeFreeLine.h"
#include "whiteboard/model/StrokeHandPointer.h"
#include "whiteboard/model/StrokeLaser.h"
#include "whiteboard/model/StrokeLine.h"
#include "whiteboard/model/StrokePage.h"
#include "whiteboard/model/StrokePolygon.h"
#include "whiteboard/model/StrokePolyline.h"
#include "whiteboard/model/StrokeRectangle.h"
#include "whiteboard/model/StrokeRoundCircle.h"
#include "whiteboard/model/StrokeRoundRect.h"
#include "whiteboard/model/StrokeSolidEllipse.h"
#include "whiteboard/model/StrokeSolidRectangle.h"
#include "whiteboard/model/StrokeText.h"
#include "whiteboard/model/StrokeTrapezia.h"
#include "whiteboard/model/StrokeTriangle.h"
#include "whiteboard/model/WbBoardChannel.h"
#include "xml/XmlParse.h"
#include "xml/XmlTree.h"

namespace {

using wbtest::Bytes;

class PageXml : public wbtest::PictureTest {
 protected:
  // Reads page XML into page; the tree is freed after.
  static BOOL Read(CStrokePage& page, const char* xml) {
    XmlElement* root = XmlLoadString(xml);
    EXPECT_NE(root, nullptr) << xml;
    BOOL ok = page.FromXml(root);
    XmlFreeTree(root);
    return ok;
  }
  static CStrokeBase* At(CStrokePage& page, int index) { return page.StrokeAt(index); }
  // A small decodable picture as a data URL.
  static CString PictureUrl() { return wbtest::DataUrl("bmp", wbtest::HalvesBmp(4, 2)); }
};

CStrokeLine* NewLine(const char* id, CRect rect) {
  CStrokeLine* line = new CStrokeLine;
  strcpy(line->m_szID, id);
  line->m_tracker.m_rect = rect;
  return line;
}

TEST_F(PageXml, APageWithOneLineIsWrittenWithNothingBetweenElements) {
  CStrokePage page;
  page.m_listStroke.AddTail(NewLine("line:0123456789abcdef0", CRect(10, 20, 110, 70)));
  EXPECT_STREQ(page.ToXml(0), "<page number=\"0\"><line id=\"line:0123456789abcdef0\" x1=\"10\" y1=\"20\" "
                              "x2=\"110\" y2=\"70\" style=\"stroke:0;stroke-width:2\"/></page>");
  EXPECT_STREQ(CStrokePage().ToXml(12), "<page number=\"12\"></page>");
}

TEST_F(PageXml, PicturesAreWrittenInTheirOwnForms) {
  CStrokePage page;
  CStrokeBitmap* positioned = new CStrokeBitmap;
  strcpy(positioned->m_szID, "image:1");
  positioned->m_csFormat = "png";
  positioned->m_csData = "QQ==";
  positioned->m_tracker.m_rect = CRect(5, 6, 25, 16);
  CStrokeBitmap* plain = new CStrokeBitmap;
  strcpy(plain->m_szID, "image:2");
  plain->m_bPositioned = FALSE;
  CStrokeHandPointer* hand = new CStrokeHandPointer;
  strcpy(hand->m_szID, "hand:3");
  hand->m_tracker.m_rect = CRect(1, 2, 3, 4);
  page.m_listStroke.AddTail(positioned);
  page.m_listStroke.AddTail(plain);
  page.m_listStroke.AddTail(hand);
  EXPECT_STREQ(page.ToXml(1),
               "<page number=\"1\">"
               "<image id=\"image:1\" x=\"5\" y=\"6\" width=\"20\" height=\"10\" "
               "xlink:href=\"data:image/png;base64,QQ==\"/>"
               "<docpage id=\"image:2\" xlink:href=\"data:image/;base64,\"/>"
               "<image id=\"hand:3\" x=\"1\" y=\"2\" width=\"2\" height=\"2\" xlink:href=\"data:image/;base64,\"/>"
               "</page>");
}

TEST_F(PageXml, TheBackgroundIsWrittenTwiceAndReadOnceAtTheHead) {
  CStrokePage page;
  CStrokeDocPage* background = new CStrokeDocPage;
  strcpy(background->m_szID, "docpage:bg");
  background->m_csFormat = "bmp";
  background->m_csData = wbtest::Base64(wbtest::HalvesBmp(4, 2));
  page.SetDocPage(background);
  page.m_listStroke.AddHead(background);
  page.m_listStroke.AddTail(NewLine("line:1", CRect(0, 0, 5, 5)));
  CString xml = page.ToXml(0);
  CString element = background->ToXml();
  std::string text = (LPCTSTR)xml;
  size_t first = text.find((LPCTSTR)element);
  ASSERT_EQ(strlen("<page number=\"0\">"), first);
  EXPECT_EQ(first + element.GetLength(), text.find((LPCTSTR)element, first + 1));

  CStrokePage read;
  ASSERT_TRUE(Read(read, xml));
  ASSERT_EQ(2, read.m_listStroke.GetCount());
  ASSERT_NE(nullptr, read.m_pDocPage);
  EXPECT_EQ(read.m_pDocPage, At(read, 0));
  EXPECT_STREQ(read.m_pDocPage->m_szID, "docpage:bg");
  EXPECT_EQ(4, read.m_pDocPage->m_nWidth);
  EXPECT_TRUE(At(read, 1)->IsKindOf(RUNTIME_CLASS(CStrokeLine)));
  // Written again, the page reads back to the same text.
  EXPECT_STREQ(read.ToXml(0), xml);
}

TEST_F(PageXml, TheIdChoosesTheClassNotTheElementName) {
  struct Case {
    const char* element;
    const char* id;
    const CRuntimeClass* cls;
  } cases[] = {
      {"path", "freeline:1", RUNTIME_CLASS(CStrokeFreeLine)},
      {"path", "polyline:1", RUNTIME_CLASS(CStrokePolyline)},
      {"line", "solidellipse:1", RUNTIME_CLASS(CStrokeSolidEllipse)},
      {"rectangle", "solidrectangle:1", RUNTIME_CLASS(CStrokeSolidRectangle)},
      {"path", "rectangle:1", RUNTIME_CLASS(CStrokeRectangle)},
      {"ellipse", "ellipse:1", RUNTIME_CLASS(CStrokeEllipse)},
      {"path", "fluorescence:1", RUNTIME_CLASS(CStrokeFluorescencePen)},
      {"path", "triangle:1", RUNTIME_CLASS(CStrokeTriangle)},
      {"circle", "circle:1", RUNTIME_CLASS(CStrokeRoundCircle)},
      {"path", "polygon:1", RUNTIME_CLASS(CStrokePolygon)},
      {"path", "trapezia:1", RUNTIME_CLASS(CStrokeTrapezia)},
      {"roundrect", "roundrect:1", RUNTIME_CLASS(CStrokeRoundRect)},
      {"text", "text:1", RUNTIME_CLASS(CStrokeText)},
      {"line", "textline:1", RUNTIME_CLASS(CStrokeText)},  // "text" comes before "line"
      {"line", "line:1", RUNTIME_CLASS(CStrokeLine)},
      {"rectangle", "image:1", RUNTIME_CLASS(CStrokeBitmap)},
      {"image", "hand:1", RUNTIME_CLASS(CStrokeHandPointer)},
      {"image", "a-freeline-b", RUNTIME_CLASS(CStrokeFreeLine)},  // anywhere in the id
      {"image", "handline", RUNTIME_CLASS(CStrokeLine)},          // "line" comes before "hand"
  };
  for (const Case& c : cases) {
    CStrokePage page;
    CString xml;
    xml.Format("<page number=\"0\"><%s id=\"%s\" x1=\"1\" y1=\"2\" x2=\"30\" y2=\"40\"/></page>", c.element, c.id);
    ASSERT_TRUE(Read(page, xml));
    ASSERT_EQ(1, page.m_listStroke.GetCount()) << c.id;
    EXPECT_EQ(c.cls, At(page, 0)->GetRuntimeClass())
        << c.id << " read as " << At(page, 0)->GetRuntimeClass()->m_lpszClassName;
    EXPECT_STREQ(At(page, 0)->m_szID, c.id);
    EXPECT_EQ(nullptr, page.m_pDocPage);
  }
}

TEST_F(PageXml, LasersIdlessAndUnknownChildrenAreSkipped) {
  CStrokePage page;
  ASSERT_TRUE(Read(page, "<page number=\"3\">text between"
                         "<image id=\"laser:1\" x=\"1\" y=\"1\" width=\"16\" height=\"16\" "
                         "xlink:href=\"data:image/;base64,\"/>"
                         "<line x1=\"1\" y1=\"2\" x2=\"3\" y2=\"4\"/>"
                         "<line id=\"star:1\"/>"
                         "<line id=\"line:kept\"/>"
                         "</page>"));
  ASSERT_EQ(1, page.m_listStroke.GetCount());
  EXPECT_STREQ(At(page, 0)->m_szID, "line:kept");
  EXPECT_FALSE(page.FromXml(nullptr));
  EXPECT_EQ(1, page.m_listStroke.GetCount());
}

TEST_F(PageXml, AReadAppendsAndHandsTheOwnerToEveryObject) {
  // The board's channel, which reading a page never asks anything.
  class CIdleChannel : public IWbBoardChannel {
    WbMsgHeader* NewBoardHeader(DWORD, DWORD) override { return nullptr; }
    BYTE HeaderKind() const override { return WB_HEADER_P2P; }
    int ConfType() const override { return WB_CONFTYPE_P2P; }
    BOOL CanSend() const override { return FALSE; }
    CString GetWbConfURI() const override { return CString(); }
  } channel;
  IWbBoardChannel* board = &channel;
  CStrokePage page(board);
  page.m_listStroke.AddTail(NewLine("line:before", CRect()));
  ASSERT_TRUE(Read(page, "<page><path id=\"freeline:1\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"0\" d=\"M 1 2 L 3 4\"/>"
                         "<image id=\"hand:2\" x=\"7\" y=\"8\"/></page>"));
  ASSERT_EQ(3, page.m_listStroke.GetCount());
  EXPECT_STREQ(At(page, 0)->m_szID, "line:before");
  EXPECT_EQ(board, At(page, 1)->m_pOwner);
  EXPECT_EQ(board, At(page, 2)->m_pOwner);
}

TEST_F(PageXml, ABackgroundWithoutItsWordGetsAFreshId) {
  CStrokePage page;
  CString xml = "<page number=\"0\"><docpage id=\"image:bg\" xlink:href=\"" + PictureUrl() + "\"/></page>";
  ASSERT_TRUE(Read(page, xml));
  ASSERT_NE(nullptr, page.m_pDocPage);
  const char* id = page.m_pDocPage->m_szID;
  EXPECT_EQ(0, strncmp(id, "docpage:", 8)) << id;
  EXPECT_EQ(8u + 17u, strlen(id));
  EXPECT_EQ(strspn(id + 8, "0123456789abcdef"), 17u) << id;
  // An undecodable background is still the background.
  CStrokePage broken;
  ASSERT_TRUE(Read(broken, "<page><docpage id=\"docpage:x\" xlink:href=\"data:image/png;base64,QUJD\"/></page>"));
  EXPECT_EQ(broken.m_pDocPage, At(broken, 0));
}

TEST_F(PageXml, AHandTakesItsPlaceAndTheApplicationPicture) {
  CStrokePage page;
  CString xml = "<page><image id=\"hand:9\" x=\"120\" y=\"45\" width=\"999\" height=\"999\" xlink:href=\"" +
                PictureUrl() + "\"/><image id=\"hand:10\"/></page>";
  ASSERT_TRUE(Read(page, xml));
  ASSERT_EQ(2, page.m_listStroke.GetCount());
  CStrokeHandPointer* hand = static_cast<CStrokeHandPointer*>(At(page, 0));
  CStrokeHandPointer own;
  ASSERT_TRUE(own.LoadHandPicture());
  EXPECT_EQ(CRect(120, 45, 120 + own.m_nWidth, 45 + own.m_nHeight), CRect(hand->m_tracker.m_rect));
  EXPECT_STREQ(hand->m_csData, "");  // the href is not read
  EXPECT_EQ(0, hand->m_tracker.m_nHandleSize);
  CStrokeHandPointer* placeless = static_cast<CStrokeHandPointer*>(At(page, 1));
  EXPECT_EQ(10, placeless->m_nX);
  EXPECT_EQ(10, placeless->m_nY);
}

TEST_F(PageXml, PicturesRoundTripThroughThePage) {
  Bytes png = wbtest::Reencode(wbtest::HalvesBmp(12, 6), "png");
  CStrokePage page;
  CStrokeBitmap* picture = new CStrokeBitmap;
  strcpy(picture->m_szID, "image:p");
  ASSERT_TRUE(picture->LoadImageFromMemory("png", png.data(), (UINT)png.size()));
  picture->m_csFormat = "png";
  picture->m_csData = wbtest::Base64(png);
  picture->m_tracker.m_rect = CRect(40, 50, 64, 62);
  page.m_listStroke.AddTail(picture);
  CString xml = page.ToXml(2);
  CStrokePage read;
  ASSERT_TRUE(Read(read, xml));
  CStrokeBitmap* back = static_cast<CStrokeBitmap*>(At(read, 0));
  EXPECT_EQ(CRect(40, 50, 64, 62), CRect(back->m_tracker.m_rect));
  EXPECT_EQ(12u, back->m_image.GetWidth());
  EXPECT_STREQ(back->m_csData, picture->m_csData);
  EXPECT_STREQ(read.ToXml(2), xml);
}

TEST_F(PageXml, SpecialCharactersInIdsAreEscapedAndReadBack) {
  const char* id = "line:a\"b<c>&'d";
  CStrokePage page;
  page.m_listStroke.AddTail(NewLine(id, CRect(1, 2, 3, 4)));
  CStrokeBitmap* picture = new CStrokeBitmap;
  strcpy(picture->m_szID, "image:\"<x");
  picture->m_csFormat = "png\"/><line id=\"line:injected";
  page.m_listStroke.AddTail(picture);
  CStrokeDocPage* background = new CStrokeDocPage;
  strcpy(background->m_szID, "docpage:<&>");
  page.SetDocPage(background);
  page.m_listStroke.AddHead(background);
  CString xml = page.ToXml(0);
  CStrokePage read;
  ASSERT_TRUE(Read(read, xml)) << (LPCTSTR)xml;
  ASSERT_EQ(3, read.m_listStroke.GetCount()) << (LPCTSTR)xml;
  EXPECT_STREQ(At(read, 0)->m_szID, "docpage:<&>");
  EXPECT_STREQ(At(read, 1)->m_szID, id);
  EXPECT_STREQ(At(read, 2)->m_szID, "image:\"<x");
  EXPECT_STREQ(static_cast<CStrokeBitmap*>(At(read, 2))->m_csFormat, "png\"/><line id=\"line:injected");
}

// A GBK document's long Chinese id comes back as GBK cut whole; the page written from it (UTF-8,
// as pages and XWB documents are, without a declaration) loads again unchanged.
TEST_F(PageXml, ALongChineseIdSurvivesWriteAndReadAgain) {
  std::string id = "line:x";
  for (int i = 0; i < 25; ++i) id += "\xD6\xD0";
  const std::string declaration = "<?xml version=\"1.0\" encoding=\"gbk\" ?>";
  const std::string first = declaration + "<page><line id=\"" + id + "\" x1=\"1\" y1=\"2\" x2=\"3\" y2=\"4\"/></page>";
  CStrokePage read;
  ASSERT_TRUE(Read(read, first.c_str()));
  ASSERT_EQ(1, read.m_listStroke.GetCount());
  EXPECT_EQ(std::string(At(read, 0)->m_szID), id.substr(0, 46));

  const std::string second = (LPCTSTR)read.ToXml(0);
  CStrokePage again;
  ASSERT_TRUE(Read(again, second.c_str())) << second;
  ASSERT_EQ(1, again.m_listStroke.GetCount());
  EXPECT_STREQ(At(again, 0)->m_szID, At(read, 0)->m_szID);
}

// ---- The background and the list ----

TEST_F(PageXml, SetDocPageReplacesAndDeletesTheOldBackground) {
  CStrokePage page;
  page.SetDocPage(nullptr);
  EXPECT_EQ(nullptr, page.m_pDocPage);
  CStrokeDocPage* first = new CStrokeDocPage;
  page.SetDocPage(first);
  page.m_listStroke.AddHead(first);
  page.SetDocPage(first);  // the same one again: kept, not deleted
  EXPECT_EQ(first, page.m_pDocPage);
  EXPECT_EQ(first, At(page, 0));
  CStrokeDocPage* second = new CStrokeDocPage;
  page.SetDocPage(second);
  EXPECT_EQ(second, page.m_pDocPage);
  EXPECT_EQ(0, page.m_listStroke.GetCount());  // the first left the list (and memory)
  page.m_listStroke.AddHead(second);
}

TEST_F(PageXml, LoadDocPageRemovesOnlyABackgroundAtTheHead) {
  std::string path = TempPath("background.png");
  wbtest::WriteFileBytes(path, wbtest::Reencode(wbtest::HalvesBmp(20, 10), "png"));

  // A picture at the head shares the type word "docpage" but is not a background: it stays.
  CStrokePage page;
  CStrokeBitmap* picture = new CStrokeBitmap;
  page.m_listStroke.AddHead(picture);
  CStrokeDocPage* loaded = page.LoadDocPage(path.c_str());
  ASSERT_NE(nullptr, loaded);
  EXPECT_EQ(1, page.m_listStroke.GetCount());
  EXPECT_EQ(picture, At(page, 0));
  EXPECT_EQ(20, loaded->m_nWidth);
  EXPECT_STREQ(loaded->m_csFormat, "png");
  page.SetDocPage(loaded);
  page.m_listStroke.AddHead(loaded);

  // The background at the head goes, and the page no longer points at it.
  CStrokeDocPage* next = page.LoadDocPage(path.c_str());
  ASSERT_NE(nullptr, next);
  EXPECT_EQ(nullptr, page.m_pDocPage);
  EXPECT_EQ(picture, At(page, 0));
  page.SetDocPage(next);
  page.m_listStroke.AddHead(next);
  EXPECT_EQ(next, page.m_pDocPage);

  // A file that does not load changes nothing.
  EXPECT_EQ(nullptr, page.LoadDocPage(TempPath("absent.png").c_str()));
  EXPECT_EQ(next, At(page, 0));
  EXPECT_EQ(next, page.m_pDocPage);
}

TEST_F(PageXml, PagesAreCreatableByClassAndOwnTheirObjects) {
  EXPECT_STREQ(RUNTIME_CLASS(CStrokePage)->m_lpszClassName, "CStrokePage");
  CObject* object = RUNTIME_CLASS(CStrokePage)->CreateObject();
  ASSERT_NE(nullptr, object);
  CStrokePage* page = static_cast<CStrokePage*>(object);
  EXPECT_EQ(nullptr, page->m_pOwner);
  EXPECT_EQ(nullptr, page->m_pDocPage);
  CStrokeDocPage* background = new CStrokeDocPage;
  page->SetDocPage(background);
  page->m_listStroke.AddHead(background);
  page->m_listStroke.AddTail(NewLine("line:a", CRect()));
  delete object;  // every object goes with the page (the sanitizer build checks the memory)
}

TEST_F(PageXml, IndexOfStrokeAndStrokeAt) {
  CStrokePage page;
  CStrokeLine outside;
  EXPECT_EQ(-1, page.IndexOfStroke(&outside));
  EXPECT_EQ(nullptr, page.StrokeAt(0));
  CStrokeLine* a = NewLine("line:a", CRect());
  CStrokeLine* b = NewLine("line:b", CRect());
  page.m_listStroke.AddTail(a);
  page.m_listStroke.AddTail(b);
  EXPECT_EQ(0, page.IndexOfStroke(a));
  EXPECT_EQ(1, page.IndexOfStroke(b));
  EXPECT_EQ(-1, page.IndexOfStroke(nullptr));
  EXPECT_EQ(-1, page.IndexOfStroke(&outside));
  EXPECT_EQ(a, page.StrokeAt(0));
  EXPECT_EQ(b, page.StrokeAt(1));
  EXPECT_EQ(nullptr, page.StrokeAt(2));
  EXPECT_EQ(nullptr, page.StrokeAt(-1));
}

TEST_F(PageXml, DrawDocPageFillsTheBackgroundRectangle) {
  CStrokePage page;
  wbtest::Canvas canvas(80, 60);
  page.DrawDocPage(canvas.dc());  // no background: nothing
  CStrokeDocPage* background = new CStrokeDocPage;
  Bytes bmp = wbtest::HalvesBmp(2, 2);
  ASSERT_TRUE(background->LoadImageFromMemory("bmp", bmp.data(), (UINT)bmp.size()));
  background->m_nX = 0;
  background->m_nY = 0;
  background->m_nWidth = 40;
  background->m_nHeight = 30;
  background->UpdateTracker();
  page.SetDocPage(background);
  page.m_listStroke.AddHead(background);
  page.DrawDocPage(nullptr);
  page.DrawDocPage(canvas.dc());
  EXPECT_EQ(RGB(255, 0, 0), canvas.At(0, 0));
  EXPECT_EQ(RGB(255, 0, 0), canvas.At(19, 29));
  EXPECT_EQ(RGB(0, 0, 255), canvas.At(39, 29));
  EXPECT_EQ(RGB(255, 255, 255), canvas.At(40, 0));
  EXPECT_EQ(RGB(255, 255, 255), canvas.At(0, 30));
}

}  // namespace
