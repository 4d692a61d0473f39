// CSmallInputDialog: what the small prompt dialogs share: the "media.skn" skin in
// OnInitDialog, and refusals in an information box titled GetMsgTitle() after which the dialog
// stays open.
#pragma once

#include "platform/CString.h"
#include "platform/ui/Dialog.h"

class CSmallInputDialog : public CDialog {
 public:
  CSmallInputDialog(UINT templateId, CWnd* parent) : CDialog(templateId, parent) {}

  BOOL OnInitDialog() override;

 protected:
  // Shows the refusal; when focusId is given the focus goes to that control.
  void Refuse(const char* text, int focusId = 0);
  CString ItemText(int id) const;
};
