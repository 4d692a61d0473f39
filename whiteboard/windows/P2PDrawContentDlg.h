// CP2PDrawContentDlg: the drawing surface of a point-to-point whiteboard. It keeps its canvas
// size in members (several point-to-point boards may be open at once), readdresses method
// records to the peer, keeps every page it saw, and marks the owner's board changed on every
// change. Its owner's channel addresses its records to the peer and holds them while the
// session is not live.
#pragma once

#include "whiteboard/surface/DrawSurface.h"

class CDlgDFP2PWhiteBoard;

// The surface's dialog template: a child without caption or controls.
constexpr UINT IDD_P2P_DRAW_CONTENT = 804;

class CP2PDrawContentDlg : public CDrawSurface {
 public:
  explicit CP2PDrawContentDlg(CWnd* pParent = nullptr);

  CSize GetCanvasSize() const override { return CSize(m_nCanvasWidth, m_nCanvasHeight); }
  void SetCanvasSize(int cx, int cy) override { m_nCanvasWidth = cx, m_nCanvasHeight = cy; }

  // The canvas of this board: 1600 x 1200 while it has a page, 0 x 0 when it is empty.
  int m_nCanvasWidth = 0;
  int m_nCanvasHeight = 0;
  CDlgDFP2PWhiteBoard* m_pOwner = nullptr;

 protected:
  CSurfaceOwner* Owner() const override;
  WbMsgHeader* BuildMethodRecord(CStrokeBase* stroke, int nMethod, int nKind) override;
  void OnContentChanged() override;
  BOOL LogsRelease() const override { return FALSE; }
  BOOL ForgetsBandOnceDrawn() const override { return TRUE; }
  // Each side holds every page it saw: a page the peer adds or turns to leaves the others in
  // place, and a record applies to the page it names.
  BOOL KeepsReceivedPages() const override { return TRUE; }
};
