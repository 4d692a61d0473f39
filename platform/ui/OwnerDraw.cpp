#include "platform/ui/OwnerDraw.h"

#include "platform/ui/Wnd.h"
#include "platform/ui/WindowSurface.h"

namespace platform {
namespace {

DRAWITEMSTRUCT ItemOf(CWnd* control, UINT type, CDC& dc) {
  DRAWITEMSTRUCT dis = {};
  dis.CtlType = type;
  dis.CtlID = (UINT)control->GetDlgCtrlID();
  dis.itemAction = ODA_DRAWENTIRE;
  dis.itemState = control->IsWindowEnabled() ? 0 : ODS_DISABLED;
  if (CWnd::GetFocus() == control) dis.itemState |= ODS_FOCUS;
  dis.hwndItem = control->m_hWnd;
  dis.hDC = dc.GetSafeHdc();
  return dis;
}

}  // namespace

void PaintOwnerDrawnButton(CWnd* button, const DrawItemProc& draw) {
  CPaintDC dc(button);
  DRAWITEMSTRUCT dis = ItemOf(button, ODT_BUTTON, dc);
  button->GetClientRect(&dis.rcItem);
  draw(&dis);
}

void PaintOwnerDrawnList(CWnd* list, const DrawItemProc& draw) {
  CPaintDC dc(list);
  CRect client;
  list->GetClientRect(&client);
  int count = (int)list->SendMessage(LB_GETCOUNT);
  int selected = (int)list->SendMessage(LB_GETCURSEL);
  for (int i = 0; i < count; ++i) {
    DRAWITEMSTRUCT dis = ItemOf(list, ODT_LISTBOX, dc);
    list->SendMessage(LB_GETITEMRECT, (WPARAM)i, (LPARAM)&dis.rcItem);
    if (dis.rcItem.bottom <= client.top || dis.rcItem.top >= client.bottom) continue;
    dis.itemID = (UINT)i;
    dis.itemData = (ULONG_PTR)list->SendMessage(LB_GETITEMDATA, (WPARAM)i);
    if (i == selected) dis.itemState |= ODS_SELECTED;
    draw(&dis);
  }
}

}  // namespace platform
