#include "platform/ui/ItemList.h"

#include <cstring>

namespace platform {

int ItemList::Add(const char* text, bool sorted) {
  int at = Count();
  if (sorted) {
    for (int i = 0; i < Count(); ++i) {
      if (items[i].text.CompareNoCase(text ? text : "") > 0) {
        at = i;
        break;
      }
    }
  }
  return Insert(at, text);
}

int ItemList::Insert(int index, const char* text) {
  if (index < 0) index = Count();
  if (index > Count()) return -1;
  ListItem item;
  item.text = text;
  items.insert(items.begin() + index, item);
  return index;
}

int ItemList::Remove(int index) {
  if (!Valid(index)) return -1;
  items.erase(items.begin() + index);
  return Count();
}

int ItemList::Find(int startAfter, const char* text, bool exact) const {
  int n = Count();
  if (n == 0) return -1;
  CString wanted = text ? text : "";
  int len = wanted.GetLength();
  int start = (startAfter < 0 || startAfter >= n) ? -1 : startAfter;
  for (int step = 1; step <= n; ++step) {
    const CString& t = items[(start + step) % n].text;
    CString compared = exact ? t : t.Left(len);
    if (compared.CompareNoCase(wanted) == 0) return (start + step) % n;
  }
  return -1;
}

int ItemList::AfterRemoval(int selection, int removed) {
  if (selection == removed) return -1;
  return selection > removed ? selection - 1 : selection;
}

}  // namespace platform
