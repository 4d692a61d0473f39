#include "whiteboard/model/StrokeFluorescencePen.h"

#include "platform/gdi/Dc.h"

IMPLEMENT_DYNCREATE(CStrokeFluorescencePen, CStrokeFreeLine)

void CStrokeFluorescencePen::Draw(CDC* dc, LPRECT rect) {
  if (!dc || !rect) return;
  int previous = dc->SetROP2(R2_MASKPEN);
  DrawPoints(dc, false);
  dc->SetROP2(previous);
}
