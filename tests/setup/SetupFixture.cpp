#include "tests/setup/SetupFixture.h"

#include "platform/ui/UserInput.h"

namespace tavtest {

void SetupTest::SetUp() { ModuleTest::SetUp(); }

CDlgmmConfPreCreate* SetupTest::OpenUI() {
  HostPlainBlock block{0};
  EXPECT_EQ(1, Deliver(kModuleOpenUI, block));
  return Start();
}

void SetupTest::SetField(CWnd* page, int id, const char* text) { page->SetDlgItemText(id, text); }

void SetupTest::TypeField(CWnd* page, int id, const char* text) {
  page->SetDlgItemText(id, "");
  EXPECT_TRUE(platform::user::Type(::GetDlgItem(page->m_hWnd, id), text));
}

bool SetupTest::Click(CWnd* page, int id) { return platform::user::ClickItem(page->m_hWnd, id); }

CString SetupTest::ItemText(CWnd* window, int id) {
  CString text;
  window->GetDlgItemText(id, text);
  return text;
}

std::vector<std::string> SetupTest::Boxes() {
  std::vector<std::string> texts;
  for (const platform::MessageBoxRecord& box : MessageBoxesShown()) texts.push_back(box.text.str());
  return texts;
}

void SetupTest::SetDefaults(const char* subject, int maxnum, int period, int remaintime, const char* pwd) {
  Module()->m_confDefaultData.Set(subject, maxnum, period, remaintime, pwd, pwd, pwd, 1);
  CreatePage()->ResetPage();
}

}  // namespace tavtest
