#include "host/recording/HostProtocol.h"

#include <cstring>

#include "host/relay/WbMessages.h"
#include "protocol/ConfAttrRecord.h"
#include "protocol/ConfMethodRecord.h"
#include "protocol/HostBlocks.h"

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

// Copies a block by its layout: the block, then each text it points to.
BlockCopier CopyByLayout(const HostBlockLayout& layout) {
  return [&layout](const void* block, BlockArena& arena) -> const void* {
    char* copy = static_cast<char*>(arena.CopyBytes(block, layout.size));
    for (const HostBlockField& field : layout.fields) {
      if (field.kind != HostFieldKind::kText) continue;
      const char* text;
      std::memcpy(&text, copy + field.offset, sizeof text);
      text = arena.CopyText(text);
      std::memcpy(copy + field.offset, &text, sizeof text);
    }
    return copy;
  };
}

// Conference attributes (method 5): a record without pointers.
const void* CopyConfAttrRecord(const void* record, BlockArena& arena) {
  return arena.Clone(static_cast<const ConfAttrRecord*>(record));
}

// Server-time request (method 10): a record of one int.
const void* CopyIntRecord(const void* record, BlockArena& arena) {
  return arena.Clone(static_cast<const int*>(record));
}

}  // namespace

const std::vector<HostCodeInfo>& HostCodes() {
  static const std::vector<HostCodeInfo> codes = {
      {Channel::kMessage, kHostDataConfRecord, "data-conference record", &kHostMethodLayout},
      {Channel::kMessage, kHostConfMethod, "conference method", &kHostMethodLayout},
      {Channel::kMessage, kHostDownload, "download", nullptr},
      {Channel::kMessage, kHostUpload, "upload", nullptr},
      {Channel::kMessage, kHostResolveName, "resolve name", nullptr},
      {Channel::kMessage, kHostP2PInviteWindow, "point-to-point invitation window", nullptr},
      {Channel::kMessage, kHostEndDataSession, "end data session", nullptr},
      {Channel::kMessage, kHostBeginDataSession, "begin data session", nullptr},
      {Channel::kMessage, kHostBeforeCreate, "before create", nullptr},
      {Channel::kMessage, kHostMemberRightQuery, "member-right query", &kHostMemberRightQueryLayout},
      {Channel::kMessage, kHostSkinWindow, "skin window", &kHostSkinLayout},
      {Channel::kMessage, kHostWriteLog, "log", &kHostLogLayout},
      {Channel::kMessage, kHostWriteLogPlain, "log (plain)", &kHostLogLayout},
      {Channel::kMessage, kHostStateChanged, "state changed", nullptr},
      {Channel::kMessage, kHostFrontWindow, "front window", &kHostFrontWindowLayout},
      {Channel::kMessage, kHostWatchDept, "watch department", &kHostWatchDeptLayout},
      {Channel::kMessage, kHostInviteComing, "invitation coming", nullptr},
      {Channel::kMessage, kHostDeptAddrList, "directory list", &kHostDeptAddrListLayout},
      {Channel::kMessage, kHostMayStartConfOp, "may a conference operation start", &kHostMayStartLayout},
      {Channel::kMessage, kHostInviteShowing, "invitation showing", nullptr},
      {Channel::kRequest, kTreeRegister, "register tree", &kHostTreeLayout},
      {Channel::kRequest, kTreeUnregister, "unregister tree", &kHostTreeLayout},
      {Channel::kRequest, kTreeFill, "fill tree", &kHostTreeLayout},
      {Channel::kRequest, kTreeClick, "tree click", &kHostTreeClickLayout},
  };
  return codes;
}

void AddModuleCopiers(CopierTable& table) {
  for (const HostCodeInfo& info : HostCodes()) {
    if (!info.block) continue;
    if (info.block->CarriesRecord()) table.SetMethodBlock(info.code);
    else table.Set(info.channel, info.code, CopyByLayout(*info.block));
  }
  table.SetRecord(kHostConfMethod, 1, CopyConfMethodRecord);
  table.SetRecord(kHostDataConfRecord, 1, CopyWbMessage);
  table.SetRecord(kHostConfMethod, 5, CopyConfAttrRecord);
  table.SetRecord(kHostConfMethod, 10, CopyIntRecord);
}

void AddModuleAnswers(AnswerScript& script) {
  for (const HostCodeInfo& info : HostCodes()) {
    if (!info.block || info.block->answerOffset < 0) continue;
    int offset = info.block->answerOffset;
    script.SetWriter(info.channel, info.code, [offset](void* block, int answer) {
      std::memcpy(static_cast<char*>(block) + offset, &answer, sizeof answer);
    });
  }
  script.Set(Channel::kMessage, kHostDataConfRecord, 1);
  script.Set(Channel::kMessage, kHostConfMethod, 1);
  script.Set(Channel::kMessage, kHostMayStartConfOp, 1);
}

const HostCodeInfo* FindHostCode(Channel channel, int code) {
  for (const HostCodeInfo& info : HostCodes())
    if (info.channel == channel && info.code == code) return &info;
  return nullptr;
}

const char* CodeName(Channel channel, int code) {
  const HostCodeInfo* info = FindHostCode(channel, code);
  return info ? info->name : "";
}

}  // namespace host
