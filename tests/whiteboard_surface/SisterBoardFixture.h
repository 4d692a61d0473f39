// What the point-to-point and shared-document surface tests share: a recording host that copies
// whiteboard messages, gestures on any surface window, and a received line payload.
#pragma once

#include <vector>

#include "tests/whiteboard_surface/SurfaceFixture.h"
#include "whiteboard/model/WbBlocks.h"
#include "whiteboard/surface/DrawSurface.h"

namespace surftest {

// A red line payload of width 3 from (50, 60) to (250, 60).
struct LinePayload {
  WbLinePayload line = {};
  WbStyleRecord style = {};
  explicit LinePayload(const char* id = "line:0123456789abcdef0");
};

class SisterBoardTest : public tavtest::ModuleTest {
 protected:
  void SetUp() override;

  // Gestures at client points of a surface.
  static void Drag(CDrawSurface* surface, POINT from, POINT to);
  static void Click(CDrawSurface* surface, POINT at);
  // The objects of the surface's current page, bottom first.
  static std::vector<CStrokeBase*> Strokes(CDrawSurface* surface);
  std::vector<const WbMsgHeader*> Sent() { return wbtest::SentWbMessages(Host()); }
};

}  // namespace surftest
