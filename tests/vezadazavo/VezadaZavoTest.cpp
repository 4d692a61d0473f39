// VezadaZavo over its default data set: number rules, the user's own numbers, phone books,
// notice addresses, states and the department trees.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/ui/TreeCtrl.h"
#include "tests/support/DesktopTest.h"
#include "vezadazavo/VezadaZavo.h"

namespace {

class VezadaZavoTest : public ::testing::Test {
 protected:
  void SetUp() override { VzSetDataSet(VzDefaultDataSet()); }
  void TearDown() override { VzSetDataSet(VzDefaultDataSet()); }
};

TEST_F(VezadaZavoTest, SipNumbersAreSipAddressesOrUserAtHost) {
  EXPECT_TRUE(IsSIPnumber("sip:80002001@ims.example.cn"));
  EXPECT_TRUE(IsSIPnumber("SIP:8001"));
  EXPECT_TRUE(IsSIPnumber("80002001@ims.example.cn"));
  EXPECT_FALSE(IsSIPnumber("tel:80002001"));
  EXPECT_FALSE(IsSIPnumber("66002001"));
  EXPECT_FALSE(IsSIPnumber("sip:"));
  EXPECT_FALSE(IsSIPnumber("a@b@c"));
  EXPECT_FALSE(IsSIPnumber(""));
}

TEST_F(VezadaZavoTest, TheUserFolderExistsOnceAskedFor) {
  char pattern[] = "/tmp/tav-vz-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  std::string folder = std::string(pattern) + "/client/user/";
  VzDataSet data = VzDefaultDataSet();
  data.csUserPath = folder.c_str();
  VzSetDataSet(data);
  EXPECT_EQ(CString(folder.c_str()), GetUserPath());
  EXPECT_TRUE(std::filesystem::is_directory(folder));
  std::filesystem::remove_all(pattern);
}

TEST_F(VezadaZavoTest, TheUsersOwnAddressAndNumbersAreRecognised) {
  EXPECT_TRUE(IsMySelf("sip:80001234@ims.example.cn"));
  EXPECT_TRUE(IsMySelf("SIP:80001234@IMS.example.cn;device=pc"));
  EXPECT_TRUE(IsMySelf("80001234@ims.example.cn"));
  EXPECT_TRUE(IsMySelf("tel:13800001234"));
  EXPECT_TRUE(IsMySelf("013800001234")) << "the whole form of the own mobile";
  EXPECT_TRUE(IsMySelf("02566001234,88"));
  EXPECT_FALSE(IsMySelf("sip:80001235@ims.example.cn"));
  EXPECT_FALSE(IsMySelf(""));
}

TEST_F(VezadaZavoTest, CallingOneselfDependsOnTheType) {
  EXPECT_FALSE(CanCallMySelf(0, "tel:13800001234"));
  EXPECT_TRUE(CanCallMySelf(1, "sip:80001234@ims.example.cn"));
  EXPECT_TRUE(CanCallMySelf(3, "tel:13800001234"));
  EXPECT_FALSE(CanCallMySelf(3, "sip:80001234@ims.example.cn"));
  EXPECT_EQ(0, GetCallMySelfType());
  VzData().states.iCallMySelfType = 3;
  EXPECT_EQ(3, GetCallMySelfType());
}

TEST_F(VezadaZavoTest, WholeNumbersComeFromThePhoneBookOrTheMobileRule) {
  EXPECT_EQ(CString("02566886666"), GetWholePhoneNumber_Zero("66886666"));
  EXPECT_EQ(CString("02566001000,8123"), GetWholePhoneNumber_Zero("66001000,8123"));
  EXPECT_EQ(CString("013600002001"), GetWholePhoneNumber_Zero("13600002001"));
  EXPECT_EQ(CString("66002001"), GetWholePhoneNumber_Zero("66002001"));
  EXPECT_EQ(CString("23600002001"), GetWholePhoneNumber_Zero("23600002001"));
  EXPECT_EQ(CString(""), GetWholePhoneNumber_Zero(""));
}

TEST_F(VezadaZavoTest, NoticeAddressesOfPhoneBookEntriesPeopleAndBareNumbers) {
  EXPECT_EQ(CString("013700005678"), GetDesignatedNumberByURI(1, "sip:80005678@ims.example.cn", 1));
  EXPECT_EQ(CString("lina@example.cn"), GetDesignatedNumberByURI(2, "80005678", 1));
  EXPECT_EQ(CString("13600002001"), GetDesignatedNumberByURI(1, "80002001@ims.example.cn", 2));
  EXPECT_EQ(CString("liuyang@example.cn"), GetDesignatedNumberByURI(2, "sip:80002001@ims.example.cn", 2));
  EXPECT_EQ(CString(""), GetDesignatedNumberByURI(2, "sip:80002003@ims.example.cn", 2)) << "周杰 has no e-mail";
  EXPECT_EQ(CString("13912345678"), GetDesignatedNumberByURI(1, "tel:13912345678", 0));
  EXPECT_EQ(CString(""), GetDesignatedNumberByURI(1, "sip:unknown@h", 0));
  EXPECT_EQ(CString(""), GetDesignatedNumberByURI(3, "tel:13912345678", 0));
}

TEST_F(VezadaZavoTest, PhoneBookCasesAndItsRightsFlag) {
  const std::vector<PHONEBOOK_INFO>* book = GetPhoneBooks();
  ASSERT_NE(book, nullptr);
  ASSERT_EQ(5u, book->size());
  EXPECT_EQ(1, FindPhoneBookByURI("sip:80005678@ims.example.cn")->iRightFlag);
  EXPECT_EQ(0, FindPhoneBookByURI("sip:13900001111@ims.example.cn")->iRightFlag);
  EXPECT_EQ(CString("80009999"), GetUserNameByPhone("sip:80009999@ims.example.cn", 0, 1)) << "an entry without a name";
  EXPECT_EQ(nullptr, FindPhoneBookByURI("")) << "telephone-only entries are not found by an empty URI";
  VzData().phoneBook.clear();
  EXPECT_EQ(nullptr, GetPhoneBooks());
}

TEST_F(VezadaZavoTest, DepartmentSearchResultsAreFoundApart) {
  EXPECT_EQ(nullptr, FindDeptPhoneBookSearch("sip:80002001@ims.example.cn"));
  DEPT_ADDRESSLIST_INFO found;
  found.csName = "吴昊";
  found.csSipURI = "sip:80007001@ims.example.cn";
  VzData().deptPhoneBookSearch.push_back(found);
  ASSERT_NE(nullptr, FindDeptPhoneBookSearch("SIP:80007001@ims.example.cn"));
  EXPECT_EQ(nullptr, FindDeptPhoneBook("sip:80007001@ims.example.cn"));
}

TEST_F(VezadaZavoTest, StatesAndRightsFollowTheDataSet) {
  EXPECT_FALSE(GetTalking());
  EXPECT_EQ(0, GetCountAboveConnecting(1));
  EXPECT_FALSE(GetStartLogout());
  VzStates& states = VzData().states;
  states.bTalking = TRUE;
  states.iCountAboveConnecting = 2;
  states.bStartLogout = TRUE;
  states.bIMSDirectApp = TRUE;
  states.bRefreshStructThreadRun = TRUE;
  states.bRefreshEmployeeThreadRun = TRUE;
  states.bUpdateUserStatus = TRUE;
  states.iCallerNameType = 3;
  states.iDiskSpace = 2;
  EXPECT_TRUE(GetTalking());
  EXPECT_EQ(2, GetCountAboveConnecting(1));
  EXPECT_TRUE(GetStartLogout());
  EXPECT_TRUE(GetIMSDirectApp());
  EXPECT_TRUE(GetIMSRefreshStructThreadRun());
  EXPECT_TRUE(GetIMSRefreshEmployeeThreadRun());
  EXPECT_TRUE(GetUpdateUserStatus());
  EXPECT_EQ(3, GetGetCallerNameType());
  EXPECT_EQ(2, ChkFreeDiskSpace(nullptr));

  EXPECT_EQ(0, GetHaveGetBKSound());
  SetHaveGetBKSound(1);
  EXPECT_EQ(1, GetHaveGetBKSound());
  SetCurrentRClickTime(CTime(1700000000));
  EXPECT_EQ(1700000000, states.lastRClickTime.GetTime());

  EXPECT_FALSE(GetDataConfRight(nullptr));
  DATACONF_RIGHT rights;
  VzData().rights.iFeatures = 0x5;
  ASSERT_TRUE(GetDataConfRight(&rights));
  EXPECT_EQ(0x5, rights.iFeatures);
  EXPECT_EQ(CString("MRS-6000"), GetXCapCapsInfo()->csMediaServer);
  EXPECT_NE(nullptr, GetAppBrush());
}

class DeptTreeTest : public tavtest::DesktopTest {
 protected:
  void SetUp() override {
    DesktopTest::SetUp();
    VzSetDataSet(VzDefaultDataSet());
    ASSERT_TRUE(parent_.CreateEx(0, nullptr, "parent", WS_POPUP, CRect(0, 0, 300, 400), nullptr, 0));
    ASSERT_TRUE(tree_.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 300), &parent_, 1934));
  }
  void TearDown() override {
    VzForgetDeptTree(kTree);
    tree_.DestroyWindow();
    parent_.DestroyWindow();
    VzSetDataSet(VzDefaultDataSet());
    DesktopTest::TearDown();
  }
  int Kind(HTREEITEM item) {
    DWORD_PTR data = tree_.GetItemData(item);
    return data && data != (DWORD_PTR)-1 ? *reinterpret_cast<const int*>(data) : 0;
  }
  HTREEITEM ChildNamed(HTREEITEM parent, const char* name) {
    for (HTREEITEM c = tree_.GetChildItem(parent); c; c = tree_.GetNextSiblingItem(c))
      if (tree_.GetItemText(c) == name) return c;
    return nullptr;
  }

  static const int kTree = 2;
  CWnd parent_;
  CTreeCtrl tree_;
};

TEST_F(DeptTreeTest, FillsCompanyAffiliationsAndDepartmentsWithTheirRecords) {
  EXPECT_EQ(nullptr, GetProvinceRootItem(kTree));
  VzFillDeptTree(kTree, &tree_);
  HTREEITEM root = GetProvinceRootItem(kTree);
  ASSERT_NE(nullptr, root);
  EXPECT_EQ(CString("江苏省公司"), tree_.GetItemText(root));
  EXPECT_EQ(kDirCompany, Kind(root));
  HTREEITEM mine = GetMyAffiliationItem(kTree);
  ASSERT_NE(nullptr, mine);
  EXPECT_EQ(CString("南京分公司"), tree_.GetItemText(mine));
  EXPECT_EQ(kDirAffiliation, Kind(mine));
  EXPECT_EQ(CString("sip:affil-nj@ims.example.cn"),
            reinterpret_cast<const COMPANY_AFFILIA_INFO*>(tree_.GetItemData(mine))->csURI);
  HTREEITEM rd = ChildNamed(mine, "研发部");
  ASSERT_NE(nullptr, rd);
  EXPECT_EQ(kDirDepartment, Kind(rd));
  EXPECT_EQ(CString("sip:dept-rd@ims.example.cn"),
            reinterpret_cast<const DEPARTMENT_INFO*>(tree_.GetItemData(rd))->csSuscribeURI);
  EXPECT_EQ(nullptr, tree_.GetChildItem(rd)) << "people are loaded per department";
  EXPECT_NE(nullptr, ChildNamed(ChildNamed(root, "苏州分公司"), "客服部"));
  EXPECT_EQ(nullptr, GetProvinceRootItem(3)) << "each tree number is its own";
}

TEST_F(DeptTreeTest, LoadingADepartmentAddsItsPeople) {
  VzFillDeptTree(kTree, &tree_);
  HTREEITEM rd = ChildNamed(GetMyAffiliationItem(kTree), "研发部");
  EXPECT_FALSE(IsTreeItemHasEmployor(&tree_, rd));
  SubNewDeptTreeItem(&tree_, rd);
  EXPECT_TRUE(IsTreeItemHasEmployor(&tree_, rd));
  HTREEITEM liu = ChildNamed(rd, "刘洋");
  ASSERT_NE(nullptr, liu);
  EXPECT_EQ(kDirPerson, Kind(liu));
  const DEPT_ADDRESSLIST_INFO* person = reinterpret_cast<const DEPT_ADDRESSLIST_INFO*>(tree_.GetItemData(liu));
  EXPECT_EQ(CString("sip:80002001@ims.example.cn"), person->csSipURI);
  EXPECT_EQ(CString("13600002001"), person->csPhone2);
  EXPECT_NE(nullptr, ChildNamed(rd, "张伟")) << "the user is in the directory too";
  EXPECT_EQ(nullptr, ChildNamed(rd, "陈静"));
  UINT count = tree_.GetCount();
  SubNewDeptTreeItem(&tree_, rd);
  EXPECT_EQ(count, tree_.GetCount()) << "a loaded department is only expanded";
  EXPECT_FALSE(IsTreeItemHasEmployor(&tree_, GetMyAffiliationItem(kTree)));
}

TEST_F(DeptTreeTest, TheWatchedDepartment) {
  EXPECT_EQ(CString(""), GetSuscribeURIofDept());
  SetSuscribeURIofDept("sip:dept-rd@ims.example.cn");
  EXPECT_EQ(CString("sip:dept-rd@ims.example.cn"), GetSuscribeURIofDept());
}

}  // namespace
