// The system font dialog: a modal dialog (through the desktop's modal loop) that starts with the
// LOGFONT and colour it was given and ends with the chosen ones. Headless, the user (a test or a
// scenario) picks a font with SetCurrentFont and SetCurrentColor inside the loop and ends it
// with OK or Cancel.
#pragma once

#include "platform/gdi/Font.h"
#include "platform/ui/Dialog.h"

#define CF_SCREENFONTS 0x00000001
#define CF_INITTOLOGFONTSTRUCT 0x00000040
#define CF_EFFECTS 0x00000100

class CDC;

struct CHOOSEFONT {
  DWORD lStructSize;
  HWND hwndOwner;
  LPLOGFONT lpLogFont;
  INT iPointSize;  // tenths of a point
  DWORD Flags;
  COLORREF rgbColors;
};

class CFontDialog : public CDialog {
  DECLARE_DYNAMIC(CFontDialog)

 public:
  // The dialog's caption and its template id (the platform's own).
  static const char* const kCaption;
  static const UINT kTemplateId = 0xF1C1;

  // Starts with *initial (when given) and black.
  explicit CFontDialog(const LOGFONT* initial = nullptr, DWORD flags = CF_EFFECTS | CF_SCREENFONTS,
                       CDC* printer = nullptr, CWnd* parent = nullptr);

  void GetCurrentFont(LOGFONT* font) const { *font = m_lf; }
  COLORREF GetColor() const { return m_cf.rgbColors; }
  // The chosen size in tenths of a point (96 pixels to the inch).
  int GetSize() const { return m_cf.iPointSize; }
  // What the dialog shows (and returns on OK).
  void SetCurrentFont(const LOGFONT& font);
  void SetCurrentColor(COLORREF color) { m_cf.rgbColors = color; }

  CHOOSEFONT m_cf = {};
  LOGFONT m_lf = {};
};
