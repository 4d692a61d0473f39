// The geometry fields of the shape payloads, as decimal text from an object's rectangle
// (left, top, right, bottom in document coordinates, not normalised). Divisions are signed
// and truncate.
#pragma once

#include "protocol/WbRecords.h"

// x1, y1, x2, y2: the end points as drawn.
void SetWbLineGeometry(WbLinePayload* payload, const RECT& rect);
// x = left, y = top, width = right - left, height = bottom - top.
void SetWbRectGeometry(WbRectPayload* payload, const RECT& rect);
// cx = left + (right - left) / 2, cy likewise, rx = (right - left) / 2, ry = (bottom - top) / 2.
void SetWbEllipseGeometry(WbEllipsePayload* payload, const RECT& rect);
// cx, cy as the ellipse, r = (right - left) / 2.
void SetWbCircleGeometry(WbCirclePayload* payload, const RECT& rect);
