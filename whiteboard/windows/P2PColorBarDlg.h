// The palette bar of a point-to-point whiteboard window: the conference bar acting on the
// point-to-point surface, whose records go to the peer, and marking the board changed when a
// selected object takes a new colour.
#pragma once

#include "whiteboard/windows/ColorBarDlg.h"

class CDlgDFP2PWhiteBoard;

constexpr UINT IDD_P2P_COLOR_BAR = 805;

class CP2PColorBarDlg : public CColorBarDlg {
 public:
  explicit CP2PColorBarDlg(CWnd* parent = nullptr) : CColorBarDlg(IDD_P2P_COLOR_BAR, parent) {}

  CDlgDFP2PWhiteBoard* m_pBoard = nullptr;  // the owning point-to-point window

 protected:
  CDrawSurface* Surface() const override;
  void OnObjectRecoloured() override;
};
