// CmmconfCreate: the create page of the start window. The user picks the conference type,
// split screen, maximum members, duration, remaining-time notice, subject and the three
// passwords with their confirmations; OK checks them in a fixed order, refuses while the user
// is busy, sends one create request (conference method 1, sub-type 1), hands the chosen
// member numbers to the conference window and makes it wait 60 seconds for the answer.
#pragma once

#include "controls/TipEdit.h"
#include "controls/TreeCtrlEx.h"
#include "platform/CString.h"
#include "platform/ui/Controls.h"
#include "platform/ui/ListCtrl.h"
#include "setup/DeptTree.h"
#include "setup/SetupOptions.h"
#include "setup/SetupPage.h"

struct ConfCreateParams;
class CDlgDataConf;

class CmmconfCreate : public CSetupPage {
 public:
  explicit CmmconfCreate(CWnd* pParent = nullptr);

  // Refills the conference-type list (rights, "ConfType" of Vexlon.ini) and the split-screen
  // list (capabilities of the media server).
  void InitConfTypeCombo();
  // Refills the page from the module's conference defaults.
  void ResetPage();
  // Number of rows of the member list.
  int GetMemberCount() const;

  // ---- Members and the department tree (mmconfCreateMembers.cpp) ----
  // Adds numbers given by the host (";" between them) like typed numbers, without messages
  // except the row limit; TRUE when every number was handled.
  BOOL AddMemberNumbers(CString csNumbers);
  // TRUE when a row's number equals it byte for byte; a plain telephone number never is listed.
  BOOL IsNumberInList(CString number);
  // Empties the department tree below its root item, or entirely; the current item is forgotten.
  void ClearRosterTree();
  void ResetRosterTree();
  // Collapses every person from item on and forgets its number leaves. Always 0.
  int FoldDeptTree(CTreeCtrl* tree, HTREEITEM item);
  void OnBtnAddFromTree();
  void OnBtnDelete();
  void OnBtnAddNumber();
  void OnPhoneBook();

  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  BOOL PreTranslateMessage(MSG* msg) override;

  // Values exchanged with the controls.
  CString m_csSubject;
  CString m_csNumbers;
  CString m_csConfTypeText;
  CString m_csChairPassword;
  CString m_csMemberPassword;
  CString m_csVisitorPassword;
  int m_iDuration = 0;
  int m_iMaxMembers = 0;
  CString m_csMemberPasswordAgain;
  CString m_csVisitorPasswordAgain;
  CString m_csChairPasswordAgain;
  int m_iRemainNotice = 0;
  BOOL m_bChairLeaveNoEnd = TRUE;
  int m_iRowCounter = 0;  // where the next member row goes
  // The chosen members: column 0 the name, column 1 the number or URI.
  CListCtrl m_listMembers;
  // The typed member numbers, with the dialling hint as its tooltip.
  CTipEdit m_editNumbers;
  // The department tree, filled by the host's tree service.
  CTreeCtrlEx m_treeDept;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  void OnShowWindow(BOOL show, UINT status) override;

 private:
  void AddConfType(UINT textId, int iConfType);
  void FillConfTypeCombo();
  void FillSplitScreenCombo();
  void ShowSplitScreen(BOOL bShow);
  void SetNumberTip(int iConfType);
  void OnConfTypeChange();
  void OnImportDefaults();
  void EnableOK();

  // The request (mmconfCreateRequest.cpp).
  CString FirstFieldRefusal(int* focusId);
  CString FirstValueRefusal();
  ConfCreateParams CreateParams();
  void SendCreateRequest();
  BOOL BeginCreateWait(CDlgDataConf& conf, const ConfCreateParams& params);
  void CancelCreateWait(CDlgDataConf& conf, int iConfType, BOOL bRegistered, BOOL bEarlierTimedOut);
  void CollectInitialMembers();
  int SelectedSplitScreen(int nMembers) const;

  // Members (mmconfCreateMembers.cpp).
  using AddResult = TypedNumberResult;
  AddResult AddTypedNumber(CString token, bool quiet);
  CString AddTypedNumbers(const CString& text, bool quiet, AddResult* end);
  AddResult AddChecked(const CString& name, const CString& number);
  void InsertMember(const CString& name, const CString& number);
  BOOL RowLimitReached(int extraRows);
  void AddLeafFromTree(HTREEITEM leaf);
  void AddPersonFromTree(HTREEITEM person);
  void FoldTree();
  void OnMemberListSelect(NMHDR* hdr, LRESULT* result);
  void OnSpareListSelect(NMHDR* hdr, LRESULT* result);
  void OnDblclkMemberList(NMHDR* hdr, LRESULT* result);
  void OnClickRosterTree(NMHDR* hdr, LRESULT* result);
  void OnDblclkRosterTree(NMHDR* hdr, LRESULT* result);
  void MapMemberHandlers();

  CComboBox m_comboSplit;
  CComboBox m_comboConfType;
  CSetupDeptTree m_deptTree;
};
