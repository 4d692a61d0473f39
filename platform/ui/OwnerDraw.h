// Owner-drawn controls: the DRAWITEMSTRUCT that a control hands to its drawing routine, and the
// painting of owner-drawn buttons and list boxes into the control's own pixel buffer. The control
// object paints itself (the reflection of WM_DRAWITEM that MFC does through the parent), one item
// at a time.
#pragma once

#include <functional>

#include "platform/gdi/GdiTypes.h"
#include "platform/ui/Messages.h"

class CWnd;

#define ODA_DRAWENTIRE 0x0001
#define ODA_SELECT 0x0002
#define ODA_FOCUS 0x0004
#define ODS_SELECTED 0x0001
#define ODS_DISABLED 0x0004
#define ODS_FOCUS 0x0010

struct DRAWITEMSTRUCT {
  UINT CtlType;
  UINT CtlID;
  UINT itemID;
  UINT itemAction;
  UINT itemState;
  HWND hwndItem;
  HDC hDC;  // CDC::FromHandle gives the DC
  RECT rcItem;
  ULONG_PTR itemData;
};
typedef DRAWITEMSTRUCT* LPDRAWITEMSTRUCT;

namespace platform {
using DrawItemProc = std::function<void(LPDRAWITEMSTRUCT)>;
// WM_PAINT of an owner-drawn button: one item covering the client area.
void PaintOwnerDrawnButton(CWnd* button, const DrawItemProc& draw);
// WM_PAINT of an owner-drawn list box: one item per entry in view, the selection marked.
void PaintOwnerDrawnList(CWnd* list, const DrawItemProc& draw);
}  // namespace platform
