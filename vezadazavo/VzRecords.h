// The records of VezadaZavo that the module reads: the signed-in user, own addresses, rights,
// capabilities, phone-book entries and the directory records that the department trees carry
// as item data (each begins with its kind).
#pragma once

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
  CString csMobile;   // the user's own telephone numbers (IsMySelf knows them too)
  CString csOfficePhone;
};

// The five data-conference rights.
struct DATACONF_RIGHT {
  int iAudio = 1;
  int iVideo = 1;
  int iFeatures = -1;  // bit 0x1 whiteboard, 0x2 application share, 0x4 the other features; -1 not given
  int iRight4 = 0;
  int iRight5 = 0;
};

// The capabilities the XCAP server announced.
struct XCAP_CAPS_INFO {
  CString csConfTypes;      // the conference types offered, decimal types separated by ','
  CString csMediaServer;    // the media server's product name ("convedia" offers no 6-way split)
};

// A personal phone-book entry.
struct PHONEBOOK_INFO {
  CString csName;
  CString csSipURI;
  CString csPhone1, csPhone1Whole;  // a number and its whole form (outside lines with the 0)
  CString csPhone2, csPhone2Whole;
  CString csPhone3;
  CString csEmail;
  int iRightFlag = 0;  // 1: may be added to a conference without asking the server
};

// The kind at the start of every directory record.
enum DirRecordKind { kDirCompany = 1, kDirAffiliation = 2, kDirDepartment = 3, kDirPerson = 4 };

// A company (the province root) or an affiliation (a branch) of the directory.
struct COMPANY_AFFILIA_INFO {
  int iKind = kDirCompany;  // kDirCompany or kDirAffiliation
  CString csURI;            // the directory URI the host lists it by
  CString csName;
  CString csParentURI;      // an affiliation's company; "" for the company
};

// A department.
struct DEPARTMENT_INFO {
  int iKind = kDirDepartment;
  CString csSuscribeURI;    // the department's URI: its list and its member states
  CString csName;
  CString csParentURI;      // the affiliation (or department) it belongs to
};

// A person of the directory (a member of a department phone book).
struct DEPT_ADDRESSLIST_INFO {
  int iKind = kDirPerson;
  CString csName;
  CString csSipURI;
  CString csDeptURI;        // the department's csSuscribeURI
  CString csPhone1;         // two further telephone numbers (short forms)
  CString csPhone2;
  CString csPhone3;         // one more number (fax or home)
  CString csEmail;
};
