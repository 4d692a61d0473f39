// CStrokeTrapezia: a filled trapezium whose top edge is the middle half of its rectangle's:
// (l + (r - l)/4, t), (l, b), (r, b), (r - (r - l)/4, t).
#pragma once

#include "whiteboard/model/StrokeFilledPath.h"

class CStrokeTrapezia : public CStrokeFilledPath {
  DECLARE_DYNCREATE(CStrokeTrapezia)

 public:
  CStrokeTrapezia() : CStrokeTrapezia(nullptr) {}
  explicit CStrokeTrapezia(IWbBoardChannel* owner) : CStrokeFilledPath(Corners, owner) {}

  CString GetTypeName() override { return "trapezia"; }
  static int Corners(const RECT& rect, POINT* corners);
  static void DrawRubberBand(CDC* dc, int left, int top, int right, int bottom) {
    DrawFigureBand(dc, Corners, RECT{left, top, right, bottom});
  }
};
