// Menu handles, menu templates and CMenu.
#include <map>
#include <memory>

#include "platform/Mbcs.h"
#include "platform/ui/MenuInternal.h"
#include "platform/ui/Wnd.h"

namespace platform {
namespace {

struct Registry {
  std::map<HMENU, menus::Menu> menus;
  uintptr_t next = 0x20000;  // handles are never reused within a run
  std::map<HMENU, std::unique_ptr<CMenu>> wrappers;  // kept (emptied) after their menu goes
  std::map<UINT, MenuTemplate> templates;
};

Registry& R() {
  static auto* r = new Registry;
  return *r;
}

HMENU NewMenu() {
  HMENU h = (HMENU)(R().next += 4);
  R().menus[h];
  return h;
}

const UINT kStateBits = MF_GRAYED | MF_DISABLED | MF_CHECKED | MFT_RADIOCHECK | MF_DEFAULT;

struct Location {
  menus::Menu* menu = nullptr;
  int index = -1;
  explicit operator bool() const { return menu != nullptr; }
  menus::Item& item() const { return menu->items[index]; }
};

// An item by position, or by command id anywhere in the menu and its submenus.
Location Locate(HMENU handle, UINT item, UINT flags) {
  menus::Menu* m = menus::Find(handle);
  if (!m) return {};
  if (flags & MF_BYPOSITION) return item < m->items.size() ? Location{m, (int)item} : Location{};
  for (int i = 0; i < (int)m->items.size(); ++i) {
    const menus::Item& it = m->items[i];
    if (it.sub) {
      if (Location inner = Locate(it.sub, item, flags)) return inner;
    } else if (!(it.flags & MF_SEPARATOR) && it.id == item) {
      return {m, i};
    }
  }
  return {};
}

menus::Item MakeItem(UINT flags, UINT_PTR id, LPCTSTR text) {
  menus::Item item;
  item.flags = flags & (kStateBits | MF_POPUP | MF_SEPARATOR);
  if (flags & MF_POPUP)
    item.sub = (HMENU)id;
  else if (!(flags & MF_SEPARATOR))
    item.id = (UINT)id;
  if (text && !(flags & MF_SEPARATOR)) item.text = text;
  return item;
}

bool Acceptable(UINT flags, UINT_PTR id) { return !(flags & MF_POPUP) || menus::Find((HMENU)id); }

HMENU Build(const std::vector<MenuItemTemplate>& entries) {
  HMENU h = NewMenu();
  for (const MenuItemTemplate& e : entries) {
    if ((e.flags & MF_POPUP) || !e.items.empty())
      AppendMenu(h, (e.flags | MF_POPUP) & ~MF_SEPARATOR, (UINT_PTR)Build(e.items), e.text);
    else
      AppendMenu(h, e.flags, e.id, e.text);
  }
  return h;
}

}  // namespace

namespace menus {

Menu* Find(HMENU menu) {
  auto it = R().menus.find(menu);
  return it == R().menus.end() ? nullptr : &it->second;
}

void Clear() {
  Registry& r = R();
  r.menus.clear();
  for (auto& w : r.wrappers) w.second->m_hMenu = nullptr;
  r.wrappers.clear();
}

}  // namespace menus

void RegisterMenuTemplate(UINT id, MenuTemplate tmpl) { R().templates[id] = std::move(tmpl); }

}  // namespace platform

using platform::menus::Find;

HMENU CreateMenu() { return platform::NewMenu(); }
HMENU CreatePopupMenu() { return platform::NewMenu(); }

HMENU LoadMenu(HINSTANCE, LPCTSTR name) {
  auto& templates = platform::R().templates;
  auto it = templates.find((UINT)(uintptr_t)name);
  if ((uintptr_t)name >> 16 || it == templates.end()) return nullptr;
  return platform::Build(it->second);
}

BOOL DestroyMenu(HMENU menu) {
  platform::menus::Menu* m = Find(menu);
  if (!m) return FALSE;
  std::vector<platform::menus::Item> items = std::move(m->items);
  platform::R().menus.erase(menu);
  auto w = platform::R().wrappers.find(menu);
  if (w != platform::R().wrappers.end()) w->second->m_hMenu = nullptr;
  for (const auto& item : items)
    if (item.sub) DestroyMenu(item.sub);
  return TRUE;
}

BOOL IsMenu(HMENU menu) { return Find(menu) != nullptr; }

HMENU GetSubMenu(HMENU menu, int position) {
  platform::menus::Menu* m = Find(menu);
  if (!m || position < 0 || position >= (int)m->items.size()) return nullptr;
  return m->items[position].sub;
}

BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR id, LPCTSTR text) {
  platform::menus::Menu* m = Find(menu);
  if (!m || !platform::Acceptable(flags, id)) return FALSE;
  m->items.push_back(platform::MakeItem(flags, id, text));
  return TRUE;
}

BOOL InsertMenu(HMENU menu, UINT position, UINT flags, UINT_PTR id, LPCTSTR text) {
  platform::menus::Menu* m = Find(menu);
  if (!m || !platform::Acceptable(flags, id)) return FALSE;
  if (flags & MF_BYPOSITION) {
    size_t at = position == (UINT)-1 || position > m->items.size() ? m->items.size() : position;
    m->items.insert(m->items.begin() + at, platform::MakeItem(flags, id, text));
    return TRUE;
  }
  platform::Location where = platform::Locate(menu, position, flags);
  if (!where) return FALSE;
  where.menu->items.insert(where.menu->items.begin() + where.index, platform::MakeItem(flags, id, text));
  return TRUE;
}

BOOL ModifyMenu(HMENU menu, UINT position, UINT flags, UINT_PTR id, LPCTSTR text) {
  platform::Location where = platform::Locate(menu, position, flags);
  if (!where || !platform::Acceptable(flags, id)) return FALSE;
  where.item() = platform::MakeItem(flags, id, text);
  return TRUE;
}

BOOL RemoveMenu(HMENU menu, UINT position, UINT flags) {
  platform::Location where = platform::Locate(menu, position, flags);
  if (!where) return FALSE;
  where.menu->items.erase(where.menu->items.begin() + where.index);
  return TRUE;
}

BOOL DeleteMenu(HMENU menu, UINT position, UINT flags) {
  platform::Location where = platform::Locate(menu, position, flags);
  if (!where) return FALSE;
  HMENU sub = where.item().sub;
  where.menu->items.erase(where.menu->items.begin() + where.index);
  if (sub) DestroyMenu(sub);
  return TRUE;
}

UINT EnableMenuItem(HMENU menu, UINT item, UINT enable) {
  platform::Location where = platform::Locate(menu, item, enable);
  if (!where) return (UINT)-1;
  UINT& flags = where.item().flags;
  UINT old = flags & (MF_GRAYED | MF_DISABLED);
  flags = (flags & ~(MF_GRAYED | MF_DISABLED)) | (enable & (MF_GRAYED | MF_DISABLED));
  return old;
}

DWORD CheckMenuItem(HMENU menu, UINT item, UINT check) {
  platform::Location where = platform::Locate(menu, item, check);
  if (!where) return (DWORD)-1;
  UINT& flags = where.item().flags;
  UINT old = flags & MF_CHECKED;
  flags = (flags & ~MF_CHECKED) | (check & MF_CHECKED);
  return old;
}

BOOL CheckMenuRadioItem(HMENU menu, UINT first, UINT last, UINT item, UINT flags) {
  // The range and the item are positions in `menu` (MF_BYPOSITION) or command ids found in it.
  platform::Location target = platform::Locate(menu, item, flags);
  if (!target) return FALSE;
  bool found = false;
  for (int i = 0; i < (int)target.menu->items.size(); ++i) {
    platform::menus::Item& it = target.menu->items[i];
    UINT key = (flags & MF_BYPOSITION) ? (UINT)i : it.id;
    if (it.sub || (it.flags & MF_SEPARATOR) || key < first || key > last) continue;
    bool on = i == target.index;
    found |= on;
    it.flags = (it.flags & ~(MF_CHECKED | MFT_RADIOCHECK)) | (on ? MF_CHECKED | MFT_RADIOCHECK : 0);
  }
  return found;
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
  platform::Location where = platform::Locate(menu, item, flags);
  if (!where) return (UINT)-1;
  const platform::menus::Item& it = where.item();
  if (it.sub) return MF_POPUP | (it.flags & platform::kStateBits) | ((UINT)GetMenuItemCount(it.sub) << 8);
  return it.flags & (platform::kStateBits | MF_SEPARATOR);
}

int GetMenuItemCount(HMENU menu) {
  platform::menus::Menu* m = Find(menu);
  return m ? (int)m->items.size() : -1;
}

UINT GetMenuItemID(HMENU menu, int position) {
  platform::menus::Menu* m = Find(menu);
  if (!m || position < 0 || position >= (int)m->items.size() || m->items[position].sub) return (UINT)-1;
  return m->items[position].id;
}

int GetMenuString(HMENU menu, UINT item, LPSTR buffer, int size, UINT flags) {
  platform::Location where = platform::Locate(menu, item, flags);
  if (!where) return 0;
  const CString& text = where.item().text;
  if (!buffer || size <= 0) return text.GetLength();
  return (int)mbcs::CopyLimited(buffer, (size_t)size, text);
}

// ---- CMenu ----

CMenu::~CMenu() { DestroyMenu(); }

CMenu* CMenu::FromHandle(HMENU menu) {
  if (!Find(menu)) return nullptr;
  auto& wrapper = platform::R().wrappers[menu];
  if (!wrapper) {
    wrapper = std::make_unique<CMenu>();
    wrapper->m_hMenu = menu;
  }
  return wrapper.get();
}

BOOL CMenu::Attach(HMENU menu) {
  if (m_hMenu || !Find(menu)) return FALSE;
  m_hMenu = menu;
  return TRUE;
}

HMENU CMenu::Detach() {
  HMENU menu = m_hMenu;
  m_hMenu = nullptr;
  return menu;
}

BOOL CMenu::CreateMenu() { return Attach(::CreateMenu()); }
BOOL CMenu::CreatePopupMenu() { return Attach(::CreatePopupMenu()); }
BOOL CMenu::LoadMenu(UINT id) { return LoadMenu((LPCTSTR)(uintptr_t)id); }
BOOL CMenu::LoadMenu(LPCTSTR name) {
  if (m_hMenu) return FALSE;
  return Attach(::LoadMenu(nullptr, name));
}
BOOL CMenu::DestroyMenu() {
  HMENU menu = Detach();
  return menu ? ::DestroyMenu(menu) : FALSE;
}

CMenu* CMenu::GetSubMenu(int position) const { return FromHandle(::GetSubMenu(m_hMenu, position)); }
BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, LPCTSTR text) { return ::AppendMenu(m_hMenu, flags, id, text); }
BOOL CMenu::InsertMenu(UINT position, UINT flags, UINT_PTR id, LPCTSTR text) {
  return ::InsertMenu(m_hMenu, position, flags, id, text);
}
BOOL CMenu::ModifyMenu(UINT position, UINT flags, UINT_PTR id, LPCTSTR text) {
  return ::ModifyMenu(m_hMenu, position, flags, id, text);
}
BOOL CMenu::DeleteMenu(UINT position, UINT flags) { return ::DeleteMenu(m_hMenu, position, flags); }
BOOL CMenu::RemoveMenu(UINT position, UINT flags) { return ::RemoveMenu(m_hMenu, position, flags); }
UINT CMenu::EnableMenuItem(UINT item, UINT enable) { return ::EnableMenuItem(m_hMenu, item, enable); }
UINT CMenu::CheckMenuItem(UINT item, UINT check) { return ::CheckMenuItem(m_hMenu, item, check); }
BOOL CMenu::CheckMenuRadioItem(UINT first, UINT last, UINT item, UINT flags) {
  return ::CheckMenuRadioItem(m_hMenu, first, last, item, flags);
}
UINT CMenu::GetMenuState(UINT item, UINT flags) const { return ::GetMenuState(m_hMenu, item, flags); }
int CMenu::GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }
UINT CMenu::GetMenuItemID(int position) const { return ::GetMenuItemID(m_hMenu, position); }
int CMenu::GetMenuString(UINT item, CString& text, UINT flags) const {
  int len = ::GetMenuString(m_hMenu, item, nullptr, 0, flags);
  char* buffer = text.GetBufferSetLength(len + 1);
  int copied = ::GetMenuString(m_hMenu, item, buffer, len + 1, flags);
  text.ReleaseBuffer(copied);
  return copied;
}
BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect) {
  return ::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner ? owner->GetSafeHwnd() : nullptr, rect);
}
