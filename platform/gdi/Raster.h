// Direct pixel access to a 32-bit Cairo image surface (RGB24 or ARGB32, always written opaque)
// and the bitwise raster operations that GDI applies when it puts a pen or brush colour on it.
#pragma once

#include <cstdint>

#include "platform/Win32Types.h"
#include "platform/gdi/SpanSet.h"

namespace gdi {

// Cairo keeps a pixel as a native 32-bit word 0xAARRGGBB; COLORREF is 0x00BBGGRR.
inline uint32_t ToPixel(COLORREF c) {
  return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}
inline COLORREF ToColorRef(uint32_t p) { return ((p >> 16) & 0xFFu) | (p & 0xFF00u) | ((p & 0xFFu) << 16); }

// A colour combined with the destination by a binary raster operation, reduced per bit to
// "keep the destination bit or not, then flip it or not": result = (dst & keep) ^ flip.
struct Ink {
  uint32_t keep;
  uint32_t flip;
  static Ink Make(COLORREF color, int rop2);
  bool LeavesDestination() const { return keep == 0x00FFFFFFu && flip == 0; }
  uint32_t On(uint32_t dst) const { return ((dst & keep) ^ flip) | 0xFF000000u; }
};

// What paints a set of pixels: one ink, or an 8 x 8 pattern (anchored at device 0,0) of a
// foreground ink and, when `opaqueBack`, a background ink for the pattern's clear pixels.
struct Paint {
  Ink fore{0, 0};
  Ink back{0, 0};
  bool patterned = false;
  bool opaqueBack = false;
  uint8_t pattern[8] = {};  // bit (x & 7) of row (y & 7) set: foreground
};

// The pixels of a surface: rows of `stride` words.
struct Raster {
  uint32_t* pixels = nullptr;
  int stride = 0;
  int width = 0;
  int height = 0;

  bool Valid() const { return pixels != nullptr; }
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  uint32_t& At(int x, int y) const { return pixels[(size_t)y * stride + x]; }
  RECT Bounds() const { return RECT{0, 0, width, height}; }
};

// Paints every pixel of `spans` that lies inside `clip` (device coordinates).
void PaintSpans(const Raster& r, const SpanSet& spans, const Paint& paint, const RECT& clip);

}  // namespace gdi
