// The picture objects: formats, placement, trackers, their XML forms, records and data URLs.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "tests/support/module/ModuleFixture.h"
#include "tests/support/whiteboard/PictureSamples.h"
#include "tests/support/whiteboard/TestStroke.h"
#include "whiteboard/model/StrokeBitmap.h"
#include "whiteboard/model/StrokeDocPage.h"
#include "whiteboard/model/StrokeHandPointer.h"
#include "whiteboard/model/StrokeLaser.h"
#include "whiteboard/model/WbBlocks.h"
#include "whiteboard/windows/DlgDFP2PWhiteBoard.h"
#include "xml/XmlParse.h"
#include "xml/XmlTree.h"

namespace {

using wbtest::Bytes;
using wbtest::Canvas;
using wbtest::ChangeBlocks;
using wbtest::PictureTest;

typedef PictureTest PictureStroke;

// Parses xml and hands its root to read; the tree is freed after.
template <typename Read>
BOOL ReadXml(const char* xml, Read read) {
  XmlElement* root = XmlLoadString(xml);
  EXPECT_NE(root, nullptr) << xml;
  BOOL ok = read(root);
  XmlFreeTree(root);
  return ok;
}

TEST_F(PictureStroke, ClassesTypeWordsAndDefaults) {
  CStrokeBitmap bitmap;
  EXPECT_EQ(bitmap.m_nX, 10);
  EXPECT_EQ(bitmap.m_nY, 10);
  EXPECT_TRUE(bitmap.m_bPositioned);
  for (CStrokeBase* stroke : std::initializer_list<CStrokeBase*>{&bitmap, new CStrokeDocPage, new CStrokeHandPointer,
                                                                  new CStrokeLaser}) {
    EXPECT_STREQ(stroke->GetTypeName(), "docpage");
    if (stroke != &bitmap) delete stroke;
  }
  EXPECT_EQ(RUNTIME_CLASS(CStrokeBitmap)->m_pBaseClass, RUNTIME_CLASS(CStrokeBase));
  EXPECT_EQ(RUNTIME_CLASS(CStrokeDocPage)->m_pBaseClass, RUNTIME_CLASS(CStrokeBase));
  EXPECT_EQ(RUNTIME_CLASS(CStrokeHandPointer)->m_pBaseClass, RUNTIME_CLASS(CStrokeBitmap));
  EXPECT_EQ(RUNTIME_CLASS(CStrokeLaser)->m_pBaseClass, RUNTIME_CLASS(CStrokeBitmap));
  EXPECT_FALSE(CStrokeDocPage().IsKindOf(RUNTIME_CLASS(CStrokeBitmap)));
  EXPECT_TRUE(bitmap.IsNonZero(7));
  EXPECT_FALSE(bitmap.IsNonZero(0));
}

TEST_F(PictureStroke, FormatWordsAcceptedAndRefused) {
  Bytes bmp = wbtest::HalvesBmp(6, 4);
  Bytes png = wbtest::Reencode(bmp, "png");
  Bytes jpeg = wbtest::Reencode(bmp, "jpeg");
  Bytes gif = wbtest::ReadFileBytes(wbtest::AppPicturesDir() + "laser.gif");
  ASSERT_FALSE(gif.empty());
  struct Case {
    const char* format;
    const Bytes* bytes;
    BOOL loads;
  } cases[] = {{"bmp", &bmp, TRUE},   {"BMP", &bmp, TRUE},    {"png", &png, TRUE},  {"Png", &png, TRUE},
               {"jpeg", &jpeg, TRUE}, {"jpg", &jpeg, TRUE},   {"JPG", &jpeg, TRUE}, {"gif", &gif, FALSE},
               {"GIF", &gif, FALSE},  {"tiff", &bmp, FALSE},  {"", &bmp, FALSE},    {"bmpx", &bmp, FALSE}};
  for (const Case& c : cases) {
    CStrokeBitmap bitmap;
    EXPECT_EQ(c.loads, bitmap.LoadImageFromMemory(c.format, c.bytes->data(), (UINT)c.bytes->size())) << c.format;
    EXPECT_EQ(c.loads ? 6 : 0, bitmap.m_nWidth) << c.format;
    CStrokeDocPage docpage;
    EXPECT_EQ(c.loads, docpage.LoadImageFromMemory(c.format, c.bytes->data(), (UINT)c.bytes->size())) << c.format;
  }
  CStrokeBitmap bitmap;
  EXPECT_FALSE(bitmap.LoadImageFromMemory("png", nullptr, 10));
  Bytes broken(png.begin(), png.begin() + png.size() / 2);
  EXPECT_FALSE(bitmap.LoadImageFromMemory("png", broken.data(), (UINT)broken.size()));
}

TEST_F(PictureStroke, LoadingTakesThePictureSizeAndPlacesTheTracker) {
  Bytes bmp = wbtest::HalvesBmp(30, 20);
  CStrokeBitmap bitmap;
  ASSERT_TRUE(bitmap.LoadImageFromMemory("bmp", bmp.data(), (UINT)bmp.size()));
  EXPECT_EQ(CRect(10, 10, 40, 30), CRect(bitmap.m_tracker.m_rect));
  EXPECT_EQ(CRectTracker::dottedLine | CRectTracker::resizeOutside, bitmap.m_tracker.m_nStyle);
  EXPECT_EQ(5, bitmap.m_tracker.m_nHandleSize);
  EXPECT_TRUE(bitmap.HitTest(10, 10));
  EXPECT_TRUE(bitmap.HitTest(39, 29));
  EXPECT_FALSE(bitmap.HitTest(40, 29));
  EXPECT_FALSE(bitmap.m_bSelected);

  // The background keeps its tracker and sets only the drawing rectangle.
  CStrokeDocPage docpage;
  docpage.m_tracker.m_rect = CRect(1, 2, 3, 4);
  ASSERT_TRUE(docpage.LoadImageFromMemory("bmp", bmp.data(), (UINT)bmp.size()));
  EXPECT_EQ(CRect(10, 10, 40, 30), CRect(docpage.m_rcDraw));
  EXPECT_EQ(CRect(1, 2, 3, 4), CRect(docpage.m_tracker.m_rect));
}

TEST_F(PictureStroke, PointersHaveNoHandlesAndTheirOwnIds) {
  CStrokeHandPointer hand;
  ASSERT_TRUE(hand.LoadHandPicture());
  EXPECT_GT(hand.m_nWidth, 0);
  hand.m_nX = 100;
  hand.m_nY = 50;
  hand.UpdateTracker();
  EXPECT_EQ(CRect(100, 50, 100 + hand.m_nWidth, 50 + hand.m_nHeight), CRect(hand.m_tracker.m_rect));
  EXPECT_EQ((UINT)CRectTracker::dottedLine, hand.m_tracker.m_nStyle);
  EXPECT_EQ(0, hand.m_tracker.m_nHandleSize);
  EXPECT_EQ(CRect(hand.m_tracker.m_rect), CRect(hand.m_rcDraw));
  hand.MakeId();
  EXPECT_EQ(0, strncmp(hand.m_szID, "hand:", 5));
  EXPECT_EQ(5u + 17u, strlen(hand.m_szID));

  CStrokeLaser laser;
  ASSERT_TRUE(laser.LoadLaserPicture());
  EXPECT_EQ(16, laser.m_nWidth);
  EXPECT_EQ(16, laser.m_nHeight);
  laser.UpdateTracker();
  EXPECT_EQ(0, laser.m_tracker.m_nHandleSize);
  laser.MakeId();
  EXPECT_EQ(0, strncmp(laser.m_szID, "laser:", 6));
  // A pointer's picture comes from its file: no format and no data in its element.
  strcpy(laser.m_szID, "laser:1");
  EXPECT_STREQ(laser.ToXmlImage(),
               "<image id=\"laser:1\" x=\"10\" y=\"10\" width=\"16\" height=\"16\" "
               "xlink:href=\"data:image/;base64,\"/>");
}

TEST_F(PictureStroke, AMissingApplicationPictureIsReported) {
  VzData().csAppPath = "/nonexistent/folder/";
  CStrokeHandPointer hand;
  EXPECT_FALSE(hand.LoadHandPicture());
  EXPECT_EQ(0, hand.m_nWidth);
  EXPECT_STREQ(LastMessageBoxText(), "不支持的文件格式！");
}

TEST_F(PictureStroke, BothElementFormsAreWrittenExactly) {
  Bytes bmp = wbtest::HalvesBmp(4, 2);
  CStrokeBitmap bitmap;
  ASSERT_TRUE(bitmap.LoadImageFromMemory("bmp", bmp.data(), (UINT)bmp.size()));
  bitmap.m_csFormat = "bmp";
  bitmap.m_csData = "QUJD";
  strcpy(bitmap.m_szID, "image:abc");
  bitmap.m_tracker.m_rect = CRect(50, 40, 20, 10);  // written normalised
  EXPECT_STREQ(bitmap.ToXmlImage(), "<image id=\"image:abc\" x=\"20\" y=\"10\" width=\"30\" height=\"30\" "
                                    "xlink:href=\"data:image/bmp;base64,QUJD\"/>");
  EXPECT_STREQ(bitmap.ToXml(), "<docpage id=\"image:abc\" xlink:href=\"data:image/bmp;base64,QUJD\"/>");
  CStrokeDocPage docpage;
  strcpy(docpage.m_szID, "docpage:1");
  docpage.m_csFormat = "png";
  docpage.m_csData = "QQ==";
  EXPECT_STREQ(docpage.ToXml(), "<docpage id=\"docpage:1\" xlink:href=\"data:image/png;base64,QQ==\"/>");
}

TEST_F(PictureStroke, TheImageElementSizeStretchesThePicture) {
  CString xml = "<image id=\"image:1\" x=\"20\" y=\"30\" width=\"200\" height=\"100\" xlink:href=\"" +
                wbtest::DataUrl("png", wbtest::Reencode(wbtest::HalvesBmp(10, 4), "png")) + "\"/>";
  CStrokeBitmap bitmap;
  ASSERT_TRUE(ReadXml(xml, [&](XmlElement* e) { return bitmap.FromXmlImage(e); }));
  EXPECT_EQ(CRect(20, 30, 220, 130), CRect(bitmap.m_tracker.m_rect));
  EXPECT_EQ(CRect(20, 30, 220, 130), CRect(bitmap.m_rcDraw));
  EXPECT_STREQ(bitmap.m_csFormat, "png");

  Canvas canvas(260, 160);
  bitmap.Draw(canvas.dc(), &bitmap.m_tracker.m_rect);
  EXPECT_EQ(RGB(255, 0, 0), canvas.At(20, 30));
  EXPECT_EQ(RGB(255, 0, 0), canvas.At(119, 129));
  EXPECT_EQ(RGB(0, 0, 255), canvas.At(120, 30));
  EXPECT_EQ(RGB(0, 0, 255), canvas.At(219, 129));
  EXPECT_EQ(RGB(255, 255, 255), canvas.At(220, 129));
  EXPECT_EQ(RGB(255, 255, 255), canvas.At(219, 130));
  EXPECT_EQ(RGB(255, 255, 255), canvas.At(19, 30));
  bitmap.Draw(nullptr, &bitmap.m_tracker.m_rect);  // nothing, no crash
}

TEST_F(PictureStroke, ElementReadersRefuseWhatTheyCannotUse) {
  CStrokeBitmap bitmap;
  EXPECT_FALSE(bitmap.FromXmlImage(nullptr));
  EXPECT_FALSE(ReadXml("<image x=\"1\"/>", [&](XmlElement* e) { return bitmap.FromXmlImage(e); }));
  // Without xlink:href nothing else is read.
  EXPECT_FALSE(ReadXml("<image id=\"image:1\" x=\"70\"/>", [&](XmlElement* e) { return bitmap.FromXmlImage(e); }));
  EXPECT_EQ(10, bitmap.m_nX);
  // A picture that does not decode: the geometry is still taken.
  EXPECT_FALSE(ReadXml("<image id=\"image:1\" x=\"70\" y=\"5\" width=\"8\" height=\"9\" "
                       "xlink:href=\"data:image/png;base64,QUJD\"/>",
                       [&](XmlElement* e) { return bitmap.FromXmlImage(e); }));
  EXPECT_EQ(CRect(70, 5, 78, 14), CRect(bitmap.m_tracker.m_rect));
  CStrokeDocPage docpage;
  EXPECT_FALSE(
      ReadXml("<docpage id=\"docpage:1\" xlink:href=\"\"/>", [&](XmlElement* e) { return docpage.FromXml(e); }));
  EXPECT_FALSE(ReadXml("<docpage id=\"docpage:1\"/>", [&](XmlElement* e) { return docpage.FromXml(e); }));
  EXPECT_FALSE(ReadXml("<docpage id=\"docpage:1\" xlink:href=\"http://x/y.png\"/>",
                       [&](XmlElement* e) { return docpage.FromXml(e); }));
}

TEST_F(PictureStroke, DocPageFormRoundTrip) {
  Bytes png = wbtest::Reencode(wbtest::HalvesBmp(8, 6), "png");
  CStrokeDocPage written;
  strcpy(written.m_szID, "docpage:0001");
  ASSERT_TRUE(written.LoadImageFromMemory("png", png.data(), (UINT)png.size()));
  written.m_csFormat = "png";
  written.m_csData = wbtest::Base64(png);
  CStrokeDocPage read;
  ASSERT_TRUE(ReadXml(written.ToXml(), [&](XmlElement* e) { return read.FromXml(e); }));
  EXPECT_STREQ(read.m_szID, "docpage:0001");
  EXPECT_STREQ(read.m_csData, written.m_csData);
  EXPECT_EQ(8, read.m_nWidth);
  EXPECT_EQ(CRect(10, 10, 18, 16), CRect(read.m_rcDraw));
}

// ---- Records ----

TEST_F(PictureStroke, ObjectRecordsCarryTheDataUrl) {
  Bytes bmp = wbtest::HalvesBmp(4, 4);
  CStrokeBitmap bitmap;
  strcpy(bitmap.m_szID, "image:77");
  bitmap.m_csFormat = "bmp";
  bitmap.m_csData = wbtest::Base64(bmp);
  WbImagePayload* payload = static_cast<WbImagePayload*>(bitmap.GetObjectRecord(WB_MSG_OBJECT_CHANGE, 0));
  ASSERT_EQ(payload, &bitmap.m_payload);
  DWORD type = payload->head.nObjType;
  int32_t subOp = payload->head.nSubOp;
  EXPECT_EQ((DWORD)WB_OBJ_IMAGE, type);
  EXPECT_EQ(1, subOp);
  EXPECT_STREQ(payload->head.szID, "image:77");
  EXPECT_STREQ(payload->szX, "");
  EXPECT_STREQ(payload->pszData, wbtest::DataUrl("bmp", bmp));
  subOp = static_cast<WbImagePayload*>(bitmap.GetObjectRecord(WB_MSG_OBJECT_DELETE, 0))->head.nSubOp;
  EXPECT_EQ(2, subOp);
  subOp = static_cast<WbImagePayload*>(bitmap.GetObjectRecord(WB_MSG_OBJECT_ADD, 0))->head.nSubOp;
  EXPECT_EQ(0, subOp);

  CStrokeDocPage docpage;
  strcpy(docpage.m_szID, "docpage:1");
  docpage.m_csFormat = "png";
  docpage.m_csData = "QQ==";
  WbDocPagePayload* page = static_cast<WbDocPagePayload*>(docpage.GetObjectRecord(WB_MSG_OBJECT_CHANGE, 0));
  type = page->head.nObjType;
  EXPECT_EQ((DWORD)WB_OBJ_DOCPAGE, type);
  EXPECT_STREQ(page->pszData, "data:image/png;base64,QQ==");
}

TEST_F(PictureStroke, ARecordedPictureAppliesOnTheOtherSide) {
  Bytes jpeg = wbtest::Reencode(wbtest::HalvesBmp(16, 8), "jpeg");
  CStrokeBitmap sent;
  strcpy(sent.m_szID, "image:5");
  sent.m_csFormat = "jpg";
  sent.m_csData = wbtest::Base64(jpeg);
  WbImagePayload payload = *static_cast<WbImagePayload*>(sent.GetObjectRecord(WB_MSG_OBJECT_ADD, 0));
  SetWbNumber(payload.szX, 120);
  SetWbNumber(payload.szY, 80);
  SetWbNumber(payload.szWidth, 64);
  SetWbNumber(payload.szHeight, 32);
  CStrokeBitmap received;
  ASSERT_TRUE(received.ApplyRecord(&payload));
  EXPECT_STREQ(received.m_csFormat, "jpg");
  EXPECT_STREQ(received.m_csData, sent.m_csData);
  EXPECT_EQ(CRect(120, 80, 184, 112), CRect(received.m_tracker.m_rect));
  EXPECT_EQ(CRect(120, 80, 184, 112), CRect(received.m_rcDraw));
  // The receiver sends the same data URL on.
  EXPECT_STREQ(static_cast<WbImagePayload*>(received.GetObjectRecord(WB_MSG_OBJECT_ADD, 0))->pszData, payload.pszData);

  CStrokeDocPage background;
  background.m_csFormat = "jpeg";
  background.m_csData = sent.m_csData;
  CStrokeDocPage receivedBackground;
  ASSERT_TRUE(receivedBackground.ApplyRecord(background.GetObjectRecord(WB_MSG_OBJECT_ADD, 0)));
  EXPECT_EQ(CRect(10, 10, 26, 18), CRect(receivedBackground.m_rcDraw));
}

TEST_F(PictureStroke, ApplyRecordRefusesWhatIsNotAPictureDataUrl) {
  Bytes bmp = wbtest::HalvesBmp(4, 4);
  const CString good = wbtest::DataUrl("bmp", bmp);
  const char* refused[] = {nullptr,
                           "",
                           "hello",
                           "data:image/bmp",
                           "data:image/bmp,Qk0=",
                           "image/bmp;base64,Qk0=",
                           "xdata:image/bmp;base64,Qk0=",
                           "data:text/plain;base64,QUJD"};
  for (const char* url : refused) {
    CStrokeBitmap bitmap;
    bitmap.m_csFormat = "png";
    bitmap.m_csData = "kept";
    WbImagePayload payload = {};
    SetWbNumber(payload.szX, 300);
    payload.pszData = const_cast<char*>(url);
    EXPECT_FALSE(bitmap.ApplyRecord(&payload)) << (url ? url : "NULL");
    EXPECT_STREQ(bitmap.m_csFormat, "png");
    EXPECT_STREQ(bitmap.m_csData, "kept");
    EXPECT_EQ(10, bitmap.m_nX);
    CStrokeDocPage docpage;
    WbDocPagePayload pagePayload = {};
    pagePayload.pszData = const_cast<char*>(url);
    EXPECT_FALSE(docpage.ApplyRecord(&pagePayload));
    EXPECT_STREQ(docpage.m_csData, "");
  }
  CStrokeBitmap bitmap;
  EXPECT_FALSE(bitmap.ApplyRecord(nullptr));
  EXPECT_FALSE(CStrokeDocPage().ApplyRecord(nullptr));

  // A well-formed data URL whose picture does not decode: the place is taken, not the size.
  WbImagePayload payload = {};
  SetWbNumber(payload.szX, 33);
  SetWbNumber(payload.szWidth, 500);
  payload.pszData = const_cast<char*>("data:image/gif;base64,R0lGODlh");
  EXPECT_FALSE(bitmap.ApplyRecord(&payload));
  EXPECT_EQ(33, bitmap.m_nX);
  EXPECT_EQ(0, bitmap.m_nWidth);
  EXPECT_STREQ(bitmap.m_csFormat, "gif");
  // Number fields without a terminating zero are read within their bounds.
  memset(payload.szX, '7', sizeof(payload.szX));
  payload.pszData = const_cast<char*>((LPCTSTR)good);
  EXPECT_TRUE(bitmap.ApplyRecord(&payload));
  EXPECT_EQ(INT_MAX, bitmap.m_nX);
}

TEST_F(PictureStroke, ChangeMessagesOfPictures) {
  CDlgDFP2PWhiteBoard board;
  CStrokeHandPointer hand(&board);
  strcpy(hand.m_szID, "hand:1");
  hand.m_tracker.m_rect = CRect(90, 70, 30, 20);
  ChangeBlocks geometry;
  ASSERT_NE(nullptr, geometry.Build(hand, WB_CHANGE_GEOMETRY, WB_HEADER_P2P));
  WbImagePayload* payload = static_cast<WbImagePayload*>(geometry.payload);
  DWORD type = payload->head.nObjType;
  int32_t subOp = payload->head.nSubOp;
  EXPECT_EQ((DWORD)WB_OBJ_IMAGE, type);
  EXPECT_EQ(1, subOp);
  EXPECT_STREQ(payload->szX, "90");
  EXPECT_STREQ(payload->szY, "70");
  EXPECT_STREQ(payload->szWidth, "60");
  EXPECT_STREQ(payload->szHeight, "50");
  EXPECT_EQ(nullptr, payload->pszData);
  EXPECT_EQ(nullptr, geometry.style);
  EXPECT_EQ(geometry.node->pItem, payload);

  ChangeBlocks back;
  ASSERT_NE(nullptr, back.Build(hand, WB_CHANGE_TO_BACK, WB_HEADER_P2P));
  subOp = static_cast<WbImagePayload*>(back.payload)->head.nSubOp;
  EXPECT_EQ(WB_SUBOP_TO_BACK, subOp);
  EXPECT_STREQ(static_cast<WbImagePayload*>(back.payload)->szX, "");

  ChangeBlocks colour;
  EXPECT_EQ(nullptr, colour.Build(hand, WB_CHANGE_PEN_COLOR, WB_HEADER_P2P));
  EXPECT_EQ(nullptr, colour.payload);
  CStrokeDocPage docpage;
  docpage.m_pOwner = &board;
  ChangeBlocks none;
  EXPECT_EQ(nullptr, none.Build(docpage, WB_CHANGE_GEOMETRY, WB_HEADER_P2P));
}

class PictureLogTest : public tavtest::ModuleTest {};

TEST_F(PictureLogTest, APictureAnnouncingMorePixelsThanItsBytesHoldIsRefusedWithALogLine) {
  // A BMP of a few dozen bytes whose header announces 4096 x 4096 pixels.
  Bytes bmp = wbtest::HalvesBmp(4, 4);
  const uint8_t side[4] = {0x00, 0x10, 0x00, 0x00};
  memcpy(&bmp[18], side, 4);
  memcpy(&bmp[22], side, 4);
  const CString url = wbtest::DataUrl("bmp", bmp);
  WbImagePayload payload = {};
  payload.pszData = const_cast<char*>(url.GetString());
  CStrokeBitmap bitmap;
  EXPECT_FALSE(bitmap.ApplyRecord(&payload));
  EXPECT_EQ(0, bitmap.m_nWidth);
  std::vector<std::string> logs = Host().LogLines();
  ASSERT_EQ(logs.size(), 1u);
  EXPECT_EQ(logs[0], "[ERROR]picture refused: over 16777216 pixels, or more than its " +
                         std::to_string(bmp.size()) + " bytes can hold\n");
}

}  // namespace
