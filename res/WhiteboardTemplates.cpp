#include "res/WhiteboardTemplates.h"

#include "platform/ui/Dialog.h"
#include "platform/ui/Menu.h"
#include "whiteboard/windows/DlgDFWhiteBoard.h"
#include "whiteboard/windows/DrawContentDlg.h"
#include "whiteboard/windows/WbToolButtons.h"

void AddBoardToolButtons(std::vector<DialogItemTemplate>& items) {
  // The tool buttons in a column right of the surface, the new-page button below them.
  short y = 24;
  for (int i = 0; i < kWbToolButtonCount; ++i, y += 15) {
    const WbToolButton& button = kWbToolButtons[i];
    items.push_back({button.id, "Button", button.caption, BS_PUSHBUTTON | WS_VISIBLE | WS_TABSTOP, 408, y, 48, 14});
  }
  items.push_back({IDC_WB_NEW_PAGE, "Button", "新建页", BS_PUSHBUTTON | WS_VISIBLE | WS_TABSTOP, 408, y, 48, 14});
}

void RegisterWhiteboardResources() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  // The surface: 600 x 450 pixels; the scroll bars come and go with the canvas.
  platform::RegisterDialogTemplate({IDD_DRAW_CONTENT, "", WS_CHILD | WS_VISIBLE, 0, 0, 400, 300, {}});
  DialogTemplate board{IDD_DF_WHITEBOARD,
                       "电子白板",
                       WS_POPUP | WS_CAPTION | WS_SYSMENU,
                       0,
                       0,
                       460,
                       450,
                       {
                           {IDC_WB_LINE_WIDTH, "ListBox", "", WS_VISIBLE | WS_BORDER | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY, 408, 310, 48, 130},
                           {IDC_WB_PAGE_NO, "Edit", "", ES_AUTOHSCROLL | WS_VISIBLE | WS_BORDER, 300, 4, 24, 12},
                           {IDC_WB_PAGE_NO2, "Edit", "", ES_AUTOHSCROLL | WS_VISIBLE | WS_BORDER, 328, 4, 24, 12},
                           {IDC_WB_PAGE_COUNT, "Edit", "", ES_AUTOHSCROLL | WS_VISIBLE | WS_BORDER | ES_READONLY, 356, 4, 24, 12},
                           {IDC_WB_SURFACE_FRAME, "Static", "", SS_LEFT, 4, 24, 400, 300},
                           {IDC_WB_COLOR_BAR_FRAME, "Static", "", SS_LEFT, 4, 326, 140, 20},
                       }};
  AddBoardToolButtons(board.items);
  platform::RegisterDialogTemplate(board);
  platform::RegisterMenuTemplate(IDR_WB_OBJECT_MENU, {{MF_POPUP, 0, "对象",
                                                       {
                                                           {MF_STRING, ID_WB_DELETE_OBJECT, "对象删除", {}},
                                                           {MF_STRING, ID_WB_BRING_TO_FRONT, "对象前置", {}},
                                                           {MF_STRING, ID_WB_SEND_TO_BACK, "对象后置", {}},
                                                           {MF_SEPARATOR, 0, nullptr, {}},
                                                           {MF_STRING, ID_WB_EDIT_TEXT, "文本编辑", {}},
                                                           {MF_STRING, ID_WB_TEXT_FONT, "文本属性", {}},
                                                       }}});
}
