// Random two-sided whiteboard sessions for the host program: from a seed, a scenario in which
// two members use every tool and page action of the conference whiteboard (shapes, pens,
// polylines and polygons, pointers, texts with fonts and edits, moves and resizes, the object
// menu, palette and dialog colours, widths, new pages and page turns, the presenter's right)
// and both boards are compared on every page they hold. The same seed gives the same scenario.
#pragma once

#include <cstdint>
#include <string>

namespace sessions {

struct SessionOptions {
  // Pen and highlighter clicks without movement (a dot, or nothing when too small to keep).
  bool penClicks = true;
  // Font faces longer than the 20 bytes of the wire's face field.
  bool longFaces = true;
  // Sessions on the whiteboard of a conference that also shares documents.
  bool withDocShare = true;
  // Sessions on a point-to-point board.
  bool pointToPoint = true;
  int actions = 32;  // user actions per session, each one or a few steps
  std::string picture;  // a picture file the capture hands over; none: no captures
};

// The scenario text of one session.
std::string GenerateSession(uint32_t seed, const SessionOptions& options);

}  // namespace sessions
