// The thirteen outline, filled and point-list shapes as the tests see them: run-time class,
// type word, XML element and wire object type, and a helper that makes one with points.
#pragma once

#include <memory>
#include <vector>

#include "whiteboard/model/StrokeBase.h"

namespace wbtest {

struct ShapeKind {
  const char* className;
  const char* baseName;  // the base that the run-time class record names
  const char* typeWord;
  const char* element;
  DWORD objectType;
  bool pointList;
};

const std::vector<ShapeKind>& AllShapeKinds();

// A new shape of the class, created through its run-time class.
std::unique_ptr<CStrokeBase> MakeShape(const ShapeKind& kind);

// A shape of the kind laid out in rect (left, top, right, bottom as dragged): the one-rectangle
// kinds take it as their tracker; the point-list kinds get points through it (a zig-zag from
// the top-left corner to the bottom-right, or the triangle's or trapezium's corners).
std::unique_ptr<CStrokeBase> MakeShapeIn(const ShapeKind& kind, const RECT& rect, COLORREF color, int penWidth);

}  // namespace wbtest
