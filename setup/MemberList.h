// What the create page's and the invite dialog's member lists share: rows of name (column 0)
// and number (column 1), and their duplicate rule.
#pragma once

#include "platform/CString.h"
#include "platform/ui/ListCtrl.h"

// TRUE when a row's number equals number byte for byte. A plain telephone number is never
// reported as listed.
BOOL IsNumberInMemberList(const CListCtrl& list, const CString& number);
