// The fixture of the small prompt dialogs' tests: the module fixture with a running conference,
// and the user's answers given inside the dialog's modal loop, one step each time it goes idle.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "confwindow/DlgDataConf.h"
#include "platform/ui/UserInput.h"
#include "tests/support/module/ModuleFixture.h"

namespace tavtest {

class InputDialogTest : public ModuleTest {
 protected:
  using Step = std::function<void(HWND dialog)>;

  void SetUp() override {
    ModuleTest::SetUp();
    conf_ = JoinConference();
  }

  // The steps run in order inside the next dialog loops; a dialog still open when they are
  // used up is cancelled (and counted).
  void UserSteps(std::vector<Step> steps) {
    steps_.assign(steps.begin(), steps.end());
    OnModal([this](const platform::ModalState& state) {
      if (state.kind != platform::ModalKind::Dialog) return;
      if (steps_.empty()) {
        ++leftOpen_;
        platform::user::ClickItem(state.window, IDCANCEL);
        return;
      }
      Step step = steps_.front();
      steps_.pop_front();
      step(state.window);
    });
  }

  // A step: replaces the edits' texts as a paste does, then presses OK.
  static Step Enter(std::vector<std::pair<int, const char*>> fields) {
    return [fields](HWND dialog) {
      for (const auto& field : fields) ::SetWindowText(::GetDlgItem(dialog, field.first), field.second);
      platform::user::ClickItem(dialog, IDOK);
    };
  }

  std::vector<std::string> Boxes() {
    std::vector<std::string> texts;
    for (const platform::MessageBoxRecord& box : MessageBoxesShown()) texts.push_back((const char*)box.text);
    return texts;
  }

  CDlgDataConf* conf_ = nullptr;
  int leftOpen_ = 0;

 private:
  std::deque<Step> steps_;
};

}  // namespace tavtest
