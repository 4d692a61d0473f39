#include <gtest/gtest.h>

#include "module/UserOptions.h"
#include "module/WindowRoutines.h"
#include "platform/Tick.h"
#include "platform/ui/Wnd.h"
#include "tests/support/DesktopTest.h"
#include "vezadazavo/VezadaZavo.h"

namespace {

using tavtest::DesktopTest;

// A window whose WM_USER message sets the watched int.
class WatchWindow : public CWnd {
 public:
  explicit WatchWindow(int* watched) : watched_(watched) {
    CreateEx(0, "TavWatchWindow", "watch", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
  }
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (msg == WM_USER) *watched_ = (int)wParam;
    return CWnd::WindowProc(msg, wParam, lParam);
  }

 private:
  int* watched_;
};

TEST_F(DesktopTest, WaitPumpsMessagesAndWatchesAValue) {
  int watched = 0;
  WatchWindow window(&watched);
  DWORD start = GetTickCount();
  WaitWithMessages(1000, nullptr, nullptr);
  EXPECT_EQ(1000u, GetTickCount() - start);

  start = GetTickCount();
  WaitWithMessages(1000, nullptr, &watched);
  EXPECT_EQ(2200u, GetTickCount() - start) << "six more passes while the value stays";

  window.PostMessage(WM_USER, 5);
  start = GetTickCount();
  WaitWithMessages(400, nullptr, &watched);
  EXPECT_EQ(5, watched) << "the posted message was dispatched";
  EXPECT_EQ(400u, GetTickCount() - start) << "the value changed: no extra passes";
}

TEST_F(DesktopTest, OwnWindowsAreFoundByTheirExactTitle) {
  int watched = 0;
  WatchWindow window(&watched);
  EXPECT_EQ(window.GetSafeHwnd(), FindOwnWindowByTitle("watch"));
  EXPECT_EQ(nullptr, FindOwnWindowByTitle("watc"));
  EXPECT_EQ(nullptr, FindOwnWindowByTitle(""));
  EXPECT_TRUE(IsNotXpToVista());
}

TEST(UserOptions, ConfDefaultsGroupMovesBetweenOptionsAndTheUserRecord) {
  VzSetDataSet(VzDefaultDataSet());
  GetUserData()->m_confDefaults.csSubject = "旧主题";
  GetUserData()->m_confDefaults.iPeriod = 45;
  CUserOptions options;
  EXPECT_TRUE(options.LoadConfDefaults());
  EXPECT_EQ(CString("旧主题"), options.m_confDefaults.csSubject);
  EXPECT_EQ(45, options.m_confDefaults.iPeriod);
  options.m_confDefaults = ConfDefaultsGroup();
  EXPECT_TRUE(options.SaveConfDefaults());
  EXPECT_TRUE(GetUserData()->m_confDefaults.csSubject.IsEmpty());
  EXPECT_EQ(0, GetUserData()->m_confDefaults.iPeriod);

  ConfDefaultData data;
  data.Set("主题", 10, 60, 5, "1", "2", "3", 0);
  EXPECT_EQ(CString("主题"), data.subject);
  EXPECT_EQ(60, data.period);
  EXPECT_EQ(CString("2"), data.masterpwd);
  EXPECT_EQ(0, data.playstatussound);
}

TEST(VezadaZavo, NumbersTakeThePauseFormAndBack) {
  VzSetDataSet(VzDefaultDataSet());
  CString out;
  ASSERT_EQ(1, CommaConvertPre(" 80001234,567 ", &out, 0));
  EXPECT_EQ(CString("80001234%2C567"), out);
  CString address;
  ASSERT_EQ(1, PreTEL_SIPnumber(out, &address));
  EXPECT_EQ(CString("tel:80001234%2C567"), address);
  EXPECT_EQ(1, CommaConvertSuf(&address, -1));
  EXPECT_EQ(CString("tel:80001234,567"), address);
  EXPECT_EQ(0, CommaConvertPre("not a number", &out, 0));
  EXPECT_EQ(1, PreTEL_SIPnumber("8001@h", &address));
  EXPECT_EQ(CString("sip:8001@h"), address);
  EXPECT_EQ(0, PreTEL_SIPnumber("", &address));
}

TEST(VezadaZavo, NamesComeFromThePhoneBooksOrTheUserPart) {
  VzSetDataSet(VzDefaultDataSet());
  EXPECT_EQ(CString("李娜"), GetUserNameByPhone("SIP:80005678@ims.example.cn", 0, 1));
  EXPECT_EQ(CString("刘洋"), GetUserNameByPhone("sip:80002001@ims.example.cn", 0, 1));
  EXPECT_EQ(CString("张伟"), GetUserNameByPhone(GetMyInfo()->csSipURI, 0, 1));
  EXPECT_EQ(CString("8999"), GetUserNameByPhone("sip:8999@h;x", 0, 1));
  EXPECT_EQ(nullptr, FindPhoneBookByURI(""));
  VzDataSet replaced;
  replaced.csMsgTitle = "测试";
  VzSetDataSet(replaced);
  EXPECT_EQ(CString("测试"), GetMsgTitle());
  EXPECT_EQ(nullptr, FindDeptPhoneBook("sip:80002001@ims.example.cn"));
  VzSetDataSet(VzDefaultDataSet());
}

}  // namespace
