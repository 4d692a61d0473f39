// The point-to-point whiteboard: the session data that its board, its strokes and its record
// headers read (peer, conference id, live and changed flags, canvas size).
#pragma once

#include "platform/CString.h"
#include "platform/Win32Types.h"

class CDlgDFP2PWhiteBoard {
 public:
  CDlgDFP2PWhiteBoard() = default;
  CDlgDFP2PWhiteBoard(const CDlgDFP2PWhiteBoard&) = delete;
  CDlgDFP2PWhiteBoard& operator=(const CDlgDFP2PWhiteBoard&) = delete;

  // The session's conference id.
  CString GetConfID() const { return m_csConfID; }
  void SetConfID(const char* confId) { m_csConfID = confId; }
  // The peer's URI, at most 256 characters; "" when none.
  const char* GetPeerURI() const { return m_szPeerURI; }
  void SetPeerURI(const char* uri);

  // Set by the module while the data exchange with the peer runs; nothing is sent without it.
  BOOL m_bBoardLive = FALSE;
  // Set on every change of the board, cleared when the board is saved.
  BOOL m_bContentChanged = TRUE;
  // Set when a received record changes the page while the surface tracks a selection.
  BOOL m_bPageChangedWhileTracking = FALSE;
  // The board's sub-conference value: always 0 point to point.
  int m_nSubConfValue = 0;
  // The surface's canvas size, set when the first page is created, on a board
  // synchronisation and when a document is opened.
  int m_nCanvasWidth = 0;
  int m_nCanvasHeight = 0;

 private:
  CString m_csConfID;
  char m_szPeerURI[257] = {};
};
