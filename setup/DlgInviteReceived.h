// CDlgInviteReceived: the invitation to a conference ("收到加入多媒体会议邀请"). Shows the
// conference URI, subject, creator and conference type read-only and returns which button
// ended it: IDOK join, IDCANCEL refuse, -1 ended from outside without an answer. The
// conference window fills, runs and discards it (CDlgDataConf::OnInviteReceived).
#pragma once

#include "platform/CString.h"
#include "platform/ui/Dialog.h"
#include "setup/InviteIds.h"

class CDlgInviteReceived : public CDialog {
 public:
  explicit CDlgInviteReceived(CWnd* pParent = nullptr);

  CString m_csCreator;
  CString m_csSubject;
  CString m_csConfType;
  CString m_csConfURI;
  // 0: Cancel (Esc, the close box) ends the dialog with -1, so that no answer goes out.
  int m_bAnswerAllowed = 1;

  BOOL OnInitDialog() override;
  void OnCancel() override;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
};
