#include "setup/RecordListView.h"

namespace {

const int kRowHeight = 16;

}  // namespace

void InitRecordListView(CListCtrl& list, CImageList& rowHeight, std::initializer_list<RecordListColumn> columns) {
  if (!rowHeight.GetSafeHandle()) rowHeight.Create(1, kRowHeight, ILC_COLOR, 1, 1);
  list.SetImageList(&rowHeight, LVSIL_SMALL);
  list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
  int column = 0;
  for (const RecordListColumn& entry : columns) list.InsertColumn(column++, entry.heading, LVCFMT_LEFT, entry.width);
}

int InsertRecordRow(CListCtrl& list, int index, std::initializer_list<const char*> texts) {
  int row = -1, column = 0;
  for (const char* text : texts) {
    if (column == 0) row = list.InsertItem(index, text);
    else list.SetItemText(row, column, text);
    ++column;
  }
  return row;
}
