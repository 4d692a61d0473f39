#include "res/SisterBoardTemplates.h"

#include "platform/ui/Dialog.h"
#include "platform/ui/Menu.h"
#include "res/PaletteTemplates.h"
#include "res/WhiteboardTemplates.h"
#include "whiteboard/windows/DlgDFP2PWhiteBoard.h"
#include "whiteboard/windows/DlgDFShareWhiteBoard.h"
#include "whiteboard/windows/DlgDFWhiteBoard.h"
#include "whiteboard/windows/P2PDrawContentDlg.h"
#include "whiteboard/windows/ShareDrawContentDlg.h"

namespace {

// A whiteboard window: the tool buttons, the current-colour and width controls, the page controls as
// plain edits, and the frames the surface and a palette bar cover.
void RegisterBoardWindow(UINT id, const char* title) {
  DialogTemplate board{id,
       title,
       WS_POPUP | WS_CAPTION | WS_SYSMENU,
       0,
       0,
       460,
       450,
       {
           {IDC_WB_CUR_COLOR, "Button", "", BS_PUSHBUTTON | WS_VISIBLE, 38, 4, 14, 14},
           {IDC_WB_LINE_WIDTH, "ListBox", "", WS_VISIBLE | WS_BORDER | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY, 408, 310, 48, 130},
           {IDC_WB_PAGE_NO, "Edit", "", ES_AUTOHSCROLL | WS_VISIBLE | WS_BORDER, 300, 4, 24, 12},
           {IDC_WB_PAGE_NO2, "Edit", "", ES_AUTOHSCROLL | WS_VISIBLE | WS_BORDER, 328, 4, 24, 12},
           {IDC_WB_PAGE_COUNT, "Edit", "", ES_AUTOHSCROLL | WS_VISIBLE | WS_BORDER | ES_READONLY, 356, 4, 24, 12},
           {IDC_WB_SURFACE_FRAME, "Static", "", SS_LEFT, 4, 24, 400, 300},
           {IDC_WB_COLOR_BAR_FRAME, "Static", "", SS_LEFT, 4, 326, 140, 20},
       }};
  AddBoardToolButtons(board.items);
  platform::RegisterDialogTemplate(board);
}

}  // namespace

void RegisterSisterBoardResources() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  RegisterPaletteResources();
  platform::RegisterDialogTemplate({IDD_P2P_DRAW_CONTENT, "", WS_CHILD | WS_VISIBLE, 0, 0, 400, 300, {}});
  platform::RegisterDialogTemplate({IDD_SHARE_DRAW_CONTENT, "", WS_CHILD | WS_VISIBLE, 0, 0, 400, 300, {}});
  RegisterBoardWindow(IDD_DF_P2P_WHITEBOARD, "点对点白板");
  RegisterBoardWindow(IDD_DF_SHARE_WHITEBOARD, "文档共享");
  platform::RegisterMenuTemplate(IDR_WB_SHARE_OBJECT_MENU,
                                 {{MF_POPUP, 0, "property",
                                   {
                                       {MF_STRING, ID_WB_SHARE_DELETE, "删除", {}},
                                       {MF_POPUP, 0, "文本",
                                        {
                                            {MF_STRING | MF_GRAYED, ID_WB_SHARE_EDIT_TEXT, "编辑", {}},
                                            {MF_STRING | MF_GRAYED, ID_WB_SHARE_TEXT_FONT, "字体", {}},
                                        }},
                                       {MF_POPUP, 0, "属性",
                                        {
                                            {MF_STRING, ID_WB_SHARE_COLOR, "颜色", {}},
                                            {MF_STRING | MF_GRAYED, ID_WB_SHARE_LINE_WIDTH, "线形", {}},
                                        }},
                                   }}});
}
