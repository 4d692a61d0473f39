// CDlgConfRecordDetail: one past conference in full: its title, start and end time, the
// user's role at the start, and its events with their times.
#pragma once

#include "module/DataConfList.h"
#include "platform/CString.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ListCtrl.h"

class CDlgConfRecordDetail : public CDialog {
 public:
  explicit CDlgConfRecordDetail(CWnd* pParent = nullptr);

  BOOL OnInitDialog() override;

  // The record shown; the caller sets it before running the dialog.
  const DataConfInfo* m_pRecord = nullptr;
  // The events: column 0 the time, column 1 the event text.
  CListCtrl m_listEvents;

 protected:
  void DoDataExchange(CDataExchange* dx) override;

 private:
  void ShowRecord(const DataConfInfo& record);

  CImageList m_rowHeight;
};

// Splits a saved event into its time (the first 19 characters) and its text (what follows the
// separator after them); a double-byte character is never cut in half.
void SplitRecordEvent(const CString& event, CString* time, CString* text);
