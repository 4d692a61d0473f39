// The base fixture of every test that touches windows: each test starts on a fresh desktop
// (no windows, empty queue, no timers), the virtual clock, deterministic GUIDs, and an empty
// message-box script and record. Extend it by overriding SetUp/TearDown and calling these.
#pragma once

#include <gtest/gtest.h>

#include <functional>

#include "platform/ui/Desktop.h"
#include "platform/ui/MessageBox.h"

namespace tavtest {

class DesktopTest : public ::testing::Test {
 protected:
  // The virtual clock starts at this moment (2023-11-14 22:13:20 UTC, local offset +8 h).
  static const int64_t kStartTime = 1700000000;

  void SetUp() override;
  // Destroys what the test left, and fails the test when a modal loop had to be abandoned
  // (a dialog or box that nothing answered).
  void TearDown() override;

  // Moves the virtual clock, firing due timers.
  void Advance(uint32_t ms) { platform::Desktop::Advance(ms); }
  bool Pump() { return platform::Desktop::PumpMessages(); }
  // Acts inside every modal loop from now on (see platform::ModalHook).
  void OnModal(platform::ModalHook hook) { platform::Desktop::SetModalHook(std::move(hook)); }
  // Acts once, inside the next modal loop of `kind` that goes idle, then no more.
  void OnceInModal(platform::ModalKind kind, std::function<void(const platform::ModalState&)> act);

  void ScriptMessageBox(int answer) { platform::MessageBoxes::Script(answer); }
  const std::vector<platform::MessageBoxRecord>& MessageBoxesShown() {
    return platform::MessageBoxes::Shown();
  }
  // The text of the last box shown, "" when none.
  CString LastMessageBoxText();
};

}  // namespace tavtest
