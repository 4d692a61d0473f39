// The three values that the drawing surfaces share with one another, with the whiteboard
// windows and with the strokes' rubber-band routines (one copy in the module). They live with
// the strokes, which read them, so that the model does not reach into the surfaces.
#pragma once

#include "platform/Collections.h"
#include "platform/Geometry.h"

// The scroll origin of the surface being drawn on, written by every surface when it scrolls.
inline CPoint g_ptScrollOrigin(0, 0);

// Set by a surface's auto-scroll during a gesture; the polyline rubber band then redraws the
// whole gesture once and clears it.
inline BOOL g_bScrolledInGesture = FALSE;

// The points of the pen, highlighter, polyline or polygon gesture in progress (document
// coordinates); emptied when the object is made.
inline CArray<CPoint, CPoint> g_arGesturePoints;
