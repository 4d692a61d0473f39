#include "platform/gdi/TextLayout.h"

#include "platform/gdi/Font.h"

namespace gdi {

int NextTabStop(int x, int tabWidth) {
  if (tabWidth <= 0) return x;
  return (x / tabWidth + 1) * tabWidth;
}

int LineWidth(const char* text, int begin, int end, int tabWidth, const AdvanceFn& advance) {
  int x = 0;
  for (int i = begin; i < end;) {
    int n = (int)mbcs::CharLength(text, end, i);
    x = text[i] == '\t' ? NextTabStop(x, tabWidth) : AddWidth(x, advance(text + i, n));
    i += n;
  }
  return x;
}

namespace {

// Wraps the paragraph text[begin, end) (no hard breaks inside) into lines.
void WrapParagraph(const char* text, int begin, int end, UINT format, int width, int tabWidth,
                   const AdvanceFn& advance, std::vector<TextLine>* lines) {
  int start = begin;
  do {
    int x = 0, i = start, prevLength = 0;
    int lineEnd = -1, next = -1;  // the last place the line may end, and where the next begins
    bool overflow = false, broke = false;
    while (i < end && !broke) {
      if (text[i] == ' ') {
        int j = i;
        while (j < end && text[j] == ' ') ++j;
        if (i > start) {
          lineEnd = i, next = j;
          if (overflow) {
            broke = true;
            break;
          }
        }
        for (; i < j; ++i) x = AddWidth(x, advance(text + i, 1));
        prevLength = 1;
        continue;
      }
      int n = (int)mbcs::CharLength(text, end, i);
      // Lines may break before and after every double-byte character, and after a tab.
      if (i > start && (n == 2 || prevLength == 2 || text[i - 1] == '\t')) {
        lineEnd = next = i;
        if (overflow) {
          broke = true;
          break;
        }
      }
      int step = text[i] == '\t' ? NextTabStop(x, tabWidth) - x : advance(text + i, n);
      if (i > start && (long long)x + step > width) {
        if (lineEnd >= 0) {
          broke = true;
          break;
        }
        if (format & DT_EDITCONTROL) {
          lineEnd = next = i;
          broke = true;
          break;
        }
        overflow = true;  // the word goes on past the edge until its end
      }
      x = AddWidth(x, step);
      i += n;
      prevLength = n;
    }
    if (!broke) lineEnd = next = end;
    lines->push_back(TextLine{start, lineEnd, LineWidth(text, start, lineEnd, tabWidth, advance)});
    start = next;
  } while (start < end);
}

}  // namespace

std::vector<TextLine> BreakLines(const char* text, int len, UINT format, int width, int tabWidth,
                                 const AdvanceFn& advance) {
  std::vector<TextLine> lines;
  if (format & DT_SINGLELINE) {
    lines.push_back(TextLine{0, len, LineWidth(text, 0, len, tabWidth, advance)});
    return lines;
  }
  int pos = 0;
  while (true) {
    // "\r" and "\n" are single bytes that never stand inside a double-byte character.
    int stop = pos;
    while (stop < len && text[stop] != '\r' && text[stop] != '\n') ++stop;
    if (format & DT_WORDBREAK)
      WrapParagraph(text, pos, stop, format, width, tabWidth, advance, &lines);
    else
      lines.push_back(TextLine{pos, stop, LineWidth(text, pos, stop, tabWidth, advance)});
    if (stop >= len) break;
    pos = stop + (text[stop] == '\r' && stop + 1 < len && text[stop + 1] == '\n' ? 2 : 1);
  }
  return lines;
}

}  // namespace gdi
