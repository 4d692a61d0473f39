// CStrokeSolidRectangle: a rectangle filled with its colour inside a one-pixel black outline.
#pragma once

#include "whiteboard/model/StrokeFigure.h"

class CStrokeSolidRectangle : public CStrokeFigure {
  DECLARE_DYNCREATE(CStrokeSolidRectangle)

 public:
  CStrokeSolidRectangle() : CStrokeSolidRectangle(nullptr) {}
  explicit CStrokeSolidRectangle(IWbBoardChannel* owner) : CStrokeFigure(ShapeFigure::kRectangle, TRUE, owner) {}

  CString GetTypeName() override { return "solidrectangle"; }
  static void DrawRubberBand(CDC* dc, int left, int top, int right, int bottom) {
    DrawFigureBand(dc, ShapeFigure::kRectangle, RECT{left, top, right, bottom});
  }
};
