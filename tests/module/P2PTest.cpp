#include <gtest/gtest.h>

#include "protocol/ConfMethodRecord.h"
#include "tests/support/module/ModuleFixture.h"

namespace {

using tavtest::ExpectTraffic;
using tavtest::kMsg;
using tavtest::ModuleTest;

TEST_F(ModuleTest, SessionsMatchByPeerAndTypeWithWildcards) {
  Module()->AddP2PSession("sip:a@h", kP2PWhiteboard);
  Module()->AddP2PSession("sip:b@h", kP2PAssist);
  EXPECT_TRUE(Module()->bP2PSessionExist("sip:a@h", kP2PWhiteboard));
  EXPECT_FALSE(Module()->bP2PSessionExist("sip:a@h", kP2PAssist));
  EXPECT_TRUE(Module()->bP2PSessionExist("sip:a@h", kAnyP2PType));
  EXPECT_TRUE(Module()->bP2PSessionExist(kAnyPeerURI, kP2PAssist));
  EXPECT_FALSE(Module()->bP2PSessionExist("sip:c@h", kAnyP2PType));
  Module()->RemoveP2PSession(kAnyPeerURI, kAnyP2PType);
  EXPECT_FALSE(Module()->bP2PSessionExist("sip:a@h", kAnyP2PType)) << "the first match goes";
  EXPECT_TRUE(Module()->bP2PSessionExist("sip:b@h", kP2PAssist));
  Module()->RemoveP2PSession("sip:b@h", kP2PWhiteboard);
  EXPECT_TRUE(Module()->bP2PSessionExist("sip:b@h", kP2PAssist)) << "type must match";
}

TEST_F(ModuleTest, SessionNameFollowsTheSessionInProgress) {
  EXPECT_EQ(CString(""), Module()->GetP2PSessionName());
  Module()->AddP2PSession("sip:a@h", kP2PAssist);
  EXPECT_EQ(CString(""), Module()->GetP2PSessionName()) << "not busy";
  EXPECT_FALSE(Module()->SetP2PBusy(TRUE));
  EXPECT_TRUE(Module()->GetP2PBusy());
  EXPECT_EQ(CString("点对点请求协助"), Module()->GetP2PSessionName());
  Module()->RemoveP2PSession("sip:a@h", kP2PAssist);
  Module()->AddP2PSession("sip:a@h", kP2PWhiteboard);
  EXPECT_EQ(CString("点对点白板"), Module()->GetP2PSessionName());
}

TEST_F(ModuleTest, DataSessionEndsOnlyWhenBegun) {
  EXPECT_EQ(0, Module()->EndDataSession());
  Module()->BeginDataSession();
  Module()->EndDataSession();
  Module()->EndDataSession();
  ExpectTraffic(Host(), {{kMsg, kHostBeginDataSession}, {kMsg, kHostEndDataSession}});
}

TEST_F(ModuleTest, AnsweringAnInvitationSendsSubTypeThree) {
  Module()->AnswerP2PSession("sip:peer@h", kP2PWhiteboard, kP2PAccept);
  // The board window opens between the two: its palette bar is skinned twice; the board sends
  // the peer nothing as it goes live (no board style).
  ExpectTraffic(Host(), {{kMsg, kHostBeginDataSession},
                         {kMsg, kHostSkinWindow},
                         {kMsg, kHostSkinWindow},
                         {kMsg, kHostConfMethod}});
  EXPECT_TRUE(Module()->GetP2PBusy());
  const ConfMethodRecord* accept = Host().ConfMethod1(0);
  EXPECT_EQ(kConfAnswer, +accept->iSubType);
  EXPECT_STREQ("sip:peer@h", accept->szConfURI);
  EXPECT_EQ(kP2PWhiteboard, +accept->iConfType);
  EXPECT_EQ(1, +accept->iAnswer);

  Host().Clear();
  Module()->SetP2PBusy(FALSE);
  Module()->AnswerP2PSession("sip:peer@h", kP2PAssist, kP2PRefuse);
  ExpectTraffic(Host(), {{kMsg, kHostConfMethod}});
  EXPECT_EQ(0, +Host().ConfMethod1(0)->iAnswer);
  EXPECT_EQ(kP2PAssist, +Host().ConfMethod1(0)->iConfType);
  EXPECT_FALSE(Module()->GetP2PBusy());

  Host().Clear();
  Module()->AnswerP2PSession("sip:peer@h", kP2PAssist, 0);
  ExpectTraffic(Host(), {});
}

TEST_F(ModuleTest, MemberRightCheckPassesKnownMembersAndAsksForOthers) {
  EXPECT_TRUE(Module()->BeforeAddMemberRightCheck("sip:80002001@ims.example.cn", nullptr)) << "department";
  EXPECT_TRUE(Module()->BeforeAddMemberRightCheck(" sip:80005678@ims.example.cn ", nullptr))
      << "phone book with the rights flag";
  ExpectTraffic(Host(), {});
  // Anyone else is asked of the host; the query dialog decides (here: the host closes pop-ups).
  OnceInModal(platform::ModalKind::Dialog, [this](const platform::ModalState&) { Module()->ClosePopupDialogs(); });
  EXPECT_FALSE(Module()->BeforeAddMemberRightCheck("sip:13900001111@ims.example.cn", nullptr));
  // The query goes out once its dialog exists (skinned in its initialisation).
  ExpectTraffic(Host(), {{kMsg, kHostSkinWindow}, {kMsg, kHostMemberRightQuery}});
  const HostMemberRightQueryBlock* query = Host().EventsWithCode(kHostMemberRightQuery)[0].As<HostMemberRightQueryBlock>();
  EXPECT_STREQ("sip:13900001111@ims.example.cn", query->szNumber);
}

TEST_F(ModuleTest, DirectoryQueriesTooCloseTogetherAreRefused) {
  EXPECT_TRUE(Module()->bIMSGetDeptAddrList("sip:dept1@h", kDeptDepartment, kTreeInviteDialog, nullptr));
  EXPECT_FALSE(Module()->bIMSGetDeptAddrList("sip:dept2@h", kDeptDepartment, kTreeInviteDialog, nullptr));
  EXPECT_EQ(CString("查询过快！"), LastMessageBoxText());
  Advance(1000);
  EXPECT_TRUE(Module()->bIMSGetDeptAddrList("sip:dept3@h", kDeptCompany, kTreeCreatePage, nullptr));
  auto queries = Host().EventsWithCode(kHostDeptAddrList);
  ASSERT_EQ(2u, queries.size());
  EXPECT_STREQ("sip:dept3@h", queries[1].As<HostDeptAddrListBlock>()->pURI);
  EXPECT_EQ(kDeptCompany, queries[1].As<HostDeptAddrListBlock>()->nType);
  EXPECT_EQ(kTreeCreatePage, queries[1].As<HostDeptAddrListBlock>()->nDlgType);
}

}  // namespace
