#include "controls/TreeCtrlEx.h"

IMPLEMENT_DYNAMIC(CTreeCtrlEx, CTreeCtrl)

namespace {

bool Exists(const CTreeCtrl& tree, HTREEITEM item) {
  TVITEM info = {};
  info.mask = TVIF_HANDLE;
  info.hItem = item;
  return item && tree.GetItem(&info);
}

}  // namespace

void CTreeCtrlEx::SetItemColor(HTREEITEM item, COLORREF color) {
  if (!Exists(*this, item)) return;
  colors_[item] = color;
  Invalidate(FALSE);
}

COLORREF CTreeCtrlEx::GetItemColor(HTREEITEM item) const {
  auto it = colors_.find(item);
  return it == colors_.end() ? CLR_INVALID : it->second;
}

void CTreeCtrlEx::SetItemFont(HTREEITEM item, const LOGFONT& font) {
  if (!Exists(*this, item)) return;
  fonts_[item] = font;
  Invalidate(FALSE);
}

BOOL CTreeCtrlEx::GetItemFont(HTREEITEM item, LOGFONT* font) const {
  auto it = fonts_.find(item);
  if (it == fonts_.end()) return FALSE;
  if (font) *font = it->second;
  return TRUE;
}

void CTreeCtrlEx::SetItemBold(HTREEITEM item, BOOL bold) {
  SetItemState(item, bold ? TVIS_BOLD : 0, TVIS_BOLD);
  Invalidate(FALSE);
}

BOOL CTreeCtrlEx::GetItemBold(HTREEITEM item) const { return (GetItemState(item, TVIS_BOLD) & TVIS_BOLD) != 0; }

void CTreeCtrlEx::OnMouseMove(UINT flags, CPoint point) {
  UINT where = 0;
  HTREEITEM item = HitTest(point, &where);
  if (!(where & TVHT_ONITEM)) item = nullptr;
  if (item != hover_) {
    hover_ = item;
    Invalidate(FALSE);
  }
  CTreeCtrl::OnMouseMove(flags, point);
}

BOOL CTreeCtrlEx::OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  auto* hdr = (NMHDR*)lParam;
  if (msg == WM_NOTIFY && hdr && hdr->code == TVN_DELETEITEM) {
    HTREEITEM gone = ((NMTREEVIEW*)hdr)->itemOld.hItem;
    colors_.erase(gone);
    fonts_.erase(gone);
    if (hover_ == gone) hover_ = nullptr;
  }
  // The parent still sees every notification.
  return CTreeCtrl::OnChildNotify(msg, wParam, lParam, result);
}
