// Drawing gestures: the tools' presses, moves and releases, the rubber band, auto-scroll and
// the move-page tool.
#include <algorithm>
#include <cstdlib>

#include "common/ModuleLog.h"
#include "platform/gdi/Dc.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/WindowSurface.h"
#include "whiteboard/model/GestureShared.h"
#include "whiteboard/model/StrokeFreeLine.h"
#include "whiteboard/model/StrokeHandPointer.h"
#include "whiteboard/model/StrokeLaser.h"
#include "whiteboard/model/StrokePage.h"
#include "whiteboard/model/StrokeRoundRect.h"
#include "whiteboard/model/StrokeText.h"
#include "whiteboard/model/WbShared.h"
#include "whiteboard/surface/DrawSurface.h"

namespace {

const int kMinGesture = 5;   // a drag of at most 4 pixels on an axis is dropped
const int kBorderBand = 5;   // auto-scroll band along the client edges
const int kAutoScrollStep = 10;
const COLORREF kBandColor = RGB(70, 70, 70);

void SetToolCursor(LPCTSTR id) { SetCursor(LoadCursor(nullptr, id)); }

}  // namespace

// What the surface does with the object of each tool that draws one (the kind of object, its
// class, word, colour and rubber band are the model's, StrokeKindOfTool): the record that
// announces it, and how the gesture gives its geometry.
struct CDrawSurface::ShapeTool {
  int tool;
  UINT (CDrawSurface::*send)();  // NULL: the object is announced elsewhere (a text, when typed)
  BOOL normalise;                // FALSE: kept in drag direction
  BOOL byDrag;                   // FALSE: built from gathered points
  const StrokeKind& Kind() const { return *StrokeKindOfTool(tool); }
};

const CDrawSurface::ShapeTool* CDrawSurface::FindShapeTool(int tool) {
  static const ShapeTool kTools[] = {
      {kToolLine, &CDrawSurface::SendNewLine, FALSE, TRUE},
      {kToolEllipse, &CDrawSurface::SendNewEllipse, TRUE, TRUE},
      {kToolRectangle, &CDrawSurface::SendNewRectangle, TRUE, TRUE},
      {kToolSolidEllipse, &CDrawSurface::SendNewSolidEllipse, TRUE, TRUE},
      {kToolSolidRectangle, &CDrawSurface::SendNewSolidRectangle, TRUE, TRUE},
      {kToolTriangle, &CDrawSurface::SendNewTriangle, FALSE, TRUE},
      {kToolCircle, &CDrawSurface::SendNewCircle, TRUE, TRUE},
      {kToolTrapezia, &CDrawSurface::SendNewTrapezia, FALSE, TRUE},
      {kToolRoundRect, &CDrawSurface::SendNewRoundRect, TRUE, TRUE},
      {kToolText, nullptr, FALSE, TRUE},
      {kToolPen, &CDrawSurface::SendNewFreeLine, FALSE, FALSE},
      {kToolHighlighter, &CDrawSurface::SendNewFluorescence, FALSE, FALSE},
      {kToolPolyline, &CDrawSurface::SendNewPolyline, FALSE, FALSE},
      {kToolPolygon, &CDrawSurface::SendNewPolygon, FALSE, FALSE},
  };
  for (const ShapeTool& entry : kTools)
    if (entry.tool == tool) return &entry;
  return nullptr;
}

// ---- Coordinates ----

CPoint CDrawSurface::ToDocument(POINT client) const { return CPoint(client.x + m_ptOrigin.x, client.y + m_ptOrigin.y); }

RECT CDrawSurface::ToClient(RECT document) const {
  CRect r(document);
  r.OffsetRect(-m_ptOrigin.x, -m_ptOrigin.y);
  return r;
}

void CDrawSurface::InvalidateDocRect(RECT document, int grow) {
  CRect r(ToClient(document));
  r.NormalizeRect();
  r.InflateRect(grow, grow);
  InvalidateRect(&r, FALSE);
}

BOOL CDrawSurface::HoldsCapture() { return m_hWnd && ::GetCapture() == m_hWnd; }

// ---- Button press ----

void CDrawSurface::OnLButtonDown(UINT, CPoint point) {
  SetFocus();
  if (!m_pCurPage) return;
  if (m_listPages.IsEmpty()) {
    m_bGestureValid = FALSE;
    return;
  }
  m_bGestureValid = TRUE;
  if (m_pEdit) EndTextEdit();
  // A polyline or polygon holds the mouse from its first click to its last: a click without
  // the capture starts one, from this point alone.
  const bool startsPointList = !HoldsCapture();
  SetCapture();
  CPoint doc = ToDocument(point);
  m_ptDown = m_ptLast = m_ptStart = doc;
  m_ptCur = m_ptBandStart = m_ptBandPrev = point;
  m_pStrokeTemp = nullptr;
  const ShapeTool* shape = FindShapeTool(m_nTool);
  if (shape) SetToolCursor(IDC_CROSS);
  switch (m_nTool) {
    case kToolPen:
    case kToolHighlighter:
      ForgetGesturePoints();
      m_arPoints.Add(doc);
      g_arGesturePoints.Add(doc);
      break;
    case kToolTriangle:
    case kToolTrapezia: m_arPoints.RemoveAll(); break;
    case kToolPolyline:
      if (startsPointList) ForgetGesturePoints();
      m_arPoints.Add(doc);
      g_arGesturePoints.Add(doc);
      break;
    case kToolPolygon:
      if (startsPointList) ForgetGesturePoints();
      PressPolygon(doc);
      break;
    case kToolLaser: SetToolCursor(MAKEINTRESOURCE(IDC_WB_LASER)); break;
    case kToolMovePage:
      SetToolCursor(MAKEINTRESOURCE(IDC_WB_PANNING));
      m_ptPanAnchor = point;
      break;
    case kToolSelect: PressSelect(point, doc); break;
    default: break;
  }
}

void CDrawSurface::PressPolygon(CPoint doc) {
  if (m_bPolygonStart) {
    m_ptDown = m_ptLast = doc;
    m_rcPolygonClose = {doc.x - 5, doc.y - 5, doc.x + 5, doc.y + 5};
    m_bPolygonStart = FALSE;
  }
  m_arPoints.Add(doc);
  g_arGesturePoints.Add(doc);
  if (!CRect(m_rcPolygonClose).PtInRect(doc) || m_arPoints.GetSize() <= 1) return;
  ReleaseCapture();
  if (PointsBigEnough()) {
    FinishPointList(kToolPolygon);
    return;
  }
  // Too small to keep: the next click starts a polygon of its own, without these points.
  ForgetGesturePoints();
  Invalidate(FALSE);
}

// ---- Mouse move ----

void CDrawSurface::OnMouseMove(UINT, CPoint point) {
  if (m_nTool == kToolSelect) {
    if (m_pCurPage && !m_pCurPage->m_listStroke.IsEmpty() && m_pSelected && m_pSelected->m_bSelected) {
      m_tracker.m_rect = ToClient(m_pSelected->GetTracker()->m_rect);
      int hit = m_tracker.HitTest(point);
      if (hit >= 0) SetCursor(LoadCursor(nullptr, CursorForHit(hit)));
    }
    return;
  }
  CRect client;
  GetClientRect(&client);
  if (client.PtInRect(point)) SetToolCursor(m_nTool == kToolMovePage ? MAKEINTRESOURCE(IDC_WB_PAN) : IDC_CROSS);
  if (!HoldsCapture()) return;
  if (m_nTool == kToolMovePage) {
    Pan(point);
    return;
  }
  const ShapeTool* shape = FindShapeTool(m_nTool);
  if (!shape) return;
  if (m_nTool == kToolPen || m_nTool == kToolHighlighter) {
    CPoint doc = ToDocument(point);
    m_arPoints.Add(doc);
    g_arGesturePoints.Add(doc);
  }
  m_pfnRubberBand = shape->Kind().band;
  UpdateBand(point);
  AutoScroll(HitTestBorder(point.x, point.y));
  UpdateBand(point);
}

void CDrawSurface::UpdateBand(CPoint point) {
  m_ptBandStart = {m_ptStart.x - m_ptOrigin.x, m_ptStart.y - m_ptOrigin.y};
  m_ptBandPrev = m_ptCur;
  m_ptBandCur = m_ptCur = point;
}

UINT CDrawSurface::HitTestBorder(int x, int y) {
  CRect c;
  GetClientRect(&c);
  int l = c.left, t = c.top, r = c.right, b = c.bottom, w = kBorderBand;
  if (y > b - w && l < x && x < r) return 8;
  if (y < t + w && l < x && x < r) return 4;
  if (x < l + w && t < y && y < b) return 1;
  if (x > r - w && t < y && y < b) return 2;
  if (x < l + w && y < t + w) return 16;
  if (x > r - w && y < t + w) return 128;
  if (x < l + w && y > b - w) return 64;
  if (x > r - w && y > b - w) return 32;
  return 0;
}

void CDrawSurface::AutoScroll(UINT border) {
  if (border == 0) {
    if (!m_pfnRubberBand) return;
    CClientDC dc(this);
    CPen pen(PS_SOLID, 1, kBandColor);
    CPen* old = dc.SelectObject(&pen);
    dc.SetROP2(R2_XORPEN);
    m_pfnRubberBand(&dc, m_ptBandStart.x, m_ptBandStart.y, m_ptBandPrev.x, m_ptBandPrev.y);
    m_pfnRubberBand(&dc, m_ptBandStart.x, m_ptBandStart.y, m_ptBandCur.x, m_ptBandCur.y);
    dc.SelectObject(old);
    if (ForgetsBandOnceDrawn()) m_pfnRubberBand = nullptr;
    return;
  }
  int dx = 0, dy = 0, s = kAutoScrollStep;
  switch (border) {
    case 1: dx = -s; break;
    case 2: dx = s; break;
    case 4: dy = -s; break;
    case 8: dy = s; break;
    case 16: dx = dy = -s; break;
    case 32: dx = dy = s; break;
    case 64: dx = -s, dy = s; break;
    case 128: dx = s, dy = -s; break;
    default: return;
  }
  g_bScrolledInGesture = TRUE;
  if (dx) SetScrollPos(SB_HORZ, GetScrollPos(SB_HORZ) + dx, TRUE);
  if (dy) SetScrollPos(SB_VERT, GetScrollPos(SB_VERT) + dy, TRUE);
  m_ptOrigin = {GetScrollPos(SB_HORZ), GetScrollPos(SB_VERT)};
  g_ptScrollOrigin = CPoint(m_ptOrigin);
  Invalidate(FALSE);
}

void CDrawSurface::Pan(CPoint point) {
  CSize canvas = GetCanvasSize();
  CRect client;
  GetClientRect(&client);
  LONG limits[2] = {canvas.cx - client.Width(), canvas.cy - client.Height()};
  LONG* axes[2] = {&m_ptOrigin.x, &m_ptOrigin.y};
  LONG moves[2] = {m_ptPanAnchor.x - point.x, m_ptPanAnchor.y - point.y};
  for (int i = 0; i < 2; ++i) {
    LONG v = *axes[i] + moves[i];
    if (v < 0) v = 0;
    if (v > limits[i]) v = limits[i];
    if (v < 0) v = 0;  // a canvas smaller than the client does not scroll at all
    *axes[i] = v;
  }
  m_ptPanAnchor = point;
  ApplyOriginToBars();
  Invalidate(FALSE);
}

// ---- Button release ----

void CDrawSurface::OnLButtonUp(UINT, CPoint point) {
  m_bTracking = FALSE;
  if (m_listPages.IsEmpty() || !m_pCurPage) {
    ReleaseWithoutPage();
    return;
  }
  if (LogsRelease()) ModuleLog("CDrawContentDlg::OnLButtonUp in -----\n");
  if (!m_bGestureValid || !HoldsCapture()) return;
  // A polyline or polygon keeps the mouse until its last vertex.
  if (m_nTool != kToolPolyline && m_nTool != kToolPolygon) ReleaseCapture();
  CPoint doc = ToDocument(point);
  const ShapeTool* shape = FindShapeTool(m_nTool);
  if (m_nTool == kToolPen || m_nTool == kToolHighlighter) {
    if (PointsBigEnough())
      FinishPointList(m_nTool);
    else
      ForgetGesturePoints();  // dropped: nothing of it reaches the next gesture
  } else if (m_nTool == kToolLaser || m_nTool == kToolHand) {
    ReleasePicture(m_nTool, doc);
  } else if (shape && shape->byDrag) {
    ReleaseDragShape(*shape, doc);
  }
  if (m_pStrokeTemp) {
    CString line;
    line.Format("if (m_pStrokeTemp) ----- m_pStrokeTemp[%lu]\n", (unsigned long)(uintptr_t)m_pStrokeTemp);
    if (LogsRelease()) ModuleLog(line);
    InvalidateDocRect(m_pStrokeTemp->m_rcDraw, m_pStrokeTemp->m_nPenWidth);
    m_pfnRubberBand = nullptr;
  }
  m_pStrokeTemp = nullptr;
  if (LogsRelease()) ModuleLog("CDrawContentDlg::OnLButtonUp out -----\n");
}

void CDrawSurface::ReleaseWithoutPage() {
  if (HoldsCapture()) ReleaseCapture();
  ForgetGesturePoints();
  if (CSurfaceOwner* owner = Owner()) owner->ReturnToSelectTool();
  m_nTool = kToolSelect;
  Invalidate();
}

void CDrawSurface::ReleaseDragShape(const ShapeTool& shape, CPoint doc) {
  int dx = abs(doc.x - m_ptStart.x), dy = abs(doc.y - m_ptStart.y);
  bool small = shape.tool == kToolLine ? (dx < kMinGesture && dy < kMinGesture) : (dx < kMinGesture || dy < kMinGesture);
  if (small) {
    InvalidateDocRect(CRect(m_ptStart, doc), 3);
    m_pfnRubberBand = nullptr;
    return;
  }
  if (shape.tool == kToolText) {
    ReleaseText(doc);
    return;
  }
  CRect rect(m_ptStart, doc);
  if (shape.normalise) rect.NormalizeRect();
  const StrokeKind& kind = shape.Kind();
  CStrokeBase* stroke = kind.create(Channel());
  if (!stroke) return;
  stroke->m_rcDraw = rect;
  AddNewStroke(stroke, kind.word, kind.colour == kStrokeColourPen);
  if (shape.tool == kToolTriangle || shape.tool == kToolTrapezia) stroke->ScaleTo(&rect);
  if (shape.tool == kToolRoundRect) static_cast<CStrokeRoundRect*>(stroke)->SetCorner(&rect);
  stroke->UpdateTracker();
  m_pCurPage->StrokeChanged(stroke);
  if (IsOnCurrentPage(stroke)) (this->*shape.send)();
  OnContentChanged();
}

void CDrawSurface::ReleasePicture(int tool, CPoint doc) {
  if (tool == kToolLaser && RemoveLaserStrokes() == -1) return;
  CStrokeBitmap* picture = nullptr;
  BOOL loaded = FALSE;
  if (tool == kToolLaser) {
    CStrokeLaser* laser = new CStrokeLaser();
    laser->MakeId();
    loaded = laser->LoadLaserPicture();
    picture = laser;
  } else {
    CStrokeHandPointer* hand = new CStrokeHandPointer();
    hand->MakeId();
    loaded = hand->LoadHandPicture();
    picture = hand;
  }
  if (!loaded) {
    delete picture;
    return;
  }
  picture->m_pOwner = Channel();
  picture->m_nX = doc.x;
  picture->m_nY = doc.y;
  picture->UpdateTracker();
  m_pCurPage->AddStroke(picture);
  m_pStrokeTemp = picture;
  if (IsOnCurrentPage(picture)) tool == kToolLaser ? SendNewLaser() : SendNewHand();
  // A laser pointer only points: the board has nothing new to save.
  if (tool != kToolLaser) OnContentChanged();
}

void CDrawSurface::ReleaseText(CPoint doc) {
  CStrokeText* text = new CStrokeText(Channel());
  // A box dragged up or to the left is kept with its corners in order, as drawing, hit testing
  // and the text's record need it.
  CRect box(SizeTextBox(m_ptStart, doc));
  box.NormalizeRect();
  text->m_rcDraw = box;
  text->m_crColor = m_crColor;
  CClientDC dc(this);
  if (CFont* font = dc.GetCurrentFont()) {
    LOGFONT own = text->m_logFont;
    font->GetLogFont(&own);
    text->SetFont(own);
  }
  CString id;
  id.Format("%s:%s", (LPCTSTR)text->GetTypeName(), MakeGuidText());
  SetWbText(text->m_szID, id);
  m_bNewText = TRUE;
  BeginTextEdit(text);
}

RECT CDrawSurface::SizeTextBox(POINT s, POINT e) {
  CClientDC dc(this);
  TEXTMETRIC tm = {};
  dc.GetTextMetrics(&tm);
  int h = tm.tmHeight;
  RECT box = {s.x, s.y, e.x, e.y};
  if (abs(e.y - s.y) < h) box.bottom = e.y >= s.y ? s.y + h : s.y - h;
  if (abs(e.x - s.x) < 2 * h) box.right = e.x >= s.x ? s.x + 2 * h : s.x - 2 * h;
  return box;
}

// ---- Point lists ----

BOOL CDrawSurface::PointsBigEnough() const {
  if (m_arPoints.GetSize() == 0) return FALSE;
  CRect box(m_arPoints[0], m_arPoints[0]);
  for (int i = 1; i < m_arPoints.GetSize(); ++i) {
    const CPoint& p = m_arPoints[i];
    box = CRect(std::min(box.left, p.x), std::min(box.top, p.y), std::max(box.right, p.x), std::max(box.bottom, p.y));
  }
  box.InflateRect(m_nPenWidth / 2, m_nPenWidth / 2);
  box.NormalizeRect();
  return box.Width() >= kMinGesture || box.Height() >= kMinGesture;
}

void CDrawSurface::ForgetGesturePoints() {
  m_arPoints.RemoveAll();
  g_arGesturePoints.RemoveAll();
  m_bPolygonStart = TRUE;
}

void CDrawSurface::AddNewStroke(CStrokeBase* stroke, const char* kind, BOOL takesWidth) {
  CString id;
  id.Format("%s:%s", kind, MakeGuidText());
  SetWbText(stroke->m_szID, id);
  stroke->m_pOwner = Channel();
  stroke->m_crColor = m_crColor;
  if (takesWidth) stroke->m_nPenWidth = m_nPenWidth;
  m_pCurPage->AddStroke(stroke);
  m_pStrokeTemp = stroke;
}

void CDrawSurface::FinishPointList(int tool) {
  const ShapeTool* shape = FindShapeTool(tool);
  CStrokeFreeLine* stroke = static_cast<CStrokeFreeLine*>(shape->Kind().create(Channel()));
  if (!stroke) return;
  stroke->m_arrPoint.Copy(m_arPoints);
  ForgetGesturePoints();
  AddNewStroke(stroke, shape->Kind().word, TRUE);
  if (tool == kToolPolygon) stroke->m_arrPoint.RemoveAt(stroke->m_arrPoint.GetSize() - 1);  // the closing click
  stroke->UpdateTracker();
  m_pCurPage->StrokeChanged(stroke);
  if (IsOnCurrentPage(stroke)) (this->*shape->send)();
  InvalidateDocRect(stroke->m_rcDraw, stroke->m_nPenWidth);
  OnContentChanged();
}

// ---- Right button ----

void CDrawSurface::OnRButtonDown(UINT, CPoint) {
  if (m_listPages.IsEmpty() || !m_pCurPage || !HoldsCapture()) return;
  if (m_nTool == kToolPolyline) {
    ReleaseCapture();
    if (PointsBigEnough()) FinishPointList(kToolPolyline);
    ForgetGesturePoints();  // a polyline too small to keep does not carry over to the next one
  } else if (m_nTool == kToolPolygon) {
    ReleaseCapture();
    ForgetGesturePoints();
  }
  Invalidate();
  m_pStrokeTemp = nullptr;
}

LPCTSTR CDrawSurface::CursorForHit(int hit) {
  switch (hit) {
    case 0:
    case 2: return IDC_SIZENWSE;
    case 1:
    case 3: return IDC_SIZENESW;
    case 4:
    case 6: return IDC_SIZENS;
    case 5:
    case 7: return IDC_SIZEWE;
    default: return IDC_SIZEALL;
  }
}
