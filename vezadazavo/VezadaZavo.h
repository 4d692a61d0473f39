// VezadaZavo: the host client's sibling library of user, rights, phone-book and directory
// data. This is our own library with the operations the module calls, over a data set that
// starts as the embedded default (VzDefaultDataSet) and that tests replace (VzSetDataSet) or
// change in place (VzData). docs/vezadazavo.md gives its number rules.
#pragma once

#include <vector>

#include "platform/CString.h"
#include "platform/Time.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/Win32Types.h"
#include "vezadazavo/VzRecords.h"

// The client's states that the module asks about; non-zero means yes.
struct VzStates {
  BOOL bTalking = FALSE;              // a call runs
  int iCountAboveConnecting = 0;      // calls being set up or running
  BOOL bStartLogout = FALSE;          // the client is signing out
  BOOL bIMSDirectApp = FALSE;         // direct mode: no server time is asked
  BOOL bRefreshStructThreadRun = FALSE;    // the directory's structure is being refreshed
  BOOL bRefreshEmployeeThreadRun = FALSE;  // the directory's people are being refreshed
  BOOL bUpdateUserStatus = FALSE;     // member states are being updated
  BOOL bHaveGetBKSound = FALSE;       // the background-sound list was asked for
  int iCallMySelfType = 0;            // see CanCallMySelf
  int iCallerNameType = 0;            // 3: the host resolves unknown callers' names
  int iDiskSpace = 0;                 // what ChkFreeDiskSpace answers (2 = disk full)
  CTime lastRClickTime;               // the last SetCurrentRClickTime
};

// Everything the library answers from.
struct VzDataSet {
  CPellUser user;
  tagMyInfo myInfo;
  DATACONF_RIGHT rights;
  XCAP_CAPS_INFO caps;
  CString csMsgTitle;
  CString csAppPath;   // ends in '/'
  CString csUserPath;  // ends in '/'
  VzStates states;
  std::vector<PHONEBOOK_INFO> phoneBook;
  // The directory: the company (province root), its affiliations, their departments and the
  // people of the departments.
  COMPANY_AFFILIA_INFO company;
  std::vector<COMPANY_AFFILIA_INFO> affiliations;
  std::vector<DEPARTMENT_INFO> departments;
  CString csMyAffiliationURI;                              // the user's own affiliation
  std::vector<DEPT_ADDRESSLIST_INFO> deptPhoneBook;        // people of the loaded departments
  std::vector<DEPT_ADDRESSLIST_INFO> deptPhoneBookSearch;  // the last directory search
  CString csSuscribeURIofDept;                             // the department watched
  std::vector<CString> logLines;                           // what WriteLog received
};

// The embedded default data set: a signed-in user with a Chinese display name, a phone book,
// a department tree with Chinese names, folders under the system's temporary folder.
VzDataSet VzDefaultDataSet();
// Replaces the data set; VzData gives access to the current one. Pointers the library handed
// out (records, tree item data) belong to the data set they came from.
void VzSetDataSet(const VzDataSet& data);
VzDataSet& VzData();

// ---- User, rights, paths, log (VzUser.cpp) ----
CPellUser* GetUserData();
tagMyInfo* GetMyInfo();
BOOL GetDataConfRight(DATACONF_RIGHT* rights);
XCAP_CAPS_INFO* GetXCapCapsInfo();
CString GetMsgTitle();
// The brush behind transparent texts of the client's windows.
HBRUSH GetAppBrush();
void WriteLog(CString text, int level);
CString GetAppPath();
CString GetUserPath();
// 2 when the disk is full (files are then not written), else 0.
int ChkFreeDiskSpace(const char* path);

// ---- Numbers (VzNumbers.cpp) ----
// CommaConvertPre: trims the text, checks it is a member number (digits with '*', '#' and
// pauses, or a "sip:"/"tel:" address, or user@host) and writes its pause form; 0 when invalid.
int CommaConvertPre(CString in, CString* out, int mode);
// PreTEL_SIPnumber: the address of a number: "sip:"/"tel:" addresses as they are, user@host
// as "sip:" + it, a number as "tel:" + it; 0 when none can be made.
int PreTEL_SIPnumber(CString in, CString* out);
// CommaConvertSuf: undoes the pause form in place; the number of pauses restored.
int CommaConvertSuf(CString* io, int mode);
// A number usable as a SIP address: "sip:" + something, or user@host.
BOOL IsSIPnumber(CString number);
// The user's own SIP address (any scheme, case and resource) or one of the own numbers.
BOOL IsMySelf(CString uri);
int GetCallMySelfType();
// Whether the user may add or call the own address uri under the given type: 0 never, 1 always,
// 3 by the own telephone numbers only (not by the own SIP address).
BOOL CanCallMySelf(int type, CString uri);
// The whole form of a short number: the phone book's whole form, else "0" before a mobile
// number of 11 digits beginning with 1, else the number unchanged.
CString GetWholePhoneNumber_Zero(CString number);

// ---- Phone books (VzPhoneBook.cpp) ----
// The personal phone book (NULL when it is empty); valid until the data set changes.
const std::vector<PHONEBOOK_INFO>* GetPhoneBooks();
// Lookups by URI (exact, case-insensitive); NULL when absent.
DEPT_ADDRESSLIST_INFO* FindDeptPhoneBook(CString uri);
DEPT_ADDRESSLIST_INFO* FindDeptPhoneBookSearch(CString uri);
PHONEBOOK_INFO* FindPhoneBookByURI(CString uri);
// The display name of a number or URI, or its user part when it has none.
CString GetUserNameByPhone(CString uri, int reserved1, int reserved2);
// The notice address of a member: kind 1 its SMS number, kind 2 its e-mail address; "" when
// the member has none. source tells which adding path asks (the department tree passes 2).
CString GetDesignatedNumberByURI(int kind, CString number, int source);

// ---- States (VzStates.cpp) ----
BOOL GetTalking();
int GetCountAboveConnecting(int kind);
BOOL GetStartLogout();
BOOL GetIMSDirectApp();
BOOL GetIMSRefreshStructThreadRun();
BOOL GetIMSRefreshEmployeeThreadRun();
BOOL GetUpdateUserStatus();
int GetHaveGetBKSound();
void SetHaveGetBKSound(int have);
int GetGetCallerNameType();
void SetCurrentRClickTime(CTime time);

// ---- Department trees (VzDeptTree.cpp) ----
// Trees are numbered 2 (create page), 3 (book page), 4 (invite dialog). Every item's data is
// 0, -1 (a number leaf under a person) or a pointer to a directory record of the data set.
class CTreeCtrl;
// Fills a tree with the directory: the company as the province root, its affiliations and
// their departments (people are loaded per department, VzLoadDeptMembers). The tree service
// does this when the host fills a set-up tree.
void VzFillDeptTree(int nTree, CTreeCtrl* tree);
// Forgets a tree (its window goes).
void VzForgetDeptTree(int nTree);
// Appends the people of a department item (the host's answer to a department list request).
void VzLoadDeptMembers(CTreeCtrl* tree, HTREEITEM department);
// The province root and the user's own affiliation in tree nTree; NULL when not filled.
HTREEITEM GetProvinceRootItem(int nTree);
HTREEITEM GetMyAffiliationItem(int nTree);
// TRUE when some child of the item is a person.
BOOL IsTreeItemHasEmployor(CTreeCtrl* tree, HTREEITEM item);
// Expands the item one level, loading a department's people when it has no children yet.
void SubNewDeptTreeItem(CTreeCtrl* tree, HTREEITEM item);
// The department whose member states are watched ("" none).
CString GetSuscribeURIofDept();
void SetSuscribeURIofDept(CString uri);
