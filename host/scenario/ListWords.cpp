#include "host/scenario/ListWords.h"

#include <vector>

#include "host/scenario/ScenarioWords.h"
#include "host/scenario/WindowLookup.h"
#include "platform/Charset.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/TreeCtrl.h"
#include "platform/ui/Wnd.h"

namespace host {
namespace {

const std::string kUnder = "under=";

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string Joined(const std::vector<std::string>& texts) {
  if (texts.empty()) return "none";
  std::string joined;
  for (const std::string& text : texts) joined += (joined.empty() ? "" : ", ") + Quoted(text);
  return joined;
}

std::string Utf8(const CString& gbk) { return charset::GbkToUtf8(gbk.str()); }

// A row word "[N]": *index = N; false for any other word.
bool RowIndex(const std::string& word, int* index) {
  if (word.size() < 3 || word.front() != '[' || word.back() != ']') return false;
  return ParseInt(word.substr(1, word.size() - 2), index) && *index >= 0;
}

// The shown control named by the step's first two words, or why the user cannot see it.
std::string FindShown(const ScenarioStep& step, CWnd** wnd) {
  const std::vector<std::string>& a = step.args;
  HWND control = nullptr;
  std::string missing = FindShownControl(a[0], a[1], &control);
  if (!missing.empty()) return missing;
  *wnd = CWnd::FromHandle(control);
  if (dynamic_cast<CTreeCtrl*>(*wnd) || dynamic_cast<CListCtrl*>(*wnd)) return "";
  return "no visible tree or list " + a[1] + " in " + a[0];
}

// The user sees an item's children only while it and every item above it are open.
bool IsOpen(const CTreeCtrl* tree, HTREEITEM item) {
  for (; item; item = tree->GetParentItem(item))
    if (!(tree->GetItemState(item, TVIS_EXPANDED) & TVIS_EXPANDED)) return false;
  return true;
}

// The texts of one level of the tree (the root level, or the children of the step's under=
// item) into *shown, what they are into *where; else why the level cannot be read.
std::string TreeLevel(const ScenarioStep& step, const CTreeCtrl* tree, const std::string* under,
                      std::vector<std::string>* shown, std::string* where) {
  const std::vector<std::string>& a = step.args;
  HTREEITEM item = tree->GetRootItem();
  *where = "the root level of tree " + a[1] + " of " + a[0] + " holds ";
  if (under) {
    HTREEITEM parent = FindTreeItem(tree, item, charset::Utf8ToGbk(*under));
    if (!parent) return "no item " + Quoted(*under) + " in control " + a[1] + " of " + a[0];
    if (!IsOpen(tree, parent)) return "the item " + Quoted(*under) + " of tree " + a[1] + " of " + a[0] + " is closed";
    item = tree->GetChildItem(parent);
    *where = "the item " + Quoted(*under) + " of tree " + a[1] + " of " + a[0] + " holds ";
  }
  for (; item; item = tree->GetNextSiblingItem(item)) shown->push_back(Utf8(tree->GetItemText(item)));
  return "";
}

std::string ExpectRows(const ScenarioStep& step) {
  const std::vector<std::string>& a = step.args;
  CWnd* wnd = nullptr;
  std::string failure = FindShown(step, &wnd);
  if (!failure.empty()) return failure;
  size_t first = 2;
  std::string under;
  if (a.size() > 2 && a[2].compare(0, kUnder.size(), kUnder) == 0) {
    under = a[2].substr(kUnder.size());
    first = 3;
  }
  std::vector<std::string> expected(a.begin() + first, a.end()), shown;
  std::string where;
  if (const CTreeCtrl* tree = dynamic_cast<CTreeCtrl*>(wnd)) {
    failure = TreeLevel(step, tree, first == 3 ? &under : nullptr, &shown, &where);
    if (!failure.empty()) return failure;
  } else {
    if (first == 3) return "control " + a[1] + " of " + a[0] + " is a list: under= names an item of a tree";
    const CListCtrl* list = dynamic_cast<CListCtrl*>(wnd);
    for (int row = 0; row < list->GetItemCount(); ++row) shown.push_back(Utf8(list->GetItemText(row, 0)));
    where = "list " + a[1] + " of " + a[0] + " holds the rows ";
  }
  return shown == expected ? "" : where + Joined(shown);
}

std::string ExpectNoItem(const ScenarioStep& step) {
  const std::vector<std::string>& a = step.args;
  CWnd* wnd = nullptr;
  std::string failure = FindShown(step, &wnd);
  if (!failure.empty()) return failure;
  std::string gbk = charset::Utf8ToGbk(a[2]);
  bool found = false;
  if (const CTreeCtrl* tree = dynamic_cast<CTreeCtrl*>(wnd))
    found = FindTreeItem(tree, tree->GetRootItem(), gbk) != nullptr;
  else
    found = FindListRow(dynamic_cast<CListCtrl*>(wnd), gbk) >= 0;
  return found ? "control " + a[1] + " of " + a[0] + " holds an item " + Quoted(a[2]) : "";
}

// The column of a list named by its index or its heading; -1 when none.
int FindColumn(const CListCtrl* list, const std::string& word) {
  int index = -1;
  bool byIndex = ParseInt(word, &index);
  std::string gbk = charset::Utf8ToGbk(word);
  char heading[256];
  LVCOLUMN column = {};
  column.mask = LVCF_TEXT;
  column.pszText = heading;
  column.cchTextMax = sizeof heading;
  for (int i = 0; list->GetColumn(i, &column); ++i)
    if (byIndex ? i == index : gbk == heading) return i;
  return -1;
}

std::string ExpectCell(const ScenarioStep& step) {
  const std::vector<std::string>& a = step.args;
  CWnd* wnd = nullptr;
  std::string failure = FindShown(step, &wnd);
  if (!failure.empty()) return failure;
  const CListCtrl* list = dynamic_cast<CListCtrl*>(wnd);
  std::string name = "list " + a[1] + " of " + a[0];
  if (!list) return "control " + a[1] + " of " + a[0] + " is a tree: it has no cells";
  int row = -1;
  if (!RowIndex(a[2], &row)) {
    std::string gbk = charset::Utf8ToGbk(a[2]);
    for (int i = 0; row < 0 && i < list->GetItemCount(); ++i)
      if (list->GetItemText(i, 0).str() == gbk) row = i;
    if (row < 0) return "no row " + Quoted(a[2]) + " in " + name;
  }
  if (row >= list->GetItemCount()) return name + " has " + std::to_string(list->GetItemCount()) + " rows";
  int column = FindColumn(list, a[3]);
  if (column < 0) return "no column " + Quoted(a[3]) + " in " + name;
  std::string shown = Utf8(list->GetItemText(row, column));
  return shown == a[4] ? "" : "the cell " + a[2] + " " + a[3] + " of " + name + " shows " + Quoted(shown);
}

}  // namespace

bool IsListVerb(const std::string& verb) {
  return verb == "expect-rows" || verb == "expect-no-item" || verb == "expect-cell";
}

std::string CheckListStep(const ScenarioStep& step) {
  const std::vector<std::string>& a = step.args;
  int id = 0, index = 0;
  bool form = a.size() >= 2 && ParseInt(a[1], &id);
  if (step.verb == "expect-rows" && !form) return "expect-rows needs a window title, a control id and the rows";
  if (step.verb == "expect-no-item" && !(form && a.size() == 3))
    return "expect-no-item needs a window title, a control id and a text";
  if (step.verb == "expect-cell") {
    bool row = a.size() == 5 && (a[2].compare(0, 1, "[") != 0 || RowIndex(a[2], &index));
    bool column = a.size() == 5 && (!ParseInt(a[3], &index) || index >= 0);
    if (!(form && row && column))
      return "expect-cell needs a window title, a control id, a row (its first column's text or [N]), a column "
             "(an index or its heading) and a text";
  }
  return CheckWindowName(a[0]);
}

std::string PlayListStep(const ScenarioStep& step) {
  if (step.verb == "expect-rows") return ExpectRows(step);
  if (step.verb == "expect-no-item") return ExpectNoItem(step);
  return ExpectCell(step);
}

}  // namespace host
