#include "whiteboard/model/StrokeLaser.h"

IMPLEMENT_DYNCREATE(CStrokeLaser, CStrokeBitmap)

CStrokeLaser::CStrokeLaser() = default;

CStrokeLaser::CStrokeLaser(IWbBoardChannel* owner) : CStrokeBitmap(owner) {}

BOOL CStrokeLaser::UpdateTracker() {
  PlaceTracker(CRectTracker::dottedLine, 0);
  return TRUE;
}

BOOL CStrokeLaser::LoadLaserPicture() { return LoadAppPicture("laser.gif"); }

void CStrokeLaser::MakeId() { SetKindId("laser"); }
