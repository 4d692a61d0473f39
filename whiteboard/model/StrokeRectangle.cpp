#include "whiteboard/model/StrokeRectangle.h"

IMPLEMENT_DYNCREATE(CStrokeRectangle, CStrokeBase)
