// The library's data set and the user, rights, path and log operations over it.
#include "vezadazavo/VezadaZavo.h"

namespace {

VzDataSet& Current() {
  static VzDataSet data = VzDefaultDataSet();
  return data;
}

}  // namespace

VzDataSet VzDefaultDataSet() {
  VzDataSet d;
  d.user.m_csOwnName = "zhangwei";
  d.user.m_csDisplayName = "张伟";
  d.myInfo.csSipURI = "sip:80001234@ims.example.cn";
  d.myInfo.csNumber = "80001234";
  d.myInfo.csName = "张伟";
  d.csMsgTitle = "多媒体会议";
  d.csAppPath = "/tmp/tavorine/app/";
  d.csUserPath = "/tmp/tavorine/user/";

  PHONEBOOK_INFO friendEntry;
  friendEntry.csName = "李娜";
  friendEntry.csSipURI = "sip:80005678@ims.example.cn";
  friendEntry.csPhone1 = "80005678";
  friendEntry.csPhone1Whole = "80005678";
  friendEntry.iRightFlag = 1;
  d.phoneBook.push_back(friendEntry);
  PHONEBOOK_INFO outside;
  outside.csName = "王强";
  outside.csSipURI = "sip:13900001111@ims.example.cn";
  outside.csPhone1 = "013900001111";
  outside.iRightFlag = 0;
  d.phoneBook.push_back(outside);

  d.deptPhoneBook.push_back({"刘洋", "sip:80002001@ims.example.cn", "研发部"});
  d.deptPhoneBook.push_back({"陈静", "sip:80002002@ims.example.cn", "市场部"});
  return d;
}

void VzSetDataSet(const VzDataSet& data) { Current() = data; }
VzDataSet& VzData() { return Current(); }

CPellUser* GetUserData() { return &Current().user; }
tagMyInfo* GetMyInfo() { return &Current().myInfo; }

BOOL GetDataConfRight(DATACONF_RIGHT* rights) {
  if (!rights) return FALSE;
  *rights = Current().rights;
  return TRUE;
}

CString GetMsgTitle() { return Current().csMsgTitle; }
void WriteLog(CString text, int level) { Current().logLines.push_back(text); }
CString GetAppPath() { return Current().csAppPath; }
CString GetUserPath() { return Current().csUserPath; }
