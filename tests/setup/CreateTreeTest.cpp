// The create page's department tree: what clicks ask of the host (directory lists, watching a
// department's member states, the tree service's click report), the person's number leaves,
// adding from the tree, folding, emptying, and input while the directory refreshes.
#include "platform/ui/Cursor.h"
#include "protocol/HostBlocks.h"
#include "tests/setup/MemberFixture.h"
#include "tests/setup/TreeFinder.h"

namespace tavtest {
namespace {

namespace user = platform::user;

const char kRd[] = "sip:dept-rd@ims.example.cn";
const char kMk[] = "sip:dept-mk@ims.example.cn";

// One call of the tree traffic: code, and the URI(s) it names.
struct TreeCall {
  int code;
  int op;
  std::string uri;
  std::string oldUri;
  bool operator==(const TreeCall& o) const {
    return code == o.code && op == o.op && uri == o.uri && oldUri == o.oldUri;
  }
};
std::ostream& operator<<(std::ostream& out, const TreeCall& c) {
  return out << "{" << c.code << " " << c.op << " " << c.uri << " " << c.oldUri << "}";
}

class CreateTreeTest : public MemberTest {
 protected:
  void SetUp() override {
    MemberTest::SetUp();
    HostAnswersRights(200);
    // The tree service fills the registered tree.
    VzFillDeptTree(kTreeCreatePage, &Tree());
    Host().Clear();
  }
  CTreeCtrlEx& Tree() { return CreatePage()->m_treeDept; }
  HTREEITEM Find(const char* text) { return FindTreeItem(Tree(), text); }
  bool ClickItem(const char* text) { return ClickTreeItemText(Tree(), text); }
  bool DoubleClickItem(HTREEITEM item) { return user::DoubleClickTreeItem(Tree().m_hWnd, item); }
  // The directory lists, watch requests and click reports the host received, in order.
  std::vector<TreeCall> TreeTraffic() {
    std::vector<TreeCall> calls;
    for (const host::HostEvent& e : Host().Events()) {
      if (e.channel == kMsg && e.code == kHostDeptAddrList) {
        const HostDeptAddrListBlock* b = e.As<HostDeptAddrListBlock>();
        calls.push_back({e.code, b->nType * 10 + b->nDlgType, b->pURI, ""});
      } else if (e.channel == kMsg && e.code == kHostWatchDept) {
        calls.push_back({e.code, e.As<HostWatchDeptBlock>()->nOp, e.As<HostWatchDeptBlock>()->pDeptURI, ""});
      } else if (e.channel == kReq && e.code == kTreeClick) {
        const HostTreeClickBlock* b = e.As<HostTreeClickBlock>();
        calls.push_back({e.code, e.value, b->szNewDeptURI, b->szOldDeptURI});
      }
    }
    return calls;
  }
  std::vector<std::string> Children(HTREEITEM item) {
    std::vector<std::string> texts;
    for (HTREEITEM c = Tree().GetChildItem(item); c; c = Tree().GetNextSiblingItem(c)) {
      int image = 0, selected = 0;
      Tree().GetItemImage(c, image, selected);
      texts.push_back(Tree().GetItemText(c).str() + "/" + std::to_string(image));
    }
    return texts;
  }
  bool Logged(const char* line) {
    for (const CString& l : VzData().logLines)
      if (l == line) return true;
    return false;
  }
  // Opens 南京分公司 and loads 研发部's people, as the host does after its list request.
  void LoadResearch() {
    ASSERT_TRUE(ClickItem("南京分公司"));
    VzLoadDeptMembers(&Tree(), Find("研发部"));
    ASSERT_TRUE(ClickItem("研发部"));
  }
};

TEST_F(CreateTreeTest, DepartmentClicksAskForListsThenWatchTheirMembersInOrder) {
  ASSERT_TRUE(ClickItem("南京分公司"));  // has departments: nothing asked
  ASSERT_TRUE(ClickItem("研发部"));       // no people yet: its list is asked for
  VzLoadDeptMembers(&Tree(), Find("研发部"));
  VzLoadDeptMembers(&Tree(), Find("市场部"));
  Advance(2000);
  ASSERT_TRUE(ClickItem("研发部"));  // now watched
  ASSERT_TRUE(ClickItem("研发部"));  // already watched: nothing
  ASSERT_TRUE(ClickItem("市场部"));  // the watch moves, with the tree service told
  EXPECT_EQ((std::vector<TreeCall>{{kHostDeptAddrList, kDeptDepartment * 10 + kTreeCreatePage, kRd, ""},
                                   {kHostWatchDept, kWatchDeptStart, kRd, ""},
                                   {kHostWatchDept, kWatchDeptStop, kRd, ""},
                                   {kTreeClick, kTreeCreatePage, kMk, kRd},
                                   {kHostWatchDept, kWatchDeptStart, kMk, ""}}),
            TreeTraffic());
  EXPECT_EQ(kMk, GetSuscribeURIofDept().str());
  EXPECT_FALSE(Enabled(CreatePage(), IDC_BTN_ADD));
}

TEST_F(CreateTreeTest, AnAffiliationWithoutChildrenIsAskedForAndTheRootOnlyToggles) {
  Tree().DeleteItem(Tree().GetChildItem(Find("苏州分公司")));
  ASSERT_TRUE(ClickItem("苏州分公司"));
  EXPECT_EQ((std::vector<TreeCall>{
                {kHostDeptAddrList, kDeptAffiliation * 10 + kTreeCreatePage, "sip:affil-sz@ims.example.cn", ""}}),
            TreeTraffic());
  HTREEITEM root = Tree().GetRootItem();
  ASSERT_TRUE(ClickItem("江苏省公司"));
  EXPECT_FALSE(Tree().GetItemState(root, TVIS_EXPANDED) & TVIS_EXPANDED);
  EXPECT_TRUE(Logged("CmmconfCreate::OnClickRosterTree--省公司"));
  EXPECT_EQ(1u, TreeTraffic().size());
}

TEST_F(CreateTreeTest, ADepartmentWithoutUriIsLoggedAndLeftAlone) {
  VzData().departments[1].csSuscribeURI = "";
  ASSERT_TRUE(ClickItem("南京分公司"));
  ASSERT_TRUE(ClickItem("市场部"));
  EXPECT_TRUE(Logged("CmmconfCreate::OnClickRosterTree--dept:error!"));
  EXPECT_TRUE(TreeTraffic().empty());
}

TEST_F(CreateTreeTest, ClickingAPersonListsItsNumbersAsLeaves) {
  LoadResearch();
  ASSERT_TRUE(ClickItem("刘洋"));
  EXPECT_EQ((std::vector<std::string>{"80002001@ims.example.cn/16", "66002001/23", "13600002001/23"}),
            Children(Find("刘洋")));
  EXPECT_TRUE(Enabled(CreatePage(), IDC_BTN_ADD));
  EXPECT_EQ(RGB(0, 0, 0), Tree().GetItemColor(Tree().GetChildItem(Find("刘洋"))));
  // The user's own SIP address is no leaf when the settings allow only the own phone numbers.
  VzData().states.iCallMySelfType = 3;
  ASSERT_TRUE(ClickItem("张伟"));
  EXPECT_EQ((std::vector<std::string>{"66001234/23", "13800001234/23"}), Children(Find("张伟")));
}

TEST_F(CreateTreeTest, AddingAPersonTakesItsSipNumberOnce) {
  LoadResearch();
  ASSERT_TRUE(ClickItem("刘洋"));
  ASSERT_TRUE(Click(CreatePage(), IDC_BTN_ADD));
  EXPECT_EQ((Rows{{"刘洋", "80002001@ims.example.cn"}}), MemberRows());
  EXPECT_TRUE(RightQueries().empty());  // a directory member
  ASSERT_TRUE(Click(CreatePage(), IDC_BTN_ADD));
  EXPECT_EQ("已经存在！", LastBox());
  EXPECT_EQ(1u, MemberRows().size());
  EXPECT_FALSE(Enabled(CreatePage(), IDC_BTN_DELETE));
}

TEST_F(CreateTreeTest, DoubleClickingANumberLeafAddsThatNumberWithoutAskingTheHost) {
  LoadResearch();
  ASSERT_TRUE(ClickItem("刘洋"));
  // The host would refuse every member it is asked about.
  HostAnswersRights(403);
  ASSERT_TRUE(DoubleClickItem(Find("13600002001")));
  ASSERT_TRUE(DoubleClickItem(Find("66002001")));
  EXPECT_EQ((Rows{{"刘洋", "013600002001"}, {"刘洋", "66002001"}}), MemberRows());
  EXPECT_TRUE(RightQueries().empty());
  EXPECT_EQ(nullptr, QueryWindow());
}

TEST_F(CreateTreeTest, TheTreeRefusesAddsToAFullList) {
  LoadResearch();
  ASSERT_TRUE(ClickItem("刘洋"));
  TypeMembers(CreatePage(), 127);
  ASSERT_TRUE(Click(CreatePage(), IDC_BTN_ADD));
  EXPECT_EQ("会议初始成员数太多！", LastBox());
  EXPECT_EQ(127u, MemberRows().size());
}

TEST_F(CreateTreeTest, CancelFoldsPeopleAndForgetsTheirLeaves) {
  LoadResearch();
  ASSERT_TRUE(ClickItem("刘洋"));
  ASSERT_TRUE(ClickItem("周杰"));
  ASSERT_TRUE(Click(CreatePage(), IDCANCEL));
  EXPECT_EQ(nullptr, Tree().GetChildItem(Find("刘洋")));
  EXPECT_EQ(nullptr, Tree().GetChildItem(Find("周杰")));
  EXPECT_NE(nullptr, Find("研发部"));
}

TEST_F(CreateTreeTest, OkFoldsTheTreeEvenWhenTheRequestIsRefused) {
  LoadResearch();
  ASSERT_TRUE(ClickItem("刘洋"));
  HostAllows(0);
  ASSERT_TRUE(Click(CreatePage(), IDOK));
  EXPECT_EQ("系统忙，请稍后重试！", LastBox());
  EXPECT_EQ(nullptr, Tree().GetChildItem(Find("刘洋")));
}

TEST_F(CreateTreeTest, HostCode20022EmptiesTheTreeBelowItsRoot) {
  LoadResearch();
  HostPlainBlock block{0};
  EXPECT_EQ(1, Deliver(kModuleClearTrees, block));
  ASSERT_NE(nullptr, Tree().GetRootItem());
  EXPECT_EQ(nullptr, Tree().GetChildItem(Tree().GetRootItem()));
  EXPECT_EQ(1u, Tree().GetCount());
  // The tree reset empties it entirely.
  Module()->InitDeptTree();
  EXPECT_EQ(0u, Tree().GetCount());
}

TEST_F(CreateTreeTest, WhileTheDirectoryRefreshesClicksDoNothingAndTheCursorWaits) {
  VzData().states.bRefreshStructThreadRun = TRUE;
  user::ClickTreeItem(Tree().m_hWnd, Find("南京分公司"));
  Tree().SelectItem(nullptr);
  EXPECT_EQ(::LoadCursor(nullptr, IDC_WAIT), ::GetCursor());
  EXPECT_FALSE(Tree().GetItemState(Find("南京分公司"), TVIS_EXPANDED) & TVIS_EXPANDED);
  VzData().states.bRefreshStructThreadRun = FALSE;
  ASSERT_TRUE(ClickItem("南京分公司"));
  EXPECT_EQ(::LoadCursor(nullptr, IDC_ARROW), ::GetCursor());
  EXPECT_TRUE(Tree().GetItemState(Find("南京分公司"), TVIS_EXPANDED) & TVIS_EXPANDED);
}

TEST_F(CreateTreeTest, RightArrowLoadsTheSelectedDepartmentsPeople) {
  ASSERT_TRUE(ClickItem("南京分公司"));
  Tree().SelectItem(Find("研发部"));
  ::SetFocus(Tree().m_hWnd);
  EXPECT_TRUE(user::PressKey(VK_RIGHT));
  EXPECT_NE(nullptr, Find("刘洋"));
}

}  // namespace
}  // namespace tavtest
