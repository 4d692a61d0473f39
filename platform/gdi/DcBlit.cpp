// CDC block transfers: BitBlt, StretchBlt and PatBlt with ternary raster operations.
#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/gdi/Dc.h"

namespace {

// A ternary raster operation's code is a truth table: bit (pattern * 4 + source * 2 + dest).
uint32_t Rop3(uint8_t code, uint32_t p, uint32_t s, uint32_t d) {
  switch (code) {
    case 0xCC: return s;
    case 0x88: return s & d;
    case 0xEE: return s | d;
    case 0x66: return s ^ d;
    case 0xF0: return p;
    case 0x5A: return p ^ d;
    case 0x55: return ~d;
    case 0x00: return 0;
    case 0xFF: return ~0u;
    default: break;
  }
  uint32_t r = 0;
  for (int i = 0; i < 8; ++i)
    if (code & (1u << i)) r |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
  return r;
}

bool UsesSource(uint8_t code) { return ((code >> 2) & 0x33) != (code & 0x33); }

bool UsesPattern(uint8_t code) { return ((code >> 4) & 0x0F) != (code & 0x0F); }

}  // namespace

uint32_t CDC::PatternAt(int x, int y) const {
  const gdi::BrushAttrs& b = state_.brush;
  if (b.style != BS_HATCHED) return gdi::ToPixel(b.color);
  gdi::Paint p = BrushPaint(b, R2_COPYPEN);
  return (p.pattern[y & 7] & (1u << (x & 7))) ? gdi::ToPixel(b.color) : gdi::ToPixel(state_.bkColor);
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, DWORD rop) {
  return StretchBlt(x, y, width, height, src, xSrc, ySrc, width, height, rop);
}

BOOL CDC::PatBlt(int x, int y, int width, int height, DWORD rop) {
  if (UsesSource((rop >> 16) & 0xFF)) return FALSE;
  return StretchBlt(x, y, width, height, nullptr, 0, 0, width, height, rop);
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, int srcWidth,
                     int srcHeight, DWORD rop) {
  uint8_t code = (rop >> 16) & 0xFF;
  gdi::Raster dst = Target();
  if (!dst.Valid() || width <= 0 || height <= 0) return FALSE;
  bool needsSource = UsesSource(code), needsPattern = UsesPattern(code);
  gdi::Raster from;
  POINT s0{0, 0};
  std::vector<uint32_t> snapshot;
  if (needsSource) {
    if (!src || srcWidth <= 0 || srcHeight <= 0) return FALSE;
    from = src->Target();
    if (!from.Valid()) return FALSE;
    s0 = src->ToDevice(xSrc, ySrc);
    if (from.pixels == dst.pixels) {  // blitting within one surface: read from a copy
      snapshot.assign(from.pixels, from.pixels + (size_t)from.stride * from.height);
      from.pixels = snapshot.data();
    }
  }
  POINT d0 = ToDevice(x, y);
  auto end = [](LONG from, int extent) { return (LONG)std::min<int64_t>(INT32_MAX, (int64_t)from + extent); };
  gdi::SpanSet area = gdi::SpanSet::FromRect(RECT{d0.x, d0.y, end(d0.x, width), end(d0.y, height)}, DeviceLimit());
  if (state_.clip && !state_.clipIsRect) area = gdi::SpanSet::Combine(area, *state_.clip, RGN_AND);
  bool plainCopy = code == 0xCC && srcWidth == width && srcHeight == height;
  area.ForEachRun([&](int yy, int x0, int x1) {
    uint32_t* row = &dst.At(0, yy);
    int64_t sy = needsSource ? s0.y + (2 * ((int64_t)yy - d0.y) + 1) * srcHeight / (2 * (int64_t)height) : 0;
    if (needsSource && (sy < 0 || sy >= from.height)) return;
    if (plainCopy) {
      int64_t shift = (int64_t)s0.x - d0.x;  // source x = destination x + shift
      int a = (int)std::max<int64_t>(x0, -shift), b = (int)std::min<int64_t>(x1, from.width - shift);
      if (a < b) std::memcpy(row + a, &from.At((int)(a + shift), (int)sy), (size_t)(b - a) * 4);
      return;
    }
    for (int xx = x0; xx < x1; ++xx) {
      uint32_t s = 0;
      if (needsSource) {
        int64_t sx = s0.x + (2 * ((int64_t)xx - d0.x) + 1) * srcWidth / (2 * (int64_t)width);
        if (sx < 0 || sx >= from.width) continue;
        s = from.At((int)sx, (int)sy);
      }
      uint32_t p = needsPattern ? PatternAt(xx, yy) : 0;
      row[xx] = Rop3(code, p, s, row[xx]) | 0xFF000000u;
    }
  });
  state_.target.MarkDirty();
  return TRUE;
}
