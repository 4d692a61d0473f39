// CmmconfInvite: the invite dialog of a running conference. The user picks people from the
// department tree (tree 4), the personal phone book or by typing a number; OK sends one
// invitation (conference method 1, sub-type 2) for the first row at once and hands the other
// rows to the conference window, which sends one every 500 ms on its timer 34. The conference
// window creates the dialog once and shows it again for every invitation.
#pragma once

#include "controls/TipEdit.h"
#include "controls/TreeCtrlEx.h"
#include "platform/CString.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ListCtrl.h"
#include "setup/DeptTree.h"

class CDlgDataConf;

// The number edit's tooltips: without and with a sub-conference running.
extern const char kInviteNumberTip[];
extern const char kInviteNumberTipShort[];

class CmmconfInvite : public CDialog {
 public:
  // The picked rows and the typed number go, the tree folds (OK, Cancel, the conference's end).
  void ResetContents();
  // The conference ends or the module closes: the dialogs an add runs (the receiver chooser,
  // the member-right query) end unanswered and that add stops; the next add of the user runs.
  void StopAdding();
  explicit CmmconfInvite(CWnd* pParent = nullptr);

  // Empties the department tree for the tree service to fill it again.
  void ResetDeptTree();
  // Deletes everything below the tree's root item.
  void ClearDeptTree();
  void SetNumberEditTip(CString tip);
  // TRUE when a row's number equals it; a plain telephone number never is listed.
  BOOL IsNumberInList(CString number);

  void OnBtnAddFromTree();
  void OnBtnAddNumber();
  void OnBtnPhoneBook();
  void OnBtnDelete();

  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  BOOL PreTranslateMessage(MSG* msg) override;

  CTipEdit m_editNumber;
  CListCtrl m_listInvitees;
  CButton m_btnDelete;
  CButton m_btnAdd;
  CTreeCtrlEx m_treeDept;
  CListCtrl m_listSpare;
  CString m_csNumber;
  int m_iRowCount = 0;  // rows the adds inserted; where the next row goes

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  void OnShowWindow(BOOL show, UINT status) override;
  void OnClose() override;

 private:
  // What became of one number offered to the list.
  enum class AddResult { Added, Refused, Stop };

  static CDlgDataConf* ConfWindow();
  void ShowMessage(const char* text);
  // "会场人数超过会议最大人数限制！" when the conference cannot take extraRows more rows.
  BOOL MemberLimitReached(int extraRows);
  // The conference's own state of the address: TRUE (with the message) when it is present
  // or being invited. Plain telephone numbers are not compared.
  BOOL InConference(const CString& uri, const char* connectedText, const char* connectingText);
  AddResult AddChecked(const CString& name, const CString& number);
  void InsertRow(const CString& name, const CString& number);
  AddResult AddFromPhoneBook(const CString& number, const CString& name);
  // A number from the tree; only a person's number passes the member-right check.
  AddResult AddTreeNumber(const CString& name, const CString& number, bool checkRight);
  BOOL TakePersonNumber(HTREEITEM person, CString* number);
  CString TreeLeafNumber(HTREEITEM leaf);
  void EnableConfWindow();
  void SendInvitations();
  void OnClickTree(NMHDR* hdr, LRESULT* result);
  void OnDblclkTree(NMHDR* hdr, LRESULT* result);
  void OnListSelect(NMHDR* hdr, LRESULT* result);
  void OnDblclkList(NMHDR* hdr, LRESULT* result);
  void OnSpareListClick(NMHDR* hdr, LRESULT* result);

  CSetupDeptTree m_deptTree;
  BOOL m_bAddsStopped = FALSE;  // StopAdding since the user's last add began
};
