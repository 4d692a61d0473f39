// What the two record lists (the records page's and the detail dialog's) share: report view,
// full-row select, rows 16 pixels high, and their columns.
#pragma once

#include <initializer_list>

#include "platform/ui/ImageList.h"
#include "platform/ui/ListCtrl.h"

struct RecordListColumn {
  const char* heading;
  int width;
};

// Sets up `list` with the columns; `rowHeight` becomes its 1 x 16 small-icon list, which fixes
// the row height, and must live as long as the list.
void InitRecordListView(CListCtrl& list, CImageList& rowHeight, std::initializer_list<RecordListColumn> columns);

// Inserts a row of texts (the first in column 0) at `index`; returns the row's index.
int InsertRecordRow(CListCtrl& list, int index, std::initializer_list<const char*> texts);
