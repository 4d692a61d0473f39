#include "whiteboard/model/WbGeometry.h"

#include "whiteboard/model/WbBlocks.h"

namespace {

long long Width(const RECT& rect) { return (long long)rect.right - rect.left; }
long long Height(const RECT& rect) { return (long long)rect.bottom - rect.top; }

}  // namespace

void SetWbLineGeometry(WbLinePayload* payload, const RECT& rect) {
  SetWbNumber(payload->szX1, rect.left);
  SetWbNumber(payload->szY1, rect.top);
  SetWbNumber(payload->szX2, rect.right);
  SetWbNumber(payload->szY2, rect.bottom);
}

void SetWbRectGeometry(WbRectPayload* payload, const RECT& rect) {
  SetWbNumber(payload->szX, rect.left);
  SetWbNumber(payload->szY, rect.top);
  SetWbNumber(payload->szWidth, Width(rect));
  SetWbNumber(payload->szHeight, Height(rect));
}

void SetWbEllipseGeometry(WbEllipsePayload* payload, const RECT& rect) {
  long long rx = Width(rect) / 2, ry = Height(rect) / 2;
  SetWbNumber(payload->szCX, rect.left + rx);
  SetWbNumber(payload->szCY, rect.top + ry);
  SetWbNumber(payload->szRX, rx);
  SetWbNumber(payload->szRY, ry);
}

void SetWbCircleGeometry(WbCirclePayload* payload, const RECT& rect) {
  long long r = Width(rect) / 2;
  SetWbNumber(payload->szCX, rect.left + r);
  SetWbNumber(payload->szCY, rect.top + Height(rect) / 2);
  SetWbNumber(payload->szR, r);
}
