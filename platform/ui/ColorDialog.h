// The system colour dialog: a modal dialog (through the desktop's modal loop) that starts with
// m_cc.rgbResult and ends with the chosen colour there. Headless, the user (a test or a
// scenario) picks a colour with SetCurrentColor inside the loop and ends it with OK or Cancel.
#pragma once

#include "platform/ui/Dialog.h"

#define CC_RGBINIT 0x00000001

struct CHOOSECOLOR {
  DWORD lStructSize;
  HWND hwndOwner;
  COLORREF rgbResult;
  COLORREF* lpCustColors;
  DWORD Flags;
};

class CColorDialog : public CDialog {
  DECLARE_DYNAMIC(CColorDialog)

 public:
  // The dialog's caption and its template id (the platform's own).
  static const char* const kCaption;
  static const UINT kTemplateId = 0xF1C0;

  explicit CColorDialog(COLORREF initial = 0, DWORD flags = 0, CWnd* parent = nullptr);
  COLORREF GetColor() const { return m_cc.rgbResult; }
  // The colour the dialog shows (and returns on OK).
  void SetCurrentColor(COLORREF color) { m_cc.rgbResult = color; }

  CHOOSECOLOR m_cc = {};
};
