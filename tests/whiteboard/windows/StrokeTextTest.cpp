// The text object: defaults, page XML with the font in the style, hit test, drawing and the
// restacking messages.
#include "whiteboard/model/StrokeText.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "common/Codecs.h"
#include "platform/gdi/Dc.h"
#include "tests/support/whiteboard/TestStroke.h"
#include "whiteboard/model/WbBlocks.h"
#include "whiteboard/windows/DlgDFP2PWhiteBoard.h"
#include "xml/XmlParse.h"
#include "xml/XmlTree.h"

namespace {

using wbtest::ChangeBlocks;

const char kNewStyle[] =
    "stroke:0;stroke-width:2;font-size:-12,0;font-family:y87M5Q==;char-set:134;weight:400;italic:0;strokeout:0;"
    "underline:0";

CString Base64Of(const std::string& bytes) {
  std::string out(4 * ((bytes.size() + 2) / 3), '\0');
  DWORD length = 0;
  drm_Base64Encode((const BYTE*)bytes.data(), (int)bytes.size(), (BYTE*)&out[0], &length);
  return CString(out.c_str());
}

BOOL ReadElement(CStrokeText& text, const std::string& xml) {
  XmlElement* root = XmlLoadString(xml.c_str());
  EXPECT_NE(root, nullptr) << xml;
  BOOL ok = text.FromXml(root);
  XmlFreeTree(root);
  return ok;
}

std::string Element(const char* style, const char* content) {
  std::string xml = std::string("<text id=\"text:abc\" x1=\"10\" y1=\"20\" x2=\"110\" y2=\"70\" style=\"") + style + "\"";
  return content ? xml + ">" + content + "</text>" : xml + "/>";
}

TEST(StrokeText, DefaultsOfBothConstructors) {
  CDlgDFP2PWhiteBoard board;
  CStrokeText plain, owned(&board);
  EXPECT_EQ(owned.m_pOwner, &board);
  for (CStrokeText* text : {&plain, &owned}) {
    EXPECT_EQ(text->m_logFont.lfHeight, -12);
    EXPECT_EQ(text->m_logFont.lfWidth, 0);
    EXPECT_EQ(text->m_logFont.lfWeight, 400);
    EXPECT_EQ(text->m_logFont.lfCharSet, 134);
    EXPECT_EQ(text->m_logFont.lfPitchAndFamily, 2);
    EXPECT_STREQ(text->m_logFont.lfFaceName, "宋体");
    EXPECT_EQ(text->m_nDrawFormat, 37u);
    EXPECT_STREQ(text->GetTypeName(), "text");
    EXPECT_STREQ(text->GetElementName(), "text");
  }
  const CRuntimeClass* cls = RUNTIME_CLASS(CStrokeText);
  EXPECT_STREQ(cls->m_lpszClassName, "CStrokeText");
  EXPECT_EQ(cls->m_pBaseClass, RUNTIME_CLASS(CStrokeBase));
  CObject* created = cls->CreateObject();
  EXPECT_TRUE(created->IsKindOf(RUNTIME_CLASS(CStrokeBase)));
  delete created;
}

TEST(StrokeTextXml, ANewTextWritesItsFontAndBase64Content) {
  CStrokeText text;
  strcpy(text.m_szID, "text:abc");
  text.m_tracker.m_rect = CRect(10, 20, 110, 70);
  text.m_csText = "会议纪要";
  EXPECT_STREQ(text.GetStyleExtra(), kNewStyle + 23);  // after "stroke:0;stroke-width:2"
  // The face "宋体" is written as the Base64 of its GBK bytes.
  std::string xml = (LPCTSTR)text.ToXml();
  EXPECT_EQ(xml, Element(kNewStyle, "u+HS6bzN0qo="));
  CStrokeText empty;
  strcpy(empty.m_szID, "text:e");
  EXPECT_EQ(std::string(empty.ToXml()).find("/>"), std::string(empty.ToXml()).size() - 2);  // the short form
}

TEST(StrokeTextXml, RoundTripOfTextAndFont) {
  CStrokeText written;
  strcpy(written.m_szID, "text:0123456789abcdef0");
  written.m_tracker.m_rect = CRect(5, 6, 205, 86);
  written.m_crColor = RGB(0, 128, 255);
  written.m_csText = "第一行\r\nSecond line\twith a tab";
  written.m_logFont.lfHeight = -24;
  written.m_logFont.lfWidth = 9;
  written.m_logFont.lfWeight = 700;
  written.m_logFont.lfItalic = 1;
  written.m_logFont.lfUnderline = 1;
  written.m_logFont.lfStrikeOut = 1;
  strcpy(written.m_logFont.lfFaceName, "黑体");
  CStrokeText read;
  ASSERT_TRUE(ReadElement(read, (LPCTSTR)written.ToXml()));
  EXPECT_STREQ(read.m_szID, written.m_szID);
  EXPECT_EQ(CRect(read.m_tracker.m_rect), CRect(5, 6, 205, 86));
  EXPECT_EQ(read.m_crColor, RGB(0, 128, 255));
  EXPECT_STREQ(read.m_csText, written.m_csText);
  EXPECT_EQ(0, memcmp(&read.m_logFont, &written.m_logFont, sizeof(LOGFONT)));
  // An empty text reads back empty.
  CStrokeText empty, back;
  strcpy(empty.m_szID, "text:e");
  ASSERT_TRUE(ReadElement(back, (LPCTSTR)empty.ToXml()));
  EXPECT_STREQ(back.m_csText, "");
}

TEST(StrokeTextXml, MalformedPartsKeepWhatTheyCannotRead) {
  CStrokeText text;
  ASSERT_TRUE(ReadElement(text, Element("stroke:255;stroke-width:3;font-family:!!;weight:x", "not base64")));
  EXPECT_STREQ(text.m_logFont.lfFaceName, "宋体");  // an undecodable face keeps the current one
  EXPECT_EQ(text.m_logFont.lfWeight, 0);            // a malformed number reads as 0
  EXPECT_EQ(text.m_logFont.lfHeight, -12);          // a missing key keeps its value
  EXPECT_STREQ(text.m_csText, "");
  EXPECT_EQ(text.m_crColor, 255u);
  EXPECT_FALSE(text.FromXml(nullptr));
  ASSERT_TRUE(ReadElement(text, Element("font-size:30", "YWJj")));
  EXPECT_EQ(text.m_logFont.lfHeight, 30);
  EXPECT_STREQ(text.m_csText, "abc");
}

TEST(StrokeTextXml, FaceNamesAreBoundedToWholeCharacters) {
  // Faces longer than the 20 bytes a text record carries: twenty double-byte characters, and the
  // same behind one single-byte character.
  std::string chinese;
  for (int i = 0; i < 20; ++i) chinese += "宋";
  for (const std::string& face : {chinese, "a" + chinese}) {
    CString base64 = Base64Of(face);
    CStrokeText text;
    ASSERT_TRUE(ReadElement(text, Element(("font-family:" + std::string(base64)).c_str(), nullptr)));
    std::string expected = face.substr(0, face.size() == 40 ? 20 : 19);  // never half a character
    EXPECT_EQ(std::string(text.m_logFont.lfFaceName), expected);
  }
  // A face field without its terminating zero is written with at most 20 bytes.
  CStrokeText full;
  memset(full.m_logFont.lfFaceName, 'F', sizeof(full.m_logFont.lfFaceName));
  std::string style = (LPCTSTR)full.GetStyleExtra();
  EXPECT_NE(style.find("font-family:" + std::string(Base64Of(std::string(20, 'F'))) + ";"), std::string::npos);
}

TEST(StrokeText, HitTestExcludesTheRightAndBottomEdges) {
  CStrokeText text;
  text.m_rcDraw = CRect(10, 20, 110, 70);
  text.UpdateTracker();
  EXPECT_EQ(CRect(text.m_tracker.m_rect), CRect(10, 20, 110, 70));
  EXPECT_EQ(text.m_tracker.m_nHandleSize, 5);
  EXPECT_EQ(text.m_tracker.m_nStyle, 18u);
  EXPECT_TRUE(text.HitTest(10, 20));
  EXPECT_TRUE(text.HitTest(109, 69));
  EXPECT_FALSE(text.HitTest(110, 50));
  EXPECT_FALSE(text.HitTest(50, 70));
  EXPECT_FALSE(text.HitTest(9, 50));
  EXPECT_FALSE(text.m_bSelected);  // the answer is not kept
}

TEST(StrokeText, DrawsWrappedInsideItsRectangleInItsColour) {
  CDC dc;
  CBitmap bitmap;
  dc.CreateCompatibleDC(nullptr);
  bitmap.CreateCompatibleBitmap(&dc, 200, 120);
  dc.SelectObject(&bitmap);
  CStrokeText text;
  text.m_rcDraw = CRect(20, 10, 100, 100);
  text.UpdateTracker();
  text.m_crColor = RGB(200, 0, 0);
  text.m_csText = "白板上的文字会自动换行，English words wrap too.";
  CFont* before = dc.GetCurrentFont();
  text.Draw(&dc, nullptr);  // no rectangle: nothing drawn
  CRect rect = text.m_tracker.m_rect;
  text.Draw(&dc, &rect);
  EXPECT_EQ(dc.GetCurrentFont(), before);  // the previous font is selected back
  int inked = 0, rows = 0;
  for (int y = 0; y < 120; ++y) {
    bool row = false;
    for (int x = 0; x < 200; ++x) {
      COLORREF p = dc.GetPixel(x, y);
      if (p == RGB(255, 255, 255)) continue;
      EXPECT_EQ(p, RGB(200, 0, 0));
      EXPECT_TRUE(rect.PtInRect(CPoint(x, y))) << x << "," << y;
      ++inked;
      row = true;
    }
    rows += row;
  }
  EXPECT_GT(inked, 100);
  EXPECT_GT(rows, 25);  // several lines, not one
  if (const char* dir = getenv("TAV_PICTURES_DIR")) dc.WritePng((std::string(dir) + "/text_stroke.png").c_str());
}

TEST(StrokeTextMessage, OnlyRestackingOpsAreAnswered) {
  CDlgDFP2PWhiteBoard board;
  board.SetPeerURI("sip:peer@example.com");
  CStrokeText text(&board);
  strcpy(text.m_szID, "text:1");
  text.m_csText = "x";
  for (int op = 0; op <= 10; ++op) {
    SCOPED_TRACE(op);
    ChangeBlocks blocks;
    WbMsgHeader* header = blocks.Build(text, op, WB_HEADER_P2P, 4, 9);
    if (op != 7 && op != 8) {
      EXPECT_EQ(header, nullptr);
      EXPECT_EQ(blocks.payload, nullptr);
      continue;
    }
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(DWORD(header->head.op), DWORD(WB_MSG_OBJECT_CHANGE));
    EXPECT_STREQ(header->head.szSessionURI, "sip:peer@example.com");
    EXPECT_EQ(int32_t(blocks.pageOp->nPage), 4);
    ASSERT_EQ(blocks.node->pItem, blocks.payload);
    const auto* payload = static_cast<const WbTextPayload*>(blocks.payload);
    EXPECT_EQ(DWORD(payload->head.nObjType), 6u);
    EXPECT_STREQ(payload->head.szID, "text:1");
    EXPECT_EQ(int32_t(payload->head.nSubOp), op == 7 ? 3 : 4);
    EXPECT_STREQ(payload->szX, "");  // the head alone
    EXPECT_EQ(payload->pszText, nullptr);
    EXPECT_EQ(payload->pStyle, nullptr);
    EXPECT_EQ(blocks.style, nullptr);
  }
  ChangeBlocks none;
  EXPECT_EQ(none.Build(text, 7, 8), nullptr);  // no board bit
  EXPECT_EQ(text.BuildWbMessage(7, WB_HEADER_P2P, nullptr, nullptr, nullptr, nullptr, 1, 1, nullptr), nullptr);
}

}  // namespace
