// CDC: the target surface, selected objects, attributes, saved states, coordinates and clip.
#include "platform/gdi/Dc.h"

#include <algorithm>

CDC::State CDC::DefaultState() {
  State s;
  s.penObject = static_cast<CPen*>(GetStockObject(BLACK_PEN));
  s.pen = s.penObject->Attrs();
  s.brushObject = static_cast<CBrush*>(GetStockObject(WHITE_BRUSH));
  s.brush = s.brushObject->Attrs();
  s.fontObject = static_cast<CFont*>(GetStockObject(SYSTEM_FONT));
  s.font = s.fontObject->Attrs();
  return s;
}

CDC::CDC() : state_(DefaultState()) {}

CDC::~CDC() = default;

BOOL CDC::CreateCompatibleDC(CDC* dc) {
  DeleteDC();
  return TRUE;
}

BOOL CDC::DeleteDC() {
  state_ = DefaultState();
  saved_.clear();
  path_.clear();
  recordingPath_ = pathReady_ = false;
  return TRUE;
}

BOOL CDC::AttachSurface(cairo_surface_t* surface) {
  gdi::SurfaceRef ref(surface);
  if (!ref.Pixels().Valid()) return FALSE;
  state_.target = ref;
  state_.bitmapObject = nullptr;
  return TRUE;
}

CPen* CDC::SelectObject(CPen* pen) {
  if (!pen || !pen->GetSafeHandle()) return nullptr;
  CPen* previous = state_.penObject;
  state_.penObject = pen;
  state_.pen = pen->Attrs();
  return previous;
}

CBrush* CDC::SelectObject(CBrush* brush) {
  if (!brush || !brush->GetSafeHandle()) return nullptr;
  CBrush* previous = state_.brushObject;
  state_.brushObject = brush;
  state_.brush = brush->Attrs();
  return previous;
}

CBitmap* CDC::SelectObject(CBitmap* bitmap) {
  if (!bitmap || !bitmap->GetSafeHandle()) return nullptr;
  CBitmap* previous = state_.bitmapObject;
  state_.bitmapObject = bitmap;
  state_.target = bitmap->Surface();
  return previous;
}

CGdiObject* CDC::SelectObject(CGdiObject* object) {
  if (auto* pen = dynamic_cast<CPen*>(object)) return SelectObject(pen);
  if (auto* brush = dynamic_cast<CBrush*>(object)) return SelectObject(brush);
  if (auto* bitmap = dynamic_cast<CBitmap*>(object)) return SelectObject(bitmap);
  if (auto* font = dynamic_cast<CFont*>(object)) return SelectObject(font);
  return nullptr;
}

CGdiObject* CDC::SelectStockObject(int index) { return SelectObject(GetStockObject(index)); }

int CDC::SetROP2(int rop) {
  int previous = state_.rop2;
  if (rop >= R2_BLACK && rop <= R2_WHITE) state_.rop2 = rop;
  return previous;
}

int CDC::SetBkMode(int mode) {
  int previous = state_.bkMode;
  if (mode == TRANSPARENT || mode == OPAQUE) state_.bkMode = mode;
  return previous;
}

COLORREF CDC::SetBkColor(COLORREF color) {
  COLORREF previous = state_.bkColor;
  state_.bkColor = color & 0x00FFFFFFu;
  return previous;
}

COLORREF CDC::SetTextColor(COLORREF color) {
  COLORREF previous = state_.textColor;
  state_.textColor = color & 0x00FFFFFFu;
  return previous;
}

int CDC::SetPolyFillMode(int mode) {
  int previous = state_.polyFillMode;
  if (mode == ALTERNATE || mode == WINDING) state_.polyFillMode = mode;
  return previous;
}

int CDC::SaveDC() {
  saved_.push_back(state_);
  return (int)saved_.size();
}

BOOL CDC::RestoreDC(int level) {
  int index = level < 0 ? (int)saved_.size() + level : level - 1;
  if (level == 0 || index < 0 || index >= (int)saved_.size()) return FALSE;
  state_ = saved_[index];
  saved_.resize(index);
  return TRUE;
}

CPoint CDC::SetViewportOrg(int x, int y) {
  CPoint previous(state_.viewportOrg);
  state_.viewportOrg = POINT{x, y};
  return previous;
}

CPoint CDC::OffsetViewportOrg(int dx, int dy) {
  return SetViewportOrg(state_.viewportOrg.x + dx, state_.viewportOrg.y + dy);
}

namespace {

// Coordinates saturate instead of wrapping when an origin pushes them past the 32-bit range.
LONG Shift(LONG v, LONG by) {
  int64_t r = (int64_t)v + by;
  return (LONG)std::max<int64_t>(INT32_MIN, std::min<int64_t>(INT32_MAX, r));
}

}  // namespace

void CDC::LPtoDP(LPPOINT points, int count) const {
  for (int i = 0; points && i < count; ++i)
    points[i] = POINT{Shift(points[i].x, state_.viewportOrg.x), Shift(points[i].y, state_.viewportOrg.y)};
}

void CDC::DPtoLP(LPPOINT points, int count) const {
  for (int i = 0; points && i < count; ++i)
    points[i] = POINT{Shift(points[i].x, -state_.viewportOrg.x), Shift(points[i].y, -state_.viewportOrg.y)};
}

void CDC::LPtoDP(LPRECT rect) const { LPtoDP(reinterpret_cast<LPPOINT>(rect), 2); }
void CDC::DPtoLP(LPRECT rect) const { DPtoLP(reinterpret_cast<LPPOINT>(rect), 2); }

namespace {

int RegionKind(const gdi::SpanSet& s) {
  if (s.IsEmpty()) return NULLREGION;
  return s.IsRectangle() ? SIMPLEREGION : COMPLEXREGION;
}

}  // namespace

int CDC::SetClip(gdi::SpanSet clip) {
  const size_t kFewParts = 32;
  state_.clipIsRect = clip.IsRectangle();
  state_.clipParts.reset();
  if (!state_.clipIsRect && !clip.IsEmpty()) {
    std::vector<RECT> parts = clip.Rectangles();
    if (parts.size() <= kFewParts) state_.clipParts = std::make_shared<const std::vector<RECT>>(std::move(parts));
  }
  state_.clip = std::make_shared<const gdi::SpanSet>(std::move(clip));
  return RegionKind(*state_.clip);
}

int CDC::SelectClipRgn(CRgn* rgn) {
  if (!rgn) {
    state_.clip.reset();
    state_.clipIsRect = false;
    state_.clipParts.reset();
    return SIMPLEREGION;
  }
  return SetClip(rgn->Pixels());
}

int CDC::IntersectClipRect(int left, int top, int right, int bottom) {
  RECT r{left, top, right, bottom};
  LPtoDP(&r);
  gdi::SpanSet rect = gdi::SpanSet::FromRect(r);
  return SetClip(state_.clip ? gdi::SpanSet::Combine(*state_.clip, rect, RGN_AND) : rect);
}

int CDC::ExcludeClipRect(int left, int top, int right, int bottom) {
  RECT r{left, top, right, bottom};
  LPtoDP(&r);
  gdi::SpanSet all = state_.clip ? *state_.clip : gdi::SpanSet::FromRect(state_.target.Pixels().Bounds());
  return SetClip(gdi::SpanSet::Combine(all, gdi::SpanSet::FromRect(r), RGN_DIFF));
}

bool CDC::KeepsFigure(const RECT& extent) const {
  RECT device = extent;
  LPtoDP(&device);
  return gdi::KeptFigures::Keeps(device, Area());
}

int CDC::GetClipBox(LPRECT rect) const {
  if (!rect) return RGN_ERROR;
  int kind = SIMPLEREGION;
  RECT surface{0, 0, state_.target.Width(), state_.target.Height()};
  RECT bounds = state_.clip ? state_.clip->Bounds() : surface;
  bool withinSurface = bounds.left >= surface.left && bounds.top >= surface.top && bounds.right <= surface.right &&
                       bounds.bottom <= surface.bottom;
  if (!state_.clip || state_.clipIsRect) {
    *rect = DeviceLimit();  // no set to build: the visible part is one rectangle
    if (rect->left >= rect->right || rect->top >= rect->bottom) kind = NULLREGION, *rect = RECT{0, 0, 0, 0};
  } else if (withinSurface) {  // the surface cuts nothing: the clip is what is visible
    *rect = bounds;
    kind = state_.clip->IsEmpty() ? NULLREGION : COMPLEXREGION;
  } else {
    gdi::SpanSet surface = gdi::SpanSet::FromRect(state_.target.Pixels().Bounds());
    gdi::SpanSet visible = gdi::SpanSet::Combine(surface, *state_.clip, RGN_AND);
    *rect = visible.Bounds();
    kind = RegionKind(visible);
  }
  if (kind != NULLREGION) DPtoLP(rect);
  return kind;
}
