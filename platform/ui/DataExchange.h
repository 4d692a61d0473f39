// Dialog data exchange: DDX_ moves values between controls and members in the direction of
// UpdateData; DDV_ checks a value just read and, on failure, shows a message box, puts the
// focus on the control and makes UpdateData return FALSE.
#pragma once

#include "platform/ui/Wnd.h"

class CDataExchange {
 public:
  CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}
  BOOL m_bSaveAndValidate;
  CWnd* m_pDlgWnd;
  // The control of `id` (and remembers it for a following DDV_); a missing control is a
  // programming error reported on stderr and yields NULL.
  HWND PrepareCtrl(int id);
  HWND PrepareEditCtrl(int id) { return PrepareCtrl(id); }
  // Ends the exchange as failed: focus to the last control; UpdateData returns FALSE.
  [[noreturn]] void Fail();
  HWND LastControl() const { return lastControl_; }

 private:
  HWND lastControl_ = nullptr;
};

// Thrown by CDataExchange::Fail and caught by UpdateData.
struct CUserException {};

void DDX_Text(CDataExchange* dx, int id, CString& value);
void DDX_Text(CDataExchange* dx, int id, int& value);
void DDX_Text(CDataExchange* dx, int id, UINT& value);
void DDX_Text(CDataExchange* dx, int id, long& value);
void DDX_Check(CDataExchange* dx, int id, int& value);
// The radio group that starts at control `id` (WS_GROUP up to the next WS_GROUP); non-radio
// controls inside the group are skipped; a value outside the group checks none; reading gives
// -1 when none is checked.
void DDX_Radio(CDataExchange* dx, int id, int& value);
void DDX_CBIndex(CDataExchange* dx, int id, int& index);
void DDX_CBString(CDataExchange* dx, int id, CString& value);
void DDX_LBIndex(CDataExchange* dx, int id, int& index);
// Attaches `control` to the dialog's control of `id` the first time.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);

void DDV_MaxChars(CDataExchange* dx, const CString& value, int maxChars);
void DDV_MinMaxInt(CDataExchange* dx, int value, int minValue, int maxValue);
void DDV_MinMaxUInt(CDataExchange* dx, UINT value, UINT minValue, UINT maxValue);
