// CStrokeEllipse: a hollow ellipse whose outline is a band of the pen width inside its bounds.
#pragma once

#include "whiteboard/model/StrokeFigure.h"

class CStrokeEllipse : public CStrokeFigure {
  DECLARE_DYNCREATE(CStrokeEllipse)

 public:
  CStrokeEllipse() : CStrokeEllipse(nullptr) {}
  explicit CStrokeEllipse(IWbBoardChannel* owner) : CStrokeFigure(ShapeFigure::kEllipse, FALSE, owner) {}

  CString GetTypeName() override { return "ellipse"; }
  static void DrawRubberBand(CDC* dc, int left, int top, int right, int bottom) {
    DrawFigureBand(dc, ShapeFigure::kEllipse, RECT{left, top, right, bottom});
  }
};
