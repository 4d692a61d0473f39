// Timer 34: the queue of pending invitations leaves one request every 500 ms.
#include "tests/confwindow/ConfWindowFixture.h"

namespace tavtest {
namespace {

class InviteQueueTest : public ConfWindowTest {
 protected:
  // What the invite dialog's OK does with the rows after the first.
  void Queue(std::initializer_list<const char*> numbers) {
    for (const char* n : numbers) Conf()->m_saPendingInvites.Add(n);
    Conf()->SetTimer(kTimerInviteQueue, kInviteIntervalMs);
  }
};

TEST_F(InviteQueueTest, SendsOneInvitationEach500Milliseconds) {
  StartConference("sip:conf001@ims.example.cn");
  Queue({"tel:80002001", "sip:80002002@ims.example.cn", "tel:13900001111"});
  Advance(499);
  EXPECT_TRUE(Requests(kConfInvite).empty());
  const char* expected[] = {"tel:80002001", "sip:80002002@ims.example.cn", "tel:13900001111"};
  for (size_t i = 0; i < 3; ++i) {
    Advance(i == 0 ? 1 : 500);
    auto invites = Requests(kConfInvite);
    ASSERT_EQ(i + 1, invites.size());
    EXPECT_STREQ("sip:conf001@ims.example.cn", invites[i]->szConfURI);
    EXPECT_STREQ(expected[i], invites[i]->szMemberURI);
    EXPECT_EQ((int)(2 - i), Conf()->m_saPendingInvites.GetSize());
  }
  Advance(500);  // the tick that finds the queue empty does not arm the timer again
  EXPECT_EQ(3u, Requests(kConfInvite).size());
  EXPECT_FALSE(Conf()->KillTimer(kTimerInviteQueue));
}

TEST_F(InviteQueueTest, WithoutAConferenceTheQueueIsEmptiedAndNothingSent) {
  StartConference();
  Queue({"tel:80002001", "tel:80002003"});
  Advance(500);
  ASSERT_EQ(1u, Requests(kConfInvite).size());
  Conf()->EndConference();
  Advance(500);
  EXPECT_EQ(1u, Requests(kConfInvite).size());
  EXPECT_EQ(0, Conf()->m_saPendingInvites.GetSize());
  EXPECT_FALSE(Conf()->KillTimer(kTimerInviteQueue));
}

TEST_F(InviteQueueTest, InitialMembersOfAnEndedConferenceAreNotInvitedInTheNext) {
  StartConference("sip:first@ims.example.cn");
  Conf()->m_saInitMembers.Add("tel:80002001");
  Conf()->EndConference();
  StartConference("sip:second@ims.example.cn");
  Queue({"tel:80002003"});
  Advance(500);
  auto invites = Requests(kConfInvite);
  ASSERT_EQ(1u, invites.size());
  EXPECT_STREQ("tel:80002003", invites[0]->szMemberURI);
}

TEST_F(InviteQueueTest, LongNumbersAreCutAtTheirField) {
  StartConference();
  CString longNumber = "tel:" + CString('9', 400);
  Conf()->m_saPendingInvites.Add(longNumber);
  Conf()->SetTimer(kTimerInviteQueue, kInviteIntervalMs);
  Advance(500);
  auto invites = Requests(kConfInvite);
  ASSERT_EQ(1u, invites.size());
  EXPECT_EQ(256u, strnlen(invites[0]->szMemberURI, sizeof invites[0]->szMemberURI));
}

}  // namespace
}  // namespace tavtest
