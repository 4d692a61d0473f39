// The line-width picker: an owner-drawn list of pen widths (2, 4, 8, 16 pixels), each item a
// horizontal black line of its width; the item data is the width. CLineWidthDlg shows the same
// list in a small dialog and returns the chosen width.
#pragma once

#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/OwnerDraw.h"

constexpr int kLineWidths[] = {2, 4, 8, 16};
constexpr UINT kLineWidthItemHeight = 47;
constexpr COLORREF kLineWidthItemBack = 0xC8C8C8;

class CLineWidthListBox : public CListBox {
 public:
  // Fills the list with the widths and gives every item its height; the item of nWidth
  // becomes selected (none for another width).
  void FillWidths(int nWidth);
  // The width of the selected item; LB_ERR when none is selected.
  int GetSelectedWidth() const;
  virtual void DrawItem(LPDRAWITEMSTRUCT dis);

 protected:
  void OnPaint() override;
};

// The line-width dialog and its list.
constexpr UINT IDD_LINE_WIDTH = 789;
constexpr int IDC_LINE_WIDTH_LIST = 1711;

class CLineWidthDlg : public CDialog {
 public:
  explicit CLineWidthDlg(int nWidth, CWnd* pParent = nullptr);

  CLineWidthListBox m_listWidth;
  int m_nWidth;

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  void DoDataExchange(CDataExchange* dx) override;
};
