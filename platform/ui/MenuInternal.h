// Internal to the platform's menu code: the menus behind the handles.
#pragma once

#include <vector>

#include "platform/ui/Menu.h"

namespace platform {
namespace menus {

struct Item {
  UINT flags = 0;  // state and type bits (MF_GRAYED, MF_CHECKED, MF_POPUP, MF_SEPARATOR ...)
  UINT id = 0;
  CString text;
  HMENU sub = nullptr;
};

struct Menu {
  std::vector<Item> items;
};

// The menu behind a handle, or NULL.
Menu* Find(HMENU menu);
// Forgets every menu and wrapper.
void Clear();

}  // namespace menus
}  // namespace platform
