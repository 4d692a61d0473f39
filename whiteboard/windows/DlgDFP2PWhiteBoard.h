// CDlgDFP2PWhiteBoard: the point-to-point whiteboard window, one per peer. It owns the
// point-to-point drawing surface, its palette bar and page box, keeps the session data that its
// surface and its record headers read (peer, conference id, live and changed flags), and is the
// board's channel: its records go to the peer (nConfType 1) while the session is live.
#pragma once

#include "platform/CString.h"
#include "platform/Win32Types.h"
#include "whiteboard/windows/PageNumEdit.h"
#include "whiteboard/windows/WbBoardWindow.h"

class CP2PDrawContentDlg;

// The window's template; its controls are those of the conference whiteboard.
constexpr UINT IDD_DF_P2P_WHITEBOARD = 803;

class CDlgDFP2PWhiteBoard : public CWbBoardWindow {
 public:
  CDlgDFP2PWhiteBoard();
  ~CDlgDFP2PWhiteBoard() override;
  CDlgDFP2PWhiteBoard(const CDlgDFP2PWhiteBoard&) = delete;
  CDlgDFP2PWhiteBoard& operator=(const CDlgDFP2PWhiteBoard&) = delete;

  // Creates the window (hidden) and its surface.
  BOOL CreateBoard(CWnd* parent);
  CP2PDrawContentDlg* GetSurface() const { return m_pDrawContent; }
  // The board's first page: page 1, current, on a 1600 x 1200 canvas.
  BOOL CreatePageForP2P();

  // The session's conference id.
  CString GetConfID() const { return m_csConfID; }
  void SetConfID(const char* confId) { m_csConfID = confId; }
  // The peer's URI, at most 256 characters; "" when none.
  const char* GetPeerURI() const { return m_szPeerURI; }
  void SetPeerURI(const char* uri);

  // ---- IWbBoardChannel: the peer ----
  // NewP2PWbMsgHeader: the peer's URI, the session's conference id, sub-conference 0.
  WbMsgHeader* NewBoardHeader(DWORD type, DWORD value) override;
  BYTE HeaderKind() const override { return WB_HEADER_P2P; }
  int ConfType() const override { return WB_CONFTYPE_P2P; }
  // Only while the session is live.
  BOOL CanSend() const override { return m_bBoardLive; }

  // Set by the module while the data exchange with the peer runs; nothing is sent without it.
  BOOL m_bBoardLive = FALSE;
  // Set on every change of the board, cleared when the board is saved.
  BOOL m_bContentChanged = TRUE;
  // Whether the board holds objects changed since it was last saved: what its save offer is for.
  BOOL HoldsUnsavedDrawing() const;
  // The board's sub-conference value: always 0 point to point.
  int m_nSubConfValue = 0;
  CP2PPageNumEdit m_editPageNo;  // the page-number box (IDC_WB_PAGE_NO)

 protected:
  BOOL OnInitDialog() override;
  // The user closes the board: a changed board is offered for saving first (Cancel keeps it);
  // then the module ends its session, and the board goes (freed once the handlers running on it
  // have returned).
  void OnClose() override;
  CDrawSurface* BoardSurface() const override;

 private:
  CP2PDrawContentDlg* m_pDrawContent = nullptr;
  CString m_csConfID;
  char m_szPeerURI[257] = {};
};
