// Internal: the item list shared by the combo box and list box classes.
#pragma once

#include <vector>

#include "platform/CString.h"

namespace platform {

struct ListItem {
  CString text;
  ULONG_PTR data = 0;
  bool selected = false;
  UINT height = 0;
};

class ItemList {
 public:
  std::vector<ListItem> items;

  int Count() const { return (int)items.size(); }
  bool Valid(int index) const { return index >= 0 && index < Count(); }
  // Appends, or with `sorted` inserts before the first item that compares greater without case.
  int Add(const char* text, bool sorted);
  // Inserts before `index` (-1: at the end); -1 when index is past the end.
  int Insert(int index, const char* text);
  // Removes an item; returns the count left, or -1 for a bad index.
  int Remove(int index);
  // The first item after `startAfter` (wrapping) whose text starts with (or, exact, equals)
  // `text` without case; -1 when none.
  int Find(int startAfter, const char* text, bool exact) const;
  // Adjusts a selection index for a removal at `removed`: -1 when the selected item went.
  static int AfterRemoval(int selection, int removed);
};

}  // namespace platform
