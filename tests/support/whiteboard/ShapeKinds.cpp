#include "tests/support/whiteboard/ShapeKinds.h"

#include <cstring>

#include "platform/Object.h"
#include "whiteboard/model/StrokeFluorescencePen.h"
#include "whiteboard/model/StrokeFreeLine.h"
#include "whiteboard/model/StrokeLine.h"
#include "whiteboard/model/StrokePolygon.h"
#include "whiteboard/model/StrokeRectangle.h"
#include "whiteboard/model/StrokeEllipse.h"
#include "whiteboard/model/StrokeRoundCircle.h"
#include "whiteboard/model/StrokeRoundRect.h"
#include "whiteboard/model/StrokeSolidEllipse.h"
#include "whiteboard/model/StrokeSolidRectangle.h"
#include "whiteboard/model/StrokeTrapezia.h"
#include "whiteboard/model/StrokeTriangle.h"

namespace wbtest {

const std::vector<ShapeKind>& AllShapeKinds() {
  static const std::vector<ShapeKind> kinds = {
      {"CStrokeLine", "CStrokeBase", "line", "line", WB_OBJ_LINE, false},
      {"CStrokeRectangle", "CStrokeBase", "rectangle", "rectangle", WB_OBJ_RECT, false},
      {"CStrokeEllipse", "CStrokeBase", "ellipse", "ellipse", WB_OBJ_ELLIPSE, false},
      {"CStrokeSolidRectangle", "CStrokeBase", "solidrectangle", "solidrectangle", WB_OBJ_RECT, false},
      {"CStrokeSolidEllipse", "CStrokeBase", "solidellipse", "solidellipse", WB_OBJ_ELLIPSE, false},
      {"CStrokeRoundCircle", "CStrokeSolidEllipse", "circle", "circle", WB_OBJ_CIRCLE, false},
      {"CStrokeRoundRect", "CStrokeBase", "roundrect", "roundrect", WB_OBJ_RECT, false},
      {"CStrokeFreeLine", "CStrokeBase", "freeline", "path", WB_OBJ_PATH, true},
      {"CStrokeFluorescencePen", "CStrokeFreeLine", "fluorescence", "path", WB_OBJ_PATH, true},
      {"CStrokePolyline", "CStrokeFreeLine", "polyline", "path", WB_OBJ_PATH, true},
      {"CStrokePolygon", "CStrokePolyline", "polygon", "path", WB_OBJ_PATH, true},
      {"CStrokeTrapezia", "CStrokeFreeLine", "trapezia", "path", WB_OBJ_PATH, true},
      {"CStrokeTriangle", "CStrokeFreeLine", "triangle", "path", WB_OBJ_PATH, true},
  };
  return kinds;
}

namespace {

const CRuntimeClass* ClassOf(const char* name) {
  static const CRuntimeClass* classes[] = {
      RUNTIME_CLASS(CStrokeLine),         RUNTIME_CLASS(CStrokeRectangle),       RUNTIME_CLASS(CStrokeEllipse),
      RUNTIME_CLASS(CStrokeSolidRectangle), RUNTIME_CLASS(CStrokeSolidEllipse), RUNTIME_CLASS(CStrokeRoundCircle),
      RUNTIME_CLASS(CStrokeRoundRect),    RUNTIME_CLASS(CStrokeFreeLine),        RUNTIME_CLASS(CStrokeFluorescencePen),
      RUNTIME_CLASS(CStrokePolyline),     RUNTIME_CLASS(CStrokePolygon),         RUNTIME_CLASS(CStrokeTrapezia),
      RUNTIME_CLASS(CStrokeTriangle)};
  for (const CRuntimeClass* cls : classes)
    if (strcmp(cls->m_lpszClassName, name) == 0) return cls;
  return nullptr;
}

// A zig-zag of five points from the top-left corner of rect to its bottom-right.
void ZigZag(CStrokeFreeLine* line, const RECT& r) {
  const int w = r.right - r.left, h = r.bottom - r.top;
  const int fx[] = {0, 1, 2, 3, 4}, fy[] = {0, 4, 1, 4, 4};
  for (int i = 0; i < 5; ++i) line->m_arrPoint.Add(CPoint(r.left + w * fx[i] / 4, r.top + h * fy[i] / 4));
}

}  // namespace

std::unique_ptr<CStrokeBase> MakeShape(const ShapeKind& kind) {
  const CRuntimeClass* cls = ClassOf(kind.className);
  return std::unique_ptr<CStrokeBase>(cls ? static_cast<CStrokeBase*>(cls->CreateObject()) : nullptr);
}

std::unique_ptr<CStrokeBase> MakeShapeIn(const ShapeKind& kind, const RECT& rect, COLORREF color, int penWidth) {
  std::unique_ptr<CStrokeBase> shape = MakeShape(kind);
  snprintf(shape->m_szID, sizeof(shape->m_szID), "%s:0123456789abcdef0", kind.typeWord);
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
