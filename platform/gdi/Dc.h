// CDC: a device context that draws into a 32-bit Cairo image surface, pixel-exact as GDI
// draws: no antialiasing, one-pixel lines without their end point, rectangles and ellipses
// filling [left, right) x [top, bottom), and binary raster operations applied bit by bit.
//
// A memory DC draws into the CBitmap selected into it; AttachSurface lets a DC draw into a
// surface owned elsewhere (a window's pixel buffer). Coordinates are logical; the device point
// is the logical point plus the viewport origin.
#pragma once

#include <memory>
#include <vector>

#include "platform/Geometry.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/KeptFigures.h"
#include "platform/gdi/Rgn.h"

class CString;
namespace gdi {
class TextFace;
struct TextLine;
}

class CDC : public CObject {
 public:
  CDC();
  ~CDC() override;
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;

  // --- target ---
  // A memory DC: draws nothing until a bitmap is selected into it.
  BOOL CreateCompatibleDC(CDC* dc);
  BOOL DeleteDC();
  // Draws into `surface` (an RGB24 or ARGB32 image surface), which the DC keeps a reference to.
  BOOL AttachSurface(cairo_surface_t* surface);
  cairo_surface_t* GetSurface() const { return state_.target.Get(); }
  HDC GetSafeHdc() const { return reinterpret_cast<HDC>(const_cast<CDC*>(this)); }
  static CDC* FromHandle(HDC handle) { return reinterpret_cast<CDC*>(handle); }
  BOOL IsPrinting() const { return m_bPrinting; }
  // Set by whoever draws into this DC for a picture of the content (WM_PRINTCLIENT, a
  // printer): marks such as selection frames are left out.
  BOOL m_bPrinting = FALSE;

  // --- objects and attributes ---
  CPen* SelectObject(CPen* pen);
  CBrush* SelectObject(CBrush* brush);
  CBitmap* SelectObject(CBitmap* bitmap);
  int SelectObject(CRgn* rgn) { return SelectClipRgn(rgn); }
  CGdiObject* SelectObject(CGdiObject* object);
  CGdiObject* SelectStockObject(int index);
  CPen* GetCurrentPen() const { return state_.penObject; }
  CBrush* GetCurrentBrush() const { return state_.brushObject; }
  CBitmap* GetCurrentBitmap() const { return state_.bitmapObject; }

  int SetROP2(int rop);
  int GetROP2() const { return state_.rop2; }
  int SetBkMode(int mode);
  int GetBkMode() const { return state_.bkMode; }
  COLORREF SetBkColor(COLORREF color);
  COLORREF GetBkColor() const { return state_.bkColor; }
  COLORREF SetTextColor(COLORREF color);
  COLORREF GetTextColor() const { return state_.textColor; }
  int SetPolyFillMode(int mode);
  int GetPolyFillMode() const { return state_.polyFillMode; }

  // Saves every attribute, selected object and the clip; returns the new level (1, 2, ...).
  int SaveDC();
  // Restores level `level`, or with a negative value that many levels back.
  BOOL RestoreDC(int level);

  // --- coordinates and clipping ---
  CPoint SetViewportOrg(int x, int y);
  CPoint SetViewportOrg(POINT p) { return SetViewportOrg(p.x, p.y); }
  CPoint OffsetViewportOrg(int dx, int dy);
  CPoint GetViewportOrg() const { return CPoint(state_.viewportOrg); }
  void LPtoDP(LPPOINT points, int count = 1) const;
  void DPtoLP(LPPOINT points, int count = 1) const;
  void LPtoDP(LPRECT rect) const;
  void DPtoLP(LPRECT rect) const;
  // The clip region is kept in device coordinates, as in GDI; NULL removes it.
  int SelectClipRgn(CRgn* rgn);
  int IntersectClipRect(int left, int top, int right, int bottom);
  int IntersectClipRect(LPCRECT rect) { return IntersectClipRect(rect->left, rect->top, rect->right, rect->bottom); }
  int ExcludeClipRect(int left, int top, int right, int bottom);
  // The visible part of the surface in logical coordinates.
  int GetClipBox(LPRECT rect) const;
  // Whether a figure whose pixels lie within `extent` (logical) is built whole and kept for the
  // paints that follow, rather than built only where the clip shows it (gdi::KeptFigures).
  bool KeepsFigure(const RECT& extent) const;

  // --- lines ---
  CPoint MoveTo(int x, int y);
  CPoint MoveTo(POINT p) { return MoveTo(p.x, p.y); }
  BOOL LineTo(int x, int y);
  BOOL LineTo(POINT p) { return LineTo(p.x, p.y); }
  CPoint GetCurrentPosition() const { return CPoint(state_.position); }
  BOOL Polyline(const POINT* points, int count);

  // --- filled shapes: brush inside, pen outline ---
  BOOL Rectangle(int left, int top, int right, int bottom);
  BOOL Rectangle(LPCRECT r) { return Rectangle(r->left, r->top, r->right, r->bottom); }
  BOOL Ellipse(int left, int top, int right, int bottom);
  BOOL Ellipse(LPCRECT r) { return Ellipse(r->left, r->top, r->right, r->bottom); }
  BOOL RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
  BOOL RoundRect(LPCRECT r, POINT corner) { return RoundRect(r->left, r->top, r->right, r->bottom, corner.x, corner.y); }
  BOOL Polygon(const POINT* points, int count);

  // --- fills without the pen ---
  void FillSolidRect(LPCRECT rect, COLORREF color);
  void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
  void FillRect(LPCRECT rect, CBrush* brush);
  BOOL FillRgn(CRgn* rgn, CBrush* brush);
  // FillRgn for a set of pixels in logical coordinates, without making a region of them.
  BOOL FillPixels(const gdi::SpanSet& pixels, CBrush* brush);
  BOOL PaintRgn(CRgn* rgn);
  void FrameRect(LPCRECT rect, CBrush* brush);
  void InvertRect(LPCRECT rect);

  // --- paths ---
  BOOL BeginPath();
  BOOL EndPath();
  BOOL AbortPath();
  BOOL CloseFigure();
  BOOL FillPath();
  BOOL StrokePath();
  BOOL StrokeAndFillPath();

  // --- pixels and blits ---
  COLORREF SetPixel(int x, int y, COLORREF color);
  COLORREF SetPixel(POINT p, COLORREF color) { return SetPixel(p.x, p.y, color); }
  COLORREF GetPixel(int x, int y) const;
  COLORREF GetPixel(POINT p) const { return GetPixel(p.x, p.y); }
  // SRCCOPY, SRCAND, SRCPAINT, SRCINVERT and any other raster operation of source and
  // destination (with the brush colour as pattern); BLACKNESS and WHITENESS need no source.
  BOOL BitBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, DWORD rop);
  // Nearest-pixel scaling of the source rectangle onto the destination rectangle.
  BOOL StretchBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, int srcWidth,
                  int srcHeight, DWORD rop);
  BOOL PatBlt(int x, int y, int width, int height, DWORD rop);

  // --- text (DcText.cpp): GBK text in the selected font, the text colour and, when the
  // background mode is OPAQUE, the background colour behind each line ---
  CFont* SelectObject(CFont* font);
  CFont* GetCurrentFont() const { return state_.fontObject; }
  // TA_LEFT, TA_CENTER or TA_RIGHT with TA_TOP, TA_BASELINE or TA_BOTTOM.
  UINT SetTextAlign(UINT align);
  UINT GetTextAlign() const { return state_.textAlign; }
  BOOL GetTextMetrics(LPTEXTMETRIC metrics) const;
  CSize GetTextExtent(LPCTSTR text, int count) const;
  CSize GetTextExtent(const CString& text) const;
  CSize GetOutputTextExtent(LPCTSTR text, int count) const { return GetTextExtent(text, count); }
  CSize GetOutputTextExtent(const CString& text) const { return GetTextExtent(text); }
  BOOL TextOut(int x, int y, LPCTSTR text, int count);
  BOOL TextOut(int x, int y, const CString& text);
  // Formats: DT_LEFT/CENTER/RIGHT, DT_TOP/VCENTER/BOTTOM (single line), DT_SINGLELINE,
  // DT_WORDBREAK, DT_EDITCONTROL, DT_EXPANDTABS, DT_EXTERNALLEADING, DT_NOPREFIX, DT_NOCLIP,
  // DT_CALCRECT. count -1: up to the terminating zero. Returns the text's height (with
  // DT_VCENTER or DT_BOTTOM the distance from the rectangle's top to the text's bottom).
  int DrawText(LPCTSTR text, int count, LPRECT rect, UINT format);
  int DrawText(const CString& text, LPRECT rect, UINT format);
  int DrawTextEx(LPTSTR text, int count, LPRECT rect, UINT format, LPDRAWTEXTPARAMS params);
  int DrawTextEx(const CString& text, LPRECT rect, UINT format, LPDRAWTEXTPARAMS params);

  BOOL WritePng(const char* path) const { return state_.target.WritePng(path); }

 private:
  struct State {
    gdi::SurfaceRef target;
    CBitmap* bitmapObject = nullptr;
    gdi::PenAttrs pen;
    CPen* penObject = nullptr;
    gdi::BrushAttrs brush;
    CBrush* brushObject = nullptr;
    int rop2 = R2_COPYPEN;
    int bkMode = OPAQUE;
    COLORREF bkColor = 0xFFFFFF;
    COLORREF textColor = 0;
    int polyFillMode = ALTERNATE;
    POINT viewportOrg{0, 0};
    POINT position{0, 0};  // logical
    std::shared_ptr<const gdi::SpanSet> clip;  // device coordinates; null: the whole surface
    bool clipIsRect = false;  // the clip is one rectangle: DeviceLimit() is all of it
    // The clip's rectangles when it is a few of them: each is painted on its own, without a
    // set operation per primitive.
    std::shared_ptr<const std::vector<RECT>> clipParts;
    CFont* fontObject = nullptr;
    LOGFONT font{};
    mutable std::shared_ptr<const gdi::TextFace> face;  // the font resolved, when first needed
    UINT textAlign = TA_LEFT | TA_TOP;
  };
  struct PathFigure {
    std::vector<POINT> points;  // device coordinates
    bool closed = false;
  };

  static State DefaultState();
  // Makes `clip` the clip region; its kind (NULLREGION, SIMPLEREGION or COMPLEXREGION).
  int SetClip(gdi::SpanSet clip);

  // Drawing helpers (DcDraw.cpp).
  gdi::Raster Target() const;
  // The surface's bounds cut to the clip's bounding box (device coordinates): figures are cut
  // to it before their pixels are built, so they cost what lies inside it.
  RECT DeviceLimit() const;
  gdi::DrawArea Area() const { return gdi::DrawArea{DeviceLimit(), state_.clipParts.get()}; }
  POINT ToDevice(int x, int y) const;
  std::vector<POINT> ToDevice(const POINT* points, int count) const;
  gdi::SpanSet DeviceRect(LPCRECT rect) const;
  gdi::Paint PenPaint() const;
  gdi::Paint BrushPaint(const gdi::BrushAttrs& brush, int rop2) const;
  void Paint(const gdi::SpanSet& s, const gdi::Paint& paint);
  void PaintBrush(const gdi::SpanSet& s, const gdi::BrushAttrs& brush, int rop2);
  void PaintLogical(const gdi::SpanSet& pixels, const gdi::BrushAttrs& brush);
  void ThinPolyline(const std::vector<POINT>& device, bool closed);
  // The pen's pixels along the points: kept ones, which may reach beyond the device limit
  // (painting cuts them), or those built into `local`.
  const gdi::SpanSet& PenPixels(const std::vector<POINT>& device, bool closed, gdi::SpanSet* local) const;
  // Draws the pen along the points; `wide` may hold PenPixels already computed.
  void StrokePolyline(const std::vector<POINT>& device, bool closed, const gdi::SpanSet* wide);
  gdi::SpanSet PenOutline(int kind, const RECT& box, int cornerWidth, int cornerHeight, const gdi::SpanSet& inside,
                          const RECT& limit) const;
  // A shape's pixels: the pen's outline and what the brush fills (empty without one); kept
  // ones, or those built into `local`.
  const std::vector<gdi::SpanSet>& ShapePixels(int kind, const RECT& box, int cornerWidth, int cornerHeight,
                                               bool styled, std::vector<gdi::SpanSet>* local) const;
  BOOL Shape(int kind, int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
  // Paths and blits (DcPath.cpp, DcBlit.cpp).
  BOOL FinishPath(bool stroke, bool fill);
  uint32_t PatternAt(int x, int y) const;
  // Text (DcText.cpp).
  const gdi::TextFace& Face() const;
  // Draws text[line] with its cell's top-left at logical (x, y); only inside `clip` (device
  // pixels) when it is given.
  void PaintTextLine(const char* text, const gdi::TextLine& line, int x, int y, int tabWidth, int underlineAt,
                     const gdi::SpanSet* clip);

  State state_;
  std::vector<State> saved_;
  bool recordingPath_ = false;
  bool pathReady_ = false;
  std::vector<PathFigure> path_;
};
