// Dialogs: templates registered at start-up by id, and CDialog over them, modeless (Create)
// or modal (DoModal, through the desktop's one modal loop), with the dialog manager's keys:
// Enter = the default button (IDOK unless another is set), Esc = IDCANCEL, Tab = next control.
#pragma once

#include <vector>

#include "platform/ui/Wnd.h"

#define MAKEINTRESOURCE(i) ((LPCTSTR)(uintptr_t)(WORD)(i))

// One control of a dialog template; the rectangle is in dialog units.
struct DialogItemTemplate {
  int id;
  const char* className;  // "Button", "Edit", "ComboBox", "ListBox", "Static", or any registered
  const char* text;
  DWORD style;            // WS_CHILD is implied
  short x, y, cx, cy;
  DWORD exStyle = 0;
};

struct DialogTemplate {
  UINT id;
  const char* caption;
  DWORD style;
  short x, y, cx, cy;  // dialog units
  std::vector<DialogItemTemplate> items;
  DWORD exStyle = 0;
};

namespace platform {
// The window class of dialogs ("#32770"): the dialog manager's default behaviour (WM_CLOSE
// becomes IDCANCEL, DM_GETDEFID / DM_SETDEFID).
extern const char* const kDialogClass;
LRESULT DialogClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Registers (or replaces) a template; res/ registers the module's templates at start-up.
void RegisterDialogTemplate(const DialogTemplate& tmpl);
const DialogTemplate* FindDialogTemplate(UINT id);
// Dialog units to pixels with the fixed base units of the dialog font (6 x 12 pixels):
// x * 6 / 4, y * 12 / 8.
const int kDialogBaseUnitX = 6;
const int kDialogBaseUnitY = 12;
RECT DialogUnitsToPixels(const RECT& units);
}  // namespace platform

class CDialog : public CWnd {
  DECLARE_DYNAMIC(CDialog)

 public:
  CDialog();
  explicit CDialog(UINT templateId, CWnd* parent = nullptr);
  ~CDialog() override;

  using CWnd::Create;
  // Modeless: creates the dialog and its controls, runs OnInitDialog, shows it when the
  // template has WS_VISIBLE. FALSE when the template is unknown.
  virtual BOOL Create(UINT templateId, CWnd* parent = nullptr);
  // Modal: disables the owner, runs the modal loop until EndDialog, re-enables the owner and
  // destroys the window. Returns the EndDialog value, or -1 when the dialog could not be made
  // or its loop was abandoned.
  virtual INT_PTR DoModal();
  // Modal: ends the loop with `result`. Modeless: hides the dialog.
  void EndDialog(int result);
  BOOL IsModal() const { return modal_; }

  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();

  void SetDefID(UINT id);
  DWORD GetDefID() const;
  void NextDlgCtrl() const;
  void PrevDlgCtrl() const;
  void GotoDlgCtrl(CWnd* control);
  void MapDialogRect(LPRECT rect) const;

  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  BOOL PreTranslateMessage(MSG* msg) override;
  // The dialog manager's keyboard handling; TRUE when the message was a dialog key.
  BOOL IsDialogMessage(MSG* msg);

  UINT m_nIDHelp = 0;
  UINT m_nIDTemplate = 0;
  CWnd* m_pParentWnd = nullptr;

 protected:
  BOOL OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  BOOL CreateFromTemplate(UINT templateId, CWnd* parent, bool modal);
  bool modal_ = false;
  bool ended_ = false;
  int result_ = -1;
  HWND disabledOwner_ = nullptr;  // the owner DoModal disabled, enabled again by EndDialog
};

BOOL IsDialogMessage(HWND dialog, MSG* msg);
BOOL EndDialog(HWND dialog, INT_PTR result);
