// CStrokeTriangle: a filled triangle with its apex at the middle of the top edge of its
// rectangle: (l + (r - l)/2, t), (l, b), (r, b).
#pragma once

#include "whiteboard/model/StrokeFilledPath.h"

class CStrokeTriangle : public CStrokeFilledPath {
  DECLARE_DYNCREATE(CStrokeTriangle)

 public:
  CStrokeTriangle() : CStrokeTriangle(nullptr) {}
  explicit CStrokeTriangle(IWbBoardChannel* owner) : CStrokeFilledPath(Corners, owner) {}

  CString GetTypeName() override { return "triangle"; }
  static int Corners(const RECT& rect, POINT* corners);
  static void DrawRubberBand(CDC* dc, int left, int top, int right, int bottom) {
    DrawFigureBand(dc, Corners, RECT{left, top, right, bottom});
  }
};
