// Drawing a GDI+ image into a device context: the source rectangle of the picture stretched
// onto the destination rectangle, nearest pixel (so results are exact), blended over what is
// there by the picture's alpha. The DC's viewport origin and clip region apply.
#pragma once

#include "platform/gdiplus/GpImage.h"

class CDC;

namespace Gdiplus {

// Source pixels outside the picture count as transparent. An empty destination or source
// rectangle draws nothing and answers Ok.
Status GdipDrawImageRectRect(CDC* dc, const GpImage* image, int x, int y, int width, int height, int srcX,
                             int srcY, int srcWidth, int srcHeight);

}  // namespace Gdiplus
