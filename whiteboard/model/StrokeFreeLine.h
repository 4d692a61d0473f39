// CStrokeFreeLine: a free-hand line through a list of points, and the base of every shape
// whose geometry is a point list (highlighter, polyline, polygon, trapezium, triangle). It
// keeps the points, the tracker around them, their path text in the page XML and on the wire,
// scaling and the segment hit test. Written to XML as a "path" element.
#pragma once

#include "platform/Collections.h"
#include "whiteboard/model/StrokeBase.h"

class CStrokeFreeLine : public CStrokeBase {
  DECLARE_DYNCREATE(CStrokeFreeLine)

 public:
  CStrokeFreeLine() = default;
  explicit CStrokeFreeLine(IWbBoardChannel* owner) : CStrokeBase(owner) {}

  // The points' box grown by half the pen width; m_rcDraw becomes the same rectangle. FALSE
  // without points.
  BOOL UpdateTracker() override;
  // An open polyline through the points with a solid pen of the width and colour.
  void Draw(CDC* dc, LPRECT rect) override;
  // By the segments the pen draws (closed for the polygon).
  BOOL DrawsInto(const RECT& area) override;
  // Within the band of half-width pen width + 2 around one of the segments; around a single
  // point, within that distance of it. A miss leaves m_bSelected as it was.
  BOOL HitTest(int x, int y) override;
  // Ops 1 (the path text), 3 and 4 (pen colour and width), 7 and 8; ppExtra is required.
  WbMsgHeader* BuildWbMessage(int op, BYTE headerKind, void** ppPayload, WbStyleRecord** ppStyle,
                              WbPageOpRecord** ppPageOp, WbListNode** ppNode, DWORD page, DWORD headerValue,
                              void** ppExtra) override;
  // Maps every point from m_rcDraw into newRect, which becomes m_rcDraw.
  void ScaleTo(LPCRECT newRect) override;
  // The generic reader, then the points of "d"; FALSE (and no points) without a "d".
  BOOL FromXml(XmlElement* element) override;
  // d="M x y L x y ... Z" ("" without points).
  CString GetExtraAttributes() override;
  CString GetTypeName() override { return "freeline"; }
  CString GetElementName() override { return "path"; }

  void ClearPoints() { m_arrPoint.RemoveAll(); }
  // The smallest and largest x (y) of the points; FALSE and nothing written without points.
  static BOOL GetXRange(const CArray<CPoint, CPoint>& points, long* minX, long* maxX);
  static BOOL GetYRange(const CArray<CPoint, CPoint>& points, long* minY, long* maxY);

  // The pen gesture in progress: the gathered points (g_arGesturePoints) moved by minus the
  // scroll origin, then a segment to the pointer (right, bottom).
  static void DrawRubberBand(CDC* dc, int left, int top, int right, int bottom);

  CArray<CPoint, CPoint> m_arrPoint;

 protected:
  // The polyline of the points with the stroke's pen, closed or open; points that are all one
  // place (a click) draw a dot as wide as the pen.
  void DrawPoints(CDC* dc, bool closed);
  // Whether the polyline is drawn closed.
  virtual bool ClosedOutline() const { return false; }
  bool IsOnePlace() const;
  // Whether (x, y) lies in the band of a segment, in drawing order.
  BOOL HitSegments(int x, int y) const;
  // The change message of a path kind: outline kinds answer 3 and 4, filled kinds 2 and 4.
  WbMsgHeader* BuildPathMessage(BOOL filledKind, int op, BYTE headerKind, void** ppPayload, WbStyleRecord** ppStyle,
                                WbPageOpRecord** ppPageOp, WbListNode** ppNode, DWORD page, DWORD headerValue,
                                void** ppExtra);
};
