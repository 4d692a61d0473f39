// The thirteen outline, filled and point-list shapes among the program's object kinds
// (kStrokeKinds) and helpers that make one with points.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "whiteboard/model/StrokeBase.h"
#include "whiteboard/model/StrokeKinds.h"

namespace wbtest {

// The kinds whose records carry a line, a box, an ellipse, a circle or a path (every kind but
// the text, the picture and the pointers), in the table's order.
const std::vector<std::reference_wrapper<const StrokeKind>>& AllShapeKinds();

// A kind built from a list of points (its records carry a path).
inline bool IsPointList(const StrokeKind& kind) { return kind.payloadType == WB_OBJ_PATH; }

// A new shape of the kind, made by the kind's factory.
std::unique_ptr<CStrokeBase> MakeShape(const StrokeKind& kind);

// A shape of the kind laid out in rect (left, top, right, bottom as dragged): the one-rectangle
// kinds take it as their tracker; the point-list kinds get points through it (a zig-zag from
// the top-left corner to the bottom-right, or the triangle's or trapezium's corners).
std::unique_ptr<CStrokeBase> MakeShapeIn(const StrokeKind& kind, const RECT& rect, COLORREF color, int penWidth);

}  // namespace wbtest
