#include "tests/setup/MemberFixture.h"

#include "module/WindowRoutines.h"
#include "platform/ui/Desktop.h"
#include "protocol/HostBlocks.h"

namespace tavtest {

void MemberTest::SetUp() {
  SetupTest::SetUp();
  OpenUI();
  ASSERT_TRUE(Visible(CreatePage()));
}

void MemberTest::InEveryDialog(std::function<void(HWND)> act) {
  OnModal([act](const platform::ModalState& state) {
    if (state.kind == platform::ModalKind::Dialog && state.idlePasses == 0) act(state.window);
  });
}

void MemberTest::HostAnswersRights(int code) {
  InEveryDialog([this, code](HWND window) {
    if (window == QueryWindow()) AnswerRight(code, "");
  });
}

void MemberTest::AnswerRight(int code, const char* text) {
  HostMemberRightAnswerBlock block{code, text, 0};
  Deliver(kModuleMemberRightAnswer, block);
}

HWND MemberTest::QueryWindow() { return FindOwnWindowByTitle(kMemberRightQueryTitle); }

Rows MemberTest::MemberRows() {
  Rows rows;
  CListCtrl& list = CreatePage()->m_listMembers;
  for (int i = 0; i < list.GetItemCount(); ++i) rows.push_back({list.GetItemText(i, 0).str(), list.GetItemText(i, 1).str()});
  return rows;
}

void MemberTest::AddTyped(const char* text) {
  TypeField(CreatePage(), IDC_NUMBER_ENTRY, text);
  EXPECT_TRUE(Click(CreatePage(), IDC_BTN_ADD_NUMBER));
}

std::vector<std::string> MemberTest::RightQueries() {
  std::vector<std::string> numbers;
  for (const host::HostEvent& e : Host().EventsWithCode(kHostMemberRightQuery))
    numbers.push_back(e.As<HostMemberRightQueryBlock>()->szNumber);
  return numbers;
}

PHONEBOOK_INFO MemberTest::Contact(const char* name, const char* sip, const char* phone1, const char* phone1Whole,
                                   const char* phone2, const char* phone2Whole, const char* phone3) {
  PHONEBOOK_INFO entry;
  entry.csName = name;
  entry.csSipURI = sip;
  entry.csPhone1 = phone1;
  entry.csPhone1Whole = phone1Whole;
  entry.csPhone2 = phone2;
  entry.csPhone2Whole = phone2Whole;
  entry.csPhone3 = phone3;
  return entry;
}

}  // namespace tavtest
