#include "tests/platform/NotifyLog.h"

#include <algorithm>

#include "platform/ui/TreeCtrl.h"

namespace tavtest {
namespace {

std::string TreeText(HWND tree, HTREEITEM item) {
  if (!item) return "-";
  CTreeCtrl* t = (CTreeCtrl*)CWnd::FromHandle(tree);
  return t->GetItemText(item).GetString();
}

bool IsTree(HWND hwnd) { return CWnd::FromHandle(hwnd)->GetClassName().CompareNoCase(WC_TREEVIEW) == 0; }

}  // namespace

std::string NotifyLog::States(UINT state) {
  std::string s;
  if (state & LVIS_SELECTED) s += "sel+";
  if (state & LVIS_FOCUSED) s += "foc+";
  if (state & LVIS_STATEIMAGEMASK) s += "check" + std::to_string(((state & LVIS_STATEIMAGEMASK) >> 12) - 1) + "+";
  return s.empty() ? "0" : s.substr(0, s.size() - 1);
}

std::string NotifyLog::Describe(NMHDR* hdr) const {
  auto* lv = (NMLISTVIEW*)hdr;
  auto* tv = (NMTREEVIEW*)hdr;
  HWND from = hdr->hwndFrom;
  switch (hdr->code) {
    case LVN_ITEMCHANGING: return "changing " + std::to_string(lv->iItem);
    case LVN_ITEMCHANGED:
      return "changed " + std::to_string(lv->iItem) + " " + States(lv->uOldState) + ">" + States(lv->uNewState);
    case LVN_INSERTITEM: return "insert " + std::to_string(lv->iItem);
    case LVN_DELETEITEM: return "delete " + std::to_string(lv->iItem);
    case LVN_DELETEALLITEMS: return "deleteall";
    case LVN_COLUMNCLICK: return "column " + std::to_string(lv->iSubItem);
    case LVN_KEYDOWN: return "key " + std::to_string(((NMLVKEYDOWN*)hdr)->wVKey);
    case TVN_KEYDOWN: return "key " + std::to_string(((NMTVKEYDOWN*)hdr)->wVKey);
    case TVN_SELCHANGING: return "selchanging " + TreeText(from, tv->itemNew.hItem);
    case TVN_SELCHANGED:
      return "selchanged " + TreeText(from, tv->itemOld.hItem) + ">" + TreeText(from, tv->itemNew.hItem) + " " +
             std::to_string(tv->action);
    case TVN_ITEMEXPANDING:
      return std::string(tv->action == TVE_EXPAND ? "expanding " : "collapsing ") + TreeText(from, tv->itemNew.hItem);
    case TVN_ITEMEXPANDED:
      return std::string(tv->action == TVE_EXPAND ? "expanded " : "collapsed ") + TreeText(from, tv->itemNew.hItem);
    case TVN_DELETEITEM: return "delete " + TreeText(from, tv->itemOld.hItem);
    case DTN_DATETIMECHANGE: {
      const SYSTEMTIME& st = ((NMDATETIMECHANGE*)hdr)->st;
      return "datetime " + std::to_string(st.wYear) + "-" + std::to_string(st.wMonth) + "-" + std::to_string(st.wDay) +
             " " + std::to_string(st.wHour) + ":" + std::to_string(st.wMinute);
    }
  }
  std::string name = "code " + std::to_string((int)hdr->code);
  if (hdr->code == NM_CLICK) name = "click";
  if (hdr->code == NM_DBLCLK) name = "dblclk";
  if (hdr->code == NM_RCLICK) name = "rclick";
  if (!IsTree(from)) name += " " + std::to_string(((NMITEMACTIVATE*)hdr)->iItem);
  return name;
}

BOOL NotifyLog::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
  auto* hdr = (NMHDR*)lParam;
  if (std::find(ignored.begin(), ignored.end(), hdr->code) == ignored.end()) lines.push_back(Describe(hdr));
  *result = answer ? answer(hdr) : 0;
  CWnd::OnNotify(wParam, lParam, result);
  return TRUE;
}

void NotifyLog::OnContextMenu(CWnd* wnd, CPoint) {
  lines.push_back("contextmenu " + std::to_string(wnd ? wnd->GetDlgCtrlID() : 0));
}

}  // namespace tavtest
