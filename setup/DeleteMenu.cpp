#include "setup/DeleteMenu.h"

#include "platform/ui/Menu.h"
#include "platform/ui/Wnd.h"
#include "setup/BookPageIds.h"

bool DeleteChosenFromMenu(CWnd* owner) {
  CMenu menu;
  if (!menu.LoadMenu(IDR_DELETE_MENU)) return false;
  CPoint at;
  GetCursorPos(&at);
  UINT chosen =
      menu.GetSubMenu(0)->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x, at.y, owner);
  return chosen == ID_DELETE_ROWS;
}
