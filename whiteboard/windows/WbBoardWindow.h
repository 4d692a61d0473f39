// CWbBoardWindow: what the conference, point-to-point and shared-document whiteboard windows
// share as the owners of a drawing surface: handing received records to the surface, building,
// changing and deleting the objects that records name, the six board-style numbers, and the
// select button, palette bar or current colour, line-width list and page controls that the
// surface touches.
#pragma once

#include "platform/ui/Dialog.h"
#include "whiteboard/model/WbRecords.h"
#include "whiteboard/surface/SurfaceOwner.h"

class CColorBarDlg;
class CDlgDFP2PWhiteBoard;
class CDrawSurface;

class CWbBoardWindow : public CDialog, public CSurfaceOwner {
 public:
  explicit CWbBoardWindow(UINT templateId);

  // The window's palette bar; NULL for a window without one.
  CColorBarDlg* GetColorBar() const { return m_pColorBar; }

  // Hands a received whiteboard record to the surface (WM_USER+1000, synchronously).
  virtual void DispatchBoardRecord(void* record);

  // ---- CSurfaceOwner ----
  void OnBoardStyle(void* record) override;
  // The board closed: it is emptied and its canvas goes.
  void OnBoardClosed(int reserved) override;
  int ClearBoard() override;
  void OnPageContent(void* record) override;
  void OnStrokeAdd(void* payload, CStrokePage* page) override;
  void OnStrokeModify(void* payload, CStrokePage* page) override;
  int OnStrokeDelete(void* payload, CStrokePage* page) override;
  BOOL& PageChangedWhileTracking() override { return m_bPageChangedWhileTracking; }
  void ReturnToSelectTool() override;
  void ShowSelectedColor(COLORREF color) override;
  void OnSelectedDeleted() override;
  void ShowReceivedPage(int page) override;

  // Disables the page controls and enables them again 500 ms later.
  int DisablePageControls();

  CWnd* m_pCurToolBtn = nullptr;  // the button of the current tool (disabled)
  COLORREF m_crCurColor = 0;      // the current-colour button's colour
  BOOL m_bPageChangedWhileTracking = FALSE;
  int m_anBoardStyle[WB_STYLE_NUMBERS] = {};  // the six numbers of the last board style

 protected:
  // The window's surface (NULL before it is created).
  virtual CDrawSurface* BoardSurface() const = 0;
  // The owner that objects built from received payloads take (the point-to-point board).
  virtual CDlgDFP2PWhiteBoard* PayloadOwner() { return nullptr; }
  // Creates surface from its template over the window's frame control and takes the select
  // button; FALSE when it cannot be created (surface deleted, with a log line naming
  // className).
  BOOL CreateSurface(CDrawSurface* surface, UINT templateId, const char* className);
  // Destroys and deletes a surface; NULL is left alone.
  static void DeleteSurface(CDrawSurface* surface);
  // Creates bar from its template over the window's palette frame; the window owns it from
  // then on (deleted, with a log line, when it cannot be created).
  void PlaceColorBar(CColorBarDlg* bar, UINT templateId);
  // Destroys and deletes the palette bar; the owning window's destructor calls it first.
  void DeleteColorBar();
  // Fills a header (whose page/op record this adds) with the deletion of stroke on the
  // surface's current page; FALSE (header freed) when out of memory.
  BOOL FillDeletion(WbMsgHeader* header, CStrokeBase* stroke);
  // Fills a header with the content of page nPage (header type 6, op 2, one node per
  // object); FALSE (header freed) when the page is missing or memory runs out.
  BOOL FillPageContent(WbMsgHeader* header, int nPage);
  void OnTimer(UINT_PTR id) override;
  void OnOK() override {}
  void OnCancel() override {}

 private:
  void EnablePageControls(BOOL enable);
  CColorBarDlg* m_pColorBar = nullptr;
};
