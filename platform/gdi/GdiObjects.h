// Drawing objects: pens, brushes and bitmaps, and the stock objects. A device context copies
// a pen's or brush's attributes when it is selected, so deleting a selected object is safe.
#pragma once

#include "platform/Geometry.h"
#include "platform/Object.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/Surface.h"

namespace gdi {

struct PenAttrs {
  int style = PS_SOLID;
  int width = 1;  // 0 draws as 1
  COLORREF color = 0;
  bool IsNull() const { return style == PS_NULL; }
  bool IsThin() const { return width <= 1; }
};

struct BrushAttrs {
  int style = BS_SOLID;
  COLORREF color = 0xFFFFFF;
  int hatch = HS_HORIZONTAL;
  bool IsNull() const { return style == BS_NULL; }
};

}  // namespace gdi

class CGdiObject : public CObject {
 public:
  ~CGdiObject() override = default;
  // Drops the object's contents; FALSE when it held none or is a stock object.
  BOOL DeleteObject();
  // Makes this object a copy of stock object `index`; FALSE when the kinds differ.
  virtual BOOL CreateStockObject(int index);
  // Non-null once the object holds something (MFC's handle test).
  const void* GetSafeHandle() const { return created_ ? this : nullptr; }

 protected:
  CGdiObject() = default;
  virtual void Reset() {}
  bool created_ = false;
  bool stock_ = false;
  friend CGdiObject* GetStockObject(int index);
};

class CPen : public CGdiObject {
 public:
  CPen() = default;
  CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
  BOOL CreatePen(int style, int width, COLORREF color);
  BOOL CreatePenIndirect(const LOGPEN* log);
  int GetLogPen(LOGPEN* log) const;
  BOOL CreateStockObject(int index) override;
  const gdi::PenAttrs& Attrs() const { return attrs_; }

 private:
  void Reset() override { attrs_ = gdi::PenAttrs(); }
  gdi::PenAttrs attrs_;
};

class CBrush : public CGdiObject {
 public:
  CBrush() = default;
  explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
  CBrush(int hatch, COLORREF color) { CreateHatchBrush(hatch, color); }
  BOOL CreateSolidBrush(COLORREF color);
  BOOL CreateHatchBrush(int hatch, COLORREF color);
  BOOL CreateBrushIndirect(const LOGBRUSH* log);
  int GetLogBrush(LOGBRUSH* log) const;
  BOOL CreateStockObject(int index) override;
  const gdi::BrushAttrs& Attrs() const { return attrs_; }
  operator HBRUSH() const { return created_ ? reinterpret_cast<HBRUSH>(const_cast<CBrush*>(this)) : nullptr; }
  static CBrush* FromHandle(HBRUSH handle) { return reinterpret_cast<CBrush*>(handle); }

 private:
  void Reset() override { attrs_ = gdi::BrushAttrs(); }
  gdi::BrushAttrs attrs_;
};

struct BITMAP {
  LONG bmType;
  LONG bmWidth;
  LONG bmHeight;
  LONG bmWidthBytes;
  WORD bmPlanes;
  WORD bmBitsPixel;
  LPVOID bmBits;
};

class CDC;

// A bitmap owns (a reference to) a 32-bit Cairo image surface; new bitmaps are white.
class CBitmap : public CGdiObject {
 public:
  CBitmap() = default;
  BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
  // Shares a surface owned elsewhere (a window's pixel buffer, an image decoder's output).
  BOOL AttachSurface(cairo_surface_t* surface);
  // A copy of a registered bitmap resource (platform/gdi/BitmapResources.h); FALSE when the id
  // is unknown or this bitmap already holds one.
  BOOL LoadBitmap(UINT id);
  BOOL LoadBitmap(LPCTSTR name);
  int GetBitmap(BITMAP* bm) const;
  CSize GetSize() const { return CSize(surface_.Width(), surface_.Height()); }
  const gdi::SurfaceRef& Surface() const { return surface_; }
  BOOL WritePng(const char* path) const { return surface_.WritePng(path); }

 private:
  void Reset() override { surface_ = gdi::SurfaceRef(); }
  gdi::SurfaceRef surface_;
};

CGdiObject* GetStockObject(int index);
