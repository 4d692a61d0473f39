// Finding and clicking department-tree items by their text, as a user picks them.
#pragma once

#include <gtest/gtest.h>

#include "platform/ui/TreeCtrl.h"
#include "platform/ui/UserInput.h"

namespace tavtest {

// The first item below `from` (the whole tree for NULL), depth first, whose text is `text`.
inline HTREEITEM FindTreeItem(CTreeCtrl& tree, const char* text, HTREEITEM from = nullptr) {
  for (HTREEITEM item = tree.GetChildItem(from); item; item = tree.GetNextSiblingItem(item)) {
    if (tree.GetItemText(item) == text) return item;
    if (HTREEITEM found = FindTreeItem(tree, text, item)) return found;
  }
  return nullptr;
}

// Clicks the item with that text; fails the test when there is none.
inline bool ClickTreeItemText(CTreeCtrl& tree, const char* text) {
  HTREEITEM item = FindTreeItem(tree, text);
  EXPECT_NE(nullptr, item) << text;
  return item && platform::user::ClickTreeItem(tree.m_hWnd, item);
}

}  // namespace tavtest
