// The notice entries of a booking and the dialog that edits them: keys, chair flags, the
// address checks, and every change going straight into the book page's list.
#include <functional>

#include "platform/ui/Menu.h"
#include "setup/DlgEditNoticeNumbers.h"
#include "tests/setup/BookPageFixture.h"

namespace tavtest {
namespace {

using Texts = std::vector<std::string>;

NoticeNumber Notice(const char* name, const char* number, const char* sms = "", const char* email = "") {
  NoticeNumber entry;
  entry.csName = name;
  entry.csNumber = number;
  entry.csSmsNumber = sms;
  entry.csEmail = email;
  return entry;
}

TEST(NoticeNumberList, EntriesAreKeyedByNameAndNumber) {
  CNoticeNumberList list;
  list.Upsert(Notice("张三", "8001", "139"));
  list.Upsert(Notice("张三", "8002", "138"));
  list.Upsert(Notice("李四", "8001", "137"));
  NoticeNumber changed = Notice("张三", "8001", "", "z@s.cn");
  changed.bEmailChair = TRUE;
  list.Upsert(changed);
  ASSERT_EQ(3, list.GetCount());
  EXPECT_EQ("", list[0].csSmsNumber.str());
  EXPECT_EQ("z@s.cn", list[0].csEmail.str());
  EXPECT_TRUE(list[0].bEmailChair);
  list.Remove("张三", "8002");
  list.Remove("nobody", "8001");
  ASSERT_EQ(2, list.GetCount());
  EXPECT_EQ("李四", list[1].csName.str());
}

TEST(NoticeNumberList, OnlyTheChairsEntryIsFlagged) {
  CNoticeNumberList list;
  list.Upsert(Notice("a", "1"));
  list.Upsert(Notice("b", "2"));
  list.SetChair("a", "1", TRUE);
  list.SetChair("b", "2", TRUE);
  EXPECT_FALSE(list[0].bSmsChair || list[0].bEmailChair);
  EXPECT_TRUE(list[1].bSmsChair && list[1].bEmailChair);
  list.SetChair("b", "2", FALSE);
  EXPECT_FALSE(list[1].bSmsChair || list[1].bEmailChair);
}

TEST(NoticeNumberChecks, AddressForms) {
  EXPECT_TRUE(IsValidEmailAddress(""));
  EXPECT_TRUE(IsValidEmailAddress(".@"));
  EXPECT_TRUE(IsValidEmailAddress("a.b@c"));
  EXPECT_FALSE(IsValidEmailAddress("a@b"));
  EXPECT_FALSE(IsValidEmailAddress("a.b"));
  EXPECT_TRUE(IsValidSmsNumber(""));
  EXPECT_TRUE(IsValidSmsNumber("13900001111"));
  EXPECT_FALSE(IsValidSmsNumber("139-0000"));
  EXPECT_TRUE(IsValidNoticeNumber("!z"));
  EXPECT_FALSE(IsValidNoticeNumber(""));
  EXPECT_FALSE(IsValidNoticeNumber("a b"));
  EXPECT_FALSE(IsValidNoticeNumber("{"));
  EXPECT_FALSE(IsValidNoticeNumber("\xD6\xD0"));
}

class NoticeDialogTest : public BookPageTest {
 protected:
  // Runs the dialog from the book page's button; body acts inside it, then "退出(&E)" ends it.
  void InDialog(std::function<void(CDlgEditNoticeNumbers*)> body) {
    bool ran = false;
    OnceInModal(platform::ModalKind::Dialog, [&](const platform::ModalState& state) {
      ran = true;
      CDlgEditNoticeNumbers* dialog = static_cast<CDlgEditNoticeNumbers*>(Module()->m_pActiveCommonDlg);
      ASSERT_NE(nullptr, dialog);
      body(dialog);
      platform::user::ClickItem(state.window, IDCANCEL);
    });
    ASSERT_TRUE(Click(Pre(), IDC_PRE_EDIT_NOTICES));
    EXPECT_TRUE(ran);
    EXPECT_EQ(nullptr, Module()->m_pActiveCommonDlg);
  }
  void Fill(CDlgEditNoticeNumbers* d, const char* name, const char* number, const char* sms, const char* email) {
    SetField(d, IDC_NOTICE_NAME, name);
    SetField(d, IDC_NOTICE_NUMBER, number);
    SetField(d, IDC_NOTICE_SMS, sms);
    SetField(d, IDC_NOTICE_EMAIL, email);
  }
  Texts Row(CDlgEditNoticeNumbers* d, int row) {
    Texts texts;
    for (int column = 0; column < 4; ++column) texts.push_back(d->m_list.GetItemText(row, column).str());
    return texts;
  }
};

TEST_F(NoticeDialogTest, ShowsTheMembersEntriesAndAddsNewOnes) {
  ASSERT_TRUE(AddTyped(kLiuYang));
  InDialog([&](CDlgEditNoticeNumbers* d) {
    CString caption;
    d->GetWindowText(caption);
    EXPECT_EQ("编辑会议通知号码", caption.str());
    ASSERT_EQ(1, d->m_list.GetItemCount());
    EXPECT_EQ((Texts{"80002001", kLiuYang, "13600002001", "liuyang@example.cn"}), Row(d, 0));
    Fill(d, "", "80009999", "13900009999", "");
    ASSERT_TRUE(Click(d, IDC_NOTICE_SMS_CHAIR));
    ASSERT_TRUE(Click(d, IDC_NOTICE_ADD));
    ASSERT_EQ(2, d->m_list.GetItemCount());
    EXPECT_EQ((Texts{"80009999", "80009999", "13900009999", ""}), Row(d, 1)) << "an empty name is the number's user part";
    EXPECT_EQ("", ItemText(d, IDC_NOTICE_NUMBER).str()) << "the fields are emptied";
    EXPECT_FALSE(d->IsDlgButtonChecked(IDC_NOTICE_SMS_CHAIR));
  });
  ASSERT_EQ(2, Pre()->NoticeEntries().GetCount());
  EXPECT_TRUE(Entry(1).bSmsChair);
  EXPECT_FALSE(Entry(1).bEmailChair);
}

TEST_F(NoticeDialogTest, AChosenRowIsChangedInPlaceWithNameAndNumberLocked) {
  ASSERT_TRUE(AddTyped(kLiuYang));
  InDialog([&](CDlgEditNoticeNumbers* d) {
    ASSERT_TRUE(platform::user::ClickListItem(::GetDlgItem(d->m_hWnd, IDC_NOTICE_LIST), 0));
    EXPECT_EQ("修改(&M)", ItemText(d, IDC_NOTICE_ADD).str());
    EXPECT_FALSE(Enabled(d, IDC_NOTICE_NAME));
    EXPECT_FALSE(Enabled(d, IDC_NOTICE_NUMBER));
    EXPECT_EQ("13600002001", ItemText(d, IDC_NOTICE_SMS).str());
    SetField(d, IDC_NOTICE_EMAIL, "ly@new.cn");
    ASSERT_TRUE(Click(d, IDC_NOTICE_ADD));
    EXPECT_EQ(1, d->m_list.GetItemCount());
    EXPECT_EQ("添加(&A)", ItemText(d, IDC_NOTICE_ADD).str());
    EXPECT_TRUE(Enabled(d, IDC_NOTICE_NUMBER));
    // Choosing again and clearing unlocks without a change.
    ASSERT_TRUE(platform::user::ClickListItem(::GetDlgItem(d->m_hWnd, IDC_NOTICE_LIST), 0));
    ASSERT_TRUE(Click(d, IDC_NOTICE_CLEAR));
    EXPECT_TRUE(Enabled(d, IDC_NOTICE_NAME));
    EXPECT_EQ("添加(&A)", ItemText(d, IDC_NOTICE_ADD).str());
    EXPECT_EQ("", ItemText(d, IDC_NOTICE_SMS).str());
  });
  ASSERT_EQ(1, Pre()->NoticeEntries().GetCount());
  EXPECT_EQ("ly@new.cn", Entry(0).csEmail.str());
  EXPECT_EQ("13600002001", Entry(0).csSmsNumber.str());
}

TEST_F(NoticeDialogTest, RefusalsLeaveTheFieldsAndTheListAlone) {
  InDialog([&](CDlgEditNoticeNumbers* d) {
    Fill(d, "王", "", "", "");
    ASSERT_TRUE(Click(d, IDC_NOTICE_ADD));
    Fill(d, "王", "80001111", "139a", "");
    ASSERT_TRUE(Click(d, IDC_NOTICE_ADD));
    EXPECT_EQ(::GetDlgItem(d->m_hWnd, IDC_NOTICE_SMS), ::GetFocus());
    Fill(d, "王", "80001111", "139", "wang@mail");
    ASSERT_TRUE(Click(d, IDC_NOTICE_ADD));
    EXPECT_EQ(::GetDlgItem(d->m_hWnd, IDC_NOTICE_EMAIL), ::GetFocus());
    EXPECT_EQ("wang@mail", ItemText(d, IDC_NOTICE_EMAIL).str());
    EXPECT_EQ(0, d->m_list.GetItemCount());
  });
  EXPECT_EQ((Texts{"号码不能为空！", "请输入正确的短信号码！", "请输入正确的电子邮件！"}), Boxes());
  EXPECT_EQ(0, Pre()->NoticeEntries().GetCount());
}

TEST_F(NoticeDialogTest, DeletingARowRemovesTheEntry) {
  std::string typed = std::string(kLiuYang) + ";" + kChenJing;
  ASSERT_TRUE(AddTyped(typed.c_str()));
  InDialog([&](CDlgEditNoticeNumbers* d) {
    OnceInModal(platform::ModalKind::Menu, [](const platform::ModalState&) { platform::Menus::Choose(ID_DELETE_ROWS); });
    ASSERT_TRUE(platform::user::ClickListItem(::GetDlgItem(d->m_hWnd, IDC_NOTICE_LIST), 0, true));
    ASSERT_EQ(1, d->m_list.GetItemCount());
    EXPECT_EQ(kChenJing, Row(d, 0)[1]);
  });
  ASSERT_EQ(1, Pre()->NoticeEntries().GetCount());
  EXPECT_EQ(kChenJing, Entry(0).csNumber.str());
  EXPECT_EQ(2, Pre()->GetMemberCount()) << "the member rows stay";
}

TEST_F(NoticeDialogTest, TheHostsCloseRequestEndsTheDialog) {
  bool ran = false;
  OnceInModal(platform::ModalKind::Dialog, [&](const platform::ModalState&) {
    ran = true;
    Module()->ClosePopupDialogs();
  });
  ASSERT_TRUE(Click(Pre(), IDC_PRE_EDIT_NOTICES));
  EXPECT_TRUE(ran);
  EXPECT_EQ(nullptr, Module()->m_pActiveCommonDlg);
}

// The booking's SMS list holds 200 entries: a 201st is not dropped in silence, the booking is
// refused with a message until one goes.
TEST_F(NoticeDialogTest, MoreSmsNumbersThanTheBookingHoldsAreRefused) {
  InDialog([&](CDlgEditNoticeNumbers* d) {
    for (int i = 0; i < 201; ++i) {
      CString number, sms;
      number.Format("8%04d", i);
      sms.Format("139%08d", i);
      Fill(d, "", number, sms, "");
      ASSERT_TRUE(Click(d, IDC_NOTICE_ADD));
    }
  });
  ASSERT_EQ(201, Pre()->NoticeEntries().GetCount());
  ASSERT_TRUE(Click(Pre(), IDOK));
  EXPECT_EQ("短信通知号码最多200个！", LastBox());
  EXPECT_TRUE(Host().ConfMethodRecords(10).empty()) << "nothing asked of the server";
  InDialog([&](CDlgEditNoticeNumbers* d) {  // one entry loses its SMS number
    ASSERT_TRUE(platform::user::ClickListItem(::GetDlgItem(d->m_hWnd, IDC_NOTICE_LIST), 0));
    SetField(d, IDC_NOTICE_SMS, "");
    ASSERT_TRUE(Click(d, IDC_NOTICE_ADD));
  });
  ASSERT_EQ("", Entry(0).csSmsNumber.str());
  ASSERT_TRUE(Click(Pre(), IDOK));
  EXPECT_EQ(1u, Host().ConfMethodRecords(10).size());
}

}  // namespace
}  // namespace tavtest
