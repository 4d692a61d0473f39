// CStrokeRoundRect: a filled rectangle with rounded corners inside a one-pixel black outline;
// the corner sizes follow the rectangle (a quarter of its smaller side).
#pragma once

#include "whiteboard/model/StrokeFigure.h"

class CStrokeRoundRect : public CStrokeFigure {
  DECLARE_DYNCREATE(CStrokeRoundRect)

 public:
  CStrokeRoundRect() : CStrokeRoundRect(nullptr) {}
  explicit CStrokeRoundRect(IWbBoardChannel* owner) : CStrokeFigure(ShapeFigure::kRectangle, TRUE, owner) {}

  void Draw(CDC* dc, LPRECT rect) override;
  // The generic element named "roundrect" with "rx" and "ry" before the style.
  CString ToXml() override;
  // The generic reader, then "rx" and "ry" (a missing one reads 0).
  BOOL FromXml(XmlElement* element) override;
  CString GetTypeName() override { return "roundrect"; }

  // Both corner sizes become min(|width|, |height|) / 4 of rect; NULL leaves them.
  void SetCorner(LPCRECT rect);

  static void DrawRubberBand(CDC* dc, int left, int top, int right, int bottom) {
    DrawFigureBand(dc, ShapeFigure::kRectangle, RECT{left, top, right, bottom});
  }

  int m_nRx = 0;
  int m_nRy = 0;
};
