#include "whiteboard/windows/P2PColorBarDlg.h"

#include "whiteboard/windows/DlgDFP2PWhiteBoard.h"
#include "whiteboard/windows/P2PDrawContentDlg.h"

CDrawSurface* CP2PColorBarDlg::Surface() const { return m_pBoard ? m_pBoard->GetSurface() : nullptr; }

void CP2PColorBarDlg::OnObjectRecoloured() {
  if (m_pBoard) m_pBoard->m_bContentChanged = TRUE;
}
