// CDlgDFShareWhiteBoard: the shared-document whiteboard window, as far as its drawing surface
// needs it: it owns the surface, screens and hands it every received record, sends deletions
// to the document-share sub-conference, and reads and writes the board as an XWB document.
#pragma once

#include "whiteboard/windows/WbBoardWindow.h"

class CShareDrawContentDlg;

// The window's template; its controls are those of the conference whiteboard.
constexpr UINT IDD_DF_SHARE_WHITEBOARD = 764;

class CDlgDFShareWhiteBoard : public CWbBoardWindow {
 public:
  CDlgDFShareWhiteBoard();
  ~CDlgDFShareWhiteBoard() override;

  // Creates the window (hidden) and its surface.
  BOOL CreateBoard(CWnd* parent);
  // Opens the board of a conference with document share: shown, with one empty page on a
  // 1600 x 1200 canvas until a document or a member's page fills it.
  void StartBoard();
  CShareDrawContentDlg* GetSurface() const { return m_pDrawContent; }

  // Drops a synchronisation without payload, keeps a page-content record's page count in the
  // surface, shows the record's page in the page controls when this member lacks the control
  // right, then hands the record to the surface.
  void DispatchBoardRecord(void* record) override;

  // ---- IWbBoardChannel: the conference's document-share sub-conference ----
  // NewShareWbMsgHeader: the conference URI, the data-conference id and the document-share
  // sub-conference.
  WbMsgHeader* NewBoardHeader(DWORD type, DWORD value) override;
  BYTE HeaderKind() const override { return WB_HEADER_SHARE; }
  int ConfType() const override { return WB_CONFTYPE_CONF; }
  BOOL CanSend() const override { return TRUE; }

  // ---- CSurfaceOwner ----
  // The board closed: every page goes and the window hides.
  void OnBoardClosed(int reserved) override;
  // The page controls show the remote pages (DispatchBoardRecord), so emptying the board and
  // applying a page leave them alone.
  int ClearBoard() override;
  void ShowReceivedPage(int) override {}
  // The share window keeps its focus and controls when an object is deleted, and has no
  // current-colour button.
  void OnSelectedDeleted() override {}
  void ShowSelectedColor(COLORREF) override {}

  // The board as an XWB document, and back (FALSE for a malformed document).
  CString WriteXwbDocument();
  CString BoardDocument() override { return WriteXwbDocument(); }
  BOOL ReadXwbDocument(const char* pszDoc, size_t nLength);

  // Set on every change of the board, cleared when the board is saved.
  BOOL m_bContentChanged = FALSE;
  // The conference window passes the document-share control right as the host gives it or
  // takes it back: while this member holds it, the page controls follow the local user, not
  // received records.
  void SetControlRight(BOOL held) { m_bHasControlRight = held; }
  BOOL HasControlRight() const { return m_bHasControlRight; }

 protected:
  BOOL OnInitDialog() override;
  // The user closes the window: a changed board is offered for saving first (Cancel keeps the
  // window); then it hides.
  void OnClose() override;
  CDrawSurface* BoardSurface() const override;

 private:
  CShareDrawContentDlg* m_pDrawContent = nullptr;
  BOOL m_bHasControlRight = FALSE;
};
