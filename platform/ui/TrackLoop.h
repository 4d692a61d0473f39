// The modal mouse-drag loop behind CRectTracker::Track and TrackRubberBand: the window captures
// the mouse; every move and the final button-up are handed to the caller (in the window's
// client coordinates) instead of the window; Esc, the right button or a lost capture cancel.
// Other messages (timers, host calls sent to windows) are dispatched as usual meanwhile.
#pragma once

#include <functional>

#include "platform/ui/Messages.h"

namespace platform {

// `onPointer(point, final)`: a move (final false) or the button coming up (final true).
// Returns true when the drag ended with the button up, false when it was cancelled.
bool RunTrackLoop(HWND hwnd, const std::function<void(POINT point, bool final)>& onPointer);

}  // namespace platform
