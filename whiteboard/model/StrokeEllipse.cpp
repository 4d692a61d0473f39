#include "whiteboard/model/StrokeEllipse.h"

IMPLEMENT_DYNCREATE(CStrokeEllipse, CStrokeBase)
