// CmmconfPre: the book page of the start window, on which the user books a conference for a
// later time. Members come from the department tree (tree 3 of the host's tree service) and
// typed numbers; one member row may be named chair. Each member gets a notice
// entry (SMS number and e-mail address) that the notice numbers dialog edits. OK checks the
// fields, asks the server for its time, shifts the chosen start to the server's clock and
// sends the booking (conference method 1, sub-type 7); the conference window waits for the
// answer (its timer 4).
#pragma once

#include "common/ConfMethodRecord.h"
#include "controls/TipEdit.h"
#include "controls/TreeCtrlEx.h"
#include "platform/CString.h"
#include "platform/Time.h"
#include "platform/ui/Controls.h"
#include "platform/ui/ListCtrl.h"
#include "setup/DeptTree.h"
#include "setup/NoticeNumbers.h"
#include "setup/SetupOptions.h"
#include "setup/SetupPage.h"

class CmmconfPre : public CSetupPage {
 public:
  explicit CmmconfPre(CWnd* pParent = nullptr);

  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  BOOL PreTranslateMessage(MSG* msg) override;

  // Returns the page to the module's defaults with empty lists and no notice entries.
  void ResetPage();
  // Does nothing (host code 14).
  void Refresh() {}
  // Refills the conference-type list (audio, and video when the ini allows it) and the
  // split-screen list.
  void InitConfTypeCombo();
  // The department tree emptied below its root (host code 20022), or entirely (the module's
  // tree reset).
  void ClearRosterTree() { m_deptTree.ClearBelowRoot(); }
  void ResetRosterTree() { m_deptTree.Reset(); }

  // The server's time text (empty: the wait ran out, or direct mode): completes the booking
  // with the start time in the server's clock and sends it.
  void OnGotServerTimeResult(CString csServerTime);
  // Reads "year-month-day hour:minute:second" (split at '-', '-', ' ', ':', ':'); FALSE and
  // the invalid time when the text is empty or a separator is missing.
  static BOOL ParseTimeText(CString text, CTime* result);
  // "%4d-%2d-%2dT%2d:%2d:%2d" with blanks made "0" and the 'T' a blank: 2009-03-07 08:05:00.
  static CString FormatTimeText(const CTime& time);

  // The members' notice entries, keyed by (name, number).
  void UpsertNoticeEntry(CString name, CString number, CString smsNumber, int smsFlag, CString email,
                         int emailFlag);
  void RemoveNoticeEntry(CString name, CString number);
  const CNoticeNumberList& NoticeEntries() const { return m_notices; }

  int GetMemberCount() const { return m_listMembers.GetItemCount(); }
  // Adds one member row with its notice entry; FALSE (with the refusal shown) when the list is
  // full or the number is listed. source is what GetDesignatedNumberByURI is told.
  BOOL AddMember(const CString& name, const CString& number, int source);

  // Values exchanged with the controls.
  CString m_csSubject;
  int m_iMaxMembers = 0;
  int m_iDuration = 0;
  int m_iRemainNotice = 0;
  CTime m_tmStartDate;
  CTime m_tmStartTime;
  CString m_csChairPassword;
  CString m_csChairPasswordAgain;
  CString m_csMemberPassword;
  CString m_csMemberPasswordAgain;
  CString m_csVisitorPassword;
  CString m_csVisitorPasswordAgain;
  CString m_csNoticeNumber;
  CString m_csSpareText;
  int m_iNoticeType = 0;
  BOOL m_bChairLeaveNoEnd = TRUE;
  BOOL m_bLookUpSms = TRUE;
  BOOL m_bLookUpEmail = TRUE;
  BOOL m_bNoticeChair = FALSE;

  CListCtrl m_listMembers;  // "名称", "号码", "主席" ("是" for the one chair row)
  CListCtrl m_listNotices;  // typed notice numbers: "类型", "主席", "号码"
  CTipEdit m_editNumbers;
  CTreeCtrlEx m_treeDept;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  void OnShowWindow(BOOL show, UINT status) override;
  void OnTimer(UINT_PTR id) override;

 private:
  // Members and notice entries (mmconfPreMembers.cpp).
  void OnClickTree(NMHDR*, LRESULT*);
  void OnDblclkTree(NMHDR*, LRESULT*);
  void OnAddFromTree();
  using AddResult = TypedNumberResult;
  AddResult AddTypedNumber(CString number);
  void OnAddNumbers();
  void OnPhoneBook();
  void OnDeleteMembers();
  // A click on the member list or a change of its selection: delete follows the selection.
  void OnMemberSelect(NMHDR*, LRESULT*);
  void OnMemberRightClick(NMHDR*, LRESULT*);
  void ToggleChair();
  BOOL MemberListed(const CString& number) const;
  BOOL RefuseWhenFull();
  void OnAddNoticeNumber();
  void OnNoticeRightClick(NMHDR*, LRESULT*);
  void OnEditNotices();
  void EnableArrowButtons();

  // Type, split screen and defaults.
  void OnConfTypeChange();
  void ShowSplitScreen(BOOL bShow);
  void EnableOK();
  void OnImportDefaults();
  // The pickers set to the present, the other fields left as they are.
  void ShowStartFromPresent();

  // The booking (mmconfPreRequest.cpp).
  CString FirstValueRefusal(int* focusId);
  CString NoticeListRefusal() const;
  void FillBooking();
  void RequestServerTime();
  void DropBooking();
  BOOL ChosenStart(CTime* start);
  void SendBooking(const CTime& start);

  CSetupDeptTree m_deptTree;
  CComboBox m_comboConfType;
  CComboBox m_comboSplit;
  CComboBox m_comboNoticeType;
  CNoticeNumberList m_notices;
  // The booking between OK and the send, with the start as the pickers showed it at OK; empty
  // when none waits. Nothing the page shows meanwhile changes it.
  ConfBookParams m_booking;
  CTime m_tmBookDate;
  CTime m_tmBookTime;
  BOOL m_bBookingPending = FALSE;
  // Set by a reset: the next show puts the present into the pickers.
  BOOL m_bStartFromPresent = TRUE;
};
