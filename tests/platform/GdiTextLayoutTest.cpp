// The line rules of DrawText, with fixed advances: 10 pixels per byte (so a Chinese
// character is 20), which makes every expected break easy to read off.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gdi/Font.h"
#include "platform/gdi/TextLayout.h"

namespace {

int Fixed(const char* ch, int len) { return (unsigned char)ch[0] < 0x20 ? 0 : 10 * len; }

std::vector<std::string> Lines(const std::string& text, UINT format, int width, int tabWidth = 0) {
  std::vector<std::string> out;
  for (const gdi::TextLine& line : gdi::BreakLines(text.data(), (int)text.size(), format, width, tabWidth, Fixed))
    out.push_back(text.substr(line.begin, line.end - line.begin));
  return out;
}

using Strings = std::vector<std::string>;

TEST(GdiTextLayout, EnglishBreaksAtBlanksAndDropsThem) {
  EXPECT_EQ(Strings({"aaa bbb", "ccc"}), Lines("aaa bbb ccc", DT_WORDBREAK, 75));
  EXPECT_EQ(Strings({"aaa", "bbb", "ccc"}), Lines("aaa   bbb ccc", DT_WORDBREAK, 65));
  // Blanks at the end of the text stay on the last line; leading blanks of a paragraph stay.
  EXPECT_EQ(Strings({"  aa", "bb  "}), Lines("  aa bb  ", DT_WORDBREAK, 45));
  EXPECT_EQ(Strings({"aaa bbb ccc"}), Lines("aaa bbb ccc", DT_WORDBREAK, 110));
}

TEST(GdiTextLayout, ChineseBreaksBetweenAnyTwoCharacters) {
  const std::string text = "白板上的文字会自动换行";  // 11 characters of 20 pixels
  Strings lines = Lines(text, DT_WORDBREAK, 80);
  ASSERT_EQ(3u, lines.size());
  EXPECT_EQ("白板上的", lines[0]);
  EXPECT_EQ("文字会自", lines[1]);
  EXPECT_EQ("动换行", lines[2]);
  // Between a word and a Chinese character too.
  EXPECT_EQ(Strings({"abc", "中文"}), Lines("abc中文", DT_WORDBREAK, 45));
}

TEST(GdiTextLayout, ALongWordIsCutOnlyInEditControlMode) {
  EXPECT_EQ(Strings({"abcdefgh", "xy"}), Lines("abcdefgh xy", DT_WORDBREAK, 40));
  EXPECT_EQ(Strings({"abcd", "efgh", "xy"}), Lines("abcdefgh xy", DT_WORDBREAK | DT_EDITCONTROL, 40));
  // A line too narrow for one character still takes one, so wrapping always ends.
  EXPECT_EQ(Strings({"a", "b", "中"}), Lines("ab中", DT_WORDBREAK | DT_EDITCONTROL, 0));
}

TEST(GdiTextLayout, HardBreaksEndLinesUnlessSingleLine) {
  EXPECT_EQ(Strings({"one", "two", "", "three", "four"}), Lines("one\r\ntwo\n\rthree\rfour", 0, 1000));
  EXPECT_EQ(Strings({"a", ""}), Lines("a\r\n", DT_WORDBREAK, 1000));
  EXPECT_EQ(Strings({""}), Lines("", DT_WORDBREAK, 1000));
  EXPECT_EQ(Strings({"one\r\ntwo"}), Lines("one\r\ntwo", DT_SINGLELINE | DT_WORDBREAK, 10));
  // Without DT_WORDBREAK nothing wraps.
  EXPECT_EQ(Strings({"aaa bbb ccc"}), Lines("aaa bbb ccc", 0, 20));
}

TEST(GdiTextLayout, TabsReachTheNextStop) {
  EXPECT_EQ(40, gdi::NextTabStop(0, 40));
  EXPECT_EQ(80, gdi::NextTabStop(40, 40));
  EXPECT_EQ(7, gdi::NextTabStop(7, 0));
  const char text[] = "ab\tc\t";
  EXPECT_EQ(80, gdi::LineWidth(text, 0, 5, 40, Fixed));  // a b | tab to 40 | c | tab to 80
  EXPECT_EQ(30, gdi::LineWidth(text, 0, 5, 0, Fixed));   // tabs not expanded: no width
  std::vector<std::pair<int, int>> runs;
  gdi::ForEachTextRun(text, gdi::TextLine{0, 5, 80}, 40, Fixed,
                      [&](int begin, int end, int x) { runs.push_back({begin, x}); });
  EXPECT_EQ((std::vector<std::pair<int, int>>{{0, 0}, {3, 40}}), runs);
  // A line may break after a tab; the tab stays at the end of its line.
  EXPECT_EQ(Strings({"ab\t", "c"}), Lines("ab\tc", DT_WORDBREAK, 45, 40));
}

TEST(GdiTextLayout, HalfACharacterAtTheEndIsOneByte) {
  const std::string text = "ab\xD6";  // a lead byte without its second byte
  std::vector<gdi::TextLine> lines = gdi::BreakLines(text.data(), 3, DT_WORDBREAK, 1000, 0, Fixed);
  ASSERT_EQ(1u, lines.size());
  EXPECT_EQ(3, lines[0].end);
  EXPECT_EQ(30, lines[0].width);
}

}  // namespace
