// CDlgEditNoticeNumbers: edits the book page's notice entries (name, number, SMS number and
// e-mail address, each address with a chair flag). Every add, change and delete goes straight
// into the book page's list; closing the dialog commits nothing further.
#pragma once

#include "platform/CString.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ListCtrl.h"

class CmmconfPre;

class CDlgEditNoticeNumbers : public CDialog {
 public:
  explicit CDlgEditNoticeNumbers(CWnd* pParent = nullptr);

  BOOL OnInitDialog() override;
  // The hidden "确定(&O)" ends nothing: the entries are already stored.
  void OnOK() override {}

  CListCtrl m_list;
  CString m_csEmail;
  CString m_csName;
  CString m_csNumber;
  CString m_csSmsNumber;
  BOOL m_bEmailChair = FALSE;
  BOOL m_bSmsChair = FALSE;
  int m_nEditRow = -1;

 protected:
  void DoDataExchange(CDataExchange* dx) override;

 private:
  // The start window's book page, NULL when there is none.
  static CmmconfPre* BookPage();
  void Fill();
  void OnAddOrChange();
  CString Refusal(int* focusId);
  void OnRowChosen(NMHDR*, LRESULT*);
  void OnRightClick(NMHDR*, LRESULT*);
  void OnDeleteRow();
  void OnClear();
  // Name and number editable again, the button back to "添加(&A)".
  void EndChange();
  void ShowMessage(const char* text);
};
