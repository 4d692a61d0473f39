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
  kModuleP2PWhiteboardRequest = 3,  // HostPeerBlock: the user offers the peer a whiteboard
  kModuleP2PAssistRequest = 4,      // HostPeerBlock: the user asks the peer for assistance
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

// How one field of a block reads: what the host copies with the block and prints of it.
enum class HostFieldKind {
  kNone,    // past the block's last described field
  kInt,     // an int, printed in decimal
  kHex,     // an int or a handle, printed as 0x...
  kText,    // a const char* text: copied with the block, printed quoted
  kChars,   // a fixed char array: printed quoted up to its size
  kRecord,  // the record of a {method, record, result} block: copied by the method's rule
};

struct HostBlockField {
  HostFieldKind kind;
  const char* label;  // printed before the value; "" for none
  int offset;
  int size;           // bytes of a char array
};

// The one description of a block: its size, the ints each side writes back, and the fields
// the host copies and prints, in print order.
struct HostBlockLayout {
  int size;
  int answerOffset;   // where the host writes its answer; -1: none
  int handledOffset;  // where the module writes its handled flag; -1: none
  HostBlockField fields[4];

  // Whether the block is {method, record, result}: its record is copied and printed by the
  // method's own rule.
  constexpr bool CarriesRecord() const {
    for (const HostBlockField& field : fields)
      if (field.kind == HostFieldKind::kRecord) return true;
    return false;
  }
};

#define HOST_FIELD(kind, label, Block, member) \
  HostBlockField { HostFieldKind::kind, label, (int)offsetof(Block, member), (int)sizeof(Block::member) }

// ---- module to host ----

// Codes 101 and 102: {method, record, result}.
struct HostMethodBlock {
  int nMethod;
  void* pRecord;
  int nResult;
};
static_assert(sizeof(HostMethodBlock) == 12, "host block layout");
static_assert(offsetof(HostMethodBlock, pRecord) == 4, "host block layout");
static_assert(offsetof(HostMethodBlock, nResult) == 8, "host block layout");
inline constexpr HostBlockLayout kHostMethodLayout = {
    sizeof(HostMethodBlock), offsetof(HostMethodBlock, nResult), -1,
    {HOST_FIELD(kInt, "method", HostMethodBlock, nMethod), HOST_FIELD(kRecord, "", HostMethodBlock, pRecord)}};

// Codes 20003 and 20004: {text, level, result}.
struct HostLogBlock {
  const char* pText;
  int nLevel;
  int nResult;
};
static_assert(sizeof(HostLogBlock) == 12, "host block layout");
static_assert(offsetof(HostLogBlock, nLevel) == 4, "host block layout");
static_assert(offsetof(HostLogBlock, nResult) == 8, "host block layout");
inline constexpr HostBlockLayout kHostLogLayout = {
    sizeof(HostLogBlock), offsetof(HostLogBlock, nResult), -1,
    {HOST_FIELD(kInt, "level", HostLogBlock, nLevel), HOST_FIELD(kText, "", HostLogBlock, pText)}};

// Code 10001: {window, skin file, section}; an empty section skins the whole window.
struct HostSkinBlock {
  HWND hWnd;
  const char* pSkinFile;
  const char* pSection;
};
static_assert(sizeof(HostSkinBlock) == 12, "host block layout");
static_assert(offsetof(HostSkinBlock, pSkinFile) == 4, "host block layout");
static_assert(offsetof(HostSkinBlock, pSection) == 8, "host block layout");
inline constexpr HostBlockLayout kHostSkinLayout = {
    sizeof(HostSkinBlock), -1, -1,
    {HOST_FIELD(kHex, "window", HostSkinBlock, hWnd), HOST_FIELD(kText, "file", HostSkinBlock, pSkinFile),
     HOST_FIELD(kText, "section", HostSkinBlock, pSection)}};

// Code 20007: {value, 0}: the window now in front (0 none).
struct HostFrontWindowBlock {
  int nValue;
  int nReserved;
};
static_assert(sizeof(HostFrontWindowBlock) == 8, "host block layout");
inline constexpr HostBlockLayout kHostFrontWindowLayout = {
    sizeof(HostFrontWindowBlock), -1, -1, {HOST_FIELD(kHex, "window", HostFrontWindowBlock, nValue)}};

// Code 20016: {op, department URI, 1, 0}.
enum WatchDeptOp { kWatchDeptStart = 1, kWatchDeptStop = 3 };
struct HostWatchDeptBlock {
  int nOp;
  const char* pDeptURI;
  int nOne;
  int nZero;
};
static_assert(sizeof(HostWatchDeptBlock) == 16, "host block layout");
static_assert(offsetof(HostWatchDeptBlock, pDeptURI) == 4, "host block layout");
static_assert(offsetof(HostWatchDeptBlock, nOne) == 8, "host block layout");
inline constexpr HostBlockLayout kHostWatchDeptLayout = {
    sizeof(HostWatchDeptBlock), -1, -1,
    {HOST_FIELD(kInt, "op", HostWatchDeptBlock, nOp), HOST_FIELD(kText, "department", HostWatchDeptBlock, pDeptURI)}};

// Code 20032: one int preset to 0; the host writes non-zero when a conference operation
// may start now. The question holds nothing but the slot for the answer.
struct HostMayStartBlock {
  int bMayStart;
};
static_assert(sizeof(HostMayStartBlock) == 4, "host block layout");
inline constexpr HostBlockLayout kHostMayStartLayout = {sizeof(HostMayStartBlock), 0, -1, {}};

// Code 113 (to the host): the number whose member rights are asked, at +4.
struct HostMemberRightQueryBlock {
  int nReserved;
  char szNumber[257];
};
static_assert(sizeof(HostMemberRightQueryBlock) == 264, "host block layout");
static_assert(offsetof(HostMemberRightQueryBlock, szNumber) == 4, "host block layout");
inline constexpr HostBlockLayout kHostMemberRightQueryLayout = {
    sizeof(HostMemberRightQueryBlock), -1, -1, {HOST_FIELD(kChars, "number", HostMemberRightQueryBlock, szNumber)}};

// Code 20021: the directory list under one entry of a set-up tree.
enum DeptEntryKind { kDeptCompany = 1, kDeptAffiliation = 2, kDeptDepartment = 3 };
struct HostDeptAddrListBlock {
  const char* pURI;
  int nType;     // DeptEntryKind
  int nDlgType;  // DeptTreeNumber
  HTREEITEM hItem;
};
static_assert(sizeof(HostDeptAddrListBlock) == 16, "host block layout");
static_assert(offsetof(HostDeptAddrListBlock, nType) == 4, "host block layout");
static_assert(offsetof(HostDeptAddrListBlock, nDlgType) == 8, "host block layout");
static_assert(offsetof(HostDeptAddrListBlock, hItem) == 12, "host block layout");
inline constexpr HostBlockLayout kHostDeptAddrListLayout = {
    sizeof(HostDeptAddrListBlock), -1, -1,
    {HOST_FIELD(kText, "entry", HostDeptAddrListBlock, pURI), HOST_FIELD(kInt, "kind", HostDeptAddrListBlock, nType),
     HOST_FIELD(kInt, "tree", HostDeptAddrListBlock, nDlgType)}};

// Tree service codes 113 (register), 114 (unregister) and 115 (fill): 20 bytes.
struct HostTreeBlock {
  int nTree;       // DeptTreeNumber
  void* pTreeCtrl; // the tree control (register only)
  int nReserved[3];
};
static_assert(sizeof(HostTreeBlock) == 20, "host block layout");
static_assert(offsetof(HostTreeBlock, pTreeCtrl) == 4, "host block layout");
inline constexpr HostBlockLayout kHostTreeLayout = {
    sizeof(HostTreeBlock), -1, -1, {HOST_FIELD(kInt, "tree", HostTreeBlock, nTree)}};

// Tree service code 120: a click moved the selection between two departments.
struct HostTreeClickBlock {
  int nReserved;  // not set by the pages
  char szNewDeptURI[257];
  char szOldDeptURI[257];
};
static_assert(sizeof(HostTreeClickBlock) == 520, "host block layout");
static_assert(offsetof(HostTreeClickBlock, szNewDeptURI) == 4, "host block layout");
static_assert(offsetof(HostTreeClickBlock, szOldDeptURI) == 261, "host block layout");
inline constexpr HostBlockLayout kHostTreeClickLayout = {
    sizeof(HostTreeClickBlock), -1, -1,
    {HOST_FIELD(kChars, "new", HostTreeClickBlock, szNewDeptURI),
     HOST_FIELD(kChars, "old", HostTreeClickBlock, szOldDeptURI)}};

// ---- host to module ----
// Every block ends in the handled flag that the module writes back (1 handled, 0 not).

struct HostPlainBlock {
  int bHandled;
};
static_assert(sizeof(HostPlainBlock) == 4, "host block layout");
inline constexpr HostBlockLayout kHostPlainLayout = {sizeof(HostPlainBlock), -1, 0, {}};

// Codes 8 and 9: {kind or iType, record, handled}.
struct HostRecordBlock {
  int nKind;
  void* pRecord;
  int bHandled;
};
static_assert(sizeof(HostRecordBlock) == 12, "host block layout");
static_assert(offsetof(HostRecordBlock, pRecord) == 4, "host block layout");
static_assert(offsetof(HostRecordBlock, bHandled) == 8, "host block layout");
inline constexpr HostBlockLayout kHostRecordLayout = {sizeof(HostRecordBlock), -1, offsetof(HostRecordBlock, bHandled), {}};

// Codes 3 and 4: the peer of the user's point-to-point offer, its full URI.
struct HostPeerBlock {
  const char* pPeerURI;
  int bHandled;
};
static_assert(sizeof(HostPeerBlock) == 8, "host block layout");
static_assert(offsetof(HostPeerBlock, bHandled) == 4, "host block layout");
inline constexpr HostBlockLayout kHostPeerLayout = {
    sizeof(HostPeerBlock), -1, offsetof(HostPeerBlock, bHandled), {HOST_FIELD(kText, "peer", HostPeerBlock, pPeerURI)}};

// Code 16: the set-up page to show (1 create, 2 book, 3 join ...) and, for the create page,
// member numbers to add, separated by ";" (NULL or "" for none).
struct HostPageBlock {
  int nPage;
  const char* pNumbers;
  int bHandled;
};
static_assert(sizeof(HostPageBlock) == 12, "host block layout");
static_assert(offsetof(HostPageBlock, pNumbers) == 4, "host block layout");
static_assert(offsetof(HostPageBlock, bHandled) == 8, "host block layout");
inline constexpr HostBlockLayout kHostPageLayout = {
    sizeof(HostPageBlock), -1, offsetof(HostPageBlock, bHandled),
    {HOST_FIELD(kInt, "page", HostPageBlock, nPage), HOST_FIELD(kText, "numbers", HostPageBlock, pNumbers)}};

// Code 15: the module's busy states, written by the module.
struct HostStatusBlock {
  int bMemberAdding;         // a set-up window is adding members
  int bSetupRequestPending;  // a create, book or join request waits for its answer
  int bInConf;               // a conference runs
  int bP2PBusy;              // a point-to-point session is set up or runs
  int bHandled;
};
static_assert(sizeof(HostStatusBlock) == 20, "host block layout");
static_assert(offsetof(HostStatusBlock, bSetupRequestPending) == 4, "host block layout");
static_assert(offsetof(HostStatusBlock, bInConf) == 8, "host block layout");
static_assert(offsetof(HostStatusBlock, bP2PBusy) == 12, "host block layout");
static_assert(offsetof(HostStatusBlock, bHandled) == 16, "host block layout");
inline constexpr HostBlockLayout kHostStatusLayout = {sizeof(HostStatusBlock), -1, offsetof(HostStatusBlock, bHandled), {}};

// Code 17: the member-right answer; its address goes as lParam of WM_COMMAND 123456 to the
// member-right query dialog, which reads the first two fields.
struct HostMemberRightAnswerBlock {
  int nResult;
  const char* pText;
  int bHandled;
};
static_assert(sizeof(HostMemberRightAnswerBlock) == 12, "host block layout");
static_assert(offsetof(HostMemberRightAnswerBlock, pText) == 4, "host block layout");
static_assert(offsetof(HostMemberRightAnswerBlock, bHandled) == 8, "host block layout");
inline constexpr HostBlockLayout kHostMemberRightAnswerLayout = {
    sizeof(HostMemberRightAnswerBlock), -1, offsetof(HostMemberRightAnswerBlock, bHandled), {}};

#undef HOST_FIELD

// Conference event iType 11: the server time (69 bytes).
#pragma pack(push, 1)
struct confSysTime {
  int detailType;
  char cSysTime[65];
};
#pragma pack(pop)
static_assert(sizeof(confSysTime) == 69, "record layout");
