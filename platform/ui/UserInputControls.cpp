// Acting as the user on the common controls: rows, column headers, tree items and their
// buttons, and date and time pickers, through the same mouse path as real input.
#include "platform/ui/CommCtrl.h"
#include "platform/ui/ControlsInternal.h"
#include "platform/ui/DateTimeCtrl.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/UserInput.h"
#include "platform/ui/Wnd.h"

namespace platform {
namespace user {
namespace {

POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// A point of the row of `index` on its first column (on its label, past a check box).
bool ListRowPoint(HWND list, int index, POINT* p) {
  if (!Reachable(list) || index < 0 || index >= (int)SendMessage(list, LVM_GETITEMCOUNT, 0, 0)) return false;
  SendMessage(list, LVM_ENSUREVISIBLE, (WPARAM)index, FALSE);
  RECT r;
  if (!SendMessage(list, LVM_GETITEMRECT, (WPARAM)index, (LPARAM)&r)) return false;
  int first = (int)SendMessage(list, LVM_GETCOLUMNWIDTH, 0, 0);
  p->x = (first > 0 ? first : r.right - r.left) * 3 / 4;
  p->y = (r.top + r.bottom) / 2;
  return true;
}

bool TreeLabelPoint(HWND tree, HTREEITEM item, POINT* p) {
  if (!Reachable(tree)) return false;
  RECT r;
  PutItemInRect(&r, item);
  if (!SendMessage(tree, TVM_GETITEMRECT, TRUE, (LPARAM)&r)) return false;  // inside a closed branch
  RECT client;
  GetClientRect(tree, &client);
  if (r.top < 0 || r.bottom > client.bottom) {
    SendMessage(tree, TVM_ENSUREVISIBLE, 0, (LPARAM)item);
    PutItemInRect(&r, item);
    SendMessage(tree, TVM_GETITEMRECT, TRUE, (LPARAM)&r);
  }
  *p = Centre(r);
  return true;
}

bool ClickAt(HWND hwnd, POINT p, bool right) {
  HWND target = MouseDown(hwnd, p, right);
  MouseUp(hwnd, p, right);
  return target == hwnd;
}

}  // namespace

bool ClickListItem(HWND list, int index, bool right) {
  POINT p;
  return ListRowPoint(list, index, &p) && ClickAt(list, p, right);
}

bool DoubleClickListItem(HWND list, int index) {
  POINT p;
  return ListRowPoint(list, index, &p) && DoubleClick(list, p) == list;
}

bool ClickListCheckBox(HWND list, int index) {
  POINT p;
  if (!(SendMessage(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_CHECKBOXES)) return false;
  if (!ListRowPoint(list, index, &p)) return false;
  p.x = 2;
  return ClickAt(list, p, false);
}

bool ClickListColumn(HWND list, int column) {
  HWND header = (HWND)SendMessage(list, LVM_GETHEADER, 0, 0);
  if (!Reachable(list) || !Reachable(header)) return false;
  int count = (int)SendMessage(header, HDM_GETITEMCOUNT, 0, 0);
  if (column < 0 || column >= count) return false;
  int left = 0;
  for (int i = 0; i < column; ++i) left += (int)SendMessage(list, LVM_GETCOLUMNWIDTH, (WPARAM)i, 0);
  int width = (int)SendMessage(list, LVM_GETCOLUMNWIDTH, (WPARAM)column, 0);
  RECT r;
  GetClientRect(header, &r);
  return ClickAt(header, POINT{left + width / 2, (r.top + r.bottom) / 2}, false);
}

bool ClickTreeItem(HWND tree, HTREEITEM item, bool right) {
  POINT p;
  return TreeLabelPoint(tree, item, &p) && ClickAt(tree, p, right);
}

bool DoubleClickTreeItem(HWND tree, HTREEITEM item) {
  POINT p;
  return TreeLabelPoint(tree, item, &p) && DoubleClick(tree, p) == tree;
}

bool ClickTreeButton(HWND tree, HTREEITEM item) {
  POINT label;
  if (!TreeLabelPoint(tree, item, &label)) return false;
  for (int x = 0; x < label.x; ++x) {
    TVHITTESTINFO hit = {{x, label.y}, 0, nullptr};
    SendMessage(tree, TVM_HITTEST, 0, (LPARAM)&hit);
    if (hit.hItem == item && hit.flags == TVHT_ONITEMBUTTON) return ClickAt(tree, hit.pt, false);
  }
  return false;
}

bool SetDateTime(HWND picker, const CTime& value) {
  if (!Reachable(picker) || !value.IsValid()) return false;
  SetFocus(picker);
  SYSTEMTIME st = ToSystemTime(value);
  bool accepted = SendMessage(picker, kDateTimeUserSet, 0, (LPARAM)&st) != 0;
  Desktop::PumpMessages();
  return accepted;
}

}  // namespace user
}  // namespace platform
