#include "whiteboard/model/StrokeHandPointer.h"

IMPLEMENT_DYNCREATE(CStrokeHandPointer, CStrokeBitmap)

CStrokeHandPointer::CStrokeHandPointer() = default;

CStrokeHandPointer::CStrokeHandPointer(IWbBoardChannel* owner) : CStrokeBitmap(owner) {}

BOOL CStrokeHandPointer::UpdateTracker() {
  PlaceTracker(CRectTracker::dottedLine, 0);
  return TRUE;
}

BOOL CStrokeHandPointer::LoadHandPicture() { return LoadAppPicture("Hand.bmp"); }

void CStrokeHandPointer::MakeId() { SetKindId("hand"); }
