// The host program's department-tree service: a registered tree is filled from the sibling
// library's directory, a department's list request brings its people once, an unregistered
// tree is left alone.
#include <gtest/gtest.h>

#include "host/recording/DeptTreeService.h"
#include "host/recording/RecordingHost.h"
#include "platform/ui/TreeCtrl.h"
#include "tests/support/DesktopTest.h"
#include "vezadazavo/VezadaZavo.h"

namespace {

class DeptTreeServiceTest : public tavtest::DesktopTest {
 protected:
  void SetUp() override {
    DesktopTest::SetUp();
    VzSetDataSet(VzDefaultDataSet());
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "page", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0));
    ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 200), &parent, 1934));
    host.SetService([this](const host::HostEvent& event) { service.OnEvent(event); });
  }
  void TreeRequest(int code, int number) {
    HostTreeBlock block{number, code == kTreeRegister ? &tree : nullptr, {0, 0, 0}};
    host.SendToModule(kDeptTreeService, code, &block, 0);
  }
  void AskList(HTREEITEM item, int number) {
    HostDeptAddrListBlock block{"sip:dept-rd@ims.example.cn", kDeptDepartment, number, item};
    host.OnModuleMessage(5, kHostDeptAddrList, &block);
  }
  HTREEITEM Find(HTREEITEM from, const char* text) {
    for (HTREEITEM item = from; item; item = tree.GetNextSiblingItem(item)) {
      if (tree.GetItemText(item) == text) return item;
      if (HTREEITEM found = Find(tree.GetChildItem(item), text)) return found;
    }
    return nullptr;
  }
  int ChildCount(HTREEITEM item) {
    int n = 0;
    for (HTREEITEM child = tree.GetChildItem(item); child; child = tree.GetNextSiblingItem(child)) ++n;
    return n;
  }

  CWnd parent;
  CTreeCtrl tree;
  host::RecordingHost host;
  host::DeptTreeService service;
};

TEST_F(DeptTreeServiceTest, FillsARegisteredTreeAndAnswersADepartmentsListOnce) {
  TreeRequest(kTreeRegister, kTreeInviteDialog);
  ASSERT_EQ(CString("江苏省公司"), tree.GetItemText(tree.GetRootItem()));
  EXPECT_EQ(tree.GetRootItem(), GetProvinceRootItem(kTreeInviteDialog));
  HTREEITEM research = Find(tree.GetRootItem(), "研发部");
  ASSERT_NE(nullptr, research);
  EXPECT_EQ(0, ChildCount(research));
  AskList(research, kTreeInviteDialog);
  int people = ChildCount(research);
  EXPECT_GT(people, 0);
  AskList(research, kTreeInviteDialog);
  EXPECT_EQ(people, ChildCount(research));
  // A request for another tree number finds no tree.
  AskList(Find(tree.GetRootItem(), "市场部"), kTreeCreatePage);
  EXPECT_EQ(0, ChildCount(Find(tree.GetRootItem(), "市场部")));
}

TEST_F(DeptTreeServiceTest, RefillsOnRequestAndForgetsAnUnregisteredTree) {
  TreeRequest(kTreeRegister, kTreeCreatePage);
  tree.DeleteAllItems();
  TreeRequest(kTreeFill, kTreeCreatePage);
  EXPECT_NE(nullptr, tree.GetRootItem());
  TreeRequest(kTreeUnregister, kTreeCreatePage);
  EXPECT_EQ(nullptr, GetProvinceRootItem(kTreeCreatePage));
  tree.DeleteAllItems();
  TreeRequest(kTreeFill, kTreeCreatePage);
  EXPECT_EQ(nullptr, tree.GetRootItem());
}

}  // namespace
