// CStrokeLaser: the laser dot of the laser tool, the picture "laser.gif" of the application's
// folder. Its id starts with "laser:"; the page reader never reads one back.
#pragma once

#include "whiteboard/model/StrokeBitmap.h"

class CStrokeLaser : public CStrokeBitmap {
  DECLARE_DYNCREATE(CStrokeLaser)

 public:
  CStrokeLaser();
  explicit CStrokeLaser(IWbBoardChannel* owner);

  // Tracker = the picture rectangle, dotted, no handles; m_rcDraw the same.
  BOOL UpdateTracker() override;
  // Loads "laser.gif" from the application's folder and takes its size.
  BOOL LoadLaserPicture();
  // m_szID = "laser:" + a fresh unique part.
  void MakeId();
};
