// CTipEdit: the number edit of the set-up windows, with a tooltip of its own that shows the
// dialling hint while the mouse rests on it.
#pragma once

#include "platform/ui/Controls.h"
#include "platform/ui/ToolTipCtrl.h"

class CTipEdit : public CEdit {
  DECLARE_DYNAMIC(CTipEdit)

 public:
  // Gives the edit the tooltip text: creates the tooltip (TTS_ALWAYSTIP) the first time and
  // tells the user when the system cannot; later calls change the text.
  void AddTool(CString text);
  // The tooltip, NULL until AddTool created it.
  CToolTipCtrl* GetToolTip() { return tip_.GetSafeHwnd() ? &tip_ : nullptr; }

  BOOL PreTranslateMessage(MSG* msg) override;

 private:
  CToolTipCtrl tip_;
};
