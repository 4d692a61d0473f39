// TrackPopupMenu: the popup waits in the desktop's modal loop until the modal hook (or the
// script) chooses a command or dismisses it; every popup shown is recorded.
#include <deque>

#include "platform/ui/Desktop.h"
#include "platform/ui/MenuInternal.h"
#include "platform/ui/Wnd.h"

namespace platform {
namespace {

struct Record {
  std::vector<MenuRecord> shown;
  std::vector<size_t> open;  // indexes into `shown`, innermost last
  std::deque<UINT> script;
};

Record& M() {
  static auto* record = new Record;
  return *record;
}

void Snapshot(HMENU handle, int depth, std::vector<MenuItemRecord>& out) {
  menus::Menu* m = menus::Find(handle);
  if (!m) return;
  for (const menus::Item& item : m->items) {
    UINT state = item.flags | (item.sub ? MF_POPUP : 0);
    out.push_back({item.sub ? 0u : item.id, item.text, state, depth});
    if (item.sub) Snapshot(item.sub, depth + 1, out);
  }
}

MenuRecord* Open() { return M().open.empty() ? nullptr : &M().shown[M().open.back()]; }

void Answer(UINT id) {
  MenuRecord* r = Open();
  r->chosen = id;
  r->answered = true;
}

// A command that the user can click: present (in the menu as it is now), enabled, no popup.
bool Choosable(HMENU menu, UINT id) {
  UINT state = GetMenuState(menu, id, MF_BYCOMMAND);
  return id != 0 && state != (UINT)-1 && !(state & (MF_GRAYED | MF_DISABLED | MF_POPUP | MF_SEPARATOR));
}

}  // namespace

const MenuItemRecord* MenuRecord::Find(UINT id) const {
  for (const MenuItemRecord& item : items)
    if (item.id == id && !(item.state & (MF_POPUP | MF_SEPARATOR))) return &item;
  return nullptr;
}

const std::vector<MenuRecord>& Menus::Shown() { return M().shown; }
const MenuRecord* Menus::Current() { return Open(); }

bool Menus::Choose(UINT id) {
  MenuRecord* r = Open();
  if (!r || r->answered || !Choosable(r->menu, id)) return false;
  Answer(id);
  return true;
}

bool Menus::Dismiss() {
  MenuRecord* r = Open();
  if (!r || r->answered) return false;
  Answer(0);
  return true;
}

void Menus::Script(UINT id) { M().script.push_back(id); }

void ResetMenus() {
  Record& r = M();
  r.shown.clear();
  r.open.clear();
  r.script.clear();
  menus::Clear();
}

}  // namespace platform

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
  using namespace platform;
  if (!menus::Find(menu) || !IsWindow(owner) || GetMenuItemCount(menu) <= 0) return FALSE;
  if (!(flags & TPM_NONOTIFY)) SendMessage(owner, WM_INITMENUPOPUP, (WPARAM)menu, 0);
  if (!menus::Find(menu)) return FALSE;  // the owner destroyed it
  Record& r = M();
  size_t index = r.shown.size();
  MenuRecord shown = {owner, menu, POINT{x, y}, flags, {}, 0, false};
  Snapshot(menu, 0, shown.items);
  r.shown.push_back(std::move(shown));
  r.open.push_back(index);
  {
    // The popup reads the keyboard and mouse itself: Esc closes it, the rest goes nowhere.
    Desktop::InputFilterScope filter([](const MSG& m) {
      if (m.message == WM_KEYDOWN && m.wParam == VK_ESCAPE) Menus::Dismiss();
      return true;
    });
    auto open = [index, owner] { return !M().shown[index].answered && IsWindow(owner); };
    Desktop::RunModalLoop(ModalKind::Menu, owner, open, [] {
      UINT id = 0;
      if (!M().script.empty()) {
        id = M().script.front();
        M().script.pop_front();
      }
      if (!Menus::Choose(id)) Menus::Dismiss();
      return true;
    });
  }
  r.open.pop_back();
  UINT chosen = r.shown[index].chosen;
  if (flags & TPM_RETURNCMD) return (BOOL)chosen;
  if (chosen && IsWindow(owner)) PostMessage(owner, WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
  return TRUE;
}
