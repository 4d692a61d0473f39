// CDlgSelectReceiver: the receiver chooser. Lists the personal phone book (one row per address
// of a contact: SIP address, third number, two phone numbers), lets the user pick rows, and
// hands back the picked addresses and their names as two comma-separated texts.
#pragma once

#include "platform/CString.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ListCtrl.h"

class CDlgSelectReceiver : public CDialog {
 public:
  explicit CDlgSelectReceiver(CWnd* parent = nullptr);

  BOOL OnInitDialog() override;
  void OnOK() override;

  CString m_csNumbers;        // picked addresses, "," between them
  CString m_csNames;          // their names, "," between them
  BOOL m_bMultiSelect = TRUE;
  BOOL m_bWholeNumber = FALSE;  // phone numbers in their whole form

 protected:
  void DoDataExchange(CDataExchange* dx) override;

 private:
  void FillList();
  void AddRow(const CString& name, const CString& address);
  // Column 0 of the row, or the nearest non-empty one above it.
  CString RowName(int row) const;
  // The row's address without scheme and resource; empty when it makes none.
  CString RowAddress(int row) const;
  void OnDblclkList(NMHDR* hdr, LRESULT* result);

  CImageList m_imageList;
  CListCtrl m_list;
};
