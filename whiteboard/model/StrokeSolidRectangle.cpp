#include "whiteboard/model/StrokeSolidRectangle.h"

IMPLEMENT_DYNCREATE(CStrokeSolidRectangle, CStrokeBase)
