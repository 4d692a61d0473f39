// The colour palette bar of a whiteboard window: 28 swatches and the current colour. A click on
// a swatch sets the drawing colour, or recolours the selected object and tells the other side;
// a double click redefines the swatch with the system colour dialog. The board-specific parts
// (which surface, what a recolouring marks) are virtual, so that the point-to-point bar is a thin
// subclass.
#pragma once

#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/OwnerDraw.h"

class CDlgDFWhiteBoard;
class CDrawSurface;
class CStrokeBase;

// The conference bar's template, its current-colour button and its swatches.
constexpr UINT IDD_COLOR_BAR = 573;
enum { IDC_CUR_COLOR = 1081, IDC_COLOR_SWATCH_FIRST = 1832, IDC_COLOR_SWATCH_LAST = 1859 };
constexpr int kColorSwatchCount = IDC_COLOR_SWATCH_LAST - IDC_COLOR_SWATCH_FIRST + 1;

// An owner-drawn button that is nothing but its colour over the whole client area.
class CColorFillButton : public CButton {
 public:
  COLORREF m_crColor = 0;
  virtual void DrawItem(LPDRAWITEMSTRUCT dis);

 protected:
  void OnPaint() override;
};

class CColorSwatchButton : public CColorFillButton {};
class CCurrentColorButton : public CColorFillButton {};

class CColorBarDlg : public CDialog {
 public:
  explicit CColorBarDlg(CWnd* parent = nullptr) : CColorBarDlg(IDD_COLOR_BAR, parent) {}

  // The colour of a swatch control (IDC_COLOR_SWATCH_FIRST..LAST) when the bar is made.
  static COLORREF DefaultColorOf(int controlId);
  // Sends the recolouring of one object of the owner's current page.
  void SendColorChange(CStrokeBase* pStroke);
  // The current-colour button shows color.
  void ShowCurrentColor(COLORREF color);

  CColorSwatchButton m_aSwatches[kColorSwatchCount];  // in the order the exchange binds them
  CCurrentColorButton m_btnCurColor;
  CDlgDFWhiteBoard* m_pOwner = nullptr;

 protected:
  CColorBarDlg(UINT templateId, CWnd* parent);
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  // Enter and Escape on a swatch must not close the bar.
  void OnOK() override {}
  void OnCancel() override {}

  // The drawing surface of the owner; NULL without one.
  virtual CDrawSurface* Surface() const;
  // A selected object took a new colour (the point-to-point board marks itself changed).
  virtual void OnObjectRecoloured() {}

 private:
  CColorSwatchButton& SwatchOf(int controlId);
  void OnSwatchClicked(int controlId);
  void OnSwatchDoubleClicked(int controlId);
  // Steps shared by click and double click; FALSE when there is no page to act on.
  BOOL ApplyColor(COLORREF color);
};
