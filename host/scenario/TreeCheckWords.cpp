#include "host/scenario/TreeCheckWords.h"

#include "host/scenario/ScenarioWords.h"
#include "host/scenario/WindowLookup.h"
#include "platform/Charset.h"
#include "platform/ui/CommCtrl.h"
#include "platform/ui/TreeCtrl.h"

namespace host {
namespace {

bool Expanded(CTreeCtrl* tree, HTREEITEM item) {
  return (tree->GetItemState(item, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

}  // namespace

bool IsTreeCheckVerb(const std::string& verb) { return verb == "expect-tree-item"; }

std::string CheckTreeCheck(const ScenarioStep& step) {
  const std::vector<std::string>& a = step.args;
  int id = 0;
  bool state = a.size() == 4 && (a[3] == "expanded" || a[3] == "collapsed");
  if (state && ParseInt(a[1], &id)) return "";
  return "expect-tree-item needs a window title, a tree id, a text and expanded or collapsed";
}

std::string PlayTreeCheck(const ScenarioStep& step) {
  const std::vector<std::string>& a = step.args;
  HWND control = nullptr;
  std::string missing = FindShownControl(a[0], a[1], &control);
  if (!missing.empty()) return missing;
  CTreeCtrl* tree = dynamic_cast<CTreeCtrl*>(CWnd::FromHandle(control));
  if (!tree) return "no visible tree " + a[1] + " in " + a[0];
  HTREEITEM item = FindTreeItem(tree, tree->GetRootItem(), charset::Utf8ToGbk(a[2]));
  if (!item) return "no item \"" + a[2] + "\" in tree " + a[1] + " of " + a[0];
  for (HTREEITEM above = tree->GetParentItem(item); above; above = tree->GetParentItem(above))
    if (!Expanded(tree, above)) return "the item \"" + a[2] + "\" is not shown: an item above it is collapsed";
  std::string state = Expanded(tree, item) ? "expanded" : "collapsed";
  return state == a[3] ? "" : "the item \"" + a[2] + "\" is " + state;
}

}  // namespace host
