#include "platform/gdiplus/GpDraw.h"

#include <algorithm>
#include <climits>

#include "platform/gdi/Dc.h"
#include "platform/gdi/Surface.h"

namespace Gdiplus {
namespace {

struct Mapping {
  int x, y, width, height;  // destination, logical
  int srcX, srcY, srcWidth, srcHeight;

  // The source pixel whose centre maps nearest to the centre of destination pixel (px, py).
  long long SourceX(int px) const { return srcX + (2LL * (px - x) + 1) * srcWidth / (2LL * width); }
  long long SourceY(int py) const { return srcY + (2LL * (py - y) + 1) * srcHeight / (2LL * height); }
  RECT Dest() const {
    return RECT{x, y, (LONG)std::min<long long>(INT_MAX, (long long)x + width),
                (LONG)std::min<long long>(INT_MAX, (long long)y + height)};
  }
};

uint32_t Blend(const BYTE* rgba, int channels, uint32_t under) {
  uint32_t alpha = channels == 4 ? rgba[3] : 255;
  uint32_t out = 0xFF000000u;
  for (int shift = 16, i = 0; i < 3; shift -= 8, ++i) {
    uint32_t below = (under >> shift) & 0xFF;
    uint32_t mixed = (rgba[i] * alpha + below * (255 - alpha) + 127) / 255;
    out |= mixed << shift;
  }
  return out;
}

// Blends the picture into `area` (its top left at logical `origin`), which holds what the
// destination showed there.
void Compose(const GpImage& image, const Mapping& map, POINT origin, const gdi::Raster& area) {
  for (int row = 0; row < area.height; ++row) {
    long long sy = map.SourceY(origin.y + row);
    if (sy < 0 || sy >= image.height) continue;
    for (int column = 0; column < area.width; ++column) {
      long long sx = map.SourceX(origin.x + column);
      if (sx < 0 || sx >= image.width) continue;
      const BYTE* px = image.pixels.data() + ((size_t)sy * image.width + sx) * image.channels;
      area.At(column, row) = Blend(px, image.channels, area.At(column, row));
    }
  }
}

}  // namespace

Status GdipDrawImageRectRect(CDC* dc, const GpImage* image, int x, int y, int width, int height, int srcX,
                             int srcY, int srcWidth, int srcHeight) {
  if (!dc || !image) return InvalidParameter;
  if (width <= 0 || height <= 0 || srcWidth <= 0 || srcHeight <= 0) return Ok;
  Mapping map{x, y, width, height, srcX, srcY, srcWidth, srcHeight};
  // Only the visible part is composed: a huge destination costs no more than the surface.
  RECT visible, dest = map.Dest();
  CRect area;
  if (dc->GetClipBox(&visible) == RGN_ERROR || !area.IntersectRect(&visible, &dest)) return Ok;
  int areaWidth = area.Width(), areaHeight = area.Height();
  gdi::SurfaceRef scratch = gdi::SurfaceRef::CreateRgb(areaWidth, areaHeight);
  CDC scratchDc;
  if (!scratch || !scratchDc.AttachSurface(scratch.Get())) return OutOfMemory;
  scratchDc.BitBlt(0, 0, areaWidth, areaHeight, dc, area.left, area.top, SRCCOPY);
  Compose(*image, map, POINT{area.left, area.top}, scratch.Pixels());
  scratch.MarkDirty();
  dc->BitBlt(area.left, area.top, areaWidth, areaHeight, &scratchDc, 0, 0, SRCCOPY);
  return Ok;
}

}  // namespace Gdiplus
