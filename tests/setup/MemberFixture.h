// The member tests' fixture: the start window open on the create page, the user's ways to its
// member list, its department tree and the dialogs that adding members runs, and the host's
// member-right answers.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/UserInput.h"
#include "setup/MemberIds.h"
#include "tests/setup/SetupFixture.h"
#include "vezadazavo/VezadaZavo.h"

namespace tavtest {

using Rows = std::vector<std::pair<std::string, std::string>>;

class MemberTest : public SetupTest {
 protected:
  void SetUp() override;

  // Acts once in every dialog's modal loop (when it first goes idle), innermost first.
  void InEveryDialog(std::function<void(HWND)> act);
  // The host answers every member-right query with this code.
  void HostAnswersRights(int code);
  // Host code 17 with {code, text}.
  void AnswerRight(int code, const char* text);
  // The member-right query window, NULL when none runs.
  HWND QueryWindow();

  // The member list's rows (name, number).
  Rows MemberRows();
  // Types into the number entry and presses "添加(&I)".
  void AddTyped(const char* text);
  CString Entry() { return ItemText(CreatePage(), IDC_NUMBER_ENTRY); }
  std::string LastBox() { return LastMessageBoxText().str(); }
  // The member numbers the host was asked about (code 113), in order.
  std::vector<std::string> RightQueries();

  // A phone-book entry.
  static PHONEBOOK_INFO Contact(const char* name, const char* sip, const char* phone1, const char* phone1Whole,
                                const char* phone2, const char* phone2Whole, const char* phone3);
};

}  // namespace tavtest
