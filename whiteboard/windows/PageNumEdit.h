// The page-number box of a whiteboard window: the user types a page number and presses Enter
// to turn the board to that page, which is then sent to the other side. The board-specific
// parts (the surface, whether the box may act, what follows a jump) are virtual, so that each
// whiteboard window's box is a thin subclass.
#pragma once

#include "platform/ui/Controls.h"

class CDlgDFP2PWhiteBoard;
class CDlgDFWhiteBoard;
class CDrawSurface;

class CPageNumEdit : public CEdit {
 public:
  BOOL PreTranslateMessage(MSG* msg) override;

 protected:
  // The owner's surface when the box may act now; NULL otherwise.
  virtual CDrawSurface* ActiveSurface() const = 0;
  // The owner's work after a jump to page nPage (controls paused, the page sent).
  virtual void AfterJump(int nPage) = 0;

 private:
  void OnEnter(CDrawSurface* surface);
};

// The box of the conference whiteboard: acts only while the window's page-turning flag is set.
class CWBPageNumEdit : public CPageNumEdit {
 public:
  CDlgDFWhiteBoard* m_pOwner = nullptr;

 protected:
  CDrawSurface* ActiveSurface() const override;
  void AfterJump(int nPage) override;
};

// The box of a point-to-point whiteboard: acts whenever its window exists.
class CP2PPageNumEdit : public CPageNumEdit {
 public:
  CDlgDFP2PWhiteBoard* m_pOwner = nullptr;

 protected:
  CDrawSurface* ActiveSurface() const override;
  void AfterJump(int nPage) override;
};
