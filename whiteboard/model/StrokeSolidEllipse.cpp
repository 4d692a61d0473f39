#include "whiteboard/model/StrokeSolidEllipse.h"

IMPLEMENT_DYNCREATE(CStrokeSolidEllipse, CStrokeBase)
