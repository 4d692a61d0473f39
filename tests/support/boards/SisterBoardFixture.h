// What the point-to-point and shared-document surface tests share: a recording host that copies
// whiteboard messages, gestures on any surface window, and a received line payload.
#pragma once

#include <vector>

#include "tests/support/boards/SurfaceFixture.h"
#include "whiteboard/model/WbBlocks.h"
#include "whiteboard/surface/DrawSurface.h"

class CDlgDFP2PWhiteBoard;
class CWbBoardWindow;

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

  // The peer took our whiteboard invitation: the module opens the peer's board, live.
  CDlgDFP2PWhiteBoard* OpenP2PBoard(const char* peer);
  // The peer ended the session: the board stays open, no longer live.
  void EndP2PSessionOf(const char* peer);
  // Presses the tool's button on the board (the current tool's button is disabled, so none).
  static void UseToolOn(CWbBoardWindow* board, int tool);
  // With the select tool, a click on an object at `at` selects it (its tracker lets go at once).
  void SelectAt(CWbBoardWindow* board, CDrawSurface* surface, POINT at);
};

}  // namespace surftest
