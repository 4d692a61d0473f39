#include "whiteboard/model/StrokeFreeLine.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/gdi/Dc.h"
#include "whiteboard/model/GestureShared.h"
#include "whiteboard/model/ShapeDrawing.h"
#include "whiteboard/model/ShapeGeometry.h"
#include "whiteboard/model/WbBlocks.h"
#include "whiteboard/model/WbShared.h"
#include "whiteboard/model/WbXmlText.h"

IMPLEMENT_DYNCREATE(CStrokeFreeLine, CStrokeBase)

namespace {

// The widest dot drawn: the widest pen a received record may give.
constexpr int kMaxDotWidth = 1000;

// Reads "x y" from text, which ends at end (an "L" or the end of the text stops the numbers);
// FALSE unless both numbers are there.
BOOL ReadPathPoint(const char* text, const char* end, CPoint* point) {
  char* after = nullptr;
  long x = strtol(text, &after, 10);
  if (after == text || after > end) return FALSE;
  const char* second = after;
  long y = strtol(second, &after, 10);
  if (after == second || after > end) return FALSE;
  *point = CPoint(x, y);
  return TRUE;
}

// The points of a path text "M x y L x y ... [Z]": the first character and a final "Z" count
// as "L", and each run of text after an "L" up to the next "L " (or the end) is one point.
void ReadPathPoints(const char* d, CArray<CPoint, CPoint>* points) {
  std::string path(d);
  path[0] = 'L';
  if (path.back() == 'Z') path.back() = 'L';
  const char* text = path.c_str();
  const char* end = text + path.size();
  for (const char* at = text; at < end;) {
    const char* next = strstr(at + 1, "L ");
    const char* pointEnd = next ? next : end;
    CPoint point;
    if (ReadPathPoint(at + 1, pointEnd, &point)) points->Add(point);
    if (!next) break;
    at = next;
  }
}

}  // namespace

BOOL CStrokeFreeLine::GetXRange(const CArray<CPoint, CPoint>& points, long* minX, long* maxX) {
  RECT bounds;
  if (!GetPointBounds(points, &bounds)) return FALSE;
  *minX = bounds.left, *maxX = bounds.right;
  return TRUE;
}

BOOL CStrokeFreeLine::GetYRange(const CArray<CPoint, CPoint>& points, long* minY, long* maxY) {
  RECT bounds;
  if (!GetPointBounds(points, &bounds)) return FALSE;
  *minY = bounds.top, *maxY = bounds.bottom;
  return TRUE;
}

BOOL CStrokeFreeLine::UpdateTracker() {
  RECT bounds;
  if (!GetPointBounds(m_arrPoint, &bounds)) return FALSE;
  long long h = m_nPenWidth / 2;
  RECT rect = {ClampCoord(bounds.left - h), ClampCoord(bounds.top - h), ClampCoord(bounds.right + h),
               ClampCoord(bounds.bottom + h)};
  SetTrackerRect(rect);
  CRect drawn(rect);
  drawn.NormalizeRect();
  m_rcDraw = drawn;
  return TRUE;
}

// Whether the points are one place (a click without movement): its lines would draw nothing.
bool CStrokeFreeLine::IsOnePlace() const {
  for (int i = 1; i < m_arrPoint.GetSize(); ++i)
    if (m_arrPoint[i] != m_arrPoint[0]) return false;
  return !m_arrPoint.IsEmpty();
}

void CStrokeFreeLine::DrawPoints(CDC* dc, bool closed) {
  if (IsOnePlace()) {
    // A dot as wide as the pen, centred on the point; a point at the end of the coordinate
    // range (a peer's page) is computed wide and clamped, never wrapped.
    ScopedFill fill(dc, &m_crColor, m_crColor);
    const long long w = std::max(1, std::min(m_nPenWidth, kMaxDotWidth));
    const long long left = (long long)m_arrPoint[0].x - w / 2, top = (long long)m_arrPoint[0].y - w / 2;
    dc->Ellipse(ClampCoord(left), ClampCoord(top), ClampCoord(left + w), ClampCoord(top + w));
    return;
  }
  ScopedPen pen(dc, m_nPenWidth, m_crColor);
  DrawPointPolyline(dc, m_arrPoint, POINT{0, 0}, closed);
}

void CStrokeFreeLine::Draw(CDC* dc, LPRECT rect) {
  if (!dc || !rect) return;
  DrawPoints(dc, false);
}

BOOL CStrokeFreeLine::DrawsInto(const RECT& area) {
  return PenPathReaches(m_arrPoint.GetData(), m_arrPoint.GetSize(), ClosedOutline(), m_nPenWidth, area);
}

BOOL CStrokeFreeLine::HitSegments(int x, int y) const {
  const int d = HitBand(m_nPenWidth);
  if (m_arrPoint.GetSize() == 1) {
    const CPoint& p = m_arrPoint[0];
    return NearRect(RECT{ClampCoord((long long)p.x - d), ClampCoord((long long)p.y - d), ClampCoord((long long)p.x + d),
                         ClampCoord((long long)p.y + d)},
                    x, y);
  }
  for (int i = 1; i < m_arrPoint.GetSize(); ++i)
    if (SegmentBandContains(m_arrPoint[i - 1], m_arrPoint[i], d, x, y)) return TRUE;
  return FALSE;
}

BOOL CStrokeFreeLine::HitTest(int x, int y) {
  if (!HitSegments(x, y)) return FALSE;
  m_bSelected = TRUE;
  return TRUE;
}

WbMsgHeader* CStrokeFreeLine::BuildWbMessage(int op, BYTE headerKind, void** ppPayload, WbStyleRecord** ppStyle,
                                             WbPageOpRecord** ppPageOp, WbListNode** ppNode, DWORD page,
                                             DWORD headerValue, void** ppExtra) {
  return BuildPathMessage(FALSE, op, headerKind, ppPayload, ppStyle, ppPageOp, ppNode, page, headerValue, ppExtra);
}

WbMsgHeader* CStrokeFreeLine::BuildPathMessage(BOOL filledKind, int op, BYTE headerKind, void** ppPayload,
                                               WbStyleRecord** ppStyle, WbPageOpRecord** ppPageOp,
                                               WbListNode** ppNode, DWORD page, DWORD headerValue,
                                               void** ppExtra) {
  if (!ChangeOutputsGiven(ppPayload, ppStyle, ppPageOp, ppNode, ppExtra, TRUE) || !AnswersChangeOp(filledKind, op))
    return nullptr;
  WbPathPayload* payload = NewWbPathPayload();
  *ppPayload = payload;
  if (!payload) return nullptr;
  FillPayloadHead(&payload->head, WB_OBJ_PATH, op);
  if (op == WB_CHANGE_GEOMETRY) {
    char* path = NewWbText(PointsToPathText(&m_arrPoint));
    *ppExtra = path;
    if (!path) return nullptr;
    payload->pszPath = path;
  }
  if (!NewChangeStyle(filledKind, op, ppStyle)) return nullptr;
  payload->pStyle = *ppStyle;
  return FinishChangeMessage(headerKind, payload, page, headerValue, ppPageOp, ppNode);
}

void CStrokeFreeLine::ScaleTo(LPCRECT newRect) {
  if (!newRect) return;
  for (int i = 0; i < m_arrPoint.GetSize(); ++i) m_arrPoint[i] = ScalePoint(m_arrPoint[i], m_rcDraw, *newRect);
  m_rcDraw = *newRect;
}

BOOL CStrokeFreeLine::FromXml(XmlElement* element) {
  if (!CStrokeBase::FromXml(element)) return FALSE;
  ClearPoints();
  const char* d = XmlAttributeText(element, "d");
  if (!d || !*d) return FALSE;
  ReadPathPoints(d, &m_arrPoint);
  return TRUE;
}

CString CStrokeFreeLine::GetExtraAttributes() {
  CString path;
  for (int i = 0; i < m_arrPoint.GetSize(); ++i)
    path.AppendFormat(i ? " L %d %d" : "M %d %d", (int)m_arrPoint[i].x, (int)m_arrPoint[i].y);
  if (!m_arrPoint.IsEmpty()) path += " Z";
  return "d=\"" + path + "\"";
}

void CStrokeFreeLine::DrawRubberBand(CDC* dc, int left, int top, int right, int bottom) {
  if (!dc) return;
  RubberBandObjects band(dc);
  if (g_arGesturePoints.IsEmpty()) {
    dc->MoveTo(left, top);
  } else {
    DrawPointPolyline(dc, g_arGesturePoints, -g_ptScrollOrigin, false);
  }
  dc->LineTo(right, bottom);
}
