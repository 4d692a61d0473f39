#include "platform/gdi/Raster.h"

#include <algorithm>

namespace gdi {

Ink Ink::Make(COLORREF color, int rop2) {
  // rop2 - 1 is a truth table: bit (pen * 2 + dst) holds the result bit for that pair.
  unsigned table = (unsigned)(rop2 - 1) & 15u;
  uint32_t pen = ToPixel(color) & 0x00FFFFFFu;
  auto all = [](bool b) { return b ? 0x00FFFFFFu : 0u; };
  uint32_t whenDst0 = (pen & all(table & 4)) | (~pen & all(table & 1));
  uint32_t whenDst1 = (pen & all(table & 8)) | (~pen & all(table & 2));
  return Ink{(whenDst0 ^ whenDst1) & 0x00FFFFFFu, whenDst0 & 0x00FFFFFFu};
}

namespace {

void PaintRun(uint32_t* p, int n, const Ink& ink) {
  if (ink.keep == 0) {
    std::fill(p, p + n, ink.flip | 0xFF000000u);
    return;
  }
  for (int i = 0; i < n; ++i) p[i] = ink.On(p[i]);
}

void PaintPatternRun(uint32_t* p, int x0, int x1, int y, const Paint& paint) {
  uint8_t bits = paint.pattern[y & 7];
  for (int x = x0; x < x1; ++x, ++p) {
    if (bits & (1u << (x & 7)))
      *p = paint.fore.On(*p);
    else if (paint.opaqueBack)
      *p = paint.back.On(*p);
  }
}

}  // namespace

void PaintSpans(const Raster& r, const SpanSet& spans, const Paint& paint, const RECT& clip) {
  if (!r.Valid() || spans.IsEmpty()) return;
  if (!paint.patterned && paint.fore.LeavesDestination()) return;
  int left = std::max(0, (int)clip.left), right = std::min(r.width, (int)clip.right);
  int top = std::max({0, (int)clip.top, spans.Top()});
  int bottom = std::min({r.height, (int)clip.bottom, spans.Top() + spans.RowCount()});
  for (int y = top; y < bottom; ++y) {
    uint32_t* row = r.pixels + (size_t)y * r.stride;
    int i = y - spans.Top();
    for (const int* s = spans.RowBegin(i); s != spans.RowEnd(i); s += 2) {
      int x0 = std::max(s[0], left), x1 = std::min(s[1], right);
      if (x0 >= x1) continue;
      if (paint.patterned)
        PaintPatternRun(row + x0, x0, x1, y, paint);
      else
        PaintRun(row + x0, x1 - x0, paint.fore);
    }
  }
}

}  // namespace gdi
