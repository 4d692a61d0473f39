#include "platform/gdi/BitmapResources.h"

#include <cstring>
#include <map>

#include "platform/gdi/GdiObjects.h"

namespace platform {
namespace {

std::map<UINT, BitmapMaker>& Makers() {
  static auto* makers = new std::map<UINT, BitmapMaker>;
  return *makers;
}

// A private copy, so that drawing into a loaded bitmap never changes the maker's surface.
gdi::SurfaceRef Copy(const gdi::SurfaceRef& from) {
  gdi::Raster src = from.Pixels();
  if (!src.Valid()) return gdi::SurfaceRef();
  gdi::SurfaceRef to = gdi::SurfaceRef::CreateRgb(src.width, src.height);
  gdi::Raster dst = to.Pixels();
  if (!dst.Valid()) return gdi::SurfaceRef();
  for (int y = 0; y < src.height; ++y) memcpy(&dst.At(0, y), &src.At(0, y), (size_t)src.width * 4);
  to.MarkDirty();
  return to;
}

}  // namespace

void RegisterBitmapResource(UINT id, BitmapMaker make) { Makers()[id] = std::move(make); }

gdi::SurfaceRef LoadBitmapResource(UINT id) {
  auto it = Makers().find(id);
  if (it == Makers().end() || !it->second) return gdi::SurfaceRef();
  return Copy(it->second());
}

}  // namespace platform

BOOL CBitmap::LoadBitmap(UINT id) {
  if (created_) return FALSE;
  gdi::SurfaceRef s = platform::LoadBitmapResource(id);
  if (!s) return FALSE;
  surface_ = s;
  created_ = true;
  return TRUE;
}

BOOL CBitmap::LoadBitmap(LPCTSTR name) {
  // Only numeric resource names (MAKEINTRESOURCE) exist here.
  uintptr_t id = (uintptr_t)name;
  return id >> 16 ? FALSE : LoadBitmap((UINT)id);
}
