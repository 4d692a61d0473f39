#include "whiteboard/model/StrokeTriangle.h"

#include "whiteboard/model/ShapeGeometry.h"

IMPLEMENT_DYNCREATE(CStrokeTriangle, CStrokeFreeLine)

int CStrokeTriangle::Corners(const RECT& r, POINT* corners) {
  corners[0] = POINT{ClampCoord(r.left + ((long long)r.right - r.left) / 2), r.top};
  corners[1] = POINT{r.left, r.bottom};
  corners[2] = POINT{r.right, r.bottom};
  return 3;
}
