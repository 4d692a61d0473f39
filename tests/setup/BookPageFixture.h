// The book page's fixture: the start window open on the book page with known defaults, the
// host consenting and taking requests, and the user's ways into the page's lists.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/UserInput.h"
#include "setup/BookPageIds.h"
#include "setup/mmconfPre.h"
#include "tests/setup/SetupFixture.h"

namespace tavtest {

// Members of the default directory: department people need no member-right query.
constexpr char kLiuYang[] = "80002001@ims.example.cn";  // SMS 13600002001, e-mail liuyang@example.cn
constexpr char kChenJing[] = "80002002@ims.example.cn";  // SMS 66002002, e-mail chenjing@example.cn
constexpr char kSunLi[] = "80003001@ims.example.cn";     // SMS 13500003001, no e-mail

class BookPageTest : public SetupTest {
 protected:
  void SetUp() override {
    SetupTest::SetUp();
    SavedDefaults("周会", 10, 60, 5, "1234");
    OpenUI();
    Start()->ShowPage(kPageBook);
    HostAllows(1);
    HostTakesRequests(1);
    Host().Clear();
  }

  CmmconfPre* Pre() { return Start()->m_pPre; }
  HWND Item(int id) { return ::GetDlgItem(Pre()->m_hWnd, id); }
  bool AddTyped(const char* numbers) {
    TypeField(Pre(), IDC_NUMBER_ENTRY, numbers);
    return Click(Pre(), IDC_BTN_ADD_NUMBER);
  }
  std::string NumberEntry() { return ItemText(Pre(), IDC_NUMBER_ENTRY).str(); }
  std::vector<std::string> Row(int row) {
    std::vector<std::string> texts;
    for (int column = 0; column < 3; ++column) texts.push_back(Pre()->m_listMembers.GetItemText(row, column).str());
    return texts;
  }
  const NoticeNumber& Entry(int i) { return Pre()->NoticeEntries()[i]; }
  std::string LastBox() { return LastMessageBoxText().str(); }
};

}  // namespace tavtest
