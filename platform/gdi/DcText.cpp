// CDC text: the selected font, TextOut, DrawText and the text measures. Glyphs become a set of
// device pixels painted once in the text colour, so clipping is exact; the raster operation
// does not apply to text, as in GDI.
#include <algorithm>
#include <cstring>
#include <string>

#include "platform/CString.h"
#include "platform/gdi/Dc.h"
#include "platform/gdi/TextFace.h"
#include "platform/gdi/TextLayout.h"

namespace {

constexpr int kDefaultTabStops = 8;  // tab stops in average character widths

// The text as shown with prefix characters: "&&" shows "&", "&x" shows x underlined (the
// last such character), a final "&" nothing.
std::string StripPrefixes(const char* text, int len, int* underlineAt) {
  std::string shown;
  *underlineAt = -1;
  for (int i = 0; i < len; ++i) {
    if (text[i] != '&') {
      int n = (int)mbcs::CharLength(text, len, i);
      shown.append(text + i, n);
      i += n - 1;
      continue;
    }
    if (++i >= len) break;
    if (text[i] != '&') *underlineAt = (int)shown.size();
    int n = (int)mbcs::CharLength(text, len, i);
    shown.append(text + i, n);
    i += n - 1;
  }
  return shown;
}

int TextLength(LPCTSTR text, int count) { return count < 0 ? (int)strlen(text) : count; }

// The lines of a DrawText call and what places them.
struct TextBlock {
  std::string shown;  // the text without its prefix characters
  int underlineAt = -1;
  int lineHeight = 0;
  int tabWidth = 0;
  long long left = 0;  // the rectangle's left plus the left margin
  int width = 0;       // room between the margins
  int rightMargin = 0;
  std::vector<gdi::TextLine> lines;
};

TextBlock LayOut(const gdi::TextFace& face, const char* text, int length, const RECT& rect, UINT format,
                 const DRAWTEXTPARAMS* params) {
  const TEXTMETRIC& tm = face.Metrics();
  TextBlock block;
  block.lineHeight = tm.tmHeight + (format & DT_EXTERNALLEADING ? tm.tmExternalLeading : 0);
  block.shown = format & DT_NOPREFIX ? std::string(text, length) : StripPrefixes(text, length, &block.underlineAt);
  block.rightMargin = params ? params->iRightMargin : 0;
  block.left = (long long)rect.left + (params ? params->iLeftMargin : 0);
  long long right = (long long)rect.right - block.rightMargin;
  block.width = (int)std::max<long long>(0, std::min<long long>(right - block.left, INT32_MAX));
  int tabStops = params && params->iTabLength > 0 ? std::min(params->iTabLength, 1000) : kDefaultTabStops;
  block.tabWidth = format & DT_EXPANDTABS ? tabStops * tm.tmAveCharWidth : 0;
  gdi::AdvanceFn advance = [&face](const char* ch, int n) { return face.Advance(ch, n); };
  block.lines = gdi::BreakLines(block.shown.data(), (int)block.shown.size(), format, block.width, block.tabWidth,
                                advance);
  return block;
}

}  // namespace

CFont* CDC::SelectObject(CFont* font) {
  if (!font || !font->GetSafeHandle()) return nullptr;
  CFont* previous = state_.fontObject;
  state_.fontObject = font;
  state_.font = font->Attrs();
  state_.face.reset();
  return previous;
}

UINT CDC::SetTextAlign(UINT align) {
  UINT previous = state_.textAlign;
  state_.textAlign = align;
  return previous;
}

const gdi::TextFace& CDC::Face() const {
  if (!state_.face) state_.face = gdi::TextFace::Resolve(state_.font);
  return *state_.face;
}

BOOL CDC::GetTextMetrics(LPTEXTMETRIC metrics) const {
  if (!metrics) return FALSE;
  *metrics = Face().Metrics();
  return TRUE;
}

CSize CDC::GetTextExtent(LPCTSTR text, int count) const {
  if (!text) return CSize(0, 0);
  return CSize(Face().Width(text, TextLength(text, count)), Face().Metrics().tmHeight);
}

CSize CDC::GetTextExtent(const CString& text) const { return GetTextExtent(text, text.GetLength()); }

void CDC::PaintTextLine(const char* text, const gdi::TextLine& line, int x, int y, int tabWidth, int underlineAt,
                        const gdi::SpanSet* clip) {
  const gdi::TextFace& face = Face();
  auto within = [&](const gdi::SpanSet& s) { return clip ? gdi::SpanSet::Combine(s, *clip, RGN_AND) : s; };
  if (state_.bkMode == OPAQUE && line.width > 0) {
    RECT cell{x, y, (LONG)std::min<long long>((long long)x + line.width, INT32_MAX),
              (LONG)std::min<long long>((long long)y + face.Metrics().tmHeight, INT32_MAX)};
    gdi::Paint back;
    back.fore = gdi::Ink::Make(state_.bkColor, R2_COPYPEN);
    Paint(within(DeviceRect(&cell)), back);
  }
  gdi::Paint ink;
  ink.fore = gdi::Ink::Make(state_.textColor, R2_COPYPEN);
  POINT origin = ToDevice(x, y);
  RECT window = DeviceLimit();
  if (clip) {
    RECT c = clip->Bounds();
    window = RECT{std::max(window.left, c.left), std::max(window.top, c.top), std::min(window.right, c.right),
                  std::min(window.bottom, c.bottom)};
  }
  gdi::AdvanceFn advance = [&face](const char* ch, int n) { return face.Advance(ch, n); };
  gdi::ForEachTextRun(text, line, tabWidth, advance, [&](int begin, int end, int runX) {
    int mark = underlineAt >= begin && underlineAt < end ? underlineAt - begin : -1;
    long long left = (long long)origin.x + runX;
    if (left >= window.right) return;
    Paint(within(face.Glyphs(text + begin, end - begin, (int)left, origin.y, window, mark)), ink);
  });
}

BOOL CDC::TextOut(int x, int y, LPCTSTR text, int count) {
  if (!text || count < 0) return FALSE;
  const TEXTMETRIC& tm = Face().Metrics();
  gdi::TextLine line{0, count, Face().Width(text, count)};
  UINT align = state_.textAlign;
  if ((align & TA_CENTER) == TA_CENTER)
    x -= line.width / 2;
  else if (align & TA_RIGHT)
    x -= line.width;
  if ((align & TA_BASELINE) == TA_BASELINE)
    y -= tm.tmAscent;
  else if (align & TA_BOTTOM)
    y -= tm.tmHeight;
  PaintTextLine(text, line, x, y, 0, -1, nullptr);
  return TRUE;
}

BOOL CDC::TextOut(int x, int y, const CString& text) { return TextOut(x, y, text, text.GetLength()); }

int CDC::DrawText(LPCTSTR text, int count, LPRECT rect, UINT format) {
  return DrawTextEx(const_cast<LPTSTR>(text), count, rect, format, nullptr);
}

int CDC::DrawText(const CString& text, LPRECT rect, UINT format) {
  return DrawText((LPCTSTR)text, text.GetLength(), rect, format);
}

int CDC::DrawTextEx(const CString& text, LPRECT rect, UINT format, LPDRAWTEXTPARAMS params) {
  return DrawTextEx(const_cast<LPTSTR>((LPCTSTR)text), text.GetLength(), rect, format, params);
}

int CDC::DrawTextEx(LPTSTR text, int count, LPRECT rect, UINT format, LPDRAWTEXTPARAMS params) {
  if (!text || !rect) return 0;
  if (params && params->cbSize != sizeof(DRAWTEXTPARAMS)) return 0;
  int length = TextLength(text, count);
  if (params) params->uiLengthDrawn = (UINT)length;
  TextBlock block = LayOut(Face(), text, length, *rect, format, params);
  long long height = (long long)block.lines.size() * block.lineHeight;
  if (format & DT_CALCRECT) {
    int widest = 0;
    for (const gdi::TextLine& line : block.lines) widest = std::max(widest, line.width);
    rect->right = (LONG)std::min<long long>(block.left + widest + block.rightMargin, INT32_MAX);
    rect->bottom = (LONG)std::min<long long>(rect->top + height, INT32_MAX);
    return (int)std::min<long long>(height, INT32_MAX);
  }
  bool single = format & DT_SINGLELINE;
  long long top = rect->top;
  if (single && (format & DT_VCENTER))
    top = rect->top + ((long long)rect->bottom - rect->top - block.lineHeight) / 2;
  else if (single && (format & DT_BOTTOM))
    top = (long long)rect->bottom - block.lineHeight;
  gdi::SpanSet clip = DeviceRect(rect);
  for (size_t k = 0; k < block.lines.size(); ++k) {
    long long y = top + (long long)k * block.lineHeight;
    // An edit control shows no partly visible last line (though always the first one).
    if ((format & DT_EDITCONTROL) && k > 0 && y + block.lineHeight > rect->bottom) break;
    if ((!(format & DT_NOCLIP) && y >= rect->bottom) || y > INT32_MAX - block.lineHeight) break;
    const gdi::TextLine& line = block.lines[k];
    long long x = format & DT_CENTER ? block.left + (block.width - line.width) / 2
                  : format & DT_RIGHT ? block.left + block.width - line.width
                                      : block.left;
    if (x < INT32_MIN || x > INT32_MAX) continue;
    PaintTextLine(block.shown.data(), line, (int)x, (int)y, block.tabWidth, block.underlineAt,
                  format & DT_NOCLIP ? nullptr : &clip);
  }
  if (single && (format & (DT_VCENTER | DT_BOTTOM)))
    return (int)std::min<long long>(top + block.lineHeight - rect->top, INT32_MAX);
  return (int)std::min<long long>(height, INT32_MAX);
}
