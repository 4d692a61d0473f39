#include "platform/gdi/GdiObjects.h"

#include "platform/gdi/Font.h"

BOOL CGdiObject::DeleteObject() {
  if (!created_ || stock_) return FALSE;
  Reset();
  created_ = false;
  return TRUE;
}

BOOL CGdiObject::CreateStockObject(int index) { return FALSE; }

BOOL CPen::CreatePen(int style, int width, COLORREF color) {
  if (style < PS_SOLID || style > PS_INSIDEFRAME) return FALSE;
  attrs_ = gdi::PenAttrs{style, width < 1 ? 1 : width, color & 0x00FFFFFFu};
  created_ = true;
  return TRUE;
}

BOOL CPen::CreatePenIndirect(const LOGPEN* log) {
  return log ? CreatePen((int)log->lopnStyle, log->lopnWidth.x, log->lopnColor) : FALSE;
}

int CPen::GetLogPen(LOGPEN* log) const {
  if (!log || !created_) return 0;
  *log = LOGPEN{(UINT)attrs_.style, POINT{attrs_.width, 0}, attrs_.color};
  return (int)sizeof(LOGPEN);
}

BOOL CPen::CreateStockObject(int index) {
  auto* stock = dynamic_cast<CPen*>(GetStockObject(index));
  if (!stock) return FALSE;
  attrs_ = stock->attrs_;
  created_ = true;
  return TRUE;
}

BOOL CBrush::CreateSolidBrush(COLORREF color) {
  attrs_ = gdi::BrushAttrs{BS_SOLID, color & 0x00FFFFFFu, HS_HORIZONTAL};
  created_ = true;
  return TRUE;
}

BOOL CBrush::CreateHatchBrush(int hatch, COLORREF color) {
  if (hatch < HS_HORIZONTAL || hatch > HS_DIAGCROSS) return FALSE;
  attrs_ = gdi::BrushAttrs{BS_HATCHED, color & 0x00FFFFFFu, hatch};
  created_ = true;
  return TRUE;
}

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* log) {
  if (!log) return FALSE;
  switch (log->lbStyle) {
    case BS_SOLID: return CreateSolidBrush(log->lbColor);
    case BS_HATCHED: return CreateHatchBrush((int)log->lbHatch, log->lbColor);
    case BS_NULL:
      attrs_ = gdi::BrushAttrs{BS_NULL, 0, HS_HORIZONTAL};
      created_ = true;
      return TRUE;
    default: return FALSE;
  }
}

int CBrush::GetLogBrush(LOGBRUSH* log) const {
  if (!log || !created_) return 0;
  *log = LOGBRUSH{(UINT)attrs_.style, attrs_.color, (uintptr_t)attrs_.hatch};
  return (int)sizeof(LOGBRUSH);
}

BOOL CBrush::CreateStockObject(int index) {
  auto* stock = dynamic_cast<CBrush*>(GetStockObject(index));
  if (!stock) return FALSE;
  attrs_ = stock->attrs_;
  created_ = true;
  return TRUE;
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height) {
  gdi::SurfaceRef s = gdi::SurfaceRef::CreateRgb(width, height);
  if (!s) return FALSE;
  surface_ = s;
  created_ = true;
  return TRUE;
}

BOOL CBitmap::AttachSurface(cairo_surface_t* surface) {
  gdi::SurfaceRef s(surface);
  if (!s.Pixels().Valid()) return FALSE;
  surface_ = s;
  created_ = true;
  return TRUE;
}

int CBitmap::GetBitmap(BITMAP* bm) const {
  if (!bm || !created_) return 0;
  gdi::Raster r = surface_.Pixels();
  *bm = BITMAP{0, r.width, r.height, r.stride * 4, 1, 32, r.pixels};
  return (int)sizeof(BITMAP);
}

CGdiObject* GetStockObject(int index) {
  static CBrush brushes[] = {CBrush(RGB(255, 255, 255)), CBrush(RGB(192, 192, 192)), CBrush(RGB(128, 128, 128)),
                             CBrush(RGB(64, 64, 64)), CBrush(RGB(0, 0, 0))};
  static CBrush nullBrush = [] {
    CBrush b;
    LOGBRUSH log{BS_NULL, 0, 0};
    b.CreateBrushIndirect(&log);
    return b;
  }();
  static CPen pens[] = {CPen(PS_SOLID, 1, RGB(255, 255, 255)), CPen(PS_SOLID, 1, RGB(0, 0, 0)),
                        CPen(PS_NULL, 1, 0)};
  static bool marked = [] {
    for (auto& b : brushes) b.stock_ = true;
    for (auto& p : pens) p.stock_ = true;
    nullBrush.stock_ = true;
    return true;
  }();
  (void)marked;
  if (index >= WHITE_BRUSH && index <= BLACK_BRUSH) return &brushes[index];
  if (index == NULL_BRUSH) return &nullBrush;
  if (index >= WHITE_PEN && index <= NULL_PEN) return &pens[index - WHITE_PEN];
  return GetStockFont(index);
}
