#include "tests/platform/DialogTestSupport.h"

namespace dialogtest {

void RegisterTemplates() {
  const DWORD tab = WS_TABSTOP | WS_VISIBLE;
  platform::RegisterDialogTemplate({kSimple, "简单", WS_POPUP | WS_CAPTION, 0, 0, 200, 100,
                                    {{kEdit, "Edit", "", tab | ES_AUTOHSCROLL, 10, 10, 80, 12},
                                     {kNumber, "Edit", "", tab | ES_NUMBER, 10, 30, 80, 12},
                                     {kCheck, "Button", "检查", tab | BS_AUTOCHECKBOX, 10, 50, 80, 12},
                                     {IDOK, "Button", "确定", WS_TABSTOP | BS_DEFPUSHBUTTON, 100, 80, 40, 14},
                                     {IDCANCEL, "Button", "取消", tab, 150, 80, 40, 14},
                                     {kOther, "Button", "其他", tab, 100, 60, 40, 14}}});
  platform::RegisterDialogTemplate(
      {kRadios, "单选", WS_POPUP | WS_CAPTION, 0, 0, 200, 100,
       {{kRadio1, "Button", "一", tab | WS_GROUP | BS_AUTORADIOBUTTON, 10, 10, 50, 10},
        {kStatic, "Static", "说明", WS_VISIBLE, 10, 22, 50, 10},
        {kRadio2, "Button", "二", tab | BS_AUTORADIOBUTTON, 10, 34, 50, 10},
        {kRadio3, "Button", "三", tab | BS_AUTORADIOBUTTON, 10, 46, 50, 10},
        {kAfter, "Button", "后", tab | WS_GROUP | BS_AUTORADIOBUTTON, 10, 58, 50, 10},
        {kCombo, "ComboBox", "", tab | CBS_DROPDOWNLIST, 80, 10, 60, 80},
        {IDOK, "Button", "确定", tab | BS_DEFPUSHBUTTON, 100, 80, 40, 14}}});
  platform::RegisterDialogTemplate({kMultiline, "多行", WS_POPUP | WS_CAPTION, 0, 0, 200, 100,
                                    {{kMemo, "Edit", "", tab | ES_MULTILINE | ES_WANTRETURN, 10, 10, 150, 50},
                                     {IDOK, "Button", "确定", tab | BS_DEFPUSHBUTTON, 100, 80, 40, 14}}});
}

}  // namespace dialogtest
