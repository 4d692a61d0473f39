// VezadaZavo: the host client's sibling library of user, rights, phone-book and directory
// data. This is our own library with the operations the module calls, over a data set that
// starts as the embedded default (VzDefaultDataSet) and that tests replace (VzSetDataSet).
#pragma once

#include <vector>

#include "platform/CString.h"
#include "platform/Win32Types.h"

// The conference defaults an older client version kept inside the user record.
struct ConfDefaultsGroup {
  CString csSubject;
  int iMaxNum = 0;
  int iPeriod = 0;
  int iRemainTime = 0;
  CString csMemPwd;
  CString csMasterPwd;
  CString csVisitorPwd;
};

// The signed-in user's record with the options.
class CPellUser {
 public:
  CString m_csOwnName;       // the user's own-name text (part of per-user file names)
  CString m_csDisplayName;   // the name shown to others
  BOOL m_bInvitePending = FALSE;  // an invitation window is up
  BOOL m_bAutoAccept = FALSE;     // option: accept invitations without asking
  BOOL m_bPlayMsgSound = TRUE;    // option: prompt sound with conference prompts
  ConfDefaultsGroup m_confDefaults;
};

// The user's own addresses.
struct tagMyInfo {
  CString csSipURI;   // "sip:user@host"
  CString csNumber;   // the user part
  CString csName;
};

// The five data-conference rights.
struct DATACONF_RIGHT {
  int iAudio = 1;
  int iVideo = 1;
  int iFeatures = -1;  // bit 0x1 whiteboard, 0x2 application share, 0x4 the other features; -1 not given
  int iRight4 = 0;
  int iRight5 = 0;
};

// A personal phone-book entry.
struct PHONEBOOK_INFO {
  CString csName;
  CString csSipURI;
  CString csPhone1, csPhone1Whole;
  CString csPhone2, csPhone2Whole;
  CString csPhone3;
  int iRightFlag = 0;  // 1: may be added to a conference without asking the server
};

// A member of a department phone book.
struct DEPT_ADDRESSLIST_INFO {
  CString csName;
  CString csSipURI;
  CString csDeptName;
};

// Everything the library answers from.
struct VzDataSet {
  CPellUser user;
  tagMyInfo myInfo;
  DATACONF_RIGHT rights;
  CString csMsgTitle;
  CString csAppPath;   // ends in '/'
  CString csUserPath;  // ends in '/'
  std::vector<PHONEBOOK_INFO> phoneBook;
  std::vector<DEPT_ADDRESSLIST_INFO> deptPhoneBook;        // loaded department members
  std::vector<DEPT_ADDRESSLIST_INFO> deptPhoneBookSearch;  // the last directory search
  std::vector<CString> logLines;                           // what WriteLog received
};

// The embedded default data set: a signed-in user with a Chinese display name, a small phone
// book and department list, folders under the system's temporary folder.
VzDataSet VzDefaultDataSet();
// Replaces the data set; VzData gives access to the current one.
void VzSetDataSet(const VzDataSet& data);
VzDataSet& VzData();

CPellUser* GetUserData();
tagMyInfo* GetMyInfo();
BOOL GetDataConfRight(DATACONF_RIGHT* rights);
CString GetMsgTitle();
void WriteLog(CString text, int level);
CString GetAppPath();
CString GetUserPath();

// Numbers. The pause form of a number writes each ',' (a dialling pause) as "%2C".
// CommaConvertPre: trims the text, checks it is a member number (digits with '*', '#' and
// pauses, or a "sip:"/"tel:" address, or user@host) and writes its pause form; 0 when invalid.
int CommaConvertPre(CString in, CString* out, int mode);
// PreTEL_SIPnumber: the address of a number: "sip:"/"tel:" addresses as they are, user@host
// as "sip:" + it, a number as "tel:" + it; 0 when none can be made.
int PreTEL_SIPnumber(CString in, CString* out);
// CommaConvertSuf: undoes the pause form in place.
int CommaConvertSuf(CString* io, int mode);

// Lookups by URI (exact, case-insensitive); NULL when absent.
DEPT_ADDRESSLIST_INFO* FindDeptPhoneBook(CString uri);
DEPT_ADDRESSLIST_INFO* FindDeptPhoneBookSearch(CString uri);
PHONEBOOK_INFO* FindPhoneBookByURI(CString uri);
// The display name of a number or URI, or its user part when it has none.
CString GetUserNameByPhone(CString uri, int reserved1, int reserved2);
