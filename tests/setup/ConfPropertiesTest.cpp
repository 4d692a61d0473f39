// The conference properties dialog and the record of conference method 5.
#include <gtest/gtest.h>

#include <cstring>

#include "protocol/ConfAttrRecord.h"
#include "setup/DlgConfProperties.h"
#include "tests/setup/InputDialogsFixture.h"

namespace tavtest {
namespace {

class ConfPropertiesTest : public InputDialogTest {
 protected:
  const ConfAttrRecord* Sent(size_t n) {
    std::vector<const void*> records = Host().ConfMethodRecords(kConfAttrMethod);
    return n < records.size() ? static_cast<const ConfAttrRecord*>(records[n]) : nullptr;
  }
  static Step Counts(const char* members, const char* minutes) {
    return Enter({{IDC_PROP_ADD_MEMBERS, members}, {IDC_PROP_ADD_MINUTES, minutes}});
  }
};

TEST(ConfAttrRecordTest, BuilderZeroesAndFills) {
  ConfAttrRecord record;
  memset(&record, 0xAB, sizeof record);
  std::string longURI = "sip:" + std::string(300, 'c');
  BuildConfAttrExtend(record, longURI.c_str(), 30, 5);
  int subType = record.iSubType, minutes = record.iAddMinutes, members = record.iAddMembers;
  EXPECT_EQ(6, subType);
  EXPECT_EQ(30, minutes);
  EXPECT_EQ(5, members);
  EXPECT_EQ(256u, strlen(record.szConfURI));
  const char* words = reinterpret_cast<const char*>(record.szWords);
  for (size_t i = 0; i < sizeof record.szWords; ++i) ASSERT_EQ(0, words[i]) << i;
}

TEST_F(ConfPropertiesTest, ZeroMembersAndThirtyMinutesSendOneRecord) {
  UserSteps({Counts("0", "30")});
  ASSERT_TRUE(conf_->EditConfProperties());
  ASSERT_EQ(1u, Host().ConfMethodRecords(kConfAttrMethod).size());
  const ConfAttrRecord* sent = Sent(0);
  int subType = sent->iSubType, minutes = sent->iAddMinutes, members = sent->iAddMembers;
  EXPECT_EQ(kConfAttrExtend, subType);
  EXPECT_STREQ("sip:conf001@ims.example.cn", sent->szConfURI);
  EXPECT_EQ(30, minutes);
  EXPECT_EQ(0, members);
  EXPECT_TRUE(Boxes().empty());
  EXPECT_EQ(nullptr, Module()->m_pActiveCommonDlg);
}

TEST_F(ConfPropertiesTest, EditsStartAtZero) {
  CString members, minutes;
  UserSteps({[&](HWND dialog) {
    CWnd::FromHandle(dialog)->GetDlgItemText(IDC_PROP_ADD_MEMBERS, members);
    CWnd::FromHandle(dialog)->GetDlgItemText(IDC_PROP_ADD_MINUTES, minutes);
    platform::user::ClickItem(dialog, IDCANCEL);
  }});
  EXPECT_FALSE(conf_->EditConfProperties());
  EXPECT_EQ(CString("0"), members);
  EXPECT_EQ(CString("0"), minutes);
  EXPECT_TRUE(Host().ConfMethodRecords(kConfAttrMethod).empty());
}

// Each refusal keeps the dialog open; the last attempt goes through.
TEST_F(ConfPropertiesTest, RefusalsInOrder) {
  UserSteps({Counts("", "30"), Counts("1x", "30"), Counts("100", "30"), Counts("99999999999", "30"),
             Counts("5", ""), Counts("5", "3 "), Counts("5", "121"), Counts("0", "0"), Counts("99", "120")});
  ASSERT_TRUE(conf_->EditConfProperties());
  EXPECT_EQ((std::vector<std::string>{"请输入会议增加人数！", "会议增加人数只能为数字！",
                                      "会议增加人数请输入1-99之间的数字！", "会议增加人数请输入1-99之间的数字！",
                                      "请输入会议增加时间！", "会议增加时间只能为数字！",
                                      "会议增加时间请输入1-120之间的数字！", "会议增加时间和人数不能都为0！"}),
            Boxes());
  ASSERT_EQ(1u, Host().ConfMethodRecords(kConfAttrMethod).size());
  int minutes = Sent(0)->iAddMinutes, members = Sent(0)->iAddMembers;
  EXPECT_EQ(120, minutes);
  EXPECT_EQ(99, members);
}

TEST_F(ConfPropertiesTest, LeadingZerosAreNotOutOfRange) {
  UserSteps({Counts("000000000007", "0")});
  ASSERT_TRUE(conf_->EditConfProperties());
  int members = Sent(0)->iAddMembers;
  EXPECT_EQ(7, members);
}

TEST_F(ConfPropertiesTest, VideoSubConferenceLocksTheMembersEdit) {
  conf_->SetSubConf(1, TRUE, 3);
  BOOL membersEnabled = TRUE, minutesEnabled = FALSE;
  UserSteps({[&](HWND dialog) {
               membersEnabled = ::IsWindowEnabled(::GetDlgItem(dialog, IDC_PROP_ADD_MEMBERS));
               minutesEnabled = ::IsWindowEnabled(::GetDlgItem(dialog, IDC_PROP_ADD_MINUTES));
               ::SetWindowText(::GetDlgItem(dialog, IDC_PROP_ADD_MINUTES), "15");
               platform::user::ClickItem(dialog, IDOK);
             }});
  ASSERT_TRUE(conf_->EditConfProperties());
  EXPECT_FALSE(membersEnabled);
  EXPECT_TRUE(minutesEnabled);
  int members = Sent(0)->iAddMembers;
  EXPECT_EQ(0, members);
}

}  // namespace
}  // namespace tavtest
