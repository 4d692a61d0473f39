// The pixels that a pen wider than one pixel covers: Cairo strokes the figure through pixel
// centres with round caps and joins, without antialiasing, into a one-bit mask that is read
// back as a span set. Only the part inside `limit` (device coordinates) is rendered.
#pragma once

#include "platform/Win32Types.h"
#include "platform/gdi/KeptFigures.h"
#include "platform/gdi/SpanSet.h"

namespace gdi {

// The pixels are either kept ones, which may reach beyond the area (painting cuts them), or
// built inside its limit into `local`.
const SpanSet& WidePolyline(const POINT* points, int count, bool closed, int width, const DrawArea& area,
                            SpanSet* local);
// The outline of the figure whose pixels fill `box` ([left, right) x [top, bottom)).
SpanSet WideEllipse(const RECT& box, int width, const RECT& limit);
SpanSet WideRoundRect(const RECT& box, int cornerWidth, int cornerHeight, int width, const RECT& limit);

}  // namespace gdi
