// The parameter blocks exchanged with the host application. The host runs in the same 32-bit
// process: pointers in a block are addresses the host reads during the call only. A block is
// zeroed before use; the host writes its answer into the result field. Texts are GBK.
//
// Where the host's protocol names a CString field, the block carries `const char*`: an MFC
// CString is one pointer to its characters, so the layout is the same.
#pragma once

#include <cstddef>

#include "platform/Win32Types.h"

// Module-to-host codes (CModuleBase::SendEvent).
enum HostEventCode {
  kHostDataConfRecord = 101,      // HostMethodBlock: a data-conference record
  kHostConfMethod = 102,          // HostMethodBlock: a conference-control request
  kHostDownload = 103,
  kHostUpload = 104,
  kHostResolveName = 105,
  kHostP2PInviteWindow = 108,     // the value itself: 0 shown, 1 closed
  kHostEndDataSession = 109,      // no block
  kHostBeginDataSession = 110,    // no block
  kHostBeforeCreate = 112,        // no block, sent just before a create request
  kHostMemberRightQuery = 113,    // HostMemberRightQueryBlock
  kHostSkinWindow = 10001,        // HostSkinBlock (to the second host interface when given)
  kHostWriteLog = 20003,          // HostLogBlock
  kHostWriteLogPlain = 20004,     // HostLogBlock
  kHostStateChanged = 20005,      // no block
  kHostFrontWindow = 20007,       // HostFrontWindowBlock
  kHostWatchDept = 20016,         // HostWatchDeptBlock
  kHostInviteComing = 20019,      // no block, before a received invitation is shown
  kHostDeptAddrList = 20021,      // HostDeptAddrListBlock
  kHostMayStartConfOp = 20032,    // HostMayStartBlock
  kHostInviteShowing = 20034,     // no block
};

// Host-to-module codes (category 1 of CTavorineModule::OnHostMessage).
enum ModuleMessageCode {
  kModuleRightsChanged = 1,       // HostPlainBlock
  kModuleOpenUI = 2,              // HostPlainBlock
  kModuleP2PWhiteboardRequest = 3,
  kModuleP2PAssistRequest = 4,
  kModuleDataConfRecord = 8,      // HostRecordBlock: kind, record
  kModuleConfEvent = 9,           // HostRecordBlock: iType, record
  kModuleChatText = 10,
  kModuleAcceptInvite = 11,       // HostPlainBlock
  kModuleRefuseInvite = 12,       // HostPlainBlock
  kModuleAssistWindow = 13,       // HostPlainBlock
  kModuleRefreshPages = 14,       // HostPlainBlock
  kModuleStatusQuery = 15,        // HostStatusBlock
  kModuleShowUIPage = 16,         // HostPageBlock
  kModuleMemberRightAnswer = 17,  // HostMemberRightAnswerBlock
  kModuleInviteNews = 20002,
  kModuleClearTrees = 20022,      // HostPlainBlock
};

// The only category the module handles.
constexpr int kModuleMessageCategory = 1;

// Requests to the host's department-tree service (CModuleBase::SendToModule, target 10).
constexpr int kDeptTreeService = 10;
enum DeptTreeCode {
  kTreeRegister = 113,    // HostTreeBlock
  kTreeUnregister = 114,  // HostTreeBlock (tree number only)
  kTreeFill = 115,        // HostTreeBlock (tree number only)
  kTreeClick = 120,       // HostTreeClickBlock
};
// Tree numbers of the set-up windows.
enum DeptTreeNumber { kTreeCreatePage = 2, kTreeBookPage = 3, kTreeInviteDialog = 4 };

// ---- module to host ----

// Codes 101 and 102: {method, record, result}.
struct HostMethodBlock {
  int nMethod;
  void* pRecord;
  int nResult;
};
static_assert(sizeof(HostMethodBlock) == 12, "host block layout");

// Codes 20003 and 20004: {text, level, result}.
struct HostLogBlock {
  const char* pText;
  int nLevel;
  int nResult;
};
static_assert(sizeof(HostLogBlock) == 12, "host block layout");

// Code 10001: {window, skin file, section}; an empty section skins the whole window.
struct HostSkinBlock {
  HWND hWnd;
  const char* pSkinFile;
  const char* pSection;
};
static_assert(sizeof(HostSkinBlock) == 12, "host block layout");

// Code 20007: {value, 0}: the window now in front (0 none).
struct HostFrontWindowBlock {
  int nValue;
  int nReserved;
};
static_assert(sizeof(HostFrontWindowBlock) == 8, "host block layout");

// Code 20016: {op, department URI, 1, 0}.
enum WatchDeptOp { kWatchDeptStart = 1, kWatchDeptStop = 3 };
struct HostWatchDeptBlock {
  int nOp;
  const char* pDeptURI;
  int nOne;
  int nZero;
};
static_assert(sizeof(HostWatchDeptBlock) == 16, "host block layout");

// Code 20032: one int preset to 0; the host writes non-zero when a conference operation
// may start now.
struct HostMayStartBlock {
  int bMayStart;
};
static_assert(sizeof(HostMayStartBlock) == 4, "host block layout");

// Code 113 (to the host): the number whose member rights are asked, at +4.
struct HostMemberRightQueryBlock {
  int nReserved;
  char szNumber[257];
};
static_assert(offsetof(HostMemberRightQueryBlock, szNumber) == 4, "host block layout");

// Code 20021: the directory list under one entry of a set-up tree.
enum DeptEntryKind { kDeptCompany = 1, kDeptAffiliation = 2, kDeptDepartment = 3 };
struct HostDeptAddrListBlock {
  const char* pURI;
  int nType;     // DeptEntryKind
  int nDlgType;  // DeptTreeNumber
  HTREEITEM hItem;
};
static_assert(sizeof(HostDeptAddrListBlock) == 16, "host block layout");

// Tree service codes 113 (register), 114 (unregister) and 115 (fill): 20 bytes.
struct HostTreeBlock {
  int nTree;       // DeptTreeNumber
  void* pTreeCtrl; // the tree control (register only)
  int nReserved[3];
};
static_assert(sizeof(HostTreeBlock) == 20, "host block layout");

// Tree service code 120: a click moved the selection between two departments.
struct HostTreeClickBlock {
  int nReserved;  // not set by the pages
  char szNewDeptURI[257];
  char szOldDeptURI[257];
};

// ---- host to module ----
// Every block ends in the handled flag that the module writes back (1 handled, 0 not).

struct HostPlainBlock {
  int bHandled;
};

// Codes 8 and 9: {kind or iType, record, handled}.
struct HostRecordBlock {
  int nKind;
  void* pRecord;
  int bHandled;
};
static_assert(sizeof(HostRecordBlock) == 12, "host block layout");

// Code 16: the set-up page to show (1 create, 2 book, 3 join ...).
struct HostPageBlock {
  int nPage;
  int bHandled;
};

// Code 15: the module's busy states, written by the module.
struct HostStatusBlock {
  int bMemberAdding;         // a set-up window is adding members
  int bSetupRequestPending;  // a create, book or join request waits for its answer
  int bInConf;               // a conference runs
  int bP2PBusy;              // a point-to-point session is set up or runs
  int bHandled;
};

// Code 17: the member-right answer; its address goes as lParam of WM_COMMAND 123456 to the
// member-right query dialog, which reads the first two fields.
struct HostMemberRightAnswerBlock {
  int nResult;
  const char* pText;
  int bHandled;
};

// Conference event iType 11: the server time (69 bytes).
#pragma pack(push, 1)
struct confSysTime {
  int detailType;
  char cSysTime[65];
};
#pragma pack(pop)
static_assert(sizeof(confSysTime) == 69, "record layout");
