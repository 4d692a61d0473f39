// Geometry shared by the shapes: the hit band around a segment, figure and ring regions, and
// coordinate arithmetic that cannot overflow whatever a record or a page file holds.
#pragma once

#include "platform/Geometry.h"
#include "platform/gdi/SpanSet.h"

// The figure of a one-rectangle shape.
enum class ShapeFigure { kRectangle, kEllipse };

// value held within +-2^29: far beyond the +-65536 that a region keeps, and room enough to add
// a clamped pen width without overflow.
LONG ClampCoord(long long value);
// The half-width of the hit band of outlines: pen width + 2.
int HitBand(int penWidth);
// rect shrunk by w towards its centre on each axis, whichever way it was drawn; a negative w
// grows it.
RECT ShrinkTowardsCentre(const RECT& rect, long long w);

// The ring of a hollow figure: the figures of outer and inner combined by exclusive-or, built
// only inside window into `local`; or, when `keep` (the DC keeps a figure of the ring's
// extent), built whole once and kept for the repaints that follow (painting cuts it).
const gdi::SpanSet& RingPixels(ShapeFigure figure, const RECT& outer, const RECT& inner, const RECT& window, bool keep,
                               gdi::SpanSet* local);
// Every pixel a ring of outer and inner may hold.
RECT RingExtent(const RECT& outer, const RECT& inner);

// Whether (x, y) lies in rect normalised, edges included: a quick test that every region
// built from rect passes.
BOOL NearRect(const RECT& rect, int x, int y);
// Whether (x, y) lies inside the figure of rect.
BOOL FigureContains(ShapeFigure figure, const RECT& rect, int x, int y);
// Whether (x, y) lies on the outline of the figure of rect, within d of it on either side.
BOOL RingContains(ShapeFigure figure, const RECT& rect, int d, int x, int y);
// Whether (x, y) lies in the four-corner band of half-width d around the segment from a to b,
// the corners chosen by the segment's direction; a single point has an empty band.
BOOL SegmentBandContains(POINT a, POINT b, int d, int x, int y);
// Whether a pen of width penWidth drawn along the segment from a to b (a single point when they
// are equal) may light a pixel of area: the segment passes within half the width and a pixel
// of margin of it.
BOOL PenSegmentReaches(POINT a, POINT b, int penWidth, const RECT& area);
// The same for the segments between consecutive points, and from the last back to the first
// when closed.
BOOL PenPathReaches(const POINT* points, int count, bool closed, int penWidth, const RECT& area);
// Whether (x, y) lies in the polygon region (alternate fill) of the points.
BOOL PolygonContains(const POINT* points, int count, int x, int y);
