// CmmconfJoin: the join page of the start window. The user types a conference URI and its
// password; OK refuses while the user is busy or a join already waits, checks the URI's form,
// brings it into "sip:" form and sends one join request (conference method 1, sub-type 6),
// then waits up to 60 seconds (timer 16) for the conference window to see the answer.
#pragma once

#include "platform/CString.h"
#include "setup/SetupPage.h"

// The join page's wait for the answer.
constexpr UINT_PTR kTimerJoinWait = 16;

class CmmconfJoin : public CSetupPage {
 public:
  explicit CmmconfJoin(CWnd* pParent = nullptr);

  // Empties the URI and the password and leaves the waiting state; a running timer 16 goes on.
  void ResetPage();
  // The answer arrived (the conference window): stops the wait.
  void StopJoinWait();

  // Checks the form of a URI as typed: no '@', or one '@' at index 63 or less with at most
  // 64 characters from it to the end.
  static BOOL IsValidConfURI(const CString& uri);
  // The URI with its "sip:" scheme in lower case, or "sip:" put in front.
  static CString WithSipScheme(const CString& uri);

  BOOL OnInitDialog() override;
  void OnOK() override;

  CString m_csConfURI;
  CString m_csConfPassword;
  BOOL m_bJoinPending = FALSE;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  void OnTimer(UINT_PTR id) override;

 private:
  CString FirstRefusal();
  void BeginJoinWait();
  void EndJoinWait();
};
