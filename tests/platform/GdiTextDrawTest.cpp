// Text on the canvas, read back by pixels: wrapping, clipping, alignment, colours and the
// rectangle DT_CALCRECT answers.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/CString.h"
#include "tests/platform/GdiCanvas.h"

namespace {

struct TextCanvas : GdiCanvas {
  CFont font;
  TEXTMETRIC tm{};
  TextCanvas(int width, int height, LONG fontHeight = -16) : GdiCanvas(width, height) {
    LOGFONT log{};
    log.lfHeight = fontHeight;
    log.lfWeight = FW_NORMAL;
    log.lfCharSet = GB2312_CHARSET;
    strcpy(log.lfFaceName, "宋体");
    font.CreateFontIndirect(&log);
    dc.SelectObject(&font);
    dc.GetTextMetrics(&tm);
  }
  // The smallest rectangle holding every pixel of colour c (all zero when there is none).
  RECT Box(COLORREF c) const {
    RECT r{0, 0, 0, 0};
    bool any = false;
    CSize size = bitmap.GetSize();
    for (int y = 0; y < size.cy; ++y)
      for (int x = 0; x < size.cx; ++x) {
        if (At(x, y) != c) continue;
        if (!any) r = RECT{x, y, x + 1, y + 1};
        r = RECT{std::min<LONG>(r.left, x), std::min<LONG>(r.top, y), std::max<LONG>(r.right, x + 1),
                 std::max<LONG>(r.bottom, y + 1)};
        any = true;
      }
    return r;
  }
  // How many rows in [top, bottom) hold a pixel of colour c.
  int RowsWith(COLORREF c, int top, int bottom) const {
    int rows = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = 0; x < bitmap.GetSize().cx; ++x)
        if (At(x, y) == c) {
          ++rows;
          break;
        }
    return rows;
  }
  // Every pixel is white or c.
  bool OnlyWhiteAnd(COLORREF c) const {
    for (COLORREF p : Snapshot())
      if (p != kWhite && p != c) return false;
    return true;
  }
  // The text lines that hold ink: how many line bands of tm.tmHeight from top have a pixel of c.
  int InkedLines(COLORREF c, int top, int lines) const {
    int inked = 0;
    for (int k = 0; k < lines; ++k) inked += RowsWith(c, top + k * tm.tmHeight, top + (k + 1) * tm.tmHeight) > 0;
    return inked;
  }
};

bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

const char kChinese[] = "白板上的文字会按照方框的宽度逐字自动换行显示";  // 22 characters

TEST(GdiTextDraw, ALongChineseLineBreaksPerCharacterInsideItsRectangle) {
  TextCanvas c(200, 200);
  c.dc.SetTextColor(kRed);
  c.dc.SetBkMode(TRANSPARENT);
  RECT box{10, 10, 10 + 5 * 16 + 3, 190};  // five characters and a bit per line
  int height = c.dc.DrawText(kChinese, -1, &box, DT_WORDBREAK);
  EXPECT_EQ(5 * c.tm.tmHeight, height);  // 22 characters: 5 lines
  RECT ink = c.Box(kRed);
  EXPECT_TRUE(Inside(ink, box));
  EXPECT_LE(ink.right, 10 + 5 * 16);
  EXPECT_EQ(5, c.InkedLines(kRed, 10, 6));
  EXPECT_TRUE(c.OnlyWhiteAnd(kRed));  // binary glyphs: no grey edges
}

TEST(GdiTextDraw, AnEnglishLineBreaksAtBlanks) {
  TextCanvas c(300, 100);
  int word = c.dc.GetTextExtent("window", 6).cx;
  int space = c.dc.GetTextExtent(" ", 1).cx;
  RECT calc{0, 0, 2 * word + space + 2, 0};
  c.dc.DrawText("window window window", -1, &calc, DT_WORDBREAK | DT_CALCRECT);
  EXPECT_EQ(2 * c.tm.tmHeight, calc.bottom);  // two words, then one
  EXPECT_EQ(2 * word + space, calc.right);    // the widest line
  // One pixel narrower and every word takes its own line.
  RECT narrow{0, 0, 2 * word + space - 1, 0};
  EXPECT_EQ(3 * c.tm.tmHeight, c.dc.DrawText("window window window", -1, &narrow, DT_WORDBREAK | DT_CALCRECT));
}

TEST(GdiTextDraw, ClippedToTheRectangleUnlessNoClip) {
  TextCanvas c(200, 60);
  c.dc.SetTextColor(kBlue);
  RECT box{20, 20, 60, 40};
  c.dc.DrawText("clipped clipped clipped", -1, &box, DT_SINGLELINE);
  RECT ink = c.Box(kBlue);
  EXPECT_TRUE(Inside(ink, box));
  EXPECT_EQ(59, ink.right - 1);  // the text runs on to the rectangle's edge
  TextCanvas free(200, 60);
  free.dc.SetTextColor(kBlue);
  free.dc.DrawText("clipped clipped clipped", -1, &box, DT_SINGLELINE | DT_NOCLIP);
  EXPECT_GT(free.Box(kBlue).right, 100);
  // An empty rectangle shows nothing; with DT_NOCLIP the text still shows.
  TextCanvas none(100, 40);
  RECT empty{10, 10, 10, 10};
  none.dc.DrawText("x", -1, &empty, 0);
  EXPECT_TRUE(none.OnlyWhiteAnd(kWhite));
}

TEST(GdiTextDraw, TabsExpandToStopsOfEightAverageCharacters) {
  TextCanvas c(400, 40);
  RECT box{0, 0, 400, 40};
  RECT calc = box;
  c.dc.DrawText("a\tb", -1, &calc, DT_SINGLELINE | DT_EXPANDTABS | DT_CALCRECT);
  int b = c.dc.GetTextExtent("b", 1).cx;
  EXPECT_EQ(8 * c.tm.tmAveCharWidth + b, calc.right);
  c.dc.SetTextColor(kRed);
  c.dc.DrawText("a\tb", -1, &box, DT_SINGLELINE | DT_EXPANDTABS);
  // Nothing drawn between the a and the tab stop where the b starts.
  RECT ink = c.Box(kRed);
  EXPECT_LT(ink.left, c.tm.tmAveCharWidth + 2);
  EXPECT_EQ(0, [&] {
    int found = 0;
    for (int y = 0; y < 40; ++y)
      for (int x = c.dc.GetTextExtent("a", 1).cx + 1; x < 8 * c.tm.tmAveCharWidth - 1; ++x) found += c.At(x, y) == kRed;
    return found;
  }());
  // With DT_EXPANDTABS a tab has no width: "a\tb" measures as "ab".
  RECT plain = box;
  c.dc.DrawText("a\tb", -1, &plain, DT_SINGLELINE | DT_CALCRECT);
  EXPECT_EQ(c.dc.GetTextExtent("ab", 2).cx, plain.right);
}

TEST(GdiTextDraw, CrLfBreaksLines) {
  TextCanvas c(200, 120);
  c.dc.SetTextColor(kRed);
  RECT box{0, 0, 200, 120};
  EXPECT_EQ(3 * c.tm.tmHeight, c.dc.DrawText("第一行\r\n第二行\n第三行", -1, &box, 0));
  EXPECT_EQ(3, c.InkedLines(kRed, 0, 3));
  EXPECT_EQ(0, c.RowsWith(kRed, 3 * c.tm.tmHeight, 120));
  // In a single line the breaks draw nothing and take no room.
  RECT one = box;
  c.dc.DrawText("ab\r\ncd", -1, &one, DT_SINGLELINE | DT_CALCRECT);
  EXPECT_EQ(c.dc.GetTextExtent("abcd", 4).cx, one.right);
  EXPECT_EQ(c.tm.tmHeight, one.bottom);
}

TEST(GdiTextDraw, AlignmentPlacesTheLine) {
  TextCanvas c(300, 100);
  int width = c.dc.GetTextExtent("中文", 4).cx;
  c.dc.SetTextColor(kRed);
  RECT box{0, 0, 300, 100};
  int bottom = c.dc.DrawText("中文", -1, &box, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  int top = (100 - c.tm.tmHeight) / 2;
  EXPECT_EQ(top + c.tm.tmHeight, bottom);
  RECT ink = c.Box(kRed);
  EXPECT_GE(ink.left, (300 - width) / 2);
  EXPECT_LE(ink.right, (300 - width) / 2 + width);
  EXPECT_GE(ink.top, top);
  EXPECT_LE(ink.bottom, top + c.tm.tmHeight);
  TextCanvas r(300, 100);
  r.dc.SetTextColor(kRed);
  r.dc.DrawText("中文", -1, &box, DT_SINGLELINE | DT_RIGHT | DT_BOTTOM);
  RECT right = r.Box(kRed);
  EXPECT_GE(right.left, 300 - width);
  EXPECT_GE(right.top, 100 - c.tm.tmHeight);
  // DT_VCENTER applies to single lines only.
  TextCanvas m(300, 100);
  m.dc.SetTextColor(kRed);
  EXPECT_EQ(m.tm.tmHeight, m.dc.DrawText("中文", -1, &box, DT_VCENTER));
  EXPECT_LT(m.Box(kRed).bottom, m.tm.tmHeight + 1);
}

TEST(GdiTextDraw, CalcRectMeasuresWithoutDrawing) {
  TextCanvas c(200, 200);
  RECT r{5, 7, 5 + 4 * 16, 8};
  int height = c.dc.DrawText(kChinese, -1, &r, DT_WORDBREAK | DT_CALCRECT);
  EXPECT_EQ(6 * c.tm.tmHeight, height);  // 22 characters, four per line
  EXPECT_EQ(7 + height, r.bottom);
  EXPECT_EQ(5 + 4 * 16, r.right);
  EXPECT_TRUE(c.OnlyWhiteAnd(kWhite));
  RECT empty{0, 0, 50, 0};
  EXPECT_EQ(c.tm.tmHeight, c.dc.DrawText("", -1, &empty, DT_CALCRECT));
  EXPECT_EQ(0, empty.right);
  EXPECT_EQ(0, c.dc.DrawText(nullptr, -1, &empty, 0));
  EXPECT_EQ(0, c.dc.DrawText("x", -1, nullptr, 0));
}

TEST(GdiTextDraw, DrawTextExParamsSetMarginsAndTabStops) {
  TextCanvas c(300, 40);
  DRAWTEXTPARAMS params{sizeof(DRAWTEXTPARAMS), 4, 10, 5, 0};
  char text[] = "a\tb";
  RECT calc{0, 0, 300, 0};
  c.dc.DrawTextEx(text, -1, &calc, DT_SINGLELINE | DT_EXPANDTABS | DT_CALCRECT, &params);
  EXPECT_EQ(3u, params.uiLengthDrawn);
  EXPECT_EQ(10 + 4 * c.tm.tmAveCharWidth + c.dc.GetTextExtent("b", 1).cx + 5, calc.right);
  c.dc.SetTextColor(kRed);
  RECT box{0, 0, 300, 40};
  c.dc.DrawTextEx(text, -1, &box, DT_SINGLELINE, &params);
  EXPECT_GE(c.Box(kRed).left, 10);
  params.cbSize = 0;  // an unknown structure is refused
  EXPECT_EQ(0, c.dc.DrawTextEx(text, -1, &box, DT_SINGLELINE, &params));
}

TEST(GdiTextDraw, EditControlModeHidesAPartlyVisibleLastLine) {
  TextCanvas c(100, 100);
  c.dc.SetTextColor(kRed);
  RECT box{0, 0, 2 * 16, c.tm.tmHeight * 2 - 1};  // room for one line and most of a second
  c.dc.DrawText("一二三四", -1, &box, DT_WORDBREAK | DT_EDITCONTROL);
  EXPECT_EQ(0, c.RowsWith(kRed, c.tm.tmHeight, 100));
  EXPECT_GT(c.RowsWith(kRed, 0, c.tm.tmHeight), 0);
  TextCanvas plain(100, 100);
  plain.dc.SetTextColor(kRed);
  plain.dc.DrawText("一二三四", -1, &box, DT_WORDBREAK);
  EXPECT_GT(plain.RowsWith(kRed, plain.tm.tmHeight, 100), 0);
}

TEST(GdiTextDraw, ColoursAndBackgroundModes) {
  TextCanvas c(120, 40);
  c.dc.FillSolidRect(0, 0, 120, 40, kBlue);
  c.dc.SetTextColor(kRed);
  c.dc.SetBkColor(RGB(0, 255, 0));
  c.dc.SetBkMode(OPAQUE);
  c.dc.SetROP2(R2_XORPEN);  // text ignores the raster operation
  EXPECT_TRUE(c.dc.TextOut(10, 5, "Ab中", 4));
  int width = c.dc.GetTextExtent("Ab中", 4).cx;
  RECT back = c.Box(RGB(0, 255, 0));
  RECT text = c.Box(kRed);
  EXPECT_EQ(10, back.left);
  EXPECT_EQ(5, back.top);
  EXPECT_EQ(10 + width, back.right);
  EXPECT_EQ(5 + c.tm.tmHeight, back.bottom);
  EXPECT_TRUE(Inside(text, back));
  for (COLORREF p : c.Snapshot()) EXPECT_TRUE(p == kBlue || p == kRed || p == RGB(0, 255, 0));
  // Transparent: only the glyphs change pixels.
  TextCanvas t(120, 40);
  t.dc.FillSolidRect(0, 0, 120, 40, kBlue);
  t.dc.SetTextColor(kRed);
  t.dc.SetBkMode(TRANSPARENT);
  t.dc.TextOut(10, 5, CString("Ab中"));
  for (COLORREF p : t.Snapshot()) EXPECT_TRUE(p == kBlue || p == kRed);
}

TEST(GdiTextDraw, TextOutAlignsAndFollowsTheOrigin) {
  TextCanvas c(200, 100);
  c.dc.SetTextColor(kRed);
  c.dc.SetBkMode(OPAQUE);
  c.dc.SetBkColor(kBlue);
  EXPECT_EQ((UINT)(TA_LEFT | TA_TOP), c.dc.SetTextAlign(TA_RIGHT | TA_BASELINE));
  c.dc.SetViewportOrg(10, 10);
  c.dc.TextOut(100, 50, "abc", 3);
  c.dc.SetViewportOrg(0, 0);  // read the pixels back in device coordinates
  RECT back = c.Box(kBlue);
  EXPECT_EQ(110, back.right);
  EXPECT_EQ(60 - c.tm.tmAscent, back.top);
  TextCanvas m(200, 100);
  m.dc.SetBkMode(OPAQUE);
  m.dc.SetBkColor(kBlue);
  m.dc.SetTextAlign(TA_CENTER | TA_BOTTOM);
  int width = m.dc.GetTextExtent("abcd", 4).cx;
  m.dc.TextOut(100, 50, "abcd", 4);
  RECT centred = m.Box(kBlue);
  EXPECT_EQ(100 - width / 2, centred.left);
  EXPECT_EQ(50, centred.bottom);
}

TEST(GdiTextDraw, PrefixCharactersUnderlineUnlessNoPrefix) {
  TextCanvas plain(120, 40), prefixed(120, 40), literal(120, 40);
  RECT box{0, 0, 120, 40};
  plain.dc.DrawText("File", -1, &box, DT_SINGLELINE);
  prefixed.dc.DrawText("&File", -1, &box, DT_SINGLELINE);
  literal.dc.DrawText("&File", -1, &box, DT_SINGLELINE | DT_NOPREFIX);
  // The prefixed F is drawn where the plain one is, with an underline below it.
  auto rows = [](const TextCanvas& t, int top, int bottom) {
    std::vector<COLORREF> all;
    for (int y = top; y < bottom; ++y)
      for (int x = 0; x < 120; ++x) all.push_back(t.At(x, y));
    return all;
  };
  EXPECT_EQ(rows(plain, 0, plain.tm.tmAscent), rows(prefixed, 0, plain.tm.tmAscent));
  EXPECT_NE(rows(plain, plain.tm.tmAscent, 40), rows(prefixed, plain.tm.tmAscent, 40));
  RECT a = plain.Box(kBlack);
  EXPECT_GT(literal.Box(kBlack).right, a.right);  // the & is drawn
  RECT amp = box;
  plain.dc.DrawText("a&&b", -1, &amp, DT_SINGLELINE | DT_CALCRECT);
  EXPECT_EQ(plain.dc.GetTextExtent("a&b", 3).cx, amp.right);
}

TEST(GdiTextDraw, UnderlineAndStrikeOutFonts) {
  TextCanvas plain(100, 40);
  LOGFONT log{};
  plain.font.GetLogFont(&log);
  log.lfUnderline = 1;
  log.lfStrikeOut = 1;
  TextCanvas marked(100, 40);
  CFont font;
  font.CreateFontIndirect(&log);
  marked.dc.SelectObject(&font);
  plain.dc.TextOut(0, 0, "一", 2);
  marked.dc.TextOut(0, 0, "一", 2);
  // Two more rows of ink: the strike-out line and the underline.
  EXPECT_GE(marked.RowsWith(kBlack, 0, 40), plain.RowsWith(kBlack, 0, 40) + 2);
}

TEST(GdiTextDraw, HostileSizesAndPositionsStayCheap) {
  TextCanvas c(50, 50, -2000);
  RECT far{INT32_MIN + 5, INT32_MIN + 5, INT32_MAX - 5, INT32_MAX - 5};
  std::string longText(200000, 'x');
  c.dc.DrawText(longText.c_str(), -1, &far, DT_WORDBREAK);
  c.dc.TextOut(INT32_MAX - 3, INT32_MAX - 3, longText.c_str(), (int)longText.size());
  RECT calc{0, 0, 10, 0};
  EXPECT_GT(c.dc.DrawText(longText.c_str(), -1, &calc, DT_WORDBREAK | DT_CALCRECT | DT_EDITCONTROL), 0);
}

TEST(GdiTextDraw, WritesAPictureOfWrappedText) {
  const char* dir = getenv("TAV_PICTURES_DIR");
  if (!dir) GTEST_SKIP() << "TAV_PICTURES_DIR not set";
  TextCanvas c(360, 200);
  c.dc.FillSolidRect(0, 0, 360, 200, RGB(250, 250, 240));
  CPen frame(PS_DOT, 1, RGB(120, 120, 120));
  c.dc.SelectObject(&frame);
  c.dc.SelectStockObject(NULL_BRUSH);
  RECT box{20, 20, 220, 180};
  c.dc.Rectangle(box.left - 1, box.top - 1, box.right + 1, box.bottom + 1);
  c.dc.SetTextColor(RGB(0, 0, 160));
  c.dc.SetBkMode(TRANSPARENT);
  c.dc.DrawText("白板文字：会议纪要按方框宽度自动换行。\r\nThe quick brown fox jumps over the lazy dog.\r\n"
                "Tab\tstop\t对齐",
                -1, &box, DT_WORDBREAK | DT_EXPANDTABS | DT_EDITCONTROL);
  RECT side{240, 20, 350, 60};
  c.dc.SetTextColor(RGB(200, 0, 0));
  c.dc.SetBkMode(OPAQUE);
  c.dc.SetBkColor(RGB(255, 230, 160));
  c.dc.DrawText("居中 Centre", -1, &side, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  EXPECT_TRUE(c.dc.WritePng((std::string(dir) + "/text.png").c_str()));
}

}  // namespace
