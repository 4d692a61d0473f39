// Menus: CMenu over menu handles kept by the desktop, menu templates that res/ registers by id,
// and TrackPopupMenu, a modal loop (kind Menu) in which the modal hook answers as the user:
// Menus::Choose(id) or Menus::Dismiss(). Every popup shown is recorded with its items.
#pragma once

#include <vector>

#include "platform/CString.h"
#include "platform/Object.h"
#include "platform/ui/Messages.h"

class CWnd;

#define MF_STRING 0x0000
#define MF_ENABLED 0x0000
#define MF_UNCHECKED 0x0000
#define MF_BYCOMMAND 0x0000
#define MF_GRAYED 0x0001
#define MF_DISABLED 0x0002
#define MF_CHECKED 0x0008
#define MF_POPUP 0x0010
#define MFT_RADIOCHECK 0x0200
#define MF_BYPOSITION 0x0400
#define MF_SEPARATOR 0x0800
#define MF_DEFAULT 0x1000

#define TPM_LEFTBUTTON 0x0000
#define TPM_RIGHTBUTTON 0x0002
#define TPM_LEFTALIGN 0x0000
#define TPM_CENTERALIGN 0x0004
#define TPM_RIGHTALIGN 0x0008
#define TPM_TOPALIGN 0x0000
#define TPM_VCENTERALIGN 0x0010
#define TPM_BOTTOMALIGN 0x0020
#define TPM_NONOTIFY 0x0080
#define TPM_RETURNCMD 0x0100

#define WM_INITMENUPOPUP 0x0117

namespace platform {

// One entry of a menu template: a command (id, text), a separator (MF_SEPARATOR), or a popup
// (MF_POPUP, or any entry with `items`).
struct MenuItemTemplate {
  UINT flags;
  UINT id;
  const char* text;
  std::vector<MenuItemTemplate> items;
};
// The entries of a menu bar (a context menu is usually one popup of it).
using MenuTemplate = std::vector<MenuItemTemplate>;
// Registers (or replaces) menu resource `id`; res/ registers the module's menus at start-up.
void RegisterMenuTemplate(UINT id, MenuTemplate tmpl);

// An item of a shown popup as it was when shown (after WM_INITMENUPOPUP).
struct MenuItemRecord {
  UINT id;       // 0 for separators and popups
  CString text;
  UINT state;    // MF_GRAYED, MF_DISABLED, MF_CHECKED, MF_POPUP, MF_SEPARATOR, MFT_RADIOCHECK
  int depth;     // 0 for the popup's own items, 1 inside its submenus ...
};

struct MenuRecord {
  HWND owner;
  HMENU menu;  // valid while it is shown
  POINT at;
  UINT flags;
  std::vector<MenuItemRecord> items;  // depth first
  UINT chosen;  // 0: dismissed
  bool answered;
  // The recorded item with command `id`, or NULL.
  const MenuItemRecord* Find(UINT id) const;
};

class Menus {
 public:
  static const std::vector<MenuRecord>& Shown();
  // The popup being shown (for a modal hook), or NULL.
  static const MenuRecord* Current();
  // Chooses command `id` of the popup being shown, as the user's click does; false (nothing
  // happens) when no popup is shown or the item is missing, greyed, disabled or not a command.
  static bool Choose(UINT id);
  // Closes the popup being shown without a choice (Esc, a click elsewhere).
  static bool Dismiss();
  // The answer of the next popup that the hook does not answer (0: dismiss); without a script
  // an unanswered popup is dismissed.
  static void Script(UINT id);
};

// Forgets every menu, the record and the script (Desktop::Reset).
void ResetMenus();

}  // namespace platform

class CMenu : public CObject {
 public:
  CMenu() = default;
  // Destroys the menu it holds, as MFC does.
  ~CMenu() override;
  CMenu(const CMenu&) = delete;
  CMenu& operator=(const CMenu&) = delete;

  HMENU m_hMenu = nullptr;
  HMENU GetSafeHmenu() const { return m_hMenu; }
  operator HMENU() const { return m_hMenu; }
  // A wrapper of a menu handle, owned by the desktop (NULL for a handle that is not a menu).
  static CMenu* FromHandle(HMENU menu);
  BOOL Attach(HMENU menu);
  HMENU Detach();

  BOOL CreateMenu();
  BOOL CreatePopupMenu();
  BOOL LoadMenu(UINT id);
  BOOL LoadMenu(LPCTSTR name);
  BOOL DestroyMenu();

  CMenu* GetSubMenu(int position) const;
  BOOL AppendMenu(UINT flags, UINT_PTR id = 0, LPCTSTR text = nullptr);
  BOOL InsertMenu(UINT position, UINT flags, UINT_PTR id = 0, LPCTSTR text = nullptr);
  BOOL ModifyMenu(UINT position, UINT flags, UINT_PTR id = 0, LPCTSTR text = nullptr);
  // DeleteMenu destroys a submenu it removes; RemoveMenu leaves it.
  BOOL DeleteMenu(UINT position, UINT flags);
  BOOL RemoveMenu(UINT position, UINT flags);
  // The previous state (MF_GRAYED / MF_DISABLED, MF_CHECKED), or (UINT)-1 without the item.
  UINT EnableMenuItem(UINT item, UINT enable);
  UINT CheckMenuItem(UINT item, UINT check);
  BOOL CheckMenuRadioItem(UINT first, UINT last, UINT item, UINT flags);
  UINT GetMenuState(UINT item, UINT flags) const;
  int GetMenuItemCount() const;
  // The command id at a position: (UINT)-1 for a popup or a bad position, 0 for a separator.
  UINT GetMenuItemID(int position) const;
  int GetMenuString(UINT item, CString& text, UINT flags) const;
  BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect = nullptr);
};

// ---- Win32 functions over menu handles ----
HMENU CreateMenu();
HMENU CreatePopupMenu();
HMENU LoadMenu(HINSTANCE instance, LPCTSTR name);
BOOL DestroyMenu(HMENU menu);
BOOL IsMenu(HMENU menu);
HMENU GetSubMenu(HMENU menu, int position);
BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR id, LPCTSTR text);
BOOL InsertMenu(HMENU menu, UINT position, UINT flags, UINT_PTR id, LPCTSTR text);
BOOL ModifyMenu(HMENU menu, UINT position, UINT flags, UINT_PTR id, LPCTSTR text);
BOOL DeleteMenu(HMENU menu, UINT position, UINT flags);
BOOL RemoveMenu(HMENU menu, UINT position, UINT flags);
UINT EnableMenuItem(HMENU menu, UINT item, UINT enable);
DWORD CheckMenuItem(HMENU menu, UINT item, UINT check);
BOOL CheckMenuRadioItem(HMENU menu, UINT first, UINT last, UINT item, UINT flags);
UINT GetMenuState(HMENU menu, UINT item, UINT flags);
int GetMenuItemCount(HMENU menu);
UINT GetMenuItemID(HMENU menu, int position);
int GetMenuString(HMENU menu, UINT item, LPSTR buffer, int size, UINT flags);
// Shows the popup at a screen point and waits (a modal loop of kind Menu) for the user's
// choice. With TPM_RETURNCMD returns the chosen id (0 when dismissed); otherwise posts
// WM_COMMAND of the chosen id to the owner and returns TRUE. FALSE when the menu or the owner
// is not valid, or the menu is empty.
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner, const RECT* rect);
