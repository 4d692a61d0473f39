#include "tests/support/DesktopTest.h"

#include <memory>

#include "platform/Clock.h"
#include "platform/Guid.h"

namespace tavtest {

void DesktopTest::SetUp() {
  platform::Clock::UseVirtual(kStartTime);
  platform::Desktop::Reset();
  platform::MessageBoxes::Reset();
  platform::SetGuidSeed(1);
}

void DesktopTest::TearDown() {
  int abandoned = platform::Desktop::AbandonedLoops();
  platform::Desktop::Reset();
  platform::MessageBoxes::Reset();
  EXPECT_EQ(0, abandoned) << "a modal loop waited for an answer that the test never gave";
}

void DesktopTest::OnceInModal(platform::ModalKind kind, std::function<void(const platform::ModalState&)> act) {
  auto pending = std::make_shared<bool>(true);
  platform::Desktop::SetModalHook([kind, act, pending](const platform::ModalState& state) {
    if (!*pending || state.kind != kind) return;
    *pending = false;
    act(state);
  });
}

CString DesktopTest::LastMessageBoxText() {
  const auto& shown = platform::MessageBoxes::Shown();
  return shown.empty() ? CString() : shown.back().text;
}

}  // namespace tavtest
