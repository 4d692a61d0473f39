// The module's bitmap resources: res/ registers each bitmap id with a function that draws (or
// reads) its pixels, and CBitmap::LoadBitmap makes a fresh copy of them.
#pragma once

#include <functional>

#include "platform/gdi/Surface.h"

namespace platform {

using BitmapMaker = std::function<gdi::SurfaceRef()>;

// Registers (or replaces) bitmap `id`.
void RegisterBitmapResource(UINT id, BitmapMaker make);
// A new surface holding bitmap `id`; empty when the id is not registered or drawing failed.
gdi::SurfaceRef LoadBitmapResource(UINT id);

}  // namespace platform
