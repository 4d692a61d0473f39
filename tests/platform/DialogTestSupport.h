// Dialog templates shared by the dialog tests of the platform.
#pragma once

#include "platform/ui/Dialog.h"

namespace dialogtest {

enum : UINT { kSimple = 9001, kRadios = 9002, kMultiline = 9003 };
enum : int { kEdit = 1000, kNumber = 1001, kCheck = 1002, kRadio1 = 1003, kStatic = 1004, kRadio2 = 1005,
             kRadio3 = 1006, kCombo = 1007, kOther = 1008, kAfter = 1009, kMemo = 1010 };

// 9001: an edit, a number edit, a check box, the OK (hidden) and Cancel buttons and "Other".
// 9002: a radio group with a static inside it, then another group.
// 9003: a multi-line edit that wants Return.
void RegisterTemplates();

}  // namespace dialogtest
