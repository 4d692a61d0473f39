// The invite dialog's fixture: a conference the user joined (the host's answer: 2 of 10
// members), the invite dialog opened by the user with the conference window's invite button,
// the host allowing every member right.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "protocol/ConfMethodRecord.h"
#include "protocol/HostBlocks.h"
#include "setup/InviteDialogIds.h"
#include "setup/mmconfInvite.h"
#include "tests/setup/MemberFixture.h"

namespace tavtest {

class InviteDialogTest : public MemberTest {
 protected:
  void SetUp() override {
    MemberTest::SetUp();
    HostAnswersRights(200);
    for (const host::HostEvent& e : Host().Events())
      if (e.channel == kReq && e.code == kTreeRegister && e.As<HostTreeBlock>()->nTree == kTreeInviteDialog)
        registered_.push_back(*e.As<HostTreeBlock>());
    JoinConference(kConfURI, 2, 10);
    ASSERT_TRUE(Click(Conf(), IDC_CONF_INVITE));
    ASSERT_NE(nullptr, Dlg());
    Host().Clear();
  }

  static constexpr char kConfURI[] = "sip:conf1@ims.example.cn";
  std::vector<HostTreeBlock> registered_;  // tree 4 registrations while the dialog was made

  CmmconfInvite* Dlg() { return Conf()->m_pInviteConfDlg.get(); }
  // The host's news of the conference: its member count now, and the listed members' states.
  void MembersNow(int count, std::initializer_list<StatusMember> members = {}) {
    DeliverStatus(kStatisMembers, kConfURI, count, 0, members);
  }
  void ConferenceEnds() { DeliverStatus(kStatisConfEnded, kConfURI); }
  Rows InviteRows() {
    Rows rows;
    CListCtrl& list = Dlg()->m_listInvitees;
    for (int i = 0; i < list.GetItemCount(); ++i)
      rows.push_back({list.GetItemText(i, 0).str(), list.GetItemText(i, 1).str()});
    return rows;
  }
  void Type(const char* text) {
    TypeField(Dlg(), IDC_INVITE_NUMBER, text);
    EXPECT_TRUE(Click(Dlg(), IDC_INVITE_ADD_NUMBER));
  }
  CString Number() { return ItemText(Dlg(), IDC_INVITE_NUMBER); }
  // The member URIs of the invitations sent so far (method 1, sub-type 2), with the
  // conference URI each names checked.
  std::vector<std::string> Invited() {
    std::vector<std::string> members;
    for (const void* sent : Host().ConfMethodRecords(1)) {
      ConfMethodRecord record;
      memcpy(&record, sent, sizeof record);
      if (record.iSubType != kConfInvite) continue;
      EXPECT_STREQ("sip:conf1@ims.example.cn", record.szConfURI);
      members.push_back(record.szMemberURI);
    }
    return members;
  }
};

}  // namespace tavtest
