// The host closes the module while a set-up window runs a nested dialog or waits in a host
// call: the windows go at once, the handler returns through its object without touching the
// closed window again, no number after it is tried and nothing is left waiting.
#include <ostream>

#include "setup/BookPageIds.h"
#include "setup/DlgSelectReceiver.h"
#include "setup/DlgmmConfPreCreate.h"
#include "setup/mmconfPre.h"
#include "tests/setup/InviteDialogFixture.h"

namespace tavtest {
namespace {

namespace user = platform::user;

bool IsChooser(HWND dialog) { return ::GetDlgItem(dialog, IDC_RECEIVER_LIST) != nullptr; }

template <class Fixture>
class CloseIn : public Fixture {
 protected:
  // Two phone-book contacts that no department vouches for: each needs a member-right query.
  void SetUp() override {
    Fixture::SetUp();
    VzData().phoneBook = {
        this->Contact("李娜", "sip:80005678@ims.example.cn", "", "", "", "", ""),
        this->Contact("王强", "sip:80009999@ims.example.cn", "", "", "", "", ""),
    };
  }
  // Runs the user's action with the module closed inside the dialog `closeIn` names; a
  // receiver chooser gets both rows picked.
  void CloseInside(std::function<bool(HWND)> closeIn, std::function<void()> action) {
    bool closed = false;
    this->InEveryDialog([&](HWND dialog) {
      if (closed) return;
      if (closeIn(dialog)) {
        closed = true;
        this->Module()->Close();
        EXPECT_FALSE(::IsWindowVisible(dialog)) << "the close ended the dialog";
        // A dialog that outlived the close ends as well as it can: rows picked, or allowed.
        if (!::IsWindowVisible(dialog)) return;
      }
      if (IsChooser(dialog)) {
        HWND list = ::GetDlgItem(dialog, IDC_RECEIVER_LIST);
        user::HoldKey(VK_CONTROL, true);
        for (int row = 0; row < 2; ++row) user::ClickListItem(list, row);
        user::HoldKey(VK_CONTROL, false);
        user::ClickItem(dialog, IDOK);
      } else if (closed) {
        static_cast<CDialog*>(CWnd::FromHandlePermanent(dialog))->EndDialog(IDOK);
      }
    });
    action();
    EXPECT_TRUE(closed);
    EXPECT_EQ(nullptr, this->Module()->m_pDlgPreCreate);
    EXPECT_EQ(nullptr, this->QueryWindow());
    EXPECT_EQ(nullptr, this->Module()->m_pActiveCommonDlg);
    EXPECT_FALSE(this->Module()->m_bAddingMember);
  }
  bool IsQuery(HWND dialog) { return dialog == this->QueryWindow(); }
};

class CloseInSetupDialog : public CloseIn<MemberTest> {
 protected:
  // Presses the page's OK with the module closed inside the first message box.
  void CloseInOKRefusal(CWnd* page) {
    bool closed = false;
    OnModal([&](const platform::ModalState& state) {
      if (state.kind != platform::ModalKind::MessageBox || closed) return;
      closed = true;
      Module()->Close();
    });
    Click(page, IDOK);
    EXPECT_TRUE(closed);
    EXPECT_EQ(nullptr, Module()->m_pDlgPreCreate);
    EXPECT_EQ(0u, Method1Count());
  }
  CmmconfPre* BookPage() {
    EXPECT_TRUE(Click(Start(), IDC_RADIO_PRE_CONF));
    return Start()->m_pPre;
  }
};

TEST_F(CloseInSetupDialog, CreatePageTypedNumbersStopAtTheFirstQuery) {
  CloseInside([this](HWND d) { return IsQuery(d); }, [this] { AddTyped("66880001;66880002;66880003"); });
  EXPECT_EQ(1u, RightQueries().size());
}

TEST_F(CloseInSetupDialog, CreatePageTypedNumbersStopAtARefusalBox) {
  bool closed = false;
  OnModal([&](const platform::ModalState& state) {
    if (state.kind != platform::ModalKind::MessageBox || closed) return;
    closed = true;
    Module()->Close();
  });
  AddTyped("abc;66880001");
  EXPECT_TRUE(closed);
  EXPECT_EQ(nullptr, Module()->m_pDlgPreCreate);
  EXPECT_TRUE(RightQueries().empty());
}

// OK refused over an empty field: the box may outlive the page, which then has no field to
// give the focus to.
TEST_F(CloseInSetupDialog, CreatePageOKRefusalBox) {
  TypeField(CreatePage(), IDC_MAX_MEMBERS, "");
  CloseInOKRefusal(CreatePage());
}

TEST_F(CloseInSetupDialog, JoinPageOKRefusalBox) {
  ASSERT_TRUE(Click(Start(), IDC_RADIO_JOIN_CONF));
  TypeField(JoinPage(), IDC_JOIN_URI, "");
  CloseInOKRefusal(JoinPage());
}

TEST_F(CloseInSetupDialog, CreatePagePhoneBookChooser) {
  CloseInside(IsChooser, [this] { Click(CreatePage(), IDC_BTN_PHONEBOOK); });
  EXPECT_TRUE(RightQueries().empty());
}

TEST_F(CloseInSetupDialog, CreatePagePhoneBookQuery) {
  CloseInside([this](HWND d) { return IsQuery(d); }, [this] { Click(CreatePage(), IDC_BTN_PHONEBOOK); });
  EXPECT_EQ(1u, RightQueries().size());
}

TEST_F(CloseInSetupDialog, BookPageTypedNumbers) {
  CmmconfPre* page = BookPage();
  CloseInside([this](HWND d) { return IsQuery(d); }, [&] {
    TypeField(page, IDC_NUMBER_ENTRY, "66880001;66880002");
    Click(page, IDC_BTN_ADD_NUMBER);
  });
  EXPECT_EQ(1u, RightQueries().size());
}

TEST_F(CloseInSetupDialog, BookPagePhoneBookChooser) {
  CmmconfPre* page = BookPage();
  CloseInside(IsChooser, [&] { Click(page, IDC_PRE_PHONEBOOK); });
}

TEST_F(CloseInSetupDialog, BookPagePhoneBookQuery) {
  CmmconfPre* page = BookPage();
  CloseInside([this](HWND d) { return IsQuery(d); }, [&] { Click(page, IDC_PRE_PHONEBOOK); });
  EXPECT_EQ(1u, RightQueries().size());
}

// The notice dialog refuses an entry over its SMS field while the module closes.
TEST_F(CloseInSetupDialog, BookPageNoticeRefusalBox) {
  CmmconfPre* page = BookPage();
  bool typed = false, closed = false;
  OnModal([&](const platform::ModalState& state) {
    if (closed) return;
    if (state.kind == platform::ModalKind::MessageBox) {
      closed = true;
      Module()->Close();
    } else if (state.kind == platform::ModalKind::Dialog && !typed) {
      typed = true;
      EXPECT_TRUE(user::Type(::GetDlgItem(state.window, IDC_NOTICE_NUMBER), "66880001"));
      EXPECT_TRUE(user::Type(::GetDlgItem(state.window, IDC_NOTICE_SMS), "abc"));
      EXPECT_TRUE(user::ClickItem(state.window, IDC_NOTICE_ADD));
    }
  });
  Click(page, IDC_PRE_EDIT_NOTICES);
  EXPECT_TRUE(closed);
  EXPECT_EQ(nullptr, Module()->m_pDlgPreCreate);
}

TEST_F(CloseInSetupDialog, BookPageNoticeNumbersDialog) {
  CmmconfPre* page = BookPage();
  CloseInside([](HWND) { return true; }, [&] { Click(page, IDC_PRE_EDIT_NOTICES); });
}

// The invite dialog belongs to the conference window, which outlives the close: the close
// ends the dialog's own dialogs and cancels it, and its adds end without asking anything more.
class CloseInInviteDialog : public CloseIn<InviteDialogTest> {
 protected:
  void TearDown() override {
    EXPECT_FALSE(Dlg()->IsWindowVisible());
    CloseIn<InviteDialogTest>::TearDown();
  }
};

TEST_F(CloseInInviteDialog, TypedNumber) {
  CloseInside([this](HWND d) { return IsQuery(d); }, [this] { Type("66880001"); });
  EXPECT_TRUE(InviteRows().empty());
  EXPECT_EQ("", Number().str());  // the close left the conference, which empties the dialog
}

TEST_F(CloseInInviteDialog, PhoneBookChooser) {
  CloseInside(IsChooser, [this] { Click(Dlg(), IDC_INVITE_PHONEBOOK); });
  EXPECT_TRUE(InviteRows().empty());
}

// The dialog stays open, emptied, after its conference ended; a chooser opened then has no
// conference to end with, and ends with the close.
TEST_F(CloseInInviteDialog, PhoneBookChooserAfterTheConferenceEnded) {
  ConferenceEnds();
  CloseInside(IsChooser, [this] { Click(Dlg(), IDC_INVITE_PHONEBOOK); });
  EXPECT_TRUE(RightQueries().empty());
  EXPECT_TRUE(InviteRows().empty());
}

TEST_F(CloseInInviteDialog, PhoneBookQuery) {
  CloseInside([this](HWND d) { return IsQuery(d); }, [this] { Click(Dlg(), IDC_INVITE_PHONEBOOK); });
  EXPECT_EQ(1u, RightQueries().size());
  EXPECT_TRUE(InviteRows().empty());
}

}  // namespace
}  // namespace tavtest

namespace tavtest {
namespace {

// The host closes the module while a page's request waits in a host call (its consent, the
// announcement of a create, the request itself, the book page's server-time request): the
// page goes on with nothing, shows nothing and leaves nothing waiting.
struct HostCallCase {
  const char* name;
  int radio;  // the page's radio button
  int code;   // the host code during which the host closes the module
  bool direct;
};
// Printed by name: gtest would print the bytes, padding included.
void PrintTo(const HostCallCase& c, std::ostream* out) { *out << c.name; }

class CloseInHostCall : public SetupTest, public testing::WithParamInterface<HostCallCase> {
 protected:
  void SetUp() override {
    SetupTest::SetUp();
    VzData().states.bIMSDirectApp = GetParam().direct;
    OpenUI();
    HostAllows(1);
    HostTakesRequests(1);
  }
};

TEST_P(CloseInHostCall, LeavesNothingWaiting) {
  ASSERT_TRUE(Click(Start(), GetParam().radio));
  CWnd* page = GetParam().radio == IDC_RADIO_CREATE_CONF ? (CWnd*)CreatePage()
               : GetParam().radio == IDC_RADIO_PRE_CONF  ? (CWnd*)Start()->m_pPre
                                                         : (CWnd*)JoinPage();
  if (page == CreatePage()) {
    TypeField(page, IDC_NUMBER_ENTRY, "80002001@ims.example.cn");
    ASSERT_TRUE(Click(page, IDC_BTN_ADD_NUMBER));
  }
  if (page == JoinPage()) TypeField(page, IDC_JOIN_URI, "sip:c@ims.example.cn");
  if (page == Start()->m_pPre) {  // a start later today
    CTime start(2023, 11, 15, 10, 0, 0);
    ASSERT_TRUE(user::SetDateTime(::GetDlgItem(page->m_hWnd, IDC_START_DATE), start));
    ASSERT_TRUE(user::SetDateTime(::GetDlgItem(page->m_hWnd, IDC_START_TIME), start));
  }
  bool closed = false;
  size_t boxes = 0;
  Host().SetObserver([&](const host::HostEvent& e) {
    if (closed || e.code != GetParam().code) return;
    closed = true;
    Module()->Close();
    boxes = MessageBoxesShown().size();
  });
  Click(page, IDOK);
  Host().SetObserver(nullptr);
  EXPECT_TRUE(closed);
  EXPECT_EQ(boxes, MessageBoxesShown().size());
  EXPECT_EQ(nullptr, Module()->m_pDlgPreCreate);
  EXPECT_FALSE(Conf()->m_bSetupRequestPending);
  EXPECT_TRUE(Conf()->m_saInitMembers.IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Pages, CloseInHostCall,
    testing::Values(HostCallCase{"CreateConsent", IDC_RADIO_CREATE_CONF, kHostMayStartConfOp, false},
                    HostCallCase{"CreateAnnounced", IDC_RADIO_CREATE_CONF, kHostBeforeCreate, false},
                    HostCallCase{"CreateRequest", IDC_RADIO_CREATE_CONF, kHostConfMethod, false},
                    HostCallCase{"BookConsent", IDC_RADIO_PRE_CONF, kHostMayStartConfOp, false},
                    HostCallCase{"BookServerTime", IDC_RADIO_PRE_CONF, kHostConfMethod, false},
                    HostCallCase{"BookRequestDirect", IDC_RADIO_PRE_CONF, kHostConfMethod, true},
                    HostCallCase{"JoinConsent", IDC_RADIO_JOIN_CONF, kHostMayStartConfOp, false},
                    HostCallCase{"JoinRequest", IDC_RADIO_JOIN_CONF, kHostConfMethod, false}),
    [](const testing::TestParamInfo<HostCallCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavtest
