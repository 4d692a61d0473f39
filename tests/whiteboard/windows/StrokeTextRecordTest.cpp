// Text records: the payload and font record built through BuildOpRecord, and ApplyRecord of
// received payloads, refusals and hostile fields included.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/support/module/ModuleFixture.h"
#include "whiteboard/model/StrokeText.h"
#include "whiteboard/model/WbBlocks.h"

namespace {

// A received text payload with its font record, as a peer sends it.
struct Received {
  WbTextPayload payload{};
  WbStyleRecord font{};
  std::string text = "收到的文字";
  Received() {
    payload.head.nObjType = WB_OBJ_TEXT;
    strcpy(payload.head.szID, "text:0123456789abcdef0");
    strcpy(payload.szX, "300");
    strcpy(payload.szY, "200");
    strcpy(payload.szWidth, "-100");  // drawn right to left
    strcpy(payload.szHeight, "40");
    payload.pszText = &text[0];
    payload.pStyle = &font;
    strcpy(font.szFillColor, "16711680");
    font.nFontSize = (int32_t)0xFFE80007;  // height -24, width 7
    strcpy(font.szFaceName, "黑体");
    font.nWeight = 700;
    font.nItalic = 1;
    font.nUnderlineStrike = 0;
  }
};

TEST(StrokeTextRecord, OpRecordCarriesGeometryTextAndFont) {
  CStrokeText text;
  strcpy(text.m_szID, "text:abc");
  text.m_tracker.m_rect = CRect(10, 20, 110, 70);
  text.m_crColor = RGB(255, 0, 0);
  text.m_csText = "白板";
  text.m_logFont.lfUnderline = 1;
  WbMsgHeader* header = text.BuildOpRecord(WB_MSG_OBJECT_ADD, 5, "wb-1", 41, 2, "sip:conf@x");
  ASSERT_NE(header, nullptr);
  const auto* payload = static_cast<const WbTextPayload*>(header->pPageOp->pList->pItem);
  ASSERT_NE(payload, nullptr);
  EXPECT_EQ(DWORD(payload->head.nObjType), 6u);
  EXPECT_STREQ(payload->head.szID, "text:abc");
  EXPECT_EQ(int32_t(payload->head.nSubOp), 0);
  EXPECT_STREQ(payload->szX, "10");
  EXPECT_STREQ(payload->szY, "20");
  EXPECT_STREQ(payload->szWidth, "100");
  EXPECT_STREQ(payload->szHeight, "50");
  EXPECT_STREQ(payload->pszText, "白板");
  const WbStyleRecord* font = payload->pStyle;
  ASSERT_NE(font, nullptr);
  EXPECT_STREQ(font->szFillColor, "255");
  EXPECT_STREQ(font->szPenColor, "");
  int32_t penWidth = font->nPenWidth, size = font->nFontSize, weight = font->nWeight, italic = font->nItalic;
  int32_t marks = font->nUnderlineStrike;
  float reserved = font->fReserved;
  EXPECT_EQ(penWidth, -1);
  EXPECT_EQ(reserved, -1.0f);
  EXPECT_EQ((DWORD)size, 0xFFF40000u);  // height -12 high, width 0 low
  EXPECT_STREQ(font->szFaceName, "宋体");
  EXPECT_EQ(weight, 400);
  EXPECT_EQ(italic, 0);
  EXPECT_EQ(marks, 1);
  // Sub-ops of the change and delete messages and of other types.
  for (DWORD type : {8u, 9u, 6u}) {
    text.BuildOpRecord(type, 5, "", 0, 1, "sip:conf@x");
    int32_t subOp = payload->head.nSubOp;
    EXPECT_EQ(subOp, type == 8 ? 1 : type == 9 ? 2 : -1);
  }
}

TEST(StrokeTextRecord, UnderlineAndStrikeOutWord) {
  CStrokeText text;
  for (int strike = 0; strike <= 1; ++strike)
    for (int under = 0; under <= 1; ++under) {
      text.m_logFont.lfStrikeOut = (BYTE)strike;
      text.m_logFont.lfUnderline = (BYTE)under;
      int32_t marks = text.GetFontRecord(7, 5)->nUnderlineStrike;
      EXPECT_EQ(marks, strike && under ? 3 : strike ? 2 : under ? 1 : 0);
    }
}

TEST(StrokeTextRecord, AppliesAReceivedPayload) {
  Received in;
  CStrokeText text;
  ASSERT_TRUE(text.ApplyRecord(&in.payload));
  EXPECT_STREQ(text.m_csText, "收到的文字");
  EXPECT_STREQ(text.m_szID, "text:0123456789abcdef0");
  EXPECT_EQ(CRect(text.m_rcDraw), CRect(200, 200, 300, 240));  // normalised
  EXPECT_EQ(CRect(text.m_tracker.m_rect), CRect(200, 200, 300, 240));
  EXPECT_EQ(text.m_crColor, RGB(0, 0, 255));
  EXPECT_EQ(text.m_logFont.lfHeight, -24);
  EXPECT_EQ(text.m_logFont.lfWidth, 7);
  EXPECT_STREQ(text.m_logFont.lfFaceName, "黑体");
  EXPECT_EQ(text.m_logFont.lfWeight, 700);
  EXPECT_EQ(text.m_logFont.lfItalic, 1);
  EXPECT_EQ(text.m_logFont.lfCharSet, 134);
  EXPECT_EQ(text.m_logFont.lfUnderline, 0);
  EXPECT_EQ(text.m_logFont.lfStrikeOut, 0);
  for (int marks : {1, 2, 3}) {
    in.font.nUnderlineStrike = marks;
    ASSERT_TRUE(text.ApplyRecord(&in.payload));
    EXPECT_EQ(text.m_logFont.lfUnderline, marks == 1 || marks == 3);
    EXPECT_EQ(text.m_logFont.lfStrikeOut, marks == 2 || marks == 3);
  }
}

TEST(StrokeTextRecord, FontSizeTravelsWithItsSign) {
  CStrokeText sender;
  for (LONG height : {-12, -1, 0, 40, -32768, 32767})
    for (LONG width : {0, 5, -3}) {
      sender.m_logFont.lfHeight = height;
      sender.m_logFont.lfWidth = width;
      Received in;
      in.font.nFontSize = sender.GetFontRecord(7, 5)->nFontSize;
      CStrokeText receiver;
      ASSERT_TRUE(receiver.ApplyRecord(&in.payload));
      EXPECT_EQ(receiver.m_logFont.lfHeight, height);
      EXPECT_EQ(receiver.m_logFont.lfWidth, width);
    }
}

TEST(StrokeTextRecord, RefusalsChangeNothing) {
  CStrokeText text;
  text.m_csText = "kept";
  EXPECT_FALSE(text.ApplyRecord(nullptr));
  for (int field = 0; field < 5; ++field) {
    Received in;
    char* fields[] = {in.payload.szX, in.payload.szY, in.payload.szWidth, in.payload.szHeight};
    if (field < 4)
      fields[field][0] = '\0';
    else
      in.payload.pszText = nullptr;
    EXPECT_FALSE(text.ApplyRecord(&in.payload)) << field;
  }
  EXPECT_STREQ(text.m_csText, "kept");
  EXPECT_STREQ(text.m_szID, "");
}

class StrokeTextLogTest : public tavtest::ModuleTest {};

TEST_F(StrokeTextLogTest, APayloadWithoutItsFontRecordIsRefusedWithALogLine) {
  Received in;
  in.payload.pStyle = nullptr;
  CStrokeText text;
  EXPECT_FALSE(text.ApplyRecord(&in.payload));
  EXPECT_STREQ(text.m_csText, "");
  EXPECT_STREQ(text.m_szID, "");
  std::vector<std::string> logs = Host().LogLines();
  ASSERT_EQ(logs.size(), 1u);
  EXPECT_EQ(logs[0], "[ERROR]CStrokeText::ApplyRecord(the text record has no font record)\n");
}

TEST(StrokeTextRecord, HostileFieldsAreReadWithinTheirBounds) {
  Received in;
  // Fields filled to their last byte, without terminating zeros.
  memset(in.payload.head.szID, 'i', sizeof(in.payload.head.szID));
  memset(in.payload.szX, '9', sizeof(in.payload.szX));
  memset(in.payload.szWidth, '9', sizeof(in.payload.szWidth));
  memset(in.font.szFillColor, '1', sizeof(in.font.szFillColor));
  memset(in.font.szFaceName, '\xCB', sizeof(in.font.szFaceName));  // lead bytes into the next field
  in.font.reserved = 0x41414141;
  CStrokeText text;
  ASSERT_TRUE(text.ApplyRecord(&in.payload));
  EXPECT_EQ(strlen(text.m_szID), 47u);
  EXPECT_EQ(text.m_rcDraw.left, INT32_MAX);  // huge numbers saturate
  EXPECT_EQ(text.m_rcDraw.right, INT32_MAX);
  // At most 20 bytes of the face field, whole characters only: ten lead/trail pairs.
  EXPECT_EQ(std::string(text.m_logFont.lfFaceName), std::string(20, '\xCB'));
  // A face of 20 bytes ending in a lead byte loses the lone lead byte.
  Received odd;
  memset(odd.font.szFaceName, 0, sizeof(odd.font.szFaceName));
  memcpy(odd.font.szFaceName, "abcdefghijklmnopqrs\xCB", 20);
  ASSERT_TRUE(text.ApplyRecord(&odd.payload));
  EXPECT_STREQ(text.m_logFont.lfFaceName, "abcdefghijklmnopqrs");
}

}  // namespace
