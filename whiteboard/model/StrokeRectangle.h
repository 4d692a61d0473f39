// CStrokeRectangle: a hollow rectangle whose outline is a band of the pen width inside its bounds.
#pragma once

#include "whiteboard/model/StrokeFigure.h"

class CStrokeRectangle : public CStrokeFigure {
  DECLARE_DYNCREATE(CStrokeRectangle)

 public:
  CStrokeRectangle() : CStrokeRectangle(nullptr) {}
  explicit CStrokeRectangle(IWbBoardChannel* owner) : CStrokeFigure(ShapeFigure::kRectangle, FALSE, owner) {}

  CString GetTypeName() override { return "rectangle"; }
  static void DrawRubberBand(CDC* dc, int left, int top, int right, int bottom) {
    DrawFigureBand(dc, ShapeFigure::kRectangle, RECT{left, top, right, bottom});
  }
};
