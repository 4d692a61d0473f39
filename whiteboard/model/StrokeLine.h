// CStrokeLine: a straight line between the two corners of its tracker rectangle, (x1, y1) to
// (x2, y2) as drawn.
#pragma once

#include "whiteboard/model/StrokeBase.h"

class CStrokeLine : public CStrokeBase {
  DECLARE_DYNCREATE(CStrokeLine)

 public:
  CStrokeLine() = default;
  explicit CStrokeLine(IWbBoardChannel* owner) : CStrokeBase(owner) {}

  BOOL UpdateTracker() override;
  void Draw(CDC* dc, LPRECT rect) override;
  BOOL DrawsInto(const RECT& area) override;
  // Within the band of half-width pen width + 2 around the segment.
  BOOL HitTest(int x, int y) override;
  // Ops 1 (end points), 3 and 4 (pen colour and width), 7 and 8.
  WbMsgHeader* BuildWbMessage(int op, BYTE headerKind, void** ppPayload, WbStyleRecord** ppStyle,
                              WbPageOpRecord** ppPageOp, WbListNode** ppNode, DWORD page, DWORD headerValue,
                              void** ppExtra) override;
  CString GetTypeName() override { return "line"; }

  // The drag in progress: a line between the corners.
  static void DrawRubberBand(CDC* dc, int left, int top, int right, int bottom);
};
