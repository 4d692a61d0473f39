#include "whiteboard/model/StrokeTrapezia.h"

#include "whiteboard/model/ShapeGeometry.h"

IMPLEMENT_DYNCREATE(CStrokeTrapezia, CStrokeFreeLine)

int CStrokeTrapezia::Corners(const RECT& r, POINT* corners) {
  long long quarter = ((long long)r.right - r.left) / 4;
  corners[0] = POINT{ClampCoord(r.left + quarter), r.top};
  corners[1] = POINT{r.left, r.bottom};
  corners[2] = POINT{r.right, r.bottom};
  corners[3] = POINT{ClampCoord(r.right - quarter), r.top};
  return 4;
}
