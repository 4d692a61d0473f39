// CDlgInfoToolTip: the information box of the start window, in which the conference window
// reports the outcome of a create, book or join request. The start window creates it as its
// child (template 552), sets its caption and message text (m_csInfo, exchanged with the
// message static), and lays it out for the buttons it needs with AdjustLayout.
#pragma once

#include "platform/CString.h"
#include "platform/ui/Dialog.h"

constexpr UINT IDD_INFO_TOOLTIP = 552;
// The message static of template 552.
constexpr int IDC_INFO_TEXT = 1203;

class CDlgInfoToolTip : public CDialog {
 public:
  explicit CDlgInfoToolTip(CWnd* pParent = nullptr);

  // Shows OK and/or Cancel (a hidden button is also disabled), sizes the box to the message
  // text and places the shown buttons centred below it.
  void AdjustLayout(BOOL bOK, BOOL bCancel);

  CString m_csInfo;  // the message text

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  // OK and Cancel only hide the box: it belongs to the start window and is shown again.
  void OnOK() override;
  void OnCancel() override;
};
