// CStrokeHandPointer: the pointing hand of the hand tool, the picture "Hand.bmp" of the
// application's folder. Its id starts with "hand:"; its tracker has no resize handles.
#pragma once

#include "whiteboard/model/StrokeBitmap.h"

class CStrokeHandPointer : public CStrokeBitmap {
  DECLARE_DYNCREATE(CStrokeHandPointer)

 public:
  CStrokeHandPointer();
  explicit CStrokeHandPointer(IWbBoardChannel* owner);

  // Tracker = the picture rectangle, dotted, no handles; m_rcDraw the same.
  BOOL UpdateTracker() override;
  // Loads "Hand.bmp" from the application's folder and takes its size.
  BOOL LoadHandPicture();
  // m_szID = "hand:" + a fresh unique part.
  void MakeId();
};
