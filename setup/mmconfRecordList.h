// CmmconfRecordList: the conference records page of the start window. It lists the
// conferences the user took part in (the module's saved conference list), sorts them by any
// column, shows one in the detail dialog and deletes records after a confirmation, which also
// rewrites the saved list.
#pragma once

#include <memory>
#include <vector>

#include "module/DataConfList.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ListCtrl.h"
#include "setup/SetupIds.h"
#include "setup/SetupPage.h"

class CmmconfRecordList : public CSetupPage {
 public:
  explicit CmmconfRecordList(CWnd* pParent = nullptr);

  // Lists the records of `list`, each row keeping its own copy of its record, sorted by the
  // sort state; an empty list changes nothing.
  void Fill(const DataConfInfoList& list);

  BOOL OnInitDialog() override;
  // "退出(&E)": the start window hides itself.
  void OnOK() override;
  // Enter opens the details (when the list has the focus) and goes no further; Delete deletes
  // the selected records and goes on.
  BOOL PreTranslateMessage(MSG* msg) override;

  // The sort state, shared by every records page for the life of the process.
  enum Column { kColumnTitle = 0, kColumnRole = 1, kColumnStart = 2, kColumnEnd = 3 };
  static constexpr int kSortAscending = 16;
  static constexpr int kSortDescending = 32;
  static int s_iSortColumn;
  static int s_iSortOrder;

  // The records: column 0 title, 1 start role, 2 start time, 3 end time.
  CListCtrl m_listRecords;

 protected:
  void DoDataExchange(CDataExchange* dx) override;

 private:
  void SortRows();
  void OnColumnClick(NMHDR* hdr, LRESULT* result);
  void OnDoubleClick(NMHDR* hdr, LRESULT* result);
  void OnRightClick(NMHDR* hdr, LRESULT* result);
  // The first selected row's record in the detail dialog, run in the module's pop-up slot.
  void ShowDetails();
  // After one confirmation, removes every selected row and its saved record.
  void DeleteSelected();
  void DeleteRow(int row);
  int FirstSelectedRow() const;
  const DataConfInfo* Record(int row) const;

  CImageList m_rowHeight;
  // The rows' records (their item data), stable while the module's list changes.
  std::vector<std::unique_ptr<DataConfInfo>> m_records;
};
