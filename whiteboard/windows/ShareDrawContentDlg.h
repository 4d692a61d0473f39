// CShareDrawContentDlg: the drawing surface of the shared-document whiteboard, whose owner's
// channel addresses its records to the document-share sub-conference. Every received record is
// applied whatever its page, and new-page and page-removal records are left to the window; its
// object menu (766) recolours objects in place of the stacking commands; every change marks
// the owner's board changed.
#pragma once

#include "whiteboard/surface/DrawSurface.h"

class CDlgDFShareWhiteBoard;

// The surface's dialog template: a child without caption or controls.
constexpr UINT IDD_SHARE_DRAW_CONTENT = 765;

// Object menu 766 and its commands.
enum {
  IDR_WB_SHARE_OBJECT_MENU = 766,
  ID_WB_SHARE_COLOR = 13453,
  ID_WB_SHARE_LINE_WIDTH = 13454,
  ID_WB_SHARE_DELETE = 13463,
  ID_WB_SHARE_EDIT_TEXT = 13465,
  ID_WB_SHARE_TEXT_FONT = 13466,
};

class CShareDrawContentDlg : public CDrawSurface {
 public:
  explicit CShareDrawContentDlg(CWnd* pParent = nullptr);

  CSize GetCanvasSize() const override { return CSize(m_nCanvasWidth, m_nCanvasHeight); }
  void SetCanvasSize(int cx, int cy) override { m_nCanvasWidth = cx, m_nCanvasHeight = cy; }

  // The object's method record for the document share, with the page count, sent whether or not
  // the object is on the page shown (the callers that need it test it). With pDC the object's
  // rectangle first takes nRight and nBottom as its right and bottom and the object is drawn
  // into pDC; its rectangle is repainted in every case.
  int SendStrokeMethod(int nMethod, int nKind, CStrokeBase* pStroke, int nRight, int nBottom, CDC* pDC);
  int SendStrokeMethod(int nMethod, int nKind, CStrokeBase* pStroke) override {
    return SendStrokeMethod(nMethod, nKind, pStroke, 0, 0, nullptr);
  }

  int m_nCanvasWidth = 0;
  int m_nCanvasHeight = 0;
  // The page count the last received page-content record announced; the owner keeps it here.
  int m_nRemotePageCount = 0;
  CDlgDFShareWhiteBoard* m_pOwner = nullptr;

 protected:
  CSurfaceOwner* Owner() const override;
  WbMsgHeader* BuildMethodRecord(CStrokeBase* stroke, int nMethod, int nKind) override;
  void OnContentChanged() override;
  BOOL AcceptsRecord(DWORD code, int page) const override;
  UINT ObjectMenuId() const override { return IDR_WB_SHARE_OBJECT_MENU; }
  void PrepareObjectMenu(CMenu* popup, CStrokeBase* stroke) override;
  BOOL LogsRelease() const override { return FALSE; }
  BOOL MenuClearsMissedMarks() const override { return FALSE; }
  // Only the capture is let go and the window repainted: the tool stays as it was.
  void ReleaseWithoutPage() override;
  // The scroll bars follow the canvas kept here also while the board has no page.
  void OnSize(UINT type, int cx, int cy) override;

 private:
  // 13453: the selected object takes a colour from the colour dialog and the change is sent.
  void OnObjectColor();
  // 13454: the selected object takes a width from the line-width dialog; surface and object
  // keep it and the width change is sent.
  void OnObjectLineWidth();
  // The colour-change record of the object's class (fill or pen colour); texts go as their
  // method record, pictures not at all.
  void SendColorChange(CStrokeBase* stroke);
};
