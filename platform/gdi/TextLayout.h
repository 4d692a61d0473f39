// The line rules of DrawText over GBK text: hard breaks at "\r\n", "\r" and "\n" (unless
// single-line), word wrapping at blanks and between double-byte (Chinese) characters, long
// words cut per character in edit-control mode, and tab expansion to fixed stops. A line
// may also break after a tab.
#pragma once

#include <functional>
#include <vector>

#include "platform/Mbcs.h"
#include "platform/Win32Types.h"

namespace gdi {

// The advance in pixels of the character of len (1 or 2) bytes at ch.
using AdvanceFn = std::function<int(const char* ch, int len)>;

// One line to draw: the bytes [begin, end) of the text and its width with tabs expanded.
struct TextLine {
  int begin;
  int end;
  int width;
};

// Widths saturate here, so that no text, however long, overflows a coordinate.
constexpr int kMaxTextWidth = 1 << 30;
inline int AddWidth(int x, int step) { return (long long)x + step > kMaxTextWidth ? kMaxTextWidth : x + step; }

// The first tab stop right of x; stops are tabWidth apart. Without stops (tabWidth <= 0) a
// tab advances nothing.
int NextTabStop(int x, int tabWidth);

// Width of text[begin, end) drawn from x = 0.
int LineWidth(const char* text, int begin, int end, int tabWidth, const AdvanceFn& advance);

// The lines of text[0, len) for the DrawText format bits DT_SINGLELINE, DT_WORDBREAK and
// DT_EDITCONTROL, wrapped to width. Blanks at a wrap are dropped; a word that does not fit
// a line of its own is cut per character in edit-control mode, else overflows; every line
// holds at least one character, so the text always makes progress. An empty text, and an
// empty paragraph, is one empty line.
std::vector<TextLine> BreakLines(const char* text, int len, UINT format, int width, int tabWidth,
                                 const AdvanceFn& advance);

// Calls run(begin, end, x) for each stretch of line without tabs, x counted from the line's start.
template <typename F>
void ForEachTextRun(const char* text, const TextLine& line, int tabWidth, const AdvanceFn& advance, F run) {
  int x = 0, runStart = line.begin, runX = 0;
  for (int i = line.begin; i < line.end; ++i) {
    if (text[i] != '\t') {
      // A tab is a single byte and never the second byte of a Chinese character.
      int n = (int)mbcs::CharLength(text, line.end, i);
      x = AddWidth(x, advance(text + i, n));
      i += n - 1;
      continue;
    }
    if (i > runStart) run(runStart, i, runX);
    x = NextTabStop(x, tabWidth);
    runStart = i + 1;
    runX = x;
  }
  if (line.end > runStart) run(runStart, line.end, runX);
}

}  // namespace gdi
