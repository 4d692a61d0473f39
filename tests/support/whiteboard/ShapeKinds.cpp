#include "tests/support/whiteboard/ShapeKinds.h"

#include <cstdio>

#include "whiteboard/model/StrokeFreeLine.h"
#include "whiteboard/model/StrokeRoundRect.h"
#include "whiteboard/model/StrokeTrapezia.h"
#include "whiteboard/model/StrokeTriangle.h"

namespace wbtest {

const std::vector<std::reference_wrapper<const StrokeKind>>& AllShapeKinds() {
  static const std::vector<std::reference_wrapper<const StrokeKind>> kinds = [] {
    std::vector<std::reference_wrapper<const StrokeKind>> shapes;
    for (const StrokeKind& kind : kStrokeKinds)
      if (kind.payloadType != WB_OBJ_TEXT && kind.payloadType != WB_OBJ_IMAGE) shapes.push_back(kind);
    return shapes;
  }();
  return kinds;
}

namespace {

// A zig-zag of five points from the top-left corner of rect to its bottom-right.
void ZigZag(CStrokeFreeLine* line, const RECT& r) {
  const int w = r.right - r.left, h = r.bottom - r.top;
  const int fx[] = {0, 1, 2, 3, 4}, fy[] = {0, 4, 1, 4, 4};
  for (int i = 0; i < 5; ++i) line->m_arrPoint.Add(CPoint(r.left + w * fx[i] / 4, r.top + h * fy[i] / 4));
}

}  // namespace

std::unique_ptr<CStrokeBase> MakeShape(const StrokeKind& kind) {
  return std::unique_ptr<CStrokeBase>(kind.create(nullptr));
}

std::unique_ptr<CStrokeBase> MakeShapeIn(const StrokeKind& kind, const RECT& rect, COLORREF color, int penWidth) {
  std::unique_ptr<CStrokeBase> shape = MakeShape(kind);
  snprintf(shape->m_szID, sizeof(shape->m_szID), "%s:0123456789abcdef0", kind.word);
  shape->m_crColor = color;
  shape->m_nPenWidth = penWidth;
  shape->m_rcDraw = rect;
  if (auto* path = dynamic_cast<CStrokeFreeLine*>(shape.get())) {
    if (dynamic_cast<CStrokeTriangle*>(path) || dynamic_cast<CStrokeTrapezia*>(path))
      path->ScaleTo(&rect);
    else
      ZigZag(path, rect);
  }
  if (auto* roundRect = dynamic_cast<CStrokeRoundRect*>(shape.get())) roundRect->SetCorner(&rect);
  shape->UpdateTracker();
  return shape;
}

}  // namespace wbtest
