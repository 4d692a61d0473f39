#include "setup/DlgConfRecordDetail.h"

#include "module/TavorineModule.h"
#include "platform/Mbcs.h"
#include "platform/ui/DataExchange.h"
#include "setup/RecordListIds.h"
#include "setup/RecordListView.h"

namespace {

const size_t kEventTimeLength = 19;  // "2025-01-05 09:00:00"

}  // namespace

void SplitRecordEvent(const CString& event, CString* time, CString* text) {
  const char* bytes = event;
  size_t length = (size_t)event.GetLength();
  size_t timeEnd = mbcs::SafeCut(bytes, length, kEventTimeLength);
  size_t textStart = timeEnd < length ? timeEnd + mbcs::CharLength(bytes, length, timeEnd) : length;
  *time = event.Left((int)timeEnd);
  *text = event.Mid((int)textStart);
}

CDlgConfRecordDetail::CDlgConfRecordDetail(CWnd* pParent) : CDialog(IDD_CONF_RECORD_DETAIL, pParent) {}

void CDlgConfRecordDetail::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Control(dx, IDC_DETAIL_EVENTS, m_listEvents);
}

BOOL CDlgConfRecordDetail::OnInitDialog() {
  CDialog::OnInitDialog();
  if (CTavorineModule* module = TavorineModule()) module->SkinWindow(m_hWnd, "media.skn", "");
  InitRecordListView(m_listEvents, m_rowHeight, {{"时间", 124}, {"事件", 414}});
  if (m_pRecord) ShowRecord(*m_pRecord);
  return TRUE;
}

void CDlgConfRecordDetail::ShowRecord(const DataConfInfo& record) {
  SetDlgItemText(IDC_DETAIL_TITLE, record.csTitle);
  SetDlgItemText(IDC_DETAIL_START, record.csStartTime);
  SetDlgItemText(IDC_DETAIL_END, record.csEndTime);
  SetDlgItemText(IDC_DETAIL_ROLE, record.csStartRole);
  for (int i = 0; i < record.saEvents.GetSize(); ++i) {
    if (record.saEvents[i].IsEmpty()) continue;
    CString time, text;
    SplitRecordEvent(record.saEvents[i], &time, &text);
    InsertRecordRow(m_listEvents, m_listEvents.GetItemCount(), {time, text});
  }
}
