// CDlgDFWhiteBoard: the conference whiteboard window, as far as its drawing surface needs it:
// it owns the surface, its palette bar, line-width list and page box, and sends deletions and
// page content to the conference. The conference window owns it and hands it the records of
// its sub-conference. What it shares with the other whiteboard windows lives in CWbBoardWindow.
#pragma once

#include "protocol/WbRecords.h"
#include "whiteboard/windows/PageNumEdit.h"
#include "whiteboard/windows/WbBoardWindow.h"

class CDrawContentDlg;

// The window's template and the controls the surface touches.
enum {
  IDD_DF_WHITEBOARD = 570,
  IDC_WB_SELECT_TOOL = 1810,
  IDC_WB_CUR_COLOR = 1811,  // the current colour of a board without a palette bar
  IDC_WB_LINE_WIDTH = 1812,
  IDC_WB_PAGE_NO = 1813,
  IDC_WB_PAGE_NO2 = 1814,
  IDC_WB_PAGE_COUNT = 1815,
  IDC_WB_SURFACE_FRAME = 1816,
  IDC_WB_COLOR_BAR_FRAME = 1817,
};
// Timer 1: the page controls come back 500 ms after a page jump.
constexpr UINT_PTR kWbTimerPageControls = 1;
constexpr UINT kWbPageControlsDelayMs = 500;

class CDlgDFWhiteBoard : public CWbBoardWindow {
 public:
  CDlgDFWhiteBoard();
  ~CDlgDFWhiteBoard() override;
  CDlgDFWhiteBoard(const CDlgDFWhiteBoard&) = delete;
  CDlgDFWhiteBoard& operator=(const CDlgDFWhiteBoard&) = delete;

  // Creates the window (hidden) and its surface.
  BOOL CreateBoard(CWnd* parent);
  CDrawContentDlg* GetSurface() const { return m_pDrawContent; }

  // ---- IWbBoardChannel: the conference's whiteboard sub-conference ----
  // NewWbMsgHeader: the conference URI, the whiteboard's id text and sub-conference.
  WbMsgHeader* NewBoardHeader(DWORD type, DWORD value) override;
  BYTE HeaderKind() const override { return WB_HEADER_CONF; }
  int ConfType() const override { return WB_CONFTYPE_CONF; }
  BOOL CanSend() const override { return TRUE; }

  // Opens the board of a conference whose whiteboard runs: shown, with its first page, and its
  // board style sent. The conference's creator presents; a member who joined follows and asks
  // for the board's current content.
  void StartBoard(BOOL joined);
  // The presenter alone turns and adds the board's pages: its page box and new-page button
  // act; the other members' are greyed and they follow the presenter's pages. The host's
  // control right of the whiteboard moves the role.
  void SetPresenter(BOOL presenter);
  BOOL MayTurnPages() const override { return m_bPageTurning; }
  // A received page shows its number and the board's page count.

  BOOL m_bPageTurning = FALSE;        // the page box acts only while it is set: the presenter
  CWBPageNumEdit m_editPageNo;        // the page-number box (IDC_WB_PAGE_NO)

 protected:
  BOOL OnInitDialog() override;
  CDrawSurface* BoardSurface() const override;

 private:
  void CreateControls();
  CDrawContentDlg* m_pDrawContent = nullptr;
};
