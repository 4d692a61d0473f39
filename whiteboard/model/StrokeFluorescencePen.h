// CStrokeFluorescencePen: the highlighter, a free-hand line drawn with the raster operation
// R2_MASKPEN, so that its colour only darkens what lies below.
#pragma once

#include "whiteboard/model/StrokeFreeLine.h"

class CStrokeFluorescencePen : public CStrokeFreeLine {
  DECLARE_DYNCREATE(CStrokeFluorescencePen)

 public:
  CStrokeFluorescencePen() = default;
  explicit CStrokeFluorescencePen(IWbBoardChannel* owner) : CStrokeFreeLine(owner) {}

  void Draw(CDC* dc, LPRECT rect) override;
  CString GetTypeName() override { return "fluorescence"; }
};
