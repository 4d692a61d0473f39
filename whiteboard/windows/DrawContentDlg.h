// CDrawContentDlg: the drawing surface of the conference whiteboard. It keeps its canvas size in
// statics of its class (the conference whiteboard window reads them too) and is owned by a
// CDlgDFWhiteBoard, whose channel addresses its records to the conference.
#pragma once

#include "whiteboard/surface/DrawSurface.h"

class CDlgDFWhiteBoard;

// The surface's dialog template: a child without caption.
constexpr UINT IDD_DRAW_CONTENT = 572;

class CDrawContentDlg : public CDrawSurface {
  DECLARE_DYNCREATE(CDrawContentDlg)

 public:
  explicit CDrawContentDlg(CWnd* pParent = nullptr);

  CSize GetCanvasSize() const override { return CSize(s_nCanvasWidth, s_nCanvasHeight); }
  void SetCanvasSize(int cx, int cy) override { s_nCanvasWidth = cx, s_nCanvasHeight = cy; }

  // The canvas of the conference board, 1600 x 1200 until a board without pages sets it to 0 x 0.
  static int s_nCanvasWidth;
  static int s_nCanvasHeight;

  CDlgDFWhiteBoard* m_pOwner = nullptr;

 protected:
  CSurfaceOwner* Owner() const override;
  WbMsgHeader* BuildMethodRecord(CStrokeBase* stroke, int nMethod, int nKind) override;
  // Every member holds the pages it saw: a received page leaves the others in place, and a
  // record is applied to the page it names when the board holds it, shown or not.
  BOOL KeepsReceivedPages() const override { return TRUE; }
};
