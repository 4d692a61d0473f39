#include "platform/gdi/Surface.h"

#include <algorithm>

#include "platform/gdi/GdiTypes.h"

namespace gdi {

SurfaceRef::SurfaceRef(cairo_surface_t* s) : surface_(s ? cairo_surface_reference(s) : nullptr) {}

SurfaceRef& SurfaceRef::operator=(const SurfaceRef& o) {
  if (o.surface_) cairo_surface_reference(o.surface_);
  if (surface_) cairo_surface_destroy(surface_);
  surface_ = o.surface_;
  return *this;
}

SurfaceRef::~SurfaceRef() {
  if (surface_) cairo_surface_destroy(surface_);
}

SurfaceRef SurfaceRef::CreateRgb(int width, int height) {
  if (width <= 0 || height <= 0) return SurfaceRef();
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(s);
    return SurfaceRef();
  }
  SurfaceRef ref(s);
  cairo_surface_destroy(s);  // `ref` holds the only reference now
  Raster r = ref.Pixels();
  for (int y = 0; y < r.height; ++y) std::fill(&r.At(0, y), &r.At(0, y) + r.width, 0xFFFFFFFFu);
  ref.MarkDirty();
  return ref;
}

int SurfaceRef::Width() const { return surface_ ? cairo_image_surface_get_width(surface_) : 0; }
int SurfaceRef::Height() const { return surface_ ? cairo_image_surface_get_height(surface_) : 0; }

Raster SurfaceRef::Pixels() const {
  Raster r;
  if (!surface_ || cairo_surface_get_type(surface_) != CAIRO_SURFACE_TYPE_IMAGE) return r;
  cairo_format_t f = cairo_image_surface_get_format(surface_);
  if (f != CAIRO_FORMAT_RGB24 && f != CAIRO_FORMAT_ARGB32) return r;
  cairo_surface_flush(surface_);
  r.pixels = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(surface_));
  r.stride = cairo_image_surface_get_stride(surface_) / 4;
  r.width = Width();
  r.height = Height();
  return r;
}

void SurfaceRef::MarkDirty() const {
  if (surface_) cairo_surface_mark_dirty(surface_);
}

COLORREF SurfaceRef::GetPixel(int x, int y) const {
  Raster r = Pixels();
  if (!r.Valid() || !r.Inside(x, y)) return CLR_INVALID;
  return ToColorRef(r.At(x, y));
}

BOOL SurfaceRef::WritePng(const char* path) const {
  if (!surface_ || !path) return FALSE;
  return cairo_surface_write_to_png(surface_, path) == CAIRO_STATUS_SUCCESS;
}

}  // namespace gdi
