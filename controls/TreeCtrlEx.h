// CTreeCtrlEx: the department tree of the set-up windows. A CTreeCtrl whose items may carry
// their own text colour and font (bold among them); it follows the item under the mouse (the
// hover item it paints highlighted) and forgets an item's colour and font when the item goes.
#pragma once

#include <map>

#include "platform/gdi/Font.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/ui/TreeCtrl.h"

class CTreeCtrlEx : public CTreeCtrl {
  DECLARE_DYNAMIC(CTreeCtrlEx)

 public:
  void SetItemColor(HTREEITEM item, COLORREF color);
  // The item's own text colour, or CLR_INVALID when it has none.
  COLORREF GetItemColor(HTREEITEM item) const;
  void SetItemFont(HTREEITEM item, const LOGFONT& font);
  // FALSE when the item has no font of its own.
  BOOL GetItemFont(HTREEITEM item, LOGFONT* font) const;
  void SetItemBold(HTREEITEM item, BOOL bold);
  BOOL GetItemBold(HTREEITEM item) const;
  // The item under the mouse (on its icon or label), NULL when none.
  HTREEITEM GetHoverItem() const { return hover_; }

  void OnMouseMove(UINT flags, CPoint point) override;
  BOOL OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  std::map<HTREEITEM, COLORREF> colors_;
  std::map<HTREEITEM, LOGFONT> fonts_;
  HTREEITEM hover_ = nullptr;
};
