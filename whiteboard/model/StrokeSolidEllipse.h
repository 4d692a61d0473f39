// CStrokeSolidEllipse: an ellipse filled with its colour inside a one-pixel black outline.
#pragma once

#include "whiteboard/model/StrokeFigure.h"

class CStrokeSolidEllipse : public CStrokeFigure {
  DECLARE_DYNCREATE(CStrokeSolidEllipse)

 public:
  CStrokeSolidEllipse() : CStrokeSolidEllipse(nullptr) {}
  explicit CStrokeSolidEllipse(IWbBoardChannel* owner) : CStrokeFigure(ShapeFigure::kEllipse, TRUE, owner) {}

  CString GetTypeName() override { return "solidellipse"; }
  static void DrawRubberBand(CDC* dc, int left, int top, int right, int bottom) {
    DrawFigureBand(dc, ShapeFigure::kEllipse, RECT{left, top, right, bottom});
  }
};
