#include "setup/mmconfRecordList.h"

#include <algorithm>

#include "module/TavorineModule.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Menu.h"
#include "setup/DlgConfRecordDetail.h"
#include "setup/DlgmmConfPreCreate.h"
#include "setup/RecordListIds.h"
#include "setup/RecordListView.h"
#include "vezadazavo/VezadaZavo.h"

namespace {

const char kDeleteQuestion[] = "您确定删除会议记录！";

// The text a record shows in a column of the list.
const CString& ColumnText(const DataConfInfo& record, int column) {
  switch (column) {
    case CmmconfRecordList::kColumnTitle: return record.csTitle;
    case CmmconfRecordList::kColumnRole: return record.csStartRole;
    case CmmconfRecordList::kColumnStart: return record.csStartTime;
    default: return record.csEndTime;
  }
}

// Orders two rows by the sort column's texts, case ignored; descending puts the larger first.
int CompareRows(LPARAM first, LPARAM second, LPARAM) {
  const CString& a = ColumnText(*(const DataConfInfo*)first, CmmconfRecordList::s_iSortColumn);
  const CString& b = ColumnText(*(const DataConfInfo*)second, CmmconfRecordList::s_iSortColumn);
  int order = a.CompareNoCase(b);
  return CmmconfRecordList::s_iSortOrder == CmmconfRecordList::kSortDescending ? -order : order;
}

}  // namespace

int CmmconfRecordList::s_iSortColumn = CmmconfRecordList::kColumnStart;
int CmmconfRecordList::s_iSortOrder = CmmconfRecordList::kSortAscending;

CmmconfRecordList::CmmconfRecordList(CWnd* pParent) : CSetupPage(IDD_MMCONF_RECORDS, pParent) {
  MapNotify<CmmconfRecordList>(LVN_COLUMNCLICK, IDC_RECORD_LIST, &CmmconfRecordList::OnColumnClick);
  MapNotify<CmmconfRecordList>(NM_DBLCLK, IDC_RECORD_LIST, &CmmconfRecordList::OnDoubleClick);
  MapNotify<CmmconfRecordList>(NM_RCLICK, IDC_RECORD_LIST, &CmmconfRecordList::OnRightClick);
  MapCommand<CmmconfRecordList>(ID_RECORD_VIEW, &CmmconfRecordList::ShowDetails);
  MapCommand<CmmconfRecordList>(ID_RECORD_DELETE, &CmmconfRecordList::DeleteSelected);
}

void CmmconfRecordList::DoDataExchange(CDataExchange* dx) {
  CSetupPage::DoDataExchange(dx);
  DDX_Control(dx, IDC_RECORD_LIST, m_listRecords);
}

BOOL CmmconfRecordList::OnInitDialog() {
  CSetupPage::OnInitDialog();
  SkinPage();
  InitRecordListView(m_listRecords, m_rowHeight,
                     {{"会议主题", 210}, {"初始角色", 60}, {"加入时间", 126}, {"结束时间", 126}});
  return TRUE;
}

// ---- Listing and sorting ----

void CmmconfRecordList::Fill(const DataConfInfoList& list) {
  if (list.IsEmpty()) return;
  m_listRecords.DeleteAllItems();
  m_records.clear();
  for (int i = 0; i < list.GetSize(); ++i) {
    m_records.push_back(std::make_unique<DataConfInfo>(list[i]));
    const DataConfInfo& record = *m_records.back();
    int row = InsertRecordRow(m_listRecords, 0,
                              {record.csTitle, record.csStartRole, record.csStartTime, record.csEndTime});
    m_listRecords.SetItemData(row, (DWORD_PTR)&record);
  }
  SortRows();
}

void CmmconfRecordList::SortRows() { m_listRecords.SortItems(CompareRows, 0); }

void CmmconfRecordList::OnColumnClick(NMHDR* hdr, LRESULT*) {
  int column = ((NMLISTVIEW*)hdr)->iSubItem;
  if (column == s_iSortColumn) {
    s_iSortOrder = s_iSortOrder == kSortAscending ? kSortDescending : kSortAscending;
  } else {
    s_iSortColumn = column;
    s_iSortOrder = kSortAscending;
  }
  SortRows();
}

// ---- Details ----

void CmmconfRecordList::OnDoubleClick(NMHDR*, LRESULT*) { ShowDetails(); }

void CmmconfRecordList::ShowDetails() {
  int row = FirstSelectedRow();
  if (row < 0) return;
  CDlgConfRecordDetail detail(this);
  detail.m_pRecord = Record(row);
  TavorineModule()->RunPopupDialog(detail);
}

void CmmconfRecordList::OnRightClick(NMHDR*, LRESULT* result) {
  *result = 1;
  if (FirstSelectedRow() < 0) return;
  CMenu menu;
  if (!menu.LoadMenu(IDR_RECORD_MENU)) return;
  CMenu* popup = menu.GetSubMenu(0);
  POINT cursor;
  ::GetCursorPos(&cursor);
  if (popup) popup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, this);
}

// ---- Deletion ----

void CmmconfRecordList::DeleteSelected() {
  if (FirstSelectedRow() < 0) return;
  if (MessageBox(kDeleteQuestion, GetMsgTitle(), MB_OKCANCEL | MB_ICONQUESTION) != IDOK) return;
  for (int row = FirstSelectedRow(); row >= 0; row = FirstSelectedRow()) DeleteRow(row);
}

void CmmconfRecordList::DeleteRow(int row) {
  const DataConfInfo* record = Record(row);
  DataConfInfo saved = *record;
  m_listRecords.DeleteItem(row);
  m_records.erase(std::find_if(m_records.begin(), m_records.end(),
                               [record](const std::unique_ptr<DataConfInfo>& kept) { return kept.get() == record; }));
  TavorineModule()->DelDataConfInfoFromList(saved);
}

// ---- Keys and buttons ----

BOOL CmmconfRecordList::PreTranslateMessage(MSG* msg) {
  if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) {
    if (::GetFocus() == m_listRecords.m_hWnd) ShowDetails();
    return TRUE;
  }
  if (msg->message == WM_KEYDOWN && msg->wParam == VK_DELETE) DeleteSelected();
  return CSetupPage::PreTranslateMessage(msg);
}

void CmmconfRecordList::OnOK() {
  if (CDlgmmConfPreCreate* start = StartWindow()) start->SendMessage(WM_PRECREATE_HIDE, kHideFromCancel, 0);
}

int CmmconfRecordList::FirstSelectedRow() const { return m_listRecords.GetNextItem(-1, LVNI_SELECTED); }

const DataConfInfo* CmmconfRecordList::Record(int row) const {
  return (const DataConfInfo*)m_listRecords.GetItemData(row);
}
