// CSetupPage: the common ground of the start window's pages: a child dialog placed right of
// the start window's radio list, skinned as a property page, with a separator line above its
// buttons and a Cancel that asks the start window to hide.
#pragma once

#include "platform/ui/Dialog.h"

class CDlgmmConfPreCreate;

class CSetupPage : public CDialog {
 public:
  CSetupPage(UINT templateId, CWnd* parent) : CDialog(templateId, parent) {}

  // Cancel: asks the start window to hide (posted WM_USER+100, wParam 2), then ends the page.
  void OnCancel() override;
  // OK does nothing unless the page has a request to send.
  void OnOK() override {}
  // Esc is the start window's, wherever the focus is on the page: it passes on to the start
  // window, which ignores it while a request waits.
  BOOL PreTranslateMessage(MSG* msg) override;
  // The page's chair, member and visitor passwords hold password, as the user sees them now
  // (FALSE for a page without passwords).
  BOOL PasswordEditsHold(const CString& password) const;

 protected:
  // Skins the page as a whole and as "window01", and the separator line as "static_line".
  void SkinPage();
  // Places the page in the parent's client area (x 148, y 18, width - 155, height - 42) and
  // the separator line 34 pixels above the page's bottom.
  void OnSize(UINT type, int cx, int cy) override;
  // The start window: the module's pointer to it.
  CDlgmmConfPreCreate* StartWindow() const;
  // A message box owned by the page, titled GetMsgTitle(), with the information icon.
  void ShowMessage(const char* text);
  // Shows a refusal that is not empty and then puts the focus on control focusId (none when 0);
  // false when refusal is empty.
  bool ShowRefusal(const CString& refusal, int focusId = 0);
  // Exchanges an edit's text, refusing on save a text longer than maxChars.
  static void DDX_TextMax(CDataExchange* dx, int id, CString& value, int maxChars);
  // The text of one of the page's controls.
  CString ItemText(int id) const;
  // What a password change does to the hint when the changed edit holds the default password
  // and another edit of the group does not: the create and book pages make it plain, the
  // defaults page leaves it.
  enum class MixedHint { Plain, Keep };
  // A password edit changed: the start window's hint turns plain when its text differs from
  // the default password, and names the default password when every edit of the page holds it.
  // The page's password edits (confirmations included) and among them its three passwords:
  // each change of an edit updates the hint as below.
  template <size_t N>
  void MapPasswordEdits(const int (&group)[N], const int (&passwords)[3], MixedHint mixed) {
    m_pPasswordEdits = passwords;
    for (int id : group)
      MapControl(EN_CHANGE, id, [this, id, &group, mixed] { UpdatePasswordHint(id, group, N, mixed); });
  }

 private:
  void UpdatePasswordHint(int changedId, const int* group, size_t count, MixedHint mixed);
  BOOL EditsHold(const int* ids, size_t count, const CString& password) const;

  const int* m_pPasswordEdits = nullptr;  // chair, member and visitor
};
