// Fonts as objects and their measures: LOGFONT sizes, metrics, extents and the stock fonts.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/CString.h"
#include "platform/gdi/TextFace.h"
#include "tests/platform/GdiCanvas.h"

namespace {

LOGFONT Song(LONG height, LONG weight = FW_NORMAL) {
  LOGFONT log{};
  log.lfHeight = height;
  log.lfWeight = weight;
  log.lfCharSet = GB2312_CHARSET;
  strcpy(log.lfFaceName, "宋体");
  return log;
}

TEXTMETRIC MetricsOf(const LOGFONT& log) {
  CDC dc;
  CFont font;
  EXPECT_TRUE(font.CreateFontIndirect(&log));
  dc.SelectObject(&font);
  TEXTMETRIC tm{};
  EXPECT_TRUE(dc.GetTextMetrics(&tm));
  return tm;
}

TEST(GdiTextFont, CreateAndReadBackALogFont) {
  CFont font;
  LOGFONT none{};
  EXPECT_EQ(0, font.GetLogFont(&none));  // nothing created yet
  LOGFONT log = Song(-12);
  log.lfItalic = 1;
  ASSERT_TRUE(font.CreateFontIndirect(&log));
  LOGFONT back{};
  EXPECT_EQ((int)sizeof(LOGFONT), font.GetLogFont(&back));
  EXPECT_EQ(0, memcmp(&log, &back, sizeof(LOGFONT)));
  EXPECT_NE(nullptr, (HFONT)font);
  EXPECT_TRUE(font.DeleteObject());
  EXPECT_EQ(nullptr, (HFONT)font);
}

TEST(GdiTextFont, AnUnterminatedFaceIsCutWithoutHalfACharacter) {
  LOGFONT log = Song(-12);
  memset(log.lfFaceName, '\xB0', sizeof(log.lfFaceName));  // lead bytes to the very end
  CFont font;
  ASSERT_TRUE(font.CreateFontIndirect(&log));
  LOGFONT back{};
  font.GetLogFont(&back);
  EXPECT_EQ(30u, strlen(back.lfFaceName));  // 15 whole double-byte characters
}

TEST(GdiTextFont, PointFontsAndStockFonts) {
  CFont font;
  ASSERT_TRUE(font.CreatePointFont(90, "宋体"));
  LOGFONT log{};
  font.GetLogFont(&log);
  EXPECT_EQ(-12, log.lfHeight);  // 9 points at 96 pixels per inch
  EXPECT_STREQ("宋体", log.lfFaceName);
  // A fresh DC draws with the system font.
  CDC dc;
  EXPECT_EQ(GetStockObject(SYSTEM_FONT), dc.GetCurrentFont());
  LOGFONT system{};
  dc.GetCurrentFont()->GetLogFont(&system);
  EXPECT_EQ(16, system.lfHeight);
  EXPECT_EQ(FW_BOLD, system.lfWeight);
  EXPECT_EQ(GetStockObject(SYSTEM_FONT), dc.SelectObject(&font));
  EXPECT_EQ(&font, dc.SelectObject(static_cast<CGdiObject*>(GetStockObject(DEFAULT_GUI_FONT))));
  EXPECT_FALSE(static_cast<CFont*>(GetStockObject(SYSTEM_FONT))->DeleteObject());
  CFont copy;
  EXPECT_TRUE(copy.CreateStockObject(DEFAULT_GUI_FONT));
  EXPECT_FALSE(copy.CreateStockObject(WHITE_BRUSH));
}

TEST(GdiTextFont, ChineseFacesResolveToTheCjkFont) {
  EXPECT_EQ("WenQuanYi Micro Hei", gdi::ResolveFamily("宋体"));
  EXPECT_EQ("WenQuanYi Micro Hei", gdi::ResolveFamily("黑体"));
  EXPECT_EQ("WenQuanYi Micro Hei", gdi::ResolveFamily("simsun"));
  EXPECT_EQ("WenQuanYi Micro Hei", gdi::ResolveFamily(""));
  // Another face is asked for first, with the CJK font behind it; it cannot add families.
  EXPECT_EQ("DejaVu Sans,WenQuanYi Micro Hei", gdi::ResolveFamily("DejaVu Sans"));
  EXPECT_EQ("ab,WenQuanYi Micro Hei", gdi::ResolveFamily("a,b"));
}

TEST(GdiTextFont, MetricsAreConsistent) {
  TEXTMETRIC tm = MetricsOf(Song(-12));
  EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
  EXPECT_GE(tm.tmHeight, 12);
  EXPECT_LE(tm.tmHeight, 18);
  EXPECT_EQ(tm.tmHeight - 12, tm.tmInternalLeading);
  EXPECT_GT(tm.tmDescent, 0);
  EXPECT_GT(tm.tmAveCharWidth, 3);
  EXPECT_LT(tm.tmAveCharWidth, tm.tmMaxCharWidth);
  EXPECT_GE(tm.tmMaxCharWidth, 12);
  EXPECT_EQ(GB2312_CHARSET, tm.tmCharSet);
  // Bigger fonts measure bigger.
  TEXTMETRIC big = MetricsOf(Song(-24));
  EXPECT_GT(big.tmHeight, tm.tmHeight + 8);
  EXPECT_GT(big.tmAveCharWidth, tm.tmAveCharWidth);
}

TEST(GdiTextFont, PositiveHeightIsTheCellHeight) {
  for (LONG cell : {13, 16, 20, 33}) {
    TEXTMETRIC tm = MetricsOf(Song(cell));
    EXPECT_LE(tm.tmHeight, cell) << cell;
    EXPECT_GE(tm.tmHeight, cell - 2) << cell;
    EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
  }
  // Height 0 is the default size; absurd heights are bounded.
  EXPECT_GT(MetricsOf(Song(0)).tmHeight, 8);
  EXPECT_LE(MetricsOf(Song(-32768)).tmHeight, 1400);
}

TEST(GdiTextFont, ExtentsAddUpPerCharacter) {
  CDC dc;
  CFont font;
  LOGFONT log = Song(-16);
  font.CreateFontIndirect(&log);
  dc.SelectObject(&font);
  TEXTMETRIC tm{};
  dc.GetTextMetrics(&tm);
  CSize one = dc.GetTextExtent("中", 2);
  EXPECT_EQ(16, one.cx);  // a Chinese character is one em wide
  EXPECT_EQ(tm.tmHeight, one.cy);
  EXPECT_EQ(3 * one.cx, dc.GetTextExtent(CString("中文字")).cx);
  CSize latin = dc.GetTextExtent("Hello", -1);
  EXPECT_EQ(latin.cx, dc.GetTextExtent("He", 2).cx + dc.GetTextExtent("llo", 3).cx);
  EXPECT_LT(latin.cx, 5 * one.cx);
  EXPECT_EQ(0, dc.GetTextExtent("\t\r\n", 3).cx);
  EXPECT_EQ(CSize(0, 0), dc.GetTextExtent(nullptr, 3));
  // Bold is at least as wide.
  LOGFONT bold = Song(-16, FW_BOLD);
  CFont boldFont;
  boldFont.CreateFontIndirect(&bold);
  dc.SelectObject(&boldFont);
  EXPECT_GE(dc.GetTextExtent("Hello", 5).cx, latin.cx);
}

}  // namespace
