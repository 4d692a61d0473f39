// The registration of the common control classes and their shared notification path.
#include "platform/ui/CommCtrl.h"
#include "platform/ui/ControlsInternal.h"
#include "platform/ui/DateTimeCtrl.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/ToolTipCtrl.h"
#include "platform/ui/TreeCtrl.h"
#include "platform/ui/WindowTree.h"

namespace platform {

void RegisterCommonControlClasses() {
  RegisterWindowClass({WC_LISTVIEW, ListViewClassProc, [] { return (CWnd*)new CListCtrl; }});
  RegisterWindowClass({WC_HEADER, HeaderClassProc, [] { return (CWnd*)new CHeaderCtrl; }});
  RegisterWindowClass({WC_TREEVIEW, TreeViewClassProc, [] { return (CWnd*)new CTreeCtrl; }});
  RegisterWindowClass({DATETIMEPICK_CLASS, DateTimeClassProc, [] { return (CWnd*)new CDateTimeCtrl; }});
  RegisterWindowClass({TOOLTIPS_CLASS, ToolTipClassProc, [] { return (CWnd*)new CToolTipCtrl; }});
}

LRESULT SendNotify(HWND control, UINT code, NMHDR* hdr) {
  tree::Window* w = tree::Find(control);
  if (!w || !w->parent) return 0;
  hdr->hwndFrom = control;
  hdr->idFrom = (UINT_PTR)w->id;
  hdr->code = code;
  return tree::Deliver(w->parent, WM_NOTIFY, (WPARAM)w->id, (LPARAM)hdr);
}

}  // namespace platform
