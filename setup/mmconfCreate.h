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
#include "setup/SetupPage.h"

struct ConfCreateParams;

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

  BOOL OnInitDialog() override;
  void OnOK() override;

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
  void CollectInitialMembers();
  int SelectedSplitScreen(int nMembers) const;

  CComboBox m_comboSplit;
  CComboBox m_comboConfType;
};
