// The embedded default data set.
#include "vezadazavo/VezadaZavo.h"

namespace {

const char kHost[] = "@ims.example.cn";

CString Sip(const char* user) { return CString("sip:") + user + kHost; }

PHONEBOOK_INFO Entry(const char* name, const CString& sip, const char* phone1, const char* phone1Whole,
                     const char* phone2, const char* phone2Whole, const char* phone3, const char* email, int right) {
  PHONEBOOK_INFO e;
  e.csName = name;
  e.csSipURI = sip;
  e.csPhone1 = phone1;
  e.csPhone1Whole = phone1Whole;
  e.csPhone2 = phone2;
  e.csPhone2Whole = phone2Whole;
  e.csPhone3 = phone3;
  e.csEmail = email;
  e.iRightFlag = right;
  return e;
}

DEPT_ADDRESSLIST_INFO Person(const char* name, const CString& sip, const char* dept, const char* phone1,
                             const char* phone2, const char* phone3, const char* email) {
  DEPT_ADDRESSLIST_INFO p;
  p.csName = name;
  p.csSipURI = sip;
  p.csDeptURI = Sip(dept);
  p.csPhone1 = phone1;
  p.csPhone2 = phone2;
  p.csPhone3 = phone3;
  p.csEmail = email;
  return p;
}

void AddUser(VzDataSet& d) {
  d.user.m_csOwnName = "zhangwei";
  d.user.m_csDisplayName = "张伟";
  d.myInfo.csSipURI = Sip("80001234");
  d.myInfo.csNumber = "80001234";
  d.myInfo.csName = "张伟";
  d.myInfo.csMobile = "13800001234";
  d.myInfo.csOfficePhone = "02566001234";
  d.caps.csConfTypes = "0,1,3,4,6,7,8,9,10,11,12";
  d.caps.csMediaServer = "MRS-6000";
  d.csMsgTitle = "多媒体会议";
  d.csAppPath = "/tmp/tavorine/app/";
  d.csUserPath = "/tmp/tavorine/user/";
}

// The personal phone book: a member with rights, one without, a telephone-only entry, an
// entry without a name and one whose number carries an extension after a pause.
void AddPhoneBook(VzDataSet& d) {
  d.phoneBook.push_back(Entry("李娜", Sip("80005678"), "80005678", "80005678", "13700005678", "013700005678", "",
                              "lina@example.cn", 1));
  d.phoneBook.push_back(Entry("王强", Sip("13900001111"), "013900001111", "013900001111", "13900001111",
                              "013900001111", "", "wangqiang@example.cn", 0));
  d.phoneBook.push_back(Entry("赵敏", "", "66886666", "02566886666", "", "", "02566886667", "", 0));
  d.phoneBook.push_back(Entry("", Sip("80009999"), "", "", "", "", "", "", 0));
  d.phoneBook.push_back(Entry("总机", "", "66001000,8123", "02566001000,8123", "", "", "", "", 0));
}

// The directory: the province company, two affiliations (the user's own first), three
// departments and their people (the user among them).
void AddDirectory(VzDataSet& d) {
  d.company.iKind = kDirCompany;
  d.company.csURI = "sip:company-js@ims.example.cn";
  d.company.csName = "江苏省公司";
  COMPANY_AFFILIA_INFO nanjing{kDirAffiliation, "sip:affil-nj@ims.example.cn", "南京分公司", d.company.csURI};
  COMPANY_AFFILIA_INFO suzhou{kDirAffiliation, "sip:affil-sz@ims.example.cn", "苏州分公司", d.company.csURI};
  d.affiliations = {nanjing, suzhou};
  d.csMyAffiliationURI = nanjing.csURI;
  d.departments.push_back({kDirDepartment, Sip("dept-rd"), "研发部", nanjing.csURI});
  d.departments.push_back({kDirDepartment, Sip("dept-mk"), "市场部", nanjing.csURI});
  d.departments.push_back({kDirDepartment, Sip("dept-cs"), "客服部", suzhou.csURI});

  d.deptPhoneBook.push_back(Person("刘洋", Sip("80002001"), "dept-rd", "66002001", "13600002001", "", "liuyang@example.cn"));
  d.deptPhoneBook.push_back(Person("张伟", Sip("80001234"), "dept-rd", "66001234", "13800001234", "", "zhangwei@example.cn"));
  d.deptPhoneBook.push_back(Person("周杰", Sip("80002003"), "dept-rd", "", "", "", ""));
  d.deptPhoneBook.push_back(Person("陈静", Sip("80002002"), "dept-mk", "66002002", "", "02566002099", "chenjing@example.cn"));
  d.deptPhoneBook.push_back(Person("孙丽", Sip("80003001"), "dept-cs", "051266003001", "13500003001", "", ""));
}

}  // namespace

VzDataSet VzDefaultDataSet() {
  VzDataSet d;
  AddUser(d);
  AddPhoneBook(d);
  AddDirectory(d);
  return d;
}
