// The system open and save file dialogs: a modal dialog (through the desktop's modal loop) that
// ends with the chosen path. Headless, the user (a test or a scenario) names the file with
// SetPathName inside the loop and ends the dialog with OK or Cancel.
#pragma once

#include "platform/CString.h"
#include "platform/ui/Dialog.h"

#define OFN_OVERWRITEPROMPT 0x00000002
#define OFN_HIDEREADONLY 0x00000004
#define OFN_FILEMUSTEXIST 0x00001000

class CFileDialog : public CDialog {
  DECLARE_DYNAMIC(CFileDialog)

 public:
  // The dialog's captions and its template id (the platform's own).
  static const char* const kOpenCaption;
  static const char* const kSaveCaption;
  static const UINT kTemplateId = 0xF1C2;

  // bOpenFileDialog TRUE: "打开", else "另存为"; fileName is the name it proposes.
  CFileDialog(BOOL bOpenFileDialog, LPCTSTR defExt = nullptr, LPCTSTR fileName = nullptr, DWORD flags = 0,
              LPCTSTR filter = nullptr, CWnd* parent = nullptr);

  // The chosen path (GBK); the proposed name until one is chosen.
  CString GetPathName() const { return m_csPath; }
  CString GetDefExt() const { return m_csDefExt; }
  BOOL IsOpenDialog() const { return m_bOpen; }
  void SetPathName(const CString& path) { m_csPath = path; }

 private:
  BOOL m_bOpen;
  CString m_csDefExt;
  CString m_csPath;
};
