#include "platform/ui/FileDialog.h"

IMPLEMENT_DYNAMIC(CFileDialog, CDialog)

const char* const CFileDialog::kOpenCaption = "打开";
const char* const CFileDialog::kSaveCaption = "另存为";

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR defExt, LPCTSTR fileName, DWORD, LPCTSTR, CWnd* parent)
    : CDialog(kTemplateId, parent), m_bOpen(bOpenFileDialog), m_csDefExt(defExt ? defExt : ""),
      m_csPath(fileName ? fileName : "") {
  if (!platform::FindDialogTemplate(kTemplateId))
    platform::RegisterDialogTemplate({kTemplateId, kSaveCaption, WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 260, 120,
                                      {{IDOK, "Button", "确定", BS_DEFPUSHBUTTON | WS_VISIBLE | WS_TABSTOP, 140, 96, 50, 14},
                                       {IDCANCEL, "Button", "取消", BS_PUSHBUTTON | WS_VISIBLE | WS_TABSTOP, 200, 96, 50, 14}}});
}
