// CDlgDFWhiteBoard: the conference whiteboard window, as far as its drawing surface needs it:
// it owns the surface, hands it every received record (WM_USER+1000), builds, changes and
// deletes the objects that records name, sends deletions, and keeps the select tool, the
// current colour, the line-width list and the page controls the surface touches.
#pragma once

#include "platform/ui/Dialog.h"
#include "whiteboard/model/WbRecords.h"
#include "whiteboard/surface/SurfaceOwner.h"

class CDrawContentDlg;

// The window's template and the controls the surface touches.
enum {
  IDD_DF_WHITEBOARD = 570,
  IDC_WB_SELECT_TOOL = 1810,
  IDC_WB_CUR_COLOR = 1811,
  IDC_WB_LINE_WIDTH = 1812,
  IDC_WB_PAGE_NO = 1813,
  IDC_WB_PAGE_NO2 = 1814,
  IDC_WB_PAGE_COUNT = 1815,
  IDC_WB_SURFACE_FRAME = 1816,
};
// Timer 1: the page controls come back 500 ms after a page jump.
constexpr UINT_PTR kWbTimerPageControls = 1;
constexpr UINT kWbPageControlsDelayMs = 500;

class CDlgDFWhiteBoard : public CDialog, public CSurfaceOwner {
 public:
  CDlgDFWhiteBoard();
  ~CDlgDFWhiteBoard() override;

  // Creates the window (hidden) and its surface.
  BOOL CreateBoard(CWnd* parent);
  CDrawContentDlg* GetSurface() const { return m_pDrawContent; }

  // ---- Received records ----
  // Hands a received whiteboard record to the surface (synchronously).
  void DispatchBoardRecord(void* record);
  // The conference whiteboard that takes a received record: the one of the running
  // whiteboard sub-conference that the record names; NULL when none does.
  static CDlgDFWhiteBoard* FindForRecord(const void* record);

  // ---- CSurfaceOwner ----
  void OnBoardStyle(void* record) override;
  void OnBoardSync(void* record) override;
  void OnBoardClosed(int reserved) override;
  int ClearBoard() override;
  void OnPageContent(void* record) override;
  void OnStrokeAdd(void* payload, CStrokePage* page) override;
  void OnStrokeModify(void* payload, CStrokePage* page) override;
  int OnStrokeDelete(void* payload, CStrokePage* page) override;
  int SendStroke(CStrokeBase* stroke) override;
  BOOL& PageChangedWhileTracking() override { return m_bPageChangedWhileTracking; }
  void ReturnToSelectTool() override;
  void ShowSelectedColor(COLORREF color) override;
  void OnSelectedDeleted() override;
  void ShowReceivedPage(int page) override;

  // Disables the page controls and enables them again 500 ms later.
  int DisablePageControls();
  // Sends the content of page nPage (header type 6, op 2, one node per object).
  void SendPageContent(int nPage);

  CWnd* m_pCurToolBtn = nullptr;          // the button of the current tool (disabled)
  COLORREF m_crCurColor = 0;              // the current-colour button's colour
  BOOL m_bPageChangedWhileTracking = FALSE;
  BOOL m_bPageTurning = FALSE;            // the page box acts only while it is set
  int m_anBoardStyle[WB_STYLE_NUMBERS] = {};  // the six numbers of the last board style

 protected:
  BOOL OnInitDialog() override;
  void OnTimer(UINT_PTR id) override;
  void OnOK() override {}
  void OnCancel() override {}

 private:
  void EnablePageControls(BOOL enable);
  CDrawContentDlg* m_pDrawContent = nullptr;
};

// Host code 8, kind 1: gives a received whiteboard record to the conference whiteboard of its
// sub-conference; FALSE when no window takes it.
BOOL RouteConfWhiteboardRecord(void* record);
