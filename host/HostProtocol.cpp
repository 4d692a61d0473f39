#include "host/HostProtocol.h"

#include <cstring>

#include "common/ConfAttrRecord.h"
#include "common/ConfMethodRecord.h"
#include "common/HostBlocks.h"
#include "host/WbMessages.h"

namespace host {
namespace {

// A list buffer of a conference method record holds 257 bytes.
constexpr size_t kListTextLimit = 256;

// Copies the used entries of one pointer list of a record (an unaligned array inside the
// packed record, so entries move with memcpy); entries past the count keep their raw value
// and are not followed.
void CopyList(void* list, int count, BlockArena& arena) {
  if (count > kConfListCapacity) count = kConfListCapacity;
  char* entries = static_cast<char*>(list);
  for (int i = 0; i < count; ++i) {
    const char* text;
    std::memcpy(&text, entries + i * sizeof text, sizeof text);
    text = arena.CopyText(text, kListTextLimit);
    std::memcpy(entries + i * sizeof text, &text, sizeof text);
  }
}

const void* CopyConfMethodRecord(const void* record, BlockArena& arena) {
  ConfMethodRecord* copy = arena.Clone(static_cast<const ConfMethodRecord*>(record));
  CopyList(copy->pMemberList, copy->iMemberCount, arena);
  CopyList(copy->pSMSList, copy->iSMSCount, arena);
  CopyList(copy->pEmailList, copy->iEmailCount, arena);
  return copy;
}

// A block whose only pointer is one text.
template <class Block, const char* Block::*Text>
const void* CopyWithText(const void* block, BlockArena& arena) {
  Block* copy = arena.Clone(static_cast<const Block*>(block));
  copy->*Text = arena.CopyText(copy->*Text);
  return copy;
}

const void* CopySkinBlock(const void* block, BlockArena& arena) {
  HostSkinBlock* copy = arena.Clone(static_cast<const HostSkinBlock*>(block));
  copy->pSkinFile = arena.CopyText(copy->pSkinFile);
  copy->pSection = arena.CopyText(copy->pSection);
  return copy;
}

// Conference attributes (method 5): a record without pointers.
const void* CopyConfAttrRecord(const void* record, BlockArena& arena) {
  return arena.Clone(static_cast<const ConfAttrRecord*>(record));
}

// Server-time request (method 10): a record of one int.
const void* CopyIntRecord(const void* record, BlockArena& arena) {
  return arena.Clone(static_cast<const int*>(record));
}

template <class Block>
AnswerWriter WriteResult() {
  return [](void* block, int answer) { static_cast<Block*>(block)->nResult = answer; };
}

}  // namespace

void AddModuleCopiers(CopierTable& table) {
  table.SetMethodBlock(kHostDataConfRecord);
  table.SetMethodBlock(kHostConfMethod);
  table.SetRecord(kHostConfMethod, 1, CopyConfMethodRecord);
  table.SetRecord(kHostDataConfRecord, 1, CopyWbMessage);
  table.SetRecord(kHostConfMethod, 5, CopyConfAttrRecord);
  table.SetRecord(kHostConfMethod, 10, CopyIntRecord);
  table.Set(Channel::kMessage, kHostWriteLog, CopyWithText<HostLogBlock, &HostLogBlock::pText>);
  table.Set(Channel::kMessage, kHostWriteLogPlain, CopyWithText<HostLogBlock, &HostLogBlock::pText>);
  table.Set(Channel::kMessage, kHostSkinWindow, CopySkinBlock);
  table.Set(Channel::kMessage, kHostFrontWindow, CopyPlain<HostFrontWindowBlock>());
  table.Set(Channel::kMessage, kHostWatchDept, CopyWithText<HostWatchDeptBlock, &HostWatchDeptBlock::pDeptURI>);
  table.Set(Channel::kMessage, kHostMayStartConfOp, CopyPlain<HostMayStartBlock>());
  table.Set(Channel::kMessage, kHostMemberRightQuery, CopyPlain<HostMemberRightQueryBlock>());
  table.Set(Channel::kMessage, kHostDeptAddrList, CopyWithText<HostDeptAddrListBlock, &HostDeptAddrListBlock::pURI>);
  table.Set(Channel::kRequest, kTreeRegister, CopyPlain<HostTreeBlock>());
  table.Set(Channel::kRequest, kTreeUnregister, CopyPlain<HostTreeBlock>());
  table.Set(Channel::kRequest, kTreeFill, CopyPlain<HostTreeBlock>());
  table.Set(Channel::kRequest, kTreeClick, CopyPlain<HostTreeClickBlock>());
}

void AddModuleAnswers(AnswerScript& script) {
  script.SetWriter(Channel::kMessage, kHostDataConfRecord, WriteResult<HostMethodBlock>());
  script.SetWriter(Channel::kMessage, kHostConfMethod, WriteResult<HostMethodBlock>());
  script.SetWriter(Channel::kMessage, kHostWriteLog, WriteResult<HostLogBlock>());
  script.SetWriter(Channel::kMessage, kHostWriteLogPlain, WriteResult<HostLogBlock>());
  script.SetWriter(Channel::kMessage, kHostMayStartConfOp,
                   [](void* block, int answer) { static_cast<HostMayStartBlock*>(block)->bMayStart = answer; });
  script.Set(Channel::kMessage, kHostDataConfRecord, 1);
  script.Set(Channel::kMessage, kHostConfMethod, 1);
  script.Set(Channel::kMessage, kHostMayStartConfOp, 1);
}

const char* CodeName(Channel channel, int code) {
  if (channel == Channel::kRequest) {
    switch (code) {
      case kTreeRegister: return "register tree";
      case kTreeUnregister: return "unregister tree";
      case kTreeFill: return "fill tree";
      case kTreeClick: return "tree click";
      default: return "";
    }
  }
  switch (code) {
    case kHostDataConfRecord: return "data-conference record";
    case kHostConfMethod: return "conference method";
    case kHostDownload: return "download";
    case kHostUpload: return "upload";
    case kHostResolveName: return "resolve name";
    case kHostP2PInviteWindow: return "point-to-point invitation window";
    case kHostEndDataSession: return "end data session";
    case kHostBeginDataSession: return "begin data session";
    case kHostBeforeCreate: return "before create";
    case kHostMemberRightQuery: return "member-right query";
    case kHostSkinWindow: return "skin window";
    case kHostWriteLog: return "log";
    case kHostWriteLogPlain: return "log (plain)";
    case kHostStateChanged: return "state changed";
    case kHostFrontWindow: return "front window";
    case kHostWatchDept: return "watch department";
    case kHostInviteComing: return "invitation coming";
    case kHostDeptAddrList: return "directory list";
    case kHostMayStartConfOp: return "may a conference operation start";
    case kHostInviteShowing: return "invitation showing";
    default: return "";
  }
}

}  // namespace host
