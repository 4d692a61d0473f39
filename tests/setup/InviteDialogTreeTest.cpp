// The invite dialog's department tree: registered and reported to the tree service as tree 4,
// adding a person or one of its numbers, folding on OK and Cancel, the module's resets.
#include "tests/setup/InviteDialogFixture.h"
#include "tests/setup/TreeFinder.h"

namespace tavtest {
namespace {

namespace user = platform::user;

class InviteDialogTreeTest : public InviteDialogTest {
 protected:
  void SetUp() override {
    InviteDialogTest::SetUp();
    Module()->InitDeptTree();
    VzFillDeptTree(kTreeInviteDialog, &Tree());
    Host().Clear();
  }
  CTreeCtrlEx& Tree() { return Dlg()->m_treeDept; }
  HTREEITEM Find(const char* text) { return FindTreeItem(Tree(), text); }
  bool ClickItem(const char* text) { return ClickTreeItemText(Tree(), text); }
  void LoadResearch() {
    ASSERT_TRUE(ClickItem("南京分公司"));
    VzLoadDeptMembers(&Tree(), Find("研发部"));
    ASSERT_TRUE(ClickItem("研发部"));
  }
  // The tree numbers of the tree service's click reports (120).
  std::vector<int> ClickReports() {
    std::vector<int> trees;
    for (const host::HostEvent& e : Host().Events())
      if (e.channel == kReq && e.code == kTreeClick) trees.push_back(e.value);
    return trees;
  }
};

TEST_F(InviteDialogTreeTest, TheTreeIsTree4ForTheTreeService) {
  ASSERT_EQ(1u, registered_.size());
  EXPECT_EQ(kTreeInviteDialog, registered_[0].nTree);
  EXPECT_EQ(static_cast<void*>(&Tree()), registered_[0].pTreeCtrl);
  ASSERT_TRUE(ClickItem("南京分公司"));
  VzLoadDeptMembers(&Tree(), Find("研发部"));
  VzLoadDeptMembers(&Tree(), Find("市场部"));
  ASSERT_TRUE(ClickItem("研发部"));
  ASSERT_TRUE(ClickItem("市场部"));
  EXPECT_EQ((std::vector<int>{kTreeInviteDialog}), ClickReports());
  EXPECT_FALSE(Enabled(Dlg(), IDC_INVITE_ADD));
}

TEST_F(InviteDialogTreeTest, APersonIsAddedByItsSipNumberAndOnlyOnce) {
  LoadResearch();
  ASSERT_TRUE(ClickItem("刘洋"));
  EXPECT_TRUE(Enabled(Dlg(), IDC_INVITE_ADD));
  ASSERT_TRUE(Click(Dlg(), IDC_INVITE_ADD));
  EXPECT_EQ((Rows{{"刘洋", "80002001@ims.example.cn"}}), InviteRows());
  ASSERT_TRUE(Click(Dlg(), IDC_INVITE_ADD));
  EXPECT_EQ("已经存在！", LastBox());
  EXPECT_EQ(1u, InviteRows().size());
  EXPECT_FALSE(Module()->m_bAddingMember);
}

TEST_F(InviteDialogTreeTest, AMemberOfTheConferenceIsNotAddedFromTheTree) {
  LoadResearch();
  ASSERT_TRUE(ClickItem("刘洋"));
  MembersNow(3, {{"sip:80002001@ims.example.cn", kMemberConnecting, 7}});
  ASSERT_TRUE(Click(Dlg(), IDC_INVITE_ADD));
  EXPECT_EQ("已经邀请该成员，请稍后再邀请！", LastBox());
  EXPECT_TRUE(InviteRows().empty());
}

TEST_F(InviteDialogTreeTest, ANumberLeafGoesInWithoutTheRightsCheck) {
  LoadResearch();
  ASSERT_TRUE(ClickItem("刘洋"));
  HostAnswersRights(403);  // the host would refuse any member it is asked about
  ASSERT_TRUE(user::DoubleClickTreeItem(Tree().m_hWnd, Find("66002001")));
  EXPECT_TRUE(RightQueries().empty());
  EXPECT_EQ(nullptr, QueryWindow());
  EXPECT_EQ((Rows{{"刘洋", "66002001"}}), InviteRows());
}

TEST_F(InviteDialogTreeTest, DoubleClickingANumberLeafAddsItWithinTheMaximum) {
  LoadResearch();
  ASSERT_TRUE(ClickItem("刘洋"));
  ASSERT_TRUE(user::DoubleClickTreeItem(Tree().m_hWnd, Find("13600002001")));
  EXPECT_EQ((Rows{{"刘洋", "013600002001"}}), InviteRows());
  MembersNow(9);  // 9 + 1 + 1 > 10
  ASSERT_TRUE(user::DoubleClickTreeItem(Tree().m_hWnd, Find("66002001")));
  EXPECT_EQ("会场人数超过会议最大人数限制！", LastBox());
  EXPECT_EQ(1u, InviteRows().size());
}

TEST_F(InviteDialogTreeTest, OkAndCancelFoldPeople) {
  LoadResearch();
  ASSERT_TRUE(ClickItem("刘洋"));
  ASSERT_TRUE(Click(Dlg(), IDC_INVITE_ADD));
  ASSERT_TRUE(Click(Dlg(), IDOK));
  EXPECT_EQ(nullptr, Tree().GetChildItem(Find("刘洋")));
  MembersNow(3, {{"sip:80002001@ims.example.cn", kMemberConnecting, 7}});  // the invite button is back
  ASSERT_TRUE(Click(Conf(), IDC_CONF_INVITE));
  ASSERT_TRUE(ClickItem("周杰"));
  ASSERT_TRUE(Click(Dlg(), IDCANCEL));
  EXPECT_EQ(nullptr, Tree().GetChildItem(Find("周杰")));
  EXPECT_NE(nullptr, Find("研发部"));
}

TEST_F(InviteDialogTreeTest, TheModuleEmptiesTheTree) {
  LoadResearch();
  HostPlainBlock block{0};
  EXPECT_EQ(1, Deliver(kModuleClearTrees, block));
  ASSERT_NE(nullptr, Tree().GetRootItem());
  EXPECT_EQ(1u, Tree().GetCount());
  Module()->InitDeptTree();
  EXPECT_EQ(0u, Tree().GetCount());
}

// Until the host first opens the user interface the module has not had its trees filled: in a
// conference the user entered through an invitation, the invite command empties the invite
// dialog's tree for the tree service to fill; once the interface was opened the tree is kept.
using InviteBeforeTheUITest = SetupTest;

TEST_F(InviteBeforeTheUITest, TheInviteCommandEmptiesTheTreeUntilTheTreesWereFilled) {
  AcceptInvitation("sip:conf1@ims.example.cn", 2, 10);
  CTreeCtrlEx& tree = Conf()->m_pInviteConfDlg->m_treeDept;
  VzFillDeptTree(kTreeInviteDialog, &tree);  // the tree service filled the registered tree
  ASSERT_TRUE(Click(Conf(), IDC_CONF_INVITE));
  EXPECT_EQ(0u, tree.GetCount());

  EXPECT_TRUE(Click(Conf()->m_pInviteConfDlg.get(), IDCANCEL));
  OpenUI();
  VzFillDeptTree(kTreeInviteDialog, &tree);  // asked for with code 115
  ASSERT_TRUE(Click(Conf(), IDC_CONF_INVITE));
  EXPECT_NE(0u, tree.GetCount());
}

}  // namespace
}  // namespace tavtest
