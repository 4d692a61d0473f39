#include "setup/MemberList.h"

#include "common/UriParts.h"

BOOL IsNumberInMemberList(const CListCtrl& list, const CString& number) {
  if (IsTelNumber(number)) return FALSE;
  for (int row = 0; row < list.GetItemCount(); ++row)
    if (list.GetItemText(row, 1) == number) return TRUE;
  return FALSE;
}
