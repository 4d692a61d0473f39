#include "tests/setup/SetupFixture.h"

#include <fstream>

#include "common/Codecs.h"
#include "platform/ui/UserInput.h"
#include "setup/mmconfDefaultSet.h"
#include "setup/SetupIds.h"
#include "vezadazavo/VezadaZavo.h"

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

void SetupTest::TypeMembers(CWnd* page, int n, const char* format) {
  const int kPerEntry = 8;
  for (int first = 0; first < n; first += kPerEntry) {
    CString numbers;
    for (int i = first; i < n && i < first + kPerEntry; ++i) {
      CString number;
      number.Format(format, i);
      DEPT_ADDRESSLIST_INFO person;
      person.csName = "成员";
      person.csSipURI = "sip:" + number;
      VzData().deptPhoneBook.push_back(person);
      numbers += (i > first ? ";" : "") + number;
    }
    TypeField(page, IDC_NUMBER_ENTRY, numbers);
    EXPECT_TRUE(Click(page, IDC_BTN_ADD_NUMBER));
  }
}

void SetupTest::SavedDefaults(const char* subject, int maxnum, int period, int remaintime, const char* pwd) {
  CString xml;
  xml.Format("<mmc_dfs><data subject=\"%s\" maxnum=\"%d\" period=\"%d\" remaintime=\"%d\" mempwd=\"%s\" "
             "masterpwd=\"%s\" visitorpwd=\"%s\" playstatussound=\"1\"></data></mmc_dfs>",
             subject, maxnum, period, remaintime, pwd, pwd, pwd);
  std::ofstream(UserPath() + GetUserData()->m_csOwnName.str() + "mmc_dfs.dat", std::ios::binary)
      << HexEncodeString(xml).str();
}

void SetupTest::SetDefaults(const char* subject, int maxnum, int period, int remaintime, const char* pwd) {
  ASSERT_TRUE(Click(Start(), IDC_RADIO_DEFAULT_SET));
  CWnd* page = Start()->m_pDefaultSet;
  CString number;
  SetField(page, IDC_DFS_SUBJECT, subject);
  number.Format("%d", maxnum);
  SetField(page, IDC_DFS_MAX_MEMBERS, number);
  number.Format("%d", period);
  SetField(page, IDC_DFS_DURATION, number);
  number.Format("%d", remaintime);
  SetField(page, IDC_DFS_REMAIN_NOTICE, number);
  for (int id : {IDC_DFS_MEMBER_PWD, IDC_DFS_CHAIR_PWD, IDC_DFS_VISITOR_PWD}) SetField(page, id, pwd);
  ASSERT_TRUE(Click(page, IDOK));
  ASSERT_EQ(CString("会议缺省设置修改成功！"), LastMessageBoxText());
  ASSERT_TRUE(Click(Start(), IDC_RADIO_CREATE_CONF));
}

}  // namespace tavtest
