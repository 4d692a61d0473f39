// Message boxes: nothing is shown; every box is recorded (owner, text, caption, flags) and
// answered inside the desktop's modal loop, by the modal hook (AnswerCurrent) or else by the
// next scripted answer, or else by the first button of its flags (IDOK, IDYES, IDABORT ...).
#pragma once

#include <vector>

#include "platform/CString.h"
#include "platform/ui/Messages.h"

namespace platform {

struct MessageBoxRecord {
  HWND owner;
  CString text;
  CString caption;
  UINT flags;
  int answer;
};

class MessageBoxes {
 public:
  // Forgets the record and the script.
  static void Reset();
  // Queues the answer for the next box that the hook does not answer itself.
  static void Script(int answer);
  static size_t ScriptedLeft();
  static const std::vector<MessageBoxRecord>& Shown();
  // The box being shown (for a modal hook), or NULL.
  static const MessageBoxRecord* Current();
  // Answers the box being shown; FALSE when none is.
  static bool AnswerCurrent(int answer);
  // The first button of the flags.
  static int DefaultAnswer(UINT flags);
  // The caption of AfxMessageBox (the application's name).
  static void SetAppName(const char* name);
  static const CString& AppName();
};

}  // namespace platform

int MessageBox(HWND owner, LPCTSTR text, LPCTSTR caption, UINT flags);
int AfxMessageBox(LPCTSTR text, UINT flags = MB_OK, UINT helpId = 0);
// The text of string-table entry `promptId`.
int AfxMessageBox(UINT promptId, UINT flags = MB_OK, UINT helpId = (UINT)-1);
