// A shared reference to a Cairo image surface, the pixel store that bitmaps own and device
// contexts draw into; a window can own one and let a DC draw into it the same way.
#pragma once

#include <cairo.h>

#include "platform/Win32Types.h"
#include "platform/gdi/Raster.h"

namespace gdi {

class SurfaceRef {
 public:
  SurfaceRef() = default;
  // Takes a new reference to `s` (NULL allowed).
  explicit SurfaceRef(cairo_surface_t* s);
  SurfaceRef(const SurfaceRef& o) : SurfaceRef(o.surface_) {}
  SurfaceRef& operator=(const SurfaceRef& o);
  ~SurfaceRef();

  // A new white opaque RGB24 surface; an empty reference when the size is not positive or
  // memory runs out.
  static SurfaceRef CreateRgb(int width, int height);

  cairo_surface_t* Get() const { return surface_; }
  explicit operator bool() const { return surface_ != nullptr; }
  int Width() const;
  int Height() const;
  // The pixels for direct access; call MarkDirty after writing them.
  Raster Pixels() const;
  void MarkDirty() const;

  // CLR_INVALID outside the surface.
  COLORREF GetPixel(int x, int y) const;
  BOOL WritePng(const char* path) const;

 private:
  cairo_surface_t* surface_ = nullptr;
};

}  // namespace gdi
